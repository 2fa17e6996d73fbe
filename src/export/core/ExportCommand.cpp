#include "ExportCommand.h"

#include "LogExport.h"
#include "ReadOnlyLog.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

namespace {

const char *const Name = "kestrix-export";

void say(QIODevice &device, const QString &line) { device.write((line + QLatin1Char('\n')).toUtf8()); }

int badArguments(QIODevice &err, const QString &why)
{
    say(err, QStringLiteral("%1: %2 (see %1 --help)").arg(QLatin1String(Name), why));
    return ExportCommand::BadArguments;
}

int fileError(QIODevice &err, const QString &file, const QString &reason)
{
    say(err, QStringLiteral("%1: %2: %3").arg(QLatin1String(Name), QDir::toNativeSeparators(file), reason));
    return ExportCommand::FileError;
}

QString helpText()
{
    return QStringLiteral("Usage: kestrix-export --format cabrillo|adif --call CALL --spc SPC --number NR|PWR\n"
                          "                      --mode CW|SSB --contest NAME [--output FILE] [DIR]\n"
                          "\n"
                          "Writes the Kestrix log in DIR (default: the current folder) as a Cabrillo 3.0\n"
                          "or ADIF 3.1.4 file. The log is only read, so this works while Kestrix runs.\n"
                          "\n"
                          "  --format cabrillo|adif  the file format\n"
                          "  --call CALL             your call sign\n"
                          "  --spc SPC               your state, province or country\n"
                          "  --number NR|PWR         your ARCI member number, or your power\n"
                          "  --mode CW|SSB           the mode of the contest\n"
                          "  --contest NAME          the Cabrillo contest name, e.g. QRP-ARCI-FALL-QSO-PARTY\n"
                          "                          (needed for Cabrillo only)\n"
                          "  --output FILE           where to write (default: CALL.log or CALL.adi in DIR;\n"
                          "                          - for standard output); an existing file is replaced\n"
                          "  -h, --help              show this help\n"
                          "  --version               show the version\n"
                          "\n"
                          "Exit status: 0 written, 1 a file could not be read or written, 2 bad arguments.\n");
}

} // namespace

int ExportCommand::run(const QStringList &arguments, QIODevice &out, QIODevice &err, const QDateTime &now)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption call(QStringLiteral("call"), QString(), QStringLiteral("CALL"));
    const QCommandLineOption spc(QStringLiteral("spc"), QString(), QStringLiteral("SPC"));
    const QCommandLineOption number(QStringLiteral("number"), QString(), QStringLiteral("NR"));
    const QCommandLineOption mode(QStringLiteral("mode"), QString(), QStringLiteral("MODE"));
    const QCommandLineOption contest(QStringLiteral("contest"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({format, call, spc, number, mode, contest, output, help, version});

    if (!parser.parse(arguments))
        return badArguments(err, parser.errorText());
    if (parser.isSet(help)) {
        out.write(helpText().toUtf8());
        return Success;
    }
    if (parser.isSet(version)) {
        say(out, QStringLiteral("kestrix-export %1").arg(QStringLiteral(KESTRIX_VERSION)));
        return Success;
    }
    for (const QCommandLineOption *o : {&format, &call, &spc, &number, &mode, &contest, &output})
        if (parser.values(*o).size() > 1)
            return badArguments(err, QStringLiteral("--%1 is given more than once").arg(o->names().first()));
    if (parser.positionalArguments().size() > 1)
        return badArguments(err, QStringLiteral("only one log folder can be given, not \"%1\"")
                                     .arg(parser.positionalArguments().join(QStringLiteral("\", \""))));

    if (!parser.isSet(format))
        return badArguments(err, QStringLiteral("--format cabrillo or --format adif is needed"));
    const std::optional<ExportFormat> fmt = ExportFormats::fromName(parser.value(format));
    if (!fmt)
        return badArguments(err,
                            QStringLiteral("unknown format \"%1\"; use cabrillo or adif").arg(parser.value(format)));
    QList<const QCommandLineOption *> needed{&call, &spc, &number, &mode};
    if (*fmt == ExportFormat::Cabrillo)
        needed << &contest;
    for (const QCommandLineOption *o : needed)
        if (!parser.isSet(*o))
            return badArguments(err, QStringLiteral("--%1 is needed").arg(o->names().first()));

    ExportSettings settings;
    settings.format = *fmt;
    settings.station = StationData{parser.value(call), parser.value(spc), parser.value(number), parser.value(mode),
                                   parser.value(contest)};
    settings.created = now;
    const QString problem = settings.station.problem(*fmt);
    if (!problem.isEmpty())
        return badArguments(err, problem);

    const QString directory = parser.positionalArguments().value(0, QStringLiteral("."));
    if (!QFileInfo(directory).isDir())
        return badArguments(err, QStringLiteral("\"%1\" is not a folder").arg(directory));
    const bool toStandardOutput = parser.value(output) == QLatin1String("-");
    const QString path = parser.isSet(output)
                             ? parser.value(output)
                             : QDir(directory).filePath(ExportFormats::defaultFileName(settings.station.call, *fmt));
    if (path.isEmpty())
        return badArguments(err, QStringLiteral("--output needs a file name"));
    if (!toStandardOutput) {
        const QString refused = LogExport::refusal(path, directory);
        if (!refused.isEmpty())
            return badArguments(err, refused);
    }

    ReadOnlyLog log(directory);
    if (!log.read())
        return fileError(err, log.filePath(), log.reason());
    const ExportResult result = LogExport::build(log.contacts(), settings);
    for (const QString &warning : result.warnings)
        say(err, QStringLiteral("%1: warning: %2").arg(QLatin1String(Name), warning));

    QString summary = QStringLiteral("%1 contact%2").arg(result.contacts).arg(result.contacts == 1 ? "" : "s");
    if (*fmt == ExportFormat::Cabrillo)
        summary += QStringLiteral(", claimed score %1,").arg(result.claimedScore);
    if (toStandardOutput) {
        if (out.write(result.bytes) != result.bytes.size())
            return fileError(err, QStringLiteral("standard output"), out.errorString());
        say(err, QStringLiteral("%1: %2 written").arg(QLatin1String(Name), summary));
        return Success;
    }
    QString why;
    if (!LogExport::writeFile(path, result.bytes, &why))
        return fileError(err, path, why);
    say(out, QStringLiteral("%1: %2 written to %3").arg(QLatin1String(Name), summary, QDir::toNativeSeparators(path)));
    return Success;
}
