#include "figure.h"

#include "numeric.h"
#include "portable_math.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The picture, and the box the triangle is scaled into before its labels are
// added; the view box then takes in triangle and labels with their proportions.
constexpr double kWidth = 640;
constexpr double kHeight = 480;
constexpr std::string_view kWidthText = "640";
constexpr std::string_view kHeightText = "480";
constexpr double kFitWidth = 500;
constexpr double kFitHeight = 320;
constexpr double kMargin = 14;
constexpr double kGap = 6; // between a label and what it names
constexpr double kArcRadius = 28;
constexpr double kStep = 4; // how far a label that collides moves per try
constexpr int kTries = 30;
constexpr double kVertexSize = 18;
constexpr double kSideSize = 15;
constexpr double kAngleSize = 13;
// Above each of several panels, the band its title is centred in.
constexpr double kTitleBand = 40;
constexpr double kTitleSize = 20;
// Sides rounded to a few decimals may miss closing by a hair; a gap this small
// stays below a pixel of the picture, so such a triangle is drawn flat.
constexpr double kClosure = 1e-3;

struct Point {
    double x = 0, y = 0;
};
Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
Point operator-(Point p) { return {-p.x, -p.y}; }
Point operator*(double k, Point p) { return {k * p.x, k * p.y}; }
double Dot(Point p, Point q) { return p.x * q.x + p.y * q.y; }
double Cross(Point p, Point q) { return p.x * q.y - p.y * q.x; }
double Length(Point p) { return portable::Hypot(p.x, p.y); }

// The unit vector along p, or `fallback` when p has no direction.
Point Unit(Point p, Point fallback)
{
    const double length = Length(p);
    if (!(length > 1e-9))
        return fallback;
    return {p.x / length, p.y / length};
}

// Advance of a Liberation Sans text, close enough to keep labels apart.
double TextWidth(std::string_view text, double size)
{
    double em = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80)
            continue; // inside a UTF-8 sequence
        if (c >= 0x80)
            em += 0.45; // °, ′, ″
        else if (c >= '0' && c <= '9')
            em += 0.556;
        else if (c == ' ' || c == '.' || c == ',')
            em += 0.278;
        else if (c == '-')
            em += 0.333;
        else if (c >= 'A' && c <= 'Z')
            em += 0.72;
        else
            em += 0.584;
    }
    return em * size;
}

struct Label {
    std::string text;
    double size = 0;
    std::string_view look; // attributes of its <text> for a plain part
    FigureRole role = FigureRole::Plain;
    Point center;
    double halfWidth = 0, halfHeight = 0;

    Label(std::string text_, double size_, std::string_view look_)
        : text(std::move(text_)), size(size_), look(look_), halfWidth(TextWidth(text, size_) / 2),
          halfHeight(0.42 * size_)
    {
    }
    // How far the box reaches from its centre along the unit direction u.
    double Reach(Point u) const { return halfWidth * std::abs(u.x) + halfHeight * std::abs(u.y); }
    std::array<Point, 4> Corners() const
    {
        return {{{center.x - halfWidth, center.y - halfHeight},
                 {center.x + halfWidth, center.y - halfHeight},
                 {center.x - halfWidth, center.y + halfHeight},
                 {center.x + halfWidth, center.y + halfHeight}}};
    }
};

bool Overlap(const Label &p, const Label &q)
{
    return std::abs(p.center.x - q.center.x) < p.halfWidth + q.halfWidth + 2
           && std::abs(p.center.y - q.center.y) < p.halfHeight + q.halfHeight + 2;
}

class Placement {
public:
    bool Free(const Label &label) const
    {
        return std::none_of(labels_.begin(), labels_.end(),
                            [&](const Label &other) { return Overlap(label, other); });
    }
    // Moves the label along `away` until it is clear of those placed before it.
    void PlaceClear(Label label, Point away)
    {
        for (int i = 0; i < kTries && !Free(label); ++i)
            label.center = label.center + kStep * away;
        labels_.push_back(std::move(label));
    }
    void Place(Label label) { labels_.push_back(std::move(label)); }
    const std::vector<Label> &Labels() const { return labels_; }

private:
    std::vector<Label> labels_;
};

