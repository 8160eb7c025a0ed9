#pragma once
// The About window: credits, and a button that starts the system's
// system-information tool, found through the registry.

#include "Layout.h"
#include "Platform.h"
#include "WindowServices.h"

#include <QDialog>

class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(WindowServices &services,
                      platform::PlatformServices platform = platform::DesktopPlatform());

    static const WindowSpec &Window();
    static const std::vector<ControlSpec> &Table();

    void StartSysInfo();

public slots:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Esc: the OK button is also the cancel button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowServices &services_;
    platform::PlatformServices platform_;
    Controls controls_;
    QPushButton *cmdOK, *cmdSysInfo;
};
