#include "three_sides.h"

#include "checked.h"

std::optional<ThreeSidesResult> SolveThreeSides(double a_, double b_, double c_)
{
    const Checked a = a_, b = b_, c = c_;
    const Checked s = ((a + b) + c) / 2;
    const Checked da = s - a;
    const Checked db = s - b;
    const Checked dc = s - c;
    const Checked tA = Sqrt((db * dc) / (s * da));
    const Checked tB = Sqrt((da * dc) / (s * db));
    const Checked tC = Sqrt((da * db) / (s * dc));
    const Checked A = HalfAngleDegrees(tA);
    const Checked B = HalfAngleDegrees(tB);
    const Checked C = HalfAngleDegrees(tC);
    const Checked area = Sqrt(((s * da) * db) * dc);

    const Checked angleA = Apply(RoundTo4, A);
    const Checked angleB = Apply(RoundTo4, B);
    const Checked angleC = Apply(RoundTo4, C);
    const Checked area4 = Apply(RoundTo4, area);
    const Checked angleSum = Apply(RoundTo4, (A + B) + C);
    if (!(angleA.ok() && angleB.ok() && angleC.ok() && area4.ok() && angleSum.ok()))
        return std::nullopt;

    ThreeSidesResult result;
    result.angleA = angleA.value();
    result.angleB = angleB.value();
    result.angleC = angleC.value();
    result.area = area4.value();
    result.angleSum = angleSum.value();
    result.dmsA = SplitDegrees(result.angleA);
    result.dmsB = SplitDegrees(result.angleB);
    result.dmsC = SplitDegrees(result.angleC);
    return result;
}
