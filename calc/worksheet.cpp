#include "worksheet.h"

#include "cases.h"
#include "numeric.h"
#include "output.h"
#include "parts.h"
#include "values.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace calc {

namespace {

// Control characters of a message made visible, so that they cannot upset a
// terminal.
std::string Printable(std::string text)
{
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return text;
}

// A field as a message quotes it: short, and with no control character that
// could upset a terminal.
std::string Shown(std::string_view field)
{
    constexpr std::size_t kLongest = 40;
    std::size_t end = std::min(field.size(), kLongest);
    while (end > 0 && end < field.size() && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80)
        --end; // not in the middle of a character
    std::string shown = Printable(std::string(field.substr(0, end)));
    if (end < field.size())
        shown += "…";
    return shown;
}

std::string ProblemText(RowProblem problem, const CsvLimits &limits)
{
    switch (problem) {
    case RowProblem::UnterminatedQuote:
        return "comillas sin cerrar";
    case RowProblem::RowTooLong:
        return "la fila pasa de " + std::to_string(limits.rowBytes) + " bytes";
    case RowProblem::TooManyFields:
        return "la fila tiene más de " + std::to_string(limits.fields) + " campos";
    case RowProblem::FieldTooLong:
        return "un campo pasa de " + std::to_string(limits.fieldBytes) + " bytes";
    case RowProblem::NulByte:
        return "la fila contiene un byte nulo";
    case RowProblem::NotUtf8:
        return "la fila no es texto UTF-8";
    case RowProblem::None:
        break;
    }
    return {};
}

std::string UnknownCase(std::string_view name)
{
    std::string text = "caso desconocido «" + Shown(name) + "» (los casos son ";
    for (const Case &kase : Cases()) {
        text += kase.name;
        text += ", ";
    }
    text.resize(text.size() - 2);
    return text + " y " + std::string(kResolverName) + ")";
}

bool IsBlank(const Record &record)
{
    return std::ranges::all_of(record.fields, [](const std::string &field) { return field.empty(); });
}

// The fields up to the last one that is not empty: what follows is a
// spreadsheet's padding.
std::size_t Filled(const Record &record)
{
    const std::vector<std::string> &fields = record.fields;
    const auto last = std::find_if(fields.rbegin(), fields.rend(), [](const std::string &f) { return !f.empty(); });
    return std::size_t(fields.rend() - last);
}

// Hands every answer to each writer, and names the rows that get none and
// the values that do not read as they show.
class Rows {
public:
    Rows(std::span<AnswerWriter *const> writers, ByteSink &problems, CsvFormat format, WorksheetSummary &summary)
        : writers_(writers), problems_(problems), format_(format), summary_(summary)
    {
    }

    CsvFormat Format() const { return format_; }

    template <typename Row>
    void Answer(const Row &row)
    {
        for (AnswerWriter *writer : writers_)
            writer->Write(row);
        ++summary_.answered;
    }

    void Version(const Record &record, std::string_view label)
    {
        for (AnswerWriter *writer : writers_)
            writer->Version(record, label);
        ++summary_.versions;
    }

    // A row that gets no answer.
    void Report(const Record &record, const std::string &what)
    {
        Problem(record, ": " + what);
        ++summary_.bad;
    }

    // Value number `value` (from 1) of an answered row, which does not read
    // as what it shows.
    void Warn(const Record &record, std::size_t value, const std::string &what)
    {
        Problem(record, ", valor " + std::to_string(value) + ": " + what);
        ++summary_.warnings;
    }

private:
    void Problem(const Record &record, const std::string &what) { problems_.Write(RowMessage(record, what)); }

    std::span<AnswerWriter *const> writers_;
    ByteSink &problems_;
    CsvFormat format_;
    WorksheetSummary &summary_;
};

// A row of one of the windows' cases: its name, then its values in the
// window's reading order, each read as the window reads its box once the
// format's decimal mark is made a point; empty fields after the last value
// are a spreadsheet's padding.
void AnswerCaseRow(const Case &kase, const Record &record, Rows &rows)
{
    const std::vector<std::string> &fields = record.fields;
    const std::size_t count = kase.values.size();
    const std::size_t given = fields.size() - 1;
    const std::size_t filled = Filled(record) - 1;
    if (given < count || filled > count) {
        const std::size_t brought = given < count ? given : filled;
        rows.Report(record, ValuesNeeded(kase) + " y la fila trae " + std::to_string(brought));
        return;
    }

    const char mark = rows.Format().decimalMark;
    std::array<std::string, kMaxValues> read;
    std::array<std::string_view, kMaxValues> values;
    std::array<bool, kMaxValues> plain{};
    for (std::size_t i = 0; i < count; ++i) {
        read[i] = fields[1 + i];
        std::ranges::replace(read[i], mark, '.');
        values[i] = read[i];
        plain[i] = IsPlainNumber(read[i]);
        // An empty box is 0 in the window too, and nothing to warn about.
        if (!plain[i] && !read[i].empty()) {
            std::string shown = NumberText(TextValue(read[i]));
            std::ranges::replace(shown, '.', mark);
            rows.Warn(record, i + 1, "«" + Shown(fields[1 + i]) + "» se lee como " + shown);
        }
    }
    const Answer answer = AnswerCase(kase, std::span(values.data(), count));
    rows.Answer(CaseRow{record, kase, std::span(read.data(), count), std::span(plain.data(), count), answer});
}

// "resolver" and three parts by name, as `sorvani-calc resolver` reads them;
// with "," between fields a decimal point only.
void AnswerResolverRow(const Record &record, Rows &rows)
{
    const std::span<const std::string> parts = std::span(record.fields).subspan(1, Filled(record) - 1);
    const std::vector<std::string_view> typed(parts.begin(), parts.end());
    const DecimalMark mark = rows.Format().decimalMark == '.' ? DecimalMark::Point : DecimalMark::PointOrComma;
    std::string problem;
    const std::optional<TriangleData> given = ReadParts(typed, mark, problem);
    if (!given) {
        rows.Report(record, Printable(std::move(problem)));
        return;
    }
    // The reason's numbers too with the sheet's decimal mark, in every writer.
    const TriangleSolution solution = SolveTriangle(*given, rows.Format().decimalMark);
    rows.Answer(ResolverRow{record, parts, solution});
}

// "versión" and its label, nothing else but a spreadsheet's padding.
void VersionRow(const Record &record, Rows &rows)
{
    const std::size_t filled = Filled(record);
    if (filled != 2 || record.fields[1].empty()) {
        rows.Report(record, "«" + std::string(kVersionName) + "» lleva solo la letra de la versión ("
                                + std::string(kVersionName) + ";A)");
        return;
    }
    rows.Version(record, record.fields[1]);
}

} // namespace

