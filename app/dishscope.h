#pragma once

#include "print/print_door.h"

#include <QWidget>
#include <utility>
#include <vector>

class NomogramCommands;
class QLabel;
class QPushButton;
class QScrollBar;
class ScaleStrip;
class SunkenPanel;

// The program's one window: the nomogram view with its eight scale strips and two
// slide bars, the instructions and company information views, and the row of view
// buttons. Controls are named as in the layout and carry that name as objectName.
class Dishscope : public QWidget, public NomogramFace
{
    Q_OBJECT

public:
    Dishscope();

    // The load steps: the icon of picIco becomes the window's icon and is handed
    // on to the outermost owner window, if there is one.
    void load();

    // Shows the date, growing to the right of its place as far as the view allows.
    void setDateCaption(const QString &text);

    // The whole window at 100 to 200 % of its laid-out size, its scales drawn afresh.
    void setZoom(double zoom);
    double zoom() const override { return zoom_; }

    // View switching.
    void showInstructions();
    void showCompanyInfo();
    void showNomogram();

    // What printing and export paint.
    QList<const QLabel *> labels() const override;
    QList<Scale> scales() const override { return scales_; }
    const QLabel *logo() const override { return Image1; }
    QWidget &owner() override { return *this; }

    // In creation order, which is the stacking order: later controls lie in front.
    // On the window, along the bottom and over the middle:
    QLabel *picIco; // the program's icon, hidden; the window's icon is taken from it
    QPushButton *cmdInstr; // shows the instructions
    QPushButton *cmdInfo; // shows the company page
    SunkenPanel *picPICK; // the instructions view
    SunkenPanel *picPICJ; // the company page view
    QPushButton *cmdNomogram; // back to the nomograms, in the place of the hidden button
    SunkenPanel *picPIC; // the nomogram view, which holds everything below
    QLabel *lblAd2; // the company's web address, between the buttons

    // In the nomogram view, top to bottom as a reader meets them:
    QLabel *Image1; // the logo
    QLabel *lblDate; // today's date, top right
    QLabel *lblCursor3; // the far-field mark, over the range scale
    QLabel *lbl10; // the caption "10dB" over its mark
    QLabel *lblCursor2; // the 10 dB beamwidth mark
    QLabel *lbl3; // the caption "3dB" over its mark
    QLabel *lblCursor1; // the 3 dB beamwidth mark
    QLabel *lblBreak; // the red rule between the upper and the lower nomogram
    ScaleStrip *picPICF; // far-field range, slides with the lower bar
    ScaleStrip *picPICH; // lower frequency, fixed
    ScaleStrip *picPICG; // lower diameter, slides with the lower bar
    ScaleStrip *picPICC; // beamwidth, slides with the upper bar
    ScaleStrip *picPICE; // efficiency, fixed
    ScaleStrip *picPICD; // gain, slides with the upper bar
    ScaleStrip *picPICB; // upper frequency, slides with the upper bar
    ScaleStrip *picPICA; // upper diameter, fixed
    QScrollBar *scrSCROLL2; // the lower slide bar
    QScrollBar *scrSCROLL; // the upper slide bar

    NomogramCommands *commands; // the view's context menu and its shortcuts

private:
    void buildBottomRow();
    void buildLabels(QWidget *view);
    void buildNomogramView();
    void setTabOrder();
    void addReadingAids();
    void placeNomogramButton();
    // Twips to the window's pixels at its zoom.
    int pixels(double twips) const;

    QList<Scale> scales_; // the strips in creation order, with their places
    double zoom_ = 1;
    std::vector<std::pair<QWidget *, QRect>> laidOut_; // each control's place at 100 %
};
