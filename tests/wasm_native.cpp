// The native half of tst_wasm: the resolver view of each request on standard
// input, one JSON line each, as the web module writes it. A request is
// decimals, 0 or 1 for decimal degrees, the triangle shown and the six boxes,
// parted by U+001F, one per line.
//
// `wasm_native practice` plays the practice page's calls through the web
// module's own C interface, built natively: a line "open S A L D", "event
// ACTION BOX T" or "start CASES P D S R" and then its texts of those sizes,
// answered by a line "RESULT V S X A" and the view, store, set-aside store
// and address.
#include "resolver_view.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

extern "C" {
char *sorvani_input(std::size_t size);
const char *sorvani_output(int index);
std::size_t sorvani_output_size(int index);
void sorvani_practice_open(std::size_t, std::size_t, std::size_t, std::size_t);
int sorvani_practice_event(int action, int box, std::size_t textSize);
int sorvani_practice_start(int cases, std::size_t, std::size_t, std::size_t, std::size_t);
}

namespace {

int Practice()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string kind;
        std::vector<std::size_t> n;
        words >> kind;
        for (std::size_t x; words >> x;)
            n.push_back(x);
        const std::size_t texts = kind == "event" ? 1 : 4, total = n.size() - texts;
        std::size_t size = 0;
        for (std::size_t i = total; i < n.size(); ++i)
            size += n[i];
        std::cin.read(sorvani_input(size), std::streamsize(size));
        const int result = kind == "open"    ? (sorvani_practice_open(n[0], n[1], n[2], n[3]), 0)
                           : kind == "event" ? sorvani_practice_event(int(n[0]), int(n[1]), n[2])
                                             : sorvani_practice_start(int(n[0]), n[1], n[2], n[3], n[4]);
        std::cout << result;
        for (int i = 0; i < 4; ++i)
            std::cout << ' ' << sorvani_output_size(i);
        std::cout << '\n';
        for (int i = 0; i < 4; ++i)
            std::cout.write(sorvani_output(i), std::streamsize(sorvani_output_size(i)));
    }
    return std::cout.flush() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    if (argc > 1 && std::string(argv[1]) == "practice")
        return Practice();
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
