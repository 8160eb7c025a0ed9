// The main menu and the three-sides window as built: every control against
// its table row, some rows against numbers written here, the tab order, the
// frames' look and no clipped caption.
#include "CaptionFit.h"
#include "Form1.h"
#include "Form2.h"
#include "SolverWindowTest.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>

#include <memory>

namespace {

struct WindowUnderTest {
    const WindowSpec &layout;
    const std::vector<ControlSpec> &table;
};

WindowUnderTest Describe(WindowId id)
{
    if (id == WindowId::Form1)
        return {Form1::Window(), Form1::Table()};
    return {Form2::Window(), Form2::Table()};
}

const ControlSpec *Row(const std::vector<ControlSpec> &table, const QString &name)
{
    for (const ControlSpec &row : table) {
        if (QString::fromUtf8(row.name) == name)
            return &row;
    }
    return nullptr;
}

// Where a row's point lies in its parent's pixels.
QPoint InParent(const WindowUnderTest &w, const ControlSpec &row, int x, int y)
{
    QPoint p(Pixels(x), Pixels(y));
    if (row.container && w.layout.coordinates == Coordinates::WindowClientArea) {
        const ControlSpec *frame = Row(w.table, QString::fromUtf8(row.container));
        p -= QPoint(Pixels(frame->left), Pixels(frame->top));
    }
    return p;
}

bool IsKind(QWidget *w, Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QGroupBox *>(w);
    case Kind::Label:
        return qobject_cast<QLabel *>(w);
    case Kind::TextBox:
        return qobject_cast<QLineEdit *>(w);
    case Kind::OptionButton:
        return qobject_cast<QRadioButton *>(w);
    case Kind::Button:
        return qobject_cast<QPushButton *>(w);
    case Kind::Picture:
        return qobject_cast<ExamplePicture *>(w);
    case Kind::Line:
        return qobject_cast<LineWidget *>(w);
    case Kind::Rectangle:
        return qobject_cast<RectangleWidget *>(w);
    }
    return false;
}

} // namespace

class TestLayoutForm12 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingServices> services;

    QWidget *Open(WindowId id)
    {
        services->ShowWindow(id);
        return services->Window(id);
    }

    static void AddWindowColumn()
    {
        QTest::addColumn<int>("window");
    }

