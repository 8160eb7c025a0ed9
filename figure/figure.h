#pragma once
// The solved triangle as an SVG picture: what `sorvani-calc --svg` writes and
// what the windows show. Plain C++, without Qt.

#include <optional>
#include <span>
#include <string>
#include <string_view>

// How a part's label (and an angle's arc) is drawn: in black and grey as the
// three cases' figures always were, or as a given part, or a computed one.
enum class FigureRole { Plain, Datum, Result };

// A dark blue for data and a dark orange for results: each readable on white
// and the two far apart for the common colour blindnesses. Results are also
// set in italics, which tells them apart in a grey print.
inline constexpr std::string_view kFigureDatumColour = "#0050a0";
inline constexpr std::string_view kFigureResultColour = "#b03c00";

struct FigureSide {
    double length;
    std::string text; // shown as given: the length as written, or "?" for an unknown
    FigureRole role = FigureRole::Plain;
};

struct FigureAngle {
    double degrees;   // decimal degrees
    std::string text; // shown as given, e.g. "36° 52′ 11.64″"
    FigureRole role = FigureRole::Plain;
};

// Side a lies opposite angle A, and so on. The lengths and degrees draw the
// triangle; the texts are only shown.
struct Figure {
    FigureSide a, b, c;
    FigureAngle A, B, C;
    std::string title{}; // above it among several, e.g. "Solución 1"
};

// The triangle drawn to scale from its three side lengths and fitted to a
// 640 x 480 picture, its longest side as the base. Vertices are labelled A, B,
// C outside the triangle, sides "a = <text>" outside their midpoints, angles
// with their text and an arc inside their corners (outside when the corner is
// too narrow). The triangle is the polygon of class "triangle", its points in
// the order A, B, C. The title is not drawn.
// Nothing when it cannot be drawn: a side not positive or not finite, an angle
// not strictly between 0 and 180, or sides that do not close into a triangle.
std::optional<std::string> TriangleSvg(const Figure &figure);

// Several triangles side by side in one picture, each in a 640 x 480 panel
// drawn as TriangleSvg draws it, under a band with its title: two make a
// picture of 1280 x 520. Each panel is a group of class "panel".
// Nothing when there is no figure or one cannot be drawn.
std::optional<std::string> TrianglesSvg(std::span<const Figure> figures);

// text as XML or HTML text or attribute value: &, <, >, " and ' as
// references, control characters but line feeds and tabs dropped (XML allows
// them in no form). The one escaping of the figures and of the HTML pages.
void AppendEscaped(std::string &out, std::string_view text);

// "36° 52′ 11.64″": each part through NumberText, the three cases' way of
// writing an angle.
std::string DmsText(double degrees, double minutes, double seconds);
