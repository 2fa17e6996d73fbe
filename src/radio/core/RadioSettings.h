#pragma once
// The radio as the operator set it up, kept between runs in the [Radio] group
// of ~/.config/Kestrix/Kestrix.conf. A missing or unreadable file is a first
// run: no rig, no keyer, Kestrix as without a radio.

#include <QString>
#include <QStringList>

class QSettings;

struct RadioSettings {
    enum class Keyer { None, Hamlib, CwDaemon };

    int rigModel = 0;     // Hamlib model number; 0 is "None", -1 a Model line that is no number
    QString rigModelText; // that line, for the message, when rigModel is -1
    QString rigPort;      // serial device, or host:port for a network rig
    int serialSpeed = 0;  // baud; 0 leaves the rig model's own
    bool bandFollows = true;
    Keyer keyer = Keyer::None;
    QString cwDaemon = QStringLiteral("localhost:6789");
    int wpm = 25;
    QStringList messages; // F1..F8

    RadioSettings();

    static constexpr int MinWpm = 5, MaxWpm = 60, MessageLength = 120;
    static const QList<int> &serialSpeeds();

    // Why the rig, or the keyer, cannot be used as set, for the operator;
    // empty when it can. Each is judged on its own: a bad keyer never
    // switches the rig off.
    QString rigProblem() const;
    QString keyerProblem() const;
    QString problem() const; // the first of the two
    bool hasRig() const { return rigModel != 0; }

    // host:port (an IPv6 host in brackets); false with the reason when malformed.
    static bool parseHostPort(const QString &text, QString *host, quint16 *port, QString *why = nullptr);

    // A value echoed into a message, cut short when long.
    static QString shown(const QString &value);

    static RadioSettings load(); // from QSettings("Kestrix", "Kestrix")
    static RadioSettings load(QSettings &settings);
    void save() const;
    void save(QSettings &settings) const;
    bool operator==(const RadioSettings &) const = default;
};
