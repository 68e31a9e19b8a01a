#include "QtWarnings.h"
#include "platform/core/CheckedMath.h"
#include "platform/core/Errors.h"
#include "platform/core/Latitude.h"
#include "platform/core/NumberText.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

using namespace verdeval;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void parsesNumbers_data();
    void parsesNumbers();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void commaLocaleKeepsPoint();
    void generalFormat_data();
    void generalFormat();
    void fixedFormat_data();
    void fixedFormat();
    void halfEven_data();
    void halfEven();
    void checkedMath_data();
    void checkedMath();
    void power_data();
    void power();
    void signedLatitude_data();
    void signedLatitude();
};

void TestNumberText::parsesNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "22" << 22.0;
    QTest::newRow("fraction") << "7.5" << 7.5;
    QTest::newRow("negative") << "-0.3" << -0.3;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("blanks around") << "  140.9 " << 140.9;
    QTest::newRow("trailing blank of a list item") << "50 " << 50.0;
    QTest::newRow("exponent") << "1.5e3" << 1500.0;
    QTest::newRow("exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
}

void TestNumberText::parsesNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(strToFloat(text), value);
    QVERIFY(isFloatText(text));
}

void TestNumberText::rejectsNonNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("comma decimal") << "7,5";
    QTest::newRow("thousands") << "1,000.5";
    QTest::newRow("thousands with point") << "1.000.5";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("hex") << "0x1A";
    QTest::newRow("letters") << "abc";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("sign only") << "-";
}

void TestNumberText::rejectsNonNumbers()
{
    QFETCH(QString, text);
    QVERIFY(!isFloatText(text));
    try {
        strToFloat(text);
        QFAIL("accepted");
    } catch (const CalcError &e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumberText::commaLocaleKeepsPoint()
{
    const char *locales[] = {"de_DE.UTF-8", "es_AR.UTF-8", "fr_FR.UTF-8", "de_DE", "es_ES.UTF-8"};
    const char *chosen = nullptr;
    for (const char *l : locales)
        if (std::setlocale(LC_ALL, l)) {
            chosen = l;
            break;
        }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(strToFloat("7.5"), 7.5);
    QVERIFY(!isFloatText("7,5"));
    QCOMPARE(floatToStr(-0.3), QStringLiteral("-0.3"));
    QCOMPARE(floatToStrF(1473.35, 1), QStringLiteral("1473.4"));
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    if (!chosen)
        qInfo("no comma C locale installed; the Qt default locale was set to German");
}

void TestNumberText::generalFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("22") << 22.0 << "22";
    QTest::newRow("7.5") << 7.5 << "7.5";
    QTest::newRow("-0.3") << -0.3 << "-0.3";
    QTest::newRow("140.9") << 140.9 << "140.9";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("sum of tenths") << (0.1 + 0.2) << "0.3";
    QTest::newRow("1003.9") << 1003.9 << "1003.9";
    QTest::newRow("unrounded") << 142.123456789012345 << "142.123456789012";
    QTest::newRow("large") << 123456789012345.0 << "123456789012345";
    QTest::newRow("tiny") << 0.000001 << "1E-6";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("huge") << 1e20 << "1E20";
}

void TestNumberText::generalFormat()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(floatToStr(value), text);
}

void TestNumberText::fixedFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5 -> 3") << 2.5 << 0 << "3";
    QTest::newRow("-2.5 -> -3") << -2.5 << 0 << "-3";
    QTest::newRow("0.05 -> 0.1") << 0.05 << 1 << "0.1";
    QTest::newRow("0.15 -> 0.2") << 0.15 << 1 << "0.2";
    QTest::newRow("18 -> 18.0") << 18.0 << 1 << "18.0";
    QTest::newRow("7.26 -> 7.3") << 7.26 << 1 << "7.3";
    QTest::newRow("-0.04 -> 0.0") << -0.04 << 1 << "0.0";
    QTest::newRow("-0.4 -> 0") << -0.4 << 0 << "0";
    QTest::newRow("9.96 -> 10.0") << 9.96 << 1 << "10.0";
    QTest::newRow("999.5 -> 1000") << 999.5 << 0 << "1000";
    QTest::newRow("0 -> 0.0") << 0.0 << 1 << "0.0";
    QTest::newRow("-21.4 -> -21") << -21.4 << 0 << "-21";
    QTest::newRow("1473.35 -> 1473.4") << 1473.35 << 1 << "1473.4";
    QTest::newRow("0.004 two decimals") << 0.004 << 2 << "0.00";
    QTest::newRow("tiny") << 1e-9 << 0 << "0";
    // Halves are decided on the 15-digit decimal form, also just below one.
    QTest::newRow("2.4999999999999996 -> 3") << 2.4999999999999996 << 0 << "3";
    QTest::newRow("1.005 -> 1.01") << 1.005 << 2 << "1.01";
    QTest::newRow("-0.5 -> -1") << -0.5 << 0 << "-1";
    QTest::newRow("-0.45 -> -0.5") << -0.45 << 1 << "-0.5";
    QTest::newRow("-1e-33 -> 0") << -1e-33 << 0 << "0";
    QTest::newRow("0.0625 three decimals") << 0.0625 << 3 << "0.063";
    QTest::newRow("999999.4 -> 999999") << 999999.4 << 0 << "999999";
    QTest::newRow("2000000.5 -> 2000001") << 2000000.5 << 0 << "2000001";
    QTest::newRow("123456.78 four decimals") << 123456.78 << 4 << "123456.7800";
}

