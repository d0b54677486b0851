#include "app/command_line.h"

#include "app/application.h"
#include "app/clock.h"
#include "app/dishscope.h"
#include "app/nomogram_commands.h"
#include "app/print_module.h"
#include "scales/module1.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The program's one line on standard error.
void say(const QString &message)
{
    std::fprintf(stderr, "beamwise: %s\n", qUtf8Printable(message));
}

int fail(const QString &message)
{
    say(message);
    return ExitUnusable;
}

} // namespace

CommandLine readCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(Words::tr(
        "A slide rule of two nomograms for dish antennas: gain, beamwidth and far-field range."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption diameter(QStringLiteral("diameter"),
                                      Words::tr("Antenna diameter in m, cm, mm, ft or in (m if none)."),
                                      Words::tr("value"));
    const QCommandLineOption frequency(QStringLiteral("frequency"),
                                       Words::tr("Frequency in Hz, kHz, MHz or GHz (GHz if none)."),
                                       Words::tr("value"));
    const QCommandLineOption gain(QStringLiteral("gain"),
                                  Words::tr("Wanted gain in dBi at the efficiency given, 100 % if none; "
                                                 "with --diameter, --frequency or --far-field, for example --gain 41.2 --frequency 11.7GHz."),
                                  Words::tr("value"));
    const QCommandLineOption beamwidth(QStringLiteral("beamwidth"),
                                       Words::tr("Wanted 3 dB beamwidth in \u00B0 or deg (\u00B0 if none); with --diameter, "
                                                      "--frequency or --far-field, for example --beamwidth 2 --frequency 1420MHz."),
                                       Words::tr("value"));
    const QCommandLineOption farField(QStringLiteral("far-field"),
                                      Words::tr("Wanted far-field range in m, km or ft (m if none); with --diameter, "
                                                     "--frequency, --gain or --beamwidth, for example --far-field 100m --frequency 10."),
                                      Words::tr("value"));
    const QCommandLineOption efficiency(QStringLiteral("efficiency"),
                                        Words::tr("Aperture efficiency in %, 10 to 100 (optional)."),
                                        Words::tr("value"));
    const QCommandLineOption readings(QStringLiteral("readings"),
                                      Words::tr("Print the readings for the antenna and end, without a window."));
    const QCommandLineOption exportTo(QStringLiteral("export"),
                                      Words::tr("Write the nomogram to a PDF, SVG or PNG file and end, without a window."),
                                      Words::tr("file"));
    parser.addOptions({diameter, frequency, gain, beamwidth, farField, efficiency, readings, exportTo});

    CommandLine command;
    if (!parser.parse(arguments)) {
        command.exitNow = fail(Words::tr("%1 (see beamwise --help)").arg(parser.errorText()));
        return command;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        std::fputs(qUtf8Printable(parser.isSet(help) ? parser.helpText() : QStringLiteral("beamwise 2.4\n")), stdout);
        command.exitNow = ExitOk;
        return command;
    }
    if (!parser.positionalArguments().isEmpty()) {
        command.exitNow = fail(Words::tr("unexpected argument \u201C%1\u201D (see beamwise --help)")
                                   .arg(parser.positionalArguments().first()));
        return command;
    }

    int given = 0;
    for (const QCommandLineOption *option : {&diameter, &frequency, &gain, &beamwidth, &farField})
        given += parser.isSet(*option) ? 1 : 0;
    const bool any = given > 0 || parser.isSet(efficiency);
    if ((any || parser.isSet(readings)) && given != 2) {
        command.exitNow = fail(given > 2 ? Words::tr("give only two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example "
                                                     "--diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz")
                                         : Words::tr("give two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example "
                                                     "--diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz"));
        return command;
    }
    if (parser.isSet(gain) && parser.isSet(beamwidth)) {
        command.exitNow = fail(Words::tr("--gain and --beamwidth both fix the product of diameter and frequency: "
                                              "give one of them with --diameter, --frequency or --far-field"));
        return command;
    }
    if (any) {
        const auto readOption = [&](const QCommandLineOption &option, auto reader) {
            return parser.isSet(option) ? reader(parser.value(option), QLocale()) : ReadQuantity{};
        };
        const ReadQuantity d = readOption(diameter, readDiameter);
        const ReadQuantity f = readOption(frequency, readFrequency);
        const ReadQuantity g = readOption(gain, readGain);
        const ReadQuantity b = readOption(beamwidth, readBeamwidth);
        const ReadQuantity r = readOption(farField, readFarField);
        const ReadQuantity e = readOption(efficiency, readEfficiency);
        for (const auto &[read, option] : {std::pair{&d, "--diameter"}, {&f, "--frequency"}, {&g, "--gain"},
                                           {&b, "--beamwidth"}, {&r, "--far-field"}, {&e, "--efficiency"}}) {
            if (!read->error.isEmpty()) {
                command.exitNow = fail(Words::tr("%1: %2").arg(QLatin1String(option), read->error));
                return command;
            }
        }
        if (d.quantity && f.quantity) {
            const TypedAntenna antenna{*d.quantity, *f.quantity, e.quantity};
            const auto placed = placeAntenna(antenna.diameter.value, antenna.frequency.value);
            if (const auto *reach = std::get_if<OutOfReach>(&placed)) {
                command.exitNow = fail(outOfReachText(*reach, antenna));
                return command;
            }
            command.antenna = antenna;
            command.values = std::get<BarValues>(placed);
        } else {
            // One wanted reading, with a diameter, a frequency or a far-field range.
            const auto [wanted, want] = g.quantity ? std::pair{Wanted::Gain, *g.quantity}
                                      : b.quantity ? std::pair{Wanted::Beamwidth, *b.quantity}
                                                   : std::pair{Wanted::FarField, *r.quantity};
            const auto [kind, other] = d.quantity ? std::pair{Given::Diameter, *d.quantity}
                                     : f.quantity ? std::pair{Given::Frequency, *f.quantity}
                                                  : std::pair{Given::FarField, *r.quantity};
            const auto found = findAntenna(wanted, want.value, kind, other.value, e.quantity ? std::optional(e.quantity->value) : std::nullopt);
            if (const auto *antenna = std::get_if<FoundAntenna>(&found)) {
                command.antenna = foundAntenna(*antenna, kind, other, e.quantity);
                command.values = antenna->values;
            } else if (const auto *reach = std::get_if<OutOfReach>(&found)) {
                const Quantity placeholder{1, QString(), 1};
                command.exitNow = fail(outOfReachText(*reach, kind == Given::Diameter ? TypedAntenna{other, placeholder, {}}
                                                                                      : TypedAntenna{placeholder, other, {}}));
            } else {
                command.exitNow = fail(unreachableText(std::get<Unreachable>(found), wanted, want, other.typed()));
            }
            if (command.exitNow)
                return command;
        }
    }
    command.readings = parser.isSet(readings);
    command.exportFile = parser.value(exportTo);
    if (parser.isSet(exportTo)) {
        if (const QString wrong = exporting::checkFileName(command.exportFile); !wrong.isEmpty())
            command.exitNow = fail(Words::tr("%1: %2").arg(QStringLiteral("--export"), wrong));
    }
    return command;
}

QStringList commandLineReadings(const CommandLine &command)
{
    const NomogramReadings r = readNomogram(command.values.upper, command.values.lower,
                                            command.antenna->efficiencyPercent());
    return QStringList{antennaLine(*command.antenna)} + upperReadingLines(r) + lowerReadingLines(r);
}

namespace {

// Without a window to show them in, failures while drawing go to standard error.
class StandardErrorReporter : public ErrorReporter
{
public:
    void report(const QString &message) override { say(message); }
};

} // namespace

int exportFromCommandLine(int argc, char **argv, const CommandLine &command)
{
    // Drawn off screen: this needs no display and opens no window. Only the
    // program's own message, if any, goes to standard error.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            say(message);
    });
    auto app = createApplication(argc, argv);
    StandardErrorReporter reporter;
    SystemClock clock;
    Dishscope window;
    Module1 module(window, reporter, clock);
    module.MAIN();
    if (command.antenna)
        window.commands->setAntenna(*command.antenna, command.values);
    const QString error = exporting::writeFile(command.exportFile, window, window.commands->footer());
    if (error.isEmpty())
        return ExitOk;
    say(error);
    return ExitFailure;
}
