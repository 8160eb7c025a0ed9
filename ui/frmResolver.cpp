#include "frmResolver.h"

#include "Widgets.h"
#include "figure.h"
#include "solution_text.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const kPartNames[kTriangleParts] = {
    QT_TRANSLATE_NOOP("frmResolver", "Lado a"),   QT_TRANSLATE_NOOP("frmResolver", "Lado b"),
    QT_TRANSLATE_NOOP("frmResolver", "Lado c"),   QT_TRANSLATE_NOOP("frmResolver", "Ángulo A"),
    QT_TRANSLATE_NOOP("frmResolver", "Ángulo B"), QT_TRANSLATE_NOOP("frmResolver", "Ángulo C"),
};

// The boxes take the figure's colours: data in one, results in the other.
QColor Colour(std::string_view name) { return QColor(QLatin1String(name.data(), qsizetype(name.size()))); }
const QColor kDataColour = Colour(kFigureDatumColour);
const QColor kResultColour = Colour(kFigureResultColour);
const QColor kUnreadable(255, 214, 214);

QString Text(const std::string &text) { return QString::fromStdString(text); }

// How a box shows what it holds: typed by the user, unreadable, or a result,
// which is flat, tinted and takes no typing.
enum class Look { Typed, Unreadable, Result };

void SetLook(QLineEdit *box, Look look)
{
    QPalette palette = QApplication::palette(box);
    if (look == Look::Unreadable)
        palette.setColor(QPalette::Base, kUnreadable);
    if (look == Look::Result) {
        // A pale wash of the results' colour. Not in italics as in the figure:
        // the frame and the wash already tell them apart, and one more face to
        // load would slow the start.
        const auto wash = [](int c) { return 255 - (255 - c) / 12; };
        palette.setColor(QPalette::Base, QColor(wash(kResultColour.red()), wash(kResultColour.green()),
                                                wash(kResultColour.blue())));
        palette.setColor(QPalette::Text, kResultColour);
    } else {
        palette.setColor(QPalette::Text, kDataColour);
    }
    box->setPalette(palette);
    box->setReadOnly(look == Look::Result);
    box->setFrame(look != Look::Result);
    // Filled edge to edge: a new result repaints the box alone, not the frame
    // around it, which keeps a keystroke fast.
    box->setAutoFillBackground(look == Look::Result);
}

// A box for a part or a result, `room` wide at least and as tall as a box
// with a frame, with or without one.
TextBox *Box(QWidget *parent, int room, int height)
{
    auto *box = new TextBox(QString(), parent);
    box->setMinimumWidth(room);
    box->setFixedHeight(height);
    return box;
}

QPushButton *Button(const char *name, const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Return and Enter press the button that has the focus; there is no
    // default button, so Return in a box presses nothing.
    button->setAutoDefault(true);
    button->setToolTip(tip);
    return button;
}

} // namespace

