#pragma once

#include <QString>

// The numbers a failure inside a procedure is reported with.
enum class ErrorNumber : int {
    Overflow = 6, // a 16-bit counter or a single-precision value out of range
    OutOfMemory = 7, // an allocation failed
    SubscriptOutOfRange = 9, // the logarithm table read outside its indexes
    DivisionByZero = 11, // a floating-point fault: a result that is not a finite number
    Internal = 51, // any other unexpected failure that reached a trap
    SurfaceFailed = 480, // a drawing surface could not carry out an operation
};

// A failure raised by a step of a procedure. Numbers of 0 or below are not errors
// the user is told about.
struct RuntimeError
{
    int number;
};

inline RuntimeError runtimeError(ErrorNumber number)
{
    return {static_cast<int>(number)};
}

// Shows the text of an error report and waits for the answer, which is ignored.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString &message) = 0;
};
