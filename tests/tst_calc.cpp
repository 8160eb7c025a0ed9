// sorvani-calc run as a user runs it: every row the solver windows' tests
// know gives the window's texts or message; a worksheet round trip in both
// forms, and the answers opened in LibreOffice Calc; the exit statuses;
// worksheets with bad rows; resolver over the general solution's rows, and
// resolver rows in a worksheet; the answer key and the problem sheet,
// escaped and printed by a browser.
#include "GeneralCases.h"
#include "SolverCases.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <functional>
#include <span>

namespace {

struct Run {
    int status = -1; // -1: crashed or did not finish
    QByteArray out;
    QByteArray err;
};

Run Calc(const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(SORVANI_CALC), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// How sorvani-calc names each case, its JSON keys in order, and, for every
// box the window writes, in the order it writes them, the key (and for a
// split angle the place) where sorvani-calc puts the same text.
struct CalcCase {
    QString command;
    QStringList keys;
    QStringList windowOrder;
    QString inputTitle;
    QString failureTitle;
    const std::vector<cases::Solved> &solved;
    const std::vector<cases::Refused> &refused;
    const std::vector<cases::Failed> &failed;
};

const std::vector<CalcCase> &CalcCases()
{
    static const std::vector<CalcCase> all{
        {"tres-lados", {"A", "B", "C", "A_gms", "B_gms", "C_gms", "area", "suma_angular"},
         {"A_gms/0", "A_gms/1", "A_gms/2", "B_gms/0", "B_gms/1", "B_gms/2", "C_gms/0", "C_gms/1", "C_gms/2", "A", "B",
          "C", "area", "suma_angular"},
         form2::kInputTitle, form2::kFailureTitle, form2::kSolved, form2::kRefused, form2::kFailed},
        {"dos-angulos", {"C_gms", "a", "b", "area", "perimetro"},
         {"C_gms/0", "C_gms/1", "C_gms/2", "a", "b", "area", "perimetro"}, form4::kTitle, form4::kTitle,
         form4::kSolved, form4::kRefused, form4::kFailed},
        {"dos-lados", {"A_gms", "C_gms", "b", "area", "perimetro"},
         {"A_gms/0", "A_gms/1", "A_gms/2", "C_gms/0", "C_gms/1", "C_gms/2", "b", "area", "perimetro"},
         form3::kInputTitle, form3::kFailureTitle, form3::kSolved, form3::kRefused, form3::kFailed},
    };
    return all;
}

// The window's result texts placed under sorvani-calc's keys.
QJsonObject Expected(const CalcCase &kase, const QStringList &results)
{
    QJsonObject object;
    for (qsizetype i = 0; i < results.size(); ++i) {
        const QStringList path = kase.windowOrder[i].split(QLatin1Char('/'));
        if (path.size() == 1) {
            object[path[0]] = results[i];
        } else {
            QJsonArray split = object[path[0]].toArray();
            while (split.size() <= path[1].toInt())
                split.append(QString());
            split[path[1].toInt()] = results[i];
            object[path[0]] = split;
        }
    }
    return object;
}

QJsonObject Error(const QString &title, const QString &message)
{
    return {{"error", QJsonObject{{"titulo", title}, {"mensaje", message}}}};
}

// An answer as the fields of a worksheet row: the texts in key order, each
// split angle as three fields; or the title and the message.
QStringList Fields(const CalcCase &kase, const QJsonObject &answer)
{
    if (answer.contains("error"))
        return {answer["error"]["titulo"].toString(), answer["error"]["mensaje"].toString()};
    QStringList fields;
    for (const QString &key : kase.keys) {
        if (answer[key].isArray()) {
            for (const QJsonValue &text : answer[key].toArray())
                fields << text.toString();
        } else {
            fields << answer[key].toString();
        }
    }
    return fields;
}

// Every row of every case: name, command, inputs, exit status, answer.
template <typename Visit>
void ForEachRow(Visit visit)
{
    for (const CalcCase &kase : CalcCases()) {
        for (const cases::Solved &row : kase.solved)
            visit(kase, row.name, row.inputs, 0, Expected(kase, row.results));
        for (const cases::Refused &row : kase.refused)
            visit(kase, row.name, row.inputs, 1, Error(kase.inputTitle, row.prompt));
        for (const cases::Failed &row : kase.failed)
            visit(kase, row.name, row.inputs, 1, Error(kase.failureTitle, cases::kFailureMessage));
    }
}

// RFC 4180, records ending in a line feed.
QList<QStringList> ParseCsv(const QByteArray &bytes, char separator = ';')
{
    QList<QStringList> records;
    QStringList record;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < bytes.size() && bytes[i + 1] == '"')
                field += bytes[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator || c == '\n') {
            record << QString::fromUtf8(field);
            field.clear();
            if (c == '\n') {
                records << record;
                record.clear();
            }
        } else {
            field += c;
        }
    }
    return records;
}

QByteArray CsvField(const QString &text, char separator = ';')
{
    QByteArray field = text.toUtf8();
    if (field.contains(separator) || field.contains('"') || field.contains('\n') || field.contains('\r'))
        field = '"' + field.replace("\"", "\"\"") + '"';
    return field;
}

QByteArray CsvRow(const QStringList &fields, char separator = ';')
{
    QByteArrayList row;
    for (const QString &field : fields)
        row << CsvField(field, separator);
    return row.join(separator) + '\n';
}

QString WithMark(QString text, QChar from, QChar to)
{
    return text.replace(from, to);
}

// The whole value is one number: sign, digits with one decimal point,
// exponent; nothing around it.
bool IsPlainNumber(const QString &value)
{
    static const QRegularExpression number(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)");
    return number.match(value).hasMatch();
}

// A number as a resolver row's answer writes it: `decimals` places, trailing
// zeros dropped, with the sheet's decimal mark.
QString Decimal(double x, int decimals, QChar mark)
{
    QString text = QString::number(x, 'f', decimals);
    if (text.contains(u'.'))
        text.remove(QRegularExpression("\\.?0+$"));
    return text.replace(u'.', mark);
}

// The answer to a general row: case, count, then each triangle's a, b, c, A,
// B, C, area, perimeter, r and R from the row's own parts and area; or "Sin
// solución" and the reason, its numbers with the sheet's decimal mark too.
QStringList ResolverAnswer(const general_cases::Row &row, int decimals, QChar mark)
{
    QStringList fields{row.kase, QString::number(row.count)};
    if (row.count == 0)
        return fields << "Sin solución" << QString::fromUtf8(row.reason).replace(u'.', mark);
    for (const general_cases::Triangle &t : std::span(row.triangles).first(row.count)) {
        const auto &[a, b, c, A, B, C] = t.parts;
        const double perimeter = a + b + c;
        for (const double x : {a, b, c, A, B, C, t.area, perimeter, t.area / (perimeter / 2), a * b * c / (4 * t.area)})
            fields << Decimal(x, decimals, mark);
    }
    return fields;
}

// A cell as a spreadsheet holds it: "number 3.5", "text caso" (its blanks
// and line breaks simplified: they are the spreadsheet's layout as much as
// the text), "" for an empty cell.
QString NumberCell(double value)
{
    // LibreOffice keeps a number beyond a double's range as the largest one,
    // and not always with its sign ("-1e400" becomes 1.797E+308).
    return "number " + (std::fabs(value) >= DBL_MAX ? QString("max") : QString::number(value, 'g', 15));
}

QString TextCell(const QString &text)
{
    return "text " + text.simplified();
}

// What a value typed into a Spanish worksheet must show in the answers: the
// number it reads as when it is a plain number with either decimal mark,
// otherwise its text as typed.
QString ValueCell(const QString &value)
{
    const QString read = WithMark(value, u',', u'.');
    return value.isEmpty() ? QString() : IsPlainNumber(read) ? NumberCell(read.toDouble()) : TextCell(value);
}

// The rows of the only table of a flat OpenDocument spreadsheet, repeated
// cells spelt out, empty cells at the end of a row left out.
QList<QStringList> ReadSpreadsheet(QIODevice *file, QString *error)
{
    const QString table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
    const QString office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
    QList<QStringList> rows;
    QXmlStreamReader xml(file);
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement() || xml.namespaceUri() != table)
            continue;
        if (xml.name() == u"table-row") {
            rows.append(QStringList());
        } else if (xml.name() == u"table-cell") {
            const int repeats = std::clamp(xml.attributes().value(table, "number-columns-repeated").toInt(), 1, 1024);
            const QString type = xml.attributes().value(office, "value-type").toString();
            const double value = xml.attributes().value(office, "value").toDouble();
            QString text; // its paragraphs, one a line
            for (int depth = 1; depth > 0 && !xml.atEnd();) {
                const QXmlStreamReader::TokenType token = xml.readNext();
                depth += token == QXmlStreamReader::StartElement ? 1 : token == QXmlStreamReader::EndElement ? -1 : 0;
                if (token == QXmlStreamReader::StartElement && xml.name() == u"p")
                    text += u'\n';
                else if (token == QXmlStreamReader::Characters && depth > 1)
                    text += xml.text();
            }
            const QString cell = type == u"float" ? NumberCell(value) : type.isEmpty() ? QString() : TextCell(text);
            rows.last() << QList<QString>(repeats, cell);
        }
    }
    for (QStringList &row : rows) {
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
    }
    *error = xml.hasError() ? xml.errorString() : QString();
    return rows;
}

