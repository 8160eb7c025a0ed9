#pragma once
// Two sides and the angle between them: angle B as degrees, minutes and
// seconds, sides a and c; shows A and C split, side b, the area and perimeter.

#include "SolverWindow.h"

class QPushButton;

class Form3 : public SolverWindow {
    Q_OBJECT
public:
    explicit Form3(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();

public slots:
    void Command1_Click(); // "Calcular"
    void Command2_Click(); // "Borrar"
    void Command3_Click(); // "Regresar"

private:
    TextBox *Text1, *Text2, *Text3;                           // angle B: degrees, minutes, seconds
    TextBox *Text4, *Text5;                                   // sides a and c
    TextBox *Text6, *Text7, *Text8, *Text9, *Text10, *Text11; // angles A and C split
    TextBox *Text12, *Text13, *Text14;                        // side b, area, perimeter
    QPushButton *Command1, *Command2, *Command3;
};
