#include "exact.h"
#include "three_sides.h"
#include "two_angles_side.h"
#include "two_sides_angle.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const double inf = std::numeric_limits<double>::infinity();

// "A B C | dms A | dms B | dms C | area sum", as the window's boxes show them.
QString Shown(const ThreeSidesResult &r)
{
    return Texts({r.angleA, r.angleB, r.angleC}) + " | "
           + Texts({r.dmsA.degrees, r.dmsA.minutes, r.dmsA.seconds}) + " | "
           + Texts({r.dmsB.degrees, r.dmsB.minutes, r.dmsB.seconds}) + " | "
           + Texts({r.dmsC.degrees, r.dmsC.minutes, r.dmsC.seconds}) + " | "
           + Texts({r.area, r.angleSum});
}

// "D M S of C | a b area perimeter".
QString Shown(const TwoAnglesSideResult &r)
{
    return Texts({r.degreesC, r.minutesC, r.secondsC}) + " | "
           + Texts({r.a, r.b, r.area, r.perimeter});
}

// "dms A | dms C | b area perimeter".
QString Shown(const TwoSidesAngleResult &r)
{
    return Texts({r.DA, r.MA, r.SA}) + " | " + Texts({r.DC, r.MC, r.SC}) + " | "
           + Texts({r.b4, r.area4, r.P4});
}

bool AllFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

double Wild(QRandomGenerator &random)
{
    // Ordinary sizes mostly, now and then a sign change or an extreme.
    const double magnitudes[] = {1, 10, 1e3, 1e77, 1e154, 1e155, 1e300, 1e308};
    const double m = magnitudes[random.bounded(8)];
    const double v = (random.bounded(2.0) - 0.5) * m;
    return random.bounded(20) == 0 ? 0.0 : v;
}

} // namespace

class TestSolve : public QObject {
    Q_OBJECT

private slots:
    void threeSides_data();
    void threeSides();
    void threeSidesFails_data();
    void threeSidesFails();
    void twoAnglesSide_data();
    void twoAnglesSide();
    void twoAnglesSideExactPerimeter();
    void twoAnglesSideStraightC();
    void twoAnglesSideFails_data();
    void twoAnglesSideFails();
    void roundTo3And5_data();
    void roundTo3And5();
    void twoSidesAngle_data();
    void twoSidesAngle();
    void twoSidesAngleJoinsTheAngle_data();
    void twoSidesAngleJoinsTheAngle();
    void twoSidesAngleFails_data();
    void twoSidesAngleFails();
    void swappingSidesSwapsResults();
    void threeSidesAgreesWithTwoSides();
    void aResultIsAlwaysComplete();
};

void TestSolve::threeSides_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("expected");

    QTest::newRow("3 4 5") << 3.0 << 4.0 << 5.0
        << "36.8699 53.1301 90 | 36 52 11.64 | 53 7 48.36 | 90 0 0 | 6 180";
    QTest::newRow("5 4 3 unsorted") << 5.0 << 4.0 << 3.0
        << "90 53.1301 36.8699 | 90 0 0 | 53 7 48.36 | 36 52 11.64 | 6 180";
    QTest::newRow("1 1 1") << 1.0 << 1.0 << 1.0
        << "60 60 60 | 60 0 0 | 60 0 0 | 60 0 0 | 0.433 180";
    QTest::newRow("2 3 4") << 2.0 << 3.0 << 4.0
        << "28.955 46.5675 104.4775 | 28 57 18 | 46 34 3 | 104 28 39 | 2.9047 180";
    QTest::newRow("1 3 3 sum of unrounded angles") << 1.0 << 3.0 << 3.0
        << "19.1881 80.4059 80.4059 | 19 11 17.16 | 80 24 21.24 | 80 24 21.24 | 1.479 180";
    QTest::newRow("8 13 17 seconds reach 60") << 8.0 << 13.0 << 17.0
        << "26.95 47.4315 105.6185 | 26 56 60 | 47 25 53.4 | 105 37 6.6 | 50.0799 180";
    QTest::newRow("-3 4 5") << -3.0 << 4.0 << 5.0
        << "36.8699 126.8699 90 | 36 52 11.64 | 126 52 11.64 | 90 0 0 | 6 253.7398";
    QTest::newRow("-3 -4 -5 as 3 4 5") << -3.0 << -4.0 << -5.0
        << "36.8699 53.1301 90 | 36 52 11.64 | 53 7 48.36 | 90 0 0 | 6 180";
    QTest::newRow("1e77 equilateral") << 1e77 << 1e77 << 1e77
        << "60 60 60 | 60 0 0 | 60 0 0 | 60 0 0 | 4.33012701892219E+153 180";
}

