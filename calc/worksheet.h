#pragma once
// A whole worksheet answered row by row: the reader hands over one record at
// a time and each answer is written before the next record is read, so the
// memory used does not grow with the worksheet.

#include "csv.h"

#include <cstddef>
#include <string_view>

namespace calc {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

struct WorksheetSummary {
    std::size_t rows = 0;     // every record read
    std::size_t answered = 0; // solved, refused or failed: one output row each
    std::size_t skipped = 0;  // blank and comment rows
    std::size_t bad = 0;      // unknown case, wrong number of values, unreadable row
    std::size_t warnings = 0; // values of answered rows that are not plain numbers
};

// Writes the header and one CSV row per answered worksheet row to out, and
// one line naming the row for every bad row and for every value that does
// not read whole as a number to problems. Values are read and numbers written
// with the format's decimal mark ("." is always read too).
WorksheetSummary AnswerWorksheet(ByteSource &in, ByteSink &out, ByteSink &problems, CsvFormat format = kSpanishCsv,
                                 CsvLimits limits = {});

} // namespace calc
