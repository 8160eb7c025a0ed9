// sorvani-calc: the three solutions of the windows from a terminal, for one
// triangle or a whole worksheet, with the windows' texts digit for digit; and
// the general solution of any three parts (resolver).
#include "case_figure.h"
#include "cases.h"
#include "figure.h"
#include "generate.h"
#include "html.h"
#include "moodle.h"
#include "numeric.h"
#include "output.h"
#include "parts.h"
#include "resolver.h"
#include "sheet.h"
#include "solution_figure.h"
#include "solution_text.h"
#include "worksheet.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace calc;

constexpr int kSolved = 0;
constexpr int kRefused = 1; // refused input or calculation failure
constexpr int kWrongUse = 2;
constexpr int kDefaultDecimals = 4; // resolver
constexpr std::string_view kOptionNames[] = {"--help",      "-h",        "--version",  "--json",    "--pasos",
                                             "--decimales", "--lote",    "--svg",      "--separador", "--informe",
                                             "--enunciado", "--titulo",  "--semilla",  "--casos",   "--versiones",
                                             "--moodle",    "--gift"};

class FileSink : public ByteSink {
public:
    explicit FileSink(std::FILE *file) : file_(file) {}
    void Write(std::string_view bytes) override { std::fwrite(bytes.data(), 1, bytes.size(), file_); }

private:
    std::FILE *file_;
};

void Print(std::FILE *file, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), file);
}

std::string Usage()
{
    std::string text;
    for (const Case &kase : Cases()) {
        text += text.empty() ? "Uso: " : "     ";
        text += "sorvani-calc [OPCIONES] ";
        text += kase.name;
        for (std::string_view value : kase.values) {
            text += ' ';
            text += value;
        }
        text += '\n';
    }
    text += "     sorvani-calc [OPCIONES] resolver PARTE=VALOR PARTE=VALOR PARTE=VALOR [OPCIONES]\n";
    text += "     sorvani-calc [--separador ;|,] [--decimales N] --lote HOJA.csv   (o - para la entrada estándar)\n"
            "     sorvani-calc --lote HOJA.csv [--informe F.html] [--enunciado F.html] [--moodle F.xml]\n"
            "                  [--gift F.txt] [--titulo TÍTULO]\n"
            "     sorvani-calc [--semilla N] [--casos LISTA] [--versiones K] [--separador ;|,]\n"
            "                  [--informe F.html] [--enunciado F.html] [--moodle F.xml] [--gift F.txt]\n"
            "                  [--titulo TÍTULO] generar CANTIDAD [OPCIONES]\n";
    return text;
}

