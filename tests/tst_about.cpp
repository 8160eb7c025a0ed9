// The About window: finding and starting the system-information tool over a
// registry, file test and program start of the test's own, its lifecycle
// between the main menu and itself, and its layout.

#include "CaptionFit.h"
#include "Credits.h"
#include "Form1.h"
#include "Look.h"
#include "MemoryRegistry.h"
#include "RecordingServices.h"
#include "Widgets.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using platform::MemoryRegistry;
using Setup = std::function<void(MemoryRegistry &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
const char *const kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kTool = QStringLiteral("C:\\WINDOWS\\system32\\msinfo32.exe");
const QString kFolder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
const QString kFolderTool = kFolder + QStringLiteral("\\MSINFO32.EXE");

std::string Bytes(const QString &text)
{
    return text.toStdString();
}

// A registry, a file test and a program start that record what is asked of them.
struct FakePlatform {
    MemoryRegistry registry;
    QStringList existing;  // files the file test finds
    bool startFails = false;
    QStringList fileTests; // every path tested, in order
    QStringList started;   // every start asked for, in order

    platform::PlatformServices Services()
    {
        return {&registry,
                [this](const std::string &path) {
                    fileTests << QString::fromStdString(path);
                    return existing.contains(QString::fromStdString(path));
                },
                [this](const std::string &path) {
                    started << QString::fromStdString(path);
                    return !path.empty() && !startFails;
                }};
    }
};

// The program's services with the About window made over a fake platform.
struct Session {
    FakePlatform fake; // outlives the windows made over it
    RecordingServices services;

    Session()
    {
        services.SetFactory(WindowId::frmAbout, [this](WindowServices &s) {
            return std::make_unique<frmAbout>(s, fake.Services());
        });
        services.ShowWindow(WindowId::Form1);
    }
    ~Session() { RecordingServices::Settle(); }

    frmAbout *About() const { return qobject_cast<frmAbout *>(services.Window(WindowId::frmAbout)); }

    // "Acerca de..." in the main menu.
    frmAbout *OpenAbout()
    {
        QTest::mouseClick(services.Window(WindowId::Form1)->findChild<QPushButton *>("Command4"), Qt::LeftButton);
        return About();
    }
};

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}

QString Opened(const MemoryRegistry &registry)
{
    QStringList keys;
    for (const std::string &key : registry.OpenRequests())
        keys << QString::fromStdString(key);
    return keys.join(" | ");
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startSysInfo_data();
    void startSysInfo();
    void unavailableMessage();
    void startsAgainEachTime();
    void onlyAboutVisibleAfterOpening();
    void leaving_data();
    void leaving();
    void accessKey();
    void layout_data();
    void layout();
    void window();
    void noClippedCaption();
    void endingTheProgramClosesIt();
};

void TestAbout::initTestCase()
{
    InstallLook(*qApp);
}