std::string Escaped(std::string_view text)
{
    std::string out;
    AppendEscaped(out, text);
    return out;
}

// A scale factor, which needs more decimals than a coordinate.
struct Factor {
    double value;
};

// Writes numbers with two decimals and remembers whether any was not finite.
class SvgWriter {
public:
    std::string text;
    bool finite = true;

    SvgWriter &operator<<(std::string_view part)
    {
        text += part;
        return *this;
    }
    SvgWriter &operator<<(char part)
    {
        text += part;
        return *this;
    }
    SvgWriter &operator<<(double value)
    {
        finite = finite && std::isfinite(value);
        char buffer[64];
        const auto result
            = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
        text.append(buffer, result.ptr);
        return *this;
    }
    SvgWriter &operator<<(Factor factor)
    {
        finite = finite && std::isfinite(factor.value);
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, factor.value,
                                          std::chars_format::fixed, 6);
        text.append(buffer, result.ptr);
        return *this;
    }
};

// A corner: unit vectors along its two sides, its outward bisector and the
// radius of its arc, which stays inside the triangle.
struct Corner {
    Point first, second, out;
    double radius = 0;
};

// The triangle in picture units, y growing downwards. Indices 0, 1, 2 stand
// for A, B, C and for the sides a, b, c opposite them.
struct Shape {
    int apex = 2; // above the base, the side of the same index
    int left = 1;
    std::array<Point, 3> vertex;
    std::array<Point, 3> middle, outward; // of each side
    std::array<Corner, 3> corner;

    // Whether the label lies inside, a little clear of every side.
    bool Inside(const Label &label) const
    {
        for (const Point point : label.Corners()) {
            for (int i = 0; i < 3; ++i) {
                if (Dot(point - middle[i], -outward[i]) < 2)
                    return false;
            }
        }
        return true;
    }
};

// Vertices from the three lengths, or nothing when they do not close.
std::optional<Shape> ShapeOf(double a, double b, double c)
{
    // The longest side is the base (c on a tie, as in the windows' example)
    // with the third vertex above it; A, B, C keep the example's turning order.
    const std::array<double, 3> length{a, b, c};
    Shape shape;
    shape.apex = (c >= a && c >= b) ? 2 : (a >= b ? 0 : 1);
    const int right = (shape.apex + 1) % 3;
    shape.left = (shape.apex + 2) % 3;
    // Lengths relative to the base, so that no square overflows or underflows;
    // the side from the left vertex up to the apex lies opposite the right one.
    const double fromLeft = length[right] / length[shape.apex];
    const double fromRight = length[shape.left] / length[shape.apex];
    if (fromLeft + fromRight < 1 - kClosure)
        return std::nullopt;
    // Height by Kahan's area formula, exact enough for needle-thin triangles;
    // the foot of the height by the law of cosines.
    const double p = std::max(fromLeft, fromRight), q = std::min(fromLeft, fromRight);
    const double product = (1 + (p + q)) * (q - (1 - p)) * (q + (1 - p)) * (1 + (p - q));
    const double height = std::sqrt(std::max(product, 0.0)) / 2;
    const double foot
        = std::clamp((1 + (fromLeft - fromRight) * (fromLeft + fromRight)) / 2, 0.0, 1.0);
    const double scale = height > 0 ? std::min(kFitWidth, kFitHeight / height) : kFitWidth;
    shape.vertex[shape.left] = {0, 0};
    shape.vertex[right] = {scale, 0};
    shape.vertex[shape.apex] = {foot * scale, -height * scale};
    const double doubleArea = scale * (height * scale);

    for (int i = 0; i < 3; ++i) {
        const Point from = shape.vertex[(i + 1) % 3], to = shape.vertex[(i + 2) % 3];
        shape.middle[i] = 0.5 * (from + to);
        const Point along = Unit(to - from, {1, 0});
        Point normal{along.y, -along.x};
        if (i == shape.apex)
            normal = {0, 1}; // the base's label goes below it
        else if (normal.y > 0
                 || (normal.y == 0 && Dot(normal, shape.vertex[i] - shape.middle[i]) > 0))
            normal = -normal;
        shape.outward[i] = normal;

        const Point toFirst = from - shape.vertex[i];
        const Point toSecond = to - shape.vertex[i];
        Corner &corner = shape.corner[i];
        corner.first = Unit(toFirst, {1, 0});
        corner.second = Unit(toSecond, {-1, 0});
        corner.out = Unit(-(corner.first + corner.second), {0, -1});
        const double opposite = Length(to - from);
        const double altitude = opposite > 0 ? doubleArea / opposite : 0;
        corner.radius
            = std::min({kArcRadius, 0.4 * Length(toFirst), 0.4 * Length(toSecond), 0.8 * altitude});
    }
    return shape;
}

