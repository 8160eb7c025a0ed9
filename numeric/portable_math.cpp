// The algorithms of musl's src/math (MIT licence, Copyright © 2005-2020 Rich
// Felker, et al.), which come from FreeBSD's msun and Sun's fdlibm:
// ====================================================
// Copyright (C) 1993 by Sun Microsystems, Inc. All rights reserved.
//
// Developed at SunPro, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this
// software is freely granted, provided that this notice
// is preserved.
// ====================================================
#include "portable_math.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace portable {

namespace {

std::uint32_t HighWord(double x) { return std::uint32_t(std::bit_cast<std::uint64_t>(x) >> 32); }
std::uint32_t LowWord(double x) { return std::uint32_t(std::bit_cast<std::uint64_t>(x)); }

constexpr double kPi = 3.1415926535897931160E+00;   // 0x400921FB54442D18
constexpr double kPiLow = 1.2246467991473531772E-16; // 0x3CA1A62633145C07

// atan(0.5), atan(1), atan(1.5), atan(inf), high and low parts.
constexpr double kAtanHigh[] = {
    4.63647609000806093515e-01, // 0x3FDDAC670561BB4F
    7.85398163397448278999e-01, // 0x3FE921FB54442D18
    9.82793723247329054082e-01, // 0x3FEF730BD281F69B
    1.57079632679489655800e+00, // 0x3FF921FB54442D18
};
constexpr double kAtanLow[] = {
    2.26987774529616870924e-17, // 0x3C7A2B7F222F65E2
    3.06161699786838301793e-17, // 0x3C81A62633145C07
    1.39033110312309984516e-17, // 0x3C7007887AF0CBBD
    6.12323399573676603587e-17, // 0x3C91A62633145C07
};
constexpr double kAtanTerms[] = {
    3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
    -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
    6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
    -3.65315727442169155270e-02, 1.62858201153657823623e-02,
};

} // namespace

double SinReduced(double x)
{
    constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                     S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                     S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
    if ((HighWord(x) & 0x7fffffff) < 0x3e500000) // |x| < 2^-26
        return x;
    const double z = x * x;
    const double w = z * z;
    const double r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
    const double v = z * x;
    return x + v * (S1 + z * r);
}

double CosReduced(double x)
{
    constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                     C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                     C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
    if ((HighWord(x) & 0x7fffffff) < 0x3e46a09e) // |x| < 2^-27·√2
        return 1.0;
    const double z = x * x;
    double w = z * z;
    const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
    const double hz = 0.5 * z;
    w = 1.0 - hz;
    return w + (((1.0 - w) - hz) + z * r);
}

double Atan(double x)
{
    std::uint32_t ix = HighWord(x);
    const bool negative = ix >> 31;
    ix &= 0x7fffffff;
    if (ix >= 0x44100000) { // |x| ≥ 2^66
        if (std::isnan(x))
            return x;
        return negative ? -kAtanHigh[3] : kAtanHigh[3];
    }
    int id;
    if (ix < 0x3fdc0000) {     // |x| < 0.4375
        if (ix < 0x3e400000)   // |x| < 2^-27
            return x;
        id = -1;
    } else {
        x = std::fabs(x);
        if (ix < 0x3ff30000) {     // |x| < 1.1875
            if (ix < 0x3fe60000) { // 7/16 ≤ |x| < 11/16
                id = 0;
                x = (2.0 * x - 1.0) / (2.0 + x);
            } else { // 11/16 ≤ |x| < 19/16
                id = 1;
                x = (x - 1.0) / (x + 1.0);
            }
        } else if (ix < 0x40038000) { // |x| < 2.4375
            id = 2;
            x = (x - 1.5) / (1.0 + 1.5 * x);
        } else { // 2.4375 ≤ |x| < 2^66
            id = 3;
            x = -1.0 / x;
        }
    }
    const double z = x * x;
    const double w = z * z;
    const double *a = kAtanTerms;
    // The odd and the even terms of the series apart.
    const double s1 = z * (a[0] + w * (a[2] + w * (a[4] + w * (a[6] + w * (a[8] + w * a[10])))));
    const double s2 = w * (a[1] + w * (a[3] + w * (a[5] + w * (a[7] + w * a[9]))));
    if (id < 0)
        return x - x * (s1 + s2);
    const double t = kAtanHigh[id] - ((x * (s1 + s2) - kAtanLow[id]) - x);
    return negative ? -t : t;
}

