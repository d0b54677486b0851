#pragma once

#include "readings/antenna_request.h"

#include <optional>

// Draws the nomogram off screen, with the antenna if one was given, and writes it to
// the file; returns the exit status. Needs no display and opens no window.
int exportFromCommandLine(int argc, char **argv, const QString &file,
                          const std::optional<SetAntenna> &antenna);
