#include "figure.h"
#include "numeric.h"

#include <QFontMetricsF>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

using Numbers = QList<double>;

QString AngleText(double degrees)
{
    const Dms split = SplitDegrees(RoundTo4(degrees));
    return QString::fromStdString(DmsText(split.degrees, split.minutes, split.seconds));
}

Figure MakeFigure(const Numbers &sides, const Numbers &angles, const QString &cText)
{
    const auto side = [](double length, QString text = {}) {
        return FigureSide{length, text.isEmpty() ? NumberText(length) : text.toStdString()};
    };
    const auto angle = [](double degrees) {
        return FigureAngle{degrees, AngleText(degrees).toStdString()};
    };
    return {side(sides[0]),   side(sides[1]),   side(sides[2], cText),
            angle(angles[0]), angle(angles[1]), angle(angles[2])};
}

// Roles of a, b, c, A, B, C, a letter each: P plain, D datum, R result.
Figure WithRoles(Figure f, const char *roles, const QString &title)
{
    const auto role = [&](int i) {
        return roles[i] == 'D' ? FigureRole::Datum : roles[i] == 'R' ? FigureRole::Result : FigureRole::Plain;
    };
    f.a.role = role(0), f.b.role = role(1), f.c.role = role(2), f.A.role = role(3), f.B.role = role(4), f.C.role = role(5);
    f.title = title.toStdString();
    return f;
}

// What a picture, or one panel of it, holds.
struct Drawing {
    QList<QPointF> triangle; // A, B, C
    QList<QPointF> points;   // every arc end
    QList<QRectF> textBoxes; // the room each text takes in Liberation Sans
    QStringList texts;
    QStringList looks; // of each text: its fill, and "italic" when it is
    QTransform toPicture;

    QRectF Bounds() const
    {
        QRectF bounds;
        for (const QPointF p : triangle + points)
            bounds |= QRectF(p, QSizeF(1e-9, 1e-9));
        for (const QRectF &box : textBoxes)
            bounds |= box;
        return toPicture.mapRect(bounds);
    }
};

// A picture read back with an XML reader: what lies outside any panel, and
// each panel in its own units.
struct Picture {
    QString error;
    QSizeF size;
    QRectF viewBox;
    Drawing drawing;
    QList<Drawing> panels;
};

bool ReadNumbers(const QString &text, QList<double> &numbers)
{
    for (const QString &part : text.split(QRegularExpression("[\\s,]+"), Qt::SkipEmptyParts)) {
        if (part.size() == 1 && part[0].isLetter())
            continue; // a path command
        bool ok = false;
        const double value = part.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return false;
        numbers.append(value);
    }
    return true;
}

// "translate(x y) scale(s) translate(x y)"
QTransform ReadTransform(QString text)
{
    QList<double> n;
    if (!ReadNumbers(text.replace(QRegularExpression("[a-z()]+"), " "), n) || n.size() != 5)
        return QTransform(0, 0, 0, 0, 0, 0); // nothing lands where it should
    return QTransform().translate(n[0], n[1]).scale(n[2], n[2]).translate(n[3], n[4]);
}

