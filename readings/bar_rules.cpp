#include "readings/bar_rules.h"

namespace bars {

// Computed in double precision and kept in single precision, as the strips hold Left.
float upperFrequencyLeft(int value)
{
    return float(double(value) / 3.2 - 4668);
}
float beamwidthLeft(int value)
{
    return float(double(value) / 3.2 - 4274);
}
float gainLeft(int value)
{
    return float(double(value) / 3.2 - 4574);
}
float farFieldLeft(int value)
{
    return float(double(value) / 4 - 3731);
}
float lowerDiameterLeft(int value)
{
    return float(double(value) / 8 - 900);
}

double upperValueFor(double frequencyLeft)
{
    return (frequencyLeft + 4668) * 3.2;
}
double lowerValueFor(double diameterLeft)
{
    return (diameterLeft + 900) * 8;
}
double beamwidthValueFor(double left)
{
    return (left + 4274) * 3.2;
}
double gainValueFor(double left)
{
    return (left + 4574) * 3.2;
}
double farFieldValueFor(double left)
{
    return (left + 3731) * 4;
}

} // namespace bars
