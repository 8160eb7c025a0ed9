#pragma once
// The few drawn controls the windows need: a line between two points, a
// rectangle outline, and the example triangle picture.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QWidget>

// A straight line from one point to another, both in the parent's pixels.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    LineWidget(QPoint from, QPoint to, QColor colour, QWidget *parent);
    QPoint From() const { return from_; }
    QPoint To() const { return to_; }
    QColor Colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_, to_;
    QColor colour_;
};

// The outline of a rectangle filling the widget.
class RectangleWidget : public QWidget {
    Q_OBJECT
public:
    explicit RectangleWidget(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The example triangle, drawn once at 299 x 127 pixels and stretched to fill
// the control.
class ExamplePicture : public QWidget {
    Q_OBJECT
public:
    explicit ExamplePicture(QWidget *parent);
    static QImage Image();

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The icon of the main menu and of the three-sides and two-angles windows.
QIcon ProgramIcon();
// The same icon drawn at size x size pixels (the installed icon files).
QImage ProgramIconImage(int size);
// The About window's own small icon.
QIcon AboutIcon();