Picture Read(const std::string &svg)
{
    Picture picture;
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int depth = 0, panelDepth = 0; // of the open panel group, 0 outside
    while (!xml.atEnd() && picture.error.isEmpty()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && depth-- == panelDepth)
            panelDepth = 0;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        Drawing &drawing = panelDepth ? picture.panels.last() : picture.drawing;
        const QXmlStreamAttributes attributes = xml.attributes();
        QHash<QString, QList<double>> numbers;
        for (const char *name :
             {"x", "y", "width", "height", "viewBox", "points", "d", "font-size"}) {
            if (attributes.hasAttribute(name)
                && !ReadNumbers(attributes.value(name).toString(), numbers[name]))
                picture.error = QString("%1 of <%2> not a finite number").arg(name, xml.name());
        }
        const auto point = [&] { return QPointF(numbers["x"].value(0), numbers["y"].value(0)); };
        if (xml.name() == u"svg") {
            if (xml.namespaceUri() != u"http://www.w3.org/2000/svg"
                || numbers["width"].size() != 1 || numbers["height"].size() != 1
                || numbers["viewBox"].size() != 4)
                picture.error = "root element";
            const QList<double> box = numbers["viewBox"];
            if (box.size() == 4)
                picture.viewBox = QRectF(box[0], box[1], box[2], box[3]);
            picture.size = QSizeF(numbers["width"].value(0), numbers["height"].value(0));
        } else if (xml.name() == u"g" && attributes.value("class") == u"panel") {
            picture.panels.emplaceBack();
            picture.panels.last().toPicture
                = ReadTransform(attributes.value("transform").toString());
            panelDepth = depth;
        } else if (xml.name() == u"polygon" && attributes.value("class") == u"triangle") {
            const QList<double> p = numbers["points"];
            for (int i = 0; i + 1 < p.size(); i += 2)
                drawing.triangle.append(QPointF(p[i], p[i + 1]));
        } else if (xml.name() == u"path") {
            const QList<double> d = numbers["d"]; // M x y A rx ry rotation large sweep x y
            if (d.size() == 9)
                drawing.points << QPointF(d[0], d[1]) << QPointF(d[7], d[8]);
            else
                picture.error = "arc path";
        } else if (xml.name() == u"text") {
            // Centred on x, from the baseline y up to the capitals.
            QFont font("Liberation Sans");
            font.setPixelSize(100);
            font.setBold(attributes.value("font-weight") == u"bold");
            const bool italic = attributes.value("font-style") == u"italic";
            font.setItalic(italic);
            drawing.looks.append(attributes.value("fill").toString() + (italic ? " italic" : ""));
            const QString text = xml.readElementText();
            --depth;
            const double size = numbers["font-size"].value(0);
            const double width = QFontMetricsF(font).horizontalAdvance(text) * size / 100;
            drawing.textBoxes.append(
                QRectF(point() - QPointF(width / 2, 0.7 * size), QSizeF(width, 0.7 * size)));
            drawing.texts.append(text);
        }
    }
    if (xml.hasError())
        picture.error = xml.errorString();
    return picture;
}

double Distance(QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()); }

bool InTriangle(QPointF p, const QList<QPointF> &t)
{
    const auto side = [&](QPointF u, QPointF v) {
        return (v.x() - u.x()) * (p.y() - u.y()) - (v.y() - u.y()) * (p.x() - u.x());
    };
    const double s0 = side(t[0], t[1]), s1 = side(t[1], t[2]), s2 = side(t[2], t[0]);
    return (s0 > 0 && s1 > 0 && s2 > 0) || (s0 < 0 && s1 < 0 && s2 < 0);
}

QColor Colour(std::string_view hex) { return QColor(QString::fromUtf8(hex.data(), hex.size())); }

// A label's look: data in blue, results in orange italics, a plain one as the
// three cases always drew it.
QString Look(FigureRole role, bool side)
{
    return role == FigureRole::Datum    ? Colour(kFigureDatumColour).name()
           : role == FigureRole::Result ? Colour(kFigureResultColour).name() + " italic"
           : side                       ? "#000000"
                                        : "#303030";
}

} // namespace

using Figures = std::vector<Figure>;
Q_DECLARE_METATYPE(Figures)

class TestFigure : public QObject {
    Q_OBJECT

private slots:
    void dmsText_data();
    void dmsText();
    void triangleSvg_data();
    void triangleSvg();
    void sideBySide_data();
    void sideBySide();
};

void TestFigure::dmsText_data()
{
    QTest::addColumn<Numbers>("parts");
    QTest::addColumn<QString>("expected");
    QTest::newRow("36 52 11.64") << Numbers{36, 52, 11.64} << QString("36° 52′ 11.64″");
    QTest::newRow("seconds of 60") << Numbers{26, 56, 60} << QString("26° 56′ 60″");
    QTest::newRow("exponent form") << Numbers{0, 0, 1e-5} << QString("0° 0′ 1E-05″");
}

void TestFigure::dmsText()
{
    QFETCH(Numbers, parts);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DmsText(parts[0], parts[1], parts[2])), expected);
}