frmResolver::frmResolver(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmResolver"));
    setWindowTitle(tr("Sorvani: resolver cualquier triángulo"));
    setWindowIcon(ProgramIcon());

    // Room for an angle of degrees, minutes and seconds, and for a result
    // such as "12345.6789" or "1.2346E-100"; a longer text is its tooltip.
    const int angleRoom = fontMetrics().horizontalAdvance(QStringLiteral("000° 00′ 00.00″")) + 16;
    const int resultRoom = fontMetrics().horizontalAdvance(QStringLiteral("0.0000E-000")) + 16;
    const int boxHeight = QLineEdit().sizeHint().height();

    // Created in reading order, which is the tab order.
    auto *dataBox = new Section(tr("Datos: tres partes, al menos un lado"), this);
    auto *dataGrid = new QGridLayout;
    for (int i = 0; i < kTriangleParts; ++i) {
        auto *label = new QLabel(tr(kPartNames[i]), dataBox);
        TextBox *box = Box(dataBox, angleRoom, boxHeight);
        box->setObjectName(QStringLiteral("part%1").arg(i));
        box->setAccessibleName(tr(kPartNames[i]));
        SetLook(box, Look::Typed);
        label->setBuddy(box);
        dataGrid->addWidget(label, i / 3, i % 3 * 2);
        dataGrid->addWidget(box, i / 3, i % 3 * 2 + 1);
        parts_[i] = box;
    }
    dataBox->SetContents(dataGrid);

    auto *showBox = new Section(tr("Mostrar"), this);
    auto *showGrid = new QGridLayout;
    dms_ = new OptionButton(tr("grados, minutos y segundos"), showBox);
    decimal_ = new OptionButton(tr("grados decimales"), showBox);
    dms_->setChecked(true);
    auto *decimalsLabel = new QLabel(tr("Decimales"), showBox);
    decimals_ = new QSpinBox(showBox);
    decimals_->setRange(0, 10);
    decimals_->setValue(4);
    decimals_->setAccessibleName(tr("Decimales"));
    decimalsLabel->setBuddy(decimals_);
    showGrid->addWidget(dms_, 0, 0, 1, 2);
    showGrid->addWidget(decimal_, 1, 0, 1, 2);
    showGrid->addWidget(decimalsLabel, 2, 0);
    showGrid->addWidget(decimals_, 2, 1);
    showBox->SetContents(showGrid);

    status_ = new StatusLine(this);
    status_->setAccessibleName(tr("Estado"));
    first_ = new OptionButton(tr("Solución 1"), this);
    second_ = new OptionButton(tr("Solución 2"), this);
    auto *solutions = new QButtonGroup(this);
    solutions->addButton(first_);
    solutions->addButton(second_);
    first_->setChecked(true);

    auto *resultBox = new Section(tr("Resultados"), this);
    auto *resultGrid = new QGridLayout;
    const auto addResult = [&](const QString &name, int row, int column, int span = 1) {
        auto *label = new QLabel(name, resultBox);
        TextBox *box = Box(resultBox, resultRoom, boxHeight);
        if (span == 1)
            box->setMaximumWidth(resultRoom);
        SetLook(box, Look::Result);
        box->setAccessibleName(name);
        label->setBuddy(box);
        resultGrid->addWidget(label, row, column * 2);
        resultGrid->addWidget(box, row, column * 2 + 1, 1, span);
        return box;
    };
    area_ = addResult(tr("Área"), 0, 0);
    perimeter_ = addResult(tr("Perímetro"), 0, 1);
    semiperimeter_ = addResult(tr("Semiperímetro"), 0, 2);
    const QString letters = QStringLiteral("abc");
    for (int i = 0; i < 3; ++i)
        heights_[i] = addResult(tr("Altura sobre %1").arg(letters[i]), 1, i);
    for (int i = 0; i < 3; ++i)
        medians_[i] = addResult(tr("Mediana de %1").arg(letters[i]), 2, i);
    for (int i = 0; i < 3; ++i)
        bisectors_[i] = addResult(tr("Bisectriz de %1").arg(letters[i].toUpper()), 3, i);
    inradius_ = addResult(tr("Radio inscrito"), 4, 0);
    circumradius_ = addResult(tr("Radio circunscrito"), 4, 1);
    type_ = addResult(tr("Tipo"), 5, 0, 5);
    resultGrid->setRowStretch(6, 1);
    resultBox->SetContents(resultGrid);

    auto *figureBox = new Section(tr("Figura"), this);
    figureBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *figureLayout = new QVBoxLayout;
    figure_ = new SvgPicture(figureBox);
    figure_->setAccessibleName(tr("Figura del triángulo"));
    figure_->setMinimumSize(200, 150);
    figure_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    figureLayout->addWidget(figure_);
    figureBox->SetContents(figureLayout);

    auto *stepsBox = new Section(tr("Pasos"), this);
    auto *stepsLayout = new QVBoxLayout;
    steps_ = new QPlainTextEdit(stepsBox);
    steps_->setReadOnly(true);
    steps_->setAccessibleName(tr("Pasos"));
    // Always there: a scroll bar that came and went would lay the area out again.
    steps_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    steps_->setMinimumHeight(fontMetrics().lineSpacing() * 6);
    stepsLayout->addWidget(steps_);
    stepsBox->SetContents(stepsLayout);

    copy_ = Button("copy", tr("&Copiar"), tr("Copia la solución como texto (Ctrl+C)"), this);
    save_ = Button("save", tr("&Guardar figura…"), tr("Guarda la figura como SVG o PNG (Ctrl+S)"), this);
    print_ = Button("print", tr("&Imprimir…"), tr("Imprime figura, resultados y pasos (Ctrl+P)"), this);
    pdf_ = Button("pdf", tr("E&xportar a PDF…"), tr("Guarda figura, resultados y pasos en PDF (Ctrl+Mayús+E)"), this);
    clear_ = Button("clear", tr("&Borrar"), tr("Vacía todas las casillas"), this);
    close_ = Button("close", tr("Ce&rrar"), tr("Cierra la ventana (Ctrl+W)"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(dataBox, 1);
    top->addWidget(showBox);
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(first_);
    statusRow->addWidget(second_);
    auto *middle = new QHBoxLayout;
    middle->addWidget(figureBox, 1);
    middle->addWidget(resultBox);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {copy_, save_, print_, pdf_, clear_, close_})
        buttons->addWidget(button);
    buttons->insertStretch(4);
    auto *page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(statusRow);
    page->addLayout(middle, 3);
    page->addWidget(stepsBox, 2);
    page->addLayout(buttons);
    // Shown or hidden, the switch keeps its room: the window does not jump.
    for (QWidget *w : {static_cast<QWidget *>(first_), static_cast<QWidget *>(second_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    const auto bind = [this](const QKeySequence &keys, QPushButton *button, void (frmResolver::*slot)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
        connect(button, &QPushButton::clicked, this, slot);
    };
    bind(QKeySequence::Copy, copy_, &frmResolver::Copy);
    bind(QKeySequence::Save, save_, &frmResolver::SaveFigureAs);
    bind(QKeySequence::Print, print_, &frmResolver::PrintAs);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), pdf_, &frmResolver::ExportPdfAs);
    bind(QKeySequence::Close, close_, &frmResolver::CloseWindow);
    connect(clear_, &QPushButton::clicked, this, &frmResolver::Clear);

    for (int i = 0; i < kTriangleParts; ++i)
        connect(parts_[i], &QLineEdit::textEdited, this, [this, i] { PartEdited(i); });
    connect(decimals_, &QSpinBox::valueChanged, this, &frmResolver::ShowTriangle);
    connect(dms_, &QRadioButton::toggled, this, &frmResolver::ShowTriangle);
    connect(second_, &QRadioButton::toggled, this, [this](bool on) {
        shown_ = on ? 1 : 0;
        ShowTriangle();
    });

    // Ctrl+C copies a selection where there is one, else the solution.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    steps_->installEventFilter(this);
    decimals_->installEventFilter(this);

    Solve();
    // Roomy where the screen allows; never below what the layout needs.
    const QSize size(1000, 700);
    resize(screen() ? size.boundedTo(screen()->availableGeometry().size() * 9 / 10) : size);
}

frmResolver::~frmResolver() = default;

bool frmResolver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        bool selection;
        if (watched == steps_)
            selection = steps_->textCursor().hasSelection();
        else if (watched == decimals_)
            selection = decimals_->findChild<QLineEdit *>()->hasSelectedText();
        else
            selection = static_cast<QLineEdit *>(watched)->hasSelectedText();
        // Left unaccepted, the key goes on to the window's own copy.
        if (!selection)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmResolver::PartEdited(int part)
{
    datum_[part] = !parts_[part]->text().trimmed().isEmpty();
    Solve();
}

void frmResolver::Solve()
{
    std::array<std::string, kTriangleParts> texts;
    for (int i = 0; i < kTriangleParts; ++i)
        texts[i] = datum_[i] ? parts_[i]->text().toStdString() : std::string();
    const bool wasTwo = view_.Count() == 2;
    view_ = calc::ResolverView(texts, datum_);
    for (int i = 0; i < kTriangleParts; ++i) {
        const calc::BoxLook seen = view_.Look(i);
        // With three data the other boxes show the solution and take no typing.
        const Look look = seen == calc::BoxLook::Result       ? Look::Result
                          : seen == calc::BoxLook::Unreadable ? Look::Unreadable
                                                              : Look::Typed;
        if (looks_[i] != int(look)) {
            looks_[i] = int(look);
            SetLook(parts_[i], look);
            parts_[i]->setAccessibleDescription(look == Look::Unreadable ? tr("no se puede leer") : QString());
        }
    }
    status_->SetText(Text(view_.Status()));
    if (!wasTwo || view_.Count() != 2) {
        shown_ = 0;
        const QSignalBlocker blocker(second_);
        first_->setChecked(true);
    }
    first_->setVisible(view_.Count() == 2);
    second_->setVisible(first_->isVisible());
    copy_->setEnabled(view_.Read());
    ShowTriangle();
}

calc::ResolverDisplay frmResolver::Display() const
{
    return {decimals_->value(), dms_->isChecked() ? AngleStyle::Dms : AngleStyle::Decimal, shown_};
}

QString frmResolver::PartText(int part) const
{
    return Text(view_.PartText(part, Display()));
}

void frmResolver::ShowTriangle()
{
    const calc::ResolverDisplay display = Display();
    const SolvedTriangle &t = view_.Triangle(display);
    const auto length = [&](double x) { return Text(view_.LengthText(x, display)); };
    for (int i = 0; i < kTriangleParts; ++i)
        if (!datum_[i])
            parts_[i]->Write(PartText(i));
    area_->Write(length(t.area));
    perimeter_->Write(length(t.perimeter));
    semiperimeter_->Write(length(t.semiperimeter));
    for (int i = 0; i < 3; ++i) {
        heights_[i]->Write(length(t.heights[i]));
        medians_[i]->Write(length(t.medians[i]));
        bisectors_[i]->Write(length(t.bisectors[i]));
    }
    inradius_->Write(length(t.inradius));
    circumradius_->Write(length(t.circumradius));
    type_->Write(Text(view_.TypeText(display)));

    figure_->SetSvg(QByteArray::fromStdString(view_.FigureSvg(display)));
    figure_->setAccessibleDescription(Text(view_.FigureDescription(display)));

    steps_->setPlainText(Text(view_.WorkingText(display)));

    for (QPushButton *button : {save_, print_, pdf_})
        button->setEnabled(Solved());
}

void frmResolver::Copy()
{
    // What `sorvani-calc resolver` prints.
    if (view_.Read())
        QGuiApplication::clipboard()->setText(Text(view_.CopyText(Display())));
}

void frmResolver::CloseWindow()
{
    close();
}

void frmResolver::Clear()
{
    datum_.fill(false);
    for (TextBox *box : parts_)
        box->clear();
    Solve();
    parts_[0]->setFocus();
}

bool frmResolver::SaveFigure(const QString &path)
{
    const QByteArray svg = QByteArray::fromStdString(view_.FigureSvg(Display()));
    if (svg.isEmpty())
        return false;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(svg);
        QImage image(renderer.defaultSize() * 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        return image.save(path, "PNG");
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size() && file.flush();
}

void frmResolver::SaveFigureAs()
{
    if (!Solved())
        return;
    const QString svg = tr("Imagen SVG (*.svg)");
    const QString png = tr("Imagen PNG (*.png)");
    QString filter = svg;
    QString path = QFileDialog::getSaveFileName(this, tr("Guardar figura"), tr("triangulo.svg"),
                                                svg + QStringLiteral(";;") + png, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == png ? QStringLiteral(".png") : QStringLiteral(".svg");
    if (!SaveFigure(path))
        QMessageBox::warning(this, tr("Guardar figura"), tr("No se pudo guardar la figura en %1.").arg(path));
}

bool frmResolver::ExportPdf(const QString &path)
{
    if (!Solved())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(tr("Sorvani - triángulo"));
    Print(printer);
    return QFileInfo(path).size() > 0;
}

void frmResolver::ExportPdfAs()
{
    if (!Solved())
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Exportar a PDF"), tr("triangulo.pdf"),
                                                      tr("Documento PDF (*.pdf)"));
    if (!path.isEmpty() && !ExportPdf(path))
        QMessageBox::warning(this, tr("Exportar a PDF"), tr("No se pudo escribir %1.").arg(path));
}

void frmResolver::PrintAs()
{
    if (!Solved())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(tr("Sorvani - triángulo"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void frmResolver::Print(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    PaintPage(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
}

void frmResolver::PaintPage(QPainter &painter, const QRectF &page)
{
    const auto font = [&](double points, bool bold) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return QFont(f, painter.device());
    };
    const auto line = [&](double points) { return QFontMetricsF(font(points, false)).lineSpacing(); };
    double y = page.top();
    const auto write = [&](const QRectF &box, double points, bool bold, const QString &text) {
        painter.setFont(font(points, bold));
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        return used.height();
    };

    y += write(QRectF(page.left(), y, page.width(), page.height()), 14, true, windowTitle());
    QString headline = Text(SolutionHeadline(view_.Solution()));
    if (view_.Count() == 2)
        headline += tr(" (se muestra la solución %1)").arg(shown_ + 1);
    y += write(QRectF(page.left(), y, page.width(), page.height()), 10, false, headline) + line(10) / 2;

    QSvgRenderer renderer(QByteArray::fromStdString(view_.FigureSvg(Display())));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    const QRectF figure(page.left(), y, page.width(), page.height() * 0.38);
    renderer.render(&painter, figure);
    y = figure.bottom() + line(10);

    // Results on the left, the working on the right, both as large as fits.
    QStringList results;
    for (int i = 0; i < kTriangleParts; ++i)
        results << (datum_[i] ? tr("%1 = %2 (dato)") : tr("%1 = %2")).arg(parts_[i]->accessibleName(), PartText(i));
    results << QString();
    for (TextBox *box : {area_, perimeter_, semiperimeter_, heights_[0], heights_[1], heights_[2], medians_[0],
                         medians_[1], medians_[2], bisectors_[0], bisectors_[1], bisectors_[2], inradius_,
                         circumradius_, type_})
        results << tr("%1 = %2").arg(box->accessibleName(), box->text());
    const QString resultText = results.join(QLatin1Char('\n'));
    const QString stepsText = steps_->toPlainText();
    const double gap = page.width() * 0.04;
    const QRectF left(page.left(), y, page.width() * 0.36, page.bottom() - y);
    const QRectF right(left.right() + gap, y, page.right() - left.right() - gap, page.bottom() - y);
    double points = 10;
    for (; points > 5; points -= 0.5) {
        painter.setFont(font(points, false));
        const double heading = line(points) * 1.5;
        if (painter.boundingRect(left, Qt::TextWordWrap, resultText).height() + heading <= left.height()
            && painter.boundingRect(right, Qt::TextWordWrap, stepsText).height() + heading <= right.height())
            break;
    }
    const double heading = line(points) * 1.5;
    write(left, points, true, tr("Datos y resultados"));
    write(left.adjusted(0, heading, 0, 0), points, false, resultText);
    write(right, points, true, tr("Pasos"));
    write(right.adjusted(0, heading, 0, 0), points, false, stepsText);
}
