// The two-sides window: degrees, minutes and seconds of B and the sides a and
// c typed as anything, then "Calcular".
#include "harness.h"
#include "two_sides_angle.h"

namespace {

// The nine values the window writes, then the two it does not show.
std::array<double, 11> Values(const TwoSidesAngleResult &r)
{
    return {r.DA, r.MA, r.SA, r.DC, r.MC, r.SC, r.b4, r.area4, r.P4, r.A4, r.C4};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // In the order of the solution's arguments: d, m, sec, a, c.
    const auto boxes = fuzz::SplitTexts<5>(data, size);
    std::array<double, 5> in{};
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = fuzz::ReadBox(boxes[i]);
    if (in[0] == 0 || in[3] == 0 || in[4] == 0)
        return 0; // the window asks for angle B, side a or side c

    const auto result = SolveTwoSidesAngle(in[0], in[1], in[2], in[3], in[4]);
    const auto again = SolveTwoSidesAngle(in[0], in[1], in[2], in[3], in[4]);
    if (result.has_value() != again.has_value())
        fuzz::Fail("the same inputs failed once and not the other time", "");
    if (!result)
        return 0; // calculation-failure message, no box written

    fuzz::CheckSame(Values(*result), Values(*again));
    fuzz::CheckResults(Values(*result));
    fuzz::CheckWithin(result->A4, 0, 180, "angle A outside 0 to 180");
    fuzz::CheckWithin(result->C4, 0, 180, "angle C outside 0 to 180");
    fuzz::CheckWithin(result->b4, 0, HUGE_VAL, "a negative side b");
    fuzz::CheckWithin(result->area4, 0, HUGE_VAL, "a negative area");
    fuzz::CheckSplit(result->DA, result->MA, result->SA);
    fuzz::CheckSplit(result->DC, result->MC, result->SC);
    return 0;
}
