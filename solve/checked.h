#pragma once
// A double that remembers whether any step that produced it failed: a division
// by zero (zero by zero too), the square root of a negative number, or a value
// beyond the range of a double. A later step can turn such a value back into a
// finite number (atan of infinity, 1 / infinity), so every step is checked.

#include "numeric.h"

#include <cmath>

class Checked {
public:
    Checked(double value) : value_(value), ok_(std::isfinite(value)) {}

    double value() const { return value_; }
    bool ok() const { return ok_; }

    friend Checked operator+(Checked x, Checked y) { return {x.value_ + y.value_, x.ok_ && y.ok_}; }
    friend Checked operator-(Checked x, Checked y) { return {x.value_ - y.value_, x.ok_ && y.ok_}; }
    friend Checked operator*(Checked x, Checked y) { return {x.value_ * y.value_, x.ok_ && y.ok_}; }
    friend Checked operator/(Checked x, Checked y)
    {
        return {x.value_ / y.value_, x.ok_ && y.ok_ && y.value_ != 0.0};
    }
    friend Checked Sqrt(Checked x) { return {std::sqrt(x.value_), x.ok_ && x.value_ >= 0.0}; }
    friend Checked Atan(Checked x) { return {std::atan(x.value_), x.ok_}; }
    friend Checked Sin(Checked x) { return {std::sin(x.value_), x.ok_}; }
    friend Checked Cos(Checked x) { return {std::cos(x.value_), x.ok_}; }
    friend Checked Floor(Checked x) { return {std::floor(x.value_), x.ok_}; }

    // A rounding rule over plain doubles, applied to a checked value.
    template <typename Rule>
    friend Checked Apply(Rule rule, Checked x) { return {rule(x.value_), x.ok_}; }

private:
    Checked(double value, bool ok) : value_(value), ok_(ok && std::isfinite(value)) {}

    double value_;
    bool ok_;
};

// An angle from the tangent of its half: twice the arc tangent, in degrees,
// converted with the program's pi.
inline Checked HalfAngleDegrees(Checked tangent)
{
    return ((Atan(tangent) * 180) / PiValue) * 2;
}
