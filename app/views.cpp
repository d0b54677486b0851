#include "app/dishscope.h"

#include "app/sunken_panel.h"
#include "readings/layout.h"

#include <QPushButton>

// Each handler sets the whole state of its view, whatever view was showing;
// the Nomogram button takes the place of the hidden button of the view shown.

void Dishscope::showInstructions()
{
    picPIC->hide();
    picPICJ->hide();
    picPICK->show();
    cmdInstr->hide();
    placeNomogramButton();
    cmdNomogram->show();
    cmdInfo->show();
}

void Dishscope::showCompanyInfo()
{
    picPIC->hide();
    picPICK->hide();
    picPICJ->show();
    cmdInfo->hide();
    placeNomogramButton();
    cmdNomogram->show();
    cmdInstr->show();
}

void Dishscope::showNomogram()
{
    picPIC->show();
    picPICJ->hide();
    picPICK->hide();
    cmdNomogram->hide();
    cmdInfo->show();
    cmdInstr->show();
}

// In the place of the hidden button of the view shown.
void Dishscope::placeNomogramButton()
{
    const int place =
            picPICK->isVisibleTo(this) ? layout::LeftButtonPlace : layout::RightButtonPlace;
    cmdNomogram->move(pixels(place), cmdNomogram->y());
}