double Atan2(double y, double x)
{
    if (std::isnan(x) || std::isnan(y))
        return x + y;
    std::uint32_t ix = HighWord(x), lx = LowWord(x);
    std::uint32_t iy = HighWord(y), ly = LowWord(y);
    if (((ix - 0x3ff00000) | lx) == 0) // x = 1
        return Atan(y);
    const std::uint32_t m = ((iy >> 31) & 1) | ((ix >> 30) & 2); // 2·sign(x) + sign(y)
    ix &= 0x7fffffff;
    iy &= 0x7fffffff;
    if ((iy | ly) == 0) { // y = 0
        switch (m) {
        case 0:
        case 1: return y;
        case 2: return kPi;
        default: return -kPi;
        }
    }
    if ((ix | lx) == 0) // x = 0
        return m & 1 ? -kPi / 2 : kPi / 2;
    if (ix == 0x7ff00000) { // x infinite
        if (iy == 0x7ff00000) {
            switch (m) {
            case 0: return kPi / 4;
            case 1: return -kPi / 4;
            case 2: return 3 * kPi / 4;
            default: return -3 * kPi / 4;
            }
        }
        switch (m) {
        case 0: return 0.0;
        case 1: return -0.0;
        case 2: return kPi;
        default: return -kPi;
        }
    }
    if (ix + (64 << 20) < iy || iy == 0x7ff00000) // |y/x| > 2^64
        return m & 1 ? -kPi / 2 : kPi / 2;
    const double z = (m & 2) && iy + (64 << 20) < ix ? 0.0 // |y/x| < 2^-64, x < 0
                                                      : Atan(std::fabs(y / x));
    switch (m) {
    case 0: return z;
    case 1: return -z;
    case 2: return kPi - (z - kPiLow);
    default: return (z - kPiLow) - kPi;
    }
}

namespace {

// x² as hi + lo exactly, by Dekker's split.
void Square(double x, double &hi, double &lo)
{
    constexpr double kSplit = 0x1p27 + 1;
    const double xc = x * kSplit;
    const double xh = x - xc + xc;
    const double xl = x - xh;
    hi = x * x;
    lo = xh * xh - hi + 2 * xh * xl + xl * xl;
}

} // namespace

double Hypot(double x, double y)
{
    std::uint64_t ux = std::bit_cast<std::uint64_t>(x) & (~0ULL >> 1);
    std::uint64_t uy = std::bit_cast<std::uint64_t>(y) & (~0ULL >> 1);
    if (ux < uy)
        std::swap(ux, uy);
    const int ex = int(ux >> 52), ey = int(uy >> 52);
    x = std::bit_cast<double>(ux);
    y = std::bit_cast<double>(uy);
    if (ey == 0x7ff) // hypot(inf, nan) is inf
        return y;
    if (ex == 0x7ff || uy == 0)
        return x;
    if (ex - ey > 64)
        return x + y;
    // Scaled so that the squares neither overflow nor lose their low parts.
    double z = 1;
    if (ex > 0x3ff + 510) {
        z = 0x1p700;
        x *= 0x1p-700;
        y *= 0x1p-700;
    } else if (ey < 0x3ff - 450) {
        z = 0x1p-700;
        x *= 0x1p700;
        y *= 0x1p700;
    }
    double hx, lx, hy, ly;
    Square(x, hx, lx);
    Square(y, hy, ly);
    return z * std::sqrt(ly + lx + hy + hx);
}

} // namespace portable
