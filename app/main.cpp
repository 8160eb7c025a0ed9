// Sorvani: creates the main menu, or with --resolver the window for any
// triangle alone, or with --practicar [ADDRESS] the practice window alone,
// and hands over to the event loop.
#include "AllWindows.h"
#include "Look.h"
#include "WindowManager.h"
#include "frmPracticar.h"
#include "frmResolver.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallLook(app);
    // Lets the desktop pair the windows with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sorvani"));

    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype practise = arguments.indexOf(QStringLiteral("--practicar")); practise > 0) {
        // A teacher's link or address may follow; closing the window ends the program.
        const QString next = arguments.value(practise + 1);
        const QString address = next.startsWith(QLatin1String("--")) ? QString() : next;
        frmPracticar practice(address);
        practice.show();
        return app.exec();
    }
    if (arguments.contains(QStringLiteral("--resolver"))) {
        // Closing the window ends the program.
        frmResolver resolver;
        resolver.show();
        return app.exec();
    }

    // Only "Salir" (or closing the menu) ends the program; hiding windows never does.
    QApplication::setQuitOnLastWindowClosed(false);
    WindowManager windows;
    RegisterWindows(windows);
    windows.ShowWindow(WindowId::Form1);
    return app.exec();
}
