#include "exact.h"
#include "numeric.h"
#include "portable_math.h"
#include "values.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars leaves out-of-range values to us: decide between overflow and
// underflow from the decimal exponent of the leading significant digit.
double OutOfRangeMagnitude(const char *first, const char *last)
{
    long long leading = 0;     // decimal exponent of the first non-zero digit
    bool found = false;
    long long integerDigits = 0;
    const char *p = first;
    for (; p != last && IsDigit(*p); ++p) {
        if (!found && *p != '0') {
            found = true;
            integerDigits = 0;
        }
        if (found)
            ++integerDigits;
    }
    if (found)
        leading = integerDigits - 1;
    if (p != last && *p == '.') {
        ++p;
        for (long long position = 1; p != last && IsDigit(*p); ++p, ++position) {
            if (!found && *p != '0') {
                found = true;
                leading = -position;
            }
        }
    }
    if (!found)
        return 0.0;
    long long exponent = 0;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negative = false;
        if (p != last && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        // Saturate: thousands of exponent digits must neither overflow nor take long.
        for (; p != last && IsDigit(*p); ++p) {
            if (exponent < 1000000000)
                exponent = exponent * 10 + (*p - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// The number reader as it was before fast_float, on the C++ library's own
// from_chars (GCC's; libc++ has none for a double), which leaves an
// out-of-range value to its caller. What TextValue must go on answering.
double StandardTextValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const char *first = text.data() + i;
    const char *last = text.data() + text.size();
    if (first == last || !(IsDigit(*first) || *first == '.'))
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument)
        return 0.0;
    if (error == std::errc::result_out_of_range)
        value = OutOfRangeMagnitude(first, end);
    return negative ? -value : value;
}

} // namespace

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void textValue_data();
    void textValue();
    void textValueHugeInputsAreQuick_data();
    void textValueHugeInputsAreQuick();
    void textValueReadsAsTheStandardReader();
    void portableMathIsWithinAnUlp_data();
    void portableMathIsWithinAnUlp();
    void numberText_data();
    void numberText();
    void roundTo4_data();
    void roundTo4();
    void splitDegrees_data();
    void splitDegrees();
    void roundTripOfFifteenDigits();
    void numberTextIsStableForAnyDouble();
    void readValue_data();
    void readValue();
    void decimalText_data();
    void decimalText();
    void shortestText_data();
    void shortestText();
    void dmsAngleText_data();
    void dmsAngleText();
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

    // Thousands of digits: the value is still the nearest double, and an
    // exponent can bring a long number back into range.
    QTest::newRow("thousands of zeros cancelled by the exponent")
        << "1" + QByteArray("0").repeated(5000) + "e-5000" << 1.0;
    QTest::newRow("thousands of fraction zeros cancelled by the exponent")
        << "0." + QByteArray("0").repeated(5000) + "25e5001" << 2.5;
    QTest::newRow("exponent cancels leading zeros")
        << "0." + QByteArray("0").repeated(400) + "1e400" << 0.1;
    QTest::newRow("thousands of digits before a fraction")
        << "1" + QByteArray("0").repeated(3000) + ".5" << inf;
    QTest::newRow("halfway rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("a digit thousands of places on breaks the tie")
        << "9007199254740993." + QByteArray("0").repeated(3000) + "1" << 9007199254740994.0;
    QTest::newRow("just above one by thousands of places")
        << "1." + QByteArray("0").repeated(3000) + "1" << 1.0;
    QTest::newRow("exponent of thousands of zeros") << "5e" + QByteArray("0").repeated(5000) << 5.0;
    QTest::newRow("exponent of thousands of digits, mostly zeros")
        << "5e-" + QByteArray("0").repeated(5000) + "1" << 0.5;
    QTest::newRow("thousands of blanks first") << QByteArray(" ").repeated(5000) + "7" << 7.0;
    QTest::newRow("past halfway to infinity") << QByteArray("1.7976931348623159e308") << inf;
    QTest::newRow("short of halfway to infinity")
        << QByteArray("1.7976931348623158e308") << std::numeric_limits<double>::max();
    QTest::newRow("smallest subnormal") << QByteArray("4.9406564584124654e-324")
                                        << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below half the smallest subnormal") << QByteArray("2e-324") << 0.0;

    // Embedded NUL: the number ends there like at any other character.
    QTest::newRow("NUL first") << QByteArray("\0" "5", 2) << 0.0;
    QTest::newRow("NUL after the sign") << QByteArray("-\0" "5", 3) << 0.0;
    QTest::newRow("NUL after the point") << QByteArray("1.\0" "5", 4) << 1.0;
    QTest::newRow("NUL after the exponent letter") << QByteArray("2e\0" "5", 4) << 2.0;
    QTest::newRow("NUL only") << QByteArray("\0", 1) << 0.0;

    // Multi-byte characters are not blanks, signs or digits.
    QTest::newRow("no-break space first") << QByteArray("\xc2\xa0" "5") << 0.0;
    QTest::newRow("minus sign character") << QByteArray("\xe2\x88\x92" "5") << 0.0;
    QTest::newRow("degree sign after number") << QByteArray("45\xc2\xb0") << 45.0;
    QTest::newRow("invalid UTF-8 first") << QByteArray("\xff" "5") << 0.0;
    QTest::newRow("invalid UTF-8 after number") << QByteArray("5\xff") << 5.0;

    // A sign with no digit after it reads as 0.
    QTest::newRow("blanks then lone minus") << QByteArray("   -") << 0.0;
    QTest::newRow("lone minus then blanks") << QByteArray("-   ") << 0.0;
    QTest::newRow("plus then point") << QByteArray("+.") << 0.0;
    QTest::newRow("minus, point, exponent") << QByteArray("-.e5") << 0.0;
    QTest::newRow("minus then exponent") << QByteArray("-e5") << 0.0;
    QTest::newRow("two minus signs") << QByteArray("--5") << 0.0;
    QTest::newRow("minus zero") << QByteArray("-0") << -0.0;
    QTest::newRow("plus zero") << QByteArray("+0") << 0.0;
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
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("a million digits") << QByteArray("7").repeated(1000000) << inf;
    QTest::newRow("a million fraction digits") << "0." + QByteArray("3").repeated(1000000) << 1.0 / 3.0;
    QTest::newRow("a million exponent digits") << "2e-" + QByteArray("4").repeated(1000000) << 0.0;
    QTest::newRow("a pasted paragraph") << QByteArray("Lado a mide 12 m. ").repeated(50000) << 0.0;
    QTest::newRow("a million blanks first") << QByteArray(" ").repeated(1000000) + "5" << 5.0;
    QTest::newRow("a million zeros, a million exponent digits")
        << "0." + QByteArray("0").repeated(1000000) + "1e" + QByteArray("1").repeated(1000000) << inf;
    QTest::newRow("a million digits beyond range") << QByteArray("9").repeated(1000000) + "e-7" << inf;
}

void TestNumeric::textValueHugeInputsAreQuick()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QElapsedTimer timer;
    timer.start();
    const double value = TextValue(std::string_view(text.constData(), text.size()));
    QVERIFY2(timer.elapsed() < 2000, "reading one box must not take seconds");
    QCOMPARE_EXACT(value, expected);
}