void TestNumberText::fixedFormat()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(floatToStrF(value, decimals), text);
}

void TestNumberText::halfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("10.5") << 10.5 << 10.0;
    QTest::newRow("2.6") << 2.6 << 3.0;
    QTest::newRow("-2.4") << -2.4 << -2.0;
}

void TestNumberText::halfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

enum Op { Acos, Ln, Sqrt, Div, Checked };

void TestNumberText::checkedMath_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("error");
    QTest::newRow("acos 1") << int(Acos) << 1.0 << 0.0 << "";
    QTest::newRow("acos beyond 1") << int(Acos) << 1.0000001 << 0.0 << "Invalid floating point operation";
    QTest::newRow("acos below -1") << int(Acos) << -1.5 << 0.0 << "Invalid floating point operation";
    QTest::newRow("ln 0") << int(Ln) << 0.0 << 0.0 << "Floating point division by zero";
    QTest::newRow("ln negative") << int(Ln) << -1.0 << 0.0 << "Invalid floating point operation";
    QTest::newRow("sqrt negative") << int(Sqrt) << -0.01 << 0.0 << "Invalid floating point operation";
    QTest::newRow("0/0") << int(Div) << 0.0 << 0.0 << "Invalid floating point operation";
    QTest::newRow("1/0") << int(Div) << 1.0 << 0.0 << "Floating point division by zero";
    QTest::newRow("overflowing division") << int(Div) << 1e308 << 1e-308 << "Floating point overflow";
    QTest::newRow("infinity") << int(Checked) << std::numeric_limits<double>::infinity() << 0.0 << "Floating point overflow";
    QTest::newRow("nan") << int(Checked) << std::nan("") << 0.0 << "Invalid floating point operation";
}

void TestNumberText::checkedMath()
{
    QFETCH(int, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, error);
    QString raised;
    try {
        switch (op) {
        case Acos: fp::arccos(a); break;
        case Ln: fp::ln(a); break;
        case Sqrt: fp::sqrt(a); break;
        case Div: fp::divide(a, b); break;
        default: fp::checked(a); break;
        }
    } catch (const CalcError &e) {
        raised = e.message();
    }
    QCOMPARE(raised, error);
}

void TestNumberText::power_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("result");
    QTest::addColumn<QString>("error");
    QTest::newRow("x^0") << -3.0 << 0.0 << 1.0 << "";
    QTest::newRow("0^y") << 0.0 << 1.514 << 0.0 << "";
    QTest::newRow("whole exponent of a negative") << -2.0 << 3.0 << -8.0 << "";
    QTest::newRow("negative whole exponent") << 2.0 << -2.0 << 0.25 << "";
    QTest::newRow("fraction") << 4.0 << 0.5 << 2.0 << "";
    QTest::newRow("negative base, fraction") << -1.0 << 1.514 << 0.0 << "Invalid floating point operation";
    QTest::newRow("0 to a negative fraction") << 0.0 << -0.5 << 0.0 << "Floating point division by zero";
    QTest::newRow("overflow") << 10.0 << 400.5 << 0.0 << "Floating point overflow";
}

void TestNumberText::power()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, result);
    QFETCH(QString, error);
    QString raised;
    double r = 0;
    try {
        r = fp::power(x, y);
    } catch (const CalcError &e) {
        raised = e.message();
    }
    QCOMPARE(raised, error);
    if (error.isEmpty())
        QCOMPARE(r, result);
}

void TestNumberText::signedLatitude_data()
{
    QTest::addColumn<QString>("h");
    QTest::addColumn<double>("lat");
    QTest::newRow("S") << "S" << -34.5;
    QTest::newRow("s") << "s" << -34.5;
    QTest::newRow("N") << "N" << 34.5;
    QTest::newRow("n") << "n" << 34.5;
}

void TestNumberText::signedLatitude()
{
    QFETCH(QString, h);
    QFETCH(double, lat);
    QVERIFY(isValidHemisphere(h));
    QCOMPARE(verdeval::signedLatitude("34", "30", h), lat);
    for (const char *bad : {"Sur", " S", "", "Norte", "S "})
        QVERIFY(!isValidHemisphere(QString::fromUtf8(bad)));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
