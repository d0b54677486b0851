#include "app/nomogram_commands.h"

#include "app/dishscope.h"
#include "app/set_antenna_dialog.h"
#include "app/sunken_panel.h"
#include "print/print_door.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>
#include <algorithm>

namespace {

QAction *command(QWidget *view, const QString &text, const QKeySequence &shortcut, const char *name)
{
    auto *action = new QAction(text, view);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // Active wherever the focus is in the window, while the nomogram view shows.
    action->setShortcutContext(Qt::WindowShortcut);
    view->addAction(action);
    return action;
}

constexpr int ZoomSteps[] = {100, 125, 150, 175, 200};
const QString ZoomKey = QStringLiteral("window/zoom");

} // namespace

NomogramCommands::NomogramCommands(Dishscope &window)
    : QObject(&window)
    , window_(window)
{
    QWidget *view = window.picPIC;
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    setAntennaAction = command(view, tr("Set Antenna\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
                               "setAntenna");
    copyReadingsAction = command(view, tr("Copy Readings"), QKeySequence::Copy, "copyReadings");
    printAction = command(view, tr("Print\u2026"), QKeySequence::Print, "print");
    exportAction = command(view, tr("Export\u2026"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                           "export");
    auto *separator = new QAction(view);
    separator->setSeparator(true);
    view->addAction(separator);
    zoomInAction = command(view, tr("Zoom In"), QKeySequence::ZoomIn, "zoomIn");
    zoomOutAction = command(view, tr("Zoom Out"), QKeySequence::ZoomOut, "zoomOut");
    zoomResetAction =
            command(view, tr("Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0), "zoomReset");
    connect(zoomInAction, &QAction::triggered, this, &NomogramCommands::zoomIn);
    connect(zoomOutAction, &QAction::triggered, this, &NomogramCommands::zoomOut);
    connect(zoomResetAction, &QAction::triggered, this, &NomogramCommands::zoomReset);
    connect(setAntennaAction, &QAction::triggered, this, &NomogramCommands::openSetAntenna);
    connect(copyReadingsAction, &QAction::triggered, this, &NomogramCommands::copyReadings);
    connect(printAction, &QAction::triggered, this, &NomogramCommands::print);
    connect(exportAction, &QAction::triggered, this, &NomogramCommands::exportFile);
    connect(window.scrSCROLL, &QScrollBar::valueChanged, this, &NomogramCommands::describeBars);
    connect(window.scrSCROLL2, &QScrollBar::valueChanged, this, &NomogramCommands::describeBars);
    QAccessible::installActivationObserver(this);
    describeBars();
    restoreZoom();
}

NomogramCommands::~NomogramCommands()
{
    QAccessible::removeActivationObserver(this);
}

void NomogramCommands::accessibilityActiveChanged(bool active)
{
    listened_ = active;
    describeBars();
}

NomogramReadings NomogramCommands::current() const
{
    // An antenna set is read where it is set, as the command line reads it; its bars
    // stand at the whole Values nearest to that.
    if (const SetAntenna *set = standing())
        return set->readings;
    return readNomogram(window_.scrSCROLL->value(), window_.scrSCROLL2->value(),
                        antenna_ ? antenna_->request.efficiencyPercent() : std::nullopt);
}

const SetAntenna *NomogramCommands::standing() const
{
    const bool there = antenna_ && window_.scrSCROLL->value() == antenna_->values.upper
            && window_.scrSCROLL2->value() == antenna_->values.lower;
    return there ? &*antenna_ : nullptr;
}

void NomogramCommands::setAntenna(const SetAntenna &antenna)
{
    antenna_ = antenna;
    window_.scrSCROLL->setValue(antenna.values.upper);
    window_.scrSCROLL2->setValue(antenna.values.lower);
    describeBars(); // the efficiency may be new though the Values are not
}

QStringList NomogramCommands::readings() const
{
    const SetAntenna *set = standing();
    return readingLines(current(), set ? &set->antenna : nullptr);
}

QStringList NomogramCommands::footer() const
{
    return readings() << window_.lblDate->text();
}

void NomogramCommands::openSetAntenna()
{
    if (!dialog_)
        dialog_ = new SetAntennaDialog(&window_);
    const SetAntenna *set = standing();
    dialog_->showRequest(set ? std::optional(set->request) : std::nullopt);
    if (dialog_->exec() == QDialog::Accepted && dialog_->antenna())
        setAntenna(*dialog_->antenna());
}

void NomogramCommands::copyReadings()
{
    QGuiApplication::clipboard()->setText(readings().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// A screen reader speaks a bar's description with its value: after each step of a
// bar, the readings of its own nomogram.
void NomogramCommands::describeBars()
{
    if (!listened_)
        return;
    const NomogramReadings r = current();
    window_.scrSCROLL->setAccessibleDescription(
            tr("Slides the frequency, beamwidth and gain scales of the upper nomogram. %1.")
                    .arg(upperReadingLines(r).join(tr(". "))));
    window_.scrSCROLL2->setAccessibleDescription(
            tr("Slides the antenna diameter and far-field range scales of the lower nomogram. %1.")
                    .arg(lowerReadingLines(r).join(tr(". "))));
}

// One message box for a failure, a sentence naming what and why.
void NomogramCommands::warn(const QString &error)
{
    if (error.isEmpty())
        return;
    QString sentence = error;
    sentence[0] = sentence[0].toUpper();
    QMessageBox::warning(&window_, QStringLiteral("Beamwise"), sentence + QLatin1Char('.'));
}

void NomogramCommands::print()
{
    warn(exporting::print(window_, footer()));
}

void NomogramCommands::exportFile()
{
    if (const QString why = exporting::unavailable(); !why.isEmpty())
        return warn(why);
    QFileDialog dialog(&window_, tr("Export Nomogram"), exportFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{tr("PDF page (*.pdf)"), tr("SVG drawing (*.svg)"),
                              tr("PNG picture, 300 dpi (*.png)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // A name typed without an extension takes the one of the chosen type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(
                filter.section(QLatin1String("*."), 1).section(QLatin1Char(')'), 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().first();
    exportFolder_ = QFileInfo(fileName).absolutePath();
    warn(exporting::writeFile(fileName, window_, footer()));
}

void NomogramCommands::zoomTo(int percent)
{
    window_.setZoom(percent / 100.0);
    QSettings().setValue(ZoomKey, percent);
}

void NomogramCommands::zoomIn()
{
    const int now = qRound(window_.zoom() * 100);
    const auto next = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), now);
    if (next != std::end(ZoomSteps))
        zoomTo(*next);
}

void NomogramCommands::zoomOut()
{
    const int now = qRound(window_.zoom() * 100);
    const auto next = std::lower_bound(std::begin(ZoomSteps), std::end(ZoomSteps), now);
    if (next != std::begin(ZoomSteps))
        zoomTo(*(next - 1));
}

void NomogramCommands::zoomReset()
{
    zoomTo(100);
}

// Only one of the steps is taken from the settings, which anyone may have edited.
void NomogramCommands::restoreZoom()
{
    const int kept = QSettings().value(ZoomKey, 100).toInt();
    if (kept != 100
        && std::find(std::begin(ZoomSteps), std::end(ZoomSteps), kept) != std::end(ZoomSteps))
        window_.setZoom(kept / 100.0);
}
