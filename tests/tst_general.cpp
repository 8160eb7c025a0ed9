// The general solution: every case and branch against values worked out
// apart from it, thin, huge and tiny triangles against closed forms in long
// double, the exact sines, the working and the text.
#include "GeneralCases.h"
#include "degrees.h"
#include "exact.h"
#include "general.h"
#include "solution_text.h"
#include "values.h"
#include "working.h"

#include <QtTest>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Real = long double;
constexpr Real kPi = std::numbers::pi_v<long double>;
constexpr double kLengthTolerance = 1e-10; // relative
constexpr double kAngleTolerance = 1e-9;   // degrees

Real SinD(Real degrees) { return std::sin(degrees * kPi / 180); }
Real CosD(Real degrees) { return std::cos(degrees * kPi / 180); }
Real AtanD(Real y, Real x) { return std::atan2(y, x) * 180 / kPi; }

TriangleData Read(const general_cases::Typed &typed)
{
    TriangleData given;
    for (int part = 0; part < kTriangleParts; ++part) {
        if (!typed[part])
            continue;
        given[part] = part < 3 ? ReadNumber(typed[part]) : ReadAngle(typed[part]);
        if (!given[part])
            qFatal("unreadable %s", typed[part]);
    }
    return given;
}

QString Off(const char *what, double got, Real expected)
{
    return QStringLiteral("%1 = %2, expected %3").arg(what).arg(got, 0, 'g', 17).arg(double(expected), 0, 'g', 17);
}

#define CHECK_LENGTH(what, got, expected)                                                            \
    QVERIFY2(std::fabs(Real(got) - (expected)) <= kLengthTolerance * std::fabs(expected),         \
             qPrintable(Off(what, got, expected)))
#define CHECK_ANGLE(what, got, expected)                                                             \
    QVERIFY2(std::fabs(Real(got) - (expected)) <= kAngleTolerance, qPrintable(Off(what, got, expected)))

// A triangle's every element, in long double, from closed forms.
struct Expected {
    Real sides[3], angles[3], area;
    bool derived = false; // the elements below are known
    bool medianKnown = false; // the medians are, whether or not the rest is
    Real heights[3], medians[3], bisectors[3], inradius, circumradius;
};

// A needle worked out with mpmath at 60 digits from its given doubles: its
// parts, area and medians.
Expected Needle(const std::array<Real, 6> &parts, Real area, const std::array<Real, 3> &medians)
{
    Expected x;
    std::copy(parts.begin(), parts.begin() + 3, x.sides);
    std::copy(parts.begin() + 3, parts.end(), x.angles);
    x.area = area;
    x.medianKnown = true;
    std::copy(medians.begin(), medians.end(), x.medians);
    return x;
}

// Sides b = c = 1 and the angle A between them, known by the sine and cosine
// of its half and by A and 180° − A, so that no closed form takes the sine of
// an angle near 90° or 180°.
Expected Isosceles(Real halfSin, Real halfCos, Real apex, Real rest)
{
    const Real sine = 2 * halfSin * halfCos;
    const Real base = 2 * halfSin;
    Expected x;
    x.sides[0] = base, x.sides[1] = 1, x.sides[2] = 1;
    x.angles[0] = apex, x.angles[1] = rest / 2, x.angles[2] = rest / 2;
    x.area = sine / 2;
    x.derived = x.medianKnown = true;
    x.heights[0] = halfCos, x.heights[1] = x.heights[2] = sine;
    x.medians[0] = halfCos, x.medians[1] = x.medians[2] = std::sqrt(2 * base * base + 1) / 2;
    x.bisectors[0] = halfCos;
    x.bisectors[1] = x.bisectors[2] = 2 * base * CosD(rest / 4) / (base + 1);
    x.inradius = x.area / ((base + 2) / 2);
    x.circumradius = 1 / (2 * halfCos);
    return x;
}

// The same triangle known by its base as a double, from its exact half base.
Expected IsoscelesOfBase(double base)
{
    const Real half = base / Real(2), halfCos = std::sqrt((1 - half) * (1 + half));
    return Isosceles(half, halfCos, 2 * AtanD(half, halfCos), 2 * AtanD(halfCos, half));
}

