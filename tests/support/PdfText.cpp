#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace verdeval::test {

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

bool havePdfTools()
{
    for (const char *tool : {"pdftotext", "pdfimages", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

QStringList pdfLines(const QString &path)
{
    QStringList out;
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                           QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                                           path, QStringLiteral("-")});
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString s = line.simplified();
        if (!s.isEmpty())
            out << s;
    }
    return out;
}

QString pdfLine(const QString &path, const QString &start)
{
    for (const QString &line : pdfLines(path))
        if (line.startsWith(start))
            return line;
    return QString();
}

int pdfImageCount(const QString &path)
{
    const QString list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    if (list.isEmpty())
        return -1;
    // Two header lines, then one line per picture.
    return std::max(0, int(list.trimmed().split(QLatin1Char('\n')).size()) - 2);
}

QString pdfPageSize(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s*(.*)")).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace verdeval::test
