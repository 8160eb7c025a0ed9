#pragma once
// The few drawn controls the windows need: a line between two points, a
// rectangle outline, the example triangle picture, an SVG picture and a
// status line.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QRadioButton>
#include <QWidget>

class QLayout;
class QSvgRenderer;

// A text box. What the program writes shows from its start, as a box does on
// the desktop these windows were made for; a text wider than the box is also
// its tooltip, kept up to date while the user edits.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(const QString &text, QWidget *parent);
    void Write(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void UpdateToolTip();
};

// An option button that the arrow keys select, not only focus, so a case can
// be chosen from the keyboard alone.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

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
    // What a screen reader says of the picture.
    static constexpr const char *kDescription =
        "Triángulo apoyado sobre su lado más largo, c. El lado a está a la izquierda y el lado b "
        "arriba a la derecha; el ángulo B está abajo a la izquierda, el ángulo A abajo a la derecha "
        "y el ángulo C arriba. Cada lado lleva la letra del ángulo opuesto.";

protected:
    void paintEvent(QPaintEvent *event) override;
};

// An SVG picture drawn as large as the widget allows, its proportions kept.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(QWidget *parent);
    ~SvgPicture() override;
    // Nothing is drawn for an empty or unreadable picture.
    void SetSvg(const QByteArray &svg);
    bool Empty() const { return empty_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer_;
    bool empty_ = true;
};

// A titled part of a window: a heading over its contents in a plain outline,
// announced to a screen reader as a group with the title as its name. Much
// cheaper to draw than a group box, whose style lays its title out again on
// every paint, which told in the start-up time and in each keystroke.
class Section : public QWidget {
    Q_OBJECT
public:
    Section(const QString &title, QWidget *parent);
    // Puts the contents, widgets made with this section as their parent, under the heading.
    void SetContents(QLayout *contents);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// One line of text that a screen reader finds under a fixed name (the
// accessible name) and is told about whenever the text changes.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent);
    void SetText(const QString &text);
};

// The icon of the main menu and of the three-sides and two-angles windows.
QIcon ProgramIcon();
// The same icon drawn at size x size pixels (the installed icon files).
QImage ProgramIconImage(int size);
// The About window's own small icon.
QIcon AboutIcon();
