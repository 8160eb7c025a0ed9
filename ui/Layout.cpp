#include "Layout.h"

#include "Widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>

#include <algorithm>

QFont MakeFont(const FontSpec &spec)
{
    QFont font(QString::fromUtf8(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(false);
    return font;
}

namespace {

Qt::Alignment LabelAlignment(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Every control gets its colours set, so a frame's caption colour never
// reaches the controls inside it.
void SetColours(QWidget *widget, const ControlSpec &spec)
{
    const QPalette standard = QApplication::palette();
    QPalette palette = widget->palette();
    const QColor text = spec.colour ? QColor(*spec.colour) : standard.color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, spec.kind == Kind::Label || spec.kind == Kind::Frame
                                         ? standard.color(QPalette::Text)
                                         : text);
    palette.setColor(QPalette::ButtonText, spec.kind == Kind::Button && spec.colour
                                               ? text
                                               : standard.color(QPalette::ButtonText));
    widget->setPalette(palette);
}

// A frame whose outline runs through the middle of its caption. The tables
// place controls as little as 240 twips below a frame's top; the toolkit's own
// group box draws its outline below the caption, right across them.
class Frame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int captionLeft = 6, padding = 2;
        const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()) + 2 * padding, metrics.height());

        // An etched outline; the style's own group box frame keeps a caption-high
        // margin above it whatever rectangle it is given.
        if (!title().isEmpty())
            painter.setClipRegion(QRegion(rect()).subtracted(QRegion(caption)));
        qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1, 0);
        painter.setClipping(false);

        if (title().isEmpty())
            return;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         title());
    }
};

QWidget *Create(const ControlSpec &spec, QWidget *parent, QPoint offset)
{
    const QString text = QString::fromUtf8(spec.text ? spec.text : "");
    const QRect box(Pixels(spec.left) - offset.x(), Pixels(spec.top) - offset.y(),
                    Pixels(spec.width), Pixels(spec.height));
    QWidget *widget = nullptr;
    switch (spec.kind) {
    case Kind::Frame: {
        auto *frame = new Frame(text, parent);
        widget = frame;
        break;
    }
    case Kind::Label: {
        auto *label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setWordWrap(true);
        label->setAlignment(LabelAlignment(spec.align));
        widget = label;
        break;
    }
    case Kind::TextBox:
        widget = new QLineEdit(text, parent);
        break;
    case Kind::OptionButton:
        widget = new QRadioButton(text, parent);
        break;
    case Kind::Button: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case Kind::Picture:
        widget = new ExamplePicture(parent);
        break;
    case Kind::Rectangle:
        widget = new RectangleWidget(parent);
        break;
    case Kind::Line: {
        const QColor colour = spec.colour ? QColor(*spec.colour) : QColor(Qt::black);
        widget = new LineWidget(QPoint(Pixels(spec.left), Pixels(spec.top)) - offset,
                                QPoint(Pixels(spec.width), Pixels(spec.height)) - offset,
                                colour, parent);
        break;
    }
    }
    widget->setObjectName(QString::fromUtf8(spec.name));
    if (spec.kind != Kind::Line)
        widget->setGeometry(box);
    widget->setFont(MakeFont(spec.font));
    SetColours(widget, spec);
    const bool takesFocus = spec.kind == Kind::TextBox || spec.kind == Kind::OptionButton
                            || spec.kind == Kind::Button;
    widget->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    return widget;
}

} // namespace

Controls BuildControls(QWidget *window, const WindowSpec &windowSpec,
                       const std::vector<ControlSpec> &table)
{
    window->setObjectName(QString::fromUtf8(windowSpec.name));
    window->setWindowTitle(QString::fromUtf8(windowSpec.caption));
    window->setFont(MakeFont(kDefaultFont));
    window->resize(Pixels(windowSpec.clientWidth), Pixels(windowSpec.clientHeight));

    Controls controls;
    QHash<QString, const ControlSpec *> specs;
    for (const ControlSpec &spec : table) {
        QWidget *parent = window;
        QPoint offset;
        if (spec.container) {
            parent = controls.Get(QString::fromUtf8(spec.container));
            Q_ASSERT_X(parent, spec.name, "a container must come before its controls");
            if (windowSpec.coordinates == Coordinates::WindowClientArea) {
                const ControlSpec *frame = specs.value(QString::fromUtf8(spec.container));
                offset = QPoint(Pixels(frame->left), Pixels(frame->top));
            }
        }
        controls.Add(QString::fromUtf8(spec.name), Create(spec, parent, offset));
        specs.insert(QString::fromUtf8(spec.name), &spec);
    }

    // Frames are drawn behind whatever lies in their area.
    for (const ControlSpec &spec : table) {
        if (spec.kind == Kind::Frame)
            controls.Get(QString::fromUtf8(spec.name))->lower();
    }

    std::vector<const ControlSpec *> focusable;
    for (const ControlSpec &spec : table) {
        if (spec.tabIndex >= 0 && controls.Get(QString::fromUtf8(spec.name))->focusPolicy() != Qt::NoFocus)
            focusable.push_back(&spec);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlSpec *x, const ControlSpec *y) { return x->tabIndex < y->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(controls.Get(QString::fromUtf8(focusable[i - 1]->name)),
                             controls.Get(QString::fromUtf8(focusable[i]->name)));
    }
    if (!focusable.empty())
        controls.Get(QString::fromUtf8(focusable.front()->name))->setFocus();
    return controls;
}

void SetAccessibleNames(const Controls &controls, const std::vector<AccessibleName> &names)
{
    for (const AccessibleName &entry : names) {
        if (QWidget *widget = controls.Get(QString::fromUtf8(entry.control)))
            widget->setAccessibleName(QString::fromUtf8(entry.name));
    }
}
