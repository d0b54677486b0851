#pragma once

#include <QApplication>
#include <memory>

// Creates the application object. Without a display to connect to it prints one
// line saying so and ends the process with a non-zero status instead of aborting.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);