// Sides a, b, c, angles A, B, C, whether it can be drawn, and a text for side
// c other than its NumberText (empty: the NumberText).
void TestFigure::triangleSvg_data()
{
    QTest::addColumn<Numbers>("sides");
    QTest::addColumn<Numbers>("angles");
    QTest::addColumn<bool>("drawable");
    QTest::addColumn<QString>("cText");
    const auto row
        = [](const char *name, Numbers sides, Numbers angles, bool drawable, QString cText = {}) {
              QTest::newRow(name) << sides << angles << drawable << cText;
          };
    row("3-4-5", {3, 4, 5}, {36.8699, 53.1301, 90}, true);
    row("equilateral", {1, 1, 1}, {60, 60, 60}, true);
    row("longest side a", {7, 3, 5}, {120, 21.7868, 38.2132}, true);
    row("thin", {10, 10, 19.9999}, {0.1812, 0.1812, 179.6376}, true);
    row("rounded sides just short of closing", {0.5, 0.5, 1.0007}, {0.01, 0.01, 179.98}, true);
    row("huge", {1e77, 1e77, 1e77}, {60, 60, 60}, true);
    row("tiny", {0.001, 0.002, 0.0025}, {22.3316, 49.4584, 108.21}, true);
    row("side vanishing beside the others", {1e300, 1e300, 1e-300}, {90, 90, 1e-5}, true);
    row("text needing escapes", {3, 4, 5}, {36.8699, 53.1301, 90}, true, "5 <&> \"'");
    row("zero side", {3, 0, 5}, {36.8699, 53.1301, 90}, false);
    row("negative side", {-3, 4, 5}, {36.8699, 126.8699, 90}, false);
    row("side NaN", {3, 4, kNaN}, {36.8699, 53.1301, 90}, false);
    row("side infinite", {kInf, 4, 5}, {36.8699, 53.1301, 90}, false);
    row("angle 0", {1e6, 1e6, 0.001}, {90, 90, 0}, false);
    row("angle 180", {1, 1, 2}, {0.001, 0.001, 180}, false);
    row("angle NaN", {3, 4, 5}, {kNaN, 53.1301, 90}, false);
    row("sides that do not close", {1, 2, 5}, {30, 30, 120}, false);
}

