#include "radio/core/RadioSettings.h"

#include "radio/core/CwMacros.h"
#include "radio/core/RigModels.h"
#include "store/SettingsFile.h"

#include <QSettings>

namespace {

const QString group = QStringLiteral("Radio");

QString keyerName(RadioSettings::Keyer keyer)
{
    switch (keyer) {
    case RadioSettings::Keyer::Hamlib:
        return QStringLiteral("hamlib");
    case RadioSettings::Keyer::CwDaemon:
        return QStringLiteral("cwdaemon");
    case RadioSettings::Keyer::None:
        break;
    }
    return QStringLiteral("none");
}

} // namespace

RadioSettings::RadioSettings() : messages(CwMacros::defaults()) {}

const QList<int> &RadioSettings::serialSpeeds()
{
    static const QList<int> speeds{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return speeds;
}

bool RadioSettings::parseHostPort(const QString &text, QString *host, quint16 *port, QString *why)
{
    const auto refuse = [&](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    const QString t = text.trimmed();
    QString h, p;
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype close = t.indexOf(QStringLiteral("]:"));
        if (close < 0)
            return refuse(QStringLiteral("it has no port"));
        h = t.mid(1, close - 1);
        p = t.mid(close + 2);
    } else {
        const qsizetype colon = t.lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            return refuse(QStringLiteral("it has no port"));
        h = t.left(colon);
        p = t.mid(colon + 1);
        if (h.contains(QLatin1Char(':')))
            return refuse(QStringLiteral("an IPv6 address goes in brackets"));
    }
    if (h.isEmpty())
        return refuse(QStringLiteral("it has no host"));
    for (QChar c : h)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
              c == QLatin1Char(':') || c == QLatin1Char('%')))
            return refuse(QStringLiteral("the host holds \"%1\"").arg(c));
    bool ok = false;
    const uint n = p.toUInt(&ok);
    if (!ok || p.startsWith(QLatin1Char('+')) || n < 1 || n > 65535)
        return refuse(QStringLiteral("the port must be a number from 1 to 65535"));
    if (host)
        *host = h;
    if (port)
        *port = quint16(n);
    return true;
}

QString RadioSettings::shown(const QString &value)
{
    constexpr qsizetype Longest = 40;
    return value.size() <= Longest ? value : value.left(Longest - 3) + QStringLiteral("...");
}

QString RadioSettings::rigProblem() const
{
    if (!hasRig())
        return QString();
    const RigModel *model = RigModels::find(rigModel);
    if (!model)
        return QStringLiteral("Hamlib knows no rig model %1: choose the rig from the list in Radio...")
            .arg(rigModelText.isEmpty() ? QString::number(rigModel)
                                        : QStringLiteral("\"%1\"").arg(shown(rigModelText)));
    QString why;
    if (model->port == RigModel::Port::Network && !parseHostPort(rigPort, nullptr, nullptr, &why))
        return QStringLiteral("The rig's address must be host:port, such as localhost:4532: \"%1\" is not (%2).")
            .arg(shown(rigPort), why);
    if (model->port == RigModel::Port::Serial && rigPort.trimmed().isEmpty())
        return QStringLiteral("Name the rig's serial port, such as /dev/ttyUSB0.");
    if (serialSpeed != 0 && !serialSpeeds().contains(serialSpeed))
        return QStringLiteral("%1 baud is not a serial speed Kestrix offers: choose one from the list.")
            .arg(serialSpeed);
    return QString();
}

QString RadioSettings::keyerProblem() const
{
    if (keyer == Keyer::None)
        return QString();
    if (keyer == Keyer::Hamlib && !hasRig())
        return QStringLiteral("CW through the radio needs a rig model: choose the rig, or send CW through cwdaemon.");
    if (keyer == Keyer::CwDaemon) {
        QString why, host;
        if (!parseHostPort(cwDaemon, &host, nullptr, &why))
            return QStringLiteral("cwdaemon's address must be host:port, such as localhost:6789: \"%1\" is not (%2).")
                .arg(shown(cwDaemon), why);
        if (host.contains(QLatin1Char(':')))
            return QStringLiteral("cwdaemon listens on IPv4 only: give an IPv4 address or a host name, such as "
                                  "127.0.0.1:6789, not %1.")
                .arg(shown(cwDaemon));
    }
    if (wpm < MinWpm || wpm > MaxWpm)
        return QStringLiteral("The CW speed must be %1 to %2 WPM, not %3.").arg(MinWpm).arg(MaxWpm).arg(wpm);
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const QStringList unknown = CwMacros::unknown(messages[i]);
        if (!unknown.isEmpty())
            return QStringLiteral("F%1 holds %2, which is no macro: use %3.")
                .arg(i + 1)
                .arg(shown(unknown.first()), CwMacros::names().join(QStringLiteral(", ")));
        if (messages[i].size() > MessageLength)
            return QStringLiteral("F%1 is longer than %2 characters.").arg(i + 1).arg(MessageLength);
    }
    return QString();
}

