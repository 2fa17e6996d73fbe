// The main window's look where it is more than a table entry: the red keys of
// the log and the face of the band chart's score cells.

#include "TestLog.h"
#include "console/frmKestrix.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_ConsoleLayout : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    FakePlatform m_fakes;
    std::unique_ptr<frmKestrix> m_window;

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TestLog::writeLog(m_dir.path(), {}, QStringLiteral("40"));
        m_window = TestLog::openWindow(m_dir.path(), m_fakes);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanupTestCase() { m_window.reset(); }

    // clang-format off
    void buttonFaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("red");
        QTest::newRow("Add") << "cmdAddRecord" << true;
        QTest::newRow("Change") << "cmdChangeRecord" << true;
        QTest::newRow("Delete") << "cmdDeleteRecord" << true;
        QTest::newRow("Review") << "cmdReview" << false;
        QTest::newRow("Save Record") << "cmdSaveRecord" << false;
    }
    // clang-format on
    // The face as drawn, beside the caption: red (255,0,0) for the three keys
    // that change the log.
    void buttonFaces()
    {
        QFETCH(QString, name);
        QFETCH(bool, red);
        auto *button = m_window->findChild<QPushButton *>(name);
        QVERIFY(button);
        const QImage face = button->grab().toImage();
        for (const QPoint at : {QPoint(5, face.height() / 2), QPoint(face.width() - 6, face.height() / 2)}) {
            const QColor c = face.pixelColor(at);
            const bool isRed = c.red() >= 220 && c.green() <= 40 && c.blue() <= 40;
            QVERIFY2(isRed == red,
                     qPrintable(QStringLiteral("%1 at %2,%3 is %4").arg(name).arg(at.x()).arg(at.y()).arg(c.name())));
        }
    }

    // The score cells are set in "Symbol" where the system has a symbol face
    // with digits for it, in the serif where "Symbol" would give the desktop's sans.
    void scoreCellFace()
    {
        const QFont symbol(QStringLiteral("Symbol"));
        const bool hasSymbol =
            QFontDatabase::writingSystems(QFontInfo(symbol).family()).contains(QFontDatabase::Symbol);
        qInfo("\"Symbol\" resolves to %s", qPrintable(QFontInfo(symbol).family()));
        for (QLabel *cell : m_window->ui().pointLabels()) {
            QCOMPARE(cell->font().family(), hasSymbol ? QStringLiteral("Symbol") : QStringLiteral("Times New Roman"));
            QVERIFY(cell->font().bold());
            QCOMPARE(cell->font().pointSizeF(), 9.75);
            const QFontMetrics metrics(cell->font());
            for (char32_t digit = U'0'; digit <= U'9'; ++digit)
                QVERIFY(metrics.inFontUcs4(digit));
        }
        // The multiplier row keeps its sans.
        for (QLabel *cell : m_window->ui().multiplierLabels())
            QVERIFY(cell->font().family() != QStringLiteral("Symbol"));
    }
};

QTEST_MAIN(tst_ConsoleLayout)
#include "tst_consolelayout.moc"
