#include "moodle.h"

#include "case_figure.h"
#include "degrees.h"
#include "html.h"
#include "marking.h"
#include "problem_sheet.h"
#include "resolver.h"
#include "solution_text.h"
#include "values.h"
#include "working.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace calc {

// One answer of a blank, within `tolerance` of `value`.
struct QuizAnswer {
    double value;
    double tolerance;
    std::string feedback;
};

// A blank: what it asks, in which set (LLA's second triangle: 1), its
// answers with the right one first, as Moodle takes the first that matches.
struct QuizBlank {
    int asked;
    int set;
    std::vector<QuizAnswer> answers;
};

struct QuizProblem {
    TriangleSolution solution; // its reason's numbers with a point
    std::string words;         // "Resuelve el triángulo con …", as typed
    std::optional<std::string> sketch;
    // LLA: "how many triangles?", then two sets of blanks whatever the
    // count, so that the layout does not give it away.
    bool ambiguous = false;
    std::array<int, 2> sets{0, -1}; // the triangle each set stands for; -1 none
    char angle = 'A';               // LLA: the angle that tells the sets apart
    std::vector<QuizBlank> blanks;
};

namespace {

constexpr std::string_view kTopCategory = "$course$/top/";
constexpr std::string_view kDefaultCategory = "Sorvani";
constexpr std::string_view kSetNotes[2] = {
    "el que tiene el ángulo {} agudo o recto, o el único que haya.",
    "el que tiene el ángulo {} obtuso.",
};
constexpr std::string_view kEmptySet[2] = {
    "Si no hay ningún triángulo, escribe 0 en todas las casillas.",
    "Si no hay un segundo triángulo, escribe 0 en sus casillas.",
};
constexpr std::string_view kStatementStart = "Resuelve el triángulo con ";
constexpr std::string_view kChoices[3] = {"Ninguno", "Uno", "Dos"};

// An LLA problem without a triangle is still a question ("Ninguno") when its
// parts are in range and the side facing the angle falls short of the
// height, or with a right or obtuse angle of the other side. Any other
// problem without a triangle was refused, and makes no question.
bool NoneToFind(const TriangleSolution &solution)
{
    if (solution.kase != TriangleCase::LLA || solution.count != 0)
        return false;
    const AmbiguousParts p = AmbiguousOf(solution.given);
    const double X = *solution.given[std::size_t(p.angle)];
    const double x = *solution.given[std::size_t(p.facing)], y = *solution.given[std::size_t(p.other)];
    if (!(X > 0 && X < 180 && x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)))
        return false;
    return X < 90 ? x < y * SinDegrees(X) : x <= y;
}

// A window row's values as the general solution's data: its sides, and its
// angles from degrees, minutes and seconds as the window adds them up.
TriangleData CaseData(const CaseRow &row)
{
    TriangleData given;
    const FigureParts &figure = row.kase.figure;
    const Values &v = row.answer.values;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!figure.sides[i].result)
            given[i] = v[figure.sides[i].index];
        const std::array<Part, 3> &angle = figure.angles[i];
        if (!angle[0].result)
            given[3 + i] = (v[angle[0].index] + v[angle[1].index] / 60) + v[angle[2].index] / 3600;
    }
    return given;
}

// Why a row makes no question; nothing when it makes one.
std::optional<std::string> LeftOut(const TriangleSolution &solution)
{
    if (solution.count > 0 || NoneToFind(solution))
        return std::nullopt;
    return solution.reason;
}

std::optional<std::string> LeftOut(const CaseRow &row)
{
    if (!row.answer.solved)
        return row.answer.message == kFailureMessage ? "cálculo imposible" : std::string(row.answer.message);
    return LeftOut(SolveTriangle(CaseData(row)));
}