void TestSolve::threeSides()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, expected);
    const auto result = SolveThreeSides(a, b, c);
    QVERIFY(result.has_value());
    QCOMPARE(Shown(*result), expected);
}

void TestSolve::threeSidesFails_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::newRow("flat 1 2 3 (tangent of C divides by zero)") << 1.0 << 2.0 << 3.0;
    QTest::newRow("zero perimeter 1 1 -2") << 1.0 << 1.0 << -2.0;
    QTest::newRow("no triangle 1 2 5") << 1.0 << 2.0 << 5.0;
    QTest::newRow("Heron overflows 2e77") << 2e77 << 2e77 << 2e77;
    QTest::newRow("semi-perimeter overflows") << 1e308 << 1e308 << 1e308;
    QTest::newRow("infinite side") << inf << 4.0 << 5.0;
    QTest::newRow("infinite sides") << inf << inf << inf;
    QTest::newRow("negative infinite side") << 3.0 << -inf << 5.0;
}

void TestSolve::threeSidesFails()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QVERIFY(!SolveThreeSides(a, b, c).has_value());
}

void TestSolve::twoAnglesSide_data()
{
    QTest::addColumn<QVector<double>>("inputs");
    QTest::addColumn<QString>("expected");
    using V = QVector<double>;
    QTest::newRow("30 45 10") << V{30, 0, 0, 45, 0, 0, 10} << "105 0 0 | 5.176 7.321 18.301 22.497";
    QTest::newRow("C rounded before the split") << V{20, 30, 0, 40, 15, 30, 12.5}
                                                << "119 14 31.2 | 5.017 9.258 20.263 26.775";
    QTest::newRow("C 12.6 splits into 60 seconds") << V{100, 0, 0, 67.4, 0, 0, 10}
                                                   << "12 35 60 | 45.145 42.321 208.392 97.466";
    QTest::newRow("A + B over 180") << V{100, 0, 0, 100, 0, 0, 10}
                                    << "-20 0 0 | -28.794 -28.794 -141.782 -47.588";
    QTest::newRow("negative C by floor") << V{100, 0, 0, 100, 30, 0, 10}
                                         << "-21 30 0 | -28.121 -28.076 -138.249 -46.197";
    QTest::newRow("negative c") << V{45, 0, 0, 45, 0, 0, -10} << "90 0 0 | -7.071 -7.071 25 -24.142";
    QTest::newRow("90 minutes") << V{30, 90, 0, 45, 0, 0, 10} << "103 30 0 | 5.373 7.272 18.998 22.645";
    QTest::newRow("A of 1 degree -60 minutes") << V{1, -60, 0, 90, 0, 0, 3} << "90 0 0 | 0 3 0 6";
    QTest::newRow("1 1 1") << V{1, 0, 0, 1, 0, 0, 1} << "178 0 0 | 0.5 0.5 0.004 2";
}

void TestSolve::twoAnglesSide()
{
    QFETCH(QVector<double>, inputs);
    QFETCH(QString, expected);
    const auto result = SolveTwoAnglesSide(inputs[0], inputs[1], inputs[2], inputs[3], inputs[4],
                                           inputs[5], inputs[6]);
    QVERIFY(result.has_value());
    QCOMPARE(Shown(*result), expected);
}

void TestSolve::twoAnglesSideExactPerimeter()
{
    // Not rounded: the rounded sides plus the unrounded c.
    const auto result = SolveTwoAnglesSide(100, 0, 0, 67.4, 0, 0, 10);
    QVERIFY(result.has_value());
    QCOMPARE_EXACT(result->perimeter, 97.46600000000001);
    QCOMPARE_EXACT(result->secondsC, 60.0);
}

void TestSolve::twoAnglesSideStraightC()
{
    // C = 180: the program's pi leaves sin C at about -4.64e-8, not 0.
    const auto result = SolveTwoAnglesSide(10, 0, 0, -10, 0, 0, 1);
    QVERIFY(result.has_value());
    QCOMPARE(Texts({result->degreesC, result->minutesC, result->secondsC}), QString("180 0 0"));
    QVERIFY(result->a < -3.7e6 && result->a > -3.8e6);
    QCOMPARE_EXACT(result->b, -result->a);
    QCOMPARE_EXACT(result->perimeter, 1.0);
}

void TestSolve::twoAnglesSideFails_data()
{
    QTest::addColumn<QVector<double>>("inputs");
    using V = QVector<double>;
    QTest::newRow("90 + 90") << V{90, 0, 0, 90, 0, 0, 5};
    QTest::newRow("60 30 + 119 30") << V{60, 30, 0, 119, 30, 0, 1};
    QTest::newRow("join overflows") << V{1e308, 1e308, 0, 45, 0, 0, 1};
    QTest::newRow("c squared overflows") << V{30, 0, 0, 45, 0, 0, 1e155};
    QTest::newRow("quotient overflows") << V{30, 0, 0, 45, 0, 0, 1e307};
    QTest::newRow("infinite degrees") << V{inf, 0, 0, 45, 0, 0, 1};
    QTest::newRow("infinite seconds") << V{30, 0, 0, 45, 0, -inf, 1};
    QTest::newRow("infinite c") << V{30, 0, 0, 45, 0, 0, inf};
}

