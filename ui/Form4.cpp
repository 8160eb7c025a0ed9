#include "Form4.h"

#include "Credits.h"
#include "Widgets.h"
#include "numeric.h"
#include "two_angles_side.h"

#include <QLabel>
#include <QPushButton>

const WindowSpec &Form4::Window()
{
    static const WindowSpec window{"Form4", "Conociendo dos ángulos y un lado...", 8715, 6330,
                                 Coordinates::RelativeToContainer};
    return window;
}

const std::vector<ControlSpec> &Form4::Table()
{
    constexpr QRgb kNavy = qRgb(0, 0, 128);
    constexpr QRgb kDarkRed = qRgb(192, 0, 0);
    constexpr FontSpec kPlain = kDefaultFont;
    constexpr auto kNoColour = std::nullopt;
    constexpr Align kCentre = Align::Centre;
    // name, kind, container, text, left, top, width, height, tab, font, colour, align
    // Lines: left, top, width, height hold x1, y1, x2, y2.
    static const std::vector<ControlSpec> table{
        {"Frame1", Kind::Frame, nullptr, "Ejemplo de triángulo a solucionar", 240, 360, 3615, 2535},
        {"Frame2", Kind::Frame, nullptr, "Entrada de datos", 4080, 360, 4335, 2535, -1, kBold, kNavy},
        {"Frame3", Kind::Frame, nullptr, "Resultados", 4080, 3000, 4335, 2895, -1, kBold, kDarkRed},
        {"Command1", Kind::Button, nullptr, "Calcular", 2160, 3360, 1455, 375, 6, kBold},
        {"Command2", Kind::Button, nullptr, "Borrar", 2160, 3960, 1455, 375, 7},
        {"Command3", Kind::Button, nullptr, "Regresar", 2160, 4560, 1455, 375, 8},
        {"Shape1", Kind::Rectangle, nullptr, nullptr, 360, 5280, 3375, 615},
        {"Label27", Kind::Label, nullptr, Credits::kAuthorAndYear, 480, 5400, 3135, 495, -1, kPlain, kNoColour, kCentre},

        {"Label23", Kind::Label, "Frame2", "grados", 1560, 480, 495, 255},
        {"Label18", Kind::Label, "Frame2", "minutos", 2280, 480, 855, 255, -1, kPlain, kNoColour, kCentre},
        {"Label24", Kind::Label, "Frame2", "segundos", 3240, 480, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label10", Kind::Label, "Frame2", "Valor ángulo A =", 120, 960, 1335, 255},
        {"Text1", Kind::TextBox, "Frame2", "0", 1560, 840, 615, 285, 0},
        {"Text9", Kind::TextBox, "Frame2", "0", 2400, 840, 615, 285, 11},
        {"Text10", Kind::TextBox, "Frame2", "0.00", 3240, 840, 615, 285, 12},
        {"Label11", Kind::Label, "Frame2", "Valor ángulo B =", 120, 1440, 1335, 255},
        {"Text2", Kind::TextBox, "Frame2", "0", 1560, 1320, 615, 285, 1},
        {"Text11", Kind::TextBox, "Frame2", "0", 2400, 1320, 615, 285, 13},
        {"Text12", Kind::TextBox, "Frame2", "0.00", 3240, 1320, 615, 285, 14},
        {"Label12", Kind::Label, "Frame2", "Valor del Lado c =", 240, 2040, 1335, 255},
        {"Text3", Kind::TextBox, "Frame2", "0.00", 1680, 2040, 1215, 285, 2},
        {"Label17", Kind::Label, "Frame2", "m", 3000, 2040, 375, 255, -1, kPlain, kNoColour, kCentre},

        {"Label22", Kind::Label, "Frame3", "grados", 1320, 120, 615, 255},
        {"Label29", Kind::Label, "Frame3", "minutos", 2040, 120, 855, 255, -1, kPlain, kNoColour, kCentre},
        {"Label28", Kind::Label, "Frame3", "segundos", 3120, 120, 735, 255, -1, kPlain, kNoColour, kCentre},
        {"Label13", Kind::Label, "Frame3", "Ángulo C =", 240, 360, 1455, 255},
        {"Text4", Kind::TextBox, "Frame3", "0", 1200, 360, 735, 285, 3},
        {"Text13", Kind::TextBox, "Frame3", "0", 2160, 360, 735, 285, 15},
        {"Text14", Kind::TextBox, "Frame3", "0.00", 3120, 360, 735, 285, 16},
        {"Label14", Kind::Label, "Frame3", "Lado a =", 240, 840, 855, 255},
        {"Text5", Kind::TextBox, "Frame3", "0.00", 1200, 840, 1335, 285, 4},
        {"Label21", Kind::Label, "Frame3", "m", 2640, 840, 495, 255},
        {"Label15", Kind::Label, "Frame3", "Lado b =", 240, 1320, 855, 255},
        {"Text6", Kind::TextBox, "Frame3", "0.00", 1200, 1320, 1335, 285, 5},
        {"Label20", Kind::Label, "Frame3", "m", 2640, 1320, 375, 255},
        {"Label16", Kind::Label, "Frame3", "Superficie =", 120, 1800, 1095, 255},
        {"Text7", Kind::TextBox, "Frame3", "0.00", 1200, 1800, 1335, 285, 9},
        {"Label19", Kind::Label, "Frame3", "m2", 2640, 1800, 495, 255},
        {"Label26", Kind::Label, "Frame3", "Perímetro =", 240, 2280, 855, 255},
        {"Text8", Kind::TextBox, "Frame3", "0.00", 1200, 2280, 1335, 285, 10},
        {"Label25", Kind::Label, "Frame3", "m", 2640, 2280, 375, 255},

        {"Line1", Kind::Line, "Frame1", nullptr, 600, 1920, 1560, 600},
        {"Line2", Kind::Line, "Frame1", nullptr, 1560, 600, 2880, 1800},
        {"Line3", Kind::Line, "Frame1", nullptr, 600, 1920, 2880, 1800},
        {"Line4", Kind::Line, "Frame1", nullptr, 720, 1560, 1080, 2040},
        {"Line5", Kind::Line, "Frame1", nullptr, 2760, 1440, 2520, 1920},
        {"Line6", Kind::Line, "Frame1", nullptr, 1320, 840, 1920, 840},
        {"Label1", Kind::Label, "Frame1", "A", 360, 1920, 255, 255, -1, kPlain, kNoColour, kCentre},
        {"Label2", Kind::Label, "Frame1", "B", 2880, 1680, 375, 255, -1, kPlain, kNoColour, kCentre},
        {"Label3", Kind::Label, "Frame1", "C =?", 1320, 240, 375, 255, -1, kPlain, kNoColour, kCentre},
        {"Label4", Kind::Label, "Frame1", "a = ?", 2160, 840, 375, 255, -1, kPlain, kNoColour, kCentre},
        {"Label5", Kind::Label, "Frame1", "b = ?", 840, 840, 375, 255, -1, kPlain, kNoColour, kCentre},
        {"Label6", Kind::Label, "Frame1", "OK", 960, 1560, 375, 255},
        {"Label7", Kind::Label, "Frame1", "OK", 2040, 1560, 495, 255, -1, kPlain, kNoColour, kCentre},
        {"Label8", Kind::Label, "Frame1", "c = OK", 1320, 2040, 975, 255, -1, kPlain, kNoColour, kCentre},
        {"Label9", Kind::Label, "Frame1", "?", 1320, 960, 495, 255, -1, kPlain, kNoColour, kCentre},
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
         "Figura de ejemplo: el vértice A abajo a la izquierda, B abajo a la derecha y C arriba. "
         "Se conocen los ángulos A y B y el lado c; se buscan el ángulo C y los lados a y b."},
        {"Text1", "Ángulo A, grados"},
        {"Text9", "Ángulo A, minutos"},
        {"Text10", "Ángulo A, segundos"},
        {"Text2", "Ángulo B, grados"},
        {"Text11", "Ángulo B, minutos"},
        {"Text12", "Ángulo B, segundos"},
        {"Text3", "Lado c"},
        {"Text4", "Ángulo C, grados"},
        {"Text13", "Ángulo C, minutos"},
        {"Text14", "Ángulo C, segundos"},
        {"Text5", "Lado a"},
        {"Text6", "Lado b"},
        {"Text7", "Superficie"},
        {"Text8", "Perímetro"},
    };
    return names;
}

