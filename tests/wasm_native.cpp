// The native half of tst_wasm: the resolver view of each request on standard
// input, one JSON line each, as the web module writes it. A request is
// decimals, 0 or 1 for decimal degrees, the triangle shown and the six boxes,
// parted by U+001F, one per line.
//
// `wasm_native practice` plays the practice page's calls instead: a line
// "open S A L D", "event ACTION BOX T" or "start CASES P D S R" followed by
// its texts of those many bytes (store, address, link, drawn seed; the typed
// text; Problemas, Decimales, Semilla, drawn seed), as the module's
// sorvani_practice_* take them. For each it writes "RESULT V S X A" and the
// view, store, set-aside store and address of those many bytes.
#include "practice.h"
#include "resolver_view.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

std::uint64_t Seed(const std::string &text)
{
    std::uint64_t seed = 0;
    std::from_chars(text.data(), text.data() + text.size(), seed);
    return seed;
}

int Practice()
{
    std::optional<calc::Practice> practice;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        std::vector<long long> numbers;
        for (long long n; words >> n;)
            numbers.push_back(n);
        const std::size_t texts = kind == "open" ? 4 : kind == "event" ? 1 : 4;
        std::vector<std::string> text(texts);
        for (std::size_t i = 0; i < texts; ++i) {
            text[i].resize(std::size_t(numbers[numbers.size() - texts + i]));
            std::cin.read(text[i].data(), std::streamsize(text[i].size()));
        }
        int result = 0;
        if (kind == "open") {
            practice.emplace(text[0], text[1], Seed(text[3]), text[2]);
        } else if (kind == "event") {
            const int box = int(numbers[1]);
            switch (numbers[0]) {
            case 0: practice->Type(box, text[0]); break;
            case 1: practice->Choose(box); break;
            case 2: practice->Check(); break;
            case 3: practice->Hint(); break;
            case 4: practice->ShowSolution(); break;
            case 5: practice->Next(); break;
            default: result = -1;
            }
        } else {
            calc::PracticeChoices choices;
            for (std::size_t i = 0; i < choices.cases.size(); ++i)
                choices.cases[i] = (numbers[0] >> i) & 1;
            choices.problems = text[0];
            choices.decimals = text[1];
            choices.seed = text[2];
            result = practice->Start(choices, Seed(text[3])) ? 1 : 0;
        }
        const std::string out[] = {result < 0 ? "" : calc::PracticeViewJson(practice->View()),
                                   result < 0 ? "" : practice->Store(), result < 0 ? "" : practice->SetAside(),
                                   result < 0 ? "" : practice->Address()};
        std::cout << result;
        for (const std::string &o : out)
            std::cout << ' ' << o.size();
        std::cout << '\n';
        for (const std::string &o : out)
            std::cout << o;
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
