#pragma once
// The three-sides window: reads a, b and c, shows the angles (decimal and
// degrees, minutes, seconds), the area and the angle sum.

#include "Layout.h"
#include "WindowServices.h"

#include <QWidget>

class QLineEdit;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();
    const Controls &controls() const { return controls_; }

public slots:
    void Command1_Click(); // "Borrar"
    void Command2_Click(); // "Calcular"
    void Command3_Click(); // "Regresar"
    void Command4_Click(); // "Ayuda"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *Box(const char *name) const;
    double Value(const char *name) const;
    void Write(const char *name, double value);

    WindowServices &services_;
    Controls controls_;
};
