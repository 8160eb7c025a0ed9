#pragma once
// What the window for any triangle shows for six boxes: which boxes are data,
// which read, the status line, the solved parts, results, figure, working and
// the copied text. The desktop window and the web page both show this, so
// the rules are written once and without Qt.

#include "general.h"
#include "solution_figure.h"

#include <array>
#include <string>
#include <string_view>

namespace calc {

// How a box shows what it holds.
enum class BoxLook {
    Datum,      // typed by the user and readable
    Unreadable, // typed by the user, but not a value
    Result,     // not typed, three data given: shows the solved part, takes no typing
    Free,       // not typed, fewer than three data: takes typing
};

// Whether a box's text is a datum: anything but blanks (as Qt's trimming
// counts them, Unicode spaces included).
bool IsDatumText(std::string_view text);

// How the solved parts and results are written: lengths and decimal angles
// with `decimals` places, angles in `style`, triangle `shown` of two.
struct ResolverDisplay {
    int decimals = 4;
    AngleStyle style = AngleStyle::Dms;
    int shown = 0;
};

class ResolverView {
public:
    ResolverView();
    // The six boxes a, b, c, A, B, C as typed; `datum` says which the user
    // typed (a box the user never typed in shows a result, not a datum).
    ResolverView(const std::array<std::string, kTriangleParts> &texts, const std::array<bool, kTriangleParts> &datum);

    BoxLook Look(int part) const { return looks_[std::size_t(part)]; }
    bool Datum(int part) const { return Look(part) == BoxLook::Datum || Look(part) == BoxLook::Unreadable; }
    // "LLA: dos soluciones", the reason there is none, "No se puede leer el lado a."
    const std::string &Status() const { return status_; }
    // Three readable data that are not three angles: there is something to copy.
    bool Read() const { return read_; }
    // A triangle to show.
    bool Solved() const { return read_ && solution_.count > 0; }
    int Count() const { return Solved() ? solution_.count : 0; }
    const TriangleSolution &Solution() const { return solution_; }
    // The triangle shown: `shown` when there are two, else the first.
    int Shown(const ResolverDisplay &display) const { return Count() == 2 && display.shown == 1 ? 1 : 0; }

    // Each of the following is empty when nothing is solved.
    std::string LengthText(double x, const ResolverDisplay &display) const;
    // Part `part` of the shown triangle.
    std::string PartText(int part, const ResolverDisplay &display) const;
    const SolvedTriangle &Triangle(const ResolverDisplay &display) const
    {
        return solution_.triangles[std::size_t(Shown(display))];
    }
    std::string TypeText(const ResolverDisplay &display) const;
    std::string FigureSvg(const ResolverDisplay &display) const;
    // "Triángulo rectángulo escaleno: a = 3, b = 4, …"
    std::string FigureDescription(const ResolverDisplay &display) const;
    std::string WorkingText(const ResolverDisplay &display) const;
    // What `sorvani-calc resolver` prints; empty unless Read().
    std::string CopyText(const ResolverDisplay &display) const;

private:
    std::array<BoxLook, kTriangleParts> looks_{};
    std::string status_;
    TriangleSolution solution_;
    bool read_ = false;
};

// The view as the web page takes it: one JSON object with the six boxes
// (texto, aspecto), estado, resuelto, soluciones, solucion, resultados,
// figura, descripcion, pasos and copia. `texts` are the boxes as typed.
std::string ResolverViewJson(const ResolverView &view, const std::array<std::string, kTriangleParts> &texts,
                             const ResolverDisplay &display);
// The same for six boxes of which every one not blank is a datum, as the web
// page sends them.
std::string ResolverViewJson(const std::array<std::string, kTriangleParts> &texts, const ResolverDisplay &display);

} // namespace calc
