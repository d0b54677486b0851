#pragma once

#include <cstddef>
#include <iterator>

// Where every control of the window stands, in twips, relative to the client area
// of its container.
enum class Container { Window, Nomogram };

// The window's controls, in the order of the table below.
enum class Control {
    picIco,
    cmdInstr,
    cmdInfo,
    picPICK,
    picPICJ,
    cmdNomogram,
    picPIC,
    lblAd2,
    picPICF,
    picPICH,
    picPICG,
    picPICC,
    picPICE,
    picPICD,
    picPICB,
    picPICA,
    scrSCROLL2,
    scrSCROLL,
    Image1,
    lblDate,
    lblCursor3,
    lbl10,
    lblCursor2,
    lbl3,
    lblCursor1,
    lblBreak,
};

struct Placement
{
    Control control;
    const char *name; // the control's objectName
    Container container;
    int left, top, width, height;
};

namespace layout {

constexpr int ClientWidth = 9930;
constexpr int ClientHeight = 9330;
constexpr int LeftButtonPlace = 2280;
constexpr int RightButtonPlace = 6480;

using C = Container;
using K = Control;

// Read top to bottom as the window is laid out.
constexpr Placement Table[] = {
        {K::picIco, "picIco", C::Window, 360, 9000, 255, 255},
        {K::cmdInstr, "cmdInstr", C::Window, 2280, 8955, 1300, 300},
        {K::cmdInfo, "cmdInfo", C::Window, 6480, 8955, 1300, 300},
        {K::picPICK, "picPICK", C::Window, 2078, 2903, 5775, 3525},
        {K::picPICJ, "picPICJ", C::Window, 1613, 728, 6705, 7875},
        {K::cmdNomogram, "cmdNomogram", C::Window, 6480, 8955, 1300, 300},
        {K::picPIC, "picPIC", C::Window, 240, 195, 9500, 8685},
        {K::lblAd2, "lblAd2", C::Window, 3615, 9000, 2700, 255},

        {K::picPICF, "picPICF", C::Nomogram, 364, 7875, 8772, 670},
        {K::picPICH, "picPICH", C::Nomogram, 2285, 6870, 4764, 670},
        {K::picPICG, "picPICG", C::Nomogram, 1168, 6225, 7164, 670},
        {K::picPICC, "picPICC", C::Nomogram, 844, 4680, 7800, 570},
        {K::picPICE, "picPICE", C::Nomogram, 2860, 2505, 2700, 500},
        {K::picPICD, "picPICD", C::Nomogram, 550, 1935, 8400, 570},
        {K::picPICB, "picPICB", C::Nomogram, 480, 3735, 8600, 620},
        {K::picPICA, "picPICA", C::Nomogram, 1168, 3105, 7164, 670},
        {K::scrSCROLL2, "scrSCROLL2", C::Nomogram, 1744, 5865, 6012, 200},
        {K::scrSCROLL, "scrSCROLL", C::Nomogram, 1744, 5385, 6012, 200},
        {K::Image1, "Image1", C::Nomogram, 2520, 240, 4500, 1485},
        {K::lblDate, "lblDate", C::Nomogram, 8520, 120, 45, 195},
        {K::lblCursor3, "lblCursor3", C::Nomogram, 4935, 7725, 30, 300},
        {K::lbl10, "lbl10", C::Nomogram, 2595, 4380, 375, 255},
        {K::lblCursor2, "lblCursor2", C::Nomogram, 3060, 4530, 15, 300},
        {K::lbl3, "lbl3", C::Nomogram, 3615, 4380, 375, 255},
        {K::lblCursor1, "lblCursor1", C::Nomogram, 3600, 4530, 30, 300},
        {K::lblBreak, "lblBreak", C::Nomogram, 0, 5685, 9495, 45},
};

constexpr bool inControlOrder()
{
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (Table[i].control != Control(i))
            return false;
    return std::size(Table) == std::size_t(Control::lblBreak) + 1;
}
static_assert(inControlOrder(), "the table has one row a control, in the order of Control");

} // namespace layout

// The placement of a control, known when the program is compiled.
constexpr const Placement &placementOf(Control control)
{
    return layout::Table[std::size_t(control)];
}