TriangleData Given(std::initializer_list<std::pair<int, double>> parts)
{
    TriangleData given;
    for (const auto &[part, value] : parts)
        given[part] = value;
    return given;
}

enum { SideA, SideB, SideC, AngleA, AngleB, AngleC };

void AddRow(const std::string &name, const TriangleData &given, const Expected &expected)
{
    QTest::newRow(name.c_str()) << given << expected;
}

// The rows of accuracy(): every case through huge and tiny triangles, then
// needles, flat triangles and tiny angles.
void AccuracyRows()
{
    // The 3-4-5 triangle scaled by 2^−332 ≈ 1e−100 and 2^332 ≈ 1e100, through
    // every case.
    for (int e : {-332, 332}) {
        const Real k = std::ldexp(Real(1), e);
        Expected x;
        x.sides[0] = 3 * k, x.sides[1] = 4 * k, x.sides[2] = 5 * k;
        x.angles[0] = AtanD(3, 4), x.angles[1] = AtanD(4, 3), x.angles[2] = 90;
        x.area = 6 * k * k;
        const double pa = double(x.sides[0]), pb = double(x.sides[1]), pc = double(x.sides[2]);
        const double angleA = double(x.angles[0]), angleB = double(x.angles[1]);
        const std::string name = "3-4-5 ×2^" + std::to_string(e) + ", ";
        AddRow(name + "LLL", Given({{SideA, pa}, {SideB, pb}, {SideC, pc}}), x);
        AddRow(name + "LAL", Given({{SideA, pa}, {SideB, pb}, {AngleC, 90}}), x);
        AddRow(name + "LLA", Given({{SideC, pc}, {SideA, pa}, {AngleC, 90}}), x);
        AddRow(name + "ALA", Given({{AngleA, angleA}, {AngleB, angleB}, {SideC, pc}}), x);
        AddRow(name + "LAA", Given({{SideA, pa}, {AngleA, angleA}, {AngleC, 90}}), x);
    }
    // Isosceles needles and flat triangles with the angle between the equal sides.
    for (const char *apexText : {"0.000001", "179.99", "179.999999"}) {
        const double apex = *ReadNumber(apexText);
        const Real rest = 180 - Real(apex); // exact
        const Expected x = Isosceles(apex < 90 ? SinD(apex / Real(2)) : CosD(rest / 2), SinD(rest / 2), apex, rest);
        const std::string name = std::string("isosceles, apex ") + apexText + "°";
        AddRow(name + ", LAL", Given({{SideB, 1}, {SideC, 1}, {AngleA, apex}}), x);
        // The same sides as doubles (at 179.999999° the base rounds to 2: no
        // triangle).
        if (const double base = double(x.sides[0]); base != 2)
            AddRow(name + ", LLL", Given({{SideA, base}, {SideB, 1}, {SideC, 1}}), IsoscelesOfBase(base));
    }
    // The flattest isosceles triangle of doubles: its apex 180° − 2.4e−6°.
    const double flattest = std::nextafter(2.0, 0.0);
    AddRow("isosceles, flattest, LLL", Given({{SideA, flattest}, {SideB, 1}, {SideC, 1}}), IsoscelesOfBase(flattest));
    // Two angles of a millionth of a degree.
    {
        const Real tiny = *ReadNumber("0.000001"), twice = 2 * tiny;
        Expected x;
        x.angles[0] = tiny, x.angles[1] = twice, x.angles[2] = 180 - 3 * tiny;
        x.sides[2] = 1;
        x.sides[0] = SinD(tiny) / SinD(3 * tiny), x.sides[1] = SinD(twice) / SinD(3 * tiny);
        x.area = x.sides[0] * SinD(twice) / 2;
        AddRow("angles 1e-6° and 2e-6°, ALA", Given({{AngleA, double(tiny)}, {AngleB, double(twice)}, {SideC, 1}}), x);
    }
    // The ambiguous case with an angle of a millionth of a degree: a = 2h.
    {
        const double angle = *ReadNumber("0.000001");
        const double side = double(2 * SinD(angle));
        const Real h = SinD(angle), q = std::sqrt((side - h) * (side + h));
        const Real acute = AtanD(h, q);
        for (int n = 0; n < 2; ++n) {
            Expected x;
            x.sides[0] = side, x.sides[2] = 1;
            x.sides[1] = n == 0 ? CosD(angle) + q : CosD(angle) - q;
            x.angles[0] = angle, x.angles[2] = n == 0 ? acute : 180 - acute;
            x.angles[1] = 180 - angle - x.angles[2];
            x.area = x.sides[1] * SinD(angle) / 2;
            AddRow("angle 1e-6°, LLA solution " + std::to_string(n + 1),
                            Given({{AngleA, angle}, {SideA, side}, {SideC, 1}}), x);
        }
    }
    // Needles, whose medians ½√(2b² + 2c² − a²) and the differences of
    // rounded sides lose: a median to the short side, and from the angle near
    // 180° between two sides almost equal.
    AddRow("needle, median to c, LAL",
           Given({{SideB, 0.09584128586148731}, {AngleA, 129.3871753439954}, {SideC, 1.0155706084636778e-8}}),
           Needle({0.095841292305867445, 0.09584128586148731, 1.0155706084636778e-8,
                   129.38717534399541, 50.612819963662062, 4.6923425287559442e-6},
                  3.7613380879727952e-10, {0.047920639708553909, 0.047920649375124112, 0.095841289083677297}));
    AddRow("needle, a ≈ c, ALA",
           Given({{AngleB, 179.99999950526646}, {AngleC, 2.473667711462874e-07}, {SideA, 1.196061408626347}}),
           Needle({1.196061408626347, 2.3921228223164706, 1.1960614136901236,
                   2.4736677009900836e-7, 179.99999950526646, 2.4736677114628742e-7},
                  6.1762616299193767e-9, {1.7940921180032971, 5.7511417742987132e-9, 1.7940921154714088}));
    AddRow("needle, b ≈ c, LAL",
           Given({{SideA, 1.9044605341785062e+85}, {SideB, 9.522302776307752e+84}, {AngleC, 2.826065978693553e-07}}),
           Needle({1.9044605341785062e+85, 9.5223027763077515e+84, 9.5223025654773109e+84,
                   179.9999994347868, 2.8260660412646308e-7, 2.8260659786935529e-7},
                  4.4724308294962126e+161, {1.1540518821599796e+77, 1.4283453953631186e+85, 1.4283454059046407e+85}));
    AddRow("needle, a ≈ b, LLA solution 2",
           Given({{SideB, 2.0720935736322843e+58}, {AngleB, 2.6450646354456903e-07}, {SideC, 4.1441872215170193e+58}}),
           Needle({2.0720936478847351e+58, 2.0720935736322843e+58, 4.1441872215170193e+58,
                   2.6450647302302765e-7, 2.6450646354456903e-7, 179.99999947098706},
                  1.9821312453377722e+108, {3.1081403975746518e+58, 3.1081404347008772e+58, 3.833877772774134e+50}));
}

