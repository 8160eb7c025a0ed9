#include "values.h"

#include "numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsMark(char c, DecimalMark mark)
{
    return c == '.' || (c == ',' && mark == DecimalMark::PointOrComma);
}

// The digits of an unsigned decimal at the start of `text`, with at most one
// mark and at least one digit; empty when there is none.
struct Decimal {
    std::string_view text;
    bool hasMark = false;
};

Decimal ScanDecimal(std::string_view text, DecimalMark mark)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    bool hasMark = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            ++digits;
        else if (IsMark(text[i], mark) && !hasMark)
            hasMark = true;
        else
            break;
    }
    if (digits == 0)
        return {};
    return {text.substr(0, i), hasMark};
}

// A text already checked against the rule, read by the windows' reader once
// its mark is a point: the same rounding, and infinity beyond range.
double ValueOf(std::string_view checked)
{
    std::string copy(checked);
    std::replace(copy.begin(), copy.end(), ',', '.');
    return TextValue(copy);
}

// The separators of an angle in degrees, minutes and seconds.
enum class Token { Number, Degrees, Minutes, Seconds, Colon };

struct Symbol {
    std::string_view text;
    Token token;
};

// Two apostrophes before one, so that '' reads as seconds.
constexpr Symbol kSymbols[] = {
    {"\xC2\xB0", Token::Degrees},     // °
    {"\xC2\xBA", Token::Degrees},     // º, the ordinal that Spanish keyboards offer
    {"\xE2\x80\xB2", Token::Minutes}, // ′
    {"''", Token::Seconds},
    {"'", Token::Minutes},
    {"\xE2\x80\xB3", Token::Seconds}, // ″
    {"\"", Token::Seconds},
    {":", Token::Colon},
};

std::optional<double> ReadDms(std::string_view text, DecimalMark mark)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr int kMaxTokens = 6;
    Token tokens[kMaxTokens];
    Decimal numbers[3];
    int tokenCount = 0;
    int numberCount = 0;
    while (true) {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        if (text.empty())
            break;
        if (tokenCount == kMaxTokens)
            return std::nullopt;
        if (const Decimal number = ScanDecimal(text, mark); !number.text.empty()) {
            if (numberCount == 3)
                return std::nullopt;
            numbers[numberCount++] = number;
            tokens[tokenCount++] = Token::Number;
            text.remove_prefix(number.text.size());
            continue;
        }
        const Symbol *found = nullptr;
        for (const Symbol &symbol : kSymbols) {
            if (text.starts_with(symbol.text)) {
                found = &symbol;
                break;
            }
        }
        if (!found)
            return std::nullopt;
        tokens[tokenCount++] = found->token;
        text.remove_prefix(found->text.size());
    }
    if (numberCount == 0)
        return std::nullopt;

    // One style throughout: 45°30′15″ (the last symbol may be left out),
    // 45:30:15, or 45 30 15.
    const std::span<const Token> shape(tokens, tokenCount);
    using enum Token;
    static constexpr Token kSymbolStyle[] = {Number, Degrees, Number, Minutes, Number, Seconds};
    static constexpr Token kColonStyle[] = {Number, Colon, Number, Colon, Number};
    static constexpr Token kBlankStyle[] = {Number, Number, Number};
    const auto isPrefix = [&](const auto &style, int shortest) {
        return tokenCount >= shortest && std::size(style) >= shape.size()
               && std::equal(shape.begin(), shape.end(), std::begin(style));
    };
    const bool symbols = isPrefix(kSymbolStyle, 2);
    const bool colons = isPrefix(kColonStyle, 3) && shape.back() == Number;
    const bool blanks = isPrefix(kBlankStyle, 2);
    if (!(symbols || colons || blanks))
        return std::nullopt;

    double parts[3] = {0, 0, 0};
    for (int i = 0; i < numberCount; ++i) {
        if (numbers[i].hasMark && i + 1 < numberCount)
            return std::nullopt; // only the last part may have decimals
        parts[i] = ValueOf(numbers[i].text);
        if (i > 0 && !(parts[i] < 60))
            return std::nullopt;
    }
    // Whole degrees and minutes make an exact count of seconds (or minutes),
    // so the one rounding is the last division.
    double value = parts[0];
    if (numberCount == 2)
        value = (parts[0] * 60 + parts[1]) / 60;
    else if (numberCount == 3)
        value = (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 3600;
    return negative ? -value : value;
}

// Drops trailing zeros after a point, then a trailing point.
void DropTrailingZeros(std::string &text)
{
    if (text.find('.') == std::string::npos)
        return;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
}

