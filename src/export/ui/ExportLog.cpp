#include "ExportLog.h"

#include "LogExport.h"
#include "frmExport.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "Confirmation.h"
#include "SystemClock.h"

ExportLog::ExportLog(frmKestrix &window) : m_window(window)
{
    connect(m_window.mnuExport, &QAction::triggered, this, &ExportLog::mnuExport_Click);
    m_window.mnuExport->setEnabled(true);
}

ExportLog::~ExportLog() = default;

frmExport &ExportLog::form()
{
    if (!m_form) {
        m_form = new frmExport(&m_window);
        connect(m_form->cmdExport, &QPushButton::clicked, this, &ExportLog::cmdExport_Click);
        connect(m_form->cmdBrowse, &QPushButton::clicked, this, &ExportLog::cmdBrowse_Click);
        connect(m_form->cmdClose, &QPushButton::clicked, this, &ExportLog::cmdClose_Click);
        connect(m_form->txtCall, &QLineEdit::textChanged, this, &ExportLog::followCallAndFormat);
        connect(m_form->cboFormat, &QComboBox::currentIndexChanged, this, &ExportLog::followCallAndFormat);
        connect(m_form->txtFile, &QLineEdit::textEdited, this, [this] { m_autoName = false; });
        connect(m_form->cboMode, &QComboBox::activated, this, [this] { m_modeChosen = true; });
        followCallAndFormat();
    }
    return *m_form;
}

void ExportLog::mnuExport_Click()
{
    frmExport &dialog = form();
    prefillFromPrintOptions();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void ExportLog::prefillFromPrintOptions()
{
    // The print-options dialog exists once the operator has opened it in this run.
    const QWidget *printer = m_window.findChild<QWidget *>(QStringLiteral("frmPrinter"));
    if (!printer)
        return;
    auto typed = [printer](const char *name) {
        const QLineEdit *box = printer->findChild<QLineEdit *>(QLatin1String(name));
        return box ? box->text().trimmed() : QString();
    };
    auto fill = [](QLineEdit *box, const QString &value) {
        if (box->text().trimmed().isEmpty() && !value.isEmpty())
            box->setText(value);
    };
    frmExport &f = form();
    fill(f.txtCall, typed("txtCall").toUpper());
    fill(f.txtSPC, typed("txtSPC").toUpper());
    fill(f.txtNumber, typed("txtNumber"));
    // A Cabrillo contest name is one word: the printed name's blanks become hyphens.
    fill(f.txtContest, typed("txtContestName").toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts).join(u'-'));
    const QString mode = typed("txtMode").toUpper();
    if (!m_modeChosen) {
        if (mode == QLatin1String("CW"))
            f.cboMode->setCurrentIndex(0);
        else if (mode == QLatin1String("SSB") || mode == QLatin1String("PH") || mode == QLatin1String("PHONE"))
            f.cboMode->setCurrentIndex(1);
    }
}

std::optional<qint64> ExportLog::summaryFinalScore()
{
    const QString text = m_window.summarySheet().txt27A->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Calculate writes the score with the system's decimal separator.
    bool ok = false;
    double score = QLocale::system().toDouble(text, &ok);
    if (!ok)
        score = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(score) || score < 0 || score > 9e15)
        return std::nullopt;
    return std::llround(score);
}

ExportFormat ExportLog::format()
{
    return form().cboFormat->currentIndex() == 1 ? ExportFormat::Adif : ExportFormat::Cabrillo;
}

StationData ExportLog::station()
{
    const frmExport &f = form();
    return StationData{f.txtCall->text(), f.txtSPC->text(), f.txtNumber->text(), f.cboMode->currentText(),
                       f.txtContest->text()};
}

QString ExportLog::defaultPath()
{
    return QDir(m_window.log().directory())
        .absoluteFilePath(ExportFormats::defaultFileName(form().txtCall->text(), format()));
}

