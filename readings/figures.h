#pragma once

#include <QLocale>
#include <QString>

// A number to three significant figures, written the way the locale writes numbers.
QString threeFigures(double value, const QLocale &locale = QLocale());
