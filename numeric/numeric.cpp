#include "numeric.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double TextValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const char *first = text.data() + i;
    const char *last = text.data() + text.size();
    // The reader would also take "inf" and "nan"; a number starts with a digit or ".".
    if (first == last || !(IsDigit(*first) || *first == '.'))
        return 0.0;

    // fast_float, on every platform alike (libc++ has no from_chars for a
    // double): correctly rounded, infinity beyond the largest double and zero
    // below the smallest.
    double value = 0.0;
    const auto result = fast_float::from_chars(first, last, value, fast_float::chars_format::general);
    if (result.ec != std::errc())
        return 0.0; // a lone "." or ".e5": no digit
    return negative ? -value : value;
}

std::string NumberText(double value)
{
    if (value == 0.0)
        return "0"; // negative zero too
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

double RoundTo4(double x)
{
    return std::floor(x * 10000.0 + 0.5) / 10000.0;
}

Dms SplitDegrees(double x)
{
    const double d = std::floor(x);
    const double m = 60.0 * (x - d);
    const double whole = std::floor(m);
    return {d, whole, RoundTo4(60.0 * (m - whole))};
}