const QString kDataError = QStringLiteral("Error de datos ...");

} // namespace

Form4::Form4(WindowServices &services)
    : SolverWindow(services, WindowId::Form4, Window(), Table(), Descriptions()),
      Text1(Control<TextBox>("Text1")), Text9(Control<TextBox>("Text9")), Text10(Control<TextBox>("Text10")),
      Text2(Control<TextBox>("Text2")), Text11(Control<TextBox>("Text11")), Text12(Control<TextBox>("Text12")),
      Text3(Control<TextBox>("Text3")),
      Text4(Control<TextBox>("Text4")), Text13(Control<TextBox>("Text13")), Text14(Control<TextBox>("Text14")),
      Text5(Control<TextBox>("Text5")), Text6(Control<TextBox>("Text6")), Text7(Control<TextBox>("Text7")),
      Text8(Control<TextBox>("Text8")),
      Command1(Control<QPushButton>("Command1")), Command2(Control<QPushButton>("Command2")),
      Command3(Control<QPushButton>("Command3"))
{
    setWindowIcon(ProgramIcon());
    // The substitute face is a pixel wider than the box here; wrapping would
    // push the "=" onto a second line that the box cannot show.
    Control<QLabel>("Label26")->setWordWrap(false);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
}

void Form4::Command1_Click()
{
    // Only the degrees of each angle and the side are checked.
    if (RefuseIfZero(Text1, QStringLiteral("Introduzca el valor del ángulo A"), kDataError, MessageIcon::Information)
        || RefuseIfZero(Text2, QStringLiteral("Introduzca el valor del ángulo B"), kDataError, MessageIcon::Information)
        || RefuseIfZero(Text3, QStringLiteral("Introduzca el valor del lado c"), kDataError, MessageIcon::Information))
        return;

    const auto result = SolveTwoAnglesSide(Value(Text1), Value(Text9), Value(Text10), Value(Text2),
                                           Value(Text11), Value(Text12), Value(Text3));
    if (!result) {
        // A + B of exactly 180, or a number too large: say so rather than
        // leave the click without any answer. No box is written.
        CalculationFailure(kDataError, MessageIcon::Information);
        return;
    }
    Write(Text4, result->degreesC);
    Write(Text13, result->minutesC);
    Write(Text14, result->secondsC);
    Write(Text5, result->a);
    Write(Text6, result->b);
    Write(Text7, result->area);
    Write(Text8, result->perimeter);
}

void Form4::Command2_Click()
{
    // Every box, inputs included, gets "0.00", also those that started as "0".
    for (TextBox *box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12,
                         Text13, Text14})
        Write(box, "0.00");
}

void Form4::Command3_Click()
{
    ReturnToMenu();
}
