#include "WindowManager.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSpacerItem>
#include <QWindow>

namespace {

std::size_t Index(WindowId id)
{
    return static_cast<std::size_t>(id);
}

// The window manager's frame around a window. Before a window is first
// mapped nobody knows its own; every window of the program gets the same
// decorations, so another one's will do.
QMargins FrameMargins(const QWidget *window)
{
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    for (const QWindow *other : QGuiApplication::topLevelWindows()) {
        if (other->isVisible() && !other->frameMargins().isNull())
            return other->frameMargins();
    }
    return {};
}

// Centres a window again once the window manager has told its frame, if
// that differs from the one it was placed by (the first window of the
// program had none to go by; a dialog may lack a window's bottom handle).
class RecentreWhenFramed : public QObject {
public:
    RecentreWhenFramed(QWidget *window, QRect area, QMargins assumed)
        : QObject(window), window_(window), area_(area), assumed_(assumed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::Move && type != QEvent::Expose && type != QEvent::WindowActivate)
            return false;
        const QWindow *handle = window_->windowHandle();
        if (!handle || handle->frameMargins().isNull())
            return false;
        window_->removeEventFilter(this);
        if (handle->frameMargins() != assumed_)
            CentreFrame(window_, area_);
        deleteLater();
        return false;
    }

private:
    QWidget *window_;
    QRect area_;
    QMargins assumed_;
};

// A message box centred over the window that asked for it, once its size
// is known: the toolkit sizes the box to its texts only as it is shown.
class MessageWindow : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        const QWidget *owner = parentWidget();
        CentreFrame(this, owner && owner->isVisible() ? owner->frameGeometry()
                                                      : screen()->availableGeometry());
    }
};

} // namespace

QString DefaultMessageTitle()
{
    return QGuiApplication::applicationDisplayName();
}

int MessageBoxMinimumWidth(const QString &title)
{
    // The window manager draws the title in the desktop's font, not ours;
    // the wider of the two, in bold, is what the title needs.
    int widest = 0;
    for (QFont font : {QApplication::font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont)}) {
        font.setBold(true);
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(title));
    }
    return widest + 100;
}

void CentreFrame(QWidget *window, const QRect &area)
{
    const QMargins frame = FrameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    QPoint frameTopLeft(area.x() + (area.width() - outer.width()) / 2,
                        area.y() + (area.height() - outer.height()) / 2);
    // Kept on the screen, title bar first, so the window can still be moved.
    const QScreen *screen = QGuiApplication::screenAt(area.center());
    const QRect desk = (screen ? screen : window->screen())->availableGeometry();
    frameTopLeft.setX(qMax(desk.left(), qMin(frameTopLeft.x(), desk.right() + 1 - outer.width())));
    frameTopLeft.setY(qMax(desk.top(), qMin(frameTopLeft.y(), desk.bottom() + 1 - outer.height())));
    window->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->size()));
    if (!window->windowHandle() || window->windowHandle()->frameMargins().isNull())
        new RecentreWhenFramed(window, area, frame);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *owner, const QString &prompt, const QString &title,
                                            MessageIcon icon)
{
    auto box = std::make_unique<MessageWindow>(owner);
    box->setWindowTitle(title.isEmpty() ? DefaultMessageTitle() : title);
    box->setText(prompt);
    box->setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    }
    box->setStandardButtons(QMessageBox::Ok);
    // The box sizes itself to its prompt; a row as wide as the title keeps
    // the window manager from cutting the title short.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box->windowTitle()), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

WindowManager::WindowManager() = default;

WindowManager::~WindowManager()
{
    ending_ = true;
    for (auto &window : windows_)
        window.reset();
}

void WindowManager::SetFactory(WindowId id, Factory factory)
{
    factories_[Index(id)] = std::move(factory);
}

void WindowManager::ShowWindow(WindowId id)
{
    auto &window = windows_[Index(id)];
    if (!window) {
        // Made now: centred on the screen of the window it takes over from.
        QScreen *screen = QGuiApplication::primaryScreen();
        if (const QWidget *previous = lastShown_ ? Window(*lastShown_) : nullptr)
            screen = previous->screen();
        window = factories_[Index(id)](*this);
        CentreFrame(window.get(), screen->availableGeometry());
    }
    // A window being mapped comes up in front; one already visible is raised.
    if (window->isVisible())
        window->raise();
    else
        window->show();
    window->activateWindow();
    lastShown_ = id;
}

void WindowManager::HideWindow(WindowId id)
{
    if (QWidget *window = windows_[Index(id)].get())
        window->hide();
}

void WindowManager::DestroyWindow(WindowId id)
{
    // Deleting a window from inside its own handler would pull it out from
    // under the running slot; let the event loop free it.
    if (QWidget *window = windows_[Index(id)].release()) {
        window->hide();
        window->deleteLater();
    }
}

void WindowManager::MessageBox(WindowId owner, const QString &prompt, const QString &title, MessageIcon icon)
{
    // The box belongs to its window, so it goes if the window does.
    QPointer<QMessageBox> box = MakeMessageBox(Window(owner), prompt, title, icon).release();
    box->exec();
    delete box;
}

void WindowManager::EndProgram()
{
    ending_ = true;
    for (auto &window : windows_) {
        if (window)
            window->close();
    }
    QCoreApplication::quit();
}

QWidget *WindowManager::Window(WindowId id) const
{
    return windows_[Index(id)].get();
}
