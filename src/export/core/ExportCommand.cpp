#include "export/core/ExportCommand.h"

#include "export/core/ExportSink.h"
#include "export/core/LogExport.h"
#include "export/core/ReadOnlyLog.h"
#include "export/core/StationDetails.h"
#include "store/Posix.h"
#include "store/Text.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <new>
#include <unistd.h>
#include <variant>

namespace {

const char *const Name = "kestrix-export";

// The messages, each write checked.
class Console {
  public:
    Console(int out, int err) : m_out(out), m_err(err) {}

    void out(const QString &text) { put(m_out, text, &m_outError); }
    void err(const QString &line) { put(m_err, line + QLatin1Char('\n'), nullptr); }
    void tell(const QString &line) { err(QStringLiteral("%1: %2").arg(QLatin1String(Name), line)); }
    // What went wrong on standard output, or empty.
    QString outError() const { return m_outError; }

    int badArguments(const QString &why)
    {
        tell(QStringLiteral("%1 (see %2 --help)").arg(why, QLatin1String(Name)));
        return ExportCommand::BadArguments;
    }
    int fileError(const QString &file, const QString &reason)
    {
        tell(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), reason));
        return ExportCommand::FileError;
    }
    // Success, unless a message could not be written to standard output.
    int finish(int status)
    {
        if (status == ExportCommand::Success && !m_outError.isEmpty())
            return fileError(QStringLiteral("standard output"), m_outError);
        return status;
    }

  private:
    static void put(int fd, const QString &text, QString *error)
    {
        const QByteArray bytes = text.toUtf8();
        const int failed = fd < 0 ? EBADF : Posix::writeAll(fd, bytes.constData(), bytes.size());
        if (failed && error && error->isEmpty())
            *error = Posix::reason(failed);
    }
    int m_out, m_err;
    QString m_outError;
};

QString helpText()
{
    return QStringLiteral("Usage: kestrix-export --format %1 [options] [DIR]\n"
                          "\n"
                          "Writes the Kestrix log in DIR (default: the current folder) as a Cabrillo 3.0\n"
                          "or ADIF 3.1.4 file, in plain ASCII, the contacts in time order. The log is only\n"
                          "read, so this works while Kestrix runs.\n"
                          "\n"
                          "Your station and entry default to what Kestrix remembers from its dialogs and\n"
                          "its summary sheet (~/.config/Kestrix/Kestrix.conf), the power multiplier, bonus\n"
                          "multiplier and bonus points too; an option given here wins, and the message\n"
                          "says which value was used. This command reads that file but never changes it.\n"
                          "\n"
                          "  --format %1    the file format\n"
                          "  --call CALL               your call sign\n"
                          "  --spc SPC                 your state, province or country\n"
                          "  --number NR|PWR           your ARCI member number, or your power\n"
                          "  --mode CW|SSB             the mode of the contest\n"
                          "  --contest NAME            the Cabrillo contest name, QRP-ARCI-FALL-QSO-PARTY\n"
                          "  --power-multiplier N      the QRP ARCI power multiplier (7 for 1-5 W CW, ...);\n"
                          "                            needed unless one is remembered\n"
                          "  --bonus-multiplier N      the bonus multiplier (remembered, else 1)\n"
                          "  --bonus N                 the bonus points (remembered, else 0)\n"
                          "  --name, --address, --city, --state, --zip TEXT\n"
                          "                            your name and address, for the Cabrillo header\n"
                          "  --category-station CAT    Cabrillo CATEGORY-STATION, e.g. FIXED or PORTABLE\n"
                          "  --category-transmitter CAT  Cabrillo CATEGORY-TRANSMITTER, e.g. ONE\n"
                          "  --soapbox TEXT            comments for the Cabrillo SOAPBOX\n"
                          "  --skip-incomplete         leave out contacts a checker cannot read (a blank\n"
                          "                            RST, S-P-C or number, an RST that is not a report,\n"
                          "                            an unreadable band, date or time); without it they\n"
                          "                            stop the export\n"
                          "  --output FILE             where to write (default: CALL.log or CALL.adi in\n"
                          "                            DIR; - for standard output)\n"
                          "  --force                   replace an output file that is not an earlier\n"
                          "                            Kestrix export of the same format\n"
                          "  -h, --help                show this help\n"
                          "  --version                 show the version\n"
                          "\n"
                          "The claimed score (Cabrillo) counts the contacts written, by the contest's\n"
                          "rules: 5, 4 or 2 points each as the entry rules give them, nothing for a\n"
                          "repeat of a call on its band, the distinct S-P-C of each band as multipliers;\n"
                          "points x multipliers x power multiplier x bonus multiplier + bonus points.\n"
                          "When the summary sheet's recount of the whole log gives another score (contacts\n"
                          "left out), both are said, and why.\n"
                          "\n"
                          "Replacing a file: an earlier Kestrix export of the same format is replaced,\n"
                          "and only once the new file is complete on the disk. Any other existing file is\n"
                          "replaced only with --force. A Kestrix log (QRPDATA.DAT, ARCIFILE.DAT, its\n"
                          "journal or the bytes set aside, in any folder, or any file holding log\n"
                          "records), a folder, a named pipe or a device is never replaced.\n"
                          "\n"
                          "Exit status: 0 written; 1 the log could not be read, the output could not be\n"
                          "written, or contacts a checker cannot read would be missing (then nothing is\n"
                          "written); 2 bad arguments, or an output that may not be replaced (then\n"
                          "nothing is touched).\n")
        .arg(ExportFormats::names("|").remove(QLatin1Char(' ')));
}

