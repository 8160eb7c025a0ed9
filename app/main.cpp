// Sorvani: creates the main menu and hands over to the event loop.
#include "Form1.h"
#include "Look.h"
#include "WindowManager.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallLook(app);
    // Only "Salir" (or closing the menu) ends the program; hiding windows never does.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowManager windows;
    windows.SetFactory(WindowId::Form1, [](WindowServices &s) { return std::make_unique<Form1>(s); });
    windows.ShowWindow(WindowId::Form1);
    return app.exec();
}
