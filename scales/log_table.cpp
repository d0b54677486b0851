#include "scales/error_trap.h"
#include "scales/scale_procedures.h"

#include <cmath>

ScaleProcedures::ScaleProcedures(const ScaleSurfaces &surfaces, ErrorReporter &reporter,
                                 QString &message)
    : MSG(message)
    , surfaces_(surfaces)
    , reporter_(reporter)
{ }

double ScaleProcedures::LOGT(int index) const
{
    if (index < 0 || index >= int(logTable_.size()))
        throw runtimeError(ErrorNumber::SubscriptOutOfRange);
    return logTable_[std::size_t(index)];
}

void ScaleProcedures::LG()
{
    Trap trap(MSG, reporter_, QStringLiteral("Error in LG()"));
    trap([&] { LN10 = std::log(10.0); });
    for (int digit = 2; digit <= 9; ++digit)
        trap([&] { logTable_[std::size_t(digit)] = std::log(double(digit)) / LN10; });
}
