#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("LineWidget") || className == QLatin1String("RectangleWidget"))
        return new DrawnPart(widget);
    if (className == QLatin1String("ExamplePicture"))
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
