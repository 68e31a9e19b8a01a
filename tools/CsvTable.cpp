#include "CsvTable.h"

#include <QFile>

bool CsvTable::read(const QString &path, QString *error)
{
    m_path = path;
    m_header.clear();
    m_rows.clear();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<QStringList> records;
    QStringList record;
    QString fieldText;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    fieldText += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                fieldText += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            record << fieldText;
            fieldText.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r')) {
            // part of a CRLF line end
        } else if (c == QLatin1Char('\n')) {
            record << fieldText;
            records << record;
            record.clear();
            fieldText.clear();
            fieldStarted = false;
            ++line;
        } else {
            fieldText += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("%1: unterminated quoted field at line %2").arg(path).arg(line);
        return false;
    }
    if (fieldStarted || !record.isEmpty()) {
        record << fieldText;
        records << record;
    }
    if (records.isEmpty()) {
        *error = QStringLiteral("%1: empty file").arg(path);
        return false;
    }
    m_header = records.takeFirst();
    for (int r = 0; r < records.size(); ++r) {
        if (records.at(r).size() == 1 && records.at(r).first().isEmpty())
            continue; // blank line
        if (records.at(r).size() != m_header.size()) {
            *error = QStringLiteral("%1: record %2 has %3 fields, the header has %4")
                         .arg(path).arg(r + 2).arg(records.at(r).size()).arg(m_header.size());
            return false;
        }
        m_rows << records.at(r);
    }
    return true;
}