// The problem a row makes, every number asked with `decimals` places; nothing
// for a row without a triangle to find.
std::optional<QuizProblem> MakeProblem(const TriangleData &given, const std::vector<GivenPart> &parts,
                                       std::optional<std::string> sketch, int decimals)
{
    QuizProblem p;
    p.solution = SolveTriangle(given);
    const TriangleSolution &s = p.solution;
    if (LeftOut(s))
        return std::nullopt;
    p.words = ProblemWords(parts);
    p.sketch = std::move(sketch);
    p.ambiguous = s.kase == TriangleCase::LLA;
    if (p.ambiguous) {
        p.sets = TriangleSets(s);
        p.angle = char('A' + AmbiguousOf(s.given).other);
    }
    for (int set = 0; set < (p.ambiguous ? 2 : 1); ++set) {
        const int index = p.sets[std::size_t(set)];
        for (const int asked : AskedOf(s.given)) {
            QuizBlank &blank = p.blanks.emplace_back(QuizBlank{asked, set, {}});
            if (index < 0) {
                blank.answers.push_back({0, Tolerance(0, decimals), std::string(kRightMark)});
                continue;
            }
            const double value = AskedValue(s.triangles[std::size_t(index)], asked);
            const double tolerance = Tolerance(value, decimals);
            blank.answers.push_back({value, tolerance, std::string(kRightMark)});
            // Where the two ranges meet, a right answer could be marked as the
            // mistake, or the mistake as right.
            for (Mistake &mistake : Mistakes(s, index, asked)) {
                const double margin = Tolerance(mistake.value, decimals);
                if (std::fabs(mistake.value - value) > tolerance + margin)
                    blank.answers.push_back({mistake.value, margin, std::move(mistake.feedback)});
            }
        }
    }
    return p;
}

// Text from outside as XML 1.0 takes it: no control character but tab and
// line feed (AppendEscaped drops those), no U+FFFE or U+FFFF.
std::string Clean(std::string_view text)
{
    std::string clean;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with("\xEF\xBF\xBE") || text.substr(i).starts_with("\xEF\xBF\xBF")) {
            i += 2;
            continue;
        }
        clean += text[i];
    }
    return clean;
}

// Text as HTML; in a Cloze question's text also its braces, so that no text
// such as "{1:NUMERICAL:=1}" from a title or a worksheet becomes a blank.
std::string Html(std::string_view text, bool cloze = false)
{
    std::string escaped;
    AppendEscaped(escaped, Clean(text));
    if (!cloze)
        return escaped;
    std::string html;
    for (const char c : escaped)
        html += c == '{' ? "&#123;" : c == '}' ? "&#125;" : std::string(1, c);
    return html;
}

// Text inside a Cloze blank. Moodle decodes the blank's HTML entities once
// after splitting it, then undoes "\}" and "\#": so the HTML twice escaped,
// "}" and "#" as Moodle escapes them, and what it has no escape for ("~"
// ends an answer, "\" would escape) as an entity.
std::string BlankText(std::string_view text)
{
    std::string blank;
    for (const char c : Html(Html(text))) {
        switch (c) {
        case '}': blank += "\\}"; break;
        case '#': blank += "\\#"; break;
        case '~': blank += "&#126;"; break;
        case '{': blank += "&#123;"; break;
        case '\\': blank += "&#92;"; break;
        default: blank += c;
        }
    }
    return blank;
}

// HTML as GIFT writes it: its marks "~ = # { } :" and "\" escaped with a
// backslash, on one line (a blank line would end the question).
std::string Gift(std::string_view html)
{
    std::string gift;
    for (const char c : html) {
        if (c == '\n' || c == '\r' || c == '\t') {
            gift += ' ';
            continue;
        }
        if (std::string_view("~=#{}:\\").find(c) != std::string_view::npos)
            gift += '\\';
        gift += c;
    }
    return gift;
}

// Text as plain text: what Moodle keeps of a category's or a question's name
// (it strips tags), on one line.
std::string PlainText(std::string_view text)
{
    const std::string clean = Clean(text);
    std::string plain;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c == '<' && i + 1 < clean.size() && clean[i + 1] != ' ' && clean[i + 1] != '\t'
            && clean[i + 1] != '\n') {
            const std::size_t close = clean.find('>', i);
            i = close == std::string::npos ? clean.size() : close;
        } else if (c == '\n' || c == '\r' || c == '\t') {
            plain += ' ';
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            plain += c;
        }
    }
    return plain;
}