void TestFigure::triangleSvg()
{
    QFETCH(Numbers, sides);
    QFETCH(Numbers, angles);
    QFETCH(bool, drawable);
    QFETCH(QString, cText);
    const Figure figure = MakeFigure(sides, angles, cText);
    const std::optional<std::string> svg = TriangleSvg(figure);
    QCOMPARE(svg.has_value(), drawable);
    if (!drawable)
        return;

    const Picture picture = Read(*svg);
    QVERIFY2(picture.error.isEmpty(), qPrintable(picture.error));
    QCOMPARE(picture.size, QSizeF(640, 480));
    const Drawing &drawing = picture.drawing;
    QCOMPARE(drawing.triangle.size(), 3);
    for (const QPointF p : drawing.triangle + drawing.points)
        QVERIFY2(picture.viewBox.contains(p), qPrintable(QString("%1, %2").arg(p.x()).arg(p.y())));
    for (const QRectF &box : drawing.textBoxes)
        QVERIFY2(picture.viewBox.contains(box),
                 qPrintable(QString("%1, %2").arg(box.x()).arg(box.y())));

    // To scale: each drawn side over its length is one and the same factor.
    const QList<double> drawn{Distance(drawing.triangle[1], drawing.triangle[2]),
                              Distance(drawing.triangle[2], drawing.triangle[0]),
                              Distance(drawing.triangle[0], drawing.triangle[1])};
    const double longest = std::max({sides[0], sides[1], sides[2]});
    const double factor = std::max({drawn[0], drawn[1], drawn[2]}) / longest;
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(drawn[i] / factor - sides[i]) <= 1e-3 * longest,
                 qPrintable(QString::number(i)));
    // Fitted: the triangle spans most of the picture's width or height.
    QRectF bounds(drawing.triangle[0], QSizeF());
    for (const QPointF p : drawing.triangle)
        bounds = bounds.united(QRectF(p, QSizeF()));
    QVERIFY(bounds.width() >= 0.6 * picture.viewBox.width()
            || bounds.height() >= 0.6 * picture.viewBox.height());

    // Vertex letters and side lengths stand outside the triangle.
    for (int i = 0; i < drawing.texts.size(); ++i) {
        if (drawing.texts[i].size() == 1 || drawing.texts[i].mid(1, 3) == " = ")
            QVERIFY2(!InTriangle(drawing.textBoxes[i].center(), drawing.triangle),
                     qPrintable(drawing.texts[i]));
    }

    for (const std::string &text :
         {std::string("A"), std::string("B"), std::string("C"), "a = " + figure.a.text,
          "b = " + figure.b.text, "c = " + figure.c.text, figure.A.text, figure.B.text,
          figure.C.text})
        QVERIFY2(drawing.texts.contains(QString::fromStdString(text)),
                 qPrintable(drawing.texts.join(" | ")));

    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    if (rsvg.isEmpty())
        QSKIP("rsvg-convert (librsvg2-bin) is not installed: not rendered");
    QTemporaryDir dir;
    QFile file(dir.filePath("figure.svg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(*svg));
    file.close();
    QProcess render;
    render.start(rsvg, {"-o", dir.filePath("figure.png"), file.fileName()});
    QVERIFY(render.waitForFinished(30000));
    QVERIFY2(render.exitStatus() == QProcess::NormalExit && render.exitCode() == 0,
             render.readAllStandardError().constData());
    QVERIFY(QFileInfo(dir.filePath("figure.png")).size() > 0);
}

void TestFigure::sideBySide_data()
{
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<bool>("drawable");
    const Figure right = MakeFigure({3, 4, 5}, {36.8699, 53.1301, 90}, {});
    // b = 10, c = 8 and C = 40°: the two triangles of the ambiguous case.
    const Figure acute = MakeFigure({12.423, 10, 8}, {86.5359, 53.4641, 40}, {});
    const Figure obtuse = MakeFigure({2.8978, 10, 8}, {13.4641, 126.5359, 40}, {});
    const Figure open = MakeFigure({1, 2, 5}, {30, 30, 120}, {});
    QTest::newRow("two, titles needing escapes, one plain")
        << Figures{WithRoles(right, "DDRRRD", "<b>1 & 2</b>"), WithRoles(right, "PPPPPP", "\"'")} << true;
    QTest::newRow("three, a long title")
        << Figures{WithRoles(obtuse, "DDDRRR", "Solución 1"), WithRoles(right, "RRRDDD", "Solución 2"),
                   WithRoles(acute, "PPPPPP", QString("Tercera solución, ").repeated(4))}
        << true;
    QTest::newRow("one that cannot be drawn") << Figures{right, open} << false;
    QTest::newRow("none") << Figures{} << false;
}

// Each panel drawn as its figure alone, in its own slot under its title, each
// label in its role's look.
void TestFigure::sideBySide()
{
    QFETCH(Figures, figures);
    QFETCH(bool, drawable);
    const std::optional<std::string> svg = TrianglesSvg(figures);
    QCOMPARE(svg.has_value(), drawable);
    if (!drawable)
        return;

    const Picture picture = Read(*svg);
    QVERIFY2(picture.error.isEmpty(), qPrintable(picture.error));
    const int count = int(figures.size());
    QCOMPARE(picture.panels.size(), count);
    QCOMPARE(picture.size.width(), 640.0 * count);
    QVERIFY(picture.size.height() > 480);
    QCOMPARE(picture.viewBox, QRectF(QPointF(0, 0), picture.size));

    for (int i = 0; i < count; ++i) {
        const Figure &figure = figures[i];
        const Drawing &panel = picture.panels[i];
        const Picture alone = Read(TriangleSvg(figure).value());
        QCOMPARE(panel.triangle, alone.drawing.triangle);
        QCOMPARE(panel.texts, alone.drawing.texts);
        const std::pair<FigureRole, std::string> parts[] = {
            {figure.a.role, "a = " + figure.a.text}, {figure.b.role, "b = " + figure.b.text},
            {figure.c.role, "c = " + figure.c.text}, {figure.A.role, figure.A.text},
            {figure.B.role, figure.B.text},          {figure.C.role, figure.C.text}};
        for (int part = 0; part < 6; ++part) {
            const auto &[role, label] = parts[part];
            QCOMPARE(panel.looks.value(panel.texts.indexOf(QString::fromStdString(label))), Look(role, part < 3));
        }

        const QRectF slot(640.0 * i, 0, 640, picture.size.height());
        const int title = picture.drawing.texts.indexOf(QString::fromStdString(figure.title));
        QVERIFY2(title >= 0, qPrintable(picture.drawing.texts.join(" | ")));
        const QRectF titleBox = picture.drawing.textBoxes[title];
        const QRectF bounds = panel.Bounds();
        QVERIFY(slot.contains(titleBox));
        QVERIFY(slot.contains(bounds));
        QVERIFY(titleBox.bottom() < bounds.top());
    }
}

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