std::string Help()
{
    std::string text = Usage();
    text += "\nResuelve un triángulo plano como las ventanas de Sorvani, con sus mismos textos y\n"
            "mensajes.\n\nCasos:\n";
    for (const Case &kase : Cases()) {
        text += "  ";
        text += kase.name;
        text.append(14 - kase.name.size(), ' ');
        text += kase.description;
        text += '\n';
    }
    text += "  resolver      tres partes cualesquiera, al menos un lado: a, b, c son los lados y\n"
            "                A, B, C los ángulos opuestos (las mayúsculas cuentan)\n";
    text += "\nCada valor se lee como la ventana lee su casilla: \"12cm\" es 12, \"3,5\" es 3 (la coma\n"
            "termina el número) y un valor vacío es 0. Las opciones van antes del caso; tras su\n"
            "nombre todo es un valor, también uno que empieza por \"-\". Tras resolver, lo que\n"
            "empieza por \"-\" es una opción (ninguna parte empieza así), también tras las partes.\n"
            "\nresolver, en cambio, lee cada valor entero: un número con punto o coma decimal y\n"
            "exponente opcional (\"3,5\", \"1e-6\"); un ángulo, también en grados, minutos y\n"
            "segundos (\"45°30′15″\", \"45°30'15\"\", \"45:30:15\" o \"45 30 15\" entre comillas).\n"
            "\"12cm\", un valor vacío o un lado en grados es un error de uso; \"-3\" o \"1e400\" se\n"
            "leen y se rechazan por estar fuera de rango. Escribe el caso (LLL, LAL, ALA, LAA,\n"
            "LLA) y cuántas soluciones hay (LLA puede tener dos), y de cada triángulo los lados,\n"
            "los ángulos en grados decimales y en grados, minutos y segundos, área, perímetro,\n"
            "semiperímetro, alturas, medianas, bisectrices, radios inscrito (r) y circunscrito\n"
            "(R) y el tipo.\n"
            "\nOpciones:\n"
            "  --json         un objeto JSON con los textos de los resultados (resolver: números)\n"
            "  --lote HOJA    responde cada fila de una hoja CSV con \";\" entre campos\n"
            "  --informe F    escribe en F, en vez del CSV, las soluciones de la hoja en HTML para\n"
            "                 imprimir: datos, figura, resultados y pasos de cada problema\n"
            "  --enunciado F  escribe en F, en vez del CSV, los problemas de la hoja en HTML para\n"
            "                 imprimir: datos, un croquis y sitio para trabajar\n"
            "  --moodle F     escribe en F, en vez del CSV, los problemas de la hoja como preguntas\n"
            "                 de Moodle (formato Moodle XML): una pregunta de respuestas anidadas\n"
            "                 (Cloze) por problema, con el croquis, una casilla por parte que falta\n"
            "                 y el área, los errores conocidos con su explicación y los pasos\n"
            "  --gift F       lo mismo en formato GIFT: una pregunta numérica por casilla\n"
            "  --titulo T     el título de --informe y --enunciado (\"Hoja de triángulos\"); en\n"
            "                 --moodle y --gift, la categoría de las preguntas (\"Sorvani\")\n"
            "  --separador ,  la hoja y sus respuestas con \",\" entre campos y punto decimal\n"
            "                 (--separador ; es la forma de siempre, con coma decimal)\n"
            "  --svg FICHERO  escribe además el triángulo resuelto, a escala, como figura SVG\n"
            "                 (resolver con dos soluciones: las dos, una junto a otra)\n"
            "  --decimales N  resolver y las filas resolver de una hoja: decimales de los resultados\n"
            "                 y los pasos, de 0 a 15 (4 si no se dice; los segundos llevan siempre\n"
            "                 dos); en --moodle y --gift, los que se piden al alumno (2 si no se dice)\n"
            "  --pasos        resolver: los pasos del cálculo bajo cada solución\n"
            "  --semilla N    generar: la misma hoja para la misma N (de 0 a 2^64-1); sin ella se\n"
            "                 sortea y se escribe en la salida de errores (\"semilla: N\")\n"
            "  --casos LISTA  generar: los casos, por turno, separados por comas (LLL,LAL,ALA,LAA,LLA,\n"
            "                 todos si no se dice; uno nombrado dos veces sale el doble)\n"
            "  --versiones K  generar: K versiones de la hoja (de 1 a 26), cada una tras su fila\n"
            "                 \"versión;A\", \"versión;B\"…, con los mismos casos en el mismo orden\n"
            "  --help         esta ayuda\n"
            "  --version      la versión\n"
            "\nSalida: una línea por resultado, con las etiquetas y unidades de la ventana:\n";
    for (const Case &kase : Cases()) {
        text += "  ";
        text += kase.name;
        text += ":\n";
        for (std::string_view line : kase.lines) {
            text += "    ";
            // The placeholders of the table, shown as "…".
            for (std::size_t open; (open = line.find('{')) != line.npos;) {
                text += line.substr(0, open);
                text += "…";
                line.remove_prefix(line.find('}', open) + 1);
            }
            text += line;
            text += '\n';
        }
    }
    text += "\nClaves de --json (textos entre comillas; _gms: grados, minutos y segundos):\n";
    for (const Case &kase : Cases()) {
        text += "  ";
        text += kase.name;
        text += ":";
        text.append(13 - kase.name.size(), ' ');
        for (const Key &key : kase.keys) {
            text += ' ';
            text += key.name;
        }
        text += '\n';
    }
    text += "  resolver:     caso, soluciones: [{a b c A B C area perimetro semiperimetro alturas\n"
            "                medianas bisectrices r R tipo}], números JSON completos (alturas y\n"
            "                medianas por el lado, bisectrices por su ángulo en minúscula: \"a\" es la\n"
            "                de A; tipo: lados, angulos); con --pasos, cada solución lleva también\n"
            "                pasos: [{regla formula sustitucion resultado}]\n";
    text += "  un dato rechazado o un cálculo imposible: {\"error\": {\"titulo\": …, \"mensaje\": …}}\n"
            "  (resolver sin triángulo: titulo \"Sin solución\" y el motivo)\n"
            "\nHoja (--lote, - lee la entrada estándar): cada fila es el caso y sus valores, separados\n"
            "por \";\" y entrecomillados como dice RFC 4180; se saltan las filas vacías y las que\n"
            "empiezan por \"#\", y los campos vacíos tras el último valor. Un valor se lee con coma\n"
            "o con punto decimal (\"12,5\" y \"12.5\" son 12,5) y por lo demás como en la ventana;\n"
            "uno que no es solo un número (\"12cm\", \" 3\") da un aviso que nombra la fila y el\n"
            "valor, y la fila se responde igual. La respuesta es CSV con \";\": la cabecera\n"
            "\"caso;valores;resultados\", y por cada fila el caso y sus valores, seguidos de los\n"
            "resultados en el orden de las claves JSON (cada _gms en tres campos), o del título y\n"
            "el texto del mensaje. Los números llevan coma decimal, para que una hoja de cálculo\n"
            "en español los lea como números: un valor que es un número se escribe con coma\n"
            "(\"12.5\" da \"12,5\"), cualquier otro tal como venía. Con --separador , todo va con\n"
            "\",\" entre campos y punto decimal, y los valores se leen como en la ventana.\n"
            "Una fila \"resolver;a=3;b=4;C=90\" da tres partes por su nombre (lados a, b, c; ángulos\n"
            "A, B, C, en grados decimales o en grados, minutos y segundos). Su respuesta sigue a la\n"
            "fila tal como venía: el caso (LLL, LAL, ALA, LAA, LLA, AAA), el número de triángulos y\n"
            "de cada uno a, b, c, A, B, C (grados decimales), área, perímetro, r y R, con\n"
            "--decimales decimales; sin triángulo, el caso, 0, \"Sin solución\" y el motivo. Una fila\n"
            "resolver con una parte desconocida o repetida, sin tres partes o con un valor que no\n"
            "se lee no se responde. Una fila \"versión;A\" marca el comienzo de una versión: se\n"
            "repite en la respuesta, y --informe y --enunciado empiezan la versión en otra página.\n"
            "\nPreguntas de Moodle (--moodle, --gift): cada problema se corrige con la solución\n"
            "general; una casilla es correcta a menos de max(10^-D, 0,001·|valor|) del valor, con D\n"
            "los decimales pedidos. LLA pregunta antes cuántos triángulos hay y tiene siempre dos\n"
            "juegos de casillas: el del triángulo con el ángulo opuesto al otro lado dado agudo o\n"
            "recto (o el único) y el del obtuso; sin ese triángulo, se escribe 0. Una fila sin\n"
            "triángulo (fuera de LLA), rechazada o imposible se deja fuera y se nombra en la salida\n"
            "de errores. Los números van con punto decimal, se diga lo que se diga en --separador.\n"
            "\ngenerar CANTIDAD (de 1 a 10000) escribe una hoja de problemas nuevos, filas resolver\n"
            "que --lote lee: lados enteros de 2 a 40, ángulos enteros de 10 a 150 grados, con letras\n"
            "y orden al azar. Cada problema se resuelve antes de darlo: sus triángulos tienen\n"
            "ángulos de al menos 10 grados y lados de como mucho 60; en LLA el lado opuesto al\n"
            "ángulo se aparta al menos un 5 % de la altura y del otro lado, y se turnan los\n"
            "problemas con dos, uno y ningún triángulo (de uno, también con el ángulo recto u\n"
            "obtuso). Ningún triángulo sale dos veces en una versión, y cada versión evita los de\n"
            "las anteriores mientras haya otros. Con --informe, --enunciado, --moodle y --gift\n"
            "escribe además las soluciones, el enunciado y las preguntas de Moodle de la hoja.\n";
    const CsvLimits limits;
    text += "Una fila de más de " + std::to_string(limits.fields) + " campos, con un campo de más de " +
            std::to_string(limits.fieldBytes) + " bytes, de más de " + std::to_string(limits.rowBytes) +
            " bytes,\ncon un byte nulo, que no es UTF-8 o con comillas sin cerrar no se responde: se\n"
            "nombra (\"fila N\", contando todas las filas) y se sigue con la siguiente.\n";
    text += "\nEstado de salida:\n"
            "  0  resuelto; en --lote, todas las filas leídas y respondidas (con avisos o sin ellos)\n"
            "  1  dato rechazado o cálculo imposible (sin --json el mensaje va a la salida de errores);\n"
            "     en resolver, ningún triángulo o un valor fuera de rango\n"
            "  2  uso incorrecto (también generar con más triángulos LLL de los que hay), hoja o\n"
            "     fichero ilegible, o alguna fila de la hoja sin respuesta\n"
            "     (caso desconocido, número de valores equivocado, fila ilegible: se nombra la fila\n"
            "     y se responden todas las demás)\n";
    return text;
}

