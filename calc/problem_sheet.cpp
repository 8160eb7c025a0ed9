#include "problem_sheet.h"

#include "case_figure.h"
#include "html.h"
#include "solution_figure.h"

#include <array>
#include <optional>
#include <utility>

namespace calc {

namespace {

// Two problems to a page: the sketch beside the room to work, both fixed in
// size.
constexpr std::string_view kStyle = R"(.alumno { margin: 0 0 4mm; }
.alumno .version { float: right; font-size: 12pt; font-weight: bold; }
.planteo { display: flex; gap: 4mm; align-items: flex-start; margin: 1.5mm 0; }
.planteo figure { flex: 0 0 80mm; margin: 0; }
.planteo figure svg { width: 80mm; height: 60mm; }
figcaption { font-size: 9pt; }
.trabajo { flex: 1 1 auto; height: 95mm; border: 0.3mm dashed #a0a0a0; border-radius: 1.5mm; }
)";

void Label(Figure &figure, std::span<const GivenPart> given)
{
    const std::array<FigureSide *, 3> sides{&figure.a, &figure.b, &figure.c};
    const std::array<FigureAngle *, 3> angles{&figure.A, &figure.B, &figure.C};
    for (int i = 0; i < 3; ++i) {
        sides[i]->text.assign(1, '?');
        angles[i]->text.assign(1, '?');
    }
    for (const GivenPart &part : given) {
        const int i = int(part.part);
        (IsSide(part.part) ? sides[i]->text : angles[i - 3]->text) = part.value;
    }
}

// The line for the student's name, and the version beside it, so that a
// version costs no room on its first page.
void AppendStudent(std::string &out, std::string_view version = {})
{
    out += "<p class=\"alumno\">Nombre: ______________________________ Fecha: ____________";
    if (!version.empty()) {
        out += "<span class=\"version\">Versión ";
        AppendEscaped(out, version);
        out += "</span>";
    }
    out += "</p>\n";
}

} // namespace

std::optional<std::string> ProblemSketch(std::optional<Figure> figure, std::span<const GivenPart> given)
{
    if (!figure)
        return std::nullopt;
    Label(*figure, given);
    return TriangleSvg(*figure);
}

std::optional<std::string> ProblemSketch(const TriangleSolution &solution, std::span<const GivenPart> given)
{
    std::optional<Figure> figure = SolutionFigure(solution, 0, 4, AngleStyle::Dms);
    if (figure)
        figure->title.clear();
    return ProblemSketch(std::move(figure), given);
}

ProblemSheet::ProblemSheet(ByteSink &out, std::string_view title) : out_(out), title_(title) {}

void ProblemSheet::Start()
{
    out_.Write(PageStart(title_, "problemas", kStyle));
}

// A problem with no triangle is shown without a sketch: the class may well be
// meant to find that out.
void ProblemSheet::Write(const CaseRow &row)
{
    const std::vector<GivenPart> given = GivenParts(row);
    std::optional<Figure> figure;
    if (row.answer.solved)
        figure = CaseFigure(row.kase, row.answer, true);
    Problem(given, ProblemSketch(std::move(figure), given), false);
}

// The decimals do not show: every label is a value as typed or "?".
void ProblemSheet::Write(const ResolverRow &row)
{
    const std::vector<GivenPart> given = GivenParts(row);
    Problem(given, ProblemSketch(row.solution, given), row.solution.count == 2);
}

void ProblemSheet::Problem(const std::vector<GivenPart> &given, const std::optional<std::string> &svg, bool several)
{
    html_.clear();
    if (!begun_)
        AppendStudent(html_);
    html_ += "<section class=\"problema\">\n";
    AppendProblemHeading(html_, ++problems_);
    html_ += "<p class=\"datos\">";
    AppendEscaped(html_, ProblemWords(given));
    html_ += "</p>\n";
    html_ += "<div class=\"planteo\">\n";
    if (svg) {
        html_ += "<figure>";
        AppendSvg(html_, *svg);
        if (several)
            html_ += "<figcaption>Puede haber más de un triángulo con estos datos.</figcaption>";
        html_ += "</figure>\n";
    }
    html_ += "<div class=\"trabajo\"></div>\n</div>\n<p>Respuesta:</p>\n</section>\n";
    out_.Write(html_);
    begun_ = true;
}

// Each version is handed out apart: on its own pages, under the title and
// with a line for the name, numbered from 1.
void ProblemSheet::Version(const Record &, std::string_view label)
{
    html_.clear();
    if (begun_) {
        html_ += "<h1 class=\"salto\">";
        AppendEscaped(html_, title_);
        html_ += "</h1>\n";
    }
    AppendStudent(html_, label);
    out_.Write(html_);
    begun_ = true;
    problems_ = 0;
}

void ProblemSheet::End()
{
    html_.clear();
    if (!begun_)
        AppendStudent(html_);
    out_.Write(html_ + std::string(kPageEnd));
}

} // namespace calc
