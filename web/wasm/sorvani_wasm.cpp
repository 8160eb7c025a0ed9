// The C interface of the web pages' module. The page writes its input into
// the buffer that sorvani_input gives, calls one function, and reads each
// output back as bytes (sorvani_output, sorvani_output_size) until the next
// call. Everything it shows is written here by the same code as the desktop
// window and sorvani-calc.
#include "generate.h"
#include "practice.h"
#include "resolver_view.h"
#include "sheet.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef __wasm__
#define SORVANI_EXPORT(name) extern "C" __attribute__((export_name(#name)))
#else // tst_wasm's native half calls the same interface
#define SORVANI_EXPORT(name) extern "C"
#endif

namespace {

std::vector<char> input;
std::array<std::string, 7> outputs;

std::string_view Input(std::size_t &offset, std::size_t size)
{
    const std::string_view text(input.data() + offset, size);
    offset += size;
    return text;
}

std::string Count(const char *name, std::size_t n)
{
    return std::string("\"") + name + "\":" + std::to_string(n);
}

} // namespace

// Room for `size` bytes of input; valid until the next call of it.
SORVANI_EXPORT(sorvani_input) char *sorvani_input(std::size_t size)
{
    input.resize(size);
    return input.data();
}

SORVANI_EXPORT(sorvani_output) const char *sorvani_output(int index)
{
    return outputs[std::size_t(index)].data();
}

SORVANI_EXPORT(sorvani_output_size) std::size_t sorvani_output_size(int index)
{
    return outputs[std::size_t(index)].size();
}

// The window for any triangle. Input: the six boxes a, b, c, A, B, C one
// after another, `size0` … `size5` bytes each; a box is a datum unless it is
// blank. Output 0: the view as JSON (calc::ResolverViewJson).
SORVANI_EXPORT(sorvani_resolver)
void sorvani_resolver(std::size_t size0, std::size_t size1, std::size_t size2, std::size_t size3,
                      std::size_t size4, std::size_t size5, int decimals, int decimalDegrees, int shown)
{
    const std::size_t sizes[kTriangleParts] = {size0, size1, size2, size3, size4, size5};
    std::array<std::string, kTriangleParts> texts;
    std::size_t offset = 0;
    for (int i = 0; i < kTriangleParts; ++i)
        texts[std::size_t(i)] = Input(offset, sizes[i]);
    const calc::ResolverDisplay display{decimals, decimalDegrees ? AngleStyle::Decimal : AngleStyle::Dms, shown};
    outputs[0] = calc::ResolverViewJson(texts, display);
}

// A worksheet as `sorvani-calc --separador S --decimales D --titulo T --lote F
// --informe K --enunciado P --moodle M --gift G` answers it. Input: the
// worksheet's `sheetSize` bytes, then the title's `titleSize` (none: the
// default title). Outputs: 0 the answered CSV (as without the files), 1 the
// answer key, 2 the problem sheet, 3 the lines written on standard error, 4
// the counts as JSON, 5 the Moodle XML, 6 the GIFT, these two only with
// `quiz` (they take longer than the rest together, and are wanted only when
// saved). Returns sorvani-calc's exit status.
SORVANI_EXPORT(sorvani_worksheet)
int sorvani_worksheet(std::size_t sheetSize, std::size_t titleSize, int separator, int decimals, int quiz)
{
    std::size_t offset = 0;
    const std::string_view sheet = Input(offset, sheetSize);
    const std::string_view title = Input(offset, titleSize);
    calc::SheetOptions options;
    options.format = separator == ',' ? calc::kInternationalCsv : calc::kSpanishCsv;
    options.decimals = options.quizDecimals = decimals;
    if (!title.empty())
        options.title = title;
    options.titled = !title.empty();
    calc::TextSource source(sheet);
    calc::StringSink csv, key, problems, messages, moodle, gift;
    calc::SheetOutputs files{&csv, &key, &problems, quiz ? &moodle : nullptr, quiz ? &gift : nullptr};
    files.quizRows = true;
    const calc::WorksheetSummary summary = calc::AnswerSheet(source, files, messages, options);
    outputs[0] = std::move(csv.text);
    outputs[1] = std::move(key.text);
    outputs[2] = std::move(problems.text);
    outputs[3] = std::move(messages.text);
    outputs[5] = std::move(moodle.text);
    outputs[6] = std::move(gift.text);
    outputs[4] = "{" + Count("filas", summary.rows) + "," + Count("respondidas", summary.answered) + "," +
                 Count("omitidas", summary.skipped) + "," + Count("malas", summary.bad) + "," +
                 Count("avisos", summary.warnings) + "}";
    return summary.bad > 0 ? 2 : 0;
}

