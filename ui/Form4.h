#pragma once
// Two angles, each as degrees, minutes and seconds, and the side between
// them: shows angle C split, sides a and b, the area and the perimeter.

#include "SolverWindow.h"

class QPushButton;

class Form4 : public SolverWindow {
    Q_OBJECT
public:
    explicit Form4(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();

public slots:
    void Command1_Click(); // "Calcular"
    void Command2_Click(); // "Borrar"
    void Command3_Click(); // "Regresar"

private:
    TextBox *Text1, *Text9, *Text10;       // angle A: degrees, minutes, seconds
    TextBox *Text2, *Text11, *Text12;      // angle B: degrees, minutes, seconds
    TextBox *Text3;                        // side c
    TextBox *Text4, *Text13, *Text14;      // angle C split
    TextBox *Text5, *Text6, *Text7, *Text8; // sides a and b, area, perimeter
    QPushButton *Command1, *Command2, *Command3;
};
