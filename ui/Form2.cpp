#include "Form2.h"

#include "Credits.h"
#include "Widgets.h"
#include "numeric.h"
#include "three_sides.h"

#include <QPushButton>

const WindowSpec &Form2::Window()
{
    static const WindowSpec window{"Form2", "Conociendo los tres lados", 10605, 6480,
                                 Coordinates::WindowClientArea};
    return window;
}

const std::vector<ControlSpec> &Form2::Table()
{
    constexpr QRgb kDarkBlue = qRgb(0, 0, 192);
    constexpr QRgb kDarkRed = qRgb(192, 0, 0);
    constexpr QRgb kDarkOlive = qRgb(64, 64, 0);
    constexpr QRgb kBlue = qRgb(0, 0, 255);
    constexpr QRgb kNavy = qRgb(0, 0, 128);
    constexpr QRgb kBlack = qRgb(0, 0, 0);
    const auto none = std::nullopt;
    // name, kind, container, text, left, top, width, height, tab, font, colour, align.
    // Every position is in the client area; lines give x1, y1, x2, y2.
    static const std::vector<ControlSpec> table{
        // Input area. The side boxes belong to the window, over the frame.
        {"Frame1", Kind::Frame, nullptr, "Introducción de datos", 360, 240, 5415, 3375, -1, kBold, kDarkBlue},
        {"Label1", Kind::Label, "Frame1", "Lado    a", 600, 840, 1095, 255, -1, kBold, none, Align::Right},
        {"Text1", Kind::TextBox, nullptr, "0", 2040, 840, 855, 285, 0},
        {"Label14", Kind::Label, "Frame1", "m", 3120, 840, 375, 375},
        {"Label2", Kind::Label, "Frame1", "Lado   b", 480, 1440, 1215, 255, -1, kBold, none, Align::Right},
        {"Text2", Kind::TextBox, nullptr, "0", 2040, 1440, 855, 285, 1},
        {"Label15", Kind::Label, "Frame1", "m", 3120, 1440, 375, 255},
        {"Label3", Kind::Label, "Frame1", "Lado   c", 720, 2040, 975, 255, -1, kBold, none, Align::Right},
        {"Text3", Kind::TextBox, nullptr, "0", 2040, 2040, 855, 285, 2},
        {"Label16", Kind::Label, "Frame1", "m", 3120, 2040, 375, 255},

        // The example triangle: A at the top, B bottom left, C bottom right.
        {"Line1", Kind::Line, "Frame1", nullptr, 4800, 480, 3720, 3120},
        {"Line2", Kind::Line, "Frame1", nullptr, 4800, 480, 5280, 2760},
        {"Line3", Kind::Line, "Frame1", nullptr, 3720, 3120, 5280, 2760},
        {"Line5", Kind::Line, "Frame1", nullptr, 4440, 840, 5040, 840},
        {"Line4", Kind::Line, "Frame1", nullptr, 3720, 2760, 4200, 3120},
        {"Line6", Kind::Line, "Frame1", nullptr, 5280, 2280, 4920, 3000},
        {"Label27", Kind::Label, "Frame1", "A", 4680, 1080, 255, 375},
        {"Label28", Kind::Label, "Frame1", "B", 3960, 2640, 375, 255, -1, kDefaultFont, none, Align::Centre},
        {"Label29", Kind::Label, "Frame1", "C", 4680, 2400, 375, 255, -1, kDefaultFont, none, Align::Centre},
        {"Label9", Kind::Label, "Frame1", "a", 4440, 3000, 495, 255, -1, kLargeBold, none, Align::Centre},
        {"Label10", Kind::Label, "Frame1", "b", 5160, 1440, 375, 375, -1, kLargeBold, none, Align::Centre},
        {"Label12", Kind::Label, "Frame1", "c", 3840, 1560, 375, 375, -1, kLargeBold, none, Align::Centre},

        // Results in decimal degrees.
        {"Frame2", Kind::Frame, nullptr, "Resultados en formato decimal", 6120, 240, 4095, 1935, -1, kBold, kDarkRed},
        {"Label4", Kind::Label, "Frame2", "Ángulo A =", 6240, 600, 975, 255, -1, kDefaultFont, none, Align::Right},
        {"Text4", Kind::TextBox, "Frame2", "0.00", 7560, 600, 1095, 285, 3},
        {"Label23", Kind::Label, "Frame2", "grados", 8880, 600, 855, 255},
        {"Label5", Kind::Label, "Frame2", "Ángulo B =", 6240, 1080, 975, 375, -1, kDefaultFont, none, Align::Right},
        {"Text5", Kind::TextBox, "Frame2", "0.00", 7560, 1080, 1095, 285, 4},
        {"Label24", Kind::Label, "Frame2", "grados", 8880, 1080, 735, 255},
        {"Label6", Kind::Label, "Frame2", "Ángulo C =", 6240, 1560, 975, 375, -1, kDefaultFont, none, Align::Right},
        {"Text6", Kind::TextBox, "Frame2", "0.00", 7560, 1560, 1095, 285, 5},
        {"Label25", Kind::Label, "Frame2", "grados", 8880, 1560, 735, 255},

        // Results in degrees, minutes and seconds: rows A, B, C.
        {"Frame5", Kind::Frame, nullptr, "Resultados en dd, mm,ss.", 6120, 2400, 4095, 2295, -1, kBold, kDarkOlive},
        {"Label19", Kind::Label, "Frame5", "grados", 6840, 2760, 855, 255, -1, kDefaultFont, kNavy, Align::Centre},
        {"Label20", Kind::Label, "Frame5", "minutos", 7920, 2760, 735, 255, -1, kDefaultFont, kNavy, Align::Centre},
        {"Label21", Kind::Label, "Frame5", "segundos", 9000, 2760, 975, 255, -1, kDefaultFont, kNavy, Align::Centre},
        {"Label11", Kind::Label, "Frame5", "A", 6360, 3120, 375, 255, -1, kLargeBold, none, Align::Centre},
        {"Label17", Kind::Label, "Frame5", "B", 6360, 3600, 375, 255, -1, kLargeBold, none, Align::Centre},
        {"Label18", Kind::Label, "Frame5", "C", 6360, 4080, 375, 255, -1, kLargeBold, none, Align::Centre},
        {"Text9", Kind::TextBox, "Frame5", "0", 6840, 3120, 855, 285, 19},
        {"Text10", Kind::TextBox, "Frame5", "0", 7800, 3120, 975, 285, 18},
        {"Text11", Kind::TextBox, "Frame5", "0.00", 9000, 3120, 975, 285, 17},
        {"Text12", Kind::TextBox, "Frame5", "0", 6840, 3600, 855, 285, 16},
        {"Text13", Kind::TextBox, "Frame5", "0", 7800, 3600, 975, 285, 15},
        {"Text14", Kind::TextBox, "Frame5", "0.00", 9000, 3600, 975, 285, 14},
        {"Text15", Kind::TextBox, "Frame5", "0", 6840, 4080, 855, 285, 13},
        {"Text16", Kind::TextBox, "Frame5", "0", 7800, 4080, 975, 285, 12},
        {"Text17", Kind::TextBox, "Frame5", "0.00", 9000, 4080, 975, 285, 11},

        // Area and check. The sum box belongs to the window, over its frame.
        {"Frame4", Kind::Frame, nullptr, "Cálculo del área", 6120, 4920, 4095, 855, -1, kBold, kDarkRed},
        {"Label7", Kind::Label, "Frame4", "Área =", 7080, 5280, 735, 255, -1, kDefaultFont, none, Align::Right},
        {"Text7", Kind::TextBox, "Frame4", "0.00", 8040, 5280, 1335, 285, 10},
        {"Label13", Kind::Label, "Frame4", "m2", 9480, 5280, 495, 255},
        {"Frame3", Kind::Frame, nullptr, "Comprobación", 360, 3840, 3375, 1335, -1, kBold, kBlue},
        {"Label8", Kind::Label, "Frame3", "Suma angular =", 600, 4440, 1215, 375, -1, kDefaultFont, none, Align::Right},
        {"Text8", Kind::TextBox, nullptr, "0.00", 1920, 4440, 855, 285, 9},
        {"Label26", Kind::Label, "Frame3", "grados", 2880, 4440, 735, 255},

        // Buttons and credit line.
        {"Command2", Kind::Button, nullptr, "Calcular", 2160, 5520, 1575, 495, 7, kBold},
        {"Command4", Kind::Button, nullptr, "Ayuda", 4320, 4080, 1215, 375, 20},
        {"Command3", Kind::Button, nullptr, "Regresar", 4320, 4800, 1215, 375, 8},
        {"Command1", Kind::Button, nullptr, "Borrar", 4320, 5640, 1215, 375, 6},
        {"Label22", Kind::Label, nullptr, Credits::kCreditLine, 7200, 5880, 3015, 375, -1, kDefaultFont, kBlack, Align::Centre},
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
         "Figura de ejemplo: el vértice A arriba, B abajo a la izquierda y C abajo a la derecha; "
         "el lado a es el de abajo, el lado b el de la derecha y el lado c el de la izquierda."},
        {"Text1", "Lado a"},
        {"Text2", "Lado b"},
        {"Text3", "Lado c"},
        {"Text4", "Ángulo A, grados decimales"},
        {"Text5", "Ángulo B, grados decimales"},
        {"Text6", "Ángulo C, grados decimales"},
        {"Text9", "Ángulo A, grados"},
        {"Text10", "Ángulo A, minutos"},
        {"Text11", "Ángulo A, segundos"},
        {"Text12", "Ángulo B, grados"},
        {"Text13", "Ángulo B, minutos"},
        {"Text14", "Ángulo B, segundos"},
        {"Text15", "Ángulo C, grados"},
        {"Text16", "Ángulo C, minutos"},
        {"Text17", "Ángulo C, segundos"},
        {"Text7", "Área"},
        {"Text8", "Suma angular"},
    };
    return names;
}