void TestNumeric::textValueReadsAsTheStandardReader()
{
    // Millions of texts, random and at the edges (digits, signs, exponents,
    // commas, blanks, words, huge and tiny magnitudes, halfway cases, long
    // digit runs), read by both: every bit the same, the sign of zero too.
    static const char *const kPieces[] = {
        "0", "1", "5", "9", "00", "123456789", "4940656458412465441765687928682213723651", ".", ".", ",", "e",
        "E", "e-", "e+", "-", "+", " ", "\t", "x", "0x", "inf", "nan", "infinity", "e308", "e309", "e-308",
        "e-324", "e-325", "e400", "e-400", "e99999999999999999999", "e-99999999999999999999",
        "1.7976931348623157e308", "1.7976931348623158e308", "1.7976931348623159e308",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "2.2250738585072011e-308",
        "9007199254740993", "0.1", "45°", ":", "12cm"};
    std::mt19937_64 random(22);
    const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
    std::string text;
    char buffer[64];
    for (int i = 0; i < 2000000; ++i) {
        text.clear();
        switch (i % 8) {
        case 0:
        case 1:
        case 2: // pieces strung together
            for (std::size_t n = 1 + below(6); n > 0; --n)
                text += kPieces[below(std::size(kPieces))];
            break;
        case 3:
        case 4: { // any double in full, or nearly so, with an exponent nudged
            double x;
            const std::uint64_t bits = random();
            std::memcpy(&x, &bits, sizeof x);
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific,
                                           int(below(25))).ptr;
            text.assign(buffer, end);
            if (below(3) == 0)
                text += kPieces[below(std::size(kPieces))];
            break;
        }
        case 5: // runs of digits with a point, now and then hundreds of them
            for (std::size_t n = 1 + below(i % 64 == 5 ? 800 : 40); n > 0; --n)
                text += below(40) == 0 ? '.' : char('0' + (below(4) == 0 ? 0 : below(10)));
            if (below(2))
                text += "e" + std::to_string(int(below(700)) - 350);
            break;
        default: // bytes of a number's alphabet
            for (std::size_t n = 1 + below(24); n > 0; --n)
                text += "0123456789.,eE+- \tx"[below(19)];
        }
        const double expected = StandardTextValue(text);
        const double actual = TextValue(text);
        if (std::memcmp(&expected, &actual, sizeof expected) != 0)
            QFAIL(qPrintable(QStringLiteral("«%1» reads %2, not %3")
                                 .arg(QString::fromStdString(text), Digits(actual), Digits(expected))));
    }
}