// An angle's text inside its corner, as close to it as both sides allow (the
// box just clear of each), then past the arc; a corner too narrow for it gets
// it outside, past its letter.
void PlaceAngle(Placement &placement, const Shape &shape, int i, Label label)
{
    const Corner &corner = shape.corner[i];
    std::array<Point, 2> normal;
    std::array<double, 2> clearance;
    for (int s = 0; s < 2; ++s) {
        const Point side = s == 0 ? corner.first : corner.second;
        const Point other = s == 0 ? corner.second : corner.first;
        normal[s] = {-side.y, side.x};
        if (Dot(normal[s], other) < 0)
            normal[s] = -normal[s];
        clearance[s] = kGap + label.Reach(normal[s]);
    }
    const double det = Cross(normal[0], normal[1]);
    if (std::abs(det) > 1e-3) {
        Point offset{(clearance[0] * normal[1].y - clearance[1] * normal[0].y) / det,
                     (normal[0].x * clearance[1] - normal[1].x * clearance[0]) / det};
        const Point away = Unit(offset, -corner.out);
        offset = std::max(Length(offset), corner.radius + kGap + label.Reach(away)) * away;
        for (int t = 0; t < kTries; ++t, offset = offset + kStep * away) {
            label.center = shape.vertex[i] + offset;
            if (shape.Inside(label) && placement.Free(label)) {
                placement.Place(std::move(label));
                return;
            }
        }
    }
    const Label letter = placement.Labels()[i]; // a copy: placing may move the list
    if (i == shape.apex) {
        const double past
            = Dot(letter.center - shape.vertex[i], corner.out) + letter.Reach(corner.out);
        label.center = shape.vertex[i] + (past + kGap / 2 + label.Reach(corner.out)) * corner.out;
        placement.PlaceClear(std::move(label), corner.out);
    } else {
        // Under the letter of a sharp base corner, reaching toward the
        // triangle rather than widening the picture.
        const double inward = i == shape.left ? 1 : -1;
        label.center = {letter.center.x + inward * (label.halfWidth - letter.halfWidth),
                        letter.center.y + letter.halfHeight + kGap / 2 + label.halfHeight};
        placement.PlaceClear(std::move(label), {0, 1});
    }
}

// Letters first, then sides, then angles: each later label gives way.
std::vector<Label> LabelsOf(const Shape &shape, const Figure &figure)
{
    static constexpr std::string_view kVertexLook = R"(font-weight="bold" fill="#404040")";
    static constexpr std::string_view kSideLook = R"(fill="#000000")";
    static constexpr std::string_view kAngleLook = R"(fill="#303030")";
    const std::array<const FigureSide *, 3> sides{&figure.a, &figure.b, &figure.c};
    const std::array<const FigureAngle *, 3> angles{&figure.A, &figure.B, &figure.C};

    Placement placement;
    for (int i = 0; i < 3; ++i) {
        Label label(std::string(1, static_cast<char>('A' + i)), kVertexSize, kVertexLook);
        const Point out = shape.corner[i].out;
        label.center = shape.vertex[i] + (kGap + label.Reach(out)) * out;
        placement.PlaceClear(std::move(label), out);
    }
    for (int i = 0; i < 3; ++i) {
        Label label(std::string(1, static_cast<char>('a' + i)) + " = " + sides[i]->text,
                    kSideSize, kSideLook);
        label.role = sides[i]->role;
        const Point out = shape.outward[i];
        label.center = shape.middle[i] + (kGap + label.Reach(out)) * out;
        placement.PlaceClear(std::move(label), out);
    }
    for (int i = 0; i < 3; ++i) {
        Label label(angles[i]->text, kAngleSize, kAngleLook);
        label.role = angles[i]->role;
        PlaceAngle(placement, shape, i, std::move(label));
    }
    return placement.Labels();
}

