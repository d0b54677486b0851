#include "cli/options.h"

#include <QCoreApplication>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Qt's words for its own help options, which its French and Spanish translations lack:
// ours carry them, as Qt looks its words up in every translation installed.
[[maybe_unused]] const char *const QtHelpWords[] = {
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};

QCommandLineOption option(const char *name, const QString &description,
                          const QString &valueName = QString())
{
    return QCommandLineOption(QLatin1String(name), description, valueName);
}

std::vector<QCommandLineOption> quantityOptions()
{
    const QString value = Words::tr("value");
    return {option("diameter", Words::tr("Antenna diameter in m, cm, mm, ft or in (m if none)."),
                   value),
            option("frequency", Words::tr("Frequency in Hz, kHz, MHz or GHz (GHz if none)."),
                   value),
            option("gain",
                   Words::tr("Wanted gain in dBi at the efficiency given, 100 % if none; with "
                             "--diameter, --frequency or --far-field, for example --gain 41.2 "
                             "--frequency 11.7GHz."),
                   value),
            option("beamwidth",
                   Words::tr("Wanted 3 dB beamwidth in \u00B0 or deg (\u00B0 if none); with "
                             "--diameter, --frequency or --far-field, for example --beamwidth 2 "
                             "--frequency 1420MHz."),
                   value),
            option("far-field",
                   Words::tr("Wanted far-field range in m, km or ft (m if none); with --diameter, "
                             "--frequency, --gain or --beamwidth, for example --far-field 100m "
                             "--frequency 10."),
                   value)};
}

} // namespace

Options::Options(QCommandLineParser &parser)
    : help(parser.addHelpOption())
    , version(parser.addVersionOption())
    , quantities(quantityOptions())
    , efficiency(option("efficiency", Words::tr("Aperture efficiency in %, 10 to 100 (optional)."),
                        Words::tr("value")))
    , readings(option("readings",
                      Words::tr("Print the readings for the antenna and end, without a window.")))
    , format(option("format",
                    Words::tr("How readings are printed: text (the default), csv (a header line "
                              "and a row) or json (one object), for example --readings --format "
                              "csv --diameter 1m --frequency 10GHz. Tables are answered in "
                              "csv (the default) or json, one object a line."),
                    Words::tr("format")))
    , batch(option("batch",
                   Words::tr("Read a CSV table of antennas from a file, or from standard input "
                             "for -, and answer each row with its readings, for example --batch "
                             "dishes.csv --format json. Its first line names the columns: any "
                             "two of diameter, frequency, gain, beamwidth and far-field, and "
                             "efficiency if you like; other columns are carried through."),
                   Words::tr("file")))
    , exportTo(option("export",
                      Words::tr("Write the nomogram to a PDF, SVG or PNG file and end, without a "
                                "window."),
                      Words::tr("file")))
{
    parser.setApplicationDescription(
            Words::tr("A slide rule of two nomograms for dish antennas, read as their formulas "
                      "give them, with \u03BB = c/f: the gain \u03B7(\u03C0"
                      "D/\u03BB)\u00B2, "
                      "the 3 dB beamwidth 70 \u03BB/D, the 10 dB beamwidth 131.5 \u03BB/D (1.878 "
                      "times the 3 dB one) and the far-field range 2D\u00B2/\u03BB."));
    for (const QCommandLineOption &quantity : quantities)
        parser.addOption(quantity);
    parser.addOptions({efficiency, readings, format, batch, exportTo});
}

QString Options::name(QuantityKind kind) const
{
    return QStringLiteral("--") + quantity(kind).names().first();
}

QList<QuantityKind> Options::quantitiesSet(const QCommandLineParser &parser) const
{
    QList<QuantityKind> kinds;
    for (std::size_t i = 0; i < quantities.size(); ++i)
        if (parser.isSet(quantities[i]))
            kinds << QuantityKind(i);
    return kinds;
}