// The general solution's own sines, arc tangents and hypotenuses, the same on
// every platform, against the C library's long double ones: within one unit
// in the last place (atan2 two), over their whole range, at the edges too.
void TestNumeric::portableMathIsWithinAnUlp_data()
{
    QTest::addColumn<int>("function");
    QTest::newRow("sin, |x| ≤ π/4") << 0;
    QTest::newRow("cos, |x| ≤ π/4") << 1;
    QTest::newRow("atan") << 2;
    QTest::newRow("atan2") << 3;
    QTest::newRow("hypot") << 4;
}

void TestNumeric::portableMathIsWithinAnUlp()
{
    QFETCH(int, function);
    std::mt19937_64 random(function);
    const auto uniform = [&] { return double(random() >> 11) * 0x1p-53; };
    // Any magnitude from 2^-1000 to 2^1000, either sign.
    const auto any = [&] { return std::ldexp(uniform(), int(random() % 2000) - 1000) * (random() % 2 ? 1 : -1); };
    for (int i = 0; i < 200000; ++i) {
        const double x = function < 2 ? std::ldexp(uniform(), -int(random() % 40)) * 0.7853981633974483 : any();
        const double y = any();
        double actual = 0;
        long double exact = 0;
        switch (function) {
        case 0: actual = portable::SinReduced(x), exact = std::sin((long double)x); break;
        case 1: actual = portable::CosReduced(x), exact = std::cos((long double)x); break;
        case 2: actual = portable::Atan(x), exact = std::atan((long double)x); break;
        case 3: actual = portable::Atan2(y, x), exact = std::atan2((long double)y, (long double)x); break;
        default: actual = portable::Hypot(x, y), exact = std::hypot((long double)x, (long double)y);
        }
        const long double ulp = std::nextafter(std::fabs(actual), HUGE_VAL) - std::fabs(actual);
        // atan2 rounds y/x before its arc tangent: two units.
        if (!(std::fabs(actual - exact) <= (function == 3 ? 2 : 1) * ulp))
            QFAIL(qPrintable(QStringLiteral("%1, %2: %3, not %4").arg(Digits(x), Digits(y), Digits(actual),
                                                                     Digits(double(exact)))));
    }
    QCOMPARE_EXACT(portable::Atan2(0.0, -1.0), 3.141592653589793);
    QCOMPARE_EXACT(portable::Atan(1.0), 0.7853981633974483);
    QCOMPARE_EXACT(portable::Hypot(3.0, 4.0), 5.0);
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

// The general solution's strict reading: a value whole or nothing (NaN here),
// as a number and as an angle.
void TestNumeric::readValue_data()
{
    const double inf = std::numeric_limits<double>::infinity(), no = qQNaN();
    const double dms = 45.504166666666667; // 45° 30′ 15″ is 163815″ / 3600: the nearest double
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("pointOnly");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("angle");
    QTest::newRow("comma") << QByteArray("3,5") << false << 3.5 << 3.5;
    QTest::newRow("comma where only a point marks") << QByteArray("3,5") << true << no << no;
    QTest::newRow("blanks, sign, exponent") << QByteArray(" \t-2E+3 ") << false << -2000.0 << -2000.0;
    QTest::newRow("mark first") << QByteArray("+.5") << false << 0.5 << 0.5;
    QTest::newRow("mark last") << QByteArray("5.") << false << 5.0 << 5.0;
    QTest::newRow("beyond range") << QByteArray("1e400") << false << inf << inf;
    QTest::newRow("empty") << QByteArray("") << false << no << no;
    QTest::newRow("unit after") << QByteArray("12cm") << false << no << no;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << false << no << no;
    QTest::newRow("two marks") << QByteArray("3..5") << false << no << no;
    QTest::newRow("mark after the exponent") << QByteArray("1,5e3,2") << false << no << no;
    QTest::newRow("exponent without digits") << QByteArray("1e+") << false << no << no;
    QTest::newRow("mark alone") << QByteArray(".") << false << no << no;
    QTest::newRow("inf") << QByteArray("inf") << false << no << no;
    QTest::newRow("° ′ ″") << QByteArray("45°30′15″") << false << no << dms;
    QTest::newRow("° ' \"") << QByteArray("45°30'15\"") << false << no << dms;
    QTest::newRow("º ' '' with blanks") << QByteArray(" 45º 30' 15'' ") << false << no << dms;
    QTest::newRow("colons") << QByteArray("45:30:15") << false << no << dms;
    QTest::newRow("blanks") << QByteArray("45 30 15") << false << no << dms;
    QTest::newRow("degrees and minutes") << QByteArray("45°30′") << false << no << 45.5;
    QTest::newRow("minutes without symbol") << QByteArray("45° 30") << false << no << 45.5;
    QTest::newRow("sign for the whole angle") << QByteArray("-45 30") << false << no << -45.5;
    QTest::newRow("decimal degrees with symbol") << QByteArray("45,5°") << false << no << 45.5;
    QTest::newRow("decimals before the last part") << QByteArray("45°30.5′15″") << false << no << no;
    QTest::newRow("60 minutes") << QByteArray("45:60") << false << no << no;
    QTest::newRow("60 seconds") << QByteArray("45 30 60") << false << no << no;
    QTest::newRow("four parts") << QByteArray("45 30 15 2") << false << no << no;
    QTest::newRow("trailing colon") << QByteArray("45:30:") << false << no << no;
    QTest::newRow("styles mixed") << QByteArray("45°30:15") << false << no << no;
    QTest::newRow("blank then symbol") << QByteArray("45 30′") << false << no << no;
    QTest::newRow("minutes alone") << QByteArray("30′") << false << no << no;
    QTest::newRow("decimal comma where only a point marks") << QByteArray("45,5°") << true << no << no;
}

void TestNumeric::readValue()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, pointOnly);
    QFETCH(double, number);
    QFETCH(double, angle);
    const DecimalMark mark = pointOnly ? DecimalMark::Point : DecimalMark::PointOrComma;
    const auto read = [](std::optional<double> x) { return x ? Digits(*x) : QString("nothing"); };
    const auto want = [](double x) { return std::isnan(x) ? QString("nothing") : Digits(x); };
    QCOMPARE(read(ReadNumber(text.toStdString(), mark)), want(number));
    QCOMPARE(read(ReadAngle(text.toStdString(), mark)), want(angle));
}