int WrongUse(const std::string &problem)
{
    Print(stderr, "sorvani-calc: " + problem + "\n" + Usage() + "Más información: sorvani-calc --help\n");
    return kWrongUse;
}

// Anything left in the output buffer that cannot be written is an error too.
int Finish(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "sorvani-calc: no se pudo escribir la salida: %s\n", std::strerror(errno));
        return kWrongUse;
    }
    return status;
}

// What --lote does with the worksheet: its answers as CSV on standard output,
// or the answer key and the problem sheet in their files instead.
struct SheetRun {
    std::string_view path;
    const std::string *text = nullptr; // the worksheet itself, instead of the file at path
    CsvFormat format = kSpanishCsv;
    int decimals = kDefaultDecimals;
    const std::string_view *key = nullptr;      // --informe
    const std::string_view *problems = nullptr; // --enunciado
    const std::string_view *moodle = nullptr;   // --moodle
    const std::string_view *gift = nullptr;     // --gift
    std::string_view title = kDefaultTitle;
    bool titled = false;
    int quizDecimals = kQuizDecimals;

    bool Files() const { return key || problems || moodle || gift; }
};

std::FILE *CreateFile(std::string_view path)
{
    std::FILE *file = std::fopen(std::string(path).c_str(), "wb");
    if (!file)
        std::fprintf(stderr, "sorvani-calc: no se puede escribir «%.*s»: %s\n", int(path.size()), path.data(),
                     std::strerror(errno));
    return file;
}

