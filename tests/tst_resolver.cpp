// The window for any triangle as a student uses it, offscreen: three parts
// typed, the other boxes read; both triangles of the ambiguous case; typed
// values never lost; the copied text and the printed page.
#include "Look.h"
#include "Widgets.h"
#include "frmResolver.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Typed = QList<QPair<QString, QString>>; // box, text

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

    void threeDataLockTheOthers();
    void unreadableValue_data();
    void unreadableValue();
    void threeAngles();
    void copiesTheSolution();
    void exportsPdf();
};

// A fourth box cannot be typed into; emptying a datum frees the others and
// keeps every typed value.
void TestResolver::threeDataLockTheOthers()
{
    Type({{"Lado a", "3"}, {"Lado b", "4"}});
    QLineEdit *c = Box("Lado c");
    QVERIFY(!c->isReadOnly());
    QVERIFY(!Box("Ángulo A")->isReadOnly());
    Type("Lado c", "5");
    for (const char *name : {"Ángulo A", "Ángulo B", "Ángulo C"}) {
        QLineEdit *box = Box(name);
        QVERIFY2(box->isReadOnly(), name);
        QVERIFY(QAccessible::queryAccessibleInterface(box)->state().readOnly);
        QVERIFY2(!box->text().isEmpty(), name);
    }
    const QString angleC = Text("Ángulo C");
    Box("Ángulo C")->setFocus();
    QTest::keyClicks(Box("Ángulo C"), "45");
    QCOMPARE(Text("Ángulo C"), angleC);
    QVERIFY(!QAccessible::queryAccessibleInterface(c)->state().readOnly);

    Type("Lado b", "");
    QCOMPARE(Text("Lado a"), QString("3"));
    QCOMPARE(Text("Lado c"), QString("5"));
    for (const char *name : {"Lado b", "Ángulo A", "Ángulo B", "Ángulo C", "Área", "Tipo"})
        QVERIFY2(Text(name).isEmpty(), name);
    for (const char *name : {"Lado b", "Ángulo A", "Ángulo B", "Ángulo C"})
        QVERIFY2(!Box(name)->isReadOnly(), name);
    Type("Ángulo C", "90");
    QVERIFY(Box("Lado b")->isReadOnly());
    QCOMPARE(Text("Lado b"), QString("4"));

    QTest::mouseClick(Named<QPushButton>("Borrar"), Qt::LeftButton);
    for (const char *name : {"Lado a", "Lado b", "Lado c", "Ángulo A", "Ángulo B", "Ángulo C"}) {
        QVERIFY2(Text(name).isEmpty(), name);
        QVERIFY2(!Box(name)->isReadOnly(), name);
    }
    QVERIFY(Text("Área").isEmpty());
}

// An unreadable value is marked and named; nothing is solved until it reads.
void TestResolver::unreadableValue_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("side with a unit") << Typed{{"Lado a", "12cm"}, {"Lado b", "4"}, {"Lado c", "5"}}
                                      << "Lado a" << "el lado a" << "3";
    QTest::newRow("two decimal marks") << Typed{{"Lado a", "3"}, {"Lado b", "4"}, {"Lado c", "5..0"}}
                                       << "Lado c" << "el lado c" << "5,0";
    QTest::newRow("sixty minutes") << Typed{{"Lado a", "3"}, {"Lado b", "4"}, {"Ángulo C", "89°60′"}}
                                   << "Ángulo C" << "el ángulo C" << "90:0:0";
    QTest::newRow("fewer than three") << Typed{{"Ángulo B", "4x"}} << "Ángulo B" << "el ángulo B" << "45 30";
}

void TestResolver::unreadableValue()
{
    QFETCH(Typed, typed);
    QFETCH(QString, box);
    QFETCH(QString, named);
    QFETCH(QString, fixed);
    Type(typed);
    QVERIFY2(Status().contains(named), qPrintable(Status()));
    QVERIFY(!Box(box)->accessibleDescription().isEmpty());
    QVERIFY(Text("Área").isEmpty());
    QVERIFY(!Named<QPushButton>("Copiar")->isEnabled());
    Type(box, fixed);
    QVERIFY2(!Status().contains(named), qPrintable(Status()));
    QVERIFY(Box(box)->accessibleDescription().isEmpty());
    QCOMPARE(Text("Área").isEmpty(), typed.size() < 3);
}

void TestResolver::threeAngles()
{
    Type({{"Ángulo A", "60"}, {"Ángulo B", "60"}, {"Ángulo C", "60"}});
    QVERIFY2(Status().contains("lado") && Status().contains("vacíe"), qPrintable(Status()));
    for (const char *name : {"Lado a", "Lado b", "Lado c"}) {
        QVERIFY2(Box(name)->isReadOnly(), name);
        QVERIFY2(Text(name).isEmpty(), name);
    }
    Type("Ángulo C", "");
    Type("Lado c", "2");
    QCOMPARE(Text("Lado a"), QString("2"));
    QCOMPARE(Text("Tipo"), QString("acutángulo equilátero"));
}

// Ctrl+C copies what sorvani-calc prints, unless a box has a selection.
void TestResolver::copiesTheSolution()
{
    Type({{"Lado a", "3"}, {"Lado b", "4"}, {"Lado c", "5"}});
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QLineEdit *area = Box("Área");
    area->setFocus();
    area->deselect();
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(clipboard->text().startsWith("LLL"));
    QCOMPARE(clipboard->text(), window->SolutionCopy());
    area->selectAll();
    QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString("6"));
}

// The page as pdftotext reads it back: title, figure labels, results, working.
void TestResolver::exportsPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Type({{"Lado a", "3"}, {"Lado b", "4"}, {"Ángulo C", "90"}});
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