// A number option: finite, and above 0 (or 0 too, with `zeroAllowed`).
std::optional<double> number(const QString &text, bool zeroAllowed)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value < 0 || (value == 0 && !zeroAllowed))
        return std::nullopt;
    return value;
}

// The remembered mode as the command line would give it: CW or SSB, else nothing.
QString rememberedMode(const QString &mode)
{
    const QString m = mode.trimmed().toUpper();
    if (m == QLatin1String("CW"))
        return m;
    if (m == QLatin1String("SSB") || m == QLatin1String("PH") || m == QLatin1String("PHONE"))
        return QStringLiteral("SSB");
    return {};
}

// The command's options, each by the name it is given with.
struct Options {
    static QCommandLineOption valued(const char *name, const char *value)
    {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(value));
    }
    const QCommandLineOption format = valued("format", "FORMAT"), call = valued("call", "CALL"),
                             spc = valued("spc", "SPC"), nr = valued("number", "NR"), mode = valued("mode", "MODE"),
                             contest = valued("contest", "NAME"), output = valued("output", "FILE"),
                             power = valued("power-multiplier", "N"), bonusMult = valued("bonus-multiplier", "N"),
                             bonus = valued("bonus", "N"), name = valued("name", "TEXT"),
                             address = valued("address", "TEXT"), city = valued("city", "TEXT"),
                             state = valued("state", "TEXT"), zip = valued("zip", "TEXT"),
                             station = valued("category-station", "CAT"),
                             transmitter = valued("category-transmitter", "CAT"), soapbox = valued("soapbox", "TEXT");
    const QCommandLineOption skip{QStringLiteral("skip-incomplete")};
    const QCommandLineOption force{QStringLiteral("force")};
    const QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version{QStringLiteral("version")};
    const QList<const QCommandLineOption *> values{&format, &call,  &spc,       &nr,      &mode,        &contest,
                                                   &output, &power, &bonusMult, &bonus,   &name,        &address,
                                                   &city,   &state, &zip,       &station, &transmitter, &soapbox};
    QCommandLineParser parser;

    Options()
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption *o : values)
            parser.addOption(*o);
        parser.addOptions({skip, force, help, version});
    }
    QString given(const QCommandLineOption &o, const QString &otherwise) const
    {
        return parser.isSet(o) ? parser.value(o) : otherwise;
    }
};

// What an export run is asked to do.
struct Request {
    ExportSettings settings;
    QString directory, path;
    bool toStandardOutput = false;
};

