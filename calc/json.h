#pragma once
// JSON as sorvani-calc writes it, through nlohmann-json: keys in the order
// they are set, one line without spaces, UTF-8 as it is.

#include <nlohmann/json.hpp>

#include <string>

namespace calc {

using Json = nlohmann::ordered_json;

// A double becomes the shortest text that reads back as the same double; a
// non-finite one would become null, so callers give none. Bytes that are
// not UTF-8 (none of our texts has them) become U+FFFD rather than throw.
inline std::string JsonText(const Json &json)
{
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace calc
