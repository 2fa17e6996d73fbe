#include "radio/core/RadioSettings.h"

#include "radio/core/CwMacros.h"
#include "radio/core/RigModels.h"

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

QString RadioSettings::problem() const
{
    if (hasRig()) {
        const RigModel *model = RigModels::find(rigModel);
        if (!model)
            return QStringLiteral("Hamlib knows no rig model %1.").arg(rigModel);
        QString why;
        if (model->port == RigModel::Port::Network && !parseHostPort(rigPort, nullptr, nullptr, &why))
            return QStringLiteral("The rig's address must be host:port, such as localhost:4532: \"%1\" is not (%2).")
                .arg(rigPort, why);
        if (model->port == RigModel::Port::Serial && rigPort.trimmed().isEmpty())
            return QStringLiteral("Name the rig's serial port, such as /dev/ttyUSB0.");
        if (serialSpeed != 0 && !serialSpeeds().contains(serialSpeed))
            return QStringLiteral("%1 baud is not a serial speed Kestrix offers.").arg(serialSpeed);
    }
    if (keyer == Keyer::Hamlib && !hasRig())
        return QStringLiteral("CW through the radio needs a rig model.");
    if (keyer == Keyer::CwDaemon) {
        QString why;
        if (!parseHostPort(cwDaemon, nullptr, nullptr, &why))
            return QStringLiteral("cwdaemon's address must be host:port, such as localhost:6789: \"%1\" is not (%2).")
                .arg(cwDaemon, why);
    }
    if (wpm < MinWpm || wpm > MaxWpm)
        return QStringLiteral("The CW speed must be %1 to %2 WPM, not %3.").arg(MinWpm).arg(MaxWpm).arg(wpm);
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const QStringList unknown = CwMacros::unknown(messages[i]);
        if (!unknown.isEmpty())
            return QStringLiteral("F%1 holds %2, which is no macro: use %3.")
                .arg(i + 1)
                .arg(unknown.first(), CwMacros::names().join(QStringLiteral(", ")));
        if (messages[i].size() > MessageLength)
            return QStringLiteral("F%1 is longer than %2 characters.").arg(i + 1).arg(MessageLength);
    }
    return QString();
}

RadioSettings RadioSettings::load()
{
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
    s.rigModel = number("Model", s.rigModel);
    s.rigPort = text("Port", s.rigPort);
    s.serialSpeed = number("SerialSpeed", s.serialSpeed);
    s.bandFollows = text("BandFollows", QStringLiteral("true")).trimmed().toLower() != QLatin1String("false");
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
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    save(settings);
}

void RadioSettings::save(QSettings &settings) const
{
    settings.beginGroup(group);
    settings.setValue(QStringLiteral("Model"), rigModel);
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
