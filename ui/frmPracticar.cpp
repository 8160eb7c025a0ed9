#include "frmPracticar.h"

#include "Widgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kUnreadable(255, 214, 214); // as the window for any triangle marks a box
const QColor kRight(0, 110, 40);
const QColor kWrong(170, 0, 20);

QString Text(const std::string &text) { return QString::fromStdString(text); }

std::uint64_t DrawnSeed() { return QRandomGenerator::system()->generate64(); }

// The kept practice as the settings hold it. A hand-edited line with a bare
// comma reads back as a list: that is no store either, and is set aside
// rather than dropped.
std::string Stored(const QSettings &settings)
{
    const QVariant value = settings.value(QLatin1String(frmPracticar::kStoreKey));
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

// A whole link carries the address after its "#"; without one that names a
// set, the set practised last.
std::string AddressOf(const QString &link, const std::string &store)
{
    const std::string address = link.mid(link.indexOf(QLatin1Char('#')) + 1).trimmed().toStdString();
    return calc::ReadPracticeAddress(address, 0) ? address : calc::Practice::LastAddress(store);
}

QPushButton *Button(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    // Return and Enter press the button that has the focus; there is no
    // default button, so Return in a box presses nothing.
    button->setAutoDefault(true);
    button->setToolTip(tip);
    return button;
}

void SetInvalid(QWidget *box, bool invalid)
{
    QPalette palette = QApplication::palette(box);
    if (invalid)
        palette.setColor(QPalette::Base, kUnreadable);
    box->setPalette(palette);
}

// A mark as visible text, coloured by what it says; the same words are the
// described control's accessible description.
void SetMark(QLabel *label, QWidget *described, const std::string &mark, bool invalid)
{
    const QString text = Text(mark);
    label->setText(text);
    QPalette palette = QApplication::palette(label);
    if (invalid)
        palette.setColor(QPalette::WindowText, kWrong);
    else if (!text.isEmpty() && mark.starts_with("Correcto"))
        palette.setColor(QPalette::WindowText, kRight);
    label->setPalette(palette);
    if (described->accessibleDescription() != text)
        described->setAccessibleDescription(text);
}

// Replaces a text area's text only when it changed, so that it keeps its
// place; new lines at the end scroll into view.
void SetArea(QPlainTextEdit *area, const QString &text)
{
    if (area->toPlainText() == text)
        return;
    area->setPlainText(text);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
}

} // namespace

