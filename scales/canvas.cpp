#include "scales/canvas.h"

#include "scales/errors.h"

#include <cmath>
#include <limits>

float Canvas::single(double value)
{
    if (std::isnan(value))
        throw runtimeError(ErrorNumber::DivisionByZero);
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw runtimeError(ErrorNumber::Overflow);
    return static_cast<float>(value);
}
