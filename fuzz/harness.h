#pragma once
// Shared by the fuzz targets: the fuzzer's bytes become the texts of a
// window's input boxes, each box is read the way "Calcular" reads it, and
// every result is checked the way its box would show it.

#include "numeric.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Fail(const char *what, std::string_view detail)
{
    std::fprintf(stderr, "CHECK FAILED: %s: \"%.*s\"\n", what,
                 int(detail.size() > 200 ? 200 : detail.size()), detail.data());
    std::abort();
}

[[noreturn]] inline void Fail(const char *what, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    Fail(what, text);
}

// Boxes are separated by line feeds; the last box takes the rest, line feeds
// and all, and boxes the input does not reach stay empty.
template <std::size_t N>
std::array<std::string_view, N> SplitTexts(const std::uint8_t *data, std::size_t size)
{
    std::array<std::string_view, N> boxes{};
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t end = i + 1 == N ? rest.npos : rest.find('\n');
        if (end == rest.npos) {
            boxes[i] = rest;
            break;
        }
        boxes[i] = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    return boxes;
}

inline bool SameBits(double x, double y)
{
    return std::memcmp(&x, &y, sizeof x) == 0;
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A second reading of a box, written apart from TextValue: cut the longest
// prefix that fits the number rule and let strtod (correctly rounded, C
// locale) convert it.
inline double ReferenceValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    int digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits)
        number += text[i];
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        for (; i < text.size() && IsDigit(text[i]); ++i, ++digits)
            number += text[i];
    }
    if (digits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent += text[j];
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

// One input box as "Calcular" reads it. TextValue must agree with the second
// reading, and whatever follows the number must not change it.
inline double ReadBox(std::string_view text)
{
    const double value = TextValue(text);
    if (std::isnan(value))
        Fail("TextValue gave NaN", text);
    if (!SameBits(value, ReferenceValue(text)))
        Fail("TextValue differs from strtod of the number's text", text);
    std::string longer(text);
    longer += "#9";
    if (!SameBits(TextValue(longer), value))
        Fail("text after the number changed its value", text);
    return value;
}

// The form NumberText promises: an optional "-", a mantissa of at most 15
// significant digits with a leading digit before any ".", no trailing zeros
// or "." after the decimals, and an optional exponent "E+dd" or "E-dd".
inline void CheckForm(const std::string &text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    if (i == text.size() || !IsDigit(text[i]))
        Fail("result text does not start with a digit", text);
    std::size_t significant = 0;
    bool leading = true;
    bool point = false;
    std::size_t mantissaEnd = i;
    for (; mantissaEnd < text.size() && text[mantissaEnd] != 'E'; ++mantissaEnd) {
        const char c = text[mantissaEnd];
        if (c == '.') {
            if (point)
                Fail("result text has two points", text);
            point = true;
        } else if (!IsDigit(c)) {
            Fail("result text holds a stray character", text);
        } else if (c != '0' || !leading) {
            leading = false;
            ++significant;
        }
    }
    if (significant > 15)
        Fail("result text has more than 15 significant digits", text);
    if (point && (text[mantissaEnd - 1] == '0' || text[mantissaEnd - 1] == '.'))
        Fail("result text ends in a zero decimal or a point", text);
    if (mantissaEnd < text.size()) {
        std::size_t j = mantissaEnd + 1;
        if (j == text.size() || (text[j] != '+' && text[j] != '-'))
            Fail("result exponent without a sign", text);
        if (++j == text.size())
            Fail("result exponent without digits", text);
        for (; j < text.size(); ++j) {
            if (!IsDigit(text[j]))
                Fail("result exponent holds a stray character", text);
        }
    }
}

// A result as its box shows it: a finite number whose text has the promised
// form and reads back as the same number to 15 significant digits.
inline void CheckResult(double x)
{
    if (!std::isfinite(x))
        Fail("a result is not finite", x);
    const std::string text = NumberText(x);
    CheckForm(text);
    const double back = TextValue(text);
    if (!std::isfinite(back))
        Fail("a result text reads back as infinity", text);
    if (x == 0) {
        if (back != 0)
            Fail("zero reads back as non-zero", text);
        return;
    }
    char want[32], got[32];
    std::snprintf(want, sizeof want, "%.14e", x);
    std::snprintf(got, sizeof got, "%.14e", back);
    if (std::strcmp(want, got) != 0)
        Fail("a result text reads back as another number", text);
}

template <std::size_t N>
void CheckResults(const std::array<double, N> &values)
{
    for (double x : values)
        CheckResult(x);
}

// A solution keeps no state: a second call gives the same outcome, bit for bit.
template <std::size_t N>
void CheckSame(const std::array<double, N> &first, const std::array<double, N> &second)
{
    if (std::memcmp(first.data(), second.data(), sizeof first) != 0)
        Fail("the same inputs gave other results", "");
}

inline void CheckWhole(double x, double low, double high, const char *what)
{
    if (!(x == std::floor(x) && x >= low && x <= high))
        Fail(what, x);
}

inline void CheckWithin(double x, double low, double high, const char *what)
{
    if (!(x >= low && x <= high))
        Fail(what, x);
}

// Degrees, minutes and seconds of an angle: whole degrees, whole minutes
// 0 to 59, seconds 0 to 60 (60 is possible: there is no carry).
inline void CheckSplit(double degrees, double minutes, double seconds)
{
    if (degrees != std::floor(degrees))
        Fail("degrees are not whole", degrees);
    CheckWhole(minutes, 0, 59, "minutes outside 0 to 59");
    CheckWithin(seconds, 0, 60, "seconds outside 0 to 60");
}

} // namespace fuzz
