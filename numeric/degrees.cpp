#include "degrees.h"

#include "portable_math.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// 0 <= x <= 45. Of the angles with a whole or decimal number of degrees only
// the multiples of 30° have a rational sine (Niven), so 30° is the one such
// value in this range that the conversion to radians could miss.
double SinReduced(double x)
{
    return x == 30 ? 0.5 : portable::SinReduced(x * kRadiansPerDegree);
}

double CosReduced(double x)
{
    return portable::CosReduced(x * kRadiansPerDegree);
}

// 0 <= x <= 90: the subtraction is exact from 45° on.
double SinQuadrant(double x)
{
    return x > 45 ? CosReduced(90 - x) : SinReduced(x);
}

double CosQuadrant(double x)
{
    return x > 45 ? SinReduced(90 - x) : CosReduced(x);
}

} // namespace

double SinDegrees(double degrees)
{
    double x = std::fmod(degrees, 360.0); // exact
    double sign = 1;
    if (x < 0) {
        x = -x;
        sign = -1;
    }
    if (x > 180) { // sin(x) = −sin(x − 180°)
        x -= 180;
        sign = -sign;
    }
    if (x > 90)
        x = 180 - x;
    return sign * SinQuadrant(x);
}

double CosDegrees(double degrees)
{
    double x = std::fabs(std::fmod(degrees, 360.0));
    if (x > 180)
        x = 360 - x;
    if (x > 90)
        return -CosQuadrant(180 - x);
    return CosQuadrant(x);
}

double DegreesFromRadians(double radians)
{
    return radians * kDegreesPerRadian;
}