private slots:
    void initTestCase()
    {
        InstallTestLook();
        // Without the substitution every measurement below would be of the wrong face.
        QCOMPARE(QFontInfo(MakeFont(kDefaultFont)).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(MakeFont(kLargeBold)).family(), QStringLiteral("Liberation Sans"));
    }

    void init() { services = std::make_unique<RecordingServices>(); }
    void cleanup() { services.reset(); }

    void window_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::newRow("Form1") << int(WindowId::Form1) << "Form1"
                               << QStringLiteral("Sorvani ver 1.3:  Solución de triángulos") << QSize(578, 335);
        QTest::newRow("Form2") << int(WindowId::Form2) << "Form2" << QStringLiteral("Conociendo los tres lados")
                               << QSize(707, 432);
    }

    void window()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QWidget *w = Open(WindowId(window));
        QVERIFY(w);
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->windowIcon().pixmap(32).toImage(), ProgramIcon().pixmap(32).toImage());
        QCOMPARE(w->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(w->font().pointSizeF(), 8.25);
        QVERIFY(!w->font().bold());
        QVERIFY(!(w->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
    }

    // Each built control against its row: kind, parent, geometry, text,
    // font and colour. A control inside a coloured, bold frame keeps the
    // default font and colour unless its own row names others.
    void controls_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        for (WindowId id : {WindowId::Form1, WindowId::Form2}) {
            for (const ControlSpec &row : Describe(id).table)
                QTest::newRow(qPrintable(QString::fromUtf8(Describe(id).layout.name) + "/" + row.name))
                    << int(id) << QString::fromUtf8(row.name);
        }
    }

    void controls()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        const WindowUnderTest described = Describe(WindowId(window));
        const ControlSpec &row = *Row(described.table, name);
        QWidget *form = Open(WindowId(window));
        QWidget *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QVERIFY(IsKind(w, row.kind));

        QWidget *parent = row.container ? form->findChild<QWidget *>(QString::fromUtf8(row.container)) : form;
        QVERIFY(parent);
        QCOMPARE(w->parentWidget(), parent);

        if (row.kind == Kind::Line) {
            auto *line = qobject_cast<LineWidget *>(w);
            QCOMPARE(line->From(), InParent(described, row, row.left, row.top));
            QCOMPARE(line->To(), InParent(described, row, row.width, row.height));
            QCOMPARE(line->Colour(), row.colour ? QColor(*row.colour) : QColor(Qt::black));
            QVERIFY(QRect(QPoint(0, 0), parent->size()).contains(line->From()));
            QVERIFY(QRect(QPoint(0, 0), parent->size()).contains(line->To()));
            return;
        }

        QCOMPARE(w->geometry(), QRect(InParent(described, row, row.left, row.top),
                                      QSize(Pixels(row.width), Pixels(row.height))));
        if (row.container) // inside its frame, as drawn
            QVERIFY(QRect(QPoint(0, 0), parent->size()).contains(w->geometry()));
        if (row.kind != Kind::Picture)
            QCOMPARE(Caption(w), QString::fromUtf8(row.text));

        QCOMPARE(w->font().family(), QString::fromUtf8(row.font.family));
        QCOMPARE(w->font().pointSizeF(), row.font.points);
        QCOMPARE(w->font().bold(), row.font.bold);
        QCOMPARE(w->font().italic(), false);

        const QColor colour = row.colour ? QColor(*row.colour) : QApplication::palette().color(QPalette::WindowText);
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
        if (row.kind == Kind::TextBox && !row.colour)
            QCOMPARE(w->palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));

        if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Horizontal(row.align));
            QVERIFY(label->wordWrap());
        }
        if (auto *box = qobject_cast<QLineEdit *>(w))
            QVERIFY(!box->isReadOnly());
        if (auto *option = qobject_cast<QRadioButton *>(w))
            QVERIFY(!option->isChecked());
        // No default button; Return presses the button that has the focus.
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            QVERIFY(!button->isDefault());
            QVERIFY(button->autoDefault());
        }
        QVERIFY(w->isVisibleTo(form));
        QVERIFY(w->isEnabled());
        const bool focusable = row.kind == Kind::TextBox || row.kind == Kind::OptionButton
                               || row.kind == Kind::Button;
        QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), focusable);
    }

    // Nothing built that the table does not list, and the reverse.
    void everyControlOnce_data()
    {
        AddWindowColumn();
        QTest::newRow("Form1") << int(WindowId::Form1);
        QTest::newRow("Form2") << int(WindowId::Form2);
    }

    void everyControlOnce()
    {
        QFETCH(int, window);
        QWidget *form = Open(WindowId(window));
        QCOMPARE(ControlNames(form), TableNames(Describe(WindowId(window)).table));
    }

    // Some rows as written here, so that a row copied wrongly into a table
    // is caught: parent, pixels, font size and bold, colour.
    void asWritten_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        const int f1 = int(WindowId::Form1), f2 = int(WindowId::Form2);
        const QColor plain = QApplication::palette().color(QPalette::WindowText);

        QTest::newRow("Form1/Frame1") << f1 << "Frame1" << "Form1" << QRect(264, 40, 281, 129) << 9.75 << true
                                      << QColor(0, 0, 192);
        QTest::newRow("Form1/Option3") << f1 << "Option3" << "Frame1" << QRect(16, 80, 257, 25) << 8.25 << false
                                       << plain;
        QTest::newRow("Form1/Command2") << f1 << "Command2" << "Form1" << QRect(432, 184, 105, 33) << 8.25 << true
                                        << plain;
        QTest::newRow("Form1/Label1") << f1 << "Label1" << "Frame4" << QRect(16, 16, 169, 17) << 8.25 << false
                                      << QColor(0, 0, 128);

        QTest::newRow("Form2/Frame1") << f2 << "Frame1" << "Form2" << QRect(24, 16, 361, 225) << 8.25 << true
                                      << QColor(0, 0, 192);
        QTest::newRow("Form2/Text1") << f2 << "Text1" << "Form2" << QRect(136, 56, 57, 19) << 8.25 << false << plain;
        QTest::newRow("Form2/Label9") << f2 << "Label9" << "Frame1" << QRect(272, 184, 33, 17) << 9.75 << true
                                      << plain;
        QTest::newRow("Form2/Frame5") << f2 << "Frame5" << "Form2" << QRect(408, 160, 273, 153) << 8.25 << true
                                      << QColor(64, 64, 0);
        QTest::newRow("Form2/Text17") << f2 << "Text17" << "Frame5" << QRect(192, 112, 65, 19) << 8.25 << false
                                      << plain;
        QTest::newRow("Form2/Text7") << f2 << "Text7" << "Frame4" << QRect(128, 24, 89, 19) << 8.25 << false << plain;
        QTest::newRow("Form2/Text8") << f2 << "Text8" << "Form2" << QRect(128, 296, 57, 19) << 8.25 << false << plain;
        QTest::newRow("Form2/Label22") << f2 << "Label22" << "Form2" << QRect(480, 392, 201, 25) << 8.25 << false
                                       << QColor(0, 0, 0);
    }

    void asWritten()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QWidget *form = Open(WindowId(window));
        QWidget *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->palette().color(QPalette::WindowText), colour);
    }

    void form2TextsAsWritten()
    {
        QWidget *form = Open(WindowId::Form2);
        const QStringList labels{"Label1", "Label2", "Label3", "Label4", "Label7", "Label8", "Frame5", "Label22"};
        QStringList captions;
        for (const QString &name : labels)
            captions << Caption(form->findChild<QWidget *>(name));
        QCOMPARE(captions, QStringList({"Lado    a", "Lado   b", "Lado   c", QStringLiteral("Ángulo A ="),
                                        QStringLiteral("Área ="), "Suma angular =", "Resultados en dd, mm,ss.",
                                        "Programa por: Equipo Sorvani (2005)"}));
    }

    void form2LinesAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        // In Frame1's pixels; the frame lies at (24, 16).
        QTest::newRow("Line1") << "Line1" << QPoint(296, 16) << QPoint(224, 192);
        QTest::newRow("Line3") << "Line3" << QPoint(224, 192) << QPoint(328, 168);
        QTest::newRow("Line6") << "Line6" << QPoint(328, 136) << QPoint(304, 184);
    }

    void form2LinesAsWritten()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        CheckFigureLine(Open(WindowId::Form2), name, from, to);
    }

    // The side boxes and the sum box lie over their frames, not under them.
    void form2BoxesAboveTheirFrames()
    {
        QWidget *form = Open(WindowId::Form2);
        const QList<QObject *> stack = form->children();
        for (const auto &[box, frame] : {std::pair{"Text1", "Frame1"}, std::pair{"Text3", "Frame1"},
                                         std::pair{"Text8", "Frame3"}}) {
            QWidget *b = form->findChild<QWidget *>(box);
            QWidget *f = form->findChild<QWidget *>(frame);
            QVERIFY(f->geometry().contains(b->geometry()));
            QVERIFY2(stack.indexOf(b) > stack.indexOf(f), box);
            QCOMPARE(form->childAt(b->geometry().center()), b);
        }
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Form1") << int(WindowId::Form1)
                               << QStringList{"Option1", "Option2", "Command1", "Command2", "Command3", "Command4",
                                              "Option3"};
        QTest::newRow("Form2") << int(WindowId::Form2)
                               << QStringList{"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",   "Command1",
                                              "Command2", "Command3", "Text8", "Text7", "Text17", "Text16", "Text15",
                                              "Text14", "Text13", "Text12", "Text11", "Text10", "Text9", "Command4"};
    }

    void tabOrder()
    {
        QFETCH(int, window);
        QFETCH(QStringList, order);
        QWidget *form = Open(WindowId(window));
        QCOMPARE(form->focusWidget()->objectName(), order.front());
        QCOMPARE(TabChain(form), order);
    }

    // Tab pressed on the three-sides window walks its boxes and buttons
    // in order and comes back to the first.
    void tabKeyOnForm2()
    {
        QWidget *form = Open(WindowId::Form2);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget *>("Text1"));
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 21; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Command2",
                                      "Command3", "Text8", "Text7", "Text17", "Text16", "Text15", "Text14", "Text13",
                                      "Text12", "Text11", "Text10", "Text9", "Command4", "Text1"}));
    }

    void noClippedCaption_data()
    {
        AddWindowColumn();
        QTest::newRow("Form1") << int(WindowId::Form1);
        QTest::newRow("Form2") << int(WindowId::Form2);
    }

    void noClippedCaption()
    {
        QFETCH(int, window);
        QWidget *form = Open(WindowId(window));
        const QStringList clipped = ClippedCaptions(form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    // A frame draws its outline through the middle of its caption, in the
    // caption's colour only, so that the controls placed 16 pixels below
    // its top stay clear of the outline.
    void frameLook_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("name");
        for (WindowId id : {WindowId::Form1, WindowId::Form2}) {
            for (const ControlSpec &row : Describe(id).table) {
                if (row.kind == Kind::Frame)
                    QTest::newRow(qPrintable(QString::fromUtf8(Describe(id).layout.name) + "/" + row.name))
                        << int(id) << QString::fromUtf8(row.name);
            }
        }
    }

    void frameLook()
    {
        QFETCH(int, window);
        QFETCH(QString, name);
        QWidget *form = Open(WindowId(window));
        auto *frame = form->findChild<QGroupBox *>(name);
        QVERIFY(frame);
        const QImage image = frame->grab().toImage();
        const QFontMetrics metrics(frame->font());
        const int middle = metrics.height() / 2;
        const QRgb dark = frame->palette().color(QPalette::Dark).rgb();

        // The top outline: right of the caption, on the caption's middle row.
        const int x = frame->width() - 4;
        int top = -1;
        for (int y = 0; y < image.height() && top < 0; ++y) {
            if (image.pixel(x, y) == dark)
                top = y;
        }
        QCOMPARE(top, middle);
        QVERIFY(top < Pixels(240));

        // The caption in its own colour, the outline never.
        // Thin strokes are smoothed into the background, so allow some spread.
        const QColor captionColour = frame->palette().color(QPalette::WindowText);
        const auto near = [&](QRgb pixel) {
            const QColor c(pixel);
            return qAbs(c.red() - captionColour.red()) <= 48 && qAbs(c.green() - captionColour.green()) <= 48
                   && qAbs(c.blue() - captionColour.blue()) <= 48;
        };
        int captionPixels = 0;
        for (int y = 0; y < metrics.height(); ++y) {
            for (int x = 0; x < 8 + metrics.horizontalAdvance(frame->title()); ++x)
                captionPixels += near(image.pixel(x, y));
        }
        QVERIFY2(captionPixels > 10, qPrintable(QString::number(captionPixels)));
        QVERIFY(!near(image.pixel(x, middle)));
        QVERIFY(!near(image.pixel(2, frame->height() / 2))); // the left outline
    }
};

QTEST_MAIN(TestLayoutForm12)
#include "tst_layout_form12.moc"
