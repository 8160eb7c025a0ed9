#pragma once
// Finds every caption of a window that its box cannot show whole, measured
// with the font actually in use. One pixel of slack is allowed.

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

inline QStringList ClippedCaptions(QWidget *window)
{
    QStringList clipped;
    const auto report = [&](QWidget *w, const QString &text, int need, int have) {
        if (need > have + 1)
            clipped << QStringLiteral("%1/%2 \"%3\": needs %4 px, has %5")
                           .arg(window->objectName(), w->objectName(), text)
                           .arg(need)
                           .arg(have);
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics fm(label->font());
        if (label->wordWrap()) {
            const QRect need = fm.boundingRect(QRect(0, 0, label->width(), 100000),
                                               int(label->alignment()) | Qt::TextWordWrap,
                                               label->text());
            report(label, label->text(), need.width(), label->width());
            report(label, label->text(), need.height(), label->height());
        } else {
            report(label, label->text(), fm.horizontalAdvance(label->text()), label->width());
        }
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const QFontMetrics fm(button->font());
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        report(button, text, fm.horizontalAdvance(text), button->width());
        report(button, text, fm.height(), button->height());
    }
    for (QRadioButton *option : window->findChildren<QRadioButton *>()) {
        const QFontMetrics fm(option->font());
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        const QStyle *style = option->style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &styleOption, option)
                              + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &styleOption, option);
        report(option, option->text(), indicator + fm.horizontalAdvance(option->text()), option->width());
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const QFontMetrics fm(frame->font());
        report(frame, frame->title(), fm.horizontalAdvance(frame->title()), frame->width());
    }
    return clipped;
}