void ExportLog::followCallAndFormat()
{
    frmExport &f = form();
    if (m_autoName) {
        f.txtFile->setText(QDir::toNativeSeparators(defaultPath()));
        return;
    }
    // A file picked by hand keeps its name; only the suffix follows the format.
    const QString path = f.txtFile->text();
    const QFileInfo info(path);
    const QString other =
        ExportFormats::suffix(format() == ExportFormat::Cabrillo ? ExportFormat::Adif : ExportFormat::Cabrillo);
    if (info.suffix().compare(other, Qt::CaseInsensitive) == 0)
        f.txtFile->setText(path.left(path.size() - other.size()) + ExportFormats::suffix(format()));
}

void ExportLog::cmdBrowse_Click()
{
    frmExport &f = form();
    const QString filter = format() == ExportFormat::Cabrillo
                               ? QStringLiteral("Cabrillo logs (*.log *.cbr);;All files (*)")
                               : QStringLiteral("ADIF files (*.adi);;All files (*)");
    // The file dialog does not ask about replacing: Export asks, whichever way the name came.
    const QString chosen = QFileDialog::getSaveFileName(&f, QStringLiteral("Export Log"), f.txtFile->text(), filter,
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return;
    m_autoName = false;
    f.txtFile->setText(QDir::toNativeSeparators(chosen));
}

void ExportLog::cmdClose_Click() { form().hide(); }

void ExportLog::report(const QStringList &lines) { form().txtResult->setPlainText(lines.join(QLatin1Char('\n'))); }

void ExportLog::cmdExport_Click()
{
    frmExport &f = form();
    ExportSettings settings;
    settings.format = format();
    settings.station = station();
    const QString problem = settings.station.problem(settings.format);
    if (!problem.isEmpty()) {
        m_window.beep();
        report({problem, QStringLiteral("Nothing was written.")});
        return;
    }

    const QString directory = m_window.log().directory();
    const QString typed = f.txtFile->text().trimmed();
    if (typed.isEmpty()) {
        m_window.beep();
        report({QStringLiteral("Choose the file to write."), QStringLiteral("Nothing was written.")});
        return;
    }
    const QString path = QDir(directory).absoluteFilePath(QDir::fromNativeSeparators(typed));
    const QString refused = LogExport::refusal(path, directory);
    if (!refused.isEmpty()) {
        m_window.beep();
        report({refused, QStringLiteral("Nothing was written.")});
        return;
    }
    if (QFileInfo::exists(path) &&
        !m_window.platform().confirmation.askYesNo(
            &f, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Export Log"))) {
        report({QStringLiteral("%1 was kept as it was.").arg(QDir::toNativeSeparators(path)),
                QStringLiteral("Nothing was written.")});
        return;
    }

    // The stored contacts, records 1 to RecordCount - 1, read through the store.
    QList<QrpRecord> records;
    m_window.log().scanContacts([&records](qint32, const QrpRecord &record) {
        records << record;
        return true;
    });
    settings.claimedScore = summaryFinalScore();
    settings.created = m_window.platform().clock.now();

    const ExportResult result = LogExport::build(records, settings);
    QString why;
    if (!LogExport::writeFile(path, result.bytes, &why)) {
        m_window.beep();
        report({QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), why),
                QStringLiteral("Nothing was written.")});
        return;
    }
    QStringList lines{QStringLiteral("%1 contact%2 written to %3.")
                          .arg(result.contacts)
                          .arg(result.contacts == 1 ? "" : "s")
                          .arg(QDir::toNativeSeparators(path))};
    if (settings.format == ExportFormat::Cabrillo)
        lines << QStringLiteral("Claimed score: %1 (%2).")
                     .arg(result.claimedScore)
                     .arg(settings.claimedScore ? QStringLiteral("from the summary sheet")
                                                : QStringLiteral("total points x multipliers"));
    lines += result.warnings;
    report(lines);
}
