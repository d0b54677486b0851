#pragma once

#include "readings/antenna_request.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Type an antenna, or one of its readings with its diameter, frequency or far-field
// range, and see the antenna found and what the nomograms will read for it before
// setting it.
// What cannot be read is said under the fields; an antenna out of the nomograms'
// reach says what they can reach; either way it cannot be confirmed.
class SetAntennaDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SetAntennaDialog(QWidget *parent);

    // Fills the fields with what was given for an antenna; with none, empties them.
    void showRequest(const std::optional<AntennaRequest> &request);
    // The antenna the fields set, if they set one: so once the dialog is accepted.
    const std::optional<SetAntenna> &antenna() const { return antenna_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();
    void fitTexts();
    void check();
    // The request's answer, or the sentence to show instead of readings.
    QString answerText(const QList<ReadQuantity> &read, bool marked);
    void choose(int field, QuantityKind kind);

    QComboBox *kinds_[2];
    QLineEdit *values_[2];
    QLineEdit *efficiency_;
    QLabel *complaints_;
    QLabel *readings_;
    QDialogButtonBox *buttons_;
    std::optional<SetAntenna> antenna_;
};
