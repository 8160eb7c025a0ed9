// The practice window as a student uses it, offscreen, its settings in a
// temporary place, its answers worked out apart with the general solution.
// Which stores and choices read is the practice view's to test; here, that
// the window hands them over and tells what it is told.
#include "Look.h"
#include "Widgets.h"
#include "frmPracticar.h"
#include "solution_text.h"
#include "values.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestPracticar : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir;
    frmPracticar *window = nullptr;

    void Open(const QString &address = QString())
    {
        delete window;
        window = new frmPracticar(address);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    // A control by its accessible name, or by its text for buttons.
    template <typename T = QWidget> T *Named(const QString &name) const
    {
        for (T *w : window->findChildren<T *>()) {
            QString text = w->accessibleName();
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                text = button->text().remove(QLatin1Char('&'));
            if (text == name)
                return w;
        }
        qFatal("nothing named %s", qPrintable(name));
    }
    QString Status(const QString &name) const { return Named<QLabel>(name)->text(); }
    bool Shows(const QString &text) const
    {
        for (QLabel *label : window->findChildren<QLabel *>())
            if (label->isVisible() && label->text() == text)
                return true;
        return false;
    }
    void Press(const QString &name) { Named<QPushButton>(name)->click(); }
    // One key per character, as a person types, "°" and "′" too.
    void Type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, ch, Qt::NoModifier);
    }
    QList<TextBox *> ShownBoxes() const
    {
        QList<TextBox *> shown;
        for (TextBox *box : Named<QWidget>("Respuestas")->findChildren<TextBox *>())
            if (box->isVisible())
                shown << box;
        return shown;
    }
    // The problem as "Datos" gives it, read apart from the window.
    TriangleSolution Solution() const
    {
        TriangleData given{};
        for (const QString &datum : Status("Datos").split(";  ")) {
            const int part = QString("abcABC").indexOf(datum.section(" = ", 0, 0));
            const std::string value = datum.section(" = ", 1).toStdString();
            given[part] = part < 3 ? ReadNumber(value) : ReadAngle(value);
        }
        return SolveTriangle(given);
    }
    // The value a box asks for: triangle `order[0]` in the first set, `order[1]` in the second.
    static double Expected(const TriangleSolution &s, const QString &name, std::array<int, 2> order)
    {
        const SolvedTriangle &t = s.triangles[order[name.endsWith(" (2)")]];
        const QString part = name.section(' ', 1, 1);
        if (name.startsWith("Área"))
            return t.area;
        return name.startsWith("Lado") ? t.sides[QString("abc").indexOf(part)] : t.angles[QString("ABC").indexOf(part)];
    }
    // Answers every box of the problem shown right, and checks; `order` for two triangles.
    TriangleSolution AnswerRight(std::array<int, 2> order = {0, 1})
    {
        const TriangleSolution s = Solution();
        if (s.count < 2)
            order = {0, 0};
        if (Named<QGroupBox>("¿Cuántos triángulos?")->isVisible())
            // Checked as a screen reader's "Toggle" does, without a click.
            Named<QRadioButton>(QStringList{"Ninguno", "Uno", "Dos"}[s.count])->setChecked(true);
        for (TextBox *box : ShownBoxes())
            Type(box, QString::number(Expected(s, box->accessibleName(), order), 'f', 6));
        Press("Comprobar");
        return s;
    }

private slots:
    void initTestCase()
    {
        InstallLook(*qApp);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    void init() { QFile::remove(settingsDir.filePath("Sorvani/sorvani.conf")); }
    void cleanup()
    {
        delete window;
        window = nullptr;
    }

    void wholeSet();
    void marks_data();
    void marks();
    void keptWhenClosed();
    void unreadableStore_data();
    void unreadableStore();
    void unwritableStore();
    void choices_data();
    void choices();
};

