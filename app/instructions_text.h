#pragma once

#include <QLabel>

// The instructions view: a title line, two paragraphs and where the commands are, centred, black on
// white, in a panel of the instructions picture's size.
class InstructionsText : public QLabel
{
    Q_OBJECT

public:
    explicit InstructionsText(QWidget *parent);
};