// The elements the two files are written with: none runs or loads anything.
const QStringList kHtmlElements{"html", "head", "meta", "title", "style", "body", "h1", "h2", "h3", "p",
                                "span", "b", "br", "section", "figure", "figcaption", "div", "table", "thead",
                                "tbody", "tr", "th", "td", "ol", "li", "svg", "rect", "g", "path", "polygon",
                                "text", "line"};

// Headless Chromium prints the page to PDF on A4, as a browser's "Print"
// does with headers and footers off; pdftotext reads it back, a page a
// piece. Nothing when either fails.
QStringList PrintedPages(const QString &chromium, const QString &html, const QString &profile)
{
    const QString pdf = html + ".pdf";
    QProcess browser, reader;
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                             "--disable-background-networking", "--disable-component-update", "--disable-sync",
                             "--user-data-dir=" + profile, "--print-to-pdf=" + pdf, "--no-pdf-header-footer",
                             QUrl::fromLocalFile(html).toString()});
    if (!browser.waitForFinished(120000) || browser.exitCode() != 0)
        return {};
    reader.start("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    reader.waitForFinished();
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // what follows the last page's form feed
    return pages;
}

// A general row's given parts as resolver takes them: "a=3".
QStringList PartArgs(const general_cases::Row &row)
{
    QStringList args{"resolver"};
    for (int i = 0; i < 6; ++i) {
        if (row.typed[i])
            args << QChar("abcABC"[i]) + QStringLiteral("=") + QString::fromUtf8(row.typed[i]);
    }
    return args;
}

// The first key of a solution's object that is not the row's part, or the
// textbook formula's value from the row's parts; empty when none.
QString Mismatch(const QJsonObject &t, const general_cases::Triangle &row)
{
    const auto &p = row.parts; // a, b, c, A, B, C
    const double perimeter = p[0] + p[1] + p[2], area = row.area, rad = M_PI / 180;
    QList<std::pair<QString, double>> expected{{"area", area}, {"perimetro", perimeter},
                                               {"semiperimetro", perimeter / 2}, {"r", area / (perimeter / 2)},
                                               {"R", p[0] / (2 * std::sin(p[3] * rad))}};
    for (int i = 0; i < 3; ++i) {
        const double x = p[i], y = p[(i + 1) % 3], z = p[(i + 2) % 3], angle = p[3 + i];
        const QString letter = QString("abc")[i];
        expected << std::pair(letter, x) << std::pair(letter.toUpper(), angle) << std::pair("alturas/" + letter, 2 * area / x)
                 << std::pair("medianas/" + letter, std::sqrt(2 * y * y + 2 * z * z - x * x) / 2)
                 << std::pair("bisectrices/" + letter, 2 * y * z * std::cos(angle * rad / 2) / (y + z));
    }
    for (const auto &[key, want] : expected) {
        const QJsonValue got = key.contains(u'/') ? t[key.section(u'/', 0, 0)][key.section(u'/', 1)] : t[key];
        const double tolerance = QString("ABC").contains(key) ? 1e-9 : 1e-10 * want;
        if (!got.isDouble() || !(std::fabs(got.toDouble() - want) <= tolerance))
            return key;
    }
    if (t["tipo"]["angulos"].toString() + u' ' + t["tipo"]["lados"].toString() != QString::fromUtf8(row.type))
        return "tipo";
    return {};
}

// generar --semilla 2026 --versiones 2 6, as it came out when the generator
// was written: every build on every machine must write these bytes, since a
// teacher makes a sheet again from its seed alone.
const QString kPinnedSheet = QStringLiteral(
    "versión;A\n"
    "resolver;a=33;b=32;c=17\n"
    "resolver;b=35;C=126;a=11\n"
    "resolver;A=73;B=76;c=10\n"
    "resolver;B=46;b=10;C=87\n"
    "resolver;a=10;b=6;B=34\n"
    "resolver;c=19;b=20;a=4\n"
    "versión;B\n"
    "resolver;b=26;c=39;a=16\n"
    "resolver;A=92;c=33;b=7\n"
    "resolver;B=49;c=40;A=29\n"
    "resolver;b=2;C=59;B=11\n"
    "resolver;A=52;a=22;b=26\n"
    "resolver;b=34;a=38;c=30\n");

// The length of the shortest text that reads back as x, with no exponent
// or with one as printf writes it ("2.5e+17").
qsizetype ShortestLength(double x)
{
    int digits = 1;
    while (QString::number(x, 'e', digits - 1).toDouble() != x)
        ++digits;
    const QString scientific = QString::number(std::fabs(x), 'e', digits - 1);
    const int exponent = scientific.section(u'e', 1).toInt();
    const int fixed = exponent >= 0 ? std::max(exponent + 1, digits) + (digits > exponent + 1) : 1 - exponent + digits;
    return (x < 0) + std::min(scientific.size(), qsizetype(fixed));
}


// One answer of a Moodle question as Moodle reads it back: a choice, or a
// number and its tolerance ("v:t", with a point only).
struct QuizAnswer {
    QString text;
    double value = 0, tolerance = 0;
    int fraction = 0;
    QString feedback;
    bool operator==(const QuizAnswer &) const = default;
};

QuizAnswer Answer(const QRegularExpressionMatch &m, bool numerical, const std::function<QString(QString)> &undo)
{
    const QString weight = m.captured("weight");
    QuizAnswer a{undo(m.captured("text")), 0, 0, !weight.isEmpty() ? weight.toInt() : m.captured(1) == "=" ? 100 : 0,
                 undo(m.captured("feedback"))};
    static const QRegularExpression number(R"(^-?[\d.]+(e[-+]\d+)?$)");
    const QStringList parts = a.text.split(u':');
    if (numerical && parts.size() == 2 && number.match(parts[0]).hasMatch() && number.match(parts[1]).hasMatch())
        a = {QString(), parts[0].toDouble(), parts[1].toDouble(), a.fraction, a.feedback};
    return a;
}

// What Moodle's one HTML decoding leaves of the entities the writers use.
QString Unentity(QString text)
{
    static const QRegularExpression entity("&(#\\d+|amp|lt|gt|quot);");
    const QHash<QString, QString> named{{"amp", QString(QChar(0xE026))}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}};
    for (QRegularExpressionMatch m; (m = entity.match(text)).hasMatch();) {
        const QString name = m.captured(1);
        text.replace(m.capturedStart(), m.capturedLength(),
                     name[0] == u'#' ? QString(QChar(name.mid(1).toInt())) : named[name]);
    }
    return text.replace(QChar(0xE026), u'&');
}

// The blanks {N:TYPE:…} of a Cloze text as its syntax has it, taken out of
// `text`: each answer "=" or "%n%", up to "#" (not after "\" or "&"), its
// feedback up to "~" or "}" (not after "\"), decoded once, "\}" and "\#"
// undone. `labels`: the text before each.
QList<QList<QuizAnswer>> ClozeBlanks(QString &text, QStringList &labels)
{
    static const QRegularExpression blank(R"(\{\d*:(NUMERICAL|MULTICHOICE):((?:\\.|[^}\\])*)\})");
    static const QRegularExpression answer(
        R"(~?(=|%(?<weight>\d+)%)?(?<text>(?:\\.|&#|[^#~\\])*)(?:#(?<feedback>(?:\\.|[^~\\])*))?)");
    const auto undo = [](QString t) { return Unentity(t).replace("\\}", "}").replace("\\#", "#"); };
    QList<QList<QuizAnswer>> blanks;
    for (QRegularExpressionMatch m; (m = blank.match(text)).hasMatch();) {
        const QString before = text.left(m.capturedStart());
        labels << Unentity(before.mid(before.lastIndexOf(u'>') + 1));
        blanks.append(QList<QuizAnswer>{});
        for (const QRegularExpressionMatch &a : answer.globalMatch(m.captured(2))) {
            if (a.capturedLength() > 0)
                blanks.last() << Answer(a, m.captured(1) == "NUMERICAL", undo);
        }
        text.remove(m.capturedStart(), m.capturedLength());
    }
    return blanks;
}

// A Moodle XML file's questions: a category's path in `name`, or a Cloze
// question's name, text, figure file and general feedback.
struct XmlQuestion {
    QString type, name, text, fileName, file, feedback;
};

QList<XmlQuestion> ReadMoodleXml(const QByteArray &bytes, QString *error)
{
    QList<XmlQuestion> questions;
    QXmlStreamReader xml(bytes);
    QStringList open;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (xml.isEndElement())
            open.removeLast();
        if (!xml.isStartElement())
            continue;
        const QString name = xml.name().toString(), type = xml.attributes().value("type").toString();
        if (name == "question")
            questions.append(XmlQuestion{type, {}, {}, {}, {}, {}});
        if (name == "file")
            questions.last().fileName = xml.attributes().value("name").toString();
        if (name != "text" && name != "file") {
            open << name;
            continue;
        }
        XmlQuestion &q = questions.last();
        (name == "file" ? q.file : open.last() == "questiontext" ? q.text : open.last() == "generalfeedback" ? q.feedback
                                                                                                            : q.name) =
            xml.readElementText();
    }
    *error = xml.hasError() ? xml.errorString() : QString();
    return questions;
}

// A GIFT file as Moodle's reader takes it: questions apart by blank lines,
// "\\", "\:", "\#", "\=", "\{", "\}", "\~" undone, but in a $CATEGORY line
// only "\\" (the rest stay placeholders); "::name::", the text up to "{", the
// answers up to "}", "####" general feedback.
struct GiftQuestion {
    QString category, name, text, feedback;
    QList<QuizAnswer> answers;
};

