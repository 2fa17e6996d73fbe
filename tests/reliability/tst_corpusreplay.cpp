// The fuzz corpus, replayed through the same checks as the fuzz targets but
// without libFuzzer, so every input the fuzzer kept stays a test case.

#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Target = QString (*)(const std::uint8_t *, std::size_t);
Q_DECLARE_METATYPE(Target)

class CorpusReplay : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void replay_data();
    void replay();
    void cleanupTestCase() { qInfo("corpus replayed: %d inputs, no fault", m_inputs); }

  private:
    int m_inputs = 0;
};

// clang-format off
void CorpusReplay::replay_data()
{
    QTest::addColumn<QString>("corpus");
    QTest::addColumn<Target>("target");
    QTest::newRow("qrprecords") << "qrprecords" << Target(&FuzzTargets::qrpRecords);
    QTest::newRow("arcilines") << "arcilines" << Target(&FuzzTargets::arciLines);
    QTest::newRow("numericvalue") << "numericvalue" << Target(&FuzzTargets::numericValue);
    QTest::newRow("clocktext") << "clocktext" << Target(&FuzzTargets::clockText);
    QTest::newRow("journal") << "journal" << Target(&FuzzTargets::journal);
}
// clang-format on

void CorpusReplay::replay()
{
    QFETCH(QString, corpus);
    QFETCH(Target, target);
    const QDir dir(QStringLiteral(KESTRIX_CORPUS_DIR "/") + corpus);
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 10, qPrintable(dir.path() + QStringLiteral(" holds too few inputs")));
    static const std::uint8_t nothing[1] = {0};
    QVERIFY(target(nothing, 0).isEmpty());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QString problem = target(reinterpret_cast<const std::uint8_t *>(bytes.constData()), bytes.size());
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
        ++m_inputs;
    }
}

QTEST_GUILESS_MAIN(CorpusReplay)
#include "tst_corpusreplay.moc"
