// Sorvani: creates the main menu and hands over to the event loop.
#include "AllWindows.h"
#include "Look.h"
#include "WindowManager.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallLook(app);
    // Lets the desktop pair the windows with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sorvani"));
    // Only "Salir" (or closing the menu) ends the program; hiding windows never does.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowManager windows;
    RegisterWindows(windows);
    windows.ShowWindow(WindowId::Form1);
    return app.exec();
}