QList<GiftQuestion> ReadGift(const QString &gift)
{
    const QString marks = ":#={}~";
    const auto undo = [&](QString text) {
        for (const QChar mark : marks)
            text.replace(QChar(0xE000 + mark.unicode()), mark);
        return text.replace(QChar(0xE100), u'\\').trimmed();
    };
    static const QRegularExpression answer(R"(([=~])(?:%(?<weight>\d+)%)?(?<text>[^#=~]*)(#(?<feedback>[^=~]*))?)");
    QList<GiftQuestion> questions;
    for (QString block : gift.split("\n\n", Qt::SkipEmptyParts)) {
        block.replace("\\\\", QChar(0xE100));
        for (const QChar mark : marks)
            block.replace(QString("\\") + mark, QChar(0xE000 + mark.unicode()));
        GiftQuestion q;
        if (block.startsWith("$CATEGORY:")) {
            q.category = block.mid(10).trimmed().replace(QChar(0xE100), u'\\');
            questions << q;
            continue;
        }
        const qsizetype nameEnd = block.indexOf("::", 2), open = block.indexOf(u'{'), close = block.indexOf(u'}');
        q.name = undo(block.mid(2, nameEnd - 2));
        q.text = undo(block.mid(nameEnd + 2, open - nameEnd - 2)).remove(QRegularExpression("^\\[html\\]"));
        const QString answers = block.mid(open + 1, close - open - 1);
        q.feedback = undo(answers.section("####", 1));
        for (const QRegularExpressionMatch &a : answer.globalMatch(answers.section("####", 0, 0)))
            q.answers << Answer(a, answers.startsWith(u'#'), undo);
        questions << q;
    }
    return questions;
}
} // namespace