std::string RowMessage(const Record &record, std::string_view what)
{
    std::string line = "sorvani-calc: fila " + std::to_string(record.row);
    if (record.line != record.row)
        line += " (línea " + std::to_string(record.line) + ")";
    line += what;
    return line + "\n";
}

CsvAnswers::CsvAnswers(ByteSink &out, CsvFormat format, int decimals)
    : out_(out), format_(format), decimals_(decimals)
{
}

void CsvAnswers::Start()
{
    const char separator[] = {format_.separator, '\0'};
    out_.Write(std::string("caso") + separator + "valores" + separator + "resultados\n");
}

// A plain number is written back with the format's decimal mark, so that
// the spreadsheet shows the value that was used; anything else as given.
void CsvAnswers::Write(const CaseRow &row)
{
    const std::vector<std::string> &fields = row.record.fields;
    Text(fields.front());
    for (std::size_t i = 0; i < row.read.size(); ++i) {
        if (row.plain[i])
            Number(row.read[i]);
        else
            Text(fields[1 + i]);
    }
    if (row.answer.solved) {
        for (std::size_t i = 0; i < row.kase.results; ++i)
            Number(row.answer.texts[i]);
    } else {
        Text(row.answer.title);
        Text(row.answer.message);
    }
    EndRow();
}

// The row as typed (it is text to a spreadsheet anyway), the case, how many
// triangles, and each one's sides, angles, area, perimeter, r and R.
void CsvAnswers::Write(const ResolverRow &row)
{
    Text(row.record.fields.front());
    for (const std::string &part : row.parts)
        Text(part);
    const TriangleSolution &solution = row.solution;
    Text(CaseCode(solution.kase));
    Number(std::to_string(solution.count));
    if (solution.count == 0) {
        Text(kNoSolutionTitle);
        Text(solution.reason);
    }
    for (int i = 0; i < solution.count; ++i) {
        const SolvedTriangle &t = solution.triangles[std::size_t(i)];
        for (const double x : {t.sides[0], t.sides[1], t.sides[2], t.angles[0], t.angles[1], t.angles[2], t.area,
                               t.perimeter, t.inradius, t.circumradius})
            Number(DecimalText(x, decimals_));
    }
    EndRow();
}

// Echoed, so that the answers keep the versions apart too.
void CsvAnswers::Version(const Record &record, std::string_view label)
{
    Text(record.fields.front());
    Text(label);
    EndRow();
}

void CsvAnswers::Text(std::string_view text)
{
    if (rowStarted_)
        row_ += format_.separator;
    rowStarted_ = true;
    AppendCsvField(row_, text, format_.separator);
}

void CsvAnswers::Number(std::string_view text)
{
    if (rowStarted_)
        row_ += format_.separator;
    rowStarted_ = true;
    AppendCsvNumber(row_, text, format_.decimalMark);
}

void CsvAnswers::EndRow()
{
    row_ += '\n';
    out_.Write(row_);
    row_.clear();
    rowStarted_ = false;
}

WorksheetSummary ReadWorksheet(ByteSource &in, std::span<AnswerWriter *const> writers, ByteSink &problems,
                               CsvFormat format, CsvLimits limits)
{
    WorksheetSummary summary;
    CsvReader reader(in, format.separator, limits);
    Rows rows(writers, problems, format, summary);
    Record record;
    for (AnswerWriter *writer : writers)
        writer->Start();

    while (reader.Next(record)) {
        ++summary.rows;
        // A comment is skipped whatever it holds.
        if (record.fields.front().starts_with('#')) {
            ++summary.skipped;
            continue;
        }
        if (record.problem != RowProblem::None) {
            rows.Report(record, ProblemText(record.problem, limits));
            continue;
        }
        if (IsBlank(record)) {
            ++summary.skipped;
            continue;
        }
        // The first field says what kind of row it is, and so who answers it.
        const std::string &kind = record.fields.front();
        if (const Case *kase = FindCase(kind))
            AnswerCaseRow(*kase, record, rows);
        else if (NamesCommand(kind, kResolverName))
            AnswerResolverRow(record, rows);
        else if (NamesCommand(kind, kVersionName))
            VersionRow(record, rows);
        else
            rows.Report(record, UnknownCase(kind));
    }
    for (AnswerWriter *writer : writers)
        writer->End();
    return summary;
}

WorksheetSummary AnswerWorksheet(ByteSource &in, ByteSink &out, ByteSink &problems, CsvFormat format,
                                 CsvLimits limits, int decimals)
{
    CsvAnswers answers(out, format, decimals);
    AnswerWriter *const writers[] = {&answers};
    return ReadWorksheet(in, writers, problems, format, limits);
}

} // namespace calc
