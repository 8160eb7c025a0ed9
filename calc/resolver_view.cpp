#include "resolver_view.h"

#include "json.h"
#include "solution_text.h"
#include "values.h"

#include <algorithm>
#include <vector>

namespace calc {

namespace {

// The code point that starts at text[i], and its length; a byte that does not
// start one reads as itself.
char32_t CodePoint(std::string_view text, std::size_t i, std::size_t &length)
{
    const auto byte = [&](std::size_t k) { return char32_t(static_cast<unsigned char>(text[k])); };
    const char32_t first = byte(i);
    length = first < 0xC0 ? 1 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
    if (i + length > text.size()) {
        length = 1;
        return first;
    }
    char32_t c = length == 1 ? first : first & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k)
        c = c << 6 | (byte(i + k) & 0x3F);
    return c;
}

// QChar::isSpace: the separators of Unicode and the ASCII blanks.
bool IsSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
           || c == 0x3000;
}

const char *const kLooks[] = {"dato", "ilegible", "resultado", "libre"};

} // namespace

bool IsDatumText(std::string_view text)
{
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        if (!IsSpace(CodePoint(text, i, length)))
            return true;
    }
    return false;
}

ResolverView::ResolverView() : ResolverView({}, {}) {}

ResolverView::ResolverView(const std::array<std::string, kTriangleParts> &texts,
                           const std::array<bool, kTriangleParts> &datum)
{
    const int data = int(std::count(datum.begin(), datum.end(), true));
    TriangleData given{};
    std::vector<std::string_view> unreadable;
    for (int i = 0; i < kTriangleParts; ++i) {
        const auto part = TrianglePart(i);
        BoxLook look = datum[i] ? BoxLook::Datum : data >= 3 ? BoxLook::Result : BoxLook::Free;
        if (datum[i]) {
            given[i] = IsSide(part) ? ReadNumber(texts[i]) : ReadAngle(texts[i]);
            if (!given[i]) {
                unreadable.push_back(PartName(part));
                look = BoxLook::Unreadable;
            }
        }
        looks_[i] = look;
    }

    if (!unreadable.empty()) {
        // "No se puede leer el lado a, el lado b y el ángulo A."
        status_ = "No se puede leer ";
        for (std::size_t i = 0; i < unreadable.size(); ++i) {
            if (i > 0)
                status_ += i + 1 == unreadable.size() ? " y " : ", ";
            status_ += unreadable[i];
        }
        status_ += '.';
        return;
    }
    // Fewer than three parts or three angles are refused with a reason too.
    solution_ = SolveTriangle(given);
    read_ = data == 3 && solution_.kase != TriangleCase::AAA;
    status_ = SolutionStatus(solution_);
    // Here a side cannot be typed until an angle makes room for it.
    if (solution_.kase == TriangleCase::AAA)
        status_ += ". Vacíe primero uno de los ángulos.";
}

std::string ResolverView::LengthText(double x, const ResolverDisplay &display) const
{
    return Solved() ? DecimalText(x, display.decimals) : std::string();
}

std::string ResolverView::PartText(int part, const ResolverDisplay &display) const
{
    if (!Solved())
        return {};
    const SolvedTriangle &t = Triangle(display);
    if (part < 3)
        return LengthText(t.sides[std::size_t(part)], display);
    const double x = t.angles[std::size_t(part - 3)];
    return display.style == AngleStyle::Dms ? DmsAngleText(x) : LengthText(x, display) + "°";
}

std::string ResolverView::TypeText(const ResolverDisplay &display) const
{
    return Solved() ? TriangleTypeText(Triangle(display)) : std::string();
}

std::string ResolverView::FigureSvg(const ResolverDisplay &display) const
{
    if (!Solved())
        return {};
    return SolutionSvg(solution_, Shown(display), display.decimals, display.style).value_or(std::string());
}

std::string ResolverView::FigureDescription(const ResolverDisplay &display) const
{
    if (!Solved())
        return {};
    std::string text = "Triángulo " + TypeText(display) + ": ";
    for (int i = 0; i < kTriangleParts; ++i) {
        if (i > 0)
            text += ", ";
        text += PartLetter(TrianglePart(i));
        text += " = ";
        text += PartText(i, display);
    }
    return text;
}

std::string ResolverView::WorkingText(const ResolverDisplay &display) const
{
    return Solved() ? ::WorkingText(solution_, Shown(display), display.decimals) : std::string();
}

std::string ResolverView::CopyText(const ResolverDisplay &display) const
{
    return read_ ? SolutionText(solution_, display.decimals, false) : std::string();
}

std::string ResolverViewJson(const ResolverView &view, const std::array<std::string, kTriangleParts> &texts,
                             const ResolverDisplay &display)
{
    Json boxes = Json::array();
    for (int i = 0; i < kTriangleParts; ++i) {
        const BoxLook look = view.Look(i);
        const std::string text = view.Datum(i) ? texts[std::size_t(i)]
                                 : look == BoxLook::Result ? view.PartText(i, display)
                                                           : std::string();
        boxes.push_back({{"texto", text}, {"aspecto", kLooks[int(look)]}});
    }
    const SolvedTriangle &t = view.Triangle(display);
    const auto length = [&](double x) { return view.LengthText(x, display); };
    const auto three = [&](const std::array<double, 3> &x) { return Json{length(x[0]), length(x[1]), length(x[2])}; };
    Json results = {{"area", length(t.area)},
                    {"perimetro", length(t.perimeter)},
                    {"semiperimetro", length(t.semiperimeter)},
                    {"alturas", three(t.heights)},
                    {"medianas", three(t.medians)},
                    {"bisectrices", three(t.bisectors)},
                    {"r", length(t.inradius)},
                    {"R", length(t.circumradius)},
                    {"tipo", view.TypeText(display)}};
    return JsonText({{"cajas", std::move(boxes)},
                     {"estado", view.Status()},
                     {"resuelto", view.Solved()},
                     {"soluciones", view.Count()},
                     {"solucion", view.Shown(display)},
                     {"resultados", std::move(results)},
                     {"figura", view.FigureSvg(display)},
                     {"descripcion", view.FigureDescription(display)},
                     {"pasos", view.WorkingText(display)},
                     {"copia", view.CopyText(display)}});
}

std::string ResolverViewJson(const std::array<std::string, kTriangleParts> &texts, const ResolverDisplay &display)
{
    std::array<bool, kTriangleParts> datum{};
    std::ranges::transform(texts, datum.begin(), IsDatumText);
    return ResolverViewJson(ResolverView(texts, datum), texts, display);
}

} // namespace calc
