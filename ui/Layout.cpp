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

QFont MakeFont(const FontSpec &face)
{
    QFont font(QString::fromUtf8(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
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
void SetColours(QWidget *widget, const ControlSpec &row)
{
    const QPalette standard = QApplication::palette();
    QPalette palette = widget->palette();
    const QColor text = row.colour ? QColor(*row.colour) : standard.color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, row.kind == Kind::Label || row.kind == Kind::Frame
                                         ? standard.color(QPalette::Text)
                                         : text);
    palette.setColor(QPalette::ButtonText, row.kind == Kind::Button && row.colour
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

QWidget *Create(const ControlSpec &row, QWidget *parent, QPoint offset)
{
    const QString text = QString::fromUtf8(row.text ? row.text : "");
    const QRect box(Pixels(row.left) - offset.x(), Pixels(row.top) - offset.y(),
                    Pixels(row.width), Pixels(row.height));
    QWidget *widget = nullptr;
    switch (row.kind) {
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
        label->setAlignment(LabelAlignment(row.align));
        widget = label;
        break;
    }
    case Kind::TextBox:
        widget = new TextBox(text, parent);
        break;
    case Kind::OptionButton:
        widget = new OptionButton(text, parent);
        break;
    case Kind::Button: {
        auto *button = new QPushButton(text, parent);
        // Return and Enter press the button that has the focus. The windows
        // have no default button, so Return in a box presses nothing.
        button->setAutoDefault(true);
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
        const QColor colour = row.colour ? QColor(*row.colour) : QColor(Qt::black);
        widget = new LineWidget(QPoint(Pixels(row.left), Pixels(row.top)) - offset,
                                QPoint(Pixels(row.width), Pixels(row.height)) - offset,
                                colour, parent);
        break;
    }
    }
    widget->setObjectName(QString::fromUtf8(row.name));
    if (row.kind != Kind::Line)
        widget->setGeometry(box);
    widget->setFont(MakeFont(row.font));
    SetColours(widget, row);
    const bool takesFocus = row.kind == Kind::TextBox || row.kind == Kind::OptionButton
                            || row.kind == Kind::Button;
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
    QHash<QString, const ControlSpec *> rows;
    for (const ControlSpec &row : table) {
        QWidget *parent = window;
        QPoint offset;
        if (row.container) {
            parent = controls.Get(QString::fromUtf8(row.container));
            Q_ASSERT_X(parent, row.name, "a container must come before its controls");
            if (windowSpec.coordinates == Coordinates::WindowClientArea) {
                const ControlSpec *frame = rows.value(QString::fromUtf8(row.container));
                offset = QPoint(Pixels(frame->left), Pixels(frame->top));
            }
        }
        controls.Add(QString::fromUtf8(row.name), Create(row, parent, offset));
        rows.insert(QString::fromUtf8(row.name), &row);
    }

    // Frames are drawn behind whatever lies in their area.
    for (const ControlSpec &row : table) {
        if (row.kind == Kind::Frame)
            controls.Get(QString::fromUtf8(row.name))->lower();
    }

    std::vector<const ControlSpec *> focusable;
    for (const ControlSpec &row : table) {
        if (row.tabIndex >= 0 && controls.Get(QString::fromUtf8(row.name))->focusPolicy() != Qt::NoFocus)
            focusable.push_back(&row);
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
        QWidget *widget = controls.Require<QWidget>(entry.control);
        if (entry.name)
            widget->setAccessibleName(QString::fromUtf8(entry.name));
        if (entry.description)
            widget->setAccessibleDescription(QString::fromUtf8(entry.description));
    }
}
