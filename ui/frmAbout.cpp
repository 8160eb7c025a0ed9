#include "frmAbout.h"

#include "Credits.h"
#include "GetKeyValue.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QPushButton>

#include <exception>
#include <utility>
#include <string>

namespace {

// Where the system-information tool is registered.
const char *const gREGKEYSYSINFOLOC = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char *const gREGVALSYSINFOLOC = "MSINFO";
const char *const gREGKEYSYSINFO = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const gREGVALSYSINFO = "PATH";

constexpr FontSpec kTitleFont{"Arial", 12, true};
constexpr FontSpec kAuthorFont{"Arial", 9, true};

} // namespace

const WindowSpec &frmAbout::Window()
{
    static const WindowSpec window{"frmAbout", "Acerca de Sorvani ver. 1.3", 6960, 4455,
                                 Coordinates::RelativeToContainer};
    return window;
}

const std::vector<ControlSpec> &frmAbout::Table()
{
    // name, kind, container, text, left, top, width, height, tab, font, colour, align
    static const std::vector<ControlSpec> table{
        {"Label1", Kind::Label, nullptr, "Sorvani", 4080, 120, 1815, 375, 4, kTitleFont, qRgb(0, 0, 192), Align::Centre},
        {"Label9", Kind::Label, nullptr, "ver 1.3", 5760, 240, 615, 255, 12, kBold},
        {"Image1", Kind::Picture, nullptr, nullptr, 240, 480, 4485, 1905},
        {"Label4", Kind::Label, nullptr, "Programa para el cálculo y solución de triángulos", 3120, 600, 3495, 615, 7, kBold, std::nullopt, Align::Centre},
        {"lblDescription", Kind::Label, nullptr, "Este programa ha sido desarrollado con fines educativos solamente.", 3840, 1200, 2715, 570, 2, kDefaultFont, qRgb(0, 0, 0), Align::Centre},
        {"Label5", Kind::Label, nullptr, "Primavera, 2005", 5160, 1800, 1455, 375, 8, kDefaultFont, std::nullopt, Align::Right},
        {"Label6", Kind::Label, nullptr, Credits::kFacultyAndInitials, 120, 2400, 4335, 255, 9, kBold, std::nullopt, Align::Centre},
        {"Label7", Kind::Label, nullptr, Credits::kUniversityShort, 360, 2640, 2775, 255, 10, kDefaultFont, std::nullopt, Align::Centre},
        {"Label8", Kind::Label, nullptr, "desarrollado por:", 4920, 2520, 1335, 255, 11},
        {"Label3", Kind::Label, nullptr, Credits::kAuthor, 4440, 2760, 2175, 255, 6, kAuthorFont, qRgb(0, 0, 192)},
        {"Line1", Kind::Line, nullptr, nullptr, 120, 3120, 6840, 3120, -1, kDefaultFont, qRgb(128, 128, 128)},
        {"lblDisclaimer", Kind::Label, nullptr, "Nota:", 360, 3240, 990, 225, 3, kBold, qRgb(0, 0, 0)},
        {"Label2", Kind::Label, nullptr, "Este programa se utiliza como material de apoyo a las materias de Matemáticas, Introd. Agropecuaria y Topografía I en las carreras de Licenciatura al interior de la Morvane", 360, 3480, 3735, 855, 5},
        {"cmdOK", Kind::Button, nullptr, "OK", 4920, 3360, 1260, 345, 0},
        {"cmdSysInfo", Kind::Button, nullptr, "Info  &Sistema ", 4920, 3840, 1245, 345, 1},
    };
    return table;
}

frmAbout::frmAbout(WindowServices &services, platform::PlatformServices platform)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services_(services), platform_(std::move(platform)), controls_(BuildControls(this, Window(), Table())),
      cmdOK(controls_.Require<QPushButton>("cmdOK")), cmdSysInfo(controls_.Require<QPushButton>("cmdSysInfo"))
{
    SetAccessibleNames(controls_, {{"Image1", "Ejemplo de triángulo", ExamplePicture::kDescription}});
    setFixedSize(size());
    setWindowIcon(AboutIcon());

    // Enter presses OK, or the other button while it has the focus.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    services_.HideWindow(WindowId::Form1);
}

void frmAbout::cmdOK_Click()
{
    services_.DestroyWindow(WindowId::frmAbout);
    services_.ShowWindow(WindowId::Form1);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    // Every way the tool cannot be found or started, a failure while reading
    // the registry included, ends in the one message below.
    try {
        std::string SysInfoPath;
        // The registered path is started as it is, without an existence test.
        bool found = platform::GetKeyValue(*platform_.registry, platform::kHKeyLocalMachine, gREGKEYSYSINFO,
                                           gREGVALSYSINFO, SysInfoPath);
        if (!found
            && platform::GetKeyValue(*platform_.registry, platform::kHKeyLocalMachine, gREGKEYSYSINFOLOC,
                                     gREGVALSYSINFOLOC, SysInfoPath)) {
            SysInfoPath += "\\MSINFO32.EXE";
            found = platform_.fileExists(SysInfoPath);
        }
        if (found && platform_.startProgram(SysInfoPath))
            return;
    } catch (const std::exception &) {
    }
    services_.MessageBox(WindowId::frmAbout, QStringLiteral("System Information Is Unavailable At This Time"),
                         QString(), MessageIcon::None);
}

void frmAbout::reject()
{
    cmdOK_Click();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar acts as OK; when the program ends, just close.
    if (services_.Ending()) {
        event->accept();
        return;
    }
    event->ignore();
    cmdOK_Click();
}
