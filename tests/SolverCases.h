#pragma once
// The rows the solver windows' tests and sorvani-calc's test share: what a
// person types into a window's input frame, in reading order (the order in
// which sorvani-calc takes its values too), and what the window answers: its
// result texts in the order it writes them, or its message.

#include <QString>
#include <QStringList>

#include <vector>

namespace cases {

struct Solved {
    const char *name;
    QStringList inputs;
    QStringList results; // in the window's writing order
};

struct Refused {
    const char *name;
    QStringList inputs;
    QString prompt;
};

struct Failed {
    const char *name;
    QStringList inputs;
};

// "36 52 11.64": result texts as a row writes them.
inline QStringList Words(const char *texts)
{
    return QString::fromUtf8(texts).split(QLatin1Char(' '));
}

// The message every solver window shows for a calculation it cannot do.
inline const QString kFailureMessage = QStringLiteral(" ERROR DE CÁLCULO \n"
                                                      "Se han introducido valores con los cuales\n"
                                                      "resulta imposible realizar el cálculo...\n"
                                                      "Inténtelo de nuevo!");

} // namespace cases

// Form2, three sides: a, b, c. Results: degrees, minutes, seconds of A, B, C,
// then A, B, C in decimal degrees, the area and the angle sum.
namespace form2 {

using namespace cases;

inline const QString kInputTitle = QStringLiteral("Error en la introducción de datos");
inline const QString kSideA = QStringLiteral("Teclee el valor del Lado ' a '");
inline const QString kSideB = QStringLiteral("Teclee el valor del Lado ' b '");
inline const QString kSideC = QStringLiteral("Teclee el valor del Lado ' c '");
inline const QString kFailureTitle = QStringLiteral("Error de datos...");

// The fourteen results of the sides 3, 4, 5, in writing order.
inline const QStringList k345{"36", "52", "11.64", "53", "7", "48.36", "90", "0", "0",
                              "36.8699", "53.1301", "90", "6", "180"};

// The first side that reads as 0 is reported.
inline const std::vector<Refused> kRefused{
    {"all empty", {"", "", ""}, kSideA},
    {"a zero, b and c fine", {"0", "4", "5"}, kSideA},
    {"a a word", {"abc", "4", "5"}, kSideA},
    {"a blanks", {"   ", "4", "5"}, kSideA},
    {"a minus zero", {"-0", "4", "5"}, kSideA},
    {"a zero with exponent", {"0e5", "4", "5"}, kSideA},
    {"a a lone point", {".", "4", "5"}, kSideA},
    {"a comma first", {",5", "4", "5"}, kSideA},
    {"a wins over b and c", {"x", "0", ""}, kSideA},
    {"b a word, c zero", {"5", "abc", "0"}, kSideB},
    {"b empty", {"3", "", "5"}, kSideB},
    {"b zero point zero", {"3", "0.0", ""}, kSideB},
    {"c zero", {"5", "4", "0"}, kSideC},
    {"c empty", {"5", "4", ""}, kSideC},
    {"c unit only", {"5", "4", "m"}, kSideC},
};

inline const std::vector<Solved> kSolved{
    {"-3 4 5", {"-3", "4", "5"}, Words("36 52 11.64 126 52 11.64 90 0 0 36.8699 126.8699 90 6 253.7398")},
    {"3,5 read as 3", {"3,5", "4", "5"}, k345},
    {"unsorted 5 4 3", {"5", "4", "3"}, Words("90 0 0 53 7 48.36 36 52 11.64 90 53.1301 36.8699 6 180")},
    {"units and blanks", {" 3m", "4 m", "5cm"}, k345},
    {"seconds reach 60", {"8", "13", "17"}, Words("26 56 60 47 25 53.4 105 37 6.6 26.95 47.4315 105.6185 50.0799 180")},
};

inline const std::vector<Failed> kFailed{
    {"1 2 3 degenerate", {"1", "2", "3"}},
    {"1 2 5 too long", {"1", "2", "5"}},
    {"1 1 -2 zero sum", {"1", "1", "-2"}},
    {"2e77 overflow", {"2e77", "2e77", "2e77"}},
    {"1e400 in a", {"1e400", "4", "5"}},
    {"1e400 in c", {"3", "4", "1e400"}},
    {"-1e400 in b", {"3", "-1e400", "5"}},
    {"1e308 each", {"1e308", "1e308", "1e308"}},
};

} // namespace form2

