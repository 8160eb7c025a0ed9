#pragma once
// Exact comparison of doubles (QCOMPARE on doubles is fuzzy) and the text of a
// result set as the windows would show it.

#include "numeric.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

inline QString Digits(double x)
{
    return QString::number(x, 'g', 17);
}

// Compares every bit that decides the value, so 97.46600000000001 != 97.466.
#define QCOMPARE_EXACT(actual, expected) QCOMPARE(Digits(actual), Digits(expected))

// "36 52 11.64": the values as the result boxes would hold them.
inline QString Texts(std::initializer_list<double> values)
{
    QStringList parts;
    for (double v : values)
        parts << QString::fromStdString(NumberText(v));
    return parts.join(' ');
}
