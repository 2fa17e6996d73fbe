// The byte formats of the two log files, the record count, the text helpers,
// the bulk scan, the start-up repair and the one-program-per-log lock.

#include "store/ArciLine.h"
#include "store/LogLock.h"
#include "store/LogStore.h"
#include "store/Posix.h"
#include "store/QrpRecord.h"
#include "store/Text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/resource.h>

namespace {
QByteArray fileBytes(const QString &dir, const char *name)
{
    QFile f(dir + u'/' + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void putFile(const QString &dir, const char *name, const QByteArray &bytes)
{
    QFile f(dir + u'/' + QLatin1String(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
QrpRecord memberContact()
{
    QrpRecord r;
    const QStringList v{"Q1ABC", "1234", "", "NY", "579", "599", "40", "12/07/98", "14:03:27", "5", "1"};
    for (int f = 0; f < QrpRecord::FieldCount; ++f)
        r.set(QrpRecord::Field(f), v[f]);
    return r;
}
FileErrorHandler failOnError()
{
    return [](const QString &file, const QString &reason) {
        QFAIL(qPrintable(QStringLiteral("file error %1: %2").arg(file, reason)));
    };
}
} // namespace

class TestLogStore : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void recordAndLineBytes()
    {
        const QrpRecord r = memberContact();
        QCOMPARE(r.bytes(), QByteArray("Q1ABC   1234     NY  57959940 12/07/9814:03:2751"));
        QCOMPARE(r.bytes().size(), 48);
        QCOMPARE(r.value(QrpRecord::Callsign), QStringLiteral("Q1ABC"));
        QCOMPARE(r.raw(QrpRecord::Band), QStringLiteral("40 "));

        const ArciLine line = ArciLine::forRecord(r);
        const QByteArray expected = QByteArray("12/07/98   14:03:27   Q1ABC       40    599   NY     1234    "
                                               "      579   5   1 ") +
                                    QByteArray("\x02\x00\r\n", 4);
        QCOMPARE(line.bytes(), expected);
        QCOMPARE(line.bytes().size(), 83);

        // Values longer than their field are cut; non-Latin-1 letters become '?'.
        QrpRecord cut;
        cut.set(QrpRecord::Callsign, QStringLiteral("ABCDEFGHIJ"));
        cut.set(QrpRecord::SPC, QStringLiteral("Ω"));
        QCOMPARE(cut.raw(QrpRecord::Callsign), QStringLiteral("ABCDEFGH"));
        QCOMPARE(cut.raw(QrpRecord::SPC), QStringLiteral("?   "));
        ArciLine wide;
        wide.set(ArciLine::Callsign, QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(wide.value(ArciLine::Callsign), QStringLiteral("ABCDEFGHIJ"));

        // A deleted record's line has DELETED in the date column and no call sign.
        QrpRecord deleted;
        deleted.set(QrpRecord::Callsign, QStringLiteral("DELETED"));
        const ArciLine gone = ArciLine::forRecord(deleted);
        QCOMPARE(gone.bytes().left(11), QByteArray("DELETED    "));
        QCOMPARE(gone.bytes().mid(11, 68), QByteArray(68, ' '));
        QCOMPARE(gone.bytes().right(4), QByteArray("\x02\x00\r\n", 4));

        // A short read pads with blanks, so fields past the end of the file read empty.
        const QrpRecord partial = QrpRecord::fromBytes(QByteArray("W9XYZ"));
        QCOMPARE(partial.value(QrpRecord::Callsign), QStringLiteral("W9XYZ"));
        QCOMPARE(partial.value(QrpRecord::Band), QString());
    }

    // clang-format off
    void recordCount_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << qint64(0) << 1;
        QTest::newRow("24 bytes: half rounds to 0, raised to 1") << qint64(24) << 1;
        QTest::newRow("72 bytes: 1.5 to even 2") << qint64(72) << 2;
        QTest::newRow("96 bytes") << qint64(96) << 2;
        QTest::newRow("100 bytes") << qint64(100) << 2;
        QTest::newRow("120 bytes: 2.5 to even 2") << qint64(120) << 2;
        QTest::newRow("168 bytes: 3.5 to even 4") << qint64(168) << 4;
        QTest::newRow("47 bytes") << qint64(47) << 1;
        QTest::newRow("1 byte") << qint64(1) << 1;
    }
    // clang-format on
    void recordCount()
    {
        QFETCH(qint64, length);
        QFETCH(int, count);
        QCOMPARE(LogStore::recordCountFor(length), count);
        QTemporaryDir dir;
        putFile(dir.path(), LogStore::QrpFileName, QByteArray(length, 'x'));
        LogStore store(dir.path(), failOnError());
        QVERIFY(store.openQrp());
        QCOMPARE(store.RecordCount(), count);
        QCOMPARE(store.CurrentRecord(), 1);
    }

    // clang-format off
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "5" << 5.0;
        QTest::newRow("leading blank") << " 5" << 5.0;
        QTest::newRow("decimal") << "5.0" << 5.0;
        QTest::newRow("trailing letters") << "5abc" << 5.0;
        QTest::newRow("fraction") << "5.5" << 5.5;
        QTest::newRow("blanks inside") << "1 2\t3" << 123.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("D exponent") << "1D3" << 1000.0;
        QTest::newRow("point first") << "-.5" << -0.5;
        QTest::newRow("ampersand is no number") << "&10" << 0.0;
        QTest::newRow("no hex prefix") << "&H10" << 0.0;
        QTest::newRow("no octal prefix") << " &O17" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("letter before digits") << "x5" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("non-ASCII digit stops") << QString::fromUtf8("٣") << 0.0;
    }
    // clang-format on
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Text::numericValue(text), value);
    }

    void textHelpers()
    {
        QCOMPARE(Text::wholeValue(QStringLiteral("2.5")), std::optional<std::int32_t>(2));
        QCOMPARE(Text::wholeValue(QStringLiteral("3.5")), std::optional<std::int32_t>(4));
        QCOMPARE(Text::wholeValue(QStringLiteral("-2.5")), std::optional<std::int32_t>(-2));
        QCOMPARE(Text::wholeValue(QStringLiteral("99999999999")), std::nullopt);
        QCOMPARE(Text::wholeValue(QStringLiteral("1e400")), std::nullopt);
        QCOMPARE(Text::numberText(12), QStringLiteral(" 12"));
        QCOMPARE(Text::numberText(0), QStringLiteral(" 0"));
        QCOMPARE(Text::numberText(-3), QStringLiteral("-3"));
        QCOMPARE(Text::trimBlanks(QStringLiteral("  NY \t ")), QStringLiteral("NY \t"));
        for (const char *above : {"1", "9", "A", "a", "00", "05", "0 "})
            QVERIFY2(Text::aboveZero(QLatin1String(above)), above);
        for (const char *notAbove : {"", "0", " 1", "-5", ".5", "/", "     "})
            QVERIFY2(!Text::aboveZero(QLatin1String(notAbove)), notAbove);
    }

    void writesAndScans()
    {
        QTemporaryDir dir;
        LogStore store(dir.path(), failOnError());
        QVERIFY(store.openQrp());
        QVERIFY(store.openArci());
        QCOMPARE(fileBytes(dir.path(), "QRPDATA.DAT").size(), 0);
        QCOMPARE(fileBytes(dir.path(), "ARCIFILE.DAT").size(), 0);

        // Numbers that address no record for the operation are refused.
        QrpRecord r = memberContact();
        const ArciLine line = ArciLine::forRecord(r);
        QCOMPARE(store.saveContact(0, r, line), LogStore::Outcome::Refused);
        QCOMPARE(store.saveContact(2, r, line), LogStore::Outcome::Refused); // not the placeholder
        QCOMPARE(store.writeBack(1, r), LogStore::Outcome::Refused);         // the placeholder
        QCOMPARE(store.rewriteRecord(1, r, line), LogStore::Outcome::Refused);
        QCOMPARE(store.deleteRecord(-1), LogStore::Outcome::Refused);
        QCOMPARE(fileBytes(dir.path(), "QRPDATA.DAT").size(), 0);
        QCOMPARE(store.saveContact(1, r, line), LogStore::Outcome::Written);
        r.set(QrpRecord::Callsign, QStringLiteral("K2DEF"));
        QCOMPARE(store.saveContact(2, r, ArciLine::forRecord(r)), LogStore::Outcome::Written);
        r.set(QrpRecord::Callsign, QStringLiteral("K3GHI"));
        QCOMPARE(store.writeBack(2, r), LogStore::Outcome::Written); // the record alone
        QCOMPARE(fileBytes(dir.path(), "QRPDATA.DAT").size(), 144);
        QCOMPARE(fileBytes(dir.path(), "ARCIFILE.DAT").mid(83 + 22, 5), QByteArray("K2DEF"));

        const int before = store.QrpFile();
        QVERIFY(store.openQrp());
        QVERIFY(store.QrpFile() != before);
        QCOMPARE(store.RecordCount(), 3);

        QStringList seen;
        store.scan(1, 3, [&](qint32 n, const QrpRecord &r) {
            seen << QString::number(n) + r.value(QrpRecord::Callsign);
            return true;
        });
        QCOMPARE(seen, QStringList({"1Q1ABC", "2K3GHI", "3"}));
        QCOMPARE(store.QrpRecord_.value(QrpRecord::Band), QStringLiteral("40"));

        // Stopping early; contacts exclude the placeholder (the last record).
        seen.clear();
        store.scanContacts([&](qint32 n, const QrpRecord &) {
            seen << QString::number(n);
            return n < 1;
        });
        QCOMPARE(seen, QStringList({"1"}));

        // Reading past the end gives empty fields; a scan past the end is blank records.
        store.readRecord(10);
        QCOMPARE(store.QrpRecord_.value(QrpRecord::Callsign), QString());
    }

    void cutOffSaveRecovery()
    {
        QTemporaryDir dir;
        QrpRecord first = memberContact();
        QrpRecord second = memberContact();
        second.set(QrpRecord::Callsign, QStringLiteral("W2XX"));
        second.set(QrpRecord::Band, QStringLiteral("20"));
        // The second contact's save stopped after its record: no placeholder, no line.
        putFile(dir.path(), LogStore::QrpFileName, first.bytes() + second.bytes());
        putFile(dir.path(), LogStore::ArciFileName, ArciLine::forRecord(first).bytes());
        LogStore store(dir.path(), failOnError());
        QVERIFY(store.openQrp());
        QVERIFY(store.openArci());
        QVERIFY(store.recoverCutOffSave());
        QrpRecord placeholder;
        placeholder.set(QrpRecord::Band, QStringLiteral("20"));
        QCOMPARE(fileBytes(dir.path(), "QRPDATA.DAT"), first.bytes() + second.bytes() + placeholder.bytes());
        QCOMPARE(fileBytes(dir.path(), "ARCIFILE.DAT"),
                 ArciLine::forRecord(first).bytes() + ArciLine::forRecord(second).bytes());
        QCOMPARE(store.RecordCount(), 3);

        // A sound log is left alone.
        QVERIFY(!store.recoverCutOffSave());
        QCOMPARE(fileBytes(dir.path(), "QRPDATA.DAT").size(), 144);

        // A contact followed by stray bytes (an editor's line end, say) keeps the
        // contact: the bytes are set aside and the placeholder follows the contact.
        QTemporaryDir odd;
        putFile(odd.path(), LogStore::QrpFileName, first.bytes() + "\r\n");
        LogStore oddStore(odd.path(), failOnError());
        QVERIFY(oddStore.open());
        QrpRecord band40;
        band40.set(QrpRecord::Band, QStringLiteral("40"));
        QCOMPARE(fileBytes(odd.path(), "QRPDATA.DAT"), first.bytes() + band40.bytes());
        QCOMPARE(fileBytes(odd.path(), "ARCIFILE.DAT"), ArciLine::forRecord(first).bytes());
        QCOMPARE(fileBytes(odd.path(), LogStore::StrayFileName), QByteArray("\r\n"));
        QCOMPARE(oddStore.RecordCount(), 2);
        QVERIFY(!oddStore.repairNotes().isEmpty());
    }

    void fileErrorsNameTheFile()
    {
        QTemporaryDir dir;
        // A directory where the log file should be cannot be opened as a file.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QRPDATA.DAT")));
        QString file, reason;
        LogStore store(dir.path(), [&](const QString &f, const QString &r) {
            file = f;
            reason = r;
        });
        QVERIFY(!store.openQrp());
        QCOMPARE(file, QStringLiteral("QRPDATA.DAT"));
        QVERIFY(!reason.isEmpty());
    }

    void oneProgramPerLog_data()
    {
        // How a second program reaches the log files of a running one.
        QTest::addColumn<QString>("how");
        QTest::newRow("the same folder") << "same";
        QTest::newRow("a folder of links to its files") << "links";
        QTest::newRow("its folder renamed and made again, the log reopened there") << "renamed";
    }

    void oneProgramPerLog()
    {
        QFETCH(QString, how);
        QTemporaryDir base;
        const QString a = base.path() + QStringLiteral("/a"), b = base.path() + QStringLiteral("/b");
        QVERIFY(QDir().mkpath(a));
        putFile(a, LogStore::QrpFileName, memberContact().bytes() + QByteArray(48, ' '));
        LogStore first(a, failOnError());
        QVERIFY(first.open());
        QString second = a;
        if (how == QLatin1String("links")) {
            QVERIFY(QDir().mkpath(b));
            for (const char *name : {LogStore::QrpFileName, LogStore::ArciFileName})
                QVERIFY(QFile::link(a + u'/' + QLatin1String(name), b + u'/' + QLatin1String(name)));
            second = b;
        } else if (how == QLatin1String("renamed")) {
            QVERIFY(QDir().rename(a, b));
            QVERIFY(QDir().mkpath(a));
            QCOMPARE(first.writeBack(1, memberContact()), LogStore::Outcome::FilesChanged);
            QVERIFY(first.open());
            QCOMPARE(first.RecordCount(), 1);
        }
        const QByteArray qrp = fileBytes(second, LogStore::QrpFileName);
        QStringList errors;
        LogStore other(second, [&](const QString &f, const QString &r) { errors << f + u':' + r; });
        QVERIFY(!other.open());
        QCOMPARE(errors, QStringList{QStringLiteral("QRPDATA.DAT:the log is in use by another Kestrix")});
        QCOMPARE(fileBytes(second, LogStore::QrpFileName), qrp);
        // The folder's lock holds as it did, and both end with the program.
        if (how == QLatin1String("same")) {
            LogLock folder(a), again(a);
            QVERIFY(folder.acquire());
            QVERIFY(!again.acquire());
            QVERIFY(again.heldByOther());
        }
        first.closeQrp();
        first.closeArci();
        QVERIFY(other.open());
    }

    void fileSizeLimit()
    {
        // Under a file-size limit a write fails with EFBIG, reported like a full
        // disk, instead of the signal ending the program; nothing is half written.
        // First start-up's repair (a line and a placeholder after the last
        // contact), then a save; the log was mended without the limit in between.
        QTemporaryDir dir;
        putFile(dir.path(), LogStore::QrpFileName, memberContact().bytes() + memberContact().bytes());
        rlimit was{}, small{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &was), 0);
        small = {100, was.rlim_max};
        QStringList errors;
        LogStore store(dir.path(), [&](const QString &f, const QString &r) { errors << f + u':' + r; });
        for (const bool save : {false, true}) {
            const QByteArray qrp = fileBytes(dir.path(), LogStore::QrpFileName);
            const QByteArray arci = fileBytes(dir.path(), LogStore::ArciFileName);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            const bool written = save ? store.saveContact(3, memberContact(), ArciLine::forRecord(memberContact())) ==
                                            LogStore::Outcome::Written
                                      : store.open();
            ::setrlimit(RLIMIT_FSIZE, &was);
            QVERIFY(!written);
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.takeFirst().endsWith(Posix::reason(EFBIG)), qPrintable(QString::number(save)));
            QCOMPARE(fileBytes(dir.path(), LogStore::QrpFileName), qrp);
            QCOMPARE(fileBytes(dir.path(), LogStore::ArciFileName), arci);
            QVERIFY(store.open());
        }
    }
};

QTEST_GUILESS_MAIN(TestLogStore)
#include "tst_logstore.moc"