// Form3, two sides and the angle between them: degrees, minutes, seconds of
// B, side a, side c. Results: A and C as degrees, minutes, seconds, side b,
// area, perimeter.
namespace form3 {

using namespace cases;

inline const QString kInputTitle = QStringLiteral("Error en la introducción de datos");
inline const QString kAngleB = QStringLiteral("Teclee el valor del Ángulo ' B '");
inline const QString kSideA = QStringLiteral("Teclee el valor del Lado ' a '");
inline const QString kSideC = QStringLiteral("Teclee el valor del Lado ' c '");
inline const QString kFailureTitle = QStringLiteral("Error de datos...");

// degrees, minutes, seconds of B; side a; side c.
inline QStringList Inputs(const QString &d, const QString &m, const QString &sec, const QString &a, const QString &c)
{
    return {d, m, sec, a, c};
}

// Only the degrees of B, side a and side c are tested, in that order, and
// only against 0; the first that fails is the one reported.
inline const std::vector<Refused> kRefused{
    {"all empty", Inputs("", "", "", "", ""), kAngleB},
    {"texts after Borrar", Inputs("00", "00", "00", "0.00", "0.00"), kAngleB},
    {"0 degrees, 30 minutes", Inputs("0", "30", "0", "3", "4"), kAngleB},
    {"degrees as words", Inputs("abc", "0", "0", "3", "4"), kAngleB},
    {"degrees 0,5", Inputs("0,5", "0", "0", "3", "4"), kAngleB},
    {"degrees -0", Inputs("-0", "0", "0", "3", "4"), kAngleB},
    {"side a 0.00, side c empty", Inputs("45", "0", "0", "0.00", ""), kSideA},
    {"side a empty", Inputs("45", "", "", "", "4"), kSideA},
    {"side a as words", Inputs("90", "0", "0", "abc", "4"), kSideA},
    {"side c empty", Inputs("45", "0", "0", "3", ""), kSideC},
    {"side c blanks", Inputs("45", "0", "0", "3", "   "), kSideC},
    {"side c as words, minutes negative", Inputs("45", "-5", "", "3", "cm"), kSideC},
};

inline const std::vector<Solved> kSolved{
    {"right angle", Inputs("90", "0", "0", "3", "4"), Words("36 52 11.64 53 7 48.36 5 6 12")},
    {"sides swapped", Inputs("90", "0", "0", "4", "3"), Words("53 7 48.36 36 52 11.64 5 6 12")},
    {"equilateral", Inputs("60", "0", "0", "5", "5"), Words("60 0 0 60 0 0 5 10.8253 15")},
    {"all three parts of B", Inputs("45", "30", "15", "10", "7"), Words("90 4 8.04 44 25 37.2 7.133 24.9655 24.133")},
    {"straight angle", Inputs("180", "0", "0", "3", "4"), Words("0 0 0 0 0 0 7 0 14")},
    {"negative side a", Inputs("90", "0", "0", "-3", "4"), Words("36 52 11.64 126 52 11.64 5 6 6")},
    {"B above 180", Inputs("200", "0", "0", "3", "4"), Words("8 33 25.56 11 26 34.8 6.8958 2.0521 13.8958")},
    {"half a degree", Inputs("0.5", "0", "0", "3", "4"), Words("1 29 58.2 178 0 1.8 1.0005 0.0524 8.0005")},
    {"side 12cm", Inputs("90", "0", "0", "12cm", "16"), Words("36 52 11.64 53 7 48.36 20 96 48")},
    {"long side a", Inputs("90", "0", "0", "12", "4"), Words("71 33 54 18 26 5.64 12.6491 24 28.6491")},
    {"minutes and seconds empty", Inputs("90", "", "", "3", "4"), Words("36 52 11.64 53 7 48.36 5 6 12")},
    {"90 minutes", Inputs("1", "90", "0", "3", "4"), Words("7 26 3.48 170 3 56.52 1.0114 0.2617 8.0114")},
    {"7200 seconds", Inputs("10", "0", "7200", "3", "4"), Words("30 20 34.8 137 39 25.2 1.2347 1.2475 8.2347")},
    {"negative minutes", Inputs("91", "-60", "0", "3", "4"), Words("36 52 11.64 53 7 48.36 5 6 12")},
};

inline const std::vector<Failed> kFailed{
    {"angle of exactly 0", Inputs("1", "-60", "0", "5", "3")},
    {"side a 1e400", Inputs("90", "0", "0", "1e400", "4")},
    {"side c -1e400", Inputs("90", "0", "0", "3", "-1e400")},
    {"degrees 1e400", Inputs("1e400", "0", "0", "3", "4")},
    {"minutes -1e400", Inputs("90", "-1e400", "0", "3", "4")},
    {"sides too large to square", Inputs("90", "0", "0", "1e200", "1e200")},
};

} // namespace form3

