#include "history/ui/frmCallHistory.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString kindName(HistorySource::Kind kind)
{
    switch (kind) {
    case HistorySource::CallHistory:
        return QStringLiteral("Call history");
    case HistorySource::CheckPartial:
        return QStringLiteral("Check file");
    case HistorySource::EarlierLog:
        return QStringLiteral("Earlier log");
    }
    return QString();
}

// The skipped lines shown for one source: enough to see what is wrong.
constexpr int ShownSkips = 200;

} // namespace

frmCallHistory::frmCallHistory(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCallHistory"));
    setWindowTitle(QStringLiteral("Call History"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstSources"));
    m_list->setAccessibleName(QStringLiteral("Sources of calls"));
    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("txtSkipped"));
    m_details->setAccessibleName(QStringLiteral("Lines skipped in the selected source"));
    m_details->setReadOnly(true);
    m_details->setMaximumBlockCount(ShownSkips + 4);
    connect(m_list, &QListWidget::currentRowChanged, this, &frmCallHistory::showDetails);

    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *addHistory = button("cmdAddHistory", QStringLiteral("Add &Call History..."));
    QPushButton *addCheck = button("cmdAddCheck", QStringLiteral("Add C&heck File..."));
    QPushButton *addLog = button("cmdAddLog", QStringLiteral("Add &Earlier Log..."));
    QPushButton *remove = button("cmdRemove", QStringLiteral("&Remove"));
    connect(addHistory, &QPushButton::clicked, this, [this] { choose(HistorySource::CallHistory); });
    connect(addCheck, &QPushButton::clicked, this, [this] { choose(HistorySource::CheckPartial); });
    connect(addLog, &QPushButton::clicked, this, [this] { choose(HistorySource::EarlierLog); });
    connect(remove, &QPushButton::clicked, this, &frmCallHistory::removeSelected);

    m_spcColumn = new QLineEdit(this);
    m_spcColumn->setObjectName(QStringLiteral("txtSpcColumn"));
    m_spcColumn->setPlaceholderText(QStringLiteral("State, Sect or Loc1"));
    m_spcColumn->setAccessibleName(QStringLiteral("S-P-C column"));
    m_exchangeColumn = new QLineEdit(QStringLiteral("Exch1"), this);
    m_exchangeColumn->setObjectName(QStringLiteral("txtExchangeColumn"));
    m_exchangeColumn->setAccessibleName(QStringLiteral("ARCI number or power column"));
    connect(m_spcColumn, &QLineEdit::editingFinished, this, &frmCallHistory::columnsChanged);
    connect(m_exchangeColumn, &QLineEdit::editingFinished, this, &frmCallHistory::columnsChanged);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {addHistory, addCheck, addLog, remove})
        buttons->addWidget(b);
    auto *columnsForm = new QFormLayout;
    columnsForm->addRow(QStringLiteral("S-P-C co&lumn:"), m_spcColumn);
    columnsForm->addRow(QStringLiteral("ARCI # or &power column:"), m_exchangeColumn);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    auto *listLabel = new QLabel(QStringLiteral("&Sources (the open log is always one):"), this);
    listLabel->setBuddy(m_list);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_details, 1);
    layout->addLayout(columnsForm);
    layout->addWidget(box);
    resize(640, 460);
}

CallHistoryFile::Columns frmCallHistory::columns() const
{
    CallHistoryFile::Columns c;
    c.spcColumn = m_spcColumn->text().trimmed();
    const QString exchange = m_exchangeColumn->text().trimmed();
    c.exchangeColumn = exchange.isEmpty() ? QStringLiteral("Exch1") : exchange;
    return c;
}

HistorySource frmCallHistory::read(HistorySource::Kind kind, const QString &path,
                                   const CallHistoryFile::Columns &columns)
{
    switch (kind) {
    case HistorySource::CheckPartial:
        return CallHistoryFile::readCheckPartial(path);
    case HistorySource::EarlierLog:
        return CallHistoryFile::readEarlierLog(path);
    case HistorySource::CallHistory:
        break;
    }
    return CallHistoryFile::readCallHistory(path, columns);
}

