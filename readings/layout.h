#pragma once

// Where every control of the window stands, in twips, relative to the client area
// of its container.
enum class Container { Window, Nomogram };

struct Placement
{
    const char *name;
    Container container;
    int left, top, width, height;
};

// The placement of a control by its name; the program stops on an unknown name.
const Placement &placementOf(const char *name);

namespace layout {
constexpr int ClientWidth = 9930;
constexpr int ClientHeight = 9330;
constexpr int LeftButtonPlace = 2280;
constexpr int RightButtonPlace = 6480;
} // namespace layout