// Closes a file written to; false, with a message, when not all of it was.
bool CloseFile(std::FILE *file, std::string_view path)
{
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) == 0 && !failed)
        return true;
    std::fprintf(stderr, "sorvani-calc: no se puede escribir «%.*s»: %s\n", int(path.size()), path.data(),
                 std::strerror(errno));
    return false;
}

int RunWorksheet(const SheetRun &run)
{
    const std::string_view path = run.path;
    std::FILE *file = run.text ? nullptr : stdin;
    if (file && path != "-") {
        file = std::fopen(std::string(path).c_str(), "rb");
        if (!file) {
            std::fprintf(stderr, "sorvani-calc: no se puede leer «%.*s»: %s\n", int(path.size()), path.data(),
                         std::strerror(errno));
            return kWrongUse;
        }
    }
    // Every file is there before the first row is read, or none is written.
    struct Output {
        const std::string_view *path;
        std::FILE *file = nullptr;
        FileSink sink{nullptr};
    };
    std::array<Output, 4> files{{{run.key}, {run.problems}, {run.moodle}, {run.gift}}};
    for (Output &output : files) {
        if (!output.path)
            continue;
        output.file = CreateFile(*output.path);
        if (!output.file) {
            for (Output &opened : files) {
                if (opened.file)
                    std::fclose(opened.file);
            }
            if (file && file != stdin)
                std::fclose(file);
            return kWrongUse;
        }
        output.sink = FileSink(output.file);
    }

    FileSource fileSource(file);
    TextSource textSource(run.text ? std::string_view(*run.text) : std::string_view());
    ByteSource &source = file ? static_cast<ByteSource &>(fileSource) : textSource;
    FileSink out(stdout), problems(stderr);
    // The answered worksheet, or the files asked for instead.
    const auto sink = [](Output &output) { return output.file ? &output.sink : nullptr; };
    SheetOutputs outputs{run.Files() ? nullptr : &out, sink(files[0]), sink(files[1]), sink(files[2]),
                         sink(files[3])};
    SheetOptions options{run.format, run.decimals, run.title};
    options.titled = run.titled;
    options.quizDecimals = run.quizDecimals;
    const WorksheetSummary summary = AnswerSheet(source, outputs, problems, options);
    const bool failed = file && fileSource.Failed();
    const int error = errno;
    if (file && file != stdin)
        std::fclose(file);
    bool written = true;
    for (Output &output : files)
        written = (!output.file || CloseFile(output.file, *output.path)) && written;
    if (failed) {
        std::fprintf(stderr, "sorvani-calc: error al leer «%.*s»: %s\n", int(path.size()), path.data(),
                     std::strerror(error));
        return Finish(kWrongUse);
    }
    return Finish(summary.bad > 0 || !written ? kWrongUse : kSolved);
}