frmPracticar::frmPracticar(const QString &address, QWidget *parent)
    : QWidget(parent), settings_(new QSettings(QStringLiteral("Sorvani"), QStringLiteral("sorvani"), this)),
      practice_(Stored(*settings_), AddressOf(address, Stored(*settings_)), DrawnSeed(), kLink)
{
    setObjectName(QStringLiteral("frmPracticar"));
    setWindowTitle(tr("Sorvani: practicar"));
    setWindowIcon(ProgramIcon());

    if (!practice_.SetAside().empty())
        settings_->setValue(QLatin1String(kSetAsideKey), Text(practice_.SetAside()));
    if (!address.trimmed().isEmpty()
        && !calc::ReadPracticeAddress(address.mid(address.indexOf(QLatin1Char('#')) + 1).toStdString(), 0))
        note_ = tr("«%1» no nombra ninguna práctica (semilla, casos, problemas, decimales): se abre la última, "
                   "o una nueva.")
                    .arg(address);

    // Everything scrolls in a small window; the widgets are made in reading
    // order, which is the tab order.
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto *content = new QWidget(scroll);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    const int boxRoom = fontMetrics().horizontalAdvance(QStringLiteral("000° 00′ 00.00″")) + 16;

    message_ = new StatusLine(content);
    message_->setAccessibleName(tr("Mensaje"));
    QPalette messagePalette = message_->palette();
    messagePalette.setColor(QPalette::WindowText, kWrong);
    message_->setPalette(messagePalette);

    // The problem.
    problemPage_ = new QWidget(content);
    heading_ = new QLabel(problemPage_);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading_->setFont(headingFont);

    auto *statement = new Section(tr("Enunciado"), problemPage_);
    auto *dataLabel = new QLabel(tr("Datos:"), statement);
    data_ = new QLabel(statement);
    data_->setAccessibleName(tr("Datos"));
    data_->setTextFormat(Qt::PlainText);
    data_->setWordWrap(true);
    data_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont dataFont = data_->font();
    dataFont.setPointSizeF(dataFont.pointSizeF() * 1.15);
    data_->setFont(dataFont);
    sketch_ = new SvgPicture(statement);
    sketch_->setMinimumSize(200, 150);
    sketch_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *dataRow = new QHBoxLayout;
    dataRow->addWidget(dataLabel);
    dataRow->addWidget(data_, 1);
    auto *statementLayout = new QVBoxLayout;
    statementLayout->addLayout(dataRow);
    statementLayout->addWidget(sketch_, 1);
    statement->SetContents(statementLayout);

    auto *answers = new Section(tr("Respuestas"), problemPage_);
    countBox_ = new QGroupBox(tr("¿Cuántos triángulos?"), answers);
    countBox_->setAccessibleName(countBox_->title());
    count_ = new QButtonGroup(this);
    const char *const countNames[] = {QT_TR_NOOP("Ninguno"), QT_TR_NOOP("Uno"), QT_TR_NOOP("Dos")};
    auto *countRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        countButtons_[i] = new OptionButton(tr(countNames[i]), countBox_);
        count_->addButton(countButtons_[i], i);
        countRow->addWidget(countButtons_[i]);
    }
    noCount_ = new QRadioButton(countBox_);
    noCount_->hide();
    noCount_->setFocusPolicy(Qt::NoFocus);
    count_->addButton(noCount_, -1);
    noCount_->setChecked(true);
    countMark_ = new QLabel(countBox_);
    countMark_->setWordWrap(true);
    countRow->addWidget(countMark_, 1);
    countBox_->setLayout(countRow);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < calc::kPracticeBoxes; ++i) {
        if (i == calc::kPracticeBoxes / 2) {
            secondSet_ = new QLabel(tr("Segundo triángulo"), answers);
            QFont bold = secondSet_->font();
            bold.setBold(true);
            secondSet_->setFont(bold);
            grid->addWidget(secondSet_, i, 0, 1, 3);
        }
        const int row = i < calc::kPracticeBoxes / 2 ? i : i + 1;
        labels_[i] = new QLabel(answers);
        boxes_[i] = new TextBox(QString(), answers);
        boxes_[i]->setObjectName(QStringLiteral("answer%1").arg(i));
        boxes_[i]->setMinimumWidth(boxRoom);
        boxes_[i]->setMaximumWidth(boxRoom * 3 / 2);
        labels_[i]->setBuddy(boxes_[i]);
        marks_[i] = new QLabel(answers);
        marks_[i]->setWordWrap(true);
        marks_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("No se puede leer")) + 8);
        grid->addWidget(labels_[i], row, 0);
        grid->addWidget(boxes_[i], row, 1);
        grid->addWidget(marks_[i], row, 2);
    }
    check_ = Button(tr("&Comprobar"), tr("Marca cada respuesta"), answers);
    hint_ = Button(tr("&Pista"), tr("Muestra el paso siguiente del cálculo"), answers);
    solution_ = Button(tr("Ver &solución"), tr("Muestra la solución entera"), answers);
    next_ = Button(tr("Si&guiente"), tr("Pasa al problema siguiente; después del último, al resumen"), answers);
    correction_ = new StatusLine(answers);
    correction_->setAccessibleName(tr("Corrección"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {check_, hint_, solution_, next_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *answersLayout = new QVBoxLayout;
    answersLayout->addWidget(countBox_);
    answersLayout->addLayout(grid);
    answersLayout->addStretch(1);
    answersLayout->addLayout(buttons);
    answersLayout->addWidget(correction_);
    answers->SetContents(answersLayout);

    const auto area = [&](const QString &name, const QString &placeholder, QWidget *parent) {
        auto *text = new QPlainTextEdit(parent);
        text->setReadOnly(true);
        text->setAccessibleName(name);
        text->setPlaceholderText(placeholder);
        text->setMinimumHeight(fontMetrics().lineSpacing() * 5);
        text->setTabChangesFocus(true);
        return text;
    };
    auto *hintsLabel = new QLabel(tr("Pistas"), problemPage_);
    hints_ = area(tr("Pistas"), tr("«Pista» escribe aquí el paso siguiente del cálculo."), problemPage_);
    hintsLabel->setBuddy(hints_);
    auto *solutionLabel = new QLabel(tr("Solución"), problemPage_);
    solutionText_ = area(tr("Solución"), tr("«Ver solución» escribe aquí la solución."), problemPage_);
    solutionLabel->setBuddy(solutionText_);

    auto *middle = new QHBoxLayout;
    middle->addWidget(statement, 1);
    middle->addWidget(answers, 1);
    auto *help = new QGridLayout;
    help->addWidget(hintsLabel, 0, 0);
    help->addWidget(hints_, 1, 0);
    help->addWidget(solutionLabel, 0, 1);
    help->addWidget(solutionText_, 1, 1);
    auto *problemLayout = new QVBoxLayout(problemPage_);
    problemLayout->setContentsMargins(0, 0, 0, 0);
    problemLayout->addWidget(heading_);
    problemLayout->addLayout(middle, 3);
    problemLayout->addLayout(help, 1);

    // The summary.
    summaryPage_ = new QWidget(content);
    auto *summaryHeading = new QLabel(tr("Resumen"), summaryPage_);
    summaryHeading->setFont(headingFont);
    table_ = new QTableWidget(0, 3, summaryPage_);
    table_->setAccessibleName(tr("Resumen"));
    table_->setHorizontalHeaderLabels({tr("Problema"), tr("Caso"), tr("Resultado")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    totals_ = new QLabel(summaryPage_);
    totals_->setAccessibleName(tr("Totales"));
    totals_->setWordWrap(true);
    copy_ = Button(tr("Copiar &resumen"), tr("Copia el resumen como texto, con el enlace de la práctica"),
                   summaryPage_);
    auto *copyRow = new QHBoxLayout;
    copyRow->addWidget(totals_, 1);
    copyRow->addWidget(copy_);
    auto *summaryLayout = new QVBoxLayout(summaryPage_);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    summaryLayout->addWidget(summaryHeading);
    summaryLayout->addWidget(table_, 1);
    summaryLayout->addLayout(copyRow);

    progress_ = new StatusLine(content);
    progress_->setAccessibleName(tr("Progreso"));

    // The choices of a new set.
    auto *choices = new Section(tr("Nueva práctica"), content);
    auto *casesLabel = new QLabel(tr("Casos:"), choices);
    auto *casesRow = new QHBoxLayout;
    casesRow->addWidget(casesLabel);
    for (std::size_t i = 0; i < cases_.size(); ++i) {
        cases_[i] = new QCheckBox(Text(std::string(CaseCode(calc::kPracticeCases[i]))), choices);
        casesRow->addWidget(cases_[i]);
    }
    casesRow->addStretch(1);
    const auto choice = [&](const QString &name, QHBoxLayout *row, int width) {
        auto *label = new QLabel(name + QLatin1Char(':'), choices);
        auto *box = new TextBox(QString(), choices);
        box->setAccessibleName(name);
        box->setFixedWidth(width);
        label->setBuddy(box);
        row->addWidget(label);
        row->addWidget(box);
        row->addSpacing(width / 4);
        return box;
    };
    auto *valuesRow = new QHBoxLayout;
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    problems_ = choice(tr("Problemas"), valuesRow, digit * 4 + 16);
    problems_->setToolTip(tr("De 1 a %1").arg(calc::kPracticeMaxProblems));
    decimals_ = choice(tr("Decimales"), valuesRow, digit * 3 + 16);
    decimals_->setToolTip(tr("De 0 a %1").arg(calc::kPracticeMaxDecimals));
    seed_ = choice(tr("Semilla"), valuesRow, digit * 21 + 16); // up to 2^64 - 1
    seed_->setPlaceholderText(tr("al azar"));
    seed_->setToolTip(tr("Vacía: se sortea. Con la misma semilla y las mismas opciones salen los mismos problemas."));
    start_ = Button(tr("&Nueva práctica"), tr("Empieza una práctica con estas opciones"), choices);
    valuesRow->addStretch(1);
    valuesRow->addWidget(start_);
    currentSeed_ = new QLabel(choices);
    currentSeed_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *choicesLayout = new QVBoxLayout;
    choicesLayout->addLayout(casesRow);
    choicesLayout->addLayout(valuesRow);
    choicesLayout->addWidget(currentSeed_);
    choices->SetContents(choicesLayout);

    auto *page = new QVBoxLayout(content);
    page->addWidget(message_);
    page->addWidget(problemPage_, 1);
    page->addWidget(summaryPage_, 1);
    page->addWidget(progress_);
    page->addWidget(choices);
    scroll->setWidget(content);

    // Changed, not only edited: a screen reader or a dictation tool sets the
    // text whole, and what the box shows is what gets marked.
    for (int i = 0; i < calc::kPracticeBoxes; ++i)
        connect(boxes_[i], &QLineEdit::textChanged, this, [this, i] { Typed(i); });
    // Toggled, not clicked: a screen reader's "Toggle" checks the button without a click.
    connect(count_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Chosen(id);
    });
    connect(check_, &QPushButton::clicked, this, &frmPracticar::Check);
    connect(hint_, &QPushButton::clicked, this, &frmPracticar::Hint);
    connect(solution_, &QPushButton::clicked, this, &frmPracticar::ShowSolution);
    connect(next_, &QPushButton::clicked, this, &frmPracticar::Next);
    connect(copy_, &QPushButton::clicked, this, &frmPracticar::CopySummary);
    connect(start_, &QPushButton::clicked, this, &frmPracticar::Start);
    for (QCheckBox *box : cases_)
        connect(box, &QCheckBox::toggled, this, &frmPracticar::CasesTicked);

    Keep();
    ShowChoices();
    Show();
    FocusProblem();
    // Roomy where the screen allows; a smaller window scrolls.
    const QSize size(1000, 800);
    resize(screen() ? size.boundedTo(screen()->availableGeometry().size() * 9 / 10) : size);
}

frmPracticar::~frmPracticar() = default;

void frmPracticar::Keep(bool now)
{
    settings_->setValue(QLatin1String(kStoreKey), Text(practice_.Store()));
    // A keystroke's store is written at the next turn of the event loop, so
    // that a burst of them is written once; any other event's at once, to
    // tell a failure while the student can act on it.
    if (!now)
        return;
    settings_->sync();
    unkept_ = settings_->status() == QSettings::NoError
                  ? QString()
                  : tr("La práctica no se puede guardar en %1: se perderá al cerrar la ventana.")
                        .arg(settings_->fileName());
}

void frmPracticar::Typed(int box)
{
    practice_.Type(box, boxes_[box]->text().toStdString());
    Keep(false);
    Show();
}

void frmPracticar::Chosen(int count)
{
    if (count < 0)
        return;
    practice_.Choose(count);
    Keep();
    Show();
}

void frmPracticar::Check()
{
    practice_.Check();
    Keep();
    Show();
}

void frmPracticar::Hint()
{
    practice_.Hint();
    Keep();
    Show();
}

void frmPracticar::ShowSolution()
{
    practice_.ShowSolution();
    Keep();
    Show();
}

void frmPracticar::Next()
{
    practice_.Next();
    Keep();
    Show();
    FocusProblem();
}

void frmPracticar::Start()
{
    calc::PracticeChoices choices;
    for (std::size_t i = 0; i < cases_.size(); ++i)
        choices.cases[i] = cases_[i]->isChecked();
    choices.problems = problems_->text().toStdString();
    choices.decimals = decimals_->text().toStdString();
    choices.seed = seed_->text().toStdString();
    const bool started = practice_.Start(choices, DrawnSeed());
    Keep();
    if (started) {
        note_.clear();
        ShowChoices();
    }
    Show();
    if (started)
        FocusProblem();
}

void frmPracticar::CopySummary()
{
    QGuiApplication::clipboard()->setText(Text(view_.copy));
}

void frmPracticar::CasesTicked()
{
    start_->setEnabled(std::ranges::any_of(cases_, &QCheckBox::isChecked));
}

void frmPracticar::ShowChoices()
{
    const calc::PracticeView view = practice_.View();
    for (std::size_t i = 0; i < cases_.size(); ++i)
        cases_[i]->setChecked(view.choices.cases[i]);
    problems_->Write(Text(view.choices.problems));
    decimals_->Write(Text(view.choices.decimals));
    seed_->clear();
    currentSeed_->setText(tr("Semilla de esta práctica: %1").arg(Text(view.choices.seed)));
}

void frmPracticar::FocusProblem()
{
    if (view_.summary)
        copy_->setFocus();
    else if (view_.asksCount)
        (view_.count >= 0 ? countButtons_[std::size_t(view_.count)] : countButtons_[0])->setFocus();
    else
        boxes_[0]->setFocus();
}

void frmPracticar::Show()
{
    view_ = practice_.View();
    const calc::PracticeView &view = view_;

    QStringList messages{Text(view.message), note_, unkept_};
    messages.removeAll(QString());
    const QString message = messages.join(QLatin1Char(' '));
    message_->setVisible(!message.isEmpty());
    message_->SetText(message);
    progress_->SetText(Text(view.progress));
    problemPage_->setVisible(!view.summary);
    summaryPage_->setVisible(view.summary);

    if (view.summary) {
        table_->setRowCount(int(view.rows.size()));
        for (int r = 0; r < int(view.rows.size()); ++r) {
            const calc::PracticeRow &row = view.rows[std::size_t(r)];
            const QString cells[] = {QString::number(row.number), Text(row.kase), Text(row.result)};
            for (int c = 0; c < 3; ++c)
                table_->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
        totals_->setText(Text(view.totals));
        totals_->setAccessibleDescription(totals_->text());
        return;
    }

    heading_->setText(Text(view.heading));
    QStringList data;
    for (const std::string &datum : view.data)
        data << Text(datum);
    data_->setText(data.join(QStringLiteral(";  ")));
    data_->setAccessibleDescription(data_->text());
    sketch_->SetSvg(QByteArray::fromStdString(view.sketch));
    sketch_->setVisible(!view.sketch.empty());
    sketch_->setAccessibleName(Text(view.sketchDescription));

    countBox_->setVisible(view.asksCount);
    if (view.count != count_->checkedId()) {
        const QSignalBlocker blocker(count_);
        (view.count >= 0 ? countButtons_[std::size_t(view.count)] : noCount_)->setChecked(true);
    }
    SetMark(countMark_, countBox_, view.countMark, view.countInvalid);
    countMark_->setVisible(!view.countMark.empty());

    for (std::size_t i = 0; i < view.boxes.size() && i < boxes_.size(); ++i) {
        const calc::PracticeBox &box = view.boxes[i];
        const QString name = Text(box.name);
        labels_[i]->setText(name);
        boxes_[i]->setAccessibleName(name);
        boxes_[i]->setPlaceholderText(box.angle ? tr("grados") : QString());
        if (boxes_[i]->text() != Text(box.text)) {
            const QSignalBlocker blocker(boxes_[i]);
            boxes_[i]->setText(Text(box.text));
        }
        SetInvalid(boxes_[i], box.invalid);
        SetMark(marks_[i], boxes_[i], box.mark, box.invalid);
        labels_[i]->setVisible(box.shown);
        boxes_[i]->setVisible(box.shown);
        // No empty label in a screen reader's way.
        marks_[i]->setVisible(box.shown && !box.mark.empty());
    }
    secondSet_->setVisible(view.boxes.size() > boxes_.size() / 2 && view.boxes[boxes_.size() / 2].shown);

    correction_->SetText(Text(view.correction));
    hint_->setEnabled(view.moreHints);
    QString hints;
    std::string title;
    for (const calc::PracticeHint &hint : view.hints) {
        if (hint.title != title && !hint.title.empty())
            hints += Text(hint.title) + QStringLiteral(":\n");
        title = hint.title;
        hints += Text(hint.text) + QLatin1Char('\n');
    }
    SetArea(hints_, hints);
    SetArea(solutionText_, Text(view.solution));
}