// One level of a category's path: plain text of at most the 255 characters
// Moodle keeps, no "/" or blank at its end (Moodle's escape "//" would run
// into the next "/"), a blank before a "/" at its start for the same reason,
// and each "/" doubled so that it does not split the path.
std::string CategoryLevel(std::string_view text, std::string_view otherwise)
{
    std::string name = PlainText(text);
    std::size_t characters = 0, end = 0;
    for (; end < name.size(); ++end) {
        if ((static_cast<unsigned char>(name[end]) & 0xC0) != 0x80 && ++characters > 255)
            break;
    }
    name.resize(end);
    while (!name.empty() && (name.back() == '/' || name.back() == ' '))
        name.pop_back();
    std::size_t start = 0;
    while (start < name.size() && name[start] == ' ')
        ++start;
    name.erase(0, start);
    if (name.empty())
        name = otherwise;
    std::string level = name.front() == '/' ? " " : "";
    for (const char c : name)
        level += c == '/' ? "//" : std::string(1, c);
    return level;
}

std::string Base64(std::string_view bytes)
{
    constexpr std::string_view digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned value = 0;
        for (std::size_t k = 0; k < 3; ++k)
            value = value << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? digits[(value >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

std::string DecimalsWords(int decimals)
{
    if (decimals == 0)
        return "sin decimales";
    return "con " + std::to_string(decimals) + (decimals == 1 ? " decimal" : " decimales");
}

std::string Replace(std::string_view text, char letter)
{
    std::string out(text);
    const std::size_t at = out.find("{}");
    out.replace(at, 2, 1, letter);
    return out;
}

// "c", "A", "Área"; "c (2)" in LLA's second set.
std::string PartName(const QuizBlank &blank)
{
    std::string name = blank.asked == kAskedArea ? std::string(AskedName(blank.asked))
                                                 : std::string(PartLetter(TrianglePart(blank.asked)));
    return blank.set == 1 ? name + " (2)" : name;
}

// "Lado c = ", and after the blank " (en grados decimales)" for an angle.
std::string Label(int asked)
{
    return std::string(AskedName(asked)) + " = ";
}

std::string_view AfterBlank(int asked)
{
    return AskedAngle(asked) ? " (en grados decimales)" : "";
}

// What every question of a problem begins with: the title, the statement.
std::string Heading(std::string_view title, const QuizProblem &problem, bool cloze)
{
    std::string html;
    if (!title.empty())
        html += "<p><b>" + Html(title, cloze) + "</b></p>";
    html += "<p>" + Html(problem.words, cloze) + ".</p>";
    return html;
}

// The working of --pasos, triangle by triangle in the order of the sets, or
// the reason there is none.
std::string WorkingHtml(const QuizProblem &problem, int decimals)
{
    const TriangleSolution &s = problem.solution;
    if (s.count == 0)
        return "<p><b>" + Html(kNoSolutionTitle) + "</b>: " + Html(s.reason) + "</p>";
    std::string html = "<p>" + Html(SolutionHeadline(s)) + "</p>";
    for (int set = 0; set < (problem.ambiguous ? 2 : 1); ++set) {
        const int index = problem.sets[std::size_t(set)];
        if (problem.ambiguous)
            html += "<p><b>Triángulo " + std::to_string(set + 1) + "</b>" + (index < 0 ? ": no lo hay." : "")
                    + "</p>";
        if (index < 0)
            continue;
        html += "<ol>";
        for (const WorkingStep &step : Working(s, index, decimals)) {
            html += "<li><b>" + Html(step.rule) + "</b><br>" + Html(step.formula) + "<br>" + Html(step.substitution)
                    + "<br>" + Html(step.result) + "</li>";
        }
        html += "</ol>";
    }
    return html;
}

// The right count of LLA's question, then each wrong one with its feedback.
struct Choice {
    std::string_view text;
    bool right;
    std::string feedback;
};

std::array<Choice, 3> Choices(const TriangleSolution &solution)
{
    std::array<Choice, 3> choices;
    for (int n = 0; n < 3; ++n) {
        std::string feedback = CountFeedback(solution, n);
        const bool right = feedback.empty();
        choices[std::size_t(n)] = {kChoices[n], right, right ? std::string(kRightMark) : std::move(feedback)};
    }
    return choices;
}

void Indent(std::string &xml, int depth, std::string_view text)
{
    xml.append(std::size_t(2 * depth), ' ');
    xml += text;
    xml += '\n';
}

std::string Xml(std::string_view text)
{
    std::string xml;
    AppendEscaped(xml, text);
    return xml;
}

} // namespace

QuizWriter::QuizWriter(ByteSink &out, std::string_view title, int decimals)
    : out_(out), title_(title), decimals_(decimals)
{
}

void QuizWriter::Write(const CaseRow &row)
{
    std::optional<QuizProblem> problem;
    if (row.answer.solved) {
        const std::vector<GivenPart> given = GivenParts(row);
        problem = MakeProblem(CaseData(row), given, ProblemSketch(CaseFigure(row.kase, row.answer, true), given),
                              decimals_);
    }
    Add(problem ? &*problem : nullptr);
}

void QuizWriter::Write(const ResolverRow &row)
{
    const std::vector<GivenPart> given = GivenParts(row);
    const std::optional<QuizProblem> problem =
        MakeProblem(row.solution.given, given, ProblemSketch(row.solution, given), decimals_);
    Add(problem ? &*problem : nullptr);
}

// Every answered row keeps its number, so that problem 5 is the problem
// sheet's problem 5 even when an earlier row made no question.
void QuizWriter::Add(const QuizProblem *problem)
{
    ++problems_;
    if (!problem)
        return;
    if (!category_) {
        Category(std::string(kTopCategory) + CategoryLevel(title_, kDefaultCategory));
        category_ = true;
    }
    std::string name = "Problema " + std::to_string(problems_);
    if (!label_.empty())
        name = label_ + " · " + name;
    Question(*problem, name, problems_);
}

void QuizWriter::Version(const Record &, std::string_view label)
{
    label_ = PlainText(label);
    if (label_.empty())
        label_ = "?";
    problems_ = 0;
    Category(std::string(kTopCategory) + CategoryLevel(title_, kDefaultCategory) + "/"
             + CategoryLevel("Versión " + std::string(label), "Versión"));
    category_ = true;
}

MoodleXml::MoodleXml(ByteSink &out, std::string_view title, int decimals) : QuizWriter(out, title, decimals) {}

void MoodleXml::Start()
{
    out_.Write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n");
}

void MoodleXml::End()
{
    out_.Write("</quiz>\n");
}

void MoodleXml::Category(const std::string &path)
{
    std::string xml;
    Indent(xml, 1, "<question type=\"category\">");
    Indent(xml, 2, "<category>");
    Indent(xml, 3, "<text>" + Xml(path) + "</text>");
    Indent(xml, 2, "</category>");
    Indent(xml, 1, "</question>");
    out_.Write(xml);
}

// The statement and its sketch, then for LLA the count and a heading over
// each set, then a line per blank.
void MoodleXml::Question(const QuizProblem &problem, const std::string &name, std::size_t number)
{
    std::string html = Heading(title_, problem, true);
    const std::string file = "problema-" + std::to_string(number) + ".svg";
    if (problem.sketch) {
        std::string data = problem.words;
        if (data.starts_with(kStatementStart))
            data.erase(0, kStatementStart.size());
        html += "<p><img src=\"@@PLUGINFILE@@/" + file + "\" alt=\""
                + Html("Croquis del triángulo: " + data + "; lo que falta, con «?»", true)
                + "\" width=\"320\" height=\"240\"></p>";
    }
    html += "<p>Escribe cada resultado " + DecimalsWords(decimals_) + ".</p>";
    if (problem.ambiguous) {
        html += "<p>¿Cuántos triángulos hay? {1:MULTICHOICE:";
        bool first = true;
        for (const Choice &choice : Choices(problem.solution)) {
            html += first ? "" : "~";
            html += (choice.right ? "=" : "") + BlankText(choice.text) + "#" + BlankText(choice.feedback);
            first = false;
        }
        html += "}</p>";
    }
    int set = -1;
    for (const QuizBlank &blank : problem.blanks) {
        if (problem.ambiguous && blank.set != set) {
            set = blank.set;
            html += "<p><b>Triángulo " + std::to_string(set + 1) + "</b>: "
                    + Html(Replace(kSetNotes[set], problem.angle), true) + " " + Html(kEmptySet[set], true) + "</p>";
        }
        html += "<p>" + Html(Label(blank.asked), true) + "{1:NUMERICAL:";
        for (std::size_t i = 0; i < blank.answers.size(); ++i) {
            const QuizAnswer &answer = blank.answers[i];
            html += i == 0 ? "=" : "~%0%";
            html += ShortestText(answer.value) + ":" + ShortestText(answer.tolerance) + "#"
                    + BlankText(answer.feedback);
        }
        html += "}" + Html(AfterBlank(blank.asked), true) + "</p>";
    }

    std::string xml;
    Indent(xml, 1, "<question type=\"cloze\">");
    Indent(xml, 2, "<name>");
    Indent(xml, 3, "<text>" + Xml(name) + "</text>");
    Indent(xml, 2, "</name>");
    Indent(xml, 2, "<questiontext format=\"html\">");
    Indent(xml, 3, "<text>" + Xml(html) + "</text>");
    if (problem.sketch)
        Indent(xml, 3, "<file name=\"" + file + "\" path=\"/\" encoding=\"base64\">" + Base64(*problem.sketch)
                           + "</file>");
    Indent(xml, 2, "</questiontext>");
    Indent(xml, 2, "<generalfeedback format=\"html\">");
    Indent(xml, 3, "<text>" + Xml(WorkingHtml(problem, decimals_)) + "</text>");
    Indent(xml, 2, "</generalfeedback>");
    Indent(xml, 2, "<penalty>0.3333333</penalty>");
    Indent(xml, 2, "<hidden>0</hidden>");
    Indent(xml, 1, "</question>");
    out_.Write(xml);
}

GiftQuestions::GiftQuestions(ByteSink &out, std::string_view title, int decimals) : QuizWriter(out, title, decimals)
{
}

// The whole line is the path: Moodle undoes none of GIFT's escapes there but
// "\\", which it reads as one "\".
void GiftQuestions::Category(const std::string &path)
{
    std::string line = "$CATEGORY: ";
    for (const char c : path)
        line += c == '\\' ? "\\\\" : std::string(1, c);
    out_.Write(line + "\n\n");
}

// LLA's count as a multiple choice, then a numerical question per blank,
// each with the statement, the part asked and the working.
void GiftQuestions::Question(const QuizProblem &problem, const std::string &name, std::size_t)
{
    const std::string heading = Heading(title_, problem, false);
    const std::string working = "\t####" + Gift(WorkingHtml(problem, decimals_)) + "\n}\n\n";
    std::string gift;
    if (problem.ambiguous) {
        gift += "::" + Gift(name + " · Cuántos triángulos") + "::[html]"
                + Gift(heading + "<p>¿Cuántos triángulos hay?</p>") + "{\n";
        for (const Choice &choice : Choices(problem.solution))
            gift += std::string("\t") + (choice.right ? "=" : "~") + Gift(Html(choice.text)) + "#"
                    + Gift(Html(choice.feedback)) + "\n";
        gift += working;
    }
    for (const QuizBlank &blank : problem.blanks) {
        std::string asked = heading;
        if (problem.ambiguous) {
            asked += "<p>Del triángulo " + std::to_string(blank.set + 1) + ", "
                     + Html(Replace(kSetNotes[blank.set], problem.angle)) + " "
                     + Html(blank.set == 0 ? "Si no hay ningún triángulo, escribe 0."
                                           : "Si no hay un segundo triángulo, escribe 0.")
                     + "</p>";
        }
        asked += "<p>" + Html(AskedName(blank.asked)) + Html(AfterBlank(blank.asked)) + ", "
                 + DecimalsWords(decimals_) + ":</p>";
        gift += "::" + Gift(name + " · " + PartName(blank)) + "::[html]" + Gift(asked) + "{#\n";
        for (std::size_t i = 0; i < blank.answers.size(); ++i) {
            const QuizAnswer &answer = blank.answers[i];
            gift += std::string("\t") + (i == 0 ? "=" : "=%0%") + ShortestText(answer.value) + ":"
                    + ShortestText(answer.tolerance) + "#" + Gift(Html(answer.feedback)) + "\n";
        }
        gift += working;
    }
    out_.Write(gift);
}

void QuizOmissions::Write(const CaseRow &row)
{
    if (const std::optional<std::string> why = LeftOut(row))
        messages_.Write(RowMessage(row.record, ": no va en las preguntas de Moodle: " + *why));
}

void QuizOmissions::Write(const ResolverRow &row)
{
    if (const std::optional<std::string> why = LeftOut(row.solution))
        messages_.Write(RowMessage(row.record, ": no va en las preguntas de Moodle: " + *why));
}

} // namespace calc
