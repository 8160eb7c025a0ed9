#pragma once
// JSON as sorvani-calc writes it, through nlohmann-json: keys in the order
// they are set, one line without spaces, UTF-8 as it is.

#include "values.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <string>

namespace calc {

using Json = nlohmann::ordered_json;

// A double as a number; a non-finite one, which JSON cannot hold, as null
// (callers give none).
inline Json JsonNumber(double x)
{
    return std::isfinite(x) ? Json(x) : Json(nullptr);
}

// The structure as nlohmann writes it, every double as the shortest text
// that reads back as the same double (ShortestText; a whole one as "3"),
// which nlohmann's own writer does not always give.
// Bytes that are not UTF-8 (none of our texts has them) become U+FFFD rather
// than throw.
inline void AppendJson(std::string &out, const Json &json)
{
    const auto dump = [](const Json &value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); };
    switch (json.type()) {
    case Json::value_t::object:
    case Json::value_t::array: {
        const bool object = json.is_object();
        out += object ? '{' : '[';
        bool first = true;
        for (const auto &item : json.items()) {
            if (!first)
                out += ',';
            first = false;
            if (object)
                out += dump(item.key()) + ':';
            AppendJson(out, item.value());
        }
        out += object ? '}' : ']';
        break;
    }
    case Json::value_t::number_float: {
        const double x = json.get<double>();
        if (!std::isfinite(x)) {
            out += "null";
            break;
        }
        out += ShortestText(x);
        break;
    }
    default:
        out += dump(json);
    }
}

inline std::string JsonText(const Json &json)
{
    std::string out;
    AppendJson(out, json);
    return out;
}

} // namespace calc
