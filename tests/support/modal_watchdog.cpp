#include "support/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

ModalWatchdog::ModalWatchdog(QObject *parent)
    : QObject(parent)
{
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
    timer_.start();
}

void ModalWatchdog::check()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    const QString title = modal->windowTitle();
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
    QTest::qFail(qPrintable(QStringLiteral("a modal dialog was left open: %1").arg(title)),
                 __FILE__, __LINE__);
}
