// The window for any triangle as a student uses it, offscreen: three parts
// typed, the other boxes read; both triangles of the ambiguous case; typed
// values never lost, unreadable ones named; the copied text and the printed
// page.
#include "GeneralCases.h"
#include "Look.h"
#include "Widgets.h"
#include "frmResolver.h"
#include "solution_text.h"
#include "values.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Typed = QList<QPair<QString, QString>>; // box, text

Q_DECLARE_METATYPE(const general_cases::Row *)

namespace {

const char *const kParts[] = {"Lado a", "Lado b", "Lado c", "Ángulo A", "Ángulo B", "Ángulo C"};

} // namespace

class TestResolver : public QObject {
    Q_OBJECT

private:
    frmResolver *window = nullptr;

    QLineEdit *Box(const QString &name) const
    {
        for (QLineEdit *box : window->findChildren<QLineEdit *>())
            if (box->accessibleName() == name)
                return box;
        qFatal("no box named %s", qPrintable(name));
    }
    QString Text(const QString &name) const { return Box(name)->text(); }
    QString Status() const { return window->findChild<StatusLine *>()->text(); }
    template <typename T> T *Named(const QString &text) const
    {
        for (T *w : window->findChildren<T *>())
            if (w->text().remove(QLatin1Char('&')) == text)
                return w;
        qFatal("nothing named %s", qPrintable(text));
    }

    // As a person types: into the box, replacing what it holds; an empty
    // text erases it.
    void Type(const QString &name, const QString &text)
    {
        QLineEdit *box = Box(name);
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        // One key per character, also for "°" and "′", which keyClicks refuses.
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, ch, Qt::NoModifier);
    }
    void Type(const Typed &typed)
    {
        for (const auto &[name, text] : typed)
            Type(name, text);
    }

private slots:
    void initTestCase() { InstallLook(*qApp); }
    void init()
    {
        window = new frmResolver;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void solves_data();
    void solves();
    void boxStates();
    void copiesAndExports();
};

// Each of the general solution's rows typed into the window, part by part:
// the status, and every other box against the triangle worked out apart,
// both triangles of the ambiguous case through "Solución 1" and "Solución 2".
void TestResolver::solves_data()
{
    QTest::addColumn<const general_cases::Row *>("row");
    for (const general_cases::Row &row : general_cases::kRows)
        if (general_cases::Given(row) == 3)
            QTest::newRow(row.name) << &row;
}

void TestResolver::solves()
{
    QFETCH(const general_cases::Row *, row);
    for (int i = 0; i < 6; ++i)
        if (row->typed[i])
            Type(kParts[i], QString::fromUtf8(row->typed[i]));
    if (row->count == 0) {
        QVERIFY2(Status().startsWith(QString::fromUtf8(row->reason)), qPrintable(Status()));
        // Three angles: a side is needed, and there is no room for it yet.
        QCOMPARE(Status().contains("Vacíe primero uno de los ángulos"), QString(row->kase) == "AAA");
        for (int i = 0; i < 6; ++i)
            QVERIFY2(row->typed[i] || (Box(kParts[i])->isReadOnly() && Text(kParts[i]).isEmpty()), kParts[i]);
        QVERIFY(window->findChild<SvgPicture *>()->Empty());
        return;
    }
    QCOMPARE(Status(), QString("%1: %2").arg(row->kase, row->count == 2 ? "dos soluciones" : "una solución"));
    // Every digit that fits: ten decimals, angles in decimal degrees.
    window->findChild<QSpinBox *>()->setValue(10);
    Named<QRadioButton>("grados decimales")->click();
    QRadioButton *second = Named<QRadioButton>("Solución 2");
    QCOMPARE(second->isVisible(), row->count == 2);
    QString figure, steps;
    QImage drawn;
    for (int index = 0; index < row->count; ++index) {
        if (index == 1) {
            // By keyboard, as a student without a mouse switches.
            QRadioButton *first = Named<QRadioButton>("Solución 1");
            first->setFocus(Qt::TabFocusReason);
            QTest::keyClick(first, Qt::Key_Right);
            QVERIFY(second->isChecked());
            QVERIFY(window->findChild<SvgPicture *>()->accessibleDescription() != figure);
            QVERIFY(window->findChild<SvgPicture *>()->grab().toImage() != drawn);
            QVERIFY(window->findChild<QPlainTextEdit *>()->toPlainText() != steps);
        }
        const general_cases::Triangle &t = row->triangles[index];
        const auto near = [](const QString &text, double x) {
            const std::optional<double> value = ReadNumber(QString(text).remove(u'°').toStdString());
            return value && qAbs(*value - x) <= 1e-9 * qMax(1.0, qAbs(x));
        };
        for (int i = 0; i < 6; ++i) {
            const QString text = Text(kParts[i]);
            QVERIFY2(row->typed[i] ? text == QString::fromUtf8(row->typed[i]) : near(text, t.parts[i]),
                     qPrintable(kParts[i] + (" = " + text)));
        }
        QVERIFY2(near(Text("Área"), t.area), qPrintable(Text("Área")));
        QCOMPARE(Text("Tipo"), QString::fromUtf8(t.type));
        for (const char *name : {"Perímetro", "Semiperímetro", "Altura sobre a", "Mediana de b", "Bisectriz de C",
                                 "Radio inscrito", "Radio circunscrito"})
            QVERIFY2(ReadNumber(Text(name).toStdString()), name);
        figure = window->findChild<SvgPicture *>()->accessibleDescription();
        drawn = window->findChild<SvgPicture *>()->grab().toImage();
        steps = window->findChild<QPlainTextEdit *>()->toPlainText();
        QVERIFY(figure.startsWith(QString("Triángulo %1: a = ").arg(QString::fromUtf8(t.type))));
        QVERIFY(!steps.isEmpty());
    }
}