// The settings the options and the remembered details give; a status when the
// options are refused (the reason has been told).
std::variant<ExportSettings, int> settingsFrom(const Options &o, ExportFormat fmt, Console &console,
                                               const QDateTime &now)
{
    // The remembered details, each replaced by the option that gives it.
    const StationDetails remembered = StationDetails::load();
    ExportSettings settings;
    settings.format = fmt;
    settings.station = StationData{o.given(o.call, remembered.call), o.given(o.spc, remembered.spc),
                                   o.given(o.nr, remembered.number), o.given(o.mode, rememberedMode(remembered.mode)),
                                   o.given(o.contest, ExportFormats::cabrilloContest(remembered.contest))};
    EntrantData entrant = EntrantData::from(remembered);
    settings.entrant = EntrantData{o.given(o.name, entrant.name),
                                   o.given(o.address, entrant.address),
                                   o.given(o.city, entrant.city),
                                   o.given(o.state, entrant.state),
                                   o.given(o.zip, entrant.postalCode),
                                   o.given(o.station, entrant.categoryStation),
                                   o.given(o.transmitter, entrant.categoryTransmitter),
                                   o.parser.value(o.soapbox)};
    const QList<std::pair<const QCommandLineOption *, QString>> needed{{&o.call, settings.station.call},
                                                                       {&o.spc, settings.station.spc},
                                                                       {&o.nr, settings.station.number},
                                                                       {&o.mode, settings.station.mode}};
    for (const auto &[option, value] : needed)
        if (value.trimmed().isEmpty())
            return console.badArguments(QStringLiteral("--%1 is needed").arg(option->names().first()));
    if (ExportFormats::info(fmt).entry) {
        if (settings.station.contest.trimmed().isEmpty())
            return console.badArguments(QStringLiteral("--contest is needed"));
        // Each factor: the option, else the remembered value, else the default.
        struct Factor {
            const QCommandLineOption &option;
            const QString &remembered;
            double fallback; // 0: none, the option is needed
            bool zeroAllowed;
            double &value;
            QString &from;
            const char *needs;
        };
        const Factor factors[] = {
            {o.power, remembered.powerMultiplier, 0, false, settings.powerMultiplier, settings.powerMultiplierFrom,
             "a number above 0"},
            {o.bonusMult, remembered.bonusMultiplier, 1, false, settings.bonusMultiplier, settings.bonusMultiplierFrom,
             "a number above 0"},
            {o.bonus, remembered.bonusPoints, 0, true, settings.bonusPoints, settings.bonusPointsFrom,
             "a number, 0 or more"},
        };
        for (const Factor &f : factors) {
            const QString name = f.option.names().first();
            if (o.parser.isSet(f.option)) {
                const std::optional<double> v = number(o.parser.value(f.option), f.zeroAllowed);
                if (!v)
                    return console.badArguments(QStringLiteral("--%1 needs %2, not \"%3\"")
                                                    .arg(name, QLatin1String(f.needs), o.parser.value(f.option)));
                f.value = *v;
                continue;
            }
            // Remembered as typed on the summary sheet: the number at its start.
            const double kept = Text::numericValue(f.remembered);
            if (!f.remembered.trimmed().isEmpty() && std::isfinite(kept) &&
                (kept > 0 || (f.zeroAllowed && kept == 0))) {
                f.value = kept;
                f.from = QStringLiteral("remembered");
            } else if (f.fallback > 0 || f.zeroAllowed) {
                f.value = f.fallback;
                f.from = QStringLiteral("default");
            } else {
                return console.badArguments(
                    QStringLiteral("--%1 is needed for the claimed score (none is remembered)").arg(name));
            }
        }
    }
    settings.skipIncomplete = o.parser.isSet(o.skip);
    settings.created = now;
    const QString problem = settings.problem();
    if (!problem.isEmpty())
        return console.badArguments(problem);
    return settings;
}

// The request the arguments make; a status when the run ends here (help,
// version, or arguments refused with the reason told).
std::variant<Request, int> requestFrom(const QStringList &arguments, Console &console, const QDateTime &now)
{
    Options o;
    QCommandLineParser &parser = o.parser;
    if (!parser.parse(arguments))
        return console.badArguments(parser.errorText());
    if (parser.isSet(o.help)) {
        console.out(helpText());
        return ExportCommand::Success;
    }
    if (parser.isSet(o.version)) {
        console.out(QStringLiteral("kestrix-export %1\n").arg(QStringLiteral(KESTRIX_VERSION)));
        return ExportCommand::Success;
    }
    for (const QCommandLineOption *option : o.values)
        if (parser.values(*option).size() > 1)
            return console.badArguments(QStringLiteral("--%1 is given more than once").arg(option->names().first()));
    if (parser.positionalArguments().size() > 1)
        return console.badArguments(QStringLiteral("only one log folder can be given, not \"%1\"")
                                        .arg(parser.positionalArguments().join(QStringLiteral("\", \""))));

    if (!parser.isSet(o.format))
        return console.badArguments(QStringLiteral("--format %1 is needed").arg(ExportFormats::names("or --format")));
    const FormatInfo *fmt = ExportFormats::fromName(parser.value(o.format));
    if (!fmt)
        return console.badArguments(
            QStringLiteral("unknown format \"%1\"; use %2").arg(parser.value(o.format), ExportFormats::names()));
    std::variant<ExportSettings, int> settings = settingsFrom(o, fmt->format, console, now);
    if (const int *status = std::get_if<int>(&settings))
        return *status;

    Request r;
    r.settings = std::get<ExportSettings>(settings);
    r.directory = parser.positionalArguments().value(0, QStringLiteral("."));
    if (!QFileInfo(r.directory).isDir())
        return console.badArguments(QStringLiteral("\"%1\" is not a folder").arg(r.directory));
    r.toStandardOutput = parser.value(o.output) == QLatin1String("-");
    r.path = parser.isSet(o.output)
                 ? parser.value(o.output)
                 : QDir(r.directory).filePath(ExportFormats::defaultFileName(r.settings.station.call, fmt->format));
    if (r.path.isEmpty())
        return console.badArguments(QStringLiteral("--output needs a file name"));
    if (!r.toStandardOutput) {
        const LogExport::OutputTarget target = LogExport::target(r.path, r.directory, fmt->format);
        if (target.kind == LogExport::OutputTarget::Refused)
            return console.badArguments(target.why);
        if (target.kind == LogExport::OutputTarget::OtherFile && !parser.isSet(o.force))
            return console.badArguments(
                QStringLiteral("%1 Nothing was written; give --force to replace it").arg(target.why));
    }
    return r;
}

