#include "Accessibility.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

namespace {

// A drawn line or outline: nothing to read. Shown, it would be announced as
// a filler under the name of the frame around it.
class DrawnPart : public QAccessibleWidget {
public:
    explicit DrawnPart(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return QString(); }
};

// The same, unless it is the surface of a scrolled page of widgets, which
// are on it. Asked each time: the part may be made before the scroll area
// has named its surface.
class ScrollSurface : public DrawnPart {
public:
    using DrawnPart::DrawnPart;

    QAccessible::Role role() const override { return Page() ? QAccessible::Pane : DrawnPart::role(); }
    QAccessible::State state() const override
    {
        return Page() ? QAccessibleWidget::state() : DrawnPart::state();
    }

private:
    bool Page() const
    {
        const auto *area = qobject_cast<const QScrollArea *>(widget()->parentWidget());
        return area && area->viewport() == widget();
    }
};

// A status line: found by its fixed name, read as its text. A label alone
// offers no text once it has a name of its own.
class StatusText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StatusText(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return Text();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Text().mid(start, end - start); }
    int characterCount() const override { return int(Text().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QString Text() const { return static_cast<QLabel *>(widget())->text(); }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("LineWidget") || className == QLatin1String("RectangleWidget"))
        return new DrawnPart(widget);
    if (className == QLatin1String("Section"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("StatusLine"))
        return new StatusText(widget);
    // A text area's own surface and the frames its scroll bars sit in: the
    // text is read from the text area, and a frame would be a filler.
    if (className == QLatin1String("QWidget") && qobject_cast<QAbstractScrollArea *>(widget->parentWidget()))
        return new ScrollSurface(widget);
    if (className == QLatin1String("ExamplePicture") || className == QLatin1String("SvgPicture"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // The main menu and the solver windows are plain widgets, which a screen
    // reader takes for a filler; as windows their captions are announced.
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}