// "C = {C}°" with the solution's own numbers, as the working writes them.
QString Filled(QString text, const TriangleSolution &solution, int index)
{
    const SolvedTriangle &t = solution.triangles[index];
    const std::pair<const char *, double> numbers[] = {
        {"{a}", t.sides[0]}, {"{b}", t.sides[1]}, {"{B}", t.angles[1]},  {"{C}", t.angles[2]},
        {"{area}", t.area},  {"{P}", t.perimeter}, {"{C1}", solution.triangles[0].angles[2]}};
    for (const auto &[key, x] : numbers)
        text.replace(key, QString::fromStdString(DecimalText(x, 4)));
    return text;
}

TriangleSolution SolveRow(const QString &name)
{
    return SolveTriangle(Read(general_cases::Named(name.toStdString()).typed));
}

} // namespace

Q_DECLARE_METATYPE(TriangleData)
Q_DECLARE_METATYPE(Expected)

class TestGeneral : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void accuracy_data();
    void accuracy();
    void exactSines_data();
    void exactSines();
    void working_data();
    void working();
    void text_data();
    void text();
};

void TestGeneral::rows_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < std::size(general_cases::kRows); ++i)
        QTest::newRow(general_cases::kRows[i].name) << int(i);
}

void TestGeneral::rows()
{
    QFETCH(int, index);
    const general_cases::Row &row = general_cases::kRows[index];
    const TriangleSolution solution = SolveTriangle(Read(row.typed));
    QCOMPARE(std::string(CaseCode(solution.kase)), std::string(row.kase));
    QCOMPARE(solution.count, row.count);
    if (row.count == 0) {
        QCOMPARE(QString::fromStdString(solution.reason), QString::fromUtf8(row.reason));
        // A worksheet's decimal comma: the reasons' only points are their numbers'.
        QCOMPARE(QString::fromStdString(SolveTriangle(Read(row.typed), ',').reason),
                 QString::fromUtf8(row.reason).replace(u'.', u','));
    }
    for (int n = 0; n < row.count; ++n) {
        const SolvedTriangle &t = solution.triangles[n];
        const general_cases::Triangle &expected = row.triangles[n];
        for (int i = 0; i < 3; ++i) {
            CHECK_LENGTH("side", t.sides[i], expected.parts[i]);
            CHECK_ANGLE("angle", t.angles[i], expected.parts[3 + i]);
        }
        CHECK_LENGTH("area", t.area, expected.area);
        QCOMPARE(QString::fromStdString(TriangleTypeText(t)), QString::fromUtf8(expected.type));
    }
}

