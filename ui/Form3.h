#pragma once
// Two sides and the angle between them: angle B as degrees, minutes and
// seconds, sides a and c; shows A and C split, side b, the area and perimeter.

#include "Layout.h"
#include "WindowServices.h"

#include <QWidget>

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(WindowServices &services);

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
