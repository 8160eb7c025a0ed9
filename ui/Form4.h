#pragma once
// Two angles, each as degrees, minutes and seconds, and the side between
// them: shows angle C split, sides a and b, the area and the perimeter.

#include "Layout.h"
#include "WindowServices.h"

#include <QWidget>

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(WindowServices &services);

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();
    const Controls &controls() const { return controls_; }

public slots:
    void Command1_Click(); // "Calcular"
    void Command2_Click(); // "Borrar"
    void Command3_Click(); // "Regresar"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    double Value(const char *box) const;
    void Write(const char *box, const char *text);
    void Write(const char *box, double value);

    WindowServices &services_;
    Controls controls_;
};