// The generated sheet on standard output; first its answer key and problem
// sheet, written as --lote writes them from the sheet's own text, so that a
// file that cannot be written leaves standard output empty.
int RunGenerate(const generator::Request &request, bool seedDrawn, SheetRun run)
{
    std::string problem;
    const std::optional<std::string> text = GenerateText(request, run.format, problem);
    if (!text)
        return WrongUse(problem);
    if (run.Files()) {
        run.text = &*text;
        const int status = RunWorksheet(run);
        if (status != kSolved)
            return status;
    }
    if (seedDrawn)
        Print(stderr, "semilla: " + std::to_string(request.seed) + "\n");
    Print(stdout, *text);
    return Finish(kSolved);
}

int WriteSvg(const std::optional<std::string> &svg, std::string_view path)
{
    if (!svg) {
        Print(stderr, "sorvani-calc: este triángulo no se puede dibujar: hace falta que cada lado sea positivo y "
                      "cada ángulo esté entre 0 y 180 grados\n");
        return kRefused;
    }
    std::FILE *file = CreateFile(path);
    if (!file)
        return kWrongUse;
    std::fwrite(svg->data(), 1, svg->size(), file);
    return CloseFile(file, path) ? kSolved : kWrongUse;
}

int WriteFigure(const Case &kase, const Answer &answer, std::string_view path)
{
    return WriteSvg(TriangleSvg(CaseFigure(kase, answer)), path);
}

int RunCase(const Case &kase, const std::vector<std::string_view> &values, bool json, const std::string_view *svg)
{
    const Answer answer = AnswerCase(kase, values);
    if (json) {
        Print(stdout, JsonAnswer(kase, answer) + "\n");
    } else if (answer.solved) {
        Print(stdout, TextAnswer(kase, answer));
    } else {
        Print(stderr, std::string(answer.title) + "\n" + std::string(answer.message) + "\n");
    }
    if (!answer.solved)
        return Finish(kRefused);
    // The results come first, whatever becomes of the figure.
    const int status = Finish(kSolved);
    return status == kSolved && svg ? WriteFigure(kase, answer, *svg) : status;
}

int RunResolver(std::span<const std::string_view> fields, bool json, bool steps, int decimals,
                const std::string_view *svg)
{
    std::string problem;
    const std::optional<TriangleData> given = ReadParts(fields, DecimalMark::PointOrComma, problem);
    if (!given)
        return WrongUse(problem);
    const TriangleSolution solution = SolveTriangle(*given);
    if (json)
        Print(stdout, ResolverJson(solution, decimals, steps) + "\n");
    else if (solution.count > 0)
        Print(stdout, SolutionText(solution, decimals, steps));
    else
        Print(stderr, std::string(kNoSolutionTitle) + "\n" + solution.reason + "\n");
    if (solution.count == 0)
        return Finish(kRefused);
    const int status = Finish(kSolved);
    return status == kSolved && svg ? WriteSvg(SolutionsSvg(solution, decimals, AngleStyle::Dms), *svg) : status;
}

constexpr std::string_view kTitleUse = "--titulo es para --informe, --enunciado, --moodle y --gift";

// Whether two of the files given are one.
bool SameFile(std::initializer_list<const std::string_view *> files)
{
    for (auto x = files.begin(); x != files.end(); ++x) {
        for (auto y = x + 1; y != files.end(); ++y) {
            if (*x && *y && **x == **y)
                return true;
        }
    }
    return false;
}

// "0" to "15"; nothing for anything else.
std::optional<int> ReadDecimals(std::string_view text)
{
    int decimals = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || decimals < 0 || decimals > 15)
        return std::nullopt;
    return decimals;
}

} // namespace

