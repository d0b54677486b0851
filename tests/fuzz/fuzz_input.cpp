#include "cli/command_line.h"
#include "readings/figures.h"
#include "readings/quantity.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdint>
#include <vector>

// Anything a user may type into a field, or give the program as its arguments, one
// argument a line. Every answer is a value inside its range or a sentence saying
// why not, and what the program prints of a value reads back as that value.

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

bool near(double a, double b, double relative)
{
    return std::abs(a - b) <= relative * std::abs(b);
}

void readField(const QString &text, const QLocale &locale)
{
    for (int kind = 0; kind <= 5; ++kind) { // the five quantities, then the efficiency
        const auto reader = [&](const QString &t) {
            return kind == 5 ? readEfficiency(t, locale)
                             : readQuantity(QuantityKind(kind), t, locale);
        };
        const ReadQuantity read = reader(text);
        require(read.quantity.has_value() == read.error.isEmpty());
        if (!read.quantity)
            continue;
        const Quantity &q = *read.quantity;
        require(std::isfinite(q.value) && q.value > 0);
        require(kind != 5 || (q.value >= 10 && q.value <= 100));
        // As typed exactly; as a reading, or the end of a reach rounded outwards, to
        // within one step of the third figure.
        const ReadQuantity typed = reader(q.typed(locale));
        require(typed.quantity && near(typed.quantity->value, q.value, 1e-12));
        for (const QString &shown : {threeFigures(q.inTypedUnit(q.value), locale) + q.unit,
                                     q.inUnit(q.value, Quantity::Up, locale) + q.unit}) {
            const ReadQuantity back = reader(shown);
            require(kind == 5 || (back.quantity && near(back.quantity->value, q.value, 1e-2)));
        }
    }
}

} // namespace

// The command line is read with the application object there, as the program does.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale :
         {QLocale(QLocale::English, QLocale::UnitedKingdom),
          QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)})
        readField(text, locale);

    std::vector<QByteArray> arguments{"beamwise"};
    for (const QString &argument : text.split(QLatin1Char('\n')))
        arguments.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    const CommandLine command = readCommandLine(int(argv.size()), argv.data());
    const BarValues values = command.antenna ? command.antenna->values : BarValues{0, 0};
    require(command.exitNow
            || (values.upper >= 0 && values.upper <= 32767 && values.lower >= 0
                && values.lower <= 32767));
    require(!command.exitNow || *command.exitNow == ExitOk || *command.exitNow == ExitUnusable);
    return 0;
}