// A fresh sheet as `sorvani-calc --semilla N --casos LISTA --versiones K
// --separador S --decimales D --titulo T --informe K --enunciado P --moodle M
// --gift G generar CANTIDAD` writes it. Input: the texts of CANTIDAD, LISTA,
// K, N and T, in that order, `countSize` … `titleSize` bytes each (no title:
// the default), read as the command reads them. Outputs: 0 the sheet (its
// standard output), 1 the answer key, 2 the problem sheet, 3 what it writes on
// standard error but the usage, 5 the Moodle XML, 6 the GIFT (these two only
// with `quiz`); all but 3 empty on a wrong use. Returns its exit status.
SORVANI_EXPORT(sorvani_generate)
int sorvani_generate(std::size_t countSize, std::size_t casesSize, std::size_t versionsSize, std::size_t seedSize,
                     std::size_t titleSize, int separator, int decimals, int quiz)
{
    std::size_t offset = 0;
    const std::string_view count = Input(offset, countSize);
    const std::string_view cases = Input(offset, casesSize);
    const std::string_view versions = Input(offset, versionsSize);
    const std::string_view seed = Input(offset, seedSize);
    const std::string_view title = Input(offset, titleSize);
    for (std::string &output : outputs)
        output.clear();
    const auto wrongUse = [](const std::string &problem) {
        outputs[3] = "sorvani-calc: " + problem + "\n";
        return 2;
    };
    // In the order the command line gives them: its first wrong one is named.
    generator::Request request;
    std::string problem;
    const std::optional<std::uint64_t> seedValue = calc::ReadSeed(seed, problem);
    if (!seedValue)
        return wrongUse(problem);
    const std::optional<std::vector<TriangleCase>> caseList = calc::ReadCaseList(cases, problem);
    if (!caseList)
        return wrongUse(problem);
    const std::optional<int> versionCount = calc::ReadVersions(versions, problem);
    if (!versionCount)
        return wrongUse(problem);
    if (!calc::IsUtf8(title))
        return wrongUse(std::string(calc::kTitleNotUtf8));
    const std::optional<int> problems = calc::ReadCount(count, problem);
    if (!problems)
        return wrongUse(problem);
    request.seed = *seedValue;
    request.cases = *caseList;
    request.versions = *versionCount;
    request.count = *problems;

    calc::SheetOptions options;
    options.format = separator == ',' ? calc::kInternationalCsv : calc::kSpanishCsv;
    options.decimals = options.quizDecimals = decimals;
    if (!title.empty())
        options.title = title;
    options.titled = !title.empty();
    std::optional<std::string> sheet = calc::GenerateText(request, options.format, problem);
    if (!sheet)
        return wrongUse(problem);
    calc::TextSource source(*sheet);
    calc::StringSink key, problemSheet, messages, moodle, gift;
    calc::SheetOutputs files{nullptr, &key, &problemSheet, quiz ? &moodle : nullptr, quiz ? &gift : nullptr};
    files.quizRows = true;
    const calc::WorksheetSummary summary = calc::AnswerSheet(source, files, messages, options);
    outputs[3] = std::move(messages.text);
    // As the command: a sheet it could not answer is not written.
    if (summary.bad > 0)
        return 2;
    outputs[0] = std::move(*sheet);
    outputs[1] = std::move(key.text);
    outputs[2] = std::move(problemSheet.text);
    outputs[5] = std::move(moodle.text);
    outputs[6] = std::move(gift.text);
    return 0;
}