const QString kInputError = QStringLiteral("Error en la introducción de datos");

} // namespace

Form2::Form2(WindowServices &services)
    : SolverWindow(services, WindowId::Form2, Window(), Table(), Descriptions()),
      Text1(Control<TextBox>("Text1")), Text2(Control<TextBox>("Text2")), Text3(Control<TextBox>("Text3")),
      Text4(Control<TextBox>("Text4")), Text5(Control<TextBox>("Text5")), Text6(Control<TextBox>("Text6")),
      Text9(Control<TextBox>("Text9")), Text10(Control<TextBox>("Text10")), Text11(Control<TextBox>("Text11")),
      Text12(Control<TextBox>("Text12")), Text13(Control<TextBox>("Text13")), Text14(Control<TextBox>("Text14")),
      Text15(Control<TextBox>("Text15")), Text16(Control<TextBox>("Text16")), Text17(Control<TextBox>("Text17")),
      Text7(Control<TextBox>("Text7")), Text8(Control<TextBox>("Text8")),
      Command1(Control<QPushButton>("Command1")), Command2(Control<QPushButton>("Command2")),
      Command3(Control<QPushButton>("Command3")), Command4(Control<QPushButton>("Command4"))
{
    setWindowIcon(ProgramIcon());
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
}

void Form2::Command1_Click()
{
    for (TextBox *box : {Text1, Text2, Text3})
        Write(box, "");
    for (TextBox *box : {Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13, Text14,
                         Text15, Text16, Text17})
        Write(box, "0.00");
}

