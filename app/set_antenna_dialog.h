#pragma once

#include "app/readings_text.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Type an antenna, or one of its readings with its diameter, frequency or far-field
// range, and see the antenna found and what the nomograms will read for it before
// setting it.
// A field that cannot be read says why beside it; an antenna out of the nomograms'
// reach says what they can reach; either way it cannot be confirmed.
class SetAntennaDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SetAntennaDialog(QWidget *parent);

    // What was typed and where the bars go for it; valid after the dialog is accepted.
    const TypedAntenna &antenna() const { return antenna_; }
    BarValues values() const { return values_; }

private:
    void check();

    QComboBox *firstKind_;
    QComboBox *secondKind_;
    QLineEdit *diameter_;
    QLineEdit *frequency_;
    QLineEdit *efficiency_;
    QLabel *diameterError_;
    QLabel *frequencyError_;
    QLabel *efficiencyError_;
    QLabel *readings_;
    QDialogButtonBox *buttons_;
    TypedAntenna antenna_;
    BarValues values_{};
};