// A triangle laid out in its own picture units: its shape, its labels, the
// roles of its arcs and the box that frames them in the picture's proportions.
struct Layout {
    Shape shape;
    std::vector<Label> labels;
    std::array<FigureRole, 3> arcRoles{};
    double boxX = 0, boxY = 0, boxWidth = 0, boxHeight = 0;
};

std::optional<Layout> LayOut(const Figure &figure)
{
    for (const FigureSide *side : {&figure.a, &figure.b, &figure.c}) {
        if (!(std::isfinite(side->length) && side->length > 0))
            return std::nullopt;
    }
    for (const FigureAngle *angle : {&figure.A, &figure.B, &figure.C}) {
        if (!(angle->degrees > 0 && angle->degrees < 180))
            return std::nullopt;
    }
    const std::optional<Shape> shape = ShapeOf(figure.a.length, figure.b.length, figure.c.length);
    if (!shape)
        return std::nullopt;
    Layout layout{*shape, LabelsOf(*shape, figure), {figure.A.role, figure.B.role, figure.C.role}};

    // The view box: everything drawn plus a margin, widened to the picture's shape.
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const Point v : shape->vertex) {
        minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
    }
    for (const Label &label : layout.labels) {
        minX = std::min(minX, label.center.x - label.halfWidth);
        maxX = std::max(maxX, label.center.x + label.halfWidth);
        minY = std::min(minY, label.center.y - label.halfHeight);
        maxY = std::max(maxY, label.center.y + label.halfHeight + 0.25 * label.size); // descenders
    }
    layout.boxWidth = (maxX - minX) + 2 * kMargin;
    layout.boxHeight = (maxY - minY) + 2 * kMargin;
    if (layout.boxWidth * kHeight > layout.boxHeight * kWidth)
        layout.boxHeight = layout.boxWidth * kHeight / kWidth;
    else
        layout.boxWidth = layout.boxHeight * kWidth / kHeight;
    layout.boxX = (minX + maxX) / 2 - layout.boxWidth / 2;
    layout.boxY = (minY + maxY) / 2 - layout.boxHeight / 2;
    return layout;
}

std::string_view Colour(FigureRole role)
{
    return role == FigureRole::Datum ? kFigureDatumColour : kFigureResultColour;
}

// One family, not a list: Qt Svg takes the whole attribute as a single name.
// Arial is there on Windows and macOS, and fontconfig (like the program
// itself) gives its metric twin Liberation Sans elsewhere.
constexpr std::string_view kFontFamily = "Arial";

// Arcs, triangle and labels, in the layout's own units.
void Draw(SvgWriter &svg, const Layout &layout)
{
    const Shape &shape = layout.shape;
    svg << "<g fill=\"none\" stroke=\"#606060\" stroke-width=\"1.2\">\n";
    for (int i = 0; i < 3; ++i) {
        const Corner &k = shape.corner[i];
        if (k.radius < 3)
            continue; // too small to see
        const Point start = shape.vertex[i] + k.radius * k.first;
        const Point end = shape.vertex[i] + k.radius * k.second;
        svg << "<path d=\"M " << start.x << ' ' << start.y << " A " << k.radius << ' ' << k.radius
            << " 0 0 " << (Cross(k.first, k.second) > 0 ? "1 " : "0 ") << end.x << ' ' << end.y
            << '"';
        if (layout.arcRoles[i] != FigureRole::Plain)
            svg << " stroke=\"" << Colour(layout.arcRoles[i]) << '"';
        svg << "/>\n";
    }
    svg << "</g>\n<polygon class=\"triangle\" points=\"";
    for (int i = 0; i < 3; ++i)
        svg << (i ? " " : "") << shape.vertex[i].x << ',' << shape.vertex[i].y;
    svg << "\" fill=\"none\" stroke=\"#202020\" stroke-width=\"2\" stroke-linejoin=\"round\"/>\n"
        << "<g font-family=\"" << kFontFamily << "\" text-anchor=\"middle\">\n";
    for (const Label &label : layout.labels) {
        // The baseline that centres capitals and digits on the label's centre.
        svg << "<text x=\"" << label.center.x << "\" y=\"" << label.center.y + 0.36 * label.size
            << "\" font-size=\"" << label.size << "\" ";
        if (label.role == FigureRole::Plain)
            svg << label.look;
        else
            svg << "fill=\"" << Colour(label.role) << '"'
                << (label.role == FigureRole::Result ? " font-style=\"italic\"" : "");
        svg << '>' << Escaped(label.text) << "</text>\n";
    }
    svg << "</g>\n";
}

