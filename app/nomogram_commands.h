#pragma once

#include "readings/antenna_request.h"

#include <QAccessible>
#include <QObject>

class Dishscope;
class QAction;
class SetAntennaDialog;

// What the nomogram view offers beyond its bars, from its context menu and by
// shortcut: set an antenna by typing it, copy the readings, print and export. While
// an assistive technology listens, it also keeps each bar's description for screen
// readers up to date with its nomogram's readings.
class NomogramCommands : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit NomogramCommands(Dishscope &window);
    ~NomogramCommands() override;

    // Moves both bars so that the antenna stands set, the way any other bar change
    // moves them, and remembers it as typed or found.
    void setAntenna(const SetAntenna &antenna);
    // The current readings, one a line; the antenna as typed first while the bars
    // stand where it put them.
    QStringList readings() const;
    // What a printed page carries under the nomogram: the readings and the date.
    QStringList footer() const;

    // The zoom steps, 100 to 200 %; kept for the next start.
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void openSetAntenna();
    void copyReadings();
    void print();
    void exportFile();

    QAction *setAntennaAction;
    QAction *copyReadingsAction;
    QAction *printAction;
    QAction *exportAction;
    QAction *zoomInAction;
    QAction *zoomOutAction;
    QAction *zoomResetAction;

private:
    NomogramReadings current() const;
    // The antenna set, while the bars still stand where it put them.
    const SetAntenna *standing() const;
    // Composing the descriptions on every step would slow dragging for nobody.
    void accessibilityActiveChanged(bool active) override;
    void describeBars();
    void warn(const QString &error);
    void zoomTo(int percent);
    // The zoom kept from the last run, before the window first shows.
    void restoreZoom();

    Dishscope &window_;
    SetAntennaDialog *dialog_ = nullptr; // made when first opened
    std::optional<SetAntenna> antenna_;
    QString exportFolder_; // where the last export went, for the next one
    bool listened_ = QAccessible::isActive();
};
