#pragma once
// Sines and cosines of angles in degrees, for the general solution. The angle
// is reduced in degrees first, where it is exact, and converted with the exact
// pi only once it lies between 0° and 45°: sin 180° is 0, sin 90° is 1, and
// sin 30°, sin 150° and cos 60° are exactly ½.

// sin and cos of an angle in degrees; any finite angle.
double SinDegrees(double degrees);
double CosDegrees(double degrees);

// An angle in radians in degrees, with the exact pi.
double DegreesFromRadians(double radians);