void Form2::Command2_Click()
{
    // The first side that reads as 0 is the one reported.
    if (RefuseIfZero(Text1, QStringLiteral("Teclee el valor del Lado ' a '"), kInputError, MessageIcon::Critical)
        || RefuseIfZero(Text2, QStringLiteral("Teclee el valor del Lado ' b '"), kInputError, MessageIcon::Critical)
        || RefuseIfZero(Text3, QStringLiteral("Teclee el valor del Lado ' c '"), kInputError, MessageIcon::Critical))
        return;

    const std::optional<ThreeSidesResult> result = SolveThreeSides(Value(Text1), Value(Text2), Value(Text3));
    if (!result) {
        // Nothing has been written yet, so every box keeps its previous text.
        CalculationFailure(QStringLiteral("Error de datos..."), MessageIcon::Critical);
        return;
    }

    const ThreeSidesResult &r = *result;
    Write(Text9, r.dmsA.degrees);
    Write(Text10, r.dmsA.minutes);
    Write(Text11, r.dmsA.seconds);
    Write(Text12, r.dmsB.degrees);
    Write(Text13, r.dmsB.minutes);
    Write(Text14, r.dmsB.seconds);
    Write(Text15, r.dmsC.degrees);
    Write(Text16, r.dmsC.minutes);
    Write(Text17, r.dmsC.seconds);
    Write(Text4, r.angleA);
    Write(Text5, r.angleB);
    Write(Text6, r.angleC);
    Write(Text7, r.area);
    Write(Text8, r.angleSum);
}

void Form2::Command3_Click()
{
    ReturnToMenu();
}

void Form2::Command4_Click()
{
    Message(QStringLiteral("Introduzca los valores de los lados a (menor), b (medio), y c (mayor) del triángulo"),
            QStringLiteral("Ayuda del programa..."), MessageIcon::Information);
}