void WriteHeader(SvgWriter &svg, std::string_view width, std::string_view height, double x,
                 double y, double boxWidth, double boxHeight)
{
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\""
        << height << "\" viewBox=\"" << x << ' ' << y << ' ' << boxWidth << ' ' << boxHeight
        << "\">\n"
        << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << boxWidth << "\" height=\""
        << boxHeight << "\" fill=\"#ffffff\"/>\n";
}

} // namespace

void AppendEscaped(std::string &out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\n':
        case '\t': out += c; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
                out += c;
        }
    }
}

std::string DmsText(double degrees, double minutes, double seconds)
{
    return NumberText(degrees) + "° " + NumberText(minutes) + "′ " + NumberText(seconds) + "″";
}

std::optional<std::string> TriangleSvg(const Figure &figure)
{
    const std::optional<Layout> layout = LayOut(figure);
    if (!layout)
        return std::nullopt;
    SvgWriter svg;
    WriteHeader(svg, kWidthText, kHeightText, layout->boxX, layout->boxY, layout->boxWidth,
                layout->boxHeight);
    Draw(svg, *layout);
    svg << "</svg>\n";
    if (!svg.finite)
        return std::nullopt;
    return std::move(svg.text);
}

std::optional<std::string> TrianglesSvg(std::span<const Figure> figures)
{
    std::vector<Layout> layouts;
    for (const Figure &figure : figures) {
        std::optional<Layout> layout = LayOut(figure);
        if (!layout)
            return std::nullopt;
        layouts.push_back(std::move(*layout));
    }
    if (layouts.empty())
        return std::nullopt;

    const double width = kWidth * double(layouts.size());
    const double height = kTitleBand + kHeight;
    SvgWriter svg;
    WriteHeader(svg, std::to_string(std::lround(width)), std::to_string(std::lround(height)), 0, 0,
                width, height);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const Layout &layout = layouts[i];
        const double left = kWidth * double(i);
        // A long title shrinks to the panel's width; bold is about a tenth wider.
        const std::string &title = figures[i].title;
        const double size = std::min(
            kTitleSize, (kWidth - 4 * kMargin) / std::max(1.1 * TextWidth(title, 1), 1.0));
        if (i > 0) {
            svg << "<line x1=\"" << left << "\" y1=\"" << kMargin << "\" x2=\"" << left
                << "\" y2=\"" << height - kMargin << "\" stroke=\"#c8c8c8\" stroke-width=\"1\"/>\n";
        }
        svg << "<text x=\"" << left + kWidth / 2 << "\" y=\"" << kTitleBand / 2 + 0.36 * size
            << "\" font-size=\"" << size << "\" font-family=\"" << kFontFamily
            << "\" text-anchor=\"middle\" font-weight=\"bold\" fill=\"#202020\">" << Escaped(title)
            << "</text>\n";
        // The panel's view box onto its place under the title.
        const double scale = kWidth / layout.boxWidth;
        svg << "<g class=\"panel\" transform=\"translate(" << left << ' ' << kTitleBand
            << ") scale(" << Factor{scale} << ") translate(" << -layout.boxX << ' '
            << -layout.boxY << ")\">\n";
        Draw(svg, layout);
        svg << "</g>\n";
    }
    svg << "</svg>\n";
    if (!svg.finite)
        return std::nullopt;
    return std::move(svg.text);
}
