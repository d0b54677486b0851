#pragma once

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
class Dishscope : public QWidget
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
    double zoom() const { return zoom_; }

    // View switching.
    void showInstructions();
    void showCompanyInfo();
    void showNomogram();

    // In creation order, which is the stacking order: later controls lie in front.
    QLabel *picIco;
    QPushButton *cmdInstr;
    QPushButton *cmdInfo;
    SunkenPanel *picPICK;
    SunkenPanel *picPICJ;
    QPushButton *cmdNomogram;
    SunkenPanel *picPIC;
    QLabel *lblAd2;

    QLabel *Image1;
    QLabel *lblDate;
    QLabel *lblCursor3;
    QLabel *lbl10;
    QLabel *lblCursor2;
    QLabel *lbl3;
    QLabel *lblCursor1;
    QLabel *lblBreak;
    ScaleStrip *picPICF;
    ScaleStrip *picPICH;
    ScaleStrip *picPICG;
    ScaleStrip *picPICC;
    ScaleStrip *picPICE;
    ScaleStrip *picPICD;
    ScaleStrip *picPICB;
    ScaleStrip *picPICA;
    QScrollBar *scrSCROLL2;
    QScrollBar *scrSCROLL;

    NomogramCommands *commands;

private:
    void buildBottomRow();
    void buildNomogramView();
    void setTabOrder();
    void addReadingAids();
    void placeNomogramButton();
    // Twips to the window's pixels at its zoom.
    int pixels(double twips) const;

    double zoom_ = 1;
    std::vector<std::pair<QWidget *, QRect>> laidOut_; // each control's place at 100 %
};
