#include "answer_key.h"

#include "case_figure.h"
#include "html.h"
#include "output.h"
#include "solution_figure.h"
#include "solution_text.h"
#include "values.h"
#include "working.h"

#include <optional>

namespace calc {

namespace {

// Two triangles side by side, each with its table and its working, in half
// the width of the page: small type, and long numbers broken anywhere rather
// than widening the page.
constexpr std::string_view kStyle = R"(figure svg { height: 70mm; }
.soluciones { display: flex; gap: 6mm; }
.solucion { flex: 1 1 0; min-width: 0; }
h3 { font-size: 10.5pt; margin: 1mm 0; }
table { border-collapse: collapse; margin: 0 0 1.5mm; }
th, td { text-align: left; vertical-align: top; padding: 0.2mm 2.5mm 0.2mm 0; overflow-wrap: anywhere; }
thead th { border-bottom: 0.2mm solid #909090; }
.dato { font-weight: bold; color: #0050a0; }
.resultados { white-space: pre-line; }
.gms { white-space: nowrap; }
.pasos { margin: 0; padding-left: 5mm; font-size: 9pt; }
.pasos li { margin-bottom: 0.6mm; }
)";

// The parts and derived elements of one triangle: a table by letter, then
// the measures of the whole, then its type, then the working.
void AppendTriangle(std::string &out, const TriangleSolution &solution, int index, int decimals)
{
    const SolvedTriangle &t = solution.triangles[std::size_t(index)];
    const auto number = [&](double x) { return DecimalText(x, decimals); };
    const auto row = [&](std::string_view label, const std::array<double, 3> &values, int firstPart) {
        out += "<tr><th>";
        out += label;
        out += "</th>";
        for (int i = 0; i < 3; ++i) {
            const bool datum = firstPart >= 0 && solution.given[std::size_t(firstPart + i)];
            out += datum ? "<td class=\"dato\">" : "<td>";
            AppendEscaped(out, number(values[std::size_t(i)]));
            if (firstPart == 3) {
                out += "°<br/><span class=\"gms\">";
                AppendEscaped(out, DmsAngleText(values[std::size_t(i)]));
                out += "</span>";
            }
            out += "</td>";
        }
        out += "</tr>\n";
    };
    if (solution.count == 2)
        out += "<h3>Solución " + std::to_string(index + 1) + "</h3>\n";
    out += "<table>\n<thead><tr><th></th><th>a, A</th><th>b, B</th><th>c, C</th></tr></thead>\n<tbody>\n";
    row("Lado", t.sides, 0);
    row("Ángulo", t.angles, 3);
    row("Altura", t.heights, -1);
    row("Mediana", t.medians, -1);
    row("Bisectriz", t.bisectors, -1);
    out += "</tbody>\n</table>\n<p>Área = ";
    AppendEscaped(out, number(t.area));
    out += " · Perímetro = ";
    AppendEscaped(out, number(t.perimeter));
    out += " · Semiperímetro = ";
    AppendEscaped(out, number(t.semiperimeter));
    out += "<br/>Radio inscrito r = ";
    AppendEscaped(out, number(t.inradius));
    out += " · Radio circunscrito R = ";
    AppendEscaped(out, number(t.circumradius));
    out += "</p>\n<p>Triángulo ";
    AppendEscaped(out, TriangleTypeText(t));
    out += "</p>\n<p><b>Pasos</b></p>\n<ol class=\"pasos\">\n";
    for (const WorkingStep &step : Working(solution, index, decimals)) {
        out += "<li><b>";
        AppendEscaped(out, step.rule);
        out += "</b>: ";
        AppendEscaped(out, step.formula);
        out += "<br/>";
        AppendEscaped(out, step.substitution);
        out += "<br/>";
        AppendEscaped(out, step.result);
        out += "</li>\n";
    }
    out += "</ol>\n";
}

void AppendMessage(std::string &out, std::string_view title, std::string_view message)
{
    out += "<p class=\"mensaje\"><b>";
    AppendEscaped(out, title);
    out += "</b>\n";
    AppendEscaped(out, message);
    out += "</p>\n";
}

void AppendFigure(std::string &out, const std::optional<std::string> &svg)
{
    if (svg) {
        out += "<figure>";
        AppendSvg(out, *svg);
        out += "</figure>\n";
    } else {
        out += "<p>Este triángulo no se puede dibujar: algún lado no es positivo o algún ángulo no está "
               "entre 0° y 180°.</p>\n";
    }
}

} // namespace

AnswerKey::AnswerKey(ByteSink &out, std::string_view title, int decimals)
    : out_(out), title_(title), decimals_(decimals)
{
}

void AnswerKey::Start()
{
    out_.Write(PageStart(title_, "soluciones", kStyle)
               + "<p class=\"subtitulo\">Soluciones. Los datos, en azul; en las figuras, los resultados en naranja "
                 "y cursiva.</p>\n");
}

void AnswerKey::Begin(const Record &record, const std::string &words)
{
    html_ = "<section class=\"problema\">\n";
    AppendProblemHeading(html_, ++problems_, "fila " + std::to_string(record.row) + " de la hoja");
    html_ += "<p class=\"datos\">";
    AppendEscaped(html_, words);
    html_ += "</p>\n";
}

void AnswerKey::Finish()
{
    begun_ = true;
    html_ += "</section>\n";
    out_.Write(html_);
}

// The window's texts, or its message.
void AnswerKey::Write(const CaseRow &row)
{
    Begin(row.record, ProblemWords(GivenParts(row)));
    if (row.answer.solved) {
        AppendFigure(html_, TriangleSvg(CaseFigure(row.kase, row.answer, true)));
        html_ += "<p class=\"resultados\">";
        AppendEscaped(html_, TextAnswer(row.kase, row.answer));
        html_ += "</p>\n";
    } else {
        AppendMessage(html_, row.answer.title, row.answer.message);
    }
    Finish();
}

// Every triangle with its derived elements and working, or the reason there
// is none.
void AnswerKey::Write(const ResolverRow &row)
{
    const TriangleSolution &solution = row.solution;
    Begin(row.record, ProblemWords(GivenParts(row)));
    if (solution.count == 0) {
        AppendMessage(html_, kNoSolutionTitle, solution.reason);
    } else {
        html_ += "<p>";
        AppendEscaped(html_, SolutionHeadline(solution));
        html_ += "</p>\n";
        AppendFigure(html_, SolutionsSvg(solution, decimals_, AngleStyle::Dms));
        html_ += "<div class=\"soluciones\">\n";
        for (int i = 0; i < solution.count; ++i) {
            html_ += "<div class=\"solucion\">\n";
            AppendTriangle(html_, solution, i, decimals_);
            html_ += "</div>\n";
        }
        html_ += "</div>\n";
    }
    Finish();
}

// Each version on its pages, numbered from 1 as its problem sheet is.
void AnswerKey::Version(const Record &, std::string_view label)
{
    html_.clear();
    AppendVersionHeading(html_, label, begun_);
    out_.Write(html_);
    begun_ = true;
    problems_ = 0;
}

void AnswerKey::End()
{
    out_.Write(kPageEnd);
}

} // namespace calc
