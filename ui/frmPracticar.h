#pragma once
// The practice window: Sorvani sets the problems of `generar`, the student
// answers them, and the shared practice view marks, helps and keeps the
// score. The window shows that view after each event and keeps its store in
// the settings, so a closed window loses nothing.

#include "practice.h"

#include <QString>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSettings;
class QTableWidget;
class StatusLine;
class SvgPicture;
class TextBox;

class frmPracticar : public QWidget {
    Q_OBJECT
public:
    // `address` opens a set as a link names it ("semilla=2026&casos=LLL…", or
    // a whole link with the address after its "#"); empty, the last set
    // practised.
    explicit frmPracticar(const QString &address = QString(), QWidget *parent = nullptr);
    ~frmPracticar() override;

    // Where the practice is kept between runs, and where a kept practice that
    // could not be read is put aside.
    static constexpr const char *kStoreKey = "practica/almacen";
    static constexpr const char *kSetAsideKey = "practica/apartado";
    // How the summary's copy names the set: the command that opens it.
    static constexpr const char *kLink = "sorvani --practicar ";

private:
    void Typed(int box);
    void Chosen(int count);
    void Check();
    void Hint();
    void ShowSolution();
    void Next();
    void Start();
    void CopySummary();
    void CasesTicked();

    // The store into the settings, after every event; `now`, written at once.
    void Keep(bool now = true);
    void Show();
    // The choices of the set being practised, the seed box left empty for a
    // new draw.
    void ShowChoices();
    // The first thing to answer, after a new problem.
    void FocusProblem();

    QSettings *settings_;
    calc::Practice practice_;
    calc::PracticeView view_;
    QString note_; // about the address handed in, shown with the view's message
    QString unkept_; // why the store could not be written

    StatusLine *message_;
    QWidget *problemPage_, *summaryPage_;
    QLabel *heading_, *data_;
    SvgPicture *sketch_;
    QGroupBox *countBox_;
    QButtonGroup *count_;
    std::array<QRadioButton *, 3> countButtons_{};
    QRadioButton *noCount_; // checked, never shown, while no count is chosen
    QLabel *countMark_;
    std::array<QLabel *, calc::kPracticeBoxes> labels_{}, marks_{};
    std::array<TextBox *, calc::kPracticeBoxes> boxes_{};
    QLabel *secondSet_;
    QPushButton *check_, *hint_, *solution_, *next_;
    StatusLine *correction_;
    QPlainTextEdit *hints_, *solutionText_;
    QTableWidget *table_;
    QLabel *totals_;
    QPushButton *copy_;
    StatusLine *progress_;
    std::array<QCheckBox *, 5> cases_{};
    TextBox *problems_, *decimals_, *seed_;
    QLabel *currentSeed_;
    QPushButton *start_;
};
