#include "csv.h"

#include <cstdint>

namespace calc {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(int c)
{
    return c == '\n' || c == '\r';
}

} // namespace

bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0;
        std::uint32_t least = 0; // anything below is an overlong form
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

CsvReader::CsvReader(ByteSource &source, char separator, CsvLimits limits)
    : source_(source), separator_(separator), limits_(limits),
      buffer_(std::make_unique_for_overwrite<char[]>(kBufferBytes))
{
}

bool CsvReader::Fill()
{
    if (ended_)
        return false;
    position_ = 0;
    end_ = source_.Read(buffer_.get(), kBufferBytes);
    ended_ = end_ == 0;
    return !ended_;
}

int CsvReader::Peek()
{
    if (replayPosition_ < replay_.size())
        return static_cast<unsigned char>(replay_[replayPosition_]);
    if (position_ == end_ && !Fill())
        return -1;
    return static_cast<unsigned char>(buffer_[position_]);
}

int CsvReader::Get()
{
    const int c = Peek();
    if (c >= 0) {
        if (replayPosition_ < replay_.size())
            ++replayPosition_;
        else
            ++position_;
    }
    return c;
}

// CR LF, LF and a lone CR each end a line.
void CsvReader::EndLine(int c)
{
    ++line_;
    if (c == '\r' && Peek() == '\n')
        Get();
}

void CsvReader::SkipRestOfLine()
{
    for (int c; (c = Get()) >= 0;) {
        if (IsLineEnd(c)) {
            EndLine(c);
            return;
        }
    }
}

// A quote that never closes would swallow every row after it: take the record
// as its first line only, and read the lines after it again as rows.
void CsvReader::ResumeAfterFirstLine(std::size_t startLine)
{
    const std::size_t lineEnd = raw_.find_first_of("\r\n");
    if (lineEnd == raw_.npos) {
        SkipRestOfLine();
        return;
    }
    std::size_t next = lineEnd + 1;
    if (raw_[lineEnd] == '\r') {
        if (next < raw_.size() && raw_[next] == '\n')
            ++next;
        else if (next == raw_.size() && Peek() == '\n')
            Get();
    }
    std::string again = raw_.substr(next);
    again.append(replay_, replayPosition_);
    replay_ = std::move(again);
    replayPosition_ = 0;
    line_ = startLine + 1;
}

bool CsvReader::Next(Record &record)
{
    if (!started_) {
        started_ = true;
        // Some spreadsheets begin the file with a byte order mark.
        std::string first;
        for (int c; first.size() < kByteOrderMark.size() && (c = Get()) >= 0;) {
            first += char(c);
            if (!kByteOrderMark.starts_with(first))
                break;
        }
        if (first != kByteOrderMark)
            replay_ = first;
    }
    if (Peek() < 0)
        return false;

    record.fields.clear();
    record.fields.emplace_back();
    record.row = ++row_;
    record.line = line_;
    record.problem = RowProblem::None;
    raw_.clear();
    const std::size_t startLine = line_;
    std::size_t fieldCount = 1;

    const auto mark = [&](RowProblem problem) {
        if (record.problem == RowProblem::None)
            record.problem = problem;
    };
    const auto newField = [&] {
        if (++fieldCount > limits_.fields)
            mark(RowProblem::TooManyFields);
        else
            record.fields.emplace_back();
    };
    const auto append = [&](int c) {
        if (fieldCount > limits_.fields)
            return;
        std::string &field = record.fields.back();
        if (field.size() >= limits_.fieldBytes)
            mark(RowProblem::FieldTooLong);
        else
            field += char(c);
    };

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    for (;;) {
        const int c = Get();
        if (c < 0) {
            if (state == State::Quoted) {
                record.problem = RowProblem::UnterminatedQuote;
                ResumeAfterFirstLine(startLine);
                return true;
            }
            break;
        }
        raw_ += char(c);
        if (c == 0)
            mark(RowProblem::NulByte);

        bool ended = false;
        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                state = State::Quoted;
                break;
            }
            [[fallthrough]];
        case State::Unquoted:
            if (c == separator_) {
                newField();
                state = State::FieldStart;
            } else if (IsLineEnd(c)) {
                ended = true;
            } else {
                append(c);
                state = State::Unquoted;
            }
            break;
        case State::Quoted:
            if (c == '"') {
                state = State::QuoteInQuoted;
            } else {
                if (c == '\n' || (c == '\r' && Peek() != '\n'))
                    ++line_;
                append(c);
            }
            break;
        case State::QuoteInQuoted:
            if (c == '"') {
                append(c);
                state = State::Quoted;
            } else if (c == separator_) {
                newField();
                state = State::FieldStart;
            } else if (IsLineEnd(c)) {
                ended = true;
            } else {
                append(c); // text after the closing quote is kept, as spreadsheets do
                state = State::Unquoted;
            }
            break;
        }
        if (ended) {
            EndLine(c);
            break;
        }
        if (raw_.size() > limits_.rowBytes) {
            record.problem = RowProblem::RowTooLong;
            if (state == State::Quoted)
                ResumeAfterFirstLine(startLine);
            else
                SkipRestOfLine();
            return true;
        }
    }

    if (record.problem == RowProblem::None) {
        for (const std::string &field : record.fields) {
            if (!IsUtf8(field)) {
                record.problem = RowProblem::NotUtf8;
                break;
            }
        }
    }
    return true;
}

} // namespace calc
