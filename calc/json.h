#pragma once
// JSON as sorvani-calc writes it, through nlohmann-json: keys in the order
// they are set, one line without spaces, UTF-8 as it is.

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <string>

namespace calc {

using Json = nlohmann::ordered_json;

// A double becomes the shortest text that reads back as the same double; a
// non-finite one would become null, so callers give none. Bytes that are
// not UTF-8 (none of our texts has them) become U+FFFD rather than throw.
// A number as its shortest text: nlohmann writes a whole double as "3.0",
// so one that an integer holds exactly goes in as that integer ("3").
inline Json JsonNumber(double x)
{
    constexpr double kExact = 9007199254740992.0; // 2^53: every whole double below is an int64
    if (x == std::trunc(x) && std::abs(x) < kExact)
        return std::int64_t(x);
    return x;
}

inline std::string JsonText(const Json &json)
{
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace calc