void TestAbout::startSysInfo_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QStringList>("fileTests");
    QTest::addColumn<QString>("opened"); // keys the lookups opened, in order
    QTest::addColumn<bool>("message");

    const QString both = QStringLiteral("%1 | %2").arg(kPathKey, kFolderKey);
    const auto path = [](MemoryRegistry &r) { r.SetString(platform::kHKeyLocalMachine, kPathKey, "PATH", Bytes(kTool)); };
    const auto folder = [](MemoryRegistry &r) {
        r.SetString(platform::kHKeyLocalMachine, kFolderKey, "MSINFO", Bytes(kFolder));
    };

    QTest::newRow("path registered: started without existence test or second key")
        << Setup([=](MemoryRegistry &r) { path(r); folder(r); }) << QStringList() << false
        << QStringList{kTool} << QStringList() << QString(kPathKey) << false;
    QTest::newRow("path without terminating character")
        << Setup([](MemoryRegistry &r) {
               r.SetString(platform::kHKeyLocalMachine, kPathKey, "PATH", Bytes(kTool), false);
           })
        << QStringList() << false << QStringList{kTool} << QStringList() << QString(kPathKey) << false;
    QTest::newRow("path absent, folder holds the tool")
        << Setup(folder) << QStringList{kFolderTool} << false << QStringList{kFolderTool}
        << QStringList{kFolderTool} << both << false;
    QTest::newRow("path key without its value, folder holds the tool")
        << Setup([=](MemoryRegistry &r) {
               r.SetString(platform::kHKeyLocalMachine, kPathKey, "Other", "x");
               folder(r);
           })
        << QStringList{kFolderTool} << false << QStringList{kFolderTool} << QStringList{kFolderTool} << both
        << false;
    QTest::newRow("path absent, folder without the tool")
        << Setup(folder) << QStringList{kFolder + "\\OTHER.EXE"} << false << QStringList()
        << QStringList{kFolderTool} << both << true;
    QTest::newRow("neither value") << Setup([](MemoryRegistry &) {}) << QStringList() << false << QStringList()
                                   << QStringList() << both << true;
    QTest::newRow("keys that cannot be opened")
        << Setup([=](MemoryRegistry &r) {
               path(r);
               folder(r);
               r.RefuseRights(platform::kHKeyLocalMachine, kPathKey, platform::kKeyRead);
               r.RefuseRights(platform::kHKeyLocalMachine, kFolderKey, platform::kKeyRead);
           })
        << QStringList{kFolderTool} << false << QStringList() << QStringList() << both << true;
    // An ordinary user gets no write rights on HKEY_LOCAL_MACHINE.
    QTest::newRow("keys refusing write rights")
        << Setup([=](MemoryRegistry &r) {
               path(r);
               r.RefuseRights(platform::kHKeyLocalMachine, kPathKey,
                              platform::kKeySetValue | platform::kKeyCreateSubKey | platform::kKeyCreateLink);
           })
        << QStringList() << false << QStringList{kTool} << QStringList() << QString(kPathKey) << false;
    QTest::newRow("path over 1024 bytes, folder holds the tool")
        << Setup([=](MemoryRegistry &r) {
               r.SetString(platform::kHKeyLocalMachine, kPathKey, "PATH", std::string(1100, 'x'));
               folder(r);
           })
        << QStringList{kFolderTool} << false << QStringList{kFolderTool} << QStringList{kFolderTool} << both
        << false;
    QTest::newRow("path of size 0: second lookup not tried")
        << Setup([=](MemoryRegistry &r) {
               r.SetValue(platform::kHKeyLocalMachine, kPathKey, "PATH", platform::kRegSz, {});
               folder(r);
           })
        << QStringList{kFolderTool} << false << QStringList() << QStringList() << QString(kPathKey) << true;
    QTest::newRow("folder of size 0")
        << Setup([](MemoryRegistry &r) {
               r.SetValue(platform::kHKeyLocalMachine, kFolderKey, "MSINFO", platform::kRegSz, {});
           })
        << QStringList{"\\MSINFO32.EXE"} << false << QStringList() << QStringList() << both << true;
    QTest::newRow("path that fails to start")
        << Setup(path) << QStringList() << true << QStringList{kTool} << QStringList() << QString(kPathKey) << true;
    QTest::newRow("folder tool that fails to start")
        << Setup(folder) << QStringList{kFolderTool} << true << QStringList{kFolderTool} << QStringList{kFolderTool}
        << both << true;
    QTest::newRow("path of another type: the empty path fails to start")
        << Setup([](MemoryRegistry &r) {
               r.SetValue(platform::kHKeyLocalMachine, kPathKey, "PATH", platform::kRegBinary, {1, 2});
           })
        << QStringList() << false << QStringList{QString()} << QStringList() << QString(kPathKey) << true;
    QTest::newRow("folder of another type: the tool's name alone is tested")
        << Setup([](MemoryRegistry &r) {
               r.SetValue(platform::kHKeyLocalMachine, kFolderKey, "MSINFO", platform::kRegBinary, {1, 2});
           })
        << QStringList() << false << QStringList() << QStringList{"\\MSINFO32.EXE"} << both << true;
    QTest::newRow("path as a number is started as its text")
        << Setup([](MemoryRegistry &r) { r.SetDword(platform::kHKeyLocalMachine, kPathKey, "PATH", 261); })
        << QStringList() << false << QStringList{"&h000105"} << QStringList() << QString(kPathKey) << false;
}