void TestNumeric::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("four places") << 36.86989764584402 << 4 << "36.8699";
    QTest::newRow("trailing zeros dropped") << 2.5 << 4 << "2.5";
    QTest::newRow("whole") << 90.0 << 4 << "90";
    QTest::newRow("tie away from zero") << 2.5 << 0 << "3";
    QTest::newRow("negative tie away from zero") << -2.5 << 0 << "-3";
    QTest::newRow("tie in the places") << 11.625 << 2 << "11.63";
    QTest::newRow("1.005 lies below the tie") << 1.005 << 2 << "1";
    QTest::newRow("never -0") << -0.001 << 2 << "0";
    QTest::newRow("1E-4 stays plain") << 0.0001 << 4 << "0.0001";
    QTest::newRow("rounds to nothing") << 0.00012345 << 2 << "0";
    QTest::newRow("below 1E-4") << 5e-5 << 4 << "5E-05";
    QTest::newRow("tiny, negative") << -1.2345678e-100 << 4 << "-1.2346E-100";
    QTest::newRow("huge") << 1e20 << 4 << "1E+20";
    QTest::newRow("rounded up to 1E15") << 999999999999999.9 << 0 << "1E+15";
    QTest::newRow("fifteen digits") << 123456789012345.6 << 0 << "123456789012346";
    QTest::newRow("more than 15 places asked") << 1.0 / 3.0 << 20 << "0.333333333333333";
}

