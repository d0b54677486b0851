#include "app/message_box_reporter.h"

#include <QMessageBox>

void MessageBoxReporter::report(const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Beamwise"), message,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.exec();
}