void TestGeneral::accuracy_data()
{
    QTest::addColumn<TriangleData>("given");
    QTest::addColumn<Expected>("x");
    AccuracyRows();
}

void TestGeneral::accuracy()
{
    QFETCH(TriangleData, given);
    QFETCH(Expected, x);
    const TriangleSolution solution = SolveTriangle(given);
    QVERIFY2(solution.count >= 1, solution.reason.c_str());
    const int n = QByteArray(QTest::currentDataTag()).endsWith("solution 2") ? 1 : 0;
    QVERIFY(n < solution.count);
    const SolvedTriangle &t = solution.triangles[n];
    for (int i = 0; i < 3; ++i) {
        CHECK_LENGTH("side", t.sides[i], x.sides[i]);
        CHECK_ANGLE("angle", t.angles[i], x.angles[i]);
    }
    CHECK_LENGTH("area", t.area, x.area);
    const Real perimeter = x.sides[0] + x.sides[1] + x.sides[2];
    CHECK_LENGTH("perimeter", t.perimeter, perimeter);
    CHECK_LENGTH("semiperimeter", t.semiperimeter, perimeter / 2);
    for (int i = 0; i < 3 && x.medianKnown; ++i)
        CHECK_LENGTH("median", t.medians[i], x.medians[i]);
    if (!x.derived)
        return;
    for (int i = 0; i < 3; ++i) {
        CHECK_LENGTH("height", t.heights[i], x.heights[i]);
        CHECK_LENGTH("bisector", t.bisectors[i], x.bisectors[i]);
    }
    CHECK_LENGTH("inradius", t.inradius, x.inradius);
    CHECK_LENGTH("circumradius", t.circumradius, x.circumradius);
}

void TestGeneral::exactSines_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("sen 30°") << SinDegrees(30) << 0.5;
    QTest::newRow("cos 120°") << CosDegrees(120) << -0.5;
    QTest::newRow("sen 180°") << SinDegrees(180) << 0.0;
    // Through the solution: ½·4·5·sen 30°.
    QTest::newRow("LAL area with 30°")
        << SolveTriangle(Given({{SideA, 4}, {SideB, 5}, {AngleC, 30}})).triangles[0].area << 5.0;
}

void TestGeneral::exactSines()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE_EXACT(value, expected);
}

