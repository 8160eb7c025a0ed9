#pragma once
// The real window services: windows are made on first use by their factories
// and kept until the end; messages are real QMessageBoxes.

#include "WindowServices.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QMessageBox;

class WindowManager : public WindowServices {
public:
    using Factory = std::function<std::unique_ptr<QWidget>(WindowServices &)>;

    WindowManager();
    ~WindowManager() override;

    void SetFactory(WindowId id, Factory factory);

    void ShowWindow(WindowId id) override;
    void HideWindow(WindowId id) override;
    void DestroyWindow(WindowId id) override;
    void MessageBox(WindowId owner, const QString &prompt, const QString &title, MessageIcon icon) override;
    void EndProgram() override;
    QWidget *Window(WindowId id) const override;
    bool Ending() const override { return ending_; }

private:
    static constexpr std::size_t kWindows = 5;
    std::array<Factory, kWindows> factories_;
    std::array<std::unique_ptr<QWidget>, kWindows> windows_;
    std::optional<WindowId> lastShown_; // the window a newly made one replaces
    bool ending_ = false;
};

// The text the message box of the toolkit shows when it has no title of its own.
QString DefaultMessageTitle();

// A message box as the user meets it, not yet shown: one "Aceptar" button,
// owned by `owner` and centred over it when shown, and wide enough for the
// window manager to show its whole title.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *owner, const QString &prompt, const QString &title,
                                            MessageIcon icon);

// The narrowest a message box may be for its title: the title in the bold
// window font, and room for the title bar's icon and buttons.
int MessageBoxMinimumWidth(const QString &title);

// Moves a window so that its frame, title bar included, is centred on `area`
// as far as the screen allows.
void CentreFrame(QWidget *window, const QRect &area);
