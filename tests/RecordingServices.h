#pragma once
// The real window services, except that messages are recorded instead of
// shown modally and ending the program closes the windows without quitting.

#include "AllWindows.h"
#include "WindowManager.h"

#include <QApplication>
#include <QList>
#include <QWidget>

struct RecordedMessage {
    WindowId owner;
    QString prompt;
    QString title;
    MessageIcon icon;
};

class RecordingServices : public WindowManager {
public:
    RecordingServices() { RegisterWindows(*this); }

    void MessageBox(WindowId owner, const QString &prompt, const QString &title, MessageIcon icon) override
    {
        messages.append({owner, prompt, title, icon});
    }

    void EndProgram() override
    {
        ended = true;
        WindowManager::EndProgram();
    }

    // Runs the deferred deletions of destroyed windows.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool Visible(WindowId id) const
    {
        const QWidget *w = Window(id);
        return w && w->isVisible();
    }

    QList<RecordedMessage> messages;
    bool ended = false;
};
