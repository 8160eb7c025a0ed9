#pragma once
// The three-sides window: reads a, b and c, shows the angles (decimal and
// degrees, minutes, seconds), the area and the angle sum.

#include "SolverWindow.h"

class QPushButton;

class Form2 : public SolverWindow {
    Q_OBJECT
public:
    explicit Form2(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();

public slots:
    void Command1_Click(); // "Borrar"
    void Command2_Click(); // "Calcular"
    void Command3_Click(); // "Regresar"
    void Command4_Click(); // "Ayuda"

private:
    TextBox *Text1, *Text2, *Text3;                              // sides a, b, c
    TextBox *Text4, *Text5, *Text6;                              // angles in decimal degrees
    TextBox *Text9, *Text10, *Text11, *Text12, *Text13, *Text14; // angles A and B split
    TextBox *Text15, *Text16, *Text17;                           // angle C split
    TextBox *Text7, *Text8;                                      // area, angle sum
    QPushButton *Command1, *Command2, *Command3, *Command4;
};