std::string ExponentText(double x, int decimals)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific,
                                   decimals).ptr;
    const std::string_view text(buffer, end - buffer);
    const std::size_t e = text.find('e');
    std::string mantissa(text.substr(0, e));
    DropTrailingZeros(mantissa);
    return mantissa + "E" + std::string(text.substr(e + 1));
}

// Whether x lies exactly halfway between two numbers of `decimals` places. A
// double m·2^−k with m odd has exactly k decimals, the last one a 5: it is a
// tie at k − 1 places.
bool IsTie(double x, int decimals)
{
    const double upper = std::ldexp(x, decimals + 1);
    const double lower = std::ldexp(x, decimals);
    return upper == std::floor(upper) && lower != std::floor(lower);
}

} // namespace

std::string_view TrimmedBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> ReadNumber(std::string_view text, DecimalMark mark)
{
    text = TrimmedBlanks(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const Decimal digits = ScanDecimal(text.substr(i), mark);
    if (digits.text.empty())
        return std::nullopt;
    i += digits.text.size();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t first = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == first)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return ValueOf(text);
}

bool IsPlainNumber(std::string_view text)
{
    return text == TrimmedBlanks(text) && ReadNumber(text, DecimalMark::Point);
}

std::optional<double> ReadAngle(std::string_view text, DecimalMark mark)
{
    text = TrimmedBlanks(text);
    if (const auto number = ReadNumber(text, mark))
        return number;
    return ReadDms(text, mark);
}

std::string DecimalText(double x, int decimals)
{
    decimals = std::clamp(decimals, 0, 15);
    if (!std::isfinite(x))
        return std::isnan(x) ? "nan" : x > 0 ? "inf" : "-inf";
    const double magnitude = std::fabs(x);
    if (magnitude >= 1e15 || (magnitude != 0 && magnitude < 1e-4))
        return ExponentText(x, decimals);

    // Halfway rounds away from zero, as taught at school: one step past the
    // tie decides it without moving any other rounding.
    const double rounded = IsTie(x, decimals)
                               ? std::nextafter(x, std::copysign(HUGE_VAL, x))
                               : x;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, rounded,
                                   std::chars_format::fixed, decimals).ptr;
    std::string text(buffer, end);
    DropTrailingZeros(text);
    if (text == "-0")
        return "0";
    const std::size_t integerDigits = text.find('.') == std::string::npos
                                          ? text.size() - (x < 0)
                                          : text.find('.') - (x < 0);
    if (integerDigits > 15) // rounded up to 1e15
        return ExponentText(x, decimals);
    return text;
}

std::string ShortestText(double x)
{
    char buffer[32];
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific).ptr;
    const std::string_view scientific(buffer, std::size_t(end - buffer));
    if (!std::isfinite(x))
        return std::string(scientific);
    // "-d.ddde-XX": the significant digits, then where the point goes.
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(negative, e - negative)) {
        if (c != '.')
            digits += c;
    }
    std::string_view power = scientific.substr(e + 1);
    if (power.front() == '+')
        power.remove_prefix(1);
    int exponent = 0;
    std::from_chars(power.data(), power.data() + power.size(), exponent);
    const int count = int(digits.size());
    std::string fixed = negative ? "-" : "";
    if (exponent < 0)
        fixed += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    else if (count <= exponent + 1)
        fixed += digits + std::string(std::size_t(exponent + 1 - count), '0');
    else
        fixed += digits.substr(0, std::size_t(exponent + 1)) + "." + digits.substr(std::size_t(exponent + 1));
    return fixed.size() <= scientific.size() ? fixed : std::string(scientific);
}

std::string DmsAngleText(double degrees)
{
    if (!std::isfinite(degrees))
        return DecimalText(degrees, 0) + "°";
    const double magnitude = std::fabs(degrees);
    double whole = std::floor(magnitude);
    // The fraction is exact; hundredths of a second from it round once.
    double hundredths = std::round((magnitude - whole) * 360000);
    if (hundredths >= 360000) {
        whole += 1;
        hundredths = 0;
    }
    const long count = long(hundredths);
    const long minutes = count / 6000;
    const long centiseconds = count % 6000;
    std::string seconds = std::to_string(centiseconds / 100);
    if (centiseconds % 100 != 0) {
        seconds += '.';
        seconds += char('0' + centiseconds % 100 / 10);
        if (centiseconds % 10 != 0)
            seconds += char('0' + centiseconds % 10);
    }
    const bool negative = degrees < 0 && (whole != 0 || count != 0);
    std::string text = negative ? "-" : "";
    text += DecimalText(whole, 0);
    text += "° ";
    text += std::to_string(minutes);
    text += "′ ";
    text += seconds;
    text += "″";
    return text;
}
