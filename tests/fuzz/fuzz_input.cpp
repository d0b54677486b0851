#include "cli/command_line.h"
#include "readings/quantity.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

// Anything a user may type into a field, put in a table's cell, or give the program as
// its arguments, one argument a line. Every answer is a value inside its range or a sentence saying
// why not, a value as the program writes it back reads as that value, and the command line ends
// with a status it documents or an antenna whose bars it can set.

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
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
    for (const QLocale &locale : {QLocale("en_GB"), QLocale("de_DE"), QLocale("fr_FR")})
        for (int kind = 0; kind <= 5; ++kind) { // the five quantities, then the efficiency
            const auto read = [&](const QString &t) {
                return kind == 5 ? readEfficiency(t, locale)
                                 : readQuantity(QuantityKind(kind), t, locale);
            };
            // A table's cell, read from its bytes, reads as the same text read as a QString.
            for (const Numbers numbers : {Numbers::Table, Numbers::TableDecimalComma}) {
                const auto of = kind == 5 ? std::nullopt : std::optional(QuantityKind(kind));
                const ReadQuantity cell =
                        readField(of, QByteArrayView(data, qsizetype(size)), locale, numbers);
                const ReadQuantity whole = of ? readQuantity(*of, text, locale, numbers)
                                              : readEfficiency(text, locale, numbers);
                require(cell.error == whole.error
                        && cell.quantity.has_value() == whole.quantity.has_value()
                        && (!cell.quantity || cell.quantity->value == whole.quantity->value));
            }
            const ReadQuantity typed = read(text);
            require(typed.quantity.has_value() == typed.error.isEmpty());
            if (!typed.quantity)
                continue;
            const double value = typed.quantity->value;
            require(std::isfinite(value) && value > 0
                    && (kind != 5 || (value >= 10 && value <= 100)));
            const ReadQuantity back = read(typed.quantity->typed(locale));
            require(back.quantity && std::abs(back.quantity->value - value) <= 1e-12 * value);
        }

    std::vector<QByteArray> arguments{"beamwise"};
    for (const QString &argument : text.split(QLatin1Char('\n')))
        arguments.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    const CommandLine command = readCommandLine(int(argv.size()), argv.data());
    const BarValues values = command.antenna ? command.antenna->values : BarValues{0, 0, 0, 0};
    require(command.exitNow ? *command.exitNow == ExitOk || *command.exitNow == ExitUnusable
                            : values.upper >= 0 && values.upper <= 32767 && values.lower >= 0
                            && values.lower <= 32767);
    return 0;
}
