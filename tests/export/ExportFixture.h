#pragma once
// The log the export tests share and the files it must give, written out by hand.

#include "TestFiles.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace ExportFixture {

// Eight stored contacts: members and non-members, a deleted record, a record
// without a call sign, contacts on 160, 40, 20, 10 and 6 m, dates on both sides
// of the century pivot. By the contest's rules 21 points (G4ABC's stored 4
// counts 2, as a three-letter S-P-C gives) and 6 multipliers.
inline QList<QrpRecord> knownLog()
{
    using TestLog::record;
    return {
        record({"Q1ABC", "1234", "", "NY", "579", "599", "40", "12/07/98", "14:03:27", "5", "1"}),
        record({"DELETED"}),
        record({"VE3XYZ", "", "5W", "ONT", "579", "589", "40", "12/07/98", "14:10:02", "2", "1"}),
        record({"", "", "", "", "", "", "40", "", "", "", ""}),
        record({"G4ABC", "", "1", "ENG", "579", "559", "160", "01/02/03", "00:01:59", "4", "1"}),
        record({"KH6Z", "5678", "", "HI", "599", "599", "6", "12/31/69", "23:59:00", "5", "1"}),
        record({"W1AW", "7", "", "CT", "579", "579", "20", "01/01/70", "00:00:00", "5", "1"}),
        record({"VE7QRP", "", "0.5", "BRC", "559", "579", "10", "12/07/98", "15:00:30", "2", "1"}),
    };
}

// The line of the first QSO in the Cabrillo files below.
constexpr int FirstQso = 10;

// The Cabrillo file of the known log for K1XYZ in MA, member 1234, CW, made
// by version `version`; the contacts in time order, claimed score 21 x 6 x the
// power multiplier.
inline QStringList knownCabrillo(const QString &version, const QString &score = QStringLiteral("126"))
{
    return {
        "START-OF-LOG: 3.0",
        "CONTEST: QRP-ARCI-FALL-QSO-PARTY",
        "CALLSIGN: K1XYZ",
        "LOCATION: MA",
        "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: CW",
        "CATEGORY-POWER: QRP",
        "CLAIMED-SCORE: " + score,
        "CREATED-BY: Kestrix " + version,
        "QSO: 14000 CW 1970-01-01 0000 K1XYZ         579 MA   1234  W1AW          579 CT   7",
        "QSO:  7000 CW 1998-12-07 1403 K1XYZ         579 MA   1234  Q1ABC         599 NY   1234",
        "QSO:  7000 CW 1998-12-07 1410 K1XYZ         579 MA   1234  VE3XYZ        589 ONT  5W",
        "QSO: 28000 CW 1998-12-07 1500 K1XYZ         559 MA   1234  VE7QRP        579 BRC  0.5",
        "QSO:  1800 CW 2003-01-02 0001 K1XYZ         579 MA   1234  G4ABC         559 ENG  1",
        "QSO:    50 CW 2069-12-31 2359 K1XYZ         599 MA   1234  KH6Z          599 HI   5678",
        "END-OF-LOG:",
    };
}

// The ADIF records of the known log (after the header), same station, in time order.
inline QStringList knownAdifRecords()
{
    const QString own = " <OPERATOR:5>K1XYZ <STATION_CALLSIGN:5>K1XYZ <MY_STATE:2>MA <EOR>";
    return {
        "<CALL:4>W1AW <QSO_DATE:8>19700101 <TIME_ON:6>000000 <BAND:3>20m <MODE:2>CW <RST_SENT:3>579 "
        "<RST_RCVD:3>579 <STATE:2>CT <SRX_STRING:4>CT 7 <STX_STRING:7>MA 1234 <COMMENT:4>CT 7" +
            own,
        "<CALL:5>Q1ABC <QSO_DATE:8>19981207 <TIME_ON:6>140327 <BAND:3>40m <MODE:2>CW <RST_SENT:3>579 "
        "<RST_RCVD:3>599 <STATE:2>NY <SRX_STRING:7>NY 1234 <STX_STRING:7>MA 1234 <COMMENT:7>NY 1234" +
            own,
        "<CALL:6>VE3XYZ <QSO_DATE:8>19981207 <TIME_ON:6>141002 <BAND:3>40m <MODE:2>CW <RST_SENT:3>579 "
        "<RST_RCVD:3>589 <STATE:2>ON <SRX_STRING:6>ONT 5W <STX_STRING:7>MA 1234 <RX_PWR:1>5 <COMMENT:6>ONT 5W" +
            own,
        "<CALL:6>VE7QRP <QSO_DATE:8>19981207 <TIME_ON:6>150030 <BAND:3>10m <MODE:2>CW <RST_SENT:3>559 "
        "<RST_RCVD:3>579 <STATE:2>BC <SRX_STRING:7>BRC 0.5 <STX_STRING:7>MA 1234 <RX_PWR:3>0.5 <COMMENT:7>BRC 0.5" +
            own,
        "<CALL:5>G4ABC <QSO_DATE:8>20030102 <TIME_ON:6>000159 <BAND:4>160m <MODE:2>CW <RST_SENT:3>579 "
        "<RST_RCVD:3>559 <SRX_STRING:5>ENG 1 <STX_STRING:7>MA 1234 <RX_PWR:1>1 <COMMENT:5>ENG 1" +
            own,
        "<CALL:4>KH6Z <QSO_DATE:8>20691231 <TIME_ON:6>235900 <BAND:2>6m <MODE:2>CW <RST_SENT:3>599 "
        "<RST_RCVD:3>599 <STATE:2>HI <SRX_STRING:7>HI 5678 <STX_STRING:7>MA 1234 <COMMENT:7>HI 5678" +
            own,
    };
}

// A file's text cut into lines at carriage return + line feed; a line end is
// required after the last line.
inline QStringList lines(const QByteArray &bytes)
{
    QStringList out = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    else
        out << QStringLiteral("<no line end after the last line>");
    return out;
}

} // namespace ExportFixture