void TestSolve::twoAnglesSideFails()
{
    QFETCH(QVector<double>, inputs);
    QVERIFY(!SolveTwoAnglesSide(inputs[0], inputs[1], inputs[2], inputs[3], inputs[4], inputs[5],
                                inputs[6])
                 .has_value());
}

void TestSolve::roundTo3And5_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("to3");
    QTest::addColumn<double>("to5");
    QTest::newRow("half up") << 0.0625 << 0.063 << 0.0625;
    QTest::newRow("negative half up") << -0.0625 << -0.062 << -0.0625;
    QTest::newRow("seconds just below 60") << 59.99999999999872 << 60.0 << 60.0;
    QTest::newRow("floor of negatives") << -28.7936 << -28.794 << -28.7936;
}

void TestSolve::roundTo3And5()
{
    QFETCH(double, value);
    QFETCH(double, to3);
    QFETCH(double, to5);
    QCOMPARE_EXACT(RoundTo3(value), to3);
    QCOMPARE_EXACT(RoundTo5(value), to5);
}

void TestSolve::twoSidesAngle_data()
{
    QTest::addColumn<QVector<double>>("inputs");
    QTest::addColumn<QString>("expected");
    using V = QVector<double>;
    QTest::newRow("right angle 3 4") << V{90, 0, 0, 3, 4} << "36 52 11.64 | 53 7 48.36 | 5 6 12";
    QTest::newRow("60 degrees 5 5") << V{60, 0, 0, 5, 5} << "60 0 0 | 60 0 0 | 5 10.8253 15";
    QTest::newRow("45 30 15") << V{45, 30, 15, 10, 7}
                              << "90 4 8.04 | 44 25 37.2 | 7.133 24.9655 24.133";
    QTest::newRow("straight angle") << V{180, 0, 0, 3, 4} << "0 0 0 | 0 0 0 | 7 0 14";
    QTest::newRow("negative side a") << V{90, 0, 0, -3, 4} << "36 52 11.64 | 126 52 11.64 | 5 6 6";
    QTest::newRow("B over 180") << V{200, 0, 0, 3, 4}
                                << "8 33 25.56 | 11 26 34.8 | 6.8958 2.0521 13.8958";
}

void TestSolve::twoSidesAngle()
{
    QFETCH(QVector<double>, inputs);
    QFETCH(QString, expected);
    const auto result = SolveTwoSidesAngle(inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]);
    QVERIFY(result.has_value());
    QCOMPARE(Shown(*result), expected);
}

void TestSolve::twoSidesAngleJoinsTheAngle_data()
{
    QTest::addColumn<QVector<double>>("typed");
    QTest::addColumn<double>("degrees");
    using V = QVector<double>;
    QTest::newRow("1 90 0 is 2.5") << V{1, 90, 0} << 2.5;
    QTest::newRow("10 0 7200 is 12") << V{10, 0, 7200} << 12.0;
}

void TestSolve::twoSidesAngleJoinsTheAngle()
{
    QFETCH(QVector<double>, typed);
    QFETCH(double, degrees);
    const auto joined = SolveTwoSidesAngle(typed[0], typed[1], typed[2], 3, 4);
    const auto plain = SolveTwoSidesAngle(degrees, 0, 0, 3, 4);
    QVERIFY(joined && plain);
    QCOMPARE(Shown(*joined), Shown(*plain));
}

void TestSolve::twoSidesAngleFails_data()
{
    QTest::addColumn<QVector<double>>("inputs");
    using V = QVector<double>;
    QTest::newRow("angle exactly 0") << V{1, -60, 0, 5, 3};
    QTest::newRow("squares overflow") << V{90, 0, 0, 1e155, 4};
    QTest::newRow("sum overflows") << V{90, 0, 0, 1e308, 1e308};
    QTest::newRow("Heron overflows") << V{90, 0, 0, 1e100, 1e100};
    QTest::newRow("infinite side") << V{90, 0, 0, inf, 4};
    QTest::newRow("infinite minutes") << V{90, -inf, 0, 3, 4};
    QTest::newRow("join overflows") << V{1e308, 1e308, 1e308, 3, 4};
}

void TestSolve::twoSidesAngleFails()
{
    QFETCH(QVector<double>, inputs);
    QVERIFY(!SolveTwoSidesAngle(inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]).has_value());
}

