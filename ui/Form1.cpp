#include "Form1.h"

#include "Credits.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>

const WindowSpec &Form1::Window()
{
    static const WindowSpec window{"Form1", "Sorvani ver 1.3:  Solución de triángulos", 8670, 5025,
                                 Coordinates::RelativeToContainer};
    return window;
}

const std::vector<ControlSpec> &Form1::Table()
{
    // name, kind, container, text, left, top, width, height, tab, font, colour, align
    static const std::vector<ControlSpec> table{
        {"Frame1", Kind::Frame, nullptr, "Opciones para la solución:", 3960, 600, 4215, 1935, 0, kLargeBold, qRgb(0, 0, 192)},
        {"Option1", Kind::OptionButton, "Frame1", "Conociendo los tres lados", 240, 480, 2655, 255, 1},
        {"Option2", Kind::OptionButton, "Frame1", "Conociendo dos ángulos y un lado", 240, 840, 3135, 255, 2},
        {"Option3", Kind::OptionButton, "Frame1", "Conociendo dos lados y el ángulo que forman", 240, 1200, 3855, 375, 8},
        {"Frame2", Kind::Frame, nullptr, "Ejemplo de triángulo", 360, 600, 3255, 1935, 4, kBold},
        {"Image1", Kind::Picture, "Frame2", nullptr, 360, 360, 2445, 1395},
        {"Command2", Kind::Button, nullptr, "Continuar", 6480, 2760, 1575, 495, 5, kBold},
        {"Command4", Kind::Button, nullptr, "Acerca de...", 360, 3000, 1335, 375, 7},
        {"Command3", Kind::Button, nullptr, "Ayuda", 1920, 3000, 1335, 375, 6},
        {"Command1", Kind::Button, nullptr, "Salir", 1920, 3480, 1335, 375, 3},
        {"Frame3", Kind::Frame, nullptr, " Programa por: ", 4440, 3840, 3975, 1095, 9},
        {"Label2", Kind::Label, "Frame3", Credits::kAuthorAndYear, 480, 240, 2895, 255, 12, kBold},
        {"Label3", Kind::Label, "Frame3", Credits::kFaculty, 360, 480, 2895, 255, 11, kDefaultFont, std::nullopt, Align::Centre},
        {"Label4", Kind::Label, "Frame3", Credits::kUniversity, 240, 720, 3375, 255, 10, kDefaultFont, std::nullopt, Align::Centre},
        {"Frame4", Kind::Frame, nullptr, "e-mail", 360, 4200, 2895, 615, 13},
        {"Label1", Kind::Label, "Frame4", Credits::kEmail, 240, 240, 2535, 255, 14, kDefaultFont, qRgb(0, 0, 128)},
    };
    return table;
}

Form1::Form1(WindowServices &services)
    : services_(services), controls_(BuildControls(this, Window(), Table())),
      Option1(controls_.Require<QRadioButton>("Option1")), Option2(controls_.Require<QRadioButton>("Option2")),
      Option3(controls_.Require<QRadioButton>("Option3")), Command1(controls_.Require<QPushButton>("Command1")),
      Command2(controls_.Require<QPushButton>("Command2")), Command3(controls_.Require<QPushButton>("Command3")),
      Command4(controls_.Require<QPushButton>("Command4"))
{
    SetAccessibleNames(controls_, {{"Image1", "Ejemplo de triángulo", ExamplePicture::kDescription}});
    setWindowIcon(ProgramIcon());
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::Command1_Click()
{
    services_.EndProgram();
}

void Form1::Command2_Click()
{
    // The three-sides window is opened after the menu hides, the others before.
    if (Option1->isChecked()) {
        services_.HideWindow(WindowId::Form1);
        services_.ShowWindow(WindowId::Form2);
    } else if (Option2->isChecked()) {
        services_.ShowWindow(WindowId::Form4);
        services_.HideWindow(WindowId::Form1);
    } else if (Option3->isChecked()) {
        services_.ShowWindow(WindowId::Form3);
        services_.HideWindow(WindowId::Form1);
    }
}

void Form1::Command3_Click()
{
    services_.MessageBox(WindowId::Form1, QStringLiteral("Seleccione la opción deseada y presione el botón continuar..."),
                         QStringLiteral("Ayuda del programa..."), MessageIcon::Information);
}

void Form1::Command4_Click()
{
    services_.ShowWindow(WindowId::frmAbout);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the menu by its title bar ends the program, as "Salir" does.
    // Ending closes every window, but this one is already closing and only
    // goes when its own event is accepted.
    if (!services_.Ending())
        Command1_Click();
    if (services_.Ending())
        event->accept();
    else
        event->ignore();
}
