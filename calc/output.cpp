#include "output.h"

#include <charconv>

namespace calc {

void AppendJsonString(std::string &out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::string JsonAnswer(const Case &kase, const Answer &answer)
{
    std::string out = "{";
    if (!answer.solved) {
        out += "\"error\":{\"titulo\":";
        AppendJsonString(out, answer.title);
        out += ",\"mensaje\":";
        AppendJsonString(out, answer.message);
        out += "}}";
        return out;
    }
    std::size_t text = 0;
    for (const Key &key : kase.keys) {
        if (text > 0)
            out += ',';
        AppendJsonString(out, key.name);
        out += ':';
        if (key.width == 1) {
            AppendJsonString(out, answer.texts[text++]);
            continue;
        }
        out += '[';
        for (std::size_t i = 0; i < key.width; ++i) {
            if (i > 0)
                out += ',';
            AppendJsonString(out, answer.texts[text++]);
        }
        out += ']';
    }
    out += '}';
    return out;
}

std::string TextAnswer(const Case &kase, const Answer &answer)
{
    std::string out;
    for (std::string_view line : kase.lines) {
        // "{n}" stands for result text n; the table holds nothing else in braces.
        for (std::size_t open; (open = line.find('{')) != line.npos;) {
            const std::size_t close = line.find('}', open);
            std::size_t index = 0;
            std::from_chars(line.data() + open + 1, line.data() + close, index);
            out += line.substr(0, open);
            out += answer.texts[index];
            line.remove_prefix(close + 1);
        }
        out += line;
        out += '\n';
    }
    return out;
}

void AppendCsvField(std::string &out, std::string_view field, char separator)
{
    const char special[] = {separator, '"', '\n', '\r', '\0'};
    if (field.find_first_of(special) == field.npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvNumber(std::string &out, std::string_view text, char decimalMark)
{
    const std::size_t start = out.size();
    out += text;
    if (const std::size_t point = out.find('.', start); point != out.npos)
        out[point] = decimalMark;
}

} // namespace calc