void frmCallHistory::setChoice(const HistoryChoice &choice, const QList<HistorySource> &read)
{
    m_spcColumn->setText(choice.spcColumn);
    m_exchangeColumn->setText(choice.exchangeColumn);
    m_readWith = columns();
    m_sources = read;
    showRows();
}

HistoryChoice frmCallHistory::choice(HistoryChoice keep) const
{
    keep.callHistories.clear();
    keep.checkFiles.clear();
    keep.earlierLogs.clear();
    for (const HistorySource &s : m_sources)
        (s.kind == HistorySource::CallHistory    ? keep.callHistories
         : s.kind == HistorySource::CheckPartial ? keep.checkFiles
                                                 : keep.earlierLogs)
            .append(s.path);
    const CallHistoryFile::Columns c = columns();
    keep.spcColumn = c.spcColumn;
    keep.exchangeColumn = c.exchangeColumn;
    return keep;
}

void frmCallHistory::addSource(HistorySource::Kind kind, const QString &path)
{
    HistorySource read = frmCallHistory::read(kind, path, columns());
    for (HistorySource &s : m_sources)
        if (s.kind == kind && s.path == path) {
            s = read;
            showRows();
            return;
        }
    m_sources.append(read);
    showRows();
    m_list->setCurrentRow(int(m_sources.size()) - 1);
}

void frmCallHistory::removeSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_sources.size())
        return;
    m_sources.removeAt(row);
    showRows();
}

void frmCallHistory::choose(HistorySource::Kind kind)
{
    if (kind == HistorySource::EarlierLog) {
        const QString folder =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Folder of an earlier Kestrix log"));
        if (!folder.isEmpty())
            addSource(kind, folder);
        return;
    }
    const QStringList files = QFileDialog::getOpenFileNames(this, kindName(kind));
    for (const QString &f : files)
        addSource(kind, f);
}

void frmCallHistory::columnsChanged()
{
    const CallHistoryFile::Columns now = columns();
    if (now.spcColumn == m_readWith.spcColumn && now.exchangeColumn == m_readWith.exchangeColumn)
        return;
    m_readWith = now;
    for (HistorySource &s : m_sources)
        if (s.kind == HistorySource::CallHistory)
            s = read(s.kind, s.path, now);
    showRows();
}

void frmCallHistory::showRows()
{
    const int keep = m_list->currentRow();
    m_list->clear();
    for (const HistorySource &s : m_sources) {
        QString row = kindName(s.kind) + QStringLiteral(": ") + s.path + QStringLiteral(" - ");
        if (s.refused())
            row += QStringLiteral("refused: ") + s.refusal;
        else
            row += QStringLiteral("%1 calls, %2 lines skipped").arg(s.entries.size()).arg(s.skipped.size());
        m_list->addItem(row);
    }
    m_list->setCurrentRow(qMin(keep, int(m_sources.size()) - 1));
    showDetails();
}

void frmCallHistory::showDetails()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_sources.size()) {
        m_details->clear();
        return;
    }
    const HistorySource &s = m_sources.at(row);
    QStringList lines;
    if (s.refused())
        lines << QStringLiteral("Not read: ") + s.refusal;
    if (!s.note.isEmpty())
        lines << s.note;
    for (qsizetype i = 0; i < s.skipped.size() && i < ShownSkips; ++i)
        lines << s.skipped.at(i).text();
    if (s.skipped.size() > ShownSkips)
        lines << QStringLiteral("... and %1 more lines skipped").arg(s.skipped.size() - ShownSkips);
    if (lines.isEmpty())
        lines << QStringLiteral("Every line was read.");
    m_details->setPlainText(lines.join(QLatin1Char('\n')));
}
