#include "WindowManager.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::size_t Index(WindowId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

QString DefaultMessageTitle()
{
    return QGuiApplication::applicationDisplayName();
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
        const Factory &factory = factories_[Index(id)];
        if (!factory)
            return; // a window this build does not have
        window = factory(*this);
    }
    // A window being mapped comes up in front; one already visible is raised.
    if (window->isVisible())
        window->raise();
    else
        window->show();
    window->activateWindow();
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

void WindowManager::MessageBox(const QString &prompt, const QString &title, MessageIcon icon)
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? DefaultMessageTitle() : title);
    box.setText(prompt);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
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
