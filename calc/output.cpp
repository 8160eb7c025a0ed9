#include "output.h"

#include "json.h"

#include <charconv>

namespace calc {

std::string JsonAnswer(const Case &kase, const Answer &answer)
{
    if (!answer.solved)
        return JsonText({{"error", {{"titulo", answer.title}, {"mensaje", answer.message}}}});
    Json object = Json::object();
    std::size_t text = 0;
    for (const Key &key : kase.keys) {
        Json &value = object[std::string(key.name)];
        if (key.width == 1) {
            value = answer.texts[text++];
            continue;
        }
        value = Json::array();
        for (std::size_t i = 0; i < key.width; ++i)
            value.push_back(answer.texts[text++]);
    }
    return JsonText(object);
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
