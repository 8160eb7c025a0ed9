#pragma once
// How the general solution's values are read and written. Unlike the windows'
// boxes, which take the leading number of any text, these read a value whole
// or not at all, and write a chosen number of decimals.

#include <optional>
#include <string>
#include <string_view>

// The text without the blanks and tabs around it.
std::string_view TrimmedBlanks(std::string_view text);

// Which decimal marks a value may carry.
enum class DecimalMark {
    PointOrComma, // "3.5" and "3,5": a person's input, a Spanish worksheet
    Point,        // "3.5" only: the international worksheet, where "," parts fields
};

// A decimal number, whole: blanks around it, an optional sign, digits with at
// most one decimal mark (and a digit before or after it), an optional exponent
// ("1e-6", "2E+3"). Beyond the range of a double it reads as plus or minus
// infinity ("1e400"), so that the solution refuses it as out of range rather
// than the reader as unreadable. Nothing for "", "12cm", "0x10", "3..5",
// "1,5e3,2", "inf", "nan", or a degrees-minutes-seconds text.
std::optional<double> ReadNumber(std::string_view text, DecimalMark mark = DecimalMark::PointOrComma);

// Whether `text` is a number with a decimal point and nothing else, not even
// a blank around it: a value that the windows' reader takes whole.
bool IsPlainNumber(std::string_view text);

// An angle in decimal degrees: a number as ReadNumber reads it, or degrees,
// minutes and seconds, "45°30′15″", "45°30'15\"", "45º 30' 15''", "45:30:15"
// or "45 30 15", where trailing parts may be left out ("45°30′", "45:30") and
// only the last part given may have decimals. Minutes and seconds are below 60.
// A sign goes before the degrees and applies to the whole angle.
std::optional<double> ReadAngle(std::string_view text, DecimalMark mark = DecimalMark::PointOrComma);

// x rounded to `decimals` places (0 to 15; an exact halfway case away from
// zero, as at school: 2.5 gives "3"), "." as the mark, trailing zeros
// and a trailing mark dropped, never "-0": "36.8699", "90", "0.5". From 1e15
// up, and for a nonzero x below 1e-4 in magnitude, in exponent form with up to
// `decimals` places in the mantissa: "1.2346E-100", "1E+20".
std::string DecimalText(double x, int decimals);

// The shortest text that reads back as x: the digits of std::to_chars's
// shortest round trip, written out without an exponent when that is not
// longer than with one, as JavaScript writes numbers below 1e21:
// "37627409541822030" (not the exact "37627409541822032", a digit longer
// than it needs), "0.001", "1e-07", "1e+21". Non-finite x as to_chars writes it.
std::string ShortestText(double x);

// An angle given in decimal degrees as "36° 52′ 11.64″": whole degrees, whole
// minutes, the seconds rounded to two decimals (trailing zeros dropped), a
// rounding up to 60 carried into the minutes and degrees.
std::string DmsAngleText(double degrees);