void TestNumeric::decimalText()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DecimalText(value, decimals)), expected);
}

void TestNumeric::shortestText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected"); // empty: only no longer than to_chars, and read back
    QTest::newRow("17 digits, 16 significant") << 37627409541822032.0 << "37627409541822030";
    QTest::newRow("2^53 + 2, every digit needed") << 9007199254740994.0 << "9007199254740994";
    QTest::newRow("fixed as long as the exponent form") << 1.2345678901234568e20 << "123456789012345680000";
    QTest::newRow("1e20") << 1e20 << "1e+20";
    QTest::newRow("a thousandth") << 0.001 << "0.001";
    QTest::newRow("a ten-thousandth") << 0.0001 << "1e-04";
    QTest::newRow("negative zero") << -0.0 << "-0";
    QTest::newRow("largest") << 1.7976931348623157e308 << "1.7976931348623157e+308";
    QRandomGenerator random(53);
    for (int n = 0; n < 200; ++n) {
        QTest::addRow("random %d", n) << std::ldexp(random.generateDouble() + 0.5, random.bounded(-1074, 1023))
                                      << QString();
    }
}

// The shortest text that reads back, laid out as JavaScript would.
void TestNumeric::shortestText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    const std::string text = ShortestText(value);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    QCOMPARE(std::memcmp(&back, &value, sizeof value), 0);
    char plain[32];
    QVERIFY(std::size_t(std::to_chars(plain, plain + sizeof plain, value).ptr - plain) >= text.size());
    if (!expected.isEmpty())
        QCOMPARE(QString::fromStdString(text), expected);
}

void TestNumeric::dmsAngleText_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("expected");
    QTest::newRow("36.869897645844") << 36.869897645844021 << "36° 52′ 11.63″";
    QTest::newRow("45° 30′ 15″") << 45.504166666666667 << "45° 30′ 15″";
    QTest::newRow("one decimal of a second") << 20.203416666666667 << "20° 12′ 12.3″";
    QTest::newRow("below a hundredth of a second") << 1e-6 << "0° 0′ 0″";
    QTest::newRow("10.1 carries into the minutes") << 10.1 << "10° 6′ 0″";
    QTest::newRow("carried into the degrees") << 59.999999999 << "60° 0′ 0″";
}

void TestNumeric::dmsAngleText()
{
    QFETCH(double, degrees);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DmsAngleText(degrees)), expected);
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
