#include "worksheet.h"

#include "cases.h"
#include "numeric.h"
#include "output.h"

#include <algorithm>
#include <array>
#include <string>

namespace calc {

namespace {

// A field as a message quotes it: short, and with no control character that
// could upset a terminal.
std::string Shown(std::string_view field)
{
    constexpr std::size_t kLongest = 40;
    std::size_t end = std::min(field.size(), kLongest);
    while (end > 0 && end < field.size() && (static_cast<unsigned char>(field[end]) & 0xC0) == 0x80)
        --end; // not in the middle of a character
    std::string shown;
    for (const char c : field.substr(0, end))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
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
    const auto cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        text += cases[i].name;
        text += i + 2 < cases.size() ? ", " : i + 2 == cases.size() ? " y " : ")";
    }
    return text;
}

bool IsBlank(const Record &record)
{
    return std::ranges::all_of(record.fields, [](const std::string &field) { return field.empty(); });
}

// The answers and the messages of one worksheet, each written as it comes.
class Answers {
public:
    Answers(ByteSink &out, ByteSink &problems, CsvFormat format, WorksheetSummary &summary)
        : out_(out), problems_(problems), format_(format), summary_(summary)
    {
    }

    CsvFormat Format() const { return format_; }

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

    // The fields of an answer row, then End.
    void Text(std::string_view text)
    {
        Separate();
        AppendCsvField(row_, text, format_.separator);
    }
    void Number(std::string_view text)
    {
        Separate();
        AppendCsvNumber(row_, text, format_.decimalMark);
    }
    void End()
    {
        row_ += '\n';
        out_.Write(row_);
        row_.clear();
        rowStarted_ = false;
        ++summary_.answered;
    }

private:
    void Separate()
    {
        if (rowStarted_)
            row_ += format_.separator;
        rowStarted_ = true;
    }

    void Problem(const Record &record, const std::string &what)
    {
        std::string line = "sorvani-calc: fila " + std::to_string(record.row);
        if (record.line != record.row)
            line += " (línea " + std::to_string(record.line) + ")";
        line += what + "\n";
        problems_.Write(line);
    }

    ByteSink &out_;
    ByteSink &problems_;
    CsvFormat format_;
    WorksheetSummary &summary_;
    std::string row_; // reused for every answer row
    bool rowStarted_ = false;
};

// A row of one of the windows' cases: its name, then its values in the
// window's reading order, each read as the window reads its box once the
// format's decimal mark is made a point; empty fields after the last value
// are a spreadsheet's padding.
void AnswerCaseRow(const Case &kase, const Record &record, Answers &answers)
{
    const std::vector<std::string> &fields = record.fields;
    const std::size_t count = kase.values.size();
    const std::size_t given = fields.size() - 1;
    const auto lastFilled = std::find_if(fields.rbegin(), fields.rend() - 1,
                                         [](const std::string &field) { return !field.empty(); });
    const std::size_t filled = std::size_t(fields.rend() - 1 - lastFilled);
    if (given < count || filled > count) {
        const std::size_t brought = given < count ? given : filled;
        answers.Report(record, ValuesNeeded(kase) + " y la fila trae " + std::to_string(brought));
        return;
    }

    const char mark = answers.Format().decimalMark;
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
            answers.Warn(record, i + 1, "«" + Shown(fields[1 + i]) + "» se lee como " + shown);
        }
    }
    const Answer answer = AnswerCase(kase, std::span(values.data(), count));

    // A plain number is written back with the format's decimal mark, so that
    // the spreadsheet shows the value that was used; anything else as given.
    answers.Text(fields.front());
    for (std::size_t i = 0; i < count; ++i) {
        if (plain[i])
            answers.Number(read[i]);
        else
            answers.Text(fields[1 + i]);
    }
    if (answer.solved) {
        for (std::size_t i = 0; i < kase.results; ++i)
            answers.Number(answer.texts[i]);
    } else {
        answers.Text(answer.title);
        answers.Text(answer.message);
    }
    answers.End();
}

} // namespace

WorksheetSummary AnswerWorksheet(ByteSource &in, ByteSink &out, ByteSink &problems, CsvFormat format,
                                 CsvLimits limits)
{
    WorksheetSummary summary;
    CsvReader reader(in, format.separator, limits);
    Answers answers(out, problems, format, summary);
    Record record;
    const char separator[] = {format.separator, '\0'};
    out.Write(std::string("caso") + separator + "valores" + separator + "resultados\n");

    while (reader.Next(record)) {
        ++summary.rows;
        // A comment is skipped whatever it holds.
        if (record.fields.front().starts_with('#')) {
            ++summary.skipped;
            continue;
        }
        if (record.problem != RowProblem::None) {
            answers.Report(record, ProblemText(record.problem, limits));
            continue;
        }
        if (IsBlank(record)) {
            ++summary.skipped;
            continue;
        }
        // The first field says what kind of row it is, and so who answers it.
        const std::string &kind = record.fields.front();
        if (const Case *kase = FindCase(kind))
            AnswerCaseRow(*kase, record, answers);
        else
            answers.Report(record, UnknownCase(kind));
    }
    return summary;
}

} // namespace calc
