// The native half of tst_wasm: the resolver view of each request on standard
// input, one JSON line each, as the web module writes it. A request is
// decimals, 0 or 1 for decimal degrees, the triangle shown and the six boxes,
// parted by U+001F, one per line.
#include "resolver_view.h"

#include <cstdio>
#include <iostream>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::array<std::string, 9> fields;
        std::size_t field = 0;
        for (const char c : line) {
            if (c == '\x1f' && field + 1 < fields.size())
                ++field;
            else
                fields[field] += c;
        }
        std::array<std::string, kTriangleParts> texts;
        std::copy(fields.begin() + 3, fields.end(), texts.begin());
        const calc::ResolverDisplay display{std::stoi(fields[0]),
                                            fields[1] == "1" ? AngleStyle::Decimal : AngleStyle::Dms,
                                            std::stoi(fields[2])};
        std::cout << calc::ResolverViewJson(texts, display) << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}
