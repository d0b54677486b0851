#include "support/fixtures.h"

#include "scales/scale_strip.h"

StartedProgram::StartedProgram()
{
    module.MAIN();
}

QList<ScaleStrip *> stripsOf(Dishscope &window)
{
    return {window.picPICA, window.picPICB, window.picPICC, window.picPICD,
            window.picPICE, window.picPICF, window.picPICG, window.picPICH};
}
