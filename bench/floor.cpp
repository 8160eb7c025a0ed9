// The start-up floor: the least a Qt 6 Widgets program with a window of about
// forty controls costs to show that window. bench/startup.sh compares Sorvani
// with it; it shares no code with Sorvani on purpose.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *grid = new QGridLayout(&window);
    // 14 labels, 14 line edits and 12 buttons: 40 controls, about as many as
    // the largest window of the program.
    for (int row = 0; row < 14; ++row) {
        grid->addWidget(new QLabel(QStringLiteral("Label %1").arg(row + 1)), row, 0);
        grid->addWidget(new QLineEdit(QStringLiteral("%1").arg(row * 1.25)), row, 1);
        if (row < 12)
            grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(row + 1)), row, 2);
    }
    window.show();
    return app.exec();
}
