#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

// A number to three significant figures, written the way the locale writes numbers.
QString threeFigures(double value, const QLocale &locale = QLocale());

// The decimals that show a value to so many significant figures.
int decimalsFor(double value, int figures);

// The same figures as a plain C number, for machines: a dot for the decimal point and
// no separators, whatever the locale.
QByteArray plainThreeFigures(double value);
