#pragma once
// A worksheet answered as `sorvani-calc --lote` answers it, into whichever of
// its files are asked for: the command line writes files, the web page keeps
// the bytes.

#include "html.h"
#include "moodle.h"
#include "worksheet.h"

#include <string>
#include <string_view>

namespace calc {

// Where each file goes; null for a file not asked for.
struct SheetOutputs {
    ByteSink *csv = nullptr;      // the answered worksheet
    ByteSink *key = nullptr;      // --informe, the answer key
    ByteSink *problems = nullptr; // --enunciado, the problem sheet
    ByteSink *moodle = nullptr;   // --moodle, the problems as Moodle XML
    ByteSink *gift = nullptr;     // --gift, the problems as GIFT
    // The rows the Moodle files leave out named on `messages` even when
    // neither is written: the web page writes them only when they are saved.
    bool quizRows = false;
};

struct SheetOptions {
    CsvFormat format = kSpanishCsv;
    int decimals = 4;
    std::string_view title = kDefaultTitle;
    bool titled = false;            // a title was given: it names the Moodle files' category
    int quizDecimals = kQuizDecimals; // the places a student is asked for in the Moodle files
};

WorksheetSummary AnswerSheet(ByteSource &in, const SheetOutputs &outputs, ByteSink &messages,
                             const SheetOptions &options);

class StringSink : public ByteSink {
public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

} // namespace calc
