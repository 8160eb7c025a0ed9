#pragma once
// The main menu: picks one of the three cases, help, About, and Salir.

#include "Layout.h"
#include "WindowServices.h"

#include <QWidget>

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();
    const Controls &controls() const { return controls_; }

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
};
