#pragma once
// The sines, cosines, arc tangents and hypotenuses of the general solution,
// the same to the last bit on every platform. The C libraries differ there
// (glibc and the musl of WebAssembly's wasi-libc part in about one result in
// a few thousand, by one unit in the last place), and a result written with
// ten decimals shows it: the desktop, the terminal and the browser must not.
// These are musl's algorithms (FreeBSD's msun, from Sun's fdlibm) in portable
// C++: no long double, no fused multiply-add, so every build rounds alike.
// Each is within one unit in the last place, atan2 within two.

namespace portable {

// |x| ≤ π/4 only: the general solution reduces its angles in degrees first.
double SinReduced(double x);
double CosReduced(double x);
double Atan(double x);
double Atan2(double y, double x);
double Hypot(double x, double y);

} // namespace portable
