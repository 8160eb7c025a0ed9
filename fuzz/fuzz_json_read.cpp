// The reader of kept practices (calc::ReadJson) against nlohmann's own
// parser, which it stands in for in the web module: any bytes give the same
// value, or are refused by both. Beyond the reader's depth it only refuses;
// a NUL byte, which is nowhere JSON but which nlohmann takes for the end of
// its input, it refuses too.
#include "harness.h"

#include "json_read.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const calc::Json ours = calc::ReadJson(text);
    const calc::Json theirs = calc::Json::parse(text, nullptr, false);
    int depth = 0, deepest = 0;
    bool quoted = false, escaped = false;
    for (const char c : text) {
        if (quoted) {
            quoted = escaped || c != '"';
            escaped = !escaped && c == '\\';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    if (deepest > calc::kJsonReadDepth || text.find('\0') != text.npos) {
        if (!ours.is_discarded())
            fuzz::Fail("read beyond its depth or with a NUL byte", text);
        return 0;
    }
    if (ours.is_discarded() != theirs.is_discarded())
        fuzz::Fail(ours.is_discarded() ? "refused what nlohmann reads" : "read what nlohmann refuses", text);
    // Same types and values: whole numbers within 64 bits stay whole.
    if (!ours.is_discarded() && (ours != theirs || ours.dump(-1, ' ', false, calc::Json::error_handler_t::replace)
                                                      != theirs.dump(-1, ' ', false, calc::Json::error_handler_t::replace)))
        fuzz::Fail("read otherwise than nlohmann", text);
    return 0;
}
