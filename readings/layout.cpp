#include "readings/layout.h"

#include <QtGlobal>
#include <cstring>

namespace {

using C = Container;

// Read top to bottom as the window is laid out.
constexpr Placement Table[] = {
        {"picIco", C::Window, 360, 9000, 255, 255},
        {"cmdInstr", C::Window, 2280, 8955, 1300, 300},
        {"cmdInfo", C::Window, 6480, 8955, 1300, 300},
        {"picPICK", C::Window, 2078, 2903, 5775, 3525},
        {"picPICJ", C::Window, 1613, 728, 6705, 7875},
        {"cmdNomogram", C::Window, 6480, 8955, 1300, 300},
        {"picPIC", C::Window, 240, 195, 9500, 8685},
        {"lblAd2", C::Window, 3615, 9000, 2700, 255},

        {"picPICF", C::Nomogram, 364, 7875, 8772, 670},
        {"picPICH", C::Nomogram, 2285, 6870, 4764, 670},
        {"picPICG", C::Nomogram, 1168, 6225, 7164, 670},
        {"picPICC", C::Nomogram, 844, 4680, 7800, 570},
        {"picPICE", C::Nomogram, 2860, 2505, 2700, 500},
        {"picPICD", C::Nomogram, 550, 1935, 8400, 570},
        {"picPICB", C::Nomogram, 480, 3735, 8600, 620},
        {"picPICA", C::Nomogram, 1168, 3105, 7164, 670},
        {"scrSCROLL2", C::Nomogram, 1744, 5865, 6012, 200},
        {"scrSCROLL", C::Nomogram, 1744, 5385, 6012, 200},
        {"Image1", C::Nomogram, 2520, 240, 4500, 1485},
        {"lblDate", C::Nomogram, 8520, 120, 45, 195},
        {"lblCursor3", C::Nomogram, 4935, 7725, 30, 300},
        {"lbl10", C::Nomogram, 2595, 4380, 375, 255},
        {"lblCursor2", C::Nomogram, 3060, 4530, 15, 300},
        {"lbl3", C::Nomogram, 3615, 4380, 375, 255},
        {"lblCursor1", C::Nomogram, 3600, 4530, 30, 300},
        {"lblBreak", C::Nomogram, 0, 5685, 9495, 45},
};

} // namespace

const Placement &placementOf(const char *name)
{
    for (const Placement &placement : Table) {
        if (std::strcmp(placement.name, name) == 0)
            return placement;
    }
    qFatal("No placement for control %s", name);
}
