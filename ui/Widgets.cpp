#include "Widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSvgRenderer>
#include <QVBoxLayout>

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::UpdateToolTip);
    UpdateToolTip();
}

void TextBox::Write(const QString &text)
{
    setText(text);
    setCursorPosition(0);
}

void TextBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    UpdateToolTip();
}

void TextBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateToolTip();
}

void TextBox::UpdateToolTip()
{
    // Measured as the line edit does before it scrolls: its contents less
    // the text margins and two pixels each side, against the text's advance
    // and one pixel.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins());
    const int used = fontMetrics().horizontalAdvance(text()) + 1;
    setToolTip(used > room.width() - 4 ? text() : QString());
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    QRadioButton::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        break;
    default:
        return;
    }
    // The toolkit moves the focus, and selects only when the option it left
    // was selected; select the one that has the focus now.
    auto *now = qobject_cast<QRadioButton *>(QApplication::focusWidget());
    if (now && now->parentWidget() == parentWidget() && !now->isChecked())
        now->click();
}

LineWidget::LineWidget(QPoint from, QPoint to, QColor colour, QWidget *parent)
    : QWidget(parent), from_(from), to_(to), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.left(), box.top(), box.width() + 1, box.height() + 1);
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

RectangleWidget::RectangleWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectangleWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ExamplePicture::ExamplePicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QImage ExamplePicture::Image()
{
    // A triangle on its longest side c; every side named after the opposite angle.
    QImage image(299, 127, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF B(28, 104), A(272, 104), C(92, 18);
    painter.setPen(QPen(QColor(96, 96, 96), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(B.x() - 22, B.y() - 22, 44, 44), 0, 53 * 16);
    painter.drawArc(QRectF(A.x() - 30, A.y() - 30, 60, 60), 160 * 16, 20 * 16);
    painter.drawArc(QRectF(C.x() - 18, C.y() - 18, 36, 36), 233 * 16, 74 * 16);

    painter.setPen(QPen(QColor(32, 32, 32), 2));
    painter.drawPolygon(QPolygonF({B, A, C}));

    QFont font("Liberation Serif");
    font.setPixelSize(15);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(QRectF(140, 106, 20, 18), Qt::AlignCenter, "c");
    painter.drawText(QRectF(40, 50, 20, 18), Qt::AlignCenter, "a");
    painter.drawText(QRectF(182, 44, 20, 18), Qt::AlignCenter, "b");
    font.setItalic(false);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(64, 64, 64));
    painter.drawText(QRectF(B.x() + 20, B.y() - 20, 18, 18), Qt::AlignCenter, "B");
    painter.drawText(QRectF(A.x() - 46, A.y() - 19, 18, 18), Qt::AlignCenter, "A");
    painter.drawText(QRectF(C.x() - 6, C.y() + 18, 18, 18), Qt::AlignCenter, "C");
    return image;
}

void ExamplePicture::paintEvent(QPaintEvent *)
{
    static const QImage image = Image();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image);
}

namespace {

QImage IconImage(int size, QColor fill, QColor edge)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(QPen(edge, std::max(1.0, s / 16)));
    painter.setBrush(fill);
    painter.drawPolygon(QPolygonF({QPointF(s * 0.06, s * 0.86), QPointF(s * 0.94, s * 0.86),
                                   QPointF(s * 0.34, s * 0.14)}));
    return image;
}

} // namespace

QImage ProgramIconImage(int size)
{
    return IconImage(size, QColor(0, 0, 192), QColor(0, 0, 64));
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

QIcon AboutIcon()
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(IconImage(size, QColor(192, 0, 0), QColor(64, 0, 0))));
    return icon;
}

SvgPicture::SvgPicture(QWidget *parent) : QWidget(parent), renderer_(new QSvgRenderer(this))
{
    renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    // A white sheet from edge to edge: a new picture repaints this widget
    // alone, not the frame around it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::SetSvg(const QByteArray &svg)
{
    empty_ = svg.isEmpty() || !renderer_->load(svg);
    update();
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!empty_)
        renderer_->render(&painter, rect());
}

Section::Section(const QString &title, QWidget *parent) : QWidget(parent)
{
    setAccessibleName(title);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(title, this);
    heading->setTextFormat(Qt::PlainText);
    heading->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(heading);
}

void Section::SetContents(QLayout *contents)
{
    static_cast<QVBoxLayout *>(layout())->addLayout(contents, 1);
}

void Section::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid).lighter(125));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void StatusLine::SetText(const QString &text)
{
    const QString old = this->text();
    if (text == old)
        return;
    setText(text);
    // A status line changes while the user types elsewhere: tell the screen
    // reader, which otherwise reads only what has the focus.
    QAccessibleTextUpdateEvent update(this, 0, old, text);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}