class TestCalc : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QJsonObject>("expected");
        QTest::addColumn<QStringList>("keys"); // in the order they must come
        ForEachRow([](const CalcCase &kase, const char *name, const QStringList &inputs, int status,
                      const QJsonObject &expected) {
            QTest::addRow("%s: %s", qPrintable(kase.command), name)
                << QStringList{kase.command} + inputs << status << expected
                << (status == 0 ? kase.keys : QStringList{"error"});
        });
    }

    // --json gives the window's texts under their keys, in key order; text
    // mode gives a refusal or failure as the title and message on stderr.
    void answers()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QJsonObject, expected);
        QFETCH(QStringList, keys);

        const Run json = Calc(QStringList{"--json"} + args);
        QCOMPARE(json.status, status);
        QVERIFY(json.err.isEmpty());
        QVERIFY(json.out.endsWith('\n'));
        QJsonParseError error;
        QCOMPARE(QJsonDocument::fromJson(json.out, &error).object(), expected);
        QCOMPARE(error.error, QJsonParseError::NoError);
        qsizetype at = 0;
        for (const QString &key : keys) {
            const qsizetype found = json.out.indexOf('"' + key.toUtf8() + "\":");
            QVERIFY2(found >= at, qPrintable(key + " out of order"));
            at = found;
        }

        const Run text = Calc(args);
        QCOMPARE(text.status, status);
        if (status != 0) {
            QVERIFY(text.out.isEmpty());
            const QJsonValue message = std::as_const(expected)["error"];
            QCOMPARE(QString::fromUtf8(text.err),
                     message["titulo"].toString() + u'\n' + message["mensaje"].toString() + u'\n');
        }
    }

    // The lines a person reads: the window's labels and units.
    void textOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lines");
        QTest::newRow("tres-lados") << (QStringList{"tres-lados"} + form2::kSolved[0].inputs)
                                    << "Ángulo A = 36.8699 grados = 36° 52′ 11.64″\n"
                                       "Ángulo B = 126.8699 grados = 126° 52′ 11.64″\n"
                                       "Ángulo C = 90 grados = 90° 0′ 0″\n"
                                       "Área = 6 m2\n"
                                       "Suma angular = 253.7398 grados\n";
        QTest::newRow("dos-angulos") << (QStringList{"dos-angulos"} + form4::kSolved[3].inputs)
                                     << "Ángulo C = -20° 0′ 0″\n"
                                        "Lado a = -28.794 m\n"
                                        "Lado b = -28.794 m\n"
                                        "Superficie = -141.782 m2\n"
                                        "Perímetro = -47.588 m\n";
        QTest::newRow("dos-lados") << (QStringList{"dos-lados"} + form3::kSolved[3].inputs)
                                   << "Ángulo A = 90° 4′ 8.04″\n"
                                      "Ángulo C = 44° 25′ 37.2″\n"
                                      "Lado b = 7.133 m\n"
                                      "Superficie = 24.9655 m2\n"
                                      "Perímetro = 24.133 m\n";
    }

    void textOutput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, lines);
        const Run run = Calc(args);
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out), lines);
        QVERIFY(run.err.isEmpty());
    }

    void worksheetRoundTrip_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<bool>("decimalCommas"); // the values' "." written as ","
        QTest::newRow("; with decimal points") << ';' << false;
        QTest::newRow("; with decimal commas") << ';' << true;
        QTest::newRow(", as the window reads") << ',' << false;
    }

    // Every row twice, once as a spreadsheet writes it and once with a quote,
    // the separator and a line break after each value, which the window's
    // reading ignores; between them a comment, blank rows and CR LF line
    // ends. With ";", "," is a decimal mark: the rows with a "," in a value
    // read differently from the window and are left out. Plain numbers come
    // back with the sheet's decimal mark, anything else as given and warned
    // about, every result with the sheet's decimal mark.
    void worksheetRoundTrip()
    {
        QFETCH(char, separator);
        QFETCH(bool, decimalCommas);
        const QChar mark = separator == ';' ? u',' : u'.';
        const QString tail = QStringLiteral("\" ") + QChar(separator) + QStringLiteral("x\r\ny");
        QByteArray sheet = "# hoja de prueba; con \"comillas\"\r\n\r\n" + QByteArray(4, separator) + "\r\n";
        QList<QStringList> expected{{"caso", "valores", "resultados"}};
        qsizetype warnings = 0;
        ForEachRow([&](const CalcCase &kase, const char *, const QStringList &inputs, int,
                       const QJsonObject &answer) {
            if (separator == ';' && !inputs.filter(QStringLiteral(",")).isEmpty())
                return;
            for (const QString &suffix : {QString(), tail}) {
                QStringList given{kase.command};
                QStringList answered{kase.command};
                for (const QString &input : inputs) {
                    const QString value = (decimalCommas ? WithMark(input, u'.', u',') : input) + suffix;
                    const QString read = WithMark(value, mark, u'.');
                    given << value;
                    answered << (IsPlainNumber(read) ? WithMark(read, u'.', mark) : value);
                    warnings += !IsPlainNumber(read) && !value.isEmpty();
                }
                sheet += CsvRow(given, separator).chopped(1) + "\r\n";
                QStringList results = Fields(kase, answer);
                if (!answer.contains("error")) {
                    for (QString &result : results)
                        result.replace(u'.', mark);
                }
                expected << answered + results;
            }
        });

        const Run run = Calc({"--separador", QString(QChar(separator)), "--lote", "-"}, sheet);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.endsWith('\n'));
        const QList<QStringList> records = ParseCsv(run.out, separator);
        QCOMPARE(records.size(), expected.size());
        for (qsizetype i = 0; i < records.size(); ++i)
            QCOMPARE(records[i], expected[i]);
        QCOMPARE(run.err.count("» se lee como "), warnings);
    }

    // A value that does not read whole as a number is named with what it
    // reads as, in the sheet's decimal mark, and its row answered all the same.
    void worksheetWarning()
    {
        const Run run = Calc({"--lote", "-"}, "dos-angulos;20;30;0;40;15;30;\"12,5 m\";;\n");
        const QStringList answer = WithMark(form4::kSolved[1].results.join(u' '), u'.', u',').split(u' ');
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "caso;valores;resultados\n"
                              + CsvRow(QStringList{"dos-angulos", "20", "30", "0", "40", "15", "30", "12,5 m"} + answer));
        QCOMPARE(QString::fromUtf8(run.err), "sorvani-calc: fila 1, valor 7: «12,5 m» se lee como 12,5\n");
    }

    // A resolver row's answer follows the row as typed: its case, how many
    // triangles, each one's numbers with --decimales places; or no triangle.
    // A row that does not read is named, and the next one answered.
    void resolverRows_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<QStringList>("answer"); // the one answered row
        QTest::addColumn<QString>("err");
        const general_cases::Row &ala = general_cases::Named("ALA A B c, degrees and minutes");
        const general_cases::Row &two = general_cases::Named("LLA A a c, h < a < c: two");
        const general_cases::Row &none = general_cases::Named("LLA A a c, a < h: none");
        const QStringList typed = PartArgs(ala); // c=12,5, A=20°30′, B=40°15′30″
        const QStringList twoTyped = QStringList{"Resolver"} + PartArgs(two).mid(1);
        QStringList points = typed;
        points[1] = "c=12.5";
        QTest::newRow("one, as typed, a spreadsheet's padding")
            << QStringList{} << CsvRow(typed).replace("\n", ";;\n") << typed + ResolverAnswer(ala, 4, u',') << "";
        QTest::newRow("two, --decimales 2")
            << QStringList{"--decimales", "2"} << CsvRow(twoTyped) << twoTyped + ResolverAnswer(two, 2, u',') << "";
        QTest::newRow("unreadable, the next none")
            << QStringList{} << "resolver;a=3;a=4;C=90\n" + CsvRow(PartArgs(none))
            << PartArgs(none) + ResolverAnswer(none, 4, u',')
            << "sorvani-calc: fila 1: «a=4»: la parte a se da más de una vez\n";
        QTest::newRow("--separador , reads a decimal point only")
            << QStringList{"--separador", ","} << CsvRow(typed, ',') + CsvRow(points, ',')
            << points + ResolverAnswer(ala, 4, u'.') << "sorvani-calc: fila 1: «c=12,5»: «12,5» no se lee como un número\n";
    }

    void resolverRows()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, sheet);
        QFETCH(QStringList, answer);
        QFETCH(QString, err);
        const Run run = Calc(options + QStringList{"--lote", "-"}, sheet);
        QCOMPARE(run.status, err.isEmpty() ? 0 : 2);
        QCOMPARE(QString::fromUtf8(run.err), err);
        const QList<QStringList> records = ParseCsv(run.out, options.contains(",") ? ',' : ';');
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1], answer);
    }

    // The answer key and the problem sheet instead of the CSV: well-formed,
    // only the writer's own elements and no attribute that runs or loads
    // anything, one section per answered row, every text from the worksheet
    // or the title shown exactly as typed, markup included. Then both printed
    // by a real browser to A4: every problem there, its data on its heading's
    // page; no page but the first starts with anything but a problem's
    // heading, so none runs on from the page before.
    void reports()
    {
        // Each row and its data in words; between them a bad row, which no
        // file shows.
        const QList<std::pair<QByteArray, QString>> rows{
            {"tres-lados;3;4;5", "a = 3 m, b = 4 m y c = 5 m"},
            {"dos-angulos;20;30;0;40;15;30;12,5", "A = 20° 30′ 0″, B = 40° 15′ 30″ y c = 12,5 m"},
            {"dos-lados;45;30;15;10;7", "B = 45° 30′ 15″, a = 10 m y c = 7 m"},
            {"tres-lados;1;2;3", "a = 1 m, b = 2 m y c = 3 m"},
            {"resolver;a=3;b=4;C=90", "a = 3 m, b = 4 m y C = 90°"},
            {"resolver;b=5;a=8;B=30", "b = 5 m, a = 8 m y B = 30°"}, // h = 4: two triangles
            {"resolver;a=3;c=5;A=40", "a = 3 m, c = 5 m y A = 40°"},
            {"resolver;c=12,5;A=20°30′;B=40°15′30″", "c = 12,5 m, A = 20°30′ y B = 40°15′30″"},
            {"tres-lados;3<script>alert(1)</script>;4;\"5&amp;\"", "a = 3<script>alert(1)</script>, b = 4 m y c = 5&amp;"},
            {"dos-lados;<img src=x onerror=alert(1)>;0;0;3;4", "B = <img src=x onerror=alert(1)>° 0′ 0″, a = 3 m y c = 4 m"},
        };
        QByteArray sheet = "# semana 12\n";
        for (qsizetype i = 0; i < rows.size(); ++i)
            sheet += rows[i].first + (i == 4 ? "\nresolver;a=3;A=40\n" : "\n");
        const QString title = "<i>Tema 4</i> & \"triángulos\"";
        QTemporaryDir dir;
        const Run run = Calc({"--titulo", title, "--informe", dir.filePath("respuestas.html"), "--enunciado",
                              dir.filePath("problemas.html"), "--lote", "-"}, sheet);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QStringList texts{title};
        for (const auto &row : rows)
            texts << "Resuelve el triángulo con " + row.second;
        const QStringList keyTexts{"h = 4 < b = 5 < a = 8: dos triángulos", "Solución 2", form3::kAngleB,
                                   "el lado a debe medir al menos 3,2139 (es 3)"};
        const QStringList sheetTexts{"c = ?", "Puede haber más de un triángulo con estos datos."};
        for (const auto &[name, own] : {std::pair{"respuestas", keyTexts}, std::pair{"problemas", sheetTexts}}) {
            QFile file(dir.filePath(name + QStringLiteral(".html")));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray html = file.readAll();
            QVERIFY(html.startsWith("<!DOCTYPE html>\n<html lang=\"es\">"));
            QXmlStreamReader xml(html);
            QString text;
            int sections = 0;
            while (!xml.atEnd()) {
                const QXmlStreamReader::TokenType token = xml.readNext();
                if (token == QXmlStreamReader::Characters)
                    text += xml.text();
                if (token != QXmlStreamReader::StartElement)
                    continue;
                QVERIFY2(kHtmlElements.contains(xml.name()), qPrintable(xml.name().toString()));
                for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                    const QString name = attribute.name().toString().toLower();
                    QVERIFY2(!name.startsWith("on") && name != "src" && name != "href", qPrintable(name));
                }
                sections += xml.name() == u"section";
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(sections, rows.size());
            for (const QString &expected : texts + own)
                QVERIFY2(text.contains(expected), qPrintable(expected));
        }

        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty() || QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("chromium or poppler-utils (pdftotext) is not installed");
        for (const QString name : {"respuestas", "problemas"}) {
            const QStringList pages = PrintedPages(chromium, dir.filePath(name + ".html"), dir.filePath("perfil-" + name));
            QVERIFY2(pages.size() >= 3, qPrintable(name));
            for (qsizetype page = 0; page < pages.size(); ++page) {
                const QString first = pages[page].trimmed().section(u'\n', 0, 0);
                QVERIFY2(page == 0 ? first == title : first.startsWith("Problema "),
                         qPrintable(QStringLiteral("%1, page %2 starts with «%3»").arg(name).arg(page + 1).arg(first)));
            }
            // The page of each problem's heading holds its data too.
            for (qsizetype i = 0; i < rows.size(); ++i) {
                const QRegularExpression heading(QStringLiteral("^Problema %1\\b").arg(i + 1), QRegularExpression::MultilineOption);
                const auto page = std::find_if(pages.begin(), pages.end(), [&](const QString &p) { return heading.match(p).hasMatch(); });
                QVERIFY2(page != pages.end() && page->simplified().contains(texts[i + 1]),
                         qPrintable(QStringLiteral("%1: problem %2").arg(name).arg(i + 1)));
            }
        }
    }

    // The answers opened in LibreOffice Calc with the import settings of a
    // Spanish locale (";", UTF-8, Spanish (Spain)): every result a number
    // cell of its value, every case name and message a text cell, every value
    // the number the program used or its text as typed. Each row without a
    // "," twice: with decimal commas, and with a unit after each value. Then
    // resolver rows.
    void spreadsheet()
    {
        const QString soffice = QStandardPaths::findExecutable("soffice");
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");

        QByteArray sheet;
        QList<QStringList> expected{{TextCell("caso"), TextCell("valores"), TextCell("resultados")}};
        ForEachRow([&](const CalcCase &kase, const char *, const QStringList &inputs, int,
                       const QJsonObject &answer) {
            if (!inputs.filter(QStringLiteral(",")).isEmpty())
                return;
            for (const QString unit : {"", " m"}) {
                QStringList row{kase.command};
                QStringList cells{TextCell(kase.command)};
                for (const QString &input : inputs) {
                    row << (input.isEmpty() ? input : WithMark(input, u'.', u',') + unit);
                    cells << ValueCell(row.last());
                }
                sheet += CsvRow(row);
                for (const QString &text : Fields(kase, answer))
                    cells << (answer.contains("error") ? TextCell(text) : NumberCell(text.toDouble()));
                expected << cells;
            }
        });
        // Every shared row of the general solution with three parts, as a
        // resolver row: the parts stay text, the numbers are their worked-out
        // values rounded to 4 places, a reason is text with decimal commas.
        for (const general_cases::Row &row : general_cases::kRows) {
            if (general_cases::Given(row) != 3)
                continue;
            const QStringList parts = PartArgs(row).mid(1);
            sheet += CsvRow(QStringList{"resolver"} + parts);
            QStringList cells{TextCell("resolver")};
            for (const QString &text : parts + ResolverAnswer(row, 4, u',')) {
                const QString point = WithMark(text, u',', u'.');
                cells << (IsPlainNumber(point) ? NumberCell(point.toDouble()) : TextCell(text));
            }
            expected << cells;
        }

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const Run run = Calc({"--lote", "-"}, sheet);
        QCOMPARE(run.status, 0);
        QFile answers(dir.filePath("respuestas.csv"));
        QVERIFY(answers.open(QIODevice::WriteOnly));
        answers.write(run.out);
        answers.close();

        // A profile of its own, so that a LibreOffice already running is
        // neither used nor disturbed.
        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        const QString profile = QUrl::fromLocalFile(dir.filePath("perfil")).toString();
        office.start(soffice, {"--headless", "-env:UserInstallation=" + profile, "--infilter=CSV:59,34,76,1,,3082",
                               "--convert-to", "fods", "--outdir", dir.path(), answers.fileName()});
        QVERIFY(office.waitForFinished(300000));
        QVERIFY2(office.exitCode() == 0, office.readAll().constData());
        QFile converted(dir.filePath("respuestas.fods"));
        QVERIFY2(converted.open(QIODevice::ReadOnly), office.readAll().constData());
        QString error;
        const QList<QStringList> rows = ReadSpreadsheet(&converted, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(rows.size(), expected.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i], expected[i]);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // what standard output holds
        QTest::addColumn<QString>("err"); // what standard error holds

        const QString usage = "\nUso: sorvani-calc [OPCIONES] tres-lados A B C\n";
        QTest::newRow("no arguments") << QStringList{} << 2 << "" << "falta el caso" + usage;
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Estado de salida:" << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "sorvani-calc 1.3\n" << "";
        QTest::newRow("unknown case") << QStringList{"cuatro-lados", "1", "2", "3", "4"} << 2 << ""
                                      << "caso desconocido «cuatro-lados»" + usage;
        QTest::newRow("too few values") << QStringList{"tres-lados", "3", "4"} << 2 << ""
                                        << "«tres-lados» lleva 3 valores (A B C) y se dieron 2" + usage;
        QTest::newRow("option after the case") << QStringList{"tres-lados", "3", "4", "5", "--json"} << 2 << ""
                                               << "--json es una opción: va antes del caso" + usage;
        QTest::newRow("option in place of a value") << QStringList{"tres-lados", "3", "4", "--svg"} << 2 << ""
                                                    << "--svg es una opción: va antes del caso";
        QTest::newRow("negative value after the case") << QStringList{"dos-lados", "90", "0", "0", "-3", "4"} << 0
                                                       << "Ángulo C = 126° 52′ 11.64″" << "";
        QTest::newRow("capitals in the case") << QStringList{"Tres-Lados", "3", "4", "5"} << 0 << "Área = 6 m2" << "";
        QTest::newRow("unknown option") << QStringList{"--xml", "tres-lados", "3", "4", "5"} << 2 << ""
                                        << "opción desconocida «--xml»" + usage;
        QTest::newRow("refused") << QStringList{"tres-lados", "3", "0", "5"} << 1 << ""
                                 << "Error en la introducción de datos\nTeclee el valor del Lado ' b '\n";
        QTest::newRow("failure") << QStringList{"dos-angulos", "90", "0", "0", "90", "0", "0", "5"} << 1 << ""
                                 << "Error de datos ...\n ERROR DE CÁLCULO \n";
        QTest::newRow("--json refusal on stdout") << QStringList{"--json", "dos-lados", "0", "0", "0", "3", "4"} << 1
                                                  << "{\"error\":{\"titulo\":" << "";
        QTest::newRow("--json failure keeps line feeds escaped")
            << QStringList{"--json", "tres-lados", "1", "2", "3"} << 1
            << "\"mensaje\":\" ERROR DE CÁLCULO \\nSe han introducido" << "";
        QTest::newRow("--lote without a sheet") << QStringList{"--lote"} << 2 << "" << "falta la hoja tras --lote";
        QTest::newRow("--lote twice") << QStringList{"--lote", "-", "--lote", "-"} << 2 << "" << "una sola vez";
        QTest::newRow("--lote and a case") << QStringList{"--lote", "-", "tres-lados"} << 2 << ""
                                           << "sobra «tres-lados»";
        QTest::newRow("--lote and --json") << QStringList{"--json", "--lote", "-"} << 2 << ""
                                           << "--json no se combina con --lote";
        QTest::newRow("unreadable sheet") << QStringList{"--lote", "/nonexistent/hoja.csv"} << 2 << ""
                                          << "no se puede leer «/nonexistent/hoja.csv»";
        QTest::newRow("a directory as the sheet") << QStringList{"--lote", "/"} << 2 << "caso;valores;resultados\n"
                                                  << "error al leer «/»";
        QTest::newRow("empty sheet") << QStringList{"--lote", "-"} << 0 << "caso;valores;resultados\n" << "";
        QTest::newRow("--separador ;") << QStringList{"--separador", ";", "--lote", "-"} << 0
                                       << "caso;valores;resultados\n" << "";
        QTest::newRow("--separador tab") << QStringList{"--separador", "\t", "--lote", "-"} << 2 << ""
                                         << "el separador de la hoja es «;» o «,», no «\t»" + usage;
        QTest::newRow("--separador without a value") << QStringList{"--lote", "-", "--separador"} << 2 << ""
                                                     << "falta el separador tras --separador";
        QTest::newRow("--separador for one triangle") << QStringList{"--separador", ",", "tres-lados", "3", "4", "5"}
                                                      << 2 << "" << "--separador es para las hojas (--lote)";
        QTest::newRow("--informe without --lote") << QStringList{"--informe", "r.html", "tres-lados", "3", "4", "5"}
                                                  << 2 << "" << "son para las hojas (--lote)";
        QTest::newRow("--titulo without a file") << QStringList{"--titulo", "T", "--lote", "-"} << 2 << ""
                                                 << "--titulo es para --informe, --enunciado, --moodle y --gift";
        QTest::newRow("--informe over the sheet") << QStringList{"--lote", "h.csv", "--informe", "h.csv"} << 2 << ""
                                                  << "van en ficheros distintos";
        QTest::newRow("--informe into a folder that is not there")
            << QStringList{"--informe", "/nonexistent/r.html", "--lote", "-"} << 2 << ""
            << "no se puede escribir «/nonexistent/r.html»";
        QTest::newRow("--moodle to standard output") << QStringList{"--lote", "-", "--moodle", "-"} << 2 << ""
                                                     << "--moodle escribe en un fichero: «-» no vale";
        QTest::newRow("--moodle and --gift into one file")
            << QStringList{"--moodle", "q", "--gift", "q", "--lote", "-"} << 2 << "" << "van en ficheros distintos";
        QTest::newRow("--gift over the sheet") << QStringList{"--gift", "h.csv", "--lote", "h.csv"} << 2 << ""
                                               << "van en ficheros distintos";
        QTest::newRow("--titulo with --gift alone")
            << QStringList{"--titulo", "T", "--gift", "/nonexistent/q.txt", "--lote", "-"} << 2 << ""
            << "no se puede escribir «/nonexistent/q.txt»";
        QTest::newRow("--moodle without a sheet") << QStringList{"--moodle", "q.xml", "tres-lados", "3", "4", "5"}
                                                  << 2 << "" << "son para las hojas (--lote) y generar";
        QTest::newRow("--svg without a file") << QStringList{"--svg"} << 2 << "" << "falta el fichero tras --svg";
        QTest::newRow("--svg and --lote") << QStringList{"--svg", "f.svg", "--lote", "-"} << 2 << ""
                                          << "no se combina con --lote";
        QTest::newRow("--svg of a refused input") << QStringList{"--svg", "/nonexistent/f.svg", "tres-lados", "0", "4", "5"}
                                                  << 1 << "" << "Teclee el valor del Lado ' a '";
        const QStringList lla{"resolver", "A=30", "a=3", "c=5"};
        QTest::newRow("resolver --pasos, 0 places") << QStringList{"--pasos", "--decimales", "0"} + lla << 0
                                                    << "   P = 14\n\nSolución 2\n" << "";
        QTest::newRow("resolver, 2 places; seconds keep 2") << QStringList{"--decimales", "2"} + lla << 0
                                                            << "Ángulo B = 93.56° = 93° 33′ 26.32″\n" << "";
        QTest::newRow("resolver --json --pasos, 2 places")
            << QStringList{"--json", "--pasos", "--decimales", "2"} + lla << 0
            << "{\"regla\":\"Teorema del seno\",\"formula\":\"b = a·sen B / sen A\","
               "\"sustitucion\":\"b = 3·sen 93.56° / sen 30°\",\"resultado\":\"b = 5.99\"}" << "";
        const QStringList options{"--pasos", "--decimales", "2"};
        QTest::newRow("resolver, options after the parts")
            << QStringList{"resolver", "a=7", "b=10", "A=30"} + options << 0
            << "Pasos:\n1. Caso ambiguo\n   h = b·sen A\n   h = 10·sen 30°\n   h = 5 < a = 7 < b = 10: dos triángulos\n"
               "2. Teorema del seno\n   sen B = b·sen A / a\n   sen B = 10·sen 30° / 7 = 0.71\n"
            << "";
        QTest::newRow("resolver, an unknown option after the parts")
            << QStringList{"resolver", "a=7", "b=10", "A=30", "-x"} << 2 << "" << "opción desconocida «-x»";
        QTest::newRow("resolver: a part twice") << QStringList{"resolver", "a=3", "a=4", "c=5"} << 2 << ""
                                                << "«a=4»: la parte a se da más de una vez" + usage;
        QTest::newRow("resolver: an unknown part") << QStringList{"--json", "resolver", "a=3", "b=4", "d=5"} << 2 << ""
                                                   << "«d=5» no es PARTE=VALOR";
        QTest::newRow("resolver: a unit") << QStringList{"resolver", "a=12cm", "b=4", "c=5"} << 2 << ""
                                          << "«a=12cm»: «12cm» no se lee como un número";
        QTest::newRow("resolver: a side in degrees") << QStringList{"resolver", "a=45°30′", "b=4", "c=5"} << 2 << ""
                                                     << "(un lado no lleva grados, minutos ni segundos)";
        QTest::newRow("resolver: 60 minutes") << QStringList{"resolver", "A=45:60", "b=4", "c=5"} << 2 << ""
                                              << "«A=45:60»: «45:60» no se lee como un ángulo";
        QTest::newRow("--decimales 16") << QStringList{"--decimales", "16"} + lla << 2 << "" << "de 0 a 15, no «16»";
        QTest::newRow("--decimales without a number") << QStringList{"--decimales"} << 2 << "" << "falta el número";
        QTest::newRow("--pasos for a window's case") << QStringList{"--pasos", "tres-lados", "3", "4", "5"} << 2 << ""
                                                     << "no para los casos de las ventanas";
        QTest::newRow("--pasos with --lote") << QStringList{"--pasos", "--lote", "-"} << 2 << ""
                                             << "--pasos es para resolver, no para --lote";
        QTest::newRow("--svg into a folder that is not there")
            << QStringList{"--svg", "/nonexistent/f.svg", "tres-lados", "3", "4", "5"} << 2 << "Área = 6 m2"
            << "no se puede escribir «/nonexistent/f.svg»";
        // generar: a wrong use writes nothing on standard output.
        QTest::newRow("generar without a number") << QStringList{"generar"} << 2 << ""
                                                  << "falta la cantidad de problemas tras generar" + usage;
        QTest::newRow("generar 0") << QStringList{"generar", "0"} << 2 << "" << "va de 1 a 10000, no «0»";
        QTest::newRow("generar 10001") << QStringList{"generar", "10001"} << 2 << "" << "va de 1 a 10000, no «10001»";
        QTest::newRow("generar +3") << QStringList{"generar", "+3"} << 2 << "" << "va de 1 a 10000, no «+3»";
        QTest::newRow("generar 3 4") << QStringList{"generar", "3", "4"} << 2 << ""
                                     << "sobra «4» tras la cantidad de problemas";
        QTest::newRow("--casos with an unknown case") << QStringList{"--casos", "lla,LLX", "generar", "3"} << 2 << ""
                                                      << "caso desconocido «LLX» en --casos";
        QTest::newRow("--casos with an empty case") << QStringList{"--casos", "LLA,", "generar", "3"} << 2 << ""
                                                    << "un caso vacío en --casos";
        QTest::newRow("--versiones 27") << QStringList{"--versiones", "27", "generar", "3"} << 2 << ""
                                        << "--versiones va de 1 a 26, no «27»";
        QTest::newRow("--semilla -1") << QStringList{"--semilla", "-1", "generar", "3"} << 2 << ""
                                      << "--semilla va de 0 a 18446744073709551615, no «-1»";
        QTest::newRow("--semilla 2^64") << QStringList{"--semilla", "18446744073709551616", "generar", "3"} << 2 << ""
                                        << "no «18446744073709551616»";
        QTest::newRow("--semilla 2^64 - 1") << QStringList{"--semilla", "18446744073709551615", "generar", "1"} << 0
                                            << "resolver;" << "";
        // The count is whole, so what follows it with "-" can only be an option.
        QTest::newRow("options after the count, a pinned sheet")
            << QStringList{"generar", "6", "--versiones", "2", "--semilla", "2026"} << 0 << kPinnedSheet << "";
        QTest::newRow("a seed drawn is named") << QStringList{"generar", "2"} << 0 << "resolver;" << "semilla: ";
        QTest::newRow("--semilla without generar") << QStringList{"--semilla", "1", "tres-lados", "3", "4", "5"} << 2
                                                   << "" << "--semilla, --casos y --versiones son para generar";
        QTest::newRow("--json with generar") << QStringList{"--json", "generar", "3"} << 2 << ""
                                             << "--json, --svg y --pasos no van con él";
        QTest::newRow("generar after --lote") << QStringList{"--lote", "-", "generar", "3"} << 2 << ""
                                              << "sobra «generar» tras la hoja";
        QTest::newRow("more triangles of three sides than there are")
            << QStringList{"--casos", "LLL", "generar", "5448"} << 2 << ""
            << "no hay más de 5447 triángulos LLL distintos con estas reglas, y la hoja pide 5448";
        QTest::newRow("generar, --informe into a folder that is not there")
            << QStringList{"--semilla", "1", "--informe", "/nonexistent/r.html", "generar", "3"} << 2 << ""
            << "no se puede escribir «/nonexistent/r.html»";
    }

    // 100 seeds, two versions each, with either separator: --lote answers
    // every problem with the case and the count of triangles its place in
    // the turn promises, and echoes the versions' marks. Each seed its own
    // sheet; a seed again the same bytes.
    void generated()
    {
        const QStringList cases{"LLL", "LAL", "ALA", "LAA", "LLA"};
        constexpr int kProblems = 30;
        QSet<QByteArray> sheets;
        for (int seed = 0; seed < 100; ++seed) {
            const char separator = seed % 2 ? ',' : ';';
            const QStringList options{"--separador", QString(QChar(separator)), "--semilla", QString::number(seed)};
            const Run made = Calc(options + QStringList{"--versiones", "2", "generar", QString::number(kProblems)});
            QCOMPARE(made.status, 0);
            QVERIFY(made.err.isEmpty());
            sheets.insert(made.out);
            if (seed == 0)
                QCOMPARE(Calc(options + QStringList{"--versiones", "2", "generar", "30"}).out, made.out);
            const Run answered = Calc({"--separador", QString(QChar(separator)), "--lote", "-"}, made.out);
            QCOMPARE(answered.status, 0);
            QVERIFY(answered.err.isEmpty());
            const QList<QStringList> records = ParseCsv(answered.out, separator);
            QCOMPARE(records.size(), 1 + 2 * (1 + kProblems));
            for (int version = 0; version < 2; ++version) {
                const qsizetype mark = 1 + version * (1 + kProblems);
                QCOMPARE(records[mark], (QStringList{"versión", QString(QChar(u'A' + version))}));
                for (int i = 0, lla = 0; i < kProblems; ++i) {
                    const QStringList &record = records[mark + 1 + i];
                    const QString kase = cases[i % cases.size()];
                    const int count = kase == "LLA" ? std::array{2, 1, 0}[lla++ % 3] : 1;
                    QVERIFY2(record.size() >= 6 && record[0] == "resolver" && record[4] == kase
                                 && record[5] == QString::number(count),
                             qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(record.join(u' '))));
                }
            }
        }
        QCOMPARE(sheets.size(), 100);
    }

    // With --informe and --enunciado, the same sheet on standard output and
    // its answer key and problem sheet, each version under its letter and
    // numbered from 1; printed, each version starts a page, the problem
    // sheet's under the title again.
    void generatedReports()
    {
        QTemporaryDir dir;
        const QStringList options{"--semilla", "5", "--versiones", "2"};
        const QString key = dir.filePath("respuestas.html"), problems = dir.filePath("problemas.html");
        const Run run = Calc(options + QStringList{"--titulo", "Examen", "--informe", key, "--enunciado", problems,
                                                   "generar", "5"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out, Calc(options + QStringList{"generar", "5"}).out);
        for (const QString &path : {key, problems}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray html = file.readAll();
            QCOMPARE(html.count("<section class=\"problema\">"), 10);
            QCOMPARE(html.count("<h2>Problema 5"), 2);
            QVERIFY(html.indexOf("Versión A</") < html.indexOf("Versión B</"));
        }
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty() || QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("chromium or poppler-utils (pdftotext) is not installed");
        for (const QString &path : {key, problems}) {
            const QStringList pages = PrintedPages(chromium, path, path + "-perfil");
            QVERIFY2(!pages.isEmpty(), qPrintable(path));
            for (const QString letter : {"A", "B"}) {
                const auto page = std::find_if(pages.begin(), pages.end(),
                                               [&](const QString &p) { return p.contains("Versión " + letter); });
                QVERIFY2(page != pages.end(), qPrintable(path + ": Versión " + letter));
                // Its page's first problem is its first: no problem of the
                // version before shares the page.
                const QRegularExpressionMatch first = QRegularExpression("Problema \\d+").match(*page);
                QCOMPARE(first.captured(), "Problema 1");
                if (path == problems)
                    QCOMPARE(page->trimmed().section(u'\n', 0, 0), "Examen");
            }
        }
    }

    // --svg: the solved triangle as a figure that parses as XML and names
    // its parts, after the results; one that cannot be drawn is refused.
    void figure_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("three sides") << QStringList{"tres-lados", "3", "4", "5"} << 0
                                     << QStringList{"a = 3", "c = 5", "36° 52′ 11.64″", "90° 0′ 0″"};
        QTest::newRow("two angles") << QStringList{"dos-angulos", "20", "30", "0", "40", "15", "30", "12.5"} << 0
                                    << QStringList{"a = 5.017", "c = 12.5", "20° 30′ 0″", "119° 14′ 31.2″"};
        QTest::newRow("two sides") << QStringList{"dos-lados", "45", "30", "15", "10", "7"} << 0
                                   << QStringList{"b = 7.133", "45° 30′ 15″", "90° 4′ 8.04″"};
        QTest::newRow("flat: angles of 0") << QStringList{"dos-lados", "180", "0", "0", "3", "4"} << 1 << QStringList{};
        QTest::newRow("a negative side") << QStringList{"tres-lados", "-3", "4", "5"} << 1 << QStringList{};
        QTest::newRow("a negative angle") << QStringList{"dos-angulos", "100", "0", "0", "100", "0", "0", "10"} << 1
                                          << QStringList{};
    }

    void figure()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, labels);
        QTemporaryDir dir;
        const QString path = dir.filePath("figura.svg");
        const Run run = Calc(QStringList{"--svg", path} + args);
        QCOMPARE(run.status, status);
        QVERIFY(run.out.startsWith("Ángulo"));
        QFile file(path);
        if (status != 0) {
            QVERIFY(run.err.contains("no se puede dibujar"));
            QVERIFY(!file.exists());
            return;
        }
        QVERIFY(run.err.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
                texts << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const QString &label : labels)
            QVERIFY2(texts.contains(label), qPrintable(label + " not in " + texts.join(" | ")));
    }

    void exitStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = Calc(args);
        QCOMPARE(run.status, status);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.contains(out.toUtf8()), run.out.constData());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err.toUtf8()), run.err.constData());
    }

    void resolver_data()
    {
        QTest::addColumn<int>("index");
        for (const general_cases::Row &row : general_cases::kRows)
            QTest::newRow(row.name) << int(&row - general_cases::kRows);
    }

    // The general solution's rows: in JSON every number in full, its keys in
    // order; the text's headline; a refusal with its reason; other than three
    // parts, wrong use.
    void resolver()
    {
        QFETCH(int, index);
        const general_cases::Row &row = general_cases::kRows[index];
        const QStringList args = PartArgs(row);
        const Run json = Calc(QStringList{"--json"} + args);
        const Run text = Calc(args);
        if (args.size() != 4) {
            QCOMPARE(json.status, 2);
            QVERIFY2(text.err.contains("hacen falta tres partes"), text.err.constData());
            return;
        }
        const QJsonObject answer = QJsonDocument::fromJson(json.out).object();
        if (row.count == 0) {
            QCOMPARE(json.status, 1);
            QCOMPARE(answer, Error("Sin solución", QString::fromUtf8(row.reason)));
            QCOMPARE(text.status, 1);
            QCOMPARE(QString::fromUtf8(text.err), "Sin solución\n" + QString::fromUtf8(row.reason) + u'\n');
            return;
        }
        QCOMPARE(json.status, 0);
        QCOMPARE(answer["caso"].toString(), row.kase);
        const QJsonArray triangles = answer["soluciones"].toArray();
        QCOMPARE(triangles.size(), row.count);
        for (int n = 0; n < row.count; ++n) {
            QCOMPARE(triangles[n].toObject().size(), 15);
            const QString key = Mismatch(triangles[n].toObject(), row.triangles[n]);
            QVERIFY2(key.isEmpty(), qPrintable(key + " of solution " + QString::number(n + 1)));
        }
        qsizetype at = 0;
        for (const char *key : {"caso", "soluciones", "a", "b", "c", "A", "B", "C", "area", "perimetro",
                                "semiperimetro", "alturas", "medianas", "bisectrices", "r", "R", "tipo"}) {
            at = json.out.indexOf('"' + QByteArray(key) + "\":", at);
            QVERIFY2(at >= 0, key);
        }
        QCOMPARE(text.status, 0);
        const QString first = QString::fromUtf8(text.out).section(u'\n', 0, 0);
        QVERIFY2(first.startsWith(row.kase + QStringLiteral(": "))
                     && first.endsWith(row.count == 2 ? "; dos soluciones" : "; una solución"),
                 qPrintable(first));
        QCOMPARE(text.out.contains("\nSolución 2\n"), row.count == 2);
    }

    // Every number of resolver's JSON is the shortest text that reads back as
    // its double: no text with one significant digit fewer does, and a whole
    // number has no ".0". Random sides (any exponent that keeps the area a
    // double) and angles, which come back as given, and three numbers a
    // writer without that promise lengthens.
    void jsonNumbers_data()
    {
        QTest::addColumn<QList<double>>("given"); // a, B, C
        QTest::newRow("149.87012 0.649452749195154 42.24538494287766")
            << QList<double>{149.87012, 0.649452749195154, 42.24538494287766};
        QRandomGenerator random(20);
        for (int n = 0; n < 100; ++n) {
            const double side = std::ldexp(1 + random.generateDouble(), random.bounded(-500, 500));
            QTest::addRow("random %d", n)
                << QList<double>{side, 90 * random.generateDouble(), 90 * random.generateDouble()};
        }
    }

    void jsonNumbers()
    {
        QFETCH(QList<double>, given);
        QStringList args{"--json", "resolver"};
        for (int i = 0; i < 3; ++i)
            args << QString("aBC")[i] + QStringLiteral("=") + QString::number(given[i], 'g', 17);
        const Run run = Calc(args);
        QCOMPARE(run.status, 0);
        const QJsonObject triangle = QJsonDocument::fromJson(run.out).object()["soluciones"][0].toObject();
        QCOMPARE(triangle["a"].toDouble(), given[0]);
        QCOMPARE(triangle["C"].toDouble(), given[2]);
        const QRegularExpression number(R"([:,\[](-?[0-9][0-9.e+-]*))");
        int numbers = 0;
        for (const QRegularExpressionMatch &match : number.globalMatch(QString::fromUtf8(run.out))) {
            const QString text = match.captured(1);
            QVERIFY2(text.size() <= ShortestLength(text.toDouble()), qPrintable(text));
            ++numbers;
        }
        QCOMPARE(numbers, 20);
    }

    // --svg with two solutions: both triangles side by side under their titles.
    void resolverFigure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("figura.svg");
        QCOMPARE(Calc({"--svg", path, "resolver", "A=30", "a=3", "c=5"}).status, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts;
        int triangles = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            triangles += xml.name() == u"polygon" && xml.attributes().value("class") == u"triangle";
            if (xml.name() == u"text")
                texts << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(triangles, 2);
        QCOMPARE(texts.filter(QRegularExpression("^Solución")), QStringList({"Solución 1", "Solución 2"}));
    }

    // A bad row is named, and every other row is answered.
    void badWorksheet_data()
    {
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");

        const QByteArray good = "tres-lados;3;4;5\n";
        const QByteArray million(1000000, '7');
        QTest::newRow("a field of a million characters")
            << good + "tres-lados;" + million + ";4;5\n" + good << 2 << 2 << "fila 2: la fila pasa de 65536 bytes\n";
        QTest::newRow("a quoted field of a million characters")
            << good + "tres-lados;\"" + million + "\";4;5\n" + good << 2 << 2
            << "fila 2: la fila pasa de 65536 bytes\n";
        QTest::newRow("a field of 2000 characters") << good + "tres-lados;" + QByteArray(2000, '3') + ";4;5\n" + good
                                                    << 2 << 2 << "fila 2: un campo pasa de 1024 bytes\n";
        QTest::newRow("a row of 10,000 fields") << good + "tres-lados" + QByteArray(";1").repeated(10000) + "\n" + good
                                                << 2 << 2 << "fila 2: la fila tiene más de 64 campos\n";
        QTest::newRow("invalid UTF-8") << good + "tres-lados;3\xff;4;5\n" + good << 2 << 2
                                       << "fila 2: la fila no es texto UTF-8\n";
        QTest::newRow("a NUL byte") << good + "tres-lados;3" + '\0' + ";4;5\n" + good << 2 << 2
                                    << "fila 2: la fila contiene un byte nulo\n";
        QTest::newRow("an unterminated quote") << good + "tres-lados;\"3;4;5\n" + good + good << 3 << 2
                                               << "fila 2: comillas sin cerrar\n";
        QTest::newRow("an unterminated quote in the last row") << good + "tres-lados;3;4;\"5" << 1 << 2
                                                               << "fila 2: comillas sin cerrar\n";
        QTest::newRow("an unknown case") << good + "cuatro-lados;1;2;3;4\n" + good << 2 << 2
                                         << "fila 2: caso desconocido «cuatro-lados» (los casos son tres-lados, "
                                            "dos-angulos, dos-lados y resolver)\n";
        QTest::newRow("a value missing") << good + "dos-lados;90;0;0;3\n" + good << 2 << 2
                                         << "fila 2: «dos-lados» lleva 5 valores (BG BM BS A C) y la fila trae 4\n";
        QTest::newRow("a value too many") << good + "tres-lados;3;4;5;;6\n" + good << 2 << 2
                                          << "fila 2: «tres-lados» lleva 3 valores (A B C) y la fila trae 5\n";
        QTest::newRow("blank and comment rows count") << "# notas\n\n;;\nfoo\n" + good << 1 << 2
                                                      << "fila 4: caso desconocido «foo»";
        QTest::newRow("the line named where it differs") << "#;\"nota\nlarga\"\nfoo;1\n" + good << 1 << 2
                                                         << "fila 2 (línea 3): caso desconocido «foo»";
        QTest::newRow("control characters not echoed") << "\x1b[31m;1\n" + good << 1 << 2
                                                       << "caso desconocido «?[31m»";
        QTest::newRow("a spreadsheet's padding") << "tres-lados;3;4;5;;;;\n;;;;;;;\n" + good << 2 << 0 << "";
        QTest::newRow("byte order mark and CR LF") << "\xEF\xBB\xBFtres-lados;3;4;5\r\n" + good << 2 << 0 << "";
        QTest::newRow("two bad rows") << "x\n" + good + "y\n" << 1 << 2 << "fila 3: caso desconocido «y»";
        QTest::newRow("a version without its letter") << good + "versión;;\n" + good << 2 << 2
                                                      << "fila 2: «versión» lleva solo la letra de la versión (versión;A)\n";
        QTest::newRow("a version with more") << "Versión;A;b\n" + good << 1 << 2 << "fila 1: «versión» lleva solo";
    }

    void badWorksheet()
    {
        QFETCH(QByteArray, sheet);
        QFETCH(int, answered);
        QFETCH(int, status);
        QFETCH(QString, err);

        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(sheet);
        file.close();
        const Run run = Calc({"--lote", file.fileName()});
        QCOMPARE(run.status, status);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err.toUtf8()), run.err.constData());
        QCOMPARE(run.err.count('\n'), qsizetype(status == 0 ? 0 : run.err.count("sorvani-calc: fila ")));
        const QList<QStringList> records = ParseCsv(run.out);
        QCOMPARE(records.size(), answered + 1);
        const QString answer = (form2::k345.mid(9, 3) + form2::k345.mid(0, 9) + form2::k345.mid(12)).join(u';');
        for (const QStringList &record : records.mid(1))
            QCOMPARE(record, (QStringList{"tres-lados", "3", "4", "5"} + WithMark(answer, u'.', u',').split(u';')));
    }

    // --moodle and --gift read back as Moodle reads them, every problem
    // against `sorvani-calc resolver` of its own statement: the blanks in
    // order, each right answer and tolerance, the known mistakes apart from
    // it, LLA's count and its two sets in order, the same questions in GIFT,
    // the categories, the title as it was typed, the rows left out named.
    void moodle_data()
    {
        QTest::addColumn<QStringList>("args"); // "HOJA": the sheet's file
        QTest::addColumn<QByteArray>("sheet");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<int>("leftOut");
        const QString top = "$course$/top/";
        QTest::newRow("generar, two versions")
            << QStringList{"--semilla", "2026", "--versiones", "2", "generar", "10"} << QByteArray() << 2 << QString()
            << QStringList{top + "Sorvani/Versión A", top + "Sorvani/Versión B"} << 0;
        QTest::newRow("LLA of every kind, 3 places")
            << QStringList{"--semilla", "7", "--casos", "LLA", "--decimales", "3", "generar", "9"} << QByteArray() << 3
            << QString() << QStringList{top + "Sorvani"} << 0;
        QTest::newRow("window rows; refused, failed and triangle-less rows left out")
            << QStringList{"--lote", "HOJA"}
            << QByteArray("tres-lados;3;4;5\ndos-angulos;20;30;0;40;15;30;12,5\ndos-lados;45;30;15;10,5;7\n"
                          "tres-lados;0;4;5\ndos-angulos;90;0;0;90;0;0;5\nresolver;a=1;b=2;c=5\n"
                          "resolver;a=-3;c=5;A=40\nresolver;a=3;c=5;A=40\nresolver;A=100;a=3;b=5\n"
                          "resolver;b=4;c=5;A=90\nresolver;c=4;B=30;C=90\n")
            << 2 << QString() << QStringList{top + "Sorvani"} << 4;
        const QString hostile = "Tema 4 </text> & {1:NUMERICAL:=1} «repaso»";
        QTest::newRow("a hostile title and version")
            << QStringList{"--titulo", hostile, "--decimales", "0", "--lote", "HOJA"}
            << QByteArray("versión;</b>X/1/\nresolver;a=7;b=10;A=30\n") << 0 << hostile
            << QStringList{top + "Tema 4  & {1:NUMERICAL:=1} «repaso»/Versión X//1"} << 0;
        const QString marks = "/a]]>b #~ \\: c/ ";
        QTest::newRow("a title of marks") << QStringList{"--titulo", marks, "--lote", "HOJA"}
                                          << QByteArray("resolver;a=3;b=4;C=90\n") << 2 << marks
                                          << QStringList{top + " //a]]>b #~ \\: c"} << 0;
    }

    void moodle()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, sheet);
        QFETCH(int, decimals);
        QFETCH(QString, title);
        QFETCH(QStringList, categories);
        QFETCH(int, leftOut);
        QTemporaryDir dir;
        QFile sheetFile(dir.filePath("hoja.csv")), xmlFile(dir.filePath("q.xml")), giftFile(dir.filePath("q.txt"));
        QVERIFY(sheetFile.open(QIODevice::WriteOnly) && sheetFile.write(sheet) == sheet.size());
        sheetFile.close();
        args.replaceInStrings(QRegularExpression("^HOJA$"), sheetFile.fileName());
        const Run run = Calc(QStringList{"--moodle", xmlFile.fileName(), "--gift", giftFile.fileName()} + args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err.count(": no va en las preguntas de Moodle: "), leftOut);
        QVERIFY(xmlFile.open(QIODevice::ReadOnly) && giftFile.open(QIODevice::ReadOnly));
        QString error;
        const QList<XmlQuestion> xml = ReadMoodleXml(xmlFile.readAll(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QList<GiftQuestion> gift = ReadGift(QString::fromUtf8(giftFile.readAll()));
        const auto tolerance = [&](double v) { return std::max(std::pow(10.0, -decimals), 0.001 * std::fabs(v)); };
        QStringList xmlCategories, giftCategories;
        QSet<int> counts; // of LLA problems
        for (const XmlQuestion &q : xml) {
            QVERIFY(!gift.isEmpty());
            if (q.type == "category") {
                xmlCategories << q.name;
                giftCategories << gift.takeFirst().category;
                continue;
            }
            QString text = q.text;
            QStringList labels;
            const QList<QList<QuizAnswer>> blanks = ClozeBlanks(text, labels);
            const QString shown = Unentity(text.remove(QRegularExpression("<[^>]*>")));
            QVERIFY2(shown.startsWith(title + "Resuelve el triángulo con "), qPrintable(shown));
            // The statement's parts as resolver's: "a = 3 m" as "a=3".
            QStringList parts = shown.section(" con ", 1).section(u'.', 0, 0).split(QRegularExpression(", | y "));
            QString asked = "abcABC", given;
            for (QString &part : parts) {
                asked.remove(part[0]);
                given += part[0];
                part = part.remove(QRegularExpression(" m$")).replace(" = ", "=");
            }
            QList<QJsonObject> sets;
            for (const QJsonValue t : QJsonDocument::fromJson(Calc(QStringList{"--json", "resolver"} + parts).out)
                                          .object()["soluciones"].toArray())
                sets << t.toObject();
            QCOMPARE(q.fileName.isEmpty(), sets.isEmpty());
            QCOMPARE(QByteArray::fromBase64(q.file.toLatin1()).contains("<svg"), !sets.isEmpty());
            QCOMPARE(q.feedback.contains("Sin solución"), sets.isEmpty());
            // LLA: how many, then the triangle whose angle facing the other given side is not obtuse first.
            const QString angle = QString(given).remove(QRegularExpression("[abc]"));
            const bool ambiguous = angle.size() == 1 && given.contains(angle[0].toLower());
            if (ambiguous) {
                counts << sets.size();
                QCOMPARE(labels[0], "¿Cuántos triángulos hay? ");
                QCOMPARE(blanks[0][sets.size()].fraction, 100);
                QCOMPARE(blanks[0][sets.size()].text, QStringList({"Ninguno", "Uno", "Dos"})[sets.size()]);
                const QString other =
                    QString(given).remove(QRegularExpression("[A-C]")).remove(angle[0].toLower()).toUpper();
                if (sets.size() == 2 && sets[0][other].toDouble() > 90)
                    sets.swapItemsAt(0, 1);
                sets.resize(2);
            }
            const qsizetype perSet = asked.size() + 1;
            QCOMPARE(blanks.size(), ambiguous + qMax(qsizetype(1), sets.size()) * perSet);
            for (qsizetype n = ambiguous; n < blanks.size(); ++n) {
                const qsizetype part = (n - ambiguous) % perSet;
                const QString name = part < asked.size() ? QString(asked[part]) : QString("area");
                QCOMPARE(labels[n],
                         (part == asked.size() ? "Área" : (name[0].isUpper() ? "Ángulo " : "Lado ") + name) + " = ");
                const QJsonObject t = sets.value((n - ambiguous) / perSet);
                const double value = t.isEmpty() ? 0 : t[name].toDouble();
                const QuizAnswer &right = blanks[n][0];
                QVERIFY(right.fraction == 100 && right.text.isEmpty());
                QVERIFY2(std::fabs(right.value - value) <= 1e-12 * value, qPrintable(QString::number(right.value)));
                QCOMPARE(right.tolerance, tolerance(right.value));
                bool radians = false;
                for (const QuizAnswer &wrong : blanks[n].mid(1)) {
                    QVERIFY(wrong.fraction == 0 && wrong.text.isEmpty() && wrong.feedback.startsWith("Incorrecto: "));
                    QCOMPARE(wrong.tolerance, tolerance(wrong.value));
                    QVERIFY(std::fabs(wrong.value - value) > wrong.tolerance + right.tolerance);
                    radians = radians
                              || (std::fabs(wrong.value - value * M_PI / 180) < 1e-9 && wrong.feedback.contains("radianes"));
                }
                const double inRadians = value * M_PI / 180;
                QCOMPARE(radians, name[0].isUpper() && value - inRadians > tolerance(value) + tolerance(inRadians));
            }
            // In GIFT, the count and each blank a question of its own, alike.
            for (qsizetype n = 0; n < blanks.size(); ++n) {
                QVERIFY(!gift.isEmpty());
                const GiftQuestion g = gift.takeFirst();
                const qsizetype part = (n - ambiguous) % perSet;
                const QString suffix =
                    n < ambiguous ? "Cuántos triángulos" : part == asked.size() ? "Área" : QString(asked[part]);
                QCOMPARE(g.name, q.name + " · " + suffix + (n - ambiguous >= perSet ? " (2)" : ""));
                QVERIFY2(Unentity(g.text).startsWith(title.isEmpty() ? "<p>Resuelve" : "<p><b>" + title + "</b>"),
                         qPrintable(g.text));
                QCOMPARE(g.answers, blanks[n]);
                QCOMPARE(g.feedback, q.feedback);
            }
        }
        QVERIFY(gift.isEmpty());
        QCOMPARE(xmlCategories, categories);
        QCOMPARE(giftCategories, categories);
        QCOMPARE(counts.size(), args.contains("LLA") ? 3 : counts.size());
    }
};

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"
