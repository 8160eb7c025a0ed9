// The two-angles window: degrees, minutes and seconds of A and of B and the
// side c typed as anything, then "Calcular".
#include "harness.h"
#include "two_angles_side.h"

namespace {

std::array<double, 7> Values(const TwoAnglesSideResult &r)
{
    return {r.degreesC, r.minutesC, r.secondsC, r.a, r.b, r.area, r.perimeter};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // In the order of the solution's arguments: A d m s, B d m s, c.
    const auto boxes = fuzz::SplitTexts<7>(data, size);
    std::array<double, 7> in{};
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = fuzz::ReadBox(boxes[i]);
    if (in[0] == 0 || in[3] == 0 || in[6] == 0)
        return 0; // the window asks for angle A, angle B or side c

    const auto result = SolveTwoAnglesSide(in[0], in[1], in[2], in[3], in[4], in[5], in[6]);
    const auto again = SolveTwoAnglesSide(in[0], in[1], in[2], in[3], in[4], in[5], in[6]);
    if (result.has_value() != again.has_value())
        fuzz::Fail("the same inputs failed once and not the other time", "");
    if (!result)
        return 0; // this window shows no message and writes no box

    fuzz::CheckSame(Values(*result), Values(*again));
    fuzz::CheckResults(Values(*result));
    fuzz::CheckSplit(result->degreesC, result->minutesC, result->secondsC);
    return 0;
}