int runCommand(const QStringList &arguments, int outFd, Console &console, const QDateTime &now)
{
    std::variant<Request, int> request = requestFrom(arguments, console, now);
    if (const int *status = std::get_if<int>(&request))
        return *status;
    const Request &r = std::get<Request>(request);
    const ExportSettings &settings = r.settings;
    const bool toStandardOutput = r.toStandardOutput;
    const QString &path = r.path;

    ReadOnlyLog log(r.directory);
    if (!log.open())
        return console.fileError(log.filePath(), log.reason());

    std::unique_ptr<ExportSink> sink;
    if (toStandardOutput) {
        sink = std::make_unique<DescriptorOutput>(outFd);
    } else {
        auto file = std::make_unique<FileReplacement>(path);
        if (!file->open())
            return console.fileError(path, file->reason());
        sink = std::move(file);
    }
    const QString scratch = toStandardOutput ? QDir::tempPath() : QFileInfo(path).absolutePath();
    const bool skipping = settings.skipIncomplete;
    const ExportResult result =
        LogExport::write(log, *sink, settings, scratch, [&console, skipping](const LogExport::Notice &n) {
            console.tell((n.incomplete ? (skipping ? QStringLiteral("left out: ") : QStringLiteral("incomplete: "))
                                       : QStringLiteral("warning: ")) +
                         n.text);
        });
    const QString target = toStandardOutput ? QStringLiteral("standard output") : path;
    switch (result.failure) {
    case ExportResult::None:
        break;
    case ExportResult::Incomplete:
        console.tell(QStringLiteral("%1 contact%2 a checker cannot read (named above); nothing was written. "
                                    "Mend %3 with Change, or give --skip-incomplete to leave %3 out.")
                         .arg(result.leftOut)
                         .arg(result.leftOut == 1 ? "" : "s")
                         .arg(result.leftOut == 1 ? "it" : "them"));
        return ExportCommand::FileError;
    case ExportResult::ReadError:
    case ExportResult::Changed:
        return console.fileError(log.filePath(), result.reason);
    case ExportResult::WriteError:
        return console.fileError(target, result.reason);
    case ExportResult::Memory:
        console.tell(QStringLiteral("not enough memory; nothing was written"));
        return ExportCommand::FileError;
    }

    QString summary = QStringLiteral("%1 contact%2").arg(result.contacts).arg(result.contacts == 1 ? "" : "s");
    if (result.leftOut > 0)
        summary += QStringLiteral(" (%1 incomplete contact%2 left out)")
                       .arg(result.leftOut)
                       .arg(result.leftOut == 1 ? "" : "s");
    if (toStandardOutput)
        console.tell(QStringLiteral("%1 written").arg(summary));
    else
        console.out(
            QStringLiteral("%1: %2 written to %3\n").arg(QLatin1String(Name), summary, QDir::toNativeSeparators(path)));
    if (ExportFormats::info(settings.format).entry) {
        // The summary sheet recounts every stored contact with the same factors.
        FinalScore::Figures sheet = LogExport::claim(result, settings);
        sheet.points = double(result.wholeLog.totalPoints());
        sheet.spc = double(result.wholeLog.totalMultipliers());
        const QString differs = LogExport::claimDifference(result, settings, sheet);
        for (const QString &line :
             {QStringLiteral("claimed score %1").arg(LogExport::claimText(result, settings)), differs}) {
            if (line.isEmpty())
                continue;
            if (toStandardOutput)
                console.tell(line);
            else
                console.out(QStringLiteral("%1: %2\n").arg(QLatin1String(Name), line));
        }
    }
    return ExportCommand::Success;
}

} // namespace

int ExportCommand::run(const QStringList &arguments, int out, int err, const QDateTime &now)
{
    Console console(out, err);
    try {
        return console.finish(runCommand(arguments, out, console, now));
    } catch (const std::bad_alloc &) {
        console.tell(QStringLiteral("not enough memory; nothing was written"));
        return FileError;
    }
}
