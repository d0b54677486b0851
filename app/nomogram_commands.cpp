#include "app/nomogram_commands.h"

#include "app/dishscope.h"
#include "app/set_antenna_dialog.h"
#include "app/sunken_panel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

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

} // namespace

NomogramCommands::NomogramCommands(Dishscope &window)
    : QObject(&window)
    , window_(window)
{
    QWidget *view = window.picPIC;
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    setAntennaAction = command(view, QStringLiteral("Set Antenna\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E), "setAntenna");
    copyReadingsAction = command(view, QStringLiteral("Copy Readings"), QKeySequence::Copy, "copyReadings");
    connect(setAntennaAction, &QAction::triggered, this, &NomogramCommands::openSetAntenna);
    connect(copyReadingsAction, &QAction::triggered, this, &NomogramCommands::copyReadings);
    connect(window.scrSCROLL, &QScrollBar::valueChanged, this, &NomogramCommands::describeBars);
    connect(window.scrSCROLL2, &QScrollBar::valueChanged, this, &NomogramCommands::describeBars);
}

NomogramReadings NomogramCommands::current() const
{
    return readNomogram(window_.scrSCROLL->value(), window_.scrSCROLL2->value(),
                        antenna_ ? antenna_->efficiencyPercent() : std::nullopt);
}

void NomogramCommands::setAntenna(const TypedAntenna &antenna, BarValues values)
{
    antenna_ = antenna;
    setAt_ = values;
    window_.scrSCROLL->setValue(values.upper);
    window_.scrSCROLL2->setValue(values.lower);
    describeBars(); // the efficiency may be new though the Values are not
}

QStringList NomogramCommands::readings() const
{
    const NomogramReadings r = current();
    QStringList lines = upperReadingLines(r) + lowerReadingLines(r);
    if (antenna_ && window_.scrSCROLL->value() == setAt_.upper && window_.scrSCROLL2->value() == setAt_.lower)
        lines.prepend(antennaLine(*antenna_));
    return lines;
}

void NomogramCommands::openSetAntenna()
{
    if (!dialog_)
        dialog_ = new SetAntennaDialog(&window_);
    if (dialog_->exec() == QDialog::Accepted)
        setAntenna(dialog_->antenna(), dialog_->values());
}

void NomogramCommands::copyReadings()
{
    QGuiApplication::clipboard()->setText(readings().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// A screen reader speaks a bar's description with its value: after each step of a
// bar, the readings of its own nomogram.
void NomogramCommands::describeBars()
{
    const NomogramReadings r = current();
    window_.scrSCROLL->setAccessibleDescription(
        QStringLiteral("Slides the frequency, beamwidth and gain scales of the upper nomogram. ")
        + upperReadingLines(r).join(QStringLiteral(". ")) + QLatin1Char('.'));
    window_.scrSCROLL2->setAccessibleDescription(
        QStringLiteral("Slides the antenna diameter and far-field range scales of the lower nomogram. ")
        + lowerReadingLines(r).join(QStringLiteral(". ")) + QLatin1Char('.'));
}
