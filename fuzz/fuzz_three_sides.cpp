// The three-sides window: sides a, b and c typed as anything, then "Calcular".
#include "harness.h"
#include "three_sides.h"

namespace {

std::array<double, 14> Values(const ThreeSidesResult &r)
{
    return {r.dmsA.degrees, r.dmsA.minutes, r.dmsA.seconds, r.dmsB.degrees, r.dmsB.minutes,
            r.dmsB.seconds, r.dmsC.degrees, r.dmsC.minutes, r.dmsC.seconds, r.angleA,
            r.angleB,       r.angleC,       r.area,         r.angleSum};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto boxes = fuzz::SplitTexts<3>(data, size);
    const double a = fuzz::ReadBox(boxes[0]);
    const double b = fuzz::ReadBox(boxes[1]);
    const double c = fuzz::ReadBox(boxes[2]);
    if (a == 0 || b == 0 || c == 0)
        return 0; // the window asks for the side instead

    const auto result = SolveThreeSides(a, b, c);
    const auto again = SolveThreeSides(a, b, c);
    if (result.has_value() != again.has_value())
        fuzz::Fail("the same sides failed once and not the other time", "");
    if (!result)
        return 0; // calculation-failure message, no box written

    fuzz::CheckSame(Values(*result), Values(*again));
    fuzz::CheckResults(Values(*result));
    for (double angle : {result->angleA, result->angleB, result->angleC})
        fuzz::CheckWithin(angle, 0, 180, "an angle outside 0 to 180");
    fuzz::CheckWithin(result->angleSum, 0, 540, "an angle sum outside 0 to 540");
    fuzz::CheckWithin(result->area, 0, HUGE_VAL, "a negative area");
    fuzz::CheckSplit(result->dmsA.degrees, result->dmsA.minutes, result->dmsA.seconds);
    fuzz::CheckSplit(result->dmsB.degrees, result->dmsB.minutes, result->dmsB.seconds);
    fuzz::CheckSplit(result->dmsC.degrees, result->dmsC.minutes, result->dmsC.seconds);
    return 0;
}
