#pragma once
// Driving a window through its real controls, and checking a built window
// against its layout table.

#include "Layout.h"
#include "Look.h"
#include "RecordingServices.h"
#include "SolverCases.h"
#include "Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <set>

inline void InstallTestLook()
{
    InstallLook(*static_cast<QApplication *>(QCoreApplication::instance()));
}

inline QLineEdit *Box(QWidget *window, const QString &name)
{
    return window->findChild<QLineEdit *>(name);
}

// Clears the box and types the text key by key, as a user would.
inline void Type(QWidget *window, const QString &name, const QString &text)
{
    QLineEdit *box = Box(window, name);
    QVERIFY2(box, qPrintable(name));
    box->clear();
    if (!text.isEmpty())
        QTest::keyClicks(box, text);
    QCOMPARE(box->text(), text);
}

inline void Click(QWidget *window, const QString &name)
{
    QAbstractButton *button = window->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QStringList BoxTexts(QWidget *window, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << (Box(window, name) ? Box(window, name)->text() : QStringLiteral("<missing %1>").arg(name));
    return texts;
}

// The name of every box whose text changes, in the order they change.
class WriteOrder {
public:
    explicit WriteOrder(QWidget *window)
    {
        for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
            connections_ << QObject::connect(box, &QLineEdit::textChanged, box,
                                             [this, box] { names << box->objectName(); });
        }
    }
    ~WriteOrder()
    {
        for (const QMetaObject::Connection &connection : connections_)
            QObject::disconnect(connection);
    }
    WriteOrder(const WriteOrder &) = delete;
    WriteOrder &operator=(const WriteOrder &) = delete;

    QStringList names;

private:
    QList<QMetaObject::Connection> connections_;
};

// The four-line message of a calculation that cannot be done.
inline const QString &kCalculationFailure = cases::kFailureMessage;

inline void ExpectMessage(const RecordingServices &services, const QString &prompt,
                          const QString &title, MessageIcon icon)
{
    QCOMPARE(services.messages.size(), 1);
    // Owned by the window that raised it: the one the user is looking at.
    QVERIFY(services.Visible(services.messages.front().owner));
    QCOMPARE(services.messages.front().prompt, prompt);
    QCOMPARE(services.messages.front().title, title);
    QCOMPARE(int(services.messages.front().icon), int(icon));
}

// What a control shows: a frame's title, or a label's, box's or button's text.
inline QString Caption(QWidget *w)
{
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        return frame->title();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(w))
        return box->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    return QString();
}

// A line of an example figure, in its frame's pixels, as a test writes it.
inline void CheckFigureLine(QWidget *window, const QString &name, QPoint from, QPoint to)
{
    auto *line = window->findChild<LineWidget *>(name);
    QVERIFY2(line, qPrintable(name));
    QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(line->From(), from);
    QCOMPARE(line->To(), to);
}

// A control's parent, pixels, caption, boldness and colour as a test writes
// them, so that a row copied wrongly into a table is caught.
inline void CheckAsWritten(QWidget *window, const QString &name, const QString &parent, const QRect &pixels,
                           const QString &caption, bool bold, const QColor &colour)
{
    QWidget *w = window->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), pixels);
    QCOMPARE(Caption(w), caption);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(w->palette().color(QPalette::WindowText), colour);
}

// The names of the controls built on the window (Qt's own helpers excluded).
inline QStringList ControlNames(QWidget *window)
{
    QStringList names;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            names << w->objectName();
    }
    names.sort();
    return names;
}

inline QStringList TableNames(const std::vector<ControlSpec> &table)
{
    QStringList names;
    for (const ControlSpec &row : table)
        names << QString::fromUtf8(row.name);
    names.sort();
    return names;
}

// The controls reached by Tab, starting from the one holding the focus.
inline QStringList TabChain(QWidget *window)
{
    QStringList chain;
    QWidget *start = window->focusWidget();
    if (!start)
        return chain;
    QWidget *w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w != window)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    return chain;
}

inline Qt::Alignment Horizontal(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// One row of a table whose positions inside a frame are relative to the frame.
inline void CheckRow(QWidget *window, const ControlSpec &row)
{
    const QString name = QString::fromUtf8(row.name);
    const QString text = QString::fromUtf8(row.text ? row.text : "");
    QWidget *w = window->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));

    QWidget *expectedParent = row.container ? window->findChild<QWidget *>(QString::fromUtf8(row.container))
                                            : window;
    QVERIFY(expectedParent);
    QCOMPARE(w->parentWidget(), expectedParent);

    switch (row.kind) {
    case Kind::Frame:
        QVERIFY(qobject_cast<QGroupBox *>(w));
        QCOMPARE(qobject_cast<QGroupBox *>(w)->title(), text);
        break;
    case Kind::Label:
        QVERIFY(qobject_cast<QLabel *>(w));
        QCOMPARE(qobject_cast<QLabel *>(w)->text(), text);
        QCOMPARE(qobject_cast<QLabel *>(w)->alignment() & Qt::AlignHorizontal_Mask, Horizontal(row.align));
        break;
    case Kind::TextBox:
        QVERIFY(qobject_cast<QLineEdit *>(w));
        QCOMPARE(qobject_cast<QLineEdit *>(w)->text(), text);
        QVERIFY(!qobject_cast<QLineEdit *>(w)->isReadOnly());
        break;
    case Kind::Button:
        QVERIFY(qobject_cast<QPushButton *>(w));
        QCOMPARE(qobject_cast<QPushButton *>(w)->text(), text);
        break;
    case Kind::Rectangle:
        QVERIFY(qobject_cast<RectangleWidget *>(w));
        break;
    case Kind::Line: {
        auto *line = qobject_cast<LineWidget *>(w);
        QVERIFY(line);
        QCOMPARE(line->From(), QPoint(Pixels(row.left), Pixels(row.top)));
        QCOMPARE(line->To(), QPoint(Pixels(row.width), Pixels(row.height)));
        break;
    }
    case Kind::OptionButton:
    case Kind::Picture:
        QFAIL("no such control in this window");
    }
    if (row.kind != Kind::Line)
        QCOMPARE(w->geometry(), QRect(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height)));

    QCOMPARE(w->font().family(), QString::fromUtf8(row.font.family));
    QCOMPARE(w->font().pointSizeF(), row.font.points);
    QCOMPARE(w->font().bold(), row.font.bold);
    const QColor colour = row.colour ? QColor(*row.colour) : QApplication::palette().color(QPalette::WindowText);
    QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    QCOMPARE(w->isVisibleTo(window), true);
    QCOMPARE(w->isEnabled(), true);
}