void TestAbout::startSysInfo()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, existing);
    QFETCH(bool, startFails);
    QFETCH(QStringList, started);
    QFETCH(QStringList, fileTests);
    QFETCH(QString, opened);
    QFETCH(bool, message);

    Session session;
    setup(session.fake.registry);
    session.fake.existing = existing;
    session.fake.startFails = startFails;
    frmAbout *about = session.OpenAbout();
    QVERIFY(about);

    QTest::mouseClick(about->findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(session.fake.started, started);
    QCOMPARE(session.fake.fileTests, fileTests);
    QCOMPARE(Opened(session.fake.registry), opened);
    QCOMPARE(session.services.messages.size(), message ? 1 : 0);
    QCOMPARE(session.fake.registry.OpenHandles(), 0);
    // The window stays as it was either way.
    QCOMPARE(VisibleWindows(), QStringList{"frmAbout"});
    QCOMPARE(session.About(), about);
}

void TestAbout::unavailableMessage()
{
    Session session;
    frmAbout *about = session.OpenAbout();
    QTest::mouseClick(about->findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(session.services.messages.size(), 1);
    const RecordedMessage &shown = session.services.messages.front();
    QCOMPARE(shown.owner, WindowId::frmAbout);
    QCOMPARE(shown.prompt, kUnavailable);
    QCOMPARE(shown.title, QString());
    QCOMPARE(shown.icon, MessageIcon::None);
}

void TestAbout::startsAgainEachTime()
{
    Session session;
    session.fake.registry.SetString(platform::kHKeyLocalMachine, kPathKey, "PATH", Bytes(kTool));
    frmAbout *about = session.OpenAbout();
    auto *button = about->findChild<QPushButton *>("cmdSysInfo");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(session.fake.started, (QStringList{kTool, kTool, kTool}));
    QVERIFY(session.services.messages.isEmpty());
    QCOMPARE(VisibleWindows(), QStringList{"frmAbout"});
}

void TestAbout::onlyAboutVisibleAfterOpening()
{
    Session session;
    QCOMPARE(VisibleWindows(), QStringList{"Form1"});
    QVERIFY(session.OpenAbout());
    QCOMPARE(VisibleWindows(), QStringList{"frmAbout"});
    QVERIFY(session.services.messages.isEmpty());
}

void TestAbout::leaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Enter on the window") << "Enter on the window";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("title-bar close") << "close";
}

void TestAbout::leaving()
{
    QFETCH(QString, how);
    Session session;

    for (int round = 0; round < 2; ++round) {
        QPointer<frmAbout> about = session.OpenAbout();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(VisibleWindows(), QStringList{"frmAbout"});
        QCOMPARE(about->focusWidget(), about->findChild<QPushButton *>("cmdOK"));

        if (how == "OK")
            QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        else if (how == "Enter")
            QTest::keyClick(about->focusWidget(), Qt::Key_Return);
        else if (how == "Enter on the window")
            QTest::keyClick(about, Qt::Key_Enter);
        else if (how == "Esc")
            QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
        else
            about->close();

        QCOMPARE(VisibleWindows(), QStringList{"Form1"});
        QVERIFY(!session.services.Window(WindowId::frmAbout));
        RecordingServices::Settle();
        QVERIFY2(about.isNull(), "the window is destroyed, not hidden");
        QVERIFY(session.services.messages.isEmpty());
        QVERIFY(session.fake.started.isEmpty());
    }
}

void TestAbout::accessKey()
{
    Session session;
    session.fake.registry.SetString(platform::kHKeyLocalMachine, kPathKey, "PATH", Bytes(kTool));
    frmAbout *about = session.OpenAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
    // An access key presses the button as a short animated click.
    QTRY_COMPARE(session.fake.started, QStringList{kTool});
    QCOMPARE(VisibleWindows(), QStringList{"frmAbout"});
}