// With three data a fourth box takes no typing; emptying a datum frees the
// others and keeps every typed value. An unreadable value is marked and
// named, and nothing is solved until it reads.
void TestResolver::boxStates()
{
    Type({{"Lado a", "3"}, {"Lado b", "4"}, {"Lado c", "5"}});
    const QString angleC = Text("Ángulo C");
    Box("Ángulo C")->setFocus();
    QTest::keyClicks(Box("Ángulo C"), "45");
    QCOMPARE(Text("Ángulo C"), angleC);

    Type("Lado b", "");
    QCOMPARE(Text("Lado a") + Text("Lado c"), QString("35"));
    for (const char *name : {"Lado b", "Ángulo A", "Ángulo B", "Ángulo C"})
        QVERIFY2(!Box(name)->isReadOnly() && Text(name).isEmpty(), name);
    QVERIFY(Text("Área").isEmpty());
    Type("Ángulo C", "90");
    QVERIFY(Box("Lado b")->isReadOnly());
    QCOMPARE(Text("Lado b"), QString("4"));

    Type("Lado a", "12cm");
    QVERIFY2(Status().contains("el lado a"), qPrintable(Status()));
    QVERIFY(!Box("Lado a")->accessibleDescription().isEmpty());
    QVERIFY(Text("Área").isEmpty());
    QVERIFY(!Named<QPushButton>("Copiar")->isEnabled());
    Type({{"Lado c", "5.."}, {"Ángulo C", "90°x"}});
    QCOMPARE(Status(), QString("No se puede leer el lado a, el lado c y el ángulo C."));
    Type({{"Lado c", "5"}, {"Ángulo C", "90"}});
    Type("Lado a", "3");
    QVERIFY2(!Status().contains("el lado a"), qPrintable(Status()));
    QVERIFY(Box("Lado a")->accessibleDescription().isEmpty());
    QCOMPARE(Text("Área"), QString("6"));
}

// Ctrl+C copies what sorvani-calc prints, unless a box has a selection; the
// page as pdftotext reads it back: title, data, results, working. (Qt Svg
// draws the figure's labels as outlines, which hold no text.)
void TestResolver::copiesAndExports()
{
    Type({{"Lado a", "3"}, {"Lado b", "4"}, {"Ángulo C", "90"}});
    QClipboard *clipboard = QGuiApplication::clipboard();
    QLineEdit *area = Box("Área");
    area->setFocus();
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
    TriangleData given{};
    given[0] = 3, given[1] = 4, given[5] = 90;
    QCOMPARE(clipboard->text(), QString::fromStdString(SolutionText(SolveTriangle(given), 4, false)));
    area->selectAll();
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString("6"));

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("pagina.pdf");
    QVERIFY(window->ExportPdf(pdf));
    QProcess process;
    process.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString page = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(page.count(QLatin1Char('\f')), 1); // one page
    for (const QString &text : {QString("Sorvani: resolver cualquier triángulo"), QString("Lado c = 5"),
                                QString("Área = 6"), QString("rectángulo escaleno"), QString("Pasos"),
                                window->findChild<QPlainTextEdit *>()->toPlainText().section('\n', 0, 0).simplified()})
        QVERIFY2(page.contains(text), qPrintable(text + "\n---\n" + page));
}

QTEST_MAIN(TestResolver)
#include "tst_resolver.moc"
