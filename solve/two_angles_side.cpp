#include "two_angles_side.h"

#include "checked.h"
#include "numeric.h"

#include <cmath>

double RoundTo3(double x)
{
    return std::floor(x * 1000.0 + 0.5) / 1000.0;
}

double RoundTo5(double x)
{
    return std::floor(x * 100000.0 + 0.5) / 100000.0;
}

namespace {

Checked Join(Checked degrees, Checked minutes, Checked seconds)
{
    return (degrees + minutes / 60) + seconds / 3600;
}

Checked SinDegrees(Checked x)
{
    return Sin((x * PiValue) / 180);
}

} // namespace

std::optional<TwoAnglesSideResult> SolveTwoAnglesSide(double degreesA, double minutesA,
                                                      double secondsA, double degreesB,
                                                      double minutesB, double secondsB,
                                                      double c_)
{
    const Checked c = c_;
    const Checked A = Join(degreesA, minutesA, secondsA);
    const Checked B = Join(degreesB, minutesB, secondsB);
    const Checked C = 180 - (A + B);
    const Checked sinA = SinDegrees(A);
    const Checked sinB = SinDegrees(B);
    const Checked sinC = SinDegrees(C);
    const Checked a = (c * sinA) / sinC;
    const Checked b = (c * sinB) / sinC;
    const Checked area = (((c * c) * sinA) * sinB) / (sinC + sinC);

    // C is split after rounding to thousandths; no carry when the seconds reach 60.
    const Checked C3 = Apply(RoundTo3, C);
    const Checked D = Floor(C3);
    const Checked m = (C3 - D) * 60;
    const Checked M = Floor(m);
    const Checked S = Apply(RoundTo5, (m - M) * 60);

    const Checked a3 = Apply(RoundTo3, a);
    const Checked b3 = Apply(RoundTo3, b);
    const Checked area3 = Apply(RoundTo3, area);
    const Checked perimeter = (a3 + b3) + c;
    if (!(D.ok() && M.ok() && S.ok() && a3.ok() && b3.ok() && area3.ok() && perimeter.ok()))
        return std::nullopt;

    return TwoAnglesSideResult{D.value(),  M.value(),     S.value(),        a3.value(),
                               b3.value(), area3.value(), perimeter.value()};
}
