#pragma once
// Windows declare their controls as data, in twips, one table per window;
// BuildControls turns a table into widgets. 15 twips make one pixel.

#include <QHash>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <vector>

enum class Kind { Frame, Label, TextBox, OptionButton, Button, Picture, Line, Rectangle };

enum class Align { Left, Centre, Right };

struct FontSpec {
    const char *family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

inline constexpr FontSpec kDefaultFont{};
inline constexpr FontSpec kBold{"MS Sans Serif", 8.25, true};
inline constexpr FontSpec kLargeBold{"MS Sans Serif", 9.75, true};

// One row of a window's table. For lines, left/top/width/height hold the end
// points x1, y1, x2, y2.
struct ControlSpec {
    const char *name;
    Kind kind;
    const char *container; // nullptr: the window itself
    const char *text;      // UTF-8 caption or initial text
    int left, top, width, height;
    int tabIndex = -1;     // position in the tab order; -1: takes no focus
    FontSpec font = kDefaultFont;
    std::optional<QRgb> colour = std::nullopt; // caption colour of frames, text colour otherwise
    Align align = Align::Left;
};

// How a table gives positions of controls inside a frame.
enum class Coordinates { RelativeToContainer, WindowClientArea };

struct WindowSpec {
    const char *name;
    const char *caption;
    int clientWidth, clientHeight; // twips
    Coordinates coordinates;
};

constexpr int Pixels(int twips)
{
    return twips / 15;
}

QFont MakeFont(const FontSpec &face);

// The built controls by name.
class Controls {
public:
    void Add(const QString &name, QWidget *widget) { byName_.insert(name, widget); }
    QWidget *Get(const QString &name) const { return byName_.value(name); }
    template <typename T>
    T *Get(const QString &name) const { return qobject_cast<T *>(byName_.value(name)); }
    // For a window's typed members: a name missing from the table, or a
    // control of another kind, stops the program as the window is built
    // rather than when a button is pressed.
    template <typename T>
    T *Require(const char *name) const
    {
        T *control = Get<T>(QString::fromUtf8(name));
        if (!control)
            qFatal("no control %s of the expected kind", name);
        return control;
    }
    const QHash<QString, QWidget *> &All() const { return byName_; }

private:
    QHash<QString, QWidget *> byName_;
};

// Sets up the window (name, caption, client size, default font) and creates
// every control of the table on it: names, geometry, texts, fonts, colours,
// frames behind their contents, tab order, first focus on the first control
// in the tab order.
Controls BuildControls(QWidget *window, const WindowSpec &windowSpec,
                       const std::vector<ControlSpec> &table);

// What a screen reader announces for a control, in Spanish: the boxes' names,
// and the description of an example figure. nullptr leaves either as it is.
struct AccessibleName {
    const char *control;
    const char *name;
    const char *description = nullptr;
};
void SetAccessibleNames(const Controls &controls, const std::vector<AccessibleName> &names);
