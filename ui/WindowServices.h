#pragma once
// What the windows ask of the window system: showing, hiding and destroying
// windows, modal messages and ending the program. Windows talk to each other
// only through this, so tests can watch navigation and messages.

#include <QString>

class QWidget;

enum class WindowId { Form1, Form2, Form3, Form4, frmAbout };

enum class MessageIcon { None, Critical, Information };

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Creates the window on first use, then makes it visible and raises it.
    // A window shown for the first time is centred on the screen of the
    // window shown before it; later it keeps where the user left it.
    virtual void ShowWindow(WindowId id) = 0;
    // Makes the window invisible, keeping every text; no-op when hidden or absent.
    virtual void HideWindow(WindowId id) = 0;
    // Closes and frees the window; the next ShowWindow creates a fresh one.
    virtual void DestroyWindow(WindowId id) = 0;
    // Modal, one OK button, owned by and centred over the window that asks.
    // An empty title means the toolkit's default title.
    virtual void MessageBox(WindowId owner, const QString &prompt, const QString &title,
                            MessageIcon icon) = 0;
    // Closes every window, hidden ones too, and ends the program.
    virtual void EndProgram() = 0;

    // True once EndProgram has begun: windows then close without asking.
    virtual bool Ending() const = 0;

    // The window if it exists, else nullptr.
    virtual QWidget *Window(WindowId id) const = 0;
};