namespace {

// The practice the page shows: one while the page is open.
std::optional<calc::Practice> practice;

// A seed drawn by the page (the module has no randomness), in decimal.
std::uint64_t DrawnSeed(std::string_view text)
{
    std::uint64_t seed = 0;
    std::from_chars(text.data(), text.data() + text.size(), seed);
    return seed;
}

void PracticeOutputs()
{
    outputs[0] = calc::PracticeViewJson(practice->View());
    outputs[1] = practice->Store();
    outputs[2] = practice->SetAside();
    outputs[3] = practice->Address();
    for (std::size_t i = 4; i < outputs.size(); ++i)
        outputs[i].clear();
}

} // namespace

// The practice page. Every call gives: output 0 the view as JSON
// (calc::PracticeViewJson), 1 the store to keep, 2 a kept store that could
// not be read (empty when it read), 3 the address to write after "#".
//
// Opens a practice over the kept store. Input: the store, the address (after
// "#"), the page's link before "#" and a drawn seed in decimal, `storeSize` …
// `seedSize` bytes each.
SORVANI_EXPORT(sorvani_practice_open)
void sorvani_practice_open(std::size_t storeSize, std::size_t addressSize, std::size_t linkSize, std::size_t seedSize)
{
    std::size_t offset = 0;
    const std::string_view store = Input(offset, storeSize);
    const std::string_view address = Input(offset, addressSize);
    const std::string_view link = Input(offset, linkSize);
    const std::string_view seed = Input(offset, seedSize);
    practice.emplace(store, address, DrawnSeed(seed), std::string(link));
    PracticeOutputs();
}

// What the student did: 0 typed the input's `textSize` bytes into box `box`,
// 1 chose `box` triangles, 2 Comprobar, 3 Pista, 4 Ver solución, 5 Siguiente.
// Returns 0, or -1 (no output) before a practice is open or for another action.
SORVANI_EXPORT(sorvani_practice_event)
int sorvani_practice_event(int action, int box, std::size_t textSize)
{
    std::size_t offset = 0;
    const std::string_view text = Input(offset, textSize);
    if (!practice || action < 0 || action > 5) {
        for (std::string &output : outputs)
            output.clear();
        return -1;
    }
    switch (action) {
    case 0: practice->Type(box, text); break;
    case 1: practice->Choose(box); break;
    case 2: practice->Check(); break;
    case 3: practice->Hint(); break;
    case 4: practice->ShowSolution(); break;
    default: practice->Next(); break;
    }
    PracticeOutputs();
    return 0;
}

// "Nueva práctica": `cases` has bit i set for calc::kPracticeCases[i]; input:
// the boxes Problemas, Decimales and Semilla as typed, then a drawn seed in
// decimal. Returns 1 when the set started, 0 when a choice does not read (the
// view's message says which), -1 before a practice is open.
SORVANI_EXPORT(sorvani_practice_start)
int sorvani_practice_start(int cases, std::size_t problemsSize, std::size_t decimalsSize, std::size_t seedSize,
                           std::size_t drawnSize)
{
    std::size_t offset = 0;
    calc::PracticeChoices choices;
    choices.problems = Input(offset, problemsSize);
    choices.decimals = Input(offset, decimalsSize);
    choices.seed = Input(offset, seedSize);
    const std::string_view drawn = Input(offset, drawnSize);
    if (!practice) {
        for (std::string &output : outputs)
            output.clear();
        return -1;
    }
    for (std::size_t i = 0; i < choices.cases.size(); ++i)
        choices.cases[i] = (cases >> i) & 1;
    const bool started = practice->Start(choices, DrawnSeed(drawn));
    PracticeOutputs();
    return started ? 1 : 0;
}
