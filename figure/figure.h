#pragma once
// The solved triangle as an SVG picture: what `sorvani-calc --svg` writes and
// what the windows show. Plain C++, without Qt.

#include <optional>
#include <string>

struct FigureSide {
    double length;
    std::string text; // the length as the program writes it (NumberText)
};

struct FigureAngle {
    double degrees;   // decimal degrees
    std::string text; // as written, e.g. "36° 52′ 11.64″"
};

// Side a lies opposite angle A, and so on.
struct Figure {
    FigureSide a, b, c;
    FigureAngle A, B, C;
};

// The triangle drawn to scale from its three side lengths and fitted to a
// 640 x 480 picture, its longest side as the base. Vertices are labelled A, B,
// C outside the triangle, sides "a = <text>" outside their midpoints, angles
// with their text and an arc inside their corners (outside when the corner is
// too narrow). The triangle is the polygon of class "triangle", its points in
// the order A, B, C.
// Nothing when it cannot be drawn: a side not positive or not finite, an angle
// not strictly between 0 and 180, or sides that do not close into a triangle.
std::optional<std::string> TriangleSvg(const Figure &figure);

// "36° 52′ 11.64″": each part through NumberText.
std::string DmsText(double degrees, double minutes, double seconds);
