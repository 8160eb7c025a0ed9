#include "exact.h"
#include "numeric.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void textValue_data();
    void textValue();
    void textValueHugeInputsAreQuick_data();
    void textValueHugeInputsAreQuick();
    void numberText_data();
    void numberText();
    void roundTo4_data();
    void roundTo4();
    void splitDegrees_data();
    void splitDegrees();
    void roundTripOfFifteenDigits();
    void numberTextIsStableForAnyDouble();
};

void TestNumeric::textValue_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("three blanks") << QByteArray("   ") << 0.0;
    QTest::newRow("word") << QByteArray("abc") << 0.0;
    QTest::newRow("blank then 7.5") << QByteArray(" 7.5") << 7.5;
    QTest::newRow("tab then 8") << QByteArray("\t8") << 8.0;
    QTest::newRow("comma ends the number") << QByteArray("3,5") << 3.0;
    QTest::newRow("12,5") << QByteArray("12,5") << 12.0;
    QTest::newRow("negative") << QByteArray("-4") << -4.0;
    QTest::newRow("unit after the number") << QByteArray("12cm") << 12.0;
    QTest::newRow("plus sign") << QByteArray("+2") << 2.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("negative point first") << QByteArray("-.25") << -0.25;
    QTest::newRow("second point ends it") << QByteArray("1.5.5") << 1.5;
    QTest::newRow("exponent") << QByteArray("2E3") << 2000.0;
    QTest::newRow("negative exponent") << QByteArray("25e-3") << 0.025;
    QTest::newRow("exponent without digits") << QByteArray("1e") << 1.0;
    QTest::newRow("exponent sign without digits") << QByteArray("7e+") << 7.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("point then exponent") << QByteArray(".e5") << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;
    QTest::newRow("lone plus") << QByteArray("+") << 0.0;
    QTest::newRow("two signs") << QByteArray("+-3") << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 3") << 0.0;
    QTest::newRow("inf is a word") << QByteArray("inf") << 0.0;
    QTest::newRow("-infinity is a word") << QByteArray("-infinity") << 0.0;
    QTest::newRow("nan is a word") << QByteArray("nan") << 0.0;
    QTest::newRow("hexadecimal") << QByteArray("0x1A") << 0.0;
    QTest::newRow("beyond range") << QByteArray("1e400") << inf;
    QTest::newRow("beyond range, negative") << QByteArray("-1e400") << -inf;
    QTest::newRow("beyond range by digits") << QByteArray("9").repeated(400) << inf;
    QTest::newRow("below range") << QByteArray("1e-400") << 0.0;
    QTest::newRow("below range by digits") << "0." + QByteArray("0").repeated(400) + "1" << 0.0;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308")
                                    << std::numeric_limits<double>::max();
    QTest::newRow("many leading zeros") << QByteArray("0").repeated(3000) + "1.5" << 1.5;
    QTest::newRow("zero with huge exponent") << "0e" + QByteArray("9").repeated(3000) << 0.0;
    QTest::newRow("exponent of thousands of digits")
        << "1e" + QByteArray("9").repeated(5000) << inf;
    QTest::newRow("negative exponent of thousands of digits")
        << "-1e-" + QByteArray("9").repeated(5000) << -0.0;
    QTest::newRow("embedded NUL") << QByteArray("5\0" "7", 3) << 5.0;
    QTest::newRow("multi-byte digit") << QByteArray("\xef\xbc\x95") << 0.0;
    QTest::newRow("multi-byte after number") << QByteArray("1\xc2\xbd") << 1.0;
}

void TestNumeric::textValue()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE_EXACT(TextValue(std::string_view(text.constData(), text.size())), expected);
}

void TestNumeric::textValueHugeInputsAreQuick_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("a million digits") << QByteArray("7").repeated(1000000);
    QTest::newRow("a million fraction digits") << "0." + QByteArray("3").repeated(1000000);
    QTest::newRow("a million exponent digits") << "2e-" + QByteArray("4").repeated(1000000);
    QTest::newRow("a pasted paragraph") << QByteArray("Lado a mide 12 m. ").repeated(50000);
}

