#pragma once

#include "scales/errors.h"

// Reports an error in a modal box with OK and Cancel and no icon; either answer
// lets the procedure go on.
class MessageBoxReporter : public ErrorReporter
{
public:
    void report(const QString &message) override;
};
