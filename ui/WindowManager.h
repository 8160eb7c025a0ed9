#pragma once
// The real window services: windows are made on first use by their factories
// and kept until the end; messages are real QMessageBoxes.

#include "WindowServices.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class WindowManager : public WindowServices {
public:
    using Factory = std::function<std::unique_ptr<QWidget>(WindowServices &)>;

    WindowManager();
    ~WindowManager() override;

    void SetFactory(WindowId id, Factory factory);

    void ShowWindow(WindowId id) override;
    void HideWindow(WindowId id) override;
    void DestroyWindow(WindowId id) override;
    void MessageBox(const QString &prompt, const QString &title, MessageIcon icon) override;
    void EndProgram() override;
    QWidget *Window(WindowId id) const override;
    bool Ending() const override { return ending_; }

private:
    static constexpr std::size_t kWindows = 5;
    std::array<Factory, kWindows> factories_;
    std::array<std::unique_ptr<QWidget>, kWindows> windows_;
    bool ending_ = false;
};

// The text the message box of the toolkit shows when it has no title of its own.
QString DefaultMessageTitle();
