#include "Form3.h"

#include "Credits.h"
#include "numeric.h"
#include "two_sides_angle.h"

#include <QPushButton>

const WindowSpec &Form3::Window()
{
    static const WindowSpec window{"Form3", "Conociendo dos lados y el ángulo que forman", 9495, 6420,
                                 Coordinates::RelativeToContainer};
    return window;
}

const std::vector<ControlSpec> &Form3::Table()
{
    constexpr QRgb kNavy = qRgb(0, 0, 128);
    constexpr QRgb kBrown = qRgb(128, 64, 0);
    constexpr FontSpec kPlain = kDefaultFont;
    constexpr auto kNoColour = std::nullopt;
    constexpr Align kCentre = Align::Centre;
    // name, kind, container, text, left, top, width, height, tab, font, colour, align
    // Lines: left, top, width, height hold x1, y1, x2, y2.
    static const std::vector<ControlSpec> table{
        {"Frame1", Kind::Frame, nullptr, "Ejemplo de triángulo a solucionar", 360, 360, 4215, 3015},
        {"Frame2", Kind::Frame, nullptr, "Entrada de datos", 4800, 360, 4215, 2775, -1, kBold, kNavy},
        {"Frame3", Kind::Frame, nullptr, "Resultados", 4800, 3240, 4215, 2775, -1, kBold, kBrown},
        {"Command1", Kind::Button, nullptr, "Calcular", 2880, 3720, 1455, 375, 14, kBold},
        {"Command2", Kind::Button, nullptr, "Borrar", 2880, 4320, 1455, 375, 15},
        {"Command3", Kind::Button, nullptr, "Regresar", 2880, 4920, 1455, 375, 16},
        {"Label27", Kind::Label, nullptr, Credits::kAuthorAndYear, 360, 5760, 3135, 375, -1, kPlain, kNoColour, kCentre},
        {"Shape1", Kind::Rectangle, nullptr, nullptr, 240, 5640, 3375, 615},

        {"Label8", Kind::Label, "Frame2", "grados", 1560, 360, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label9", Kind::Label, "Frame2", "minutos", 2520, 360, 615, 255, -1, kPlain, kNoColour, kCentre},
        {"Label10", Kind::Label, "Frame2", "segundos", 3360, 360, 735, 255},
        {"Label7", Kind::Label, "Frame2", "Valor ángulo B =", 240, 720, 1335, 255},
        {"Text1", Kind::TextBox, "Frame2", "0", 1680, 720, 615, 285, 0},
        {"Text2", Kind::TextBox, "Frame2", "0", 2520, 720, 615, 285, 1},
        {"Text3", Kind::TextBox, "Frame2", "0.00", 3360, 720, 615, 285, 2},
        {"Label11", Kind::Label, "Frame2", "Valor del lado a =", 240, 1320, 1335, 255},
        {"Text4", Kind::TextBox, "Frame2", "0.00", 1680, 1320, 1095, 285, 3},
        {"Label13", Kind::Label, "Frame2", "m", 2880, 1440, 375, 255, -1, kPlain, kNoColour, kCentre},
        {"Label12", Kind::Label, "Frame2", "Valor del lado c =", 240, 1800, 1575, 255},
        {"Text5", Kind::TextBox, "Frame2", "0.00", 1680, 1800, 1095, 285, 4},
        {"Label14", Kind::Label, "Frame2", "m", 2880, 1800, 375, 255, -1, kPlain, kNoColour, kCentre},

        {"Label16", Kind::Label, "Frame3", "grados", 1560, 240, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label17", Kind::Label, "Frame3", "minutos", 2400, 240, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label18", Kind::Label, "Frame3", "segundos", 3240, 240, 735, 375, -1, kPlain, kNoColour, kCentre},
        {"Label15", Kind::Label, "Frame3", "ángulo A =", 360, 480, 1095, 255, -1, kBold},
        {"Text6", Kind::TextBox, "Frame3", "0", 1560, 480, 735, 285, 5},
        {"Text7", Kind::TextBox, "Frame3", "0", 2400, 480, 735, 285, 6},
        {"Text8", Kind::TextBox, "Frame3", "0.00", 3240, 480, 735, 285, 7},
        {"Label19", Kind::Label, "Frame3", "ángulo C =", 360, 840, 1095, 255, -1, kBold},
        {"Text9", Kind::TextBox, "Frame3", "0", 1560, 840, 735, 285, 8},
        {"Text10", Kind::TextBox, "Frame3", "0", 2400, 840, 735, 285, 9},
        {"Text11", Kind::TextBox, "Frame3", "0.00", 3240, 840, 735, 285, 10},
        {"Label20", Kind::Label, "Frame3", "Valor del lado b =", 120, 1320, 1575, 255, -1, kBold},
        {"Text12", Kind::TextBox, "Frame3", "0.00", 1800, 1320, 1095, 285, 11},
        {"Label21", Kind::Label, "Frame3", "m", 3000, 1320, 375, 255},
        {"Label22", Kind::Label, "Frame3", "Superficie =", 720, 1800, 975, 255},
        {"Text13", Kind::TextBox, "Frame3", "0.00", 1800, 1800, 1095, 285, 12},
        {"Label23", Kind::Label, "Frame3", "m2", 3000, 1800, 255, 255},
        {"Label24", Kind::Label, "Frame3", "Perímetro =", 720, 2280, 975, 255},
        {"Text14", Kind::TextBox, "Frame3", "0.00", 1800, 2280, 1095, 285, 13},
        {"Label25", Kind::Label, "Frame3", "m", 3000, 2280, 255, 255},

        {"Label6", Kind::Label, "Frame1", "C = ?", 1320, 480, 615, 255, -1, kPlain, kNoColour, kCentre},
        {"Label5", Kind::Label, "Frame1", "B = OK", 3360, 1320, 615, 255, -1, kPlain, kNoColour, kCentre},
        {"Label4", Kind::Label, "Frame1", "A = ?", 120, 2520, 1095, 255, -1, kPlain, kNoColour, kCentre},
        {"Label3", Kind::Label, "Frame1", "b = ?", 480, 1080, 615, 255, -1, kPlain, kNoColour, kCentre},
        {"Label2", Kind::Label, "Frame1", "a = OK", 2400, 720, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label1", Kind::Label, "Frame1", "c = OK", 1560, 2040, 855, 255, -1, kPlain, kNoColour, kCentre},
        {"Line1", Kind::Line, "Frame1", nullptr, 1680, 840, 3240, 1440},
        {"Line2", Kind::Line, "Frame1", nullptr, 3240, 1440, 480, 2400},
        {"Line3", Kind::Line, "Frame1", nullptr, 480, 2400, 1680, 840},
        {"Line4", Kind::Line, "Frame1", nullptr, 720, 1920, 1080, 2280},
        {"Line5", Kind::Line, "Frame1", nullptr, 1320, 1200, 2160, 960},
        {"Line6", Kind::Line, "Frame1", nullptr, 2760, 1200, 2760, 1680},
    };
    return table;
}

namespace {

// What a screen reader announces for each box (its row and its column) and
// for the example figure.
const std::vector<AccessibleName> &Descriptions()
{
    static const std::vector<AccessibleName> names{
        {"Frame1", nullptr,
         "Figura de ejemplo: el vértice C arriba, B a la derecha y A abajo a la izquierda. "
         "Se conocen el ángulo B y los lados a y c; se buscan el lado b y los ángulos A y C."},
        {"Text1", "Ángulo B, grados"},
        {"Text2", "Ángulo B, minutos"},
        {"Text3", "Ángulo B, segundos"},
        {"Text4", "Lado a"},
        {"Text5", "Lado c"},
        {"Text6", "Ángulo A, grados"},
        {"Text7", "Ángulo A, minutos"},
        {"Text8", "Ángulo A, segundos"},
        {"Text9", "Ángulo C, grados"},
        {"Text10", "Ángulo C, minutos"},
        {"Text11", "Ángulo C, segundos"},
        {"Text12", "Lado b"},
        {"Text13", "Superficie"},
        {"Text14", "Perímetro"},
    };
    return names;
}

const QString kInputError = QStringLiteral("Error en la introducción de datos");

} // namespace

Form3::Form3(WindowServices &services)
    : SolverWindow(services, WindowId::Form3, Window(), Table(), Descriptions()),
      Text1(Control<TextBox>("Text1")), Text2(Control<TextBox>("Text2")), Text3(Control<TextBox>("Text3")),
      Text4(Control<TextBox>("Text4")), Text5(Control<TextBox>("Text5")),
      Text6(Control<TextBox>("Text6")), Text7(Control<TextBox>("Text7")), Text8(Control<TextBox>("Text8")),
      Text9(Control<TextBox>("Text9")), Text10(Control<TextBox>("Text10")), Text11(Control<TextBox>("Text11")),
      Text12(Control<TextBox>("Text12")), Text13(Control<TextBox>("Text13")), Text14(Control<TextBox>("Text14")),
      Command1(Control<QPushButton>("Command1")), Command2(Control<QPushButton>("Command2")),
      Command3(Control<QPushButton>("Command3"))
{
    // No setWindowIcon: this window has no icon image of its own, so the
    // window system shows its generic one rather than the program's.
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
}

void Form3::Command1_Click()
{
    // Only the degrees of B are checked: minutes and seconds may well be 0.
    if (RefuseIfZero(Text1, QStringLiteral("Teclee el valor del Ángulo ' B '"), kInputError, MessageIcon::Critical)
        || RefuseIfZero(Text4, QStringLiteral("Teclee el valor del Lado ' a '"), kInputError, MessageIcon::Critical)
        || RefuseIfZero(Text5, QStringLiteral("Teclee el valor del Lado ' c '"), kInputError, MessageIcon::Critical))
        return;

    const double a = Value(Text4);
    const double d = Value(Text1);
    const double m = Value(Text2);
    const double sec = Value(Text3);
    const double c = Value(Text5);
    const auto result = SolveTwoSidesAngle(d, m, sec, a, c);
    if (!result) {
        // Nothing is written, so earlier results stay on screen.
        CalculationFailure(QStringLiteral("Error de datos..."), MessageIcon::Critical);
        return;
    }
    Write(Text6, result->DA);
    Write(Text7, result->MA);
    Write(Text8, result->SA);
    Write(Text9, result->DC);
    Write(Text10, result->MC);
    Write(Text11, result->SC);
    Write(Text12, result->b4);
    Write(Text13, result->area4);
    Write(Text14, result->P4);
}

void Form3::Command2_Click()
{
    // Not the initial texts: the angle boxes get "00", every other box "0.00".
    for (TextBox *box : {Text1, Text2, Text3})
        Write(box, "00");
    for (TextBox *box : {Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13, Text14})
        Write(box, "0.00");
}

void Form3::Command3_Click()
{
    ReturnToMenu();
}