int main(int argc, char **argv)
{
    // System messages (a file that cannot be read) in the user's language;
    // numbers never go through the locale.
    std::setlocale(LC_MESSAGES, "");
    // One write at the end, or per 64 KiB of a worksheet's answers.
    static char buffer[64 * 1024];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);

    const std::vector<std::string_view> args(argv + 1, argv + argc);
    bool json = false;
    bool steps = false;
    std::optional<int> decimals;
    const std::string_view *sheet = nullptr;
    const std::string_view *svg = nullptr;
    const std::string_view *separator = nullptr;
    const std::string_view *title = nullptr;
    SheetRun run;
    generator::Request request;
    bool seedGiven = false, casesGiven = false, versionsGiven = false;
    // The option at args[next], and its value, which moves next on; an exit
    // status when it ends the run.
    const auto readOption = [&](std::size_t &next) -> std::optional<int> {
        const std::string_view arg = args[next];
        if (arg == "--help" || arg == "-h") {
            Print(stdout, Help());
            return Finish(kSolved);
        }
        if (arg == "--version") {
            Print(stdout, "sorvani-calc " SORVANI_VERSION "\n");
            return Finish(kSolved);
        }
        if (arg == "--json") {
            json = true;
        } else if (arg == "--pasos") {
            steps = true;
        } else if (arg == "--decimales") {
            if (decimals)
                return WrongUse("--decimales se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el número de decimales tras --decimales");
            decimals = ReadDecimals(args[++next]);
            if (!decimals)
                return WrongUse("--decimales va de 0 a 15, no «" + std::string(args[next]) + "»");
        } else if (arg == "--lote") {
            if (sheet)
                return WrongUse("--lote se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta la hoja tras --lote");
            sheet = &args[++next];
        } else if (arg == "--svg") {
            if (svg)
                return WrongUse("--svg se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el fichero tras --svg");
            svg = &args[++next];
        } else if (arg == "--separador") {
            if (separator)
                return WrongUse("--separador se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el separador tras --separador");
            separator = &args[++next];
            if (*separator != ";" && *separator != ",")
                return WrongUse("el separador de la hoja es «;» o «,», no «" + std::string(*separator) + "»");
        } else if (arg == "--informe" || arg == "--enunciado") {
            const std::string_view *&file = arg == "--informe" ? run.key : run.problems;
            if (file)
                return WrongUse(std::string(arg) + " se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el fichero tras " + std::string(arg));
            file = &args[++next];
        } else if (arg == "--moodle" || arg == "--gift") {
            const std::string_view *&file = arg == "--moodle" ? run.moodle : run.gift;
            if (file)
                return WrongUse(std::string(arg) + " se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el fichero tras " + std::string(arg));
            file = &args[++next];
            if (*file == "-")
                return WrongUse(std::string(arg) + " escribe en un fichero: «-» no vale (la salida estándar es "
                                                   "para la hoja)");
        } else if (arg == "--titulo") {
            if (title)
                return WrongUse("--titulo se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el título tras --titulo");
            title = &args[++next];
            if (!IsUtf8(*title))
                return WrongUse(std::string(kTitleNotUtf8));
            run.title = *title;
            run.titled = true;
        } else if (arg == "--semilla" || arg == "--casos" || arg == "--versiones") {
            bool &given = arg == "--semilla" ? seedGiven : arg == "--casos" ? casesGiven : versionsGiven;
            if (given)
                return WrongUse(std::string(arg) + " se da una sola vez");
            if (next + 1 == args.size())
                return WrongUse("falta el valor tras " + std::string(arg));
            given = true;
            const std::string_view value = args[++next];
            if (arg == "--semilla") {
                std::string problem;
                const std::optional<std::uint64_t> seed = ReadSeed(value, problem);
                if (!seed)
                    return WrongUse(problem);
                request.seed = *seed;
            } else if (arg == "--casos") {
                std::string problem;
                const std::optional<std::vector<TriangleCase>> cases = ReadCaseList(value, problem);
                if (!cases)
                    return WrongUse(problem);
                request.cases = *cases;
            } else {
                std::string problem;
                const std::optional<int> versions = ReadVersions(value, problem);
                if (!versions)
                    return WrongUse(problem);
                request.versions = *versions;
            }
        } else {
            return WrongUse("opción desconocida «" + std::string(arg) + "»");
        }
        return std::nullopt;
    };
    const auto isOption = [](std::string_view arg) { return arg.starts_with('-') && arg != "-"; };
    std::size_t next = 0;
    // Options come before the case name; after it every argument is a value,
    // but for resolver, whose parts are PARTE=VALOR, and generar, whose count
    // is whole: there "-" opens an option.
    for (; next < args.size() && isOption(args[next]); ++next) {
        if (const std::optional<int> status = readOption(next))
            return *status;
    }
    std::vector<std::string_view> parts;
    if (next < args.size() && (NamesCommand(args[next], kResolverName) || NamesCommand(args[next], kGenerateName))) {
        for (std::size_t i = next + 1; i < args.size(); ++i) {
            if (!isOption(args[i]))
                parts.push_back(args[i]);
            else if (const std::optional<int> status = readOption(i))
                return *status;
        }
    }

    const bool generate = !sheet && next < args.size() && NamesCommand(args[next], kGenerateName);
    if ((seedGiven || casesGiven || versionsGiven) && !generate)
        return WrongUse("--semilla, --casos y --versiones son para generar");
    if (generate) {
        if (json || svg || steps)
            return WrongUse("generar escribe una hoja: --json, --svg y --pasos no van con él");
        if (title && !run.Files())
            return WrongUse(std::string(kTitleUse));
        if (SameFile({run.key, run.problems, run.moodle, run.gift}))
            return WrongUse("--informe, --enunciado, --moodle y --gift van en ficheros distintos");
        if (parts.empty())
            return WrongUse("falta la cantidad de problemas tras generar");
        if (parts.size() > 1)
            return WrongUse("sobra «" + std::string(parts[1]) + "» tras la cantidad de problemas");
        std::string problem;
        const std::optional<int> count = ReadCount(parts[0], problem);
        if (!count)
            return WrongUse(problem);
        request.count = *count;
        if (!seedGiven) {
            // Drawn only here: the sheet itself comes from the seed alone.
            std::random_device device;
            request.seed = std::uint64_t(device()) << 32 | device();
        }
        run.format = separator && *separator == "," ? kInternationalCsv : kSpanishCsv;
        run.decimals = decimals.value_or(kDefaultDecimals);
        run.quizDecimals = decimals.value_or(kQuizDecimals);
        return RunGenerate(request, !seedGiven, run);
    }
    if (sheet) {
        if (next < args.size())
            return WrongUse("sobra «" + std::string(args[next]) + "» tras la hoja");
        if (json)
            return WrongUse("--json no se combina con --lote: la hoja se responde en CSV");
        if (svg)
            return WrongUse("--svg dibuja un solo triángulo y no se combina con --lote");
        if (steps)
            return WrongUse("--pasos es para resolver, no para --lote");
        if (title && !run.Files())
            return WrongUse(std::string(kTitleUse));
        // Writing over the worksheet, or two files into one, loses work.
        if (SameFile({sheet, run.key, run.problems, run.moodle, run.gift}))
            return WrongUse("--informe, --enunciado, --moodle, --gift y la hoja van en ficheros distintos");
        run.path = *sheet;
        run.format = separator && *separator == "," ? kInternationalCsv : kSpanishCsv;
        run.decimals = decimals.value_or(kDefaultDecimals);
        run.quizDecimals = decimals.value_or(kQuizDecimals);
        return RunWorksheet(run);
    }
    if (separator)
        return WrongUse("--separador es para las hojas (--lote)");
    if (run.Files() || title)
        return WrongUse("--informe, --enunciado, --moodle, --gift y --titulo son para las hojas (--lote) y "
                        "generar");
    if (next == args.size())
        return WrongUse("falta el caso");
    if (NamesCommand(args[next], kResolverName)) {
        return RunResolver(parts, json, steps, decimals.value_or(kDefaultDecimals), svg);
    }
    const Case *kase = FindCase(args[next]);
    if (!kase)
        return WrongUse("caso desconocido «" + std::string(args[next]) + "»");
    // The windows' cases write their results as the windows do.
    if (steps || decimals)
        return WrongUse("--pasos y --decimales son para resolver, no para los casos de las ventanas");
    const std::vector<std::string_view> values(args.begin() + std::ptrdiff_t(next) + 1, args.end());
    // A value may start with "-", as in the window, but none is an option's name.
    for (const std::string_view value : values) {
        if (std::ranges::find(kOptionNames, value) != std::end(kOptionNames))
            return WrongUse(std::string(value) + " es una opción: va antes del caso");
    }
    if (values.size() != kase->values.size()) {
        return WrongUse(ValuesNeeded(*kase) + " y se dieron " + std::to_string(values.size()));
    }
    return RunCase(*kase, values, json, svg);
}
