// The number rules alone: the whole input as one box, and its first eight
// bytes as any double a result could be.
#include "harness.h"

namespace {

// No result comes near the largest double: each is rounded through a product
// with 1000 or 10000, or, for the perimeter of two angles and a side, bounded
// by c squared. Near 1.8e308 the 15-digit text names a number beyond every
// double and reads back as infinity, so such values are left out.
bool CouldBeResult(double x)
{
    return std::isfinite(x) && std::fabs(x) < 1e308;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = fuzz::ReadBox(text);
    if (CouldBeResult(value)) {
        fuzz::CheckResult(value);
        const double rounded = RoundTo4(value);
        if (std::isfinite(rounded)) // beyond 1.8e304 the product with 10000 overflows
            fuzz::CheckResult(rounded);
    }

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        if (CouldBeResult(bits)) {
            fuzz::CheckResult(bits);
            // A text once written reads back and is written the same.
            const std::string once = NumberText(bits);
            if (NumberText(TextValue(once)) != once)
                fuzz::Fail("a result text changes when read and written again", once);
        }
    }
    return 0;
}
