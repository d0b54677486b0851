#pragma once

#include <QLabel>

// The instructions view: a title line and two paragraphs, centred, black on white,
// in a panel of the instructions picture's size.
class InstructionsText : public QLabel
{
    Q_OBJECT

public:
    explicit InstructionsText(QWidget *parent);
};