void TestAbout::layout_data()
{
    // As the window's design gives them, in twips.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour"); // invalid: the default
    QTest::addColumn<int>("align");     // horizontal alignment of labels

    const QString ms = QStringLiteral("MS Sans Serif");
    const QColor none;
    const QColor blue(0, 0, 192);
    const QColor black(0, 0, 0);
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const auto row = [](const char *name) -> QTestData & { return QTest::newRow(name) << QString::fromLatin1(name); };

    row("Label1") << "Sorvani" << QRect(4080, 120, 1815, 375) << "Arial" << 12.0 << true << blue << centre;
    row("Label9") << "ver 1.3" << QRect(5760, 240, 615, 255) << ms << 8.25 << true << none << left;
    row("Label4") << "Programa para el cálculo y solución de triángulos" << QRect(3120, 600, 3495, 615) << ms
                  << 8.25 << true << none << centre;
    row("lblDescription") << "Este programa ha sido desarrollado con fines educativos solamente."
                          << QRect(3840, 1200, 2715, 570) << ms << 8.25 << false << black << centre;
    row("Label5") << "Primavera, 2005" << QRect(5160, 1800, 1455, 375) << ms << 8.25 << false << none << right;
    row("Label6") << Credits::kFacultyAndInitials << QRect(120, 2400, 4335, 255) << ms << 8.25 << true << none
                  << centre;
    row("Label7") << Credits::kUniversityShort << QRect(360, 2640, 2775, 255) << ms << 8.25 << false << none
                  << centre;
    row("Label8") << "desarrollado por:" << QRect(4920, 2520, 1335, 255) << ms << 8.25 << false << none << left;
    row("Label3") << Credits::kAuthor << QRect(4440, 2760, 2175, 255) << "Arial" << 9.0 << true << blue << left;
    row("lblDisclaimer") << "Nota:" << QRect(360, 3240, 990, 225) << ms << 8.25 << true << black << left;
    row("Label2") << "Este programa se utiliza como material de apoyo a las materias de Matemáticas, Introd. "
                     "Agropecuaria y Topografía I en las carreras de Licenciatura al interior de la Morvane"
                  << QRect(360, 3480, 3735, 855) << ms << 8.25 << false << none << left;
    row("cmdOK") << "OK" << QRect(4920, 3360, 1260, 345) << ms << 8.25 << false << none << -1;
    row("cmdSysInfo") << "Info  &Sistema " << QRect(4920, 3840, 1245, 345) << ms << 8.25 << false << none << -1;
    row("Image1") << "" << QRect(240, 480, 4485, 1905) << ms << 8.25 << false << none << -1;
}

void TestAbout::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(int, align);

    RecordingServices services;
    frmAbout about(services);
    QWidget *control = about.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget(), &about);
    QCOMPARE(control->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);

    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), align);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 colour.isValid() ? colour : QApplication::palette().color(QPalette::WindowText));
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
    } else {
        QVERIFY(qobject_cast<ExamplePicture *>(control));
        QCOMPARE(control->size(), QSize(299, 127));
    }
}

void TestAbout::window()
{
    RecordingServices services;
    frmAbout about(services);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Sorvani ver. 1.3"));
    QCOMPARE(about.size(), QSize(464, 297));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(about.windowIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));

    auto *line = about.findChild<LineWidget *>("Line1");
    QVERIFY(line);
    QCOMPARE(line->From(), QPoint(120 / 15, 3120 / 15));
    QCOMPARE(line->To(), QPoint(6840 / 15, 3120 / 15));
    QCOMPARE(line->Colour(), QColor(128, 128, 128));

    auto *ok = about.findChild<QPushButton *>("cmdOK");
    auto *sysInfo = about.findChild<QPushButton *>("cmdSysInfo");
    QVERIFY(ok->isDefault());
    QCOMPARE(sysInfo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    // OK first, then Info Sistema; nothing else takes the focus.
    QStringList focusable;
    for (QWidget *w : about.findChildren<QWidget *>()) {
        if (w->focusPolicy() != Qt::NoFocus)
            focusable << w->objectName();
    }
    focusable.sort();
    QCOMPARE(focusable, (QStringList{"cmdOK", "cmdSysInfo"}));
    QCOMPARE(ok->nextInFocusChain(), sysInfo);
}

void TestAbout::noClippedCaption()
{
    RecordingServices services;
    frmAbout about(services);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QStringList clipped = ClippedCaptions(&about);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

void TestAbout::endingTheProgramClosesIt()
{
    Session session;
    QVERIFY(session.OpenAbout());
    session.services.EndProgram();
    QVERIFY(session.services.ended);
    QVERIFY(VisibleWindows().isEmpty());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
