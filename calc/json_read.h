#pragma once
// Reading JSON that a user or another version may have changed: strict
// RFC 8259, as nlohmann's own parser reads it, in far less code, so that the
// web module stays small. Only as deep as the texts we keep.

#include "json.h"

#include <string_view>

namespace calc {

inline constexpr int kJsonReadDepth = 32;

// The value of `text`; a discarded value when it is not JSON, is nested
// deeper than kJsonReadDepth, or holds a number beyond a double.
Json ReadJson(std::string_view text);

} // namespace calc
