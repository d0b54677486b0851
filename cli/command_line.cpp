#include "cli/command_line.h"

#include "beamwise_version.h"

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/refusal_words.h"
#include "print/print_door.h"

#include <QCoreApplication>
#include <QFile>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

int fail(const QString &message)
{
    say(message);
    return ExitUnusable;
}

// Help, the version, and arguments that cannot be parsed; none when there is more to do.
std::optional<int> parsed(QCommandLineParser &parser, const Options &options, int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments))
        return fail(Words::tr("%1 (see beamwise --help)").arg(parser.errorText()));
    if (parser.isSet(options.help) || parser.isSet(options.version)) {
        print(parser.isSet(options.help) ? parser.helpText().toUtf8()
                                         : "beamwise " BEAMWISE_VERSION "\n");
        return delivered(ExitOk);
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(Words::tr("unexpected argument \u201C%1\u201D (see beamwise --help)")
                            .arg(parser.positionalArguments().first()));
    return std::nullopt;
}

// The format asked for, for one antenna or a table; none when it names no format.
std::optional<Format> formatOf(const QCommandLineParser &parser, const Options &options)
{
    if (!parser.isSet(options.format))
        return parser.isSet(options.batch) ? Format::Csv : Format::Text;
    const QString name = parser.value(options.format).toLower();
    const std::pair<const char *, Format> formats[] = {
            {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}};
    for (const auto &[word, format] : formats)
        if (name == QLatin1String(word))
            return format;
    return std::nullopt;
}

// Options that do not go together; none when they do.
std::optional<int> misused(const QCommandLineParser &parser, const Options &options)
{
    const bool batch = parser.isSet(options.batch);
    const std::optional<Format> format = formatOf(parser, options);
    if (!format)
        return fail(Words::tr("--format: \u201C%1\u201D is not a format: use text, csv or json")
                            .arg(parser.value(options.format)));
    if (parser.isSet(options.format) && !batch && !parser.isSet(options.readings))
        return fail(Words::tr("--format says how readings are printed: give it with --readings or "
                              "--batch"));
    if (batch && *format == Format::Text)
        return fail(Words::tr("--format text is for one antenna: a table is answered in csv or "
                              "json"));
    const bool antenna =
            !options.quantitiesSet(parser).isEmpty() || parser.isSet(options.efficiency);
    if (batch && parser.value(options.batch).isEmpty())
        return fail(Words::tr("--batch: give the table's file name, or - for standard input"));
    if (batch && (antenna || parser.isSet(options.exportTo)))
        return fail(Words::tr("--batch reads its antennas from the table: give it without "
                              "--diameter, --frequency, --gain, --beamwidth, --far-field, "
                              "--efficiency or --export"));
    return std::nullopt;
}

QString breachText(PairBreach breach)
{
    switch (breach) {
    case PairBreach::TooMany:
        return Words::tr("give only two of --diameter, --frequency, --gain, --beamwidth and "
                         "--far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain "
                         "41.2 --frequency 11.7GHz");
    case PairBreach::GainWithBeamwidth:
        return Words::tr("%1: give one of them with --diameter, --frequency or --far-field")
                .arg(gainWithBeamwidthText());
    default:
        return Words::tr("give two of --diameter, --frequency, --gain, --beamwidth and "
                         "--far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain "
                         "41.2 --frequency 11.7GHz");
    }
}

// The antenna the options give, if any; or the status of a refusal, already said.
std::variant<std::optional<SetAntenna>, int> antennaOf(const QCommandLineParser &parser,
                                                       const Options &options)
{
    TypedRequest typed;
    QByteArrayList texts; // what the request's views show: their bytes stay put as it grows
    for (QuantityKind kind : options.quantitiesSet(parser)) {
        texts << parser.value(options.quantity(kind)).toUtf8();
        typed.quantities.append({kind, texts.back()});
    }
    if (parser.isSet(options.efficiency)) {
        texts << parser.value(options.efficiency).toUtf8();
        typed.efficiency = texts.back();
    }
    if (typed.quantities.isEmpty() && !typed.efficiency && !parser.isSet(options.readings))
        return std::nullopt;
    const auto answered = answer(typed);
    if (const auto *set = std::get_if<SetAntenna>(&answered))
        return *set;
    return fail(refusalWords(
            std::get<Refusal>(answered), breachText, [&](std::optional<QuantityKind> field) {
                return field ? options.name(*field) : QStringLiteral("--efficiency");
            }));
}

// The file name --batch gives, as the bytes the system gave: a name need not be text.
QByteArray batchFileOf(const QString &value, int argc, char **argv)
{
    QByteArray bytes;
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--batch" && i + 1 < argc)
            bytes = argv[++i];
        else if (argument.startsWith("--batch="))
            bytes = argument.sliced(8).toByteArray();
    }
    return QString::fromLocal8Bit(bytes) == value ? bytes : QFile::encodeName(value);
}

} // namespace

CommandLine readCommandLine(int argc, char **argv)
{
    QCommandLineParser parser;
    const Options options(parser);
    CommandLine command;
    if ((command.exitNow = parsed(parser, options, argc, argv))
        || (command.exitNow = misused(parser, options)))
        return command;
    command.format = *formatOf(parser, options);
    command.batchFile = batchFileOf(parser.value(options.batch), argc, argv);
    if (!command.batchFile.isEmpty())
        return command;
    auto antenna = antennaOf(parser, options);
    if (const int *status = std::get_if<int>(&antenna)) {
        command.exitNow = *status;
        return command;
    }
    command.antenna = std::get<std::optional<SetAntenna>>(std::move(antenna));
    command.readings = parser.isSet(options.readings);
    command.exportFile = parser.value(options.exportTo);
    if (parser.isSet(options.exportTo)) {
        if (const QString wrong = exporting::checkFileName(command.exportFile); !wrong.isEmpty())
            command.exitNow = fail(Words::tr("%1: %2").arg(QStringLiteral("--export"), wrong));
    }
    return command;
}

std::optional<int> answerWithoutWindow(const CommandLine &command)
{
    if (command.exitNow)
        return command.exitNow;
    if (!command.batchFile.isEmpty())
        return answerTable(command.batchFile, command.format);
    if (!command.readings)
        return std::nullopt;
    const SetAntenna &set = *command.antenna;
    const records::Values values = records::of(set);
    QByteArray out;
    if (command.format == Format::Csv) {
        records::appendCsv(out, {}, records::fieldNames());
        records::appendCsv(out, {}, values);
        print(out);
    } else if (command.format == Format::Json) {
        records::appendJson(out, {}, {}, values);
        print(out);
    } else {
        const QStringList lines = readingLines(set.readings, &set.antenna);
        print((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    return delivered(ExitOk);
}