QString RadioSettings::problem() const
{
    const QString rig = rigProblem();
    return rig.isEmpty() ? keyerProblem() : rig;
}

RadioSettings RadioSettings::load()
{
    // A settings file that is a pipe or far too large would hold the window at
    // start: the radio then starts unset, as with no file.
    if (!SettingsFile::usable())
        return RadioSettings();
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    return load(settings);
}

RadioSettings RadioSettings::load(QSettings &settings)
{
    RadioSettings s;
    if (settings.status() != QSettings::NoError)
        return s;
    settings.beginGroup(group);
    const auto number = [&](const char *key, int fallback) {
        bool ok = false;
        const int n = settings.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
        return ok ? n : fallback;
    };
    const auto text = [&](const char *key, const QString &fallback) {
        const QVariant v = settings.value(QLatin1String(key));
        // A hand-edited line with an unquoted comma reads back as a list.
        if (v.metaType().id() == QMetaType::QStringList)
            return v.toStringList().join(QStringLiteral(", "));
        return v.isValid() ? v.toString() : fallback;
    };
    const QString model = text("Model", QString()).trimmed();
    bool isNumber = false;
    s.rigModel = model.isEmpty() ? 0 : model.toInt(&isNumber);
    if (!model.isEmpty() && !isNumber) {
        s.rigModel = -1; // named in the message, never taken for "no rig"
        s.rigModelText = model;
    }
    s.rigPort = text("Port", s.rigPort);
    s.serialSpeed = number("SerialSpeed", s.serialSpeed);
    // Read as Qt reads a boolean ("", "0" and "false" are false), and "no"
    // and "off" as what they say.
    const QString follows = text("BandFollows", QStringLiteral("true")).trimmed().toLower();
    s.bandFollows = !(follows.isEmpty() || follows == QLatin1String("0") || follows == QLatin1String("false") ||
                      follows == QLatin1String("no") || follows == QLatin1String("off"));
    const QString keyer = text("CwKeyer", QStringLiteral("none")).trimmed().toLower();
    s.keyer = keyer == QLatin1String("hamlib")     ? Keyer::Hamlib
              : keyer == QLatin1String("cwdaemon") ? Keyer::CwDaemon
                                                   : Keyer::None;
    s.cwDaemon = text("CwDaemon", s.cwDaemon);
    s.wpm = number("Wpm", s.wpm);
    for (int i = 0; i < s.messages.size(); ++i)
        s.messages[i] = text(QStringLiteral("F%1").arg(i + 1).toLatin1().constData(), s.messages[i]);
    settings.endGroup();
    return s;
}

void RadioSettings::save() const
{
    if (!SettingsFile::usable())
        return;
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    save(settings);
}

void RadioSettings::save(QSettings &settings) const
{
    settings.beginGroup(group);
    // A line that was no number stays as it was written.
    settings.setValue(QStringLiteral("Model"), rigModelText.isEmpty() ? QVariant(rigModel) : QVariant(rigModelText));
    settings.setValue(QStringLiteral("Port"), rigPort);
    settings.setValue(QStringLiteral("SerialSpeed"), serialSpeed);
    settings.setValue(QStringLiteral("BandFollows"), bandFollows);
    settings.setValue(QStringLiteral("CwKeyer"), keyerName(keyer));
    settings.setValue(QStringLiteral("CwDaemon"), cwDaemon);
    settings.setValue(QStringLiteral("Wpm"), wpm);
    for (int i = 0; i < messages.size(); ++i)
        settings.setValue(QStringLiteral("F%1").arg(i + 1), messages[i]);
    settings.endGroup();
    settings.sync();
}