// Form4, two angles and the side between them: degrees, minutes, seconds of A;
// of B; side c. Results: C as degrees, minutes, seconds, sides a and b, area,
// perimeter.
namespace form4 {

using namespace cases;

// The checks and the failure share one title.
inline const QString kTitle = QStringLiteral("Error de datos ...");
inline const QString kAngleA = QStringLiteral("Introduzca el valor del ángulo A");
inline const QString kAngleB = QStringLiteral("Introduzca el valor del ángulo B");
inline const QString kSideC = QStringLiteral("Introduzca el valor del lado c");

inline QStringList Inputs(const QString &dA, const QString &mA, const QString &sA, const QString &dB,
                          const QString &mB, const QString &sB, const QString &c)
{
    return {dA, mA, sA, dB, mB, sB, c};
}

// Whole degrees only, minutes and seconds 0.
inline QStringList Inputs(const QString &dA, const QString &dB, const QString &c)
{
    return Inputs(dA, "0", "0", dB, "0", "0", c);
}

// Only the degrees of A, the degrees of B and side c are tested, in that
// order, and only against 0; the first that fails is the one reported.
inline const std::vector<Refused> kRefused{
    {"all empty", Inputs("", "", "", "", "", "", ""), kAngleA},
    {"texts after Borrar", Inputs("0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"), kAngleA},
    {"0 degrees, 30 minutes", Inputs("0", "30", "0", "45", "0", "0", "10"), kAngleA},
    {"A as words", Inputs("abc", "45", "10"), kAngleA},
    {"A 0,5", Inputs("0,5", "45", "10"), kAngleA},
    {"B 0", Inputs("30", "0", "10"), kAngleB},
    {"B empty, c empty", Inputs("30", "", ""), kAngleB},
    {"B 0 degrees 30 minutes", Inputs("30", "0", "0", "0", "30", "0", "10"), kAngleB},
    {"c empty", Inputs("30", "45", ""), kSideC},
    {"c 0,5", Inputs("30", "45", "0,5"), kSideC},
    {"c as words, minutes negative", Inputs("30", "-10", "", "45", "-5", "", "m"), kSideC},
};

inline const std::vector<Solved> kSolved{
    {"30 and 45", Inputs("30", "0", "0", "45", "0", "0", "10"), Words("105 0 0 5.176 7.321 18.301 22.497")},
    {"C rounded before the split", Inputs("20", "30", "0", "40", "15", "30", "12.5"), Words("119 14 31.2 5.017 9.258 20.263 26.775")},
    {"C of 12.6 gives 60 seconds", Inputs("100", "67.4", "10"), Words("12 35 60 45.145 42.321 208.392 97.466")},
    {"A + B above 180", Inputs("100", "100", "10"), Words("-20 0 0 -28.794 -28.794 -141.782 -47.588")},
    {"negative C split by floor", Inputs("100", "0", "0", "100", "30", "0", "10"), Words("-21 30 0 -28.121 -28.076 -138.249 -46.197")},
    {"negative c", Inputs("45", "45", "-10"), Words("90 0 0 -7.071 -7.071 25 -24.142")},
    {"90 minutes", Inputs("30", "90", "0", "45", "0", "0", "10"), Words("103 30 0 5.373 7.272 18.998 22.645")},
    {"A of exactly 0", Inputs("1", "-60", "0", "90", "0", "0", "3"), Words("90 0 0 0 3 0 6")},
    {"tiny angles", Inputs("1", "1", "1"), Words("178 0 0 0.5 0.5 0.004 2")},
    {"C of 180", Inputs("10", "-10", "1"), Words("180 0 0 -3741594.634 3741594.634 324860.55 1")},
    {"c 12,5 is 12", Inputs("30", "45", "12,5"), Words("105 0 0 6.212 8.785 26.354 26.997")},
    {"half a degree", Inputs("0.5", "45", "10"), Words("134 30 0 0.122 9.914 0.433 20.036")},
    {"minutes and seconds empty", Inputs("30", "", "", "45", "", "", "10"), Words("105 0 0 5.176 7.321 18.301 22.497")},
};

inline const std::vector<Failed> kFailed{
    {"90 and 90", Inputs("90", "90", "5")},
    {"60 30 and 119 30", Inputs("60", "30", "0", "119", "30", "0", "1")},
    {"c 1e400", Inputs("30", "45", "1e400")},
    {"degrees of A 1e400", Inputs("1e400", "45", "10")},
    {"seconds of A 1e400", Inputs("30", "0", "1e400", "45", "0", "0", "10")},
    {"minutes of B -1e400", Inputs("30", "0", "0", "45", "-1e400", "0", "10")},
    {"c too large to square", Inputs("30", "45", "1e200")},
};

} // namespace form4
