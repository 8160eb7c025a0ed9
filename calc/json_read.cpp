#include "json_read.h"

#include "csv.h"
#include "numeric.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace calc {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Json> Document()
    {
        std::optional<Json> value = Value(0);
        Blanks();
        if (at_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    bool More() const { return at_ < text_.size(); }
    char Peek() const { return More() ? text_[at_] : '\0'; }
    bool Eat(char c)
    {
        if (Peek() != c || !More())
            return false;
        ++at_;
        return true;
    }
    bool Word(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }
    void Blanks()
    {
        while (More() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++at_;
    }

    std::optional<Json> Value(int depth)
    {
        Blanks();
        switch (Peek()) {
        case '{': return Object(depth + 1);
        case '[': return Array(depth + 1);
        case '"': {
            std::optional<std::string> text = String();
            return text ? std::optional<Json>(std::move(*text)) : std::nullopt;
        }
        case 't': return Word("true") ? std::optional<Json>(true) : std::nullopt;
        case 'f': return Word("false") ? std::optional<Json>(false) : std::nullopt;
        case 'n': return Word("null") ? std::optional<Json>(nullptr) : std::nullopt;
        default: return Number();
        }
    }

    std::optional<Json> Object(int depth)
    {
        if (depth > kJsonReadDepth)
            return std::nullopt;
        ++at_;
        Json object = Json::object();
        Blanks();
        if (Eat('}'))
            return object;
        do {
            Blanks();
            std::optional<std::string> key = String();
            Blanks();
            if (!key || !Eat(':'))
                return std::nullopt;
            std::optional<Json> value = Value(depth);
            if (!value)
                return std::nullopt;
            // A repeated key keeps its place and takes the last value, as nlohmann's parser does.
            object[*key] = std::move(*value);
            Blanks();
        } while (Eat(','));
        return Eat('}') ? std::optional<Json>(std::move(object)) : std::nullopt;
    }

    std::optional<Json> Array(int depth)
    {
        if (depth > kJsonReadDepth)
            return std::nullopt;
        ++at_;
        Json array = Json::array();
        Blanks();
        if (Eat(']'))
            return array;
        do {
            std::optional<Json> value = Value(depth);
            if (!value)
                return std::nullopt;
            array.push_back(std::move(*value));
            Blanks();
        } while (Eat(','));
        return Eat(']') ? std::optional<Json>(std::move(array)) : std::nullopt;
    }

    std::optional<unsigned> Hex4()
    {
        if (text_.size() - at_ < 4)
            return std::nullopt;
        unsigned code = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + at_ + 4)
            return std::nullopt;
        at_ += 4;
        return code;
    }

    static void Append(std::string &out, std::uint32_t code)
    {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }

    std::optional<std::string> String()
    {
        if (!Eat('"'))
            return std::nullopt;
        std::string out;
        std::size_t run = at_; // bytes copied as they are, checked as UTF-8 at once
        const auto flush = [&] {
            const std::string_view bytes = text_.substr(run, at_ - run);
            if (!IsUtf8(bytes))
                return false;
            out += bytes;
            return true;
        };
        while (More()) {
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c == '"') {
                if (!flush())
                    return std::nullopt;
                ++at_;
                return out;
            }
            if (c < 0x20)
                return std::nullopt;
            if (c != '\\') {
                ++at_;
                continue;
            }
            if (!flush())
                return std::nullopt;
            ++at_;
            const char escape = Peek();
            ++at_;
            switch (escape) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::optional<unsigned> code = Hex4();
                if (!code || (*code >= 0xDC00 && *code <= 0xDFFF))
                    return std::nullopt;
                if (*code >= 0xD800 && *code <= 0xDBFF) {
                    // Only as the first half of a pair.
                    if (!Word("\\u"))
                        return std::nullopt;
                    const std::optional<unsigned> low = Hex4();
                    if (!low || *low < 0xDC00 || *low > 0xDFFF)
                        return std::nullopt;
                    code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                }
                Append(out, *code);
                break;
            }
            default: return std::nullopt;
            }
            run = at_;
        }
        return std::nullopt;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?: a whole number within 64
    // bits as such, anything else as a double, as nlohmann's parser keeps them.
    std::optional<Json> Number()
    {
        const std::size_t start = at_;
        const auto digits = [&] {
            const std::size_t first = at_;
            while (More() && Peek() >= '0' && Peek() <= '9')
                ++at_;
            return at_ > first;
        };
        const bool negative = Eat('-');
        if (Eat('0')) {
            if (More() && Peek() >= '0' && Peek() <= '9')
                return std::nullopt;
        } else if (!digits()) {
            return std::nullopt;
        }
        bool whole = true;
        if (Eat('.')) {
            whole = false;
            if (!digits())
                return std::nullopt;
        }
        if (Eat('e') || Eat('E')) {
            whole = false;
            if (!Eat('+'))
                Eat('-');
            if (!digits())
                return std::nullopt;
        }
        const std::string_view lexeme = text_.substr(start, at_ - start);
        if (whole) {
            const char *first = lexeme.data(), *last = lexeme.data() + lexeme.size();
            if (negative) {
                std::int64_t n = 0;
                if (const auto [end, error] = std::from_chars(first, last, n); error == std::errc() && end == last)
                    return Json(n);
            } else {
                std::uint64_t n = 0;
                if (const auto [end, error] = std::from_chars(first, last, n); error == std::errc() && end == last)
                    return Json(n);
            }
        }
        const double x = TextValue(lexeme);
        if (!std::isfinite(x))
            return std::nullopt;
        return Json(x);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

Json ReadJson(std::string_view text)
{
    std::optional<Json> value = Reader(text).Document();
    return value ? std::move(*value) : Json(Json::value_t::discarded);
}

} // namespace calc
