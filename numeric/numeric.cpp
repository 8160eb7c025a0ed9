#include "numeric.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars leaves out-of-range values to us: decide between overflow and
// underflow from the decimal exponent of the leading significant digit.
double OutOfRangeMagnitude(const char *first, const char *last)
{
    long long leading = 0;     // decimal exponent of the first non-zero digit
    bool found = false;
    long long integerDigits = 0;
    const char *p = first;
    for (; p != last && IsDigit(*p); ++p) {
        if (!found && *p != '0') {
            found = true;
            integerDigits = 0;
        }
        if (found)
            ++integerDigits;
    }
    if (found)
        leading = integerDigits - 1;
    if (p != last && *p == '.') {
        ++p;
        for (long long position = 1; p != last && IsDigit(*p); ++p, ++position) {
            if (!found && *p != '0') {
                found = true;
                leading = -position;
            }
        }
    }
    if (!found)
        return 0.0;
    long long exponent = 0;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negative = false;
        if (p != last && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        // Saturate: thousands of exponent digits must neither overflow nor take long.
        for (; p != last && IsDigit(*p); ++p) {
            if (exponent < 1000000000)
                exponent = exponent * 10 + (*p - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

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
    // from_chars would also read "inf" and "nan"; a number starts with a digit or ".".
    if (first == last || !(IsDigit(*first) || *first == '.'))
        return 0.0;

    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument)
        return 0.0; // a lone "." or ".e5": no digit
    if (error == std::errc::result_out_of_range)
        value = OutOfRangeMagnitude(first, end);
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
