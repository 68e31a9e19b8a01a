#include "QtWarnings.h"
#include "output/calc/ChartTable.h"
#include "platform/core/NumberText.h"

#include <QtTest>
#include <limits>

using namespace verdeval;
using namespace verdeval::chartscale;

namespace {

// Columns from "title: x=y x=y | title: x=y"; "nan" and "inf" stand for missing values.
std::vector<TableColumn> columnsFrom(const QString &text)
{
    auto number = [](const QString &t) {
        if (t == QLatin1String("nan"))
            return std::numeric_limits<double>::quiet_NaN();
        if (t == QLatin1String("inf"))
            return std::numeric_limits<double>::infinity();
        return strToFloat(t);
    };
    std::vector<TableColumn> out;
    for (const QString &column : text.split(QLatin1Char('|'))) {
        const QStringList parts = column.split(QLatin1Char(':'));
        TableColumn c{parts.at(0).trimmed(), {}};
        for (const QString &point : parts.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList xy = point.split(QLatin1Char('='));
            c.points.emplace_back(number(xy.at(0)), number(xy.at(1)));
        }
        out.push_back(c);
    }
    return out;
}

} // namespace

class TestChartTable : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void rows_data();
    void rows();
};

void TestChartTable::rows_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("table"); // rows joined by " / ", fields by "|"
    QTest::newRow("same X") << "A: 0=1 1=2 | B: 0=5 1=6" << "X|A|B / x0|1|5 / x1|2|6";
    // A series of 13 dates and one of 17 share the rows of their common dates.
    QTest::newRow("different X, lowest first") << "Rg: 166=224 196=236 | Ra: 166=388 172=386 196=414"
                                               << "X|Rg|Ra / x166|224|388 / x172||386 / x196|236|414";
    QTest::newRow("added out of order") << "A: 2=3 0=1" << "X|A / x0|1 / x2|3";
    QTest::newRow("general format") << "A: 0=0.1 1=0.30000000000000004 2=-0 3=1E-7 4=1234567.891"
                                    << "X|A / x0|0.1 / x1|0.3 / x2|0 / x3|1E-7 / x4|1234567.891";
    QTest::newRow("missing values leave the field empty") << "A: 0=nan 1=inf 2=3 | B: 0=1 1=2 2=nan"
                                                          << "X|A|B / x0||1 / x1||2 / x2|3|";
    QTest::newRow("no finite X, no row") << "A: nan=1 0=2" << "X|A / x0|2";
    QTest::newRow("two points at one X") << "A: 5=1 5=2 | B: 5=9" << "X|A|B / x5|1|9 / x5|2|";
    QTest::newRow("a series without points") << "A: 0=1 | B:" << "X|A|B / x0|1|";
    QTest::newRow("tabs in a title") << "A\tB: 0=1" << "X|A B / x0|1";
}

void TestChartTable::rows()
{
    QFETCH(QString, columns);
    QFETCH(QString, table);
    const QString text = tabSeparated(QStringLiteral("X"), columnsFrom(columns),
                                      [](double x) { return QStringLiteral("x") + floatToStr(x); });
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    QString read = text;
    read.chop(1);
    read.replace(QLatin1Char('\n'), QStringLiteral(" / "));
    read.replace(QLatin1Char('\t'), QLatin1Char('|'));
    QCOMPARE(read, table);
}

QTEST_APPLESS_MAIN(TestChartTable)
#include "tst_charttable.moc"