void TestNumeric::textValueHugeInputsAreQuick()
{
    QFETCH(QByteArray, text);
    QElapsedTimer timer;
    timer.start();
    const double value = TextValue(std::string_view(text.constData(), text.size()));
    QVERIFY(!std::isnan(value));
    QVERIFY2(timer.elapsed() < 2000, "reading one box must not take seconds");
}

void TestNumeric::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 60.0 << "60";
    QTest::newRow("leading zero") << 0.36 << "0.36";
    QTest::newRow("two decimals") << 11.64 << "11.64";
    QTest::newRow("negative fraction") << -0.5 << "-0.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("rounded angle") << 36.8699 << "36.8699";
    QTest::newRow("representation error hidden") << 97.46600000000001 << "97.466";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E15 takes the exponent") << 1e15 << "1E+15";
    QTest::newRow("huge") << 1.5e300 << "1.5E+300";
    QTest::newRow("1E-4 stays plain") << 0.0001 << "0.0001";
    QTest::newRow("below 1E-4") << 0.00001 << "1E-05";
    QTest::newRow("negative million") << -3741234.5678 << "-3741234.5678";
    QTest::newRow("angle sum") << 253.7398 << "253.7398";
}

void TestNumeric::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberText(value)), expected);
}

void TestNumeric::roundTo4_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("angle") << 36.869897645844 << 36.8699;
    QTest::newRow("whole") << 90.0 << 90.0;
    QTest::newRow("half rounds up") << 1.03125 << 1.0313;
    QTest::newRow("negative half rounds up") << -1.03125 << -1.0312;
    QTest::newRow("tiny negative") << -0.00004 << 0.0;
    QTest::newRow("floor, not truncation") << -0.00006 << -0.0001;
    QTest::newRow("nearly a right angle") << 89.99999867 << 90.0;
}

void TestNumeric::roundTo4()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE_EXACT(RoundTo4(value), expected);
}

void TestNumeric::splitDegrees_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QString>("expected");
    QTest::newRow("36.8699") << 36.8699 << "36 52 11.64";
    QTest::newRow("30.5") << 30.5 << "30 30 0";
    QTest::newRow("90") << 90.0 << "90 0 0";
    QTest::newRow("12.6 reaches 60 seconds") << 12.6 << "12 35 60";
    QTest::newRow("10.1 reaches 60 seconds") << 10.1 << "10 5 60";
    QTest::newRow("26.95 reaches 60 seconds") << 26.95 << "26 56 60";
    QTest::newRow("negative angle by floor") << -20.5 << "-21 30 0";
    QTest::newRow("zero") << 0.0 << "0 0 0";
}

void TestNumeric::splitDegrees()
{
    QFETCH(double, angle);
    QFETCH(QString, expected);
    const Dms split = SplitDegrees(angle);
    QCOMPARE(Texts({split.degrees, split.minutes, split.seconds}), expected);
}

void TestNumeric::roundTripOfFifteenDigits()
{
    // Any value of at most 15 significant digits must survive being copied
    // from a result box into an input box.
    QRandomGenerator random(20051);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + int(random.bounded(15));
        const qint64 mantissa = qint64(random.bounded(1.0) * std::pow(10.0, digits));
        const int exponent = int(random.bounded(40)) - 20;
        const std::string text = std::to_string(random.bounded(2) ? -mantissa : mantissa) + "e"
                                 + std::to_string(exponent);
        const double x = TextValue(text);
        const double back = TextValue(NumberText(x));
        if (back != x && !(x == 0 && back == 0))
            QFAIL(qPrintable(QString::fromStdString(text + " came back as " + NumberText(x))));
    }
    for (int i = 0; i < 20000; ++i) {
        const double x = RoundTo4((random.bounded(2.0) - 1.0) * std::pow(10.0, random.bounded(10)));
        QCOMPARE_EXACT(TextValue(NumberText(x)), x);
    }
}

void TestNumeric::numberTextIsStableForAnyDouble()
{
    // Written, read and written again, a result keeps its text.
    QRandomGenerator random(2005);
    for (int i = 0; i < 20000; ++i) {
        double x;
        const quint64 bits = random.generate64();
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x))
            continue;
        const std::string once = NumberText(x);
        QCOMPARE(NumberText(TextValue(once)), once);
    }
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
