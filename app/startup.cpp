#include "app/clock.h"
#include "app/dishscope.h"
#include "app/module1.h"
#include "app/sunken_panel.h"
#include "readings/bar_rules.h"
#include "scales/error_trap.h"
#include "scales/scale_strip.h"

#include <QLocale>
#include <QPushButton>
#include <QScrollBar>

Module1::Module1(Dishscope &window, ErrorReporter &reporter, const Clock &clock)
    : scales({window.picPICA, window.picPICB, window.picPICC, window.picPICD, window.picPICE,
              window.picPICF, window.picPICG, window.picPICH},
             reporter, MSG)
    , window_(window)
    , reporter_(reporter)
    , clock_(clock)
{ }

void Module1::MAIN()
{
    window_.load();
    // Arming the trap empties MSG.
    Trap trap(MSG, reporter_, QStringLiteral("Error in MAIN()"));
    trap([&] { head(); });
    trap([&] { window_.setDateCaption(TODAY); });
    trap([&] { window_.picPICJ->hide(); });
    trap([&] { window_.picPICK->hide(); });
    trap([&] { window_.cmdNomogram->hide(); });
    trap([&] { scales.LG(); });
    trap([&] { scales.PICA(); });
    trap([&] { scales.PICB(); });
    trap([&] { scales.PICC(); });
    trap([&] { scales.PICD(); });
    trap([&] { scales.PICE(); });
    trap([&] { scales.PICF(); });
    trap([&] { scales.PICG(); });
    trap([&] { scales.PICH(); });
    trap([&] { window_.scrSCROLL->setValue(bars::StartValue); });
    trap([&] { window_.scrSCROLL2->setValue(bars::StartValue); });
    trap([&] { window_.show(); });
}

void Module1::head()
{
    Trap trap(MSG, reporter_, QStringLiteral("Error in head()"));
    QDate today;
    trap([&] { today = clock_.today(); });
    // Formatted straight from the date: a round trip through a two-digit short
    // date format could land in the wrong century.
    trap([&] { TODAY = QLocale().toString(today, QStringLiteral("d MMM yyyy")); });
}