// Every problem of a set of all five cases answered right, the second
// triangle's values in the first boxes; then the summary and its copy.
void TestPracticar::wholeSet()
{
    Open("semilla=2026&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2");
    int twos = 0;
    for (int k = 1; k <= 10; ++k) {
        QVERIFY(Shows(QString("Problema %1 de 10").arg(k)));
        const TriangleSolution s = AnswerRight({1, 0});
        twos += s.count == 2;
        QCOMPARE(ShownBoxes().size(), 4 * s.count);
        for (TextBox *box : ShownBoxes())
            QCOMPARE(box->accessibleDescription(), QString("Correcto"));
        QVERIFY2(Status("Corrección").startsWith("Todo correcto"), qPrintable(Status("Corrección")));
        Press("Siguiente");
    }
    QVERIFY(twos > 0);
    auto *table = Named<QTableWidget>("Resumen");
    QVERIFY(table->isVisible());
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->item(9, 2)->text(), QString("a la primera"));
    QCOMPARE(Status("Progreso"), QString("Racha: 10 · A la primera: 10 de 10"));
    Press("Copiar resumen");
    const QString copy = QGuiApplication::clipboard()->text();
    QVERIFY2(copy.contains("sorvani --practicar 'semilla=2026&casos=LLL,LAL,ALA,LAA,LLA&problemas=10&decimales=2'"),
             qPrintable(copy));
    QCOMPARE(copy.count("a la primera"), 11); // the rows and the totals
}

// One box answered each way, the others right: its mark beside it and as its
// description, the box tinted when wrong; typing anew takes the mark away.
void TestPracticar::marks_data()
{
    QTest::addColumn<QString>("answer"); // %1: the right value in decimal degrees
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("correction");
    QTest::newRow("degrees, minutes, seconds") << "dms" << "Correcto" << "Todo correcto: 4 de 4 correctas";
    QTest::newRow("wrong") << "%1 + 5" << "Incorrecto" << "3 de 4 correctas";
    QTest::newRow("unreadable") << "12,5x" << "No se puede leer" << "3 de 4 correctas";
    QTest::newRow("empty") << "" << "Sin respuesta" << "3 de 4 correctas";
}

void TestPracticar::marks()
{
    QFETCH(QString, answer);
    QFETCH(QString, mark);
    QFETCH(QString, correction);
    Open("semilla=3&casos=LLL&problemas=1&decimales=2");
    const TriangleSolution s = AnswerRight();
    TextBox *box = ShownBoxes().front();
    QCOMPARE(box->accessibleName(), QString("Ángulo A"));
    const double value = s.triangles[0].angles[0];
    const QString text = answer == "dms"            ? QString::fromStdString(DmsAngleText(value))
                         : answer.startsWith("%1") ? QString::number(value + 5, 'f', 2)
                                                   : answer;
    box->setText(text); // whole, as a screen reader or a paste sets it
    Press("Comprobar");
    QVERIFY2(box->accessibleDescription().startsWith(mark), qPrintable(box->accessibleDescription()));
    QVERIFY(Shows(box->accessibleDescription()));
    const bool invalid = mark == "Incorrecto" || mark == "No se puede leer";
    QCOMPARE(box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base), invalid);
    QCOMPARE(Status("Corrección"), correction);
    Type(box, "1");
    QCOMPARE(box->accessibleDescription(), QString());
}

// Answers, the count, marks, hints and the solution of a half-done problem
// are all there in a window opened after the first closed.
void TestPracticar::keptWhenClosed()
{
    Open("semilla=5&casos=LLA&problemas=3&decimales=1");
    Press("Siguiente");
    const TriangleSolution s = AnswerRight();
    QVERIFY(s.count > 0);
    QPushButton *hint = Named<QPushButton>("Pista");
    int hints = 0;
    for (; hint->isEnabled() && hints < 30; ++hints)
        hint->click();
    QVERIFY(hints >= 3 && !hint->isEnabled());
    QVERIFY(Named<QPlainTextEdit>("Pistas")->toPlainText().count('\n') >= hints);
    Press("Ver solución");
    QCOMPARE(Named<QPlainTextEdit>("Solución")->toPlainText(), QString::fromStdString(SolutionText(s, 1, false)));
    Type(ShownBoxes().front(), "7"); // the last thing done, kept too
    const auto seen = [this] {
        QStringList texts{Status("Datos"), Status("Corrección"), Status("Progreso"),
                          Named<QPlainTextEdit>("Pistas")->toPlainText(),
                          Named<QPlainTextEdit>("Solución")->toPlainText(),
                          QString::number(window->findChild<QButtonGroup *>()->checkedId())};
        for (TextBox *box : ShownBoxes())
            texts << box->accessibleName() << box->text() << box->accessibleDescription();
        return texts;
    };
    const QStringList before = seen();
    Open();
    QVERIFY(Shows("Problema 2 de 3"));
    QCOMPARE(seen(), before);
}

