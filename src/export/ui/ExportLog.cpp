#include "export/ui/ExportLog.h"

#include "export/core/ExportFormats.h"
#include "export/core/ExportSink.h"
#include "export/core/LogExport.h"
#include "export/core/RecordSource.h"
#include "export/core/StationDetails.h"
#include "export/ui/frmExport.h"
#include "platform/Platform.h"
#include "reports/LogSheetPrinting.h"
#include "reports/SummarySheet.h"
#include "store/LogStore.h"
#include "store/Text.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "platform/Confirmation.h"
#include "platform/SystemClock.h"

namespace {

// The window's own log, read through its store a slice at a time.
class StoreRecords : public RecordSource {
  public:
    explicit StoreRecords(LogStore &log) : m_log(log) {}
    qint32 recordCount() const override { return m_log.RecordCount(); }
    bool readRecords(qint64 first, qint64 last, QByteArray &bytes, QString *) override
    {
        // A read error is the store's to report, as for every read of the log.
        bytes = m_log.qrpFile().readRange(first, last);
        return true;
    }
    QString filePath() const override { return m_log.qrpFile().path(); }

  private:
    LogStore &m_log;
};

// The dialog shows so many notices; the rest are counted.
constexpr int ShownNotices = 200;

QString plural(qint64 n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

void choose(QComboBox *box, const QString &text)
{
    const int i = box->findText(text.trimmed(), Qt::MatchFixedString);
    if (i >= 0)
        box->setCurrentIndex(i);
}

} // namespace

ExportLog::ExportLog(LogStore &log, LogSheetPrinting &logSheet, SummarySheet &summary, const MenuControls &menus,
                     Platform &platform, ConsoleOutput &console, QWidget &window)
    : m_log(log), m_logSheet(logSheet), m_summary(summary), m_menus(menus), m_platform(platform), m_console(console),
      m_window(window)
{
    connect(m_menus.mnuExport, &QAction::triggered, this, &ExportLog::mnuExport_Click);
    m_menus.mnuExport->setEnabled(true);
}

ExportLog::~ExportLog() = default;

frmExport &ExportLog::form()
{
    if (!m_form) {
        m_form = new frmExport(&m_window);
        frmExport *f = m_form;
        connect(f->cmdExport, &QPushButton::clicked, this, &ExportLog::cmdExport_Click);
        connect(f->cmdBrowse, &QPushButton::clicked, this, &ExportLog::cmdBrowse_Click);
        connect(f->cmdClose, &QPushButton::clicked, this, &ExportLog::cmdClose_Click);
        connect(f->txtCall, &QLineEdit::textChanged, this, &ExportLog::followCallAndFormat);
        connect(f->cboFormat, &QComboBox::currentIndexChanged, this, &ExportLog::followCallAndFormat);
        connect(f->txtFile, &QLineEdit::textEdited, this, [this] { m_autoName = false; });
        for (QLineEdit *box : {f->txtCall, f->txtSPC, f->txtNumber, f->txtContest, f->txtName, f->txtAddress,
                               f->txtCity, f->txtState, f->txtZip})
            connect(box, &QLineEdit::textEdited, this, [this, box] { m_edited.insert(box); });
        for (QComboBox *box : {f->cboMode, f->cboCategoryStation, f->cboCategoryTransmitter})
            connect(box, &QComboBox::activated, this, [this, box] { m_edited.insert(box); });
        followCallAndFormat();
    }
    return *m_form;
}

void ExportLog::mnuExport_Click()
{
    frmExport &dialog = form();
    prefill();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void ExportLog::prefill()
{
    StationDetails d = StationDetails::load();
    // What the print options and the summary sheet hold in this run is newer
    // than what was remembered.
    const auto newer = [](QString &detail, const QString &typed) {
        if (!typed.trimmed().isEmpty())
            detail = typed.trimmed();
    };
    if (const auto header = m_logSheet.typedHeader()) {
        newer(d.call, header->call);
        newer(d.spc, header->spc);
        newer(d.number, header->number);
        newer(d.contest, header->contestName);
        newer(d.mode, header->mode);
    }
    if (const auto entrant = m_summary.entrant()) {
        newer(d.name, entrant->name);
        newer(d.address, entrant->address);
        newer(d.city, entrant->city);
        newer(d.state, entrant->state);
        newer(d.zip, entrant->zip);
    }

    frmExport &f = form();
    const auto fill = [this](QLineEdit *box, const QString &value) {
        if (!m_edited.contains(box) && !value.isEmpty())
            box->setText(value);
    };
    fill(f.txtCall, d.call.trimmed().toUpper());
    fill(f.txtSPC, d.spc.trimmed().toUpper());
    fill(f.txtNumber, d.number.trimmed());
    // A Cabrillo contest name is one word: the printed name's blanks become hyphens.
    fill(f.txtContest, ExportFormats::cabrilloContest(d.contest));
    fill(f.txtName, d.name.trimmed());
    fill(f.txtAddress, d.address.trimmed());
    fill(f.txtCity, d.city.trimmed());
    fill(f.txtState, d.state.trimmed());
    fill(f.txtZip, d.zip.trimmed());
    if (!m_edited.contains(f.cboMode)) {
        const QString mode = d.mode.trimmed().toUpper();
        if (mode == QLatin1String("CW"))
            f.cboMode->setCurrentIndex(0);
        else if (mode == QLatin1String("SSB") || mode == QLatin1String("PH") || mode == QLatin1String("PHONE"))
            f.cboMode->setCurrentIndex(1);
    }
    if (!m_edited.contains(f.cboCategoryStation))
        choose(f.cboCategoryStation, d.categoryStation);
    if (!m_edited.contains(f.cboCategoryTransmitter))
        choose(f.cboCategoryTransmitter, d.categoryTransmitter);
}

void ExportLog::remember()
{
    const frmExport &f = *m_form;
    // Only what was typed or chosen in this dialog, into the details as they are
    // now: another window may have remembered something since this one was filled.
    const std::pair<const QWidget *, QString StationDetails::*> boxes[] = {
        {f.txtCall, &StationDetails::call},
        {f.txtSPC, &StationDetails::spc},
        {f.txtNumber, &StationDetails::number},
        {f.cboMode, &StationDetails::mode},
        {f.txtContest, &StationDetails::contest},
        {f.txtName, &StationDetails::name},
        {f.txtAddress, &StationDetails::address},
        {f.txtCity, &StationDetails::city},
        {f.txtState, &StationDetails::state},
        {f.txtZip, &StationDetails::zip},
        {f.cboCategoryStation, &StationDetails::categoryStation},
        {f.cboCategoryTransmitter, &StationDetails::categoryTransmitter},
    };
    if (std::none_of(std::begin(boxes), std::end(boxes), [this](const auto &b) { return m_edited.contains(b.first); }))
        return;
    StationDetails d = StationDetails::load();
    for (const auto &[box, detail] : boxes) {
        if (!m_edited.contains(box))
            continue;
        const auto *line = qobject_cast<const QLineEdit *>(box);
        const QString text = line ? line->text().trimmed() : static_cast<const QComboBox *>(box)->currentText();
        // The sheets print the contest in words: kept unless it was changed here.
        if (detail == &StationDetails::contest &&
            ExportFormats::cabrilloContest(d.contest) == ExportFormats::cabrilloContest(text))
            continue;
        d.*detail = text;
    }
    d.save();
    m_edited.clear();
}

void ExportLog::scoreFactors(ExportSettings &settings)
{
    // Read now, not the final score box, which may be older than the log. A
    // factor the sheet leaves at 0 or empty is the remembered one.
    SummarySheet &summary = m_summary;
    const FinalScore::Figures sheet = summary.scoreFigures();
    const StationDetails remembered = StationDetails::load();
    const auto take = [](double onSheet, const QString &kept, double fallback, double &value, QString &from) {
        const double keptValue = Text::numericValue(kept);
        if (onSheet > 0) {
            value = onSheet;
            from = QStringLiteral("summary sheet");
        } else if (keptValue > 0 && std::isfinite(keptValue)) {
            value = keptValue;
            from = QStringLiteral("remembered");
        } else {
            value = fallback;
            from = QStringLiteral("summary sheet");
        }
    };
    take(sheet.powerMultiplier, remembered.powerMultiplier, 0, settings.powerMultiplier, settings.powerMultiplierFrom);
    take(sheet.bonusMultiplier, remembered.bonusMultiplier, 1, settings.bonusMultiplier, settings.bonusMultiplierFrom);
    take(sheet.bonusPoints, remembered.bonusPoints, 0, settings.bonusPoints, settings.bonusPointsFrom);
    settings.entrant.soapbox = summary.comments();
}

ExportFormat ExportLog::format()
{
    return ExportFormats::all().value(form().cboFormat->currentIndex(), ExportFormats::all().first()).format;
}

StationData ExportLog::station()
{
    const frmExport &f = form();
    return StationData{f.txtCall->text(), f.txtSPC->text(), f.txtNumber->text(), f.cboMode->currentText(),
                       f.txtContest->text()};
}

EntrantData ExportLog::entrant()
{
    const frmExport &f = form();
    return EntrantData{f.txtName->text(),
                       f.txtAddress->text(),
                       f.txtCity->text(),
                       f.txtState->text(),
                       f.txtZip->text(),
                       f.cboCategoryStation->currentText(),
                       f.cboCategoryTransmitter->currentText(),
                       QString()};
}

QString ExportLog::defaultPath()
{
    return QDir(m_log.directory()).absoluteFilePath(ExportFormats::defaultFileName(form().txtCall->text(), format()));
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
    const QString suffix = QFileInfo(path).suffix();
    for (const FormatInfo &other : ExportFormats::all())
        if (other.format != format() && suffix.compare(QLatin1String(other.suffix), Qt::CaseInsensitive) == 0)
            f.txtFile->setText(path.left(path.size() - suffix.size()) +
                               QLatin1String(ExportFormats::info(format()).suffix));
}

void ExportLog::cmdBrowse_Click()
{
    frmExport &f = form();
    const QString filter = QLatin1String(ExportFormats::info(format()).filter);
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
    settings.entrant = entrant();
    settings.skipIncomplete = f.chkSkipIncomplete->isChecked();
    scoreFactors(settings);
    QString problem = settings.station.problem(settings.format);
    if (problem.isEmpty() && ExportFormats::info(settings.format).entry && !(settings.powerMultiplier > 0))
        problem = QStringLiteral("The claimed score needs your power multiplier: type it into POWER MULT on the "
                                 "contest summary sheet (7 for 1 to 5 watts CW, for example).");
    if (problem.isEmpty())
        problem = settings.problem();
    if (!problem.isEmpty()) {
        m_console.beep();
        report({problem, QStringLiteral("Nothing was written.")});
        return;
    }
    remember();

    const QString directory = m_log.directory();
    const QString typed = f.txtFile->text().trimmed();
    if (typed.isEmpty()) {
        m_console.beep();
        report({QStringLiteral("Choose the file to write."), QStringLiteral("Nothing was written.")});
        return;
    }
    const QString path = QDir(directory).absoluteFilePath(QDir::fromNativeSeparators(typed));
    const QString shown = QDir::toNativeSeparators(path);
    const LogExport::OutputTarget target = LogExport::target(path, directory, settings.format);
    if (target.kind == LogExport::OutputTarget::Refused) {
        m_console.beep();
        report({target.why, QStringLiteral("Nothing was written.")});
        return;
    }
    const bool existed = target.kind != LogExport::OutputTarget::New;
    const QString question = target.kind == LogExport::OutputTarget::OtherFile
                                 ? target.why + QStringLiteral("\nDo you want to replace it?")
                                 : QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(shown);
    if (existed && !m_platform.confirmation.askYesNo(&f, question, QStringLiteral("Export Log"))) {
        report({QStringLiteral("%1 was kept as it was.").arg(shown), QStringLiteral("Nothing was written.")});
        return;
    }
    settings.created = m_platform.clock.now();

    QStringList warnings, incomplete;
    qint64 unshown = 0;
    FileReplacement file(path);
    StoreRecords log(m_log);
    ExportResult result;
    if (file.open()) {
        result = LogExport::write(log, file, settings, QFileInfo(path).absolutePath(), [&](const LogExport::Notice &n) {
            QStringList &list = n.incomplete ? incomplete : warnings;
            if (warnings.size() + incomplete.size() < ShownNotices)
                list << n.text;
            else
                ++unshown;
        });
    } else {
        result.failure = ExportResult::WriteError;
        result.reason = file.reason();
    }
    QStringList more;
    if (unshown > 0)
        more << QStringLiteral("... and %1 more.").arg(unshown);
    const QString kept = existed ? QStringLiteral("%1 was kept as it was.").arg(shown) : QString();

    if (!result.written()) {
        m_console.beep();
        QStringList lines;
        if (result.failure == ExportResult::Incomplete)
            lines << QStringLiteral("%1 a checker cannot read:").arg(plural(result.leftOut, "contact", "contacts"))
                  << incomplete << more
                  << QStringLiteral("Mend %1 with Change, or tick \"Leave out contacts a checker cannot read\".")
                         .arg(QLatin1String(result.leftOut == 1 ? "it" : "them"));
        else if (result.failure == ExportResult::Memory)
            lines << QStringLiteral("There is not enough memory to export the log.");
        else if (result.failure == ExportResult::WriteError)
            lines << QStringLiteral("%1 could not be written: %2.").arg(shown, result.reason);
        else
            lines << QStringLiteral("The log could not be read: %1.").arg(result.reason);
        lines << QStringLiteral("Nothing was written.");
        if (!kept.isEmpty())
            lines << kept;
        report(lines);
        return;
    }

    QStringList lines{QStringLiteral("%1 written to %2.").arg(plural(result.contacts, "contact", "contacts"), shown)};
    if (ExportFormats::info(settings.format).entry) {
        lines << QStringLiteral("Claimed score: %1.").arg(LogExport::claimText(result, settings));
        const QString differs = LogExport::claimDifference(result, settings, m_summary.scoreFigures());
        if (!differs.isEmpty())
            lines << differs;
    }
    if (result.leftOut > 0)
        lines << QStringLiteral("%1 left out:").arg(plural(result.leftOut, "incomplete contact", "incomplete contacts"))
              << incomplete;
    lines << warnings << more;
    report(lines);
}
