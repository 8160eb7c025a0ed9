#pragma once
// Reading a worksheet in CSV with RFC 4180 quoting, one record at a time, in
// bounded memory whatever the input holds.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to size bytes into buffer; 0 at the end of the input.
    virtual std::size_t Read(char *buffer, std::size_t size) = 0;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE *file) : file_(file) {}
    std::size_t Read(char *buffer, std::size_t size) override { return std::fread(buffer, 1, size, file_); }
    bool Failed() const { return std::ferror(file_) != 0; }

private:
    std::FILE *file_;
};

// Bytes held in memory, as a worksheet made by the program itself.
class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text) : rest_(text) {}
    std::size_t Read(char *buffer, std::size_t size) override
    {
        const std::size_t n = size < rest_.size() ? size : rest_.size();
        rest_.copy(buffer, n);
        rest_.remove_prefix(n);
        return n;
    }

private:
    std::string_view rest_;
};

// The two forms of a worksheet. Spreadsheets in Spanish part fields with ";"
// because "," is their decimal mark; the international form parts them with
// "," and writes a decimal point.
struct CsvFormat {
    char separator;
    char decimalMark;
};
inline constexpr CsvFormat kSpanishCsv{';', ','};
inline constexpr CsvFormat kInternationalCsv{',', '.'};

// Beyond these a record is refused rather than kept. A row of the longest
// case has eight fields; spreadsheets pad rows with empty ones.
struct CsvLimits {
    std::size_t fields = 64;
    std::size_t fieldBytes = 1024;
    std::size_t rowBytes = 64 * 1024; // as written, quotes and separators included
};

enum class RowProblem {
    None,
    UnterminatedQuote, // reading goes on at the line after the record's first line
    RowTooLong,        // the rest of that line is skipped
    TooManyFields,
    FieldTooLong,
    NulByte,
    NotUtf8,
};

struct Record {
    std::vector<std::string> fields; // at most limits.fields, each at most limits.fieldBytes
    std::size_t row = 0;             // 1-based, as a spreadsheet numbers it
    std::size_t line = 0;            // line of the input where the record starts
    RowProblem problem = RowProblem::None;
};

bool IsUtf8(std::string_view text);

class CsvReader {
public:
    explicit CsvReader(ByteSource &source, char separator = ';', CsvLimits limits = {});

    // The next record, blank and comment rows included; false at the end.
    bool Next(Record &record);

private:
    int Get();
    int Peek();
    bool Fill();
    void EndLine(int c);
    void SkipRestOfLine();
    void ResumeAfterFirstLine(std::size_t startLine);

    ByteSource &source_;
    char separator_;
    CsvLimits limits_;
    std::unique_ptr<char[]> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    std::string replay_; // bytes read again after an unterminated quote
    std::size_t replayPosition_ = 0;
    std::string raw_;    // the current record as written, up to limits.rowBytes
    std::size_t row_ = 0;
    std::size_t line_ = 1;
    bool started_ = false;
};

} // namespace calc
