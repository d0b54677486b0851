#pragma once

#include "scales/errors.h"

#include <QString>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

// The error convention every procedure shares: armed on entry (which empties MSG),
// it runs each step of the procedure; a step that fails with a positive number is
// reported as "<prefix>  Error number is  <N>", and the procedure resumes with the
// next step. Nothing escapes a step.
class Trap
{
public:
    Trap(QString &msg, ErrorReporter &reporter, QString prefix)
        : msg_(msg)
        , reporter_(reporter)
        , prefix_(std::move(prefix))
    {
        msg_.clear();
    }

    template<class Step>
    void operator()(Step &&step) noexcept
    {
        try {
            step();
        } catch (const RuntimeError &error) {
            fail(error.number);
        } catch (const std::bad_alloc &) {
            fail(static_cast<int>(ErrorNumber::OutOfMemory));
        } catch (...) {
            fail(static_cast<int>(ErrorNumber::Internal));
        }
    }

    // A counted loop on a 16-bit counter, both bounds inclusive. Running the counter
    // past its range is reported as an overflow and ends the loop.
    template<class Body>
    void loop(std::int16_t &counter, int first, int last, int step, Body &&body) noexcept
    {
        bool running = false;
        (*this)([&] {
            counter = toInt16(first);
            running = true;
        });
        while (running && (step > 0 ? counter <= last : counter >= last)) {
            body();
            running = false;
            (*this)([&] {
                counter = toInt16(int(counter) + step);
                running = true;
            });
        }
    }

    // A loop on a double-precision variable whose bound and step are fixed at the start.
    template<class Body>
    void loop(double &variable, double first, double last, double step, Body &&body) noexcept
    {
        for (variable = first; variable <= last; variable += step)
            body();
    }

private:
    static std::int16_t toInt16(int value)
    {
        if (value < std::numeric_limits<std::int16_t>::min()
            || value > std::numeric_limits<std::int16_t>::max())
            throw runtimeError(ErrorNumber::Overflow);
        return static_cast<std::int16_t>(value);
    }

    void fail(int number) noexcept
    {
        if (number <= 0)
            return;
        msg_ = prefix_ + QStringLiteral("  Error number is  ") + QString::number(number);
        reporter_.report(msg_);
    }

    QString &msg_;
    ErrorReporter &reporter_;
    QString prefix_;
};
