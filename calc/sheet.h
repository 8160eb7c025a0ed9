#pragma once
// A worksheet answered as `sorvani-calc --lote` answers it, into whichever of
// its three files are asked for: the command line writes files, the web page
// keeps the bytes.

#include "html.h"
#include "worksheet.h"

#include <string>
#include <string_view>

namespace calc {

// Where each file goes; null for a file not asked for.
struct SheetOutputs {
    ByteSink *csv = nullptr;      // the answered worksheet
    ByteSink *key = nullptr;      // --informe, the answer key
    ByteSink *problems = nullptr; // --enunciado, the problem sheet
};

struct SheetOptions {
    CsvFormat format = kSpanishCsv;
    int decimals = 4;
    std::string_view title = kDefaultTitle;
};

WorksheetSummary AnswerSheet(ByteSource &in, const SheetOutputs &outputs, ByteSink &messages,
                             const SheetOptions &options);

class StringSink : public ByteSink {
public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

} // namespace calc
