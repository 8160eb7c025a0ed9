#pragma once
// A whole worksheet answered row by row: the reader hands over one record at
// a time and each answer is written before the next record is read, so the
// memory used does not grow with the worksheet.

#include "cases.h"
#include "csv.h"
#include "general.h"
#include "resolver.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace calc {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// A row of one of the windows' cases, answered.
struct CaseRow {
    const Record &record;             // the case's name, then its values, as typed
    const Case &kase;
    std::span<const std::string> read; // each value with "." for the sheet's decimal mark
    std::span<const bool> plain;       // whether that is a plain number
    const Answer &answer;
};

// A resolver row ("resolver" and three parts by name, kResolverName), solved.
struct ResolverRow {
    const Record &record;
    std::span<const std::string> parts; // the three "PARTE=VALOR" fields as typed
    const TriangleSolution &solution;
};

// A row "versión;A" starts the next version of a sheet (sorvani-calc
// generar writes them): no problem, only a mark with its label.
inline constexpr std::string_view kVersionName = "versión";

// Where the answers of a worksheet go: Start, then every answered row as it
// is answered, and every version's mark where it stands, then End.
class AnswerWriter {
public:
    virtual ~AnswerWriter() = default;
    virtual void Start() {}
    virtual void Write(const CaseRow &row) = 0;
    virtual void Write(const ResolverRow &row) = 0;
    virtual void Version(const Record &record, std::string_view label) = 0;
    virtual void End() {}
};

// The answers as CSV: the header, then per row its fields as given and the
// results (numbers with the format's decimal mark) or the message. Resolver
// rows give their numbers with `decimals` places.
class CsvAnswers : public AnswerWriter {
public:
    CsvAnswers(ByteSink &out, CsvFormat format, int decimals = 4);
    void Start() override;
    void Write(const CaseRow &row) override;
    void Write(const ResolverRow &row) override;
    void Version(const Record &record, std::string_view label) override;

private:
    void Text(std::string_view text);
    void Number(std::string_view text);
    void EndRow();

    ByteSink &out_;
    CsvFormat format_;
    int decimals_;
    std::string row_; // reused for every answer row
    bool rowStarted_ = false;
};

// "sorvani-calc: fila 7 (línea 9)" + what + "\n": every line about a row
// begins so, the line only where it is not the row's number.
std::string RowMessage(const Record &record, std::string_view what);

struct WorksheetSummary {
    std::size_t rows = 0;     // every record read
    std::size_t answered = 0; // solved, refused or failed: one answer each
    std::size_t skipped = 0;  // blank and comment rows
    std::size_t versions = 0; // version marks
    std::size_t bad = 0;      // unknown case, wrong number of values or parts, unreadable row or mark
    std::size_t warnings = 0; // values of answered rows that are not plain numbers
};

// Reads the worksheet and hands every answered row to each writer, and writes
// one line naming the row for every bad row and for every value that does
// not read whole as a number to problems. Values are read with the format's
// decimal mark ("." is always read too).
WorksheetSummary ReadWorksheet(ByteSource &in, std::span<AnswerWriter *const> writers, ByteSink &problems,
                               CsvFormat format = kSpanishCsv, CsvLimits limits = {});

// The worksheet answered as CSV (CsvAnswers) to out.
WorksheetSummary AnswerWorksheet(ByteSource &in, ByteSink &out, ByteSink &problems, CsvFormat format = kSpanishCsv,
                                 CsvLimits limits = {}, int decimals = 4);

} // namespace calc
