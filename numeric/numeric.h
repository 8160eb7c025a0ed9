#pragma once
// The number rules every window and solution shares: how a box's text becomes
// a number, how a result becomes text, the rounding and the angle split.

#include <string>
#include <string_view>

// The program's value of pi, used for every degree/radian conversion.
inline constexpr double PiValue = 3.1415927;

// An angle as whole degrees, whole minutes and seconds.
struct Dms {
    double degrees = 0;
    double minutes = 0;
    double seconds = 0;
};

// Reads the leading number of an input box: blanks, optional sign, digits with
// one optional ".", optional exponent. Anything without a digit reads as 0;
// a number beyond the range of a double reads as plus or minus infinity.
double TextValue(std::string_view text);

// The text of a result box: at most 15 significant digits, "." as the decimal
// point, no trailing zeros, exponent form (as "%.15G") at 1E15 and above or
// below 1E-4 in magnitude.
std::string NumberText(double value);

// floor(x * 10000 + 0.5) / 10000, in that order.
double RoundTo4(double x);

// Splits an angle already passed through RoundTo4; the seconds are rounded
// with RoundTo4 and never carried into the minutes.
Dms SplitDegrees(double x);