// The rules in order, each result the solution's own number ({x} below), and
// the first step written out whole.
void TestGeneral::working_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("first"); // formula | substitution
    QTest::addColumn<QStringList>("steps"); // rule: result
    const QString area = "Área con dos lados y el ángulo comprendido: Área = {area}";
    QTest::newRow("LLA, solution 2")
        << "LLA A a c, h < a < c: two" << 1 << "h = c·sen A | h = 5·sen 40°"
        << QStringList{"Caso ambiguo: h = 3.2139 < a = 4 < c = 5: dos triángulos",
                       "Teorema del seno: C = 180° − {C1}° = {C}°", "Suma de los ángulos: B = {B}°",
                       "Teorema del seno: b = {b}", area, "Perímetro: P = {P}"};
    QTest::newRow("LAL") << "LAL b c A" << 0 << "a² = b² + c² − 2·b·c·cos A | a² = 7² + 5² − 2·7·5·cos 49°"
                         << QStringList{"Teorema del coseno: a = {a}", "Teorema del seno: C = {C}°",
                                        "Suma de los ángulos: B = {B}°", area, "Perímetro: P = {P}"};
}

void TestGeneral::working()
{
    QFETCH(QString, row);
    QFETCH(int, index);
    QFETCH(QString, first);
    QFETCH(QStringList, steps);
    const TriangleSolution solution = SolveRow(row);
    const std::vector<WorkingStep> working = Working(solution, index, 4);
    QStringList written;
    for (const WorkingStep &step : working)
        written << QString::fromStdString(step.rule + ": " + step.result);
    for (QString &step : steps)
        step = Filled(step, solution, index);
    QCOMPARE(written, steps);
    QCOMPARE(QString::fromStdString(working[0].formula + " | " + working[0].substitution), first);
}

void TestGeneral::text_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LLL, every element")
        << "LLL 3 4 5" << false << "LLL: una solución"
        << "LLL: tres lados; una solución\n\n"
           "Lado a = 3 (dato)\nLado b = 4 (dato)\nLado c = 5 (dato)\n"
           "Ángulo A = 36.8699° = 36° 52′ 11.63″\n"
           "Ángulo B = 53.1301° = 53° 7′ 48.37″\n"
           "Ángulo C = 90° = 90° 0′ 0″\n"
           "Área = 6\nPerímetro = 12\nSemiperímetro = 6\n"
           "Altura sobre a = 4\nAltura sobre b = 3\nAltura sobre c = 2.4\n"
           "Mediana de a = 4.272\nMediana de b = 3.6056\nMediana de c = 2.5\n"
           "Bisectriz de A = 4.2164\nBisectriz de B = 3.3541\nBisectriz de C = 2.4244\n"
           "Radio inscrito = 1\nRadio circunscrito = 2.5\n"
           "Tipo: triángulo rectángulo escaleno\n";
    QTest::newRow("refused") << "sides flat" << true << "a + b = 7 no es mayor que c = 7"
                             << "a + b = 7 no es mayor que c = 7\n";
    // Two solutions: the headline, each header, the given angle marked, the steps indented.
    QTest::newRow("LLA, two solutions") << "LLA A a c, h < a < c: two" << true << "LLA: dos soluciones"
                                        << "LLA: dos lados y el ángulo opuesto a uno de ellos; dos soluciones\n\n"
                                           "Solución 1\n|Ángulo A = 40° = 40° 0′ 0″ (dato)\n|Pasos:\n"
                                           "1. Caso ambiguo\n   h = c·sen A\n   h = 5·sen 40°\n|Solución 2\n";
}

void TestGeneral::text()
{
    QFETCH(QString, row);
    QFETCH(bool, steps);
    QFETCH(QString, status);
    QFETCH(QString, expected);
    const TriangleSolution solution = SolveRow(row);
    QCOMPARE(QString::fromStdString(SolutionStatus(solution)), status);
    const QString text = QString::fromStdString(SolutionText(solution, 4, steps));
    if (!expected.contains('|')) {
        QCOMPARE(text, expected);
        return;
    }
    // Pieces that must appear in this order.
    qsizetype from = 0;
    for (const QString &piece : expected.split('|')) {
        const qsizetype at = text.indexOf(piece, from);
        QVERIFY2(at >= from, qPrintable("missing, in order: " + piece + "\nin:\n" + text));
        from = at + piece.size();
    }
}

QTEST_APPLESS_MAIN(TestGeneral)
#include "tst_general.moc"
