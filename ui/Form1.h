#pragma once
// The main menu: picks one of the three cases, help, About, and Salir.

#include "Layout.h"
#include "WindowServices.h"

#include <QWidget>

class QPushButton;
class QRadioButton;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();

public slots:
    void Command1_Click(); // "Salir"
    void Command2_Click(); // "Continuar"
    void Command3_Click(); // "Ayuda"
    void Command4_Click(); // "Acerca de..."

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowServices &services_;
    Controls controls_;
    QRadioButton *Option1, *Option2, *Option3;
    QPushButton *Command1, *Command2, *Command3, *Command4;
};
