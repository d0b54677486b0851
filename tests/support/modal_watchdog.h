#pragma once

#include <QObject>
#include <QTimer>

// Fails the running test when a modal dialog stays open, and closes it so the
// suite goes on instead of hanging. Create one in initTestCase().
class ModalWatchdog : public QObject
{
    Q_OBJECT

public:
    explicit ModalWatchdog(QObject *parent = nullptr);

private:
    void check();

    QTimer timer_;
};
