#include "two_sides_angle.h"

#include "checked.h"

std::optional<TwoSidesAngleResult> SolveTwoSidesAngle(double d_, double m_, double sec_,
                                                      double a_, double c_)
{
    const Checked d = d_, m = m_, sec = sec_, a = a_, c = c_;
    const Checked B = (d + m / 60) + sec / 3600;
    const Checked k = Cos((B * PiValue) / 180);
    const Checked q = ((a * a) + (c * c)) - ((2 * a) * c) * k;
    const Checked b = Sqrt(q);
    const Checked s = ((a + b) + c) / 2;
    const Checked sa = s - a;
    const Checked sb = s - b;
    const Checked sc = s - c;
    const Checked tA = Sqrt((sb * sc) / (s * sa));
    const Checked tC = Sqrt((sa * sb) / (s * sc));
    const Checked A = HalfAngleDegrees(tA);
    const Checked C = HalfAngleDegrees(tC);
    const Checked area = Sqrt(((s * sa) * sb) * sc);

    const Checked A4 = Apply(RoundTo4, A);
    const Checked C4 = Apply(RoundTo4, C);
    const Checked area4 = Apply(RoundTo4, area);
    const Checked P4 = Apply(RoundTo4, (a + b) + c);
    const Checked b4 = Apply(RoundTo4, b);
    if (!(A4.ok() && C4.ok() && area4.ok() && P4.ok() && b4.ok()))
        return std::nullopt;

    const Dms splitA = SplitDegrees(A4.value());
    const Dms splitC = SplitDegrees(C4.value());
    TwoSidesAngleResult result;
    result.A4 = A4.value();
    result.DA = splitA.degrees;
    result.MA = splitA.minutes;
    result.SA = splitA.seconds;
    result.C4 = C4.value();
    result.DC = splitC.degrees;
    result.MC = splitC.minutes;
    result.SC = splitC.seconds;
    result.b4 = b4.value();
    result.area4 = area4.value();
    result.P4 = P4.value();
    return result;
}