void TestPracticar::unreadableStore_data()
{
    QTest::addColumn<QVariant>("store");
    QTest::newRow("edited by hand") << QVariant("{\"formato\": \"sorvani-practica 1\", \"practicas\": 7}");
    QTest::newRow("a line with a comma") << QVariant(QStringList{"{\"formato\"", "x}"});
}

// Set aside with a message, and a practice that works and is kept.
void TestPracticar::unreadableStore()
{
    QFETCH(QVariant, store);
    QSettings(QStringLiteral("Sorvani"), QStringLiteral("sorvani")).setValue(frmPracticar::kStoreKey, store);
    Open();
    QVERIFY(Named<QLabel>("Mensaje")->isVisible());
    QVERIFY2(Status("Mensaje").contains("no se pudo leer"), qPrintable(Status("Mensaje")));
    QCoreApplication::processEvents(); // the window's settings written out
    QSettings settings(QStringLiteral("Sorvani"), QStringLiteral("sorvani"));
    const QString kept = store.typeId() == QMetaType::QStringList ? store.toStringList().join(',') : store.toString();
    QCOMPARE(settings.value(frmPracticar::kSetAsideKey).toString(), kept);
    AnswerRight();
    QVERIFY(Status("Corrección").startsWith("Todo correcto"));
    Open();
    QVERIFY(!Named<QLabel>("Mensaje")->isVisible());
}

// A settings file that cannot be written (a directory in its place, which
// stops root too) is told, not passed over.
void TestPracticar::unwritableStore()
{
    QVERIFY(QDir(settingsDir.path()).mkpath("Sorvani/sorvani.conf"));
    Open();
    QVERIFY(QDir(settingsDir.path()).rmdir("Sorvani/sorvani.conf"));
    QVERIFY2(Status("Mensaje").contains("no se puede guardar"), qPrintable(Status("Mensaje")));
}

// "Nueva práctica" and the address a link opens: a choice that does not read
// is named and the set goes on; a good one starts its set.
void TestPracticar::choices_data()
{
    QTest::addColumn<QString>("link");     // opened first
    QTest::addColumn<QStringList>("typed"); // cases, problems, decimals, seed; none: not pressed
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("heading");
    const QString set = "semilla=1&casos=LLL&problemas=2&decimales=2";
    QTest::newRow("new set") << set << QStringList{"LAA", " 3 ", "0", "42"} << "" << "Problema 1 de 3";
    QTest::newRow("no problems") << set << QStringList{"LAA", "0", "2", ""} << "Problemas" << "Problema 1 de 2";
    QTest::newRow("web link") << "https://example.org/practicar.html#semilla=42&casos=LAA&problemas=3&decimales=0"
                              << QStringList() << "" << "Problema 1 de 3";
    QTest::newRow("no address") << "hola" << QStringList() << "hola" << "Problema 1 de 10";
}

void TestPracticar::choices()
{
    QFETCH(QString, link);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, heading);
    Open(link);
    if (!typed.isEmpty()) {
        for (const char *kase : {"LLL", "LAL", "ALA", "LAA", "LLA"})
            Named<QCheckBox>(kase)->setChecked(false);
        QVERIFY(!Named<QPushButton>("Nueva práctica")->isEnabled());
        Named<QCheckBox>(typed[0])->setChecked(true);
        Type(Named<QLineEdit>("Problemas"), typed[1]);
        Type(Named<QLineEdit>("Decimales"), typed[2]);
        Type(Named<QLineEdit>("Semilla"), typed[3]);
        Press("Nueva práctica");
    }
    QCOMPARE(Named<QLabel>("Mensaje")->isVisible(), !message.isEmpty());
    QVERIFY2(Status("Mensaje").contains(message), qPrintable(Status("Mensaje")));
    QVERIFY(Shows(heading));
    if (heading.endsWith("de 3")) {
        QCOMPARE(Solution().kase, TriangleCase::LAA);
        QVERIFY(Shows("Semilla de esta práctica: 42"));
    }
}

QTEST_MAIN(TestPracticar)
#include "tst_practicar.moc"
