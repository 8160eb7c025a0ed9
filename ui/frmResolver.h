#pragma once
// The window for any triangle: the student types any three of the six parts
// and sees the rest at once, with the results, the triangle drawn to scale
// and the working. Reading, solving and writing belong to the shared
// libraries; the window maps its boxes to them and shows what they give.

#include "resolver_view.h"

#include <QString>
#include <QWidget>

#include <array>

class QAction;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class SvgPicture;
class StatusLine;
class TextBox;

class frmResolver : public QWidget {
    Q_OBJECT
public:
    explicit frmResolver(QWidget *parent = nullptr);
    ~frmResolver() override;

    // The figure of the shown triangle, as SVG or as PNG by the file's suffix.
    bool SaveFigure(const QString &path);
    // Figure, results and working on one A4 page.
    bool ExportPdf(const QString &path);
    void Print(QPrinter &printer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PartEdited(int part);
    void Solve();
    void ShowTriangle();
    void PaintPage(QPainter &painter, const QRectF &page);
    // How the options show the solution.
    calc::ResolverDisplay Display() const;
    // Part `part` of the shown triangle; empty when nothing is solved.
    QString PartText(int part) const;
    bool Solved() const { return view_.Solved(); }

    void Copy();
    void SaveFigureAs();
    void PrintAs();
    void ExportPdfAs();
    void Clear();
    void CloseWindow();

    std::array<TextBox *, kTriangleParts> parts_{};
    std::array<bool, kTriangleParts> datum_{}; // typed by the user, not empty
    std::array<int, kTriangleParts> looks_{};  // how each box shows what it holds (a Look)
    QRadioButton *dms_, *decimal_;
    QSpinBox *decimals_;
    StatusLine *status_;
    QRadioButton *first_, *second_;
    SvgPicture *figure_;
    TextBox *area_, *perimeter_, *semiperimeter_, *inradius_, *circumradius_, *type_;
    std::array<TextBox *, 3> heights_{}, medians_{}, bisectors_{};
    QPlainTextEdit *steps_;
    QPushButton *copy_, *save_, *print_, *pdf_, *clear_, *close_;

    calc::ResolverView view_; // what the boxes give, read and solved
    int shown_ = 0;           // which of two triangles is shown
};
