#pragma once

#include <QApplication>
#include <memory>

// Creates the application object. Without a display to connect to it prints one
// line saying so and ends the process with a non-zero status instead of aborting.
// It speaks the user's language, as installTranslations() sets it.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

// The program's words and Qt's own in the first of the user's languages that the
// program speaks, English where none is; for the application object that exists.
void installTranslations();