void TestSolve::swappingSidesSwapsResults()
{
    QRandomGenerator random(1303);
    for (int i = 0; i < 2000; ++i) {
        const double a = 1 + random.bounded(100.0), b = 1 + random.bounded(100.0);
        const double c = 1 + random.bounded(100.0);
        const auto abc = SolveThreeSides(a, b, c);
        const auto bac = SolveThreeSides(b, a, c);
        const auto cba = SolveThreeSides(c, b, a);
        QCOMPARE(abc.has_value(), bac.has_value());
        QCOMPARE(abc.has_value(), cba.has_value());
        if (!abc)
            continue;
        QCOMPARE_EXACT(abc->angleA, bac->angleB);
        QCOMPARE_EXACT(abc->angleB, bac->angleA);
        QCOMPARE_EXACT(abc->angleC, bac->angleC);
        QCOMPARE_EXACT(abc->angleA, cba->angleC);
        QCOMPARE_EXACT(abc->angleC, cba->angleA);
        QCOMPARE(Texts({abc->dmsA.degrees, abc->dmsA.minutes, abc->dmsA.seconds}),
                 Texts({bac->dmsB.degrees, bac->dmsB.minutes, bac->dmsB.seconds}));
        QVERIFY(std::abs(abc->area - bac->area) <= 1e-4);
        QVERIFY(std::abs(abc->area - cba->area) <= 1e-4);

        const auto acB = SolveTwoSidesAngle(35, 12, 7, a, c);
        const auto caB = SolveTwoSidesAngle(35, 12, 7, c, a);
        QVERIFY(acB && caB);
        QVERIFY(std::abs(acB->A4 - caB->C4) <= 1e-4);
        QVERIFY(std::abs(acB->C4 - caB->A4) <= 1e-4);
        QVERIFY(std::abs(acB->b4 - caB->b4) <= 1e-4);
    }
}

void TestSolve::threeSidesAgreesWithTwoSides()
{
    // Solve a triangle from its sides, then again from a, c and the angle B
    // between them: the same triangle within the rounding.
    QRandomGenerator random(7);
    int solved = 0;
    for (int i = 0; i < 2000; ++i) {
        const double a = 1 + random.bounded(50.0), b = 1 + random.bounded(50.0);
        const double c = 1 + random.bounded(50.0);
        const auto sides = SolveThreeSides(a, b, c);
        if (!sides)
            continue;
        const auto angle = SolveTwoSidesAngle(sides->angleB, 0, 0, a, c);
        QVERIFY(angle.has_value());
        QVERIFY2(std::abs(angle->b4 - b) <= 1e-3 * b, qPrintable(Shown(*angle)));
        QVERIFY(std::abs(angle->A4 - sides->angleA) <= 2e-3);
        QVERIFY(std::abs(angle->C4 - sides->angleC) <= 2e-3);
        QVERIFY(std::abs(angle->area4 - sides->area) <= 1e-3 * sides->area + 1e-3);
        ++solved;
    }
    QVERIFY(solved > 500);
}

void TestSolve::aResultIsAlwaysComplete()
{
    QRandomGenerator random(42);
    int failures = 0, results = 0;
    for (int i = 0; i < 30000; ++i) {
        const double x[7] = {Wild(random), Wild(random), Wild(random), Wild(random),
                             Wild(random), Wild(random), Wild(random)};
        if (const auto r = SolveThreeSides(x[0], x[1], x[2])) {
            ++results;
            QVERIFY(AllFinite({r->angleA, r->angleB, r->angleC, r->dmsA.degrees, r->dmsA.minutes,
                               r->dmsA.seconds, r->dmsB.degrees, r->dmsB.minutes, r->dmsB.seconds,
                               r->dmsC.degrees, r->dmsC.minutes, r->dmsC.seconds, r->area,
                               r->angleSum}));
        } else {
            ++failures;
        }
        if (const auto r = SolveTwoAnglesSide(x[0], x[1], x[2], x[3], x[4], x[5], x[6])) {
            ++results;
            QVERIFY(AllFinite({r->degreesC, r->minutesC, r->secondsC, r->a, r->b, r->area,
                               r->perimeter}));
        } else {
            ++failures;
        }
        if (const auto r = SolveTwoSidesAngle(x[0], x[1], x[2], x[3], x[4])) {
            ++results;
            QVERIFY(AllFinite({r->A4, r->DA, r->MA, r->SA, r->C4, r->DC, r->MC, r->SC, r->b4,
                               r->area4, r->P4}));
        } else {
            ++failures;
        }
    }
    // Both outcomes must really have been exercised.
    QVERIFY(failures > 1000);
    QVERIFY(results > 1000);
}

QTEST_APPLESS_MAIN(TestSolve)
#include "tst_solve.moc"
