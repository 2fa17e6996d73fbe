#include "history/ui/frmCheck.h"

#include "rules/ContestBands.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

frmCheck::frmCheck(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(QStringLiteral("Check Window"));

    m_matches = new QListWidget(this);
    m_matches->setObjectName(QStringLiteral("lstMatches"));
    m_matches->setAccessibleName(QStringLiteral("Partial matches"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    // Call signs need no shaping: the rows are drawn on every key.
    mono.setStyleStrategy(QFont::PreferNoShaping);
    mono.setKerning(false);
    m_matches->setFont(mono);
    m_matches->setUniformItemSizes(true);
    connect(m_matches, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Q_EMIT chosen(matchAt(m_matches->row(item))); });

    m_worked = new QLabel(this);
    m_worked->setObjectName(QStringLiteral("lblWorked"));
    m_worked->setAccessibleName(QStringLiteral("Worked before"));
    m_worked->setTextFormat(Qt::PlainText);
    // The texts change on every key: kept to a fixed place (a line for the call
    // and one for each band), so the window is not laid out again each time.
    m_worked->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_worked->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_worked->setFixedHeight(m_worked->fontMetrics().lineSpacing() * (1 + ContestBands::Count) + 4);
    m_worked->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("lblScore"));
    m_score->setAccessibleName(QStringLiteral("Live score"));
    m_score->setTextFormat(Qt::PlainText);
    m_score->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_score->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_limit = new QSpinBox(this);
    m_limit->setObjectName(QStringLiteral("spnLimit"));
    m_limit->setAccessibleName(QStringLiteral("Operating time limit in hours"));
    m_limit->setRange(0, 48);
    m_limit->setSpecialValueText(QStringLiteral("no limit"));
    m_limit->setSuffix(QStringLiteral(" h"));
    connect(m_limit, &QSpinBox::valueChanged, this, &frmCheck::limitChanged);

    auto *layout = new QVBoxLayout(this);
    auto *matchesLabel = new QLabel(QStringLiteral("&Partial matches (* in this log):"), this);
    matchesLabel->setBuddy(m_matches);
    layout->addWidget(matchesLabel);
    layout->addWidget(m_matches, 1);
    layout->addWidget(m_worked);
    layout->addWidget(m_score);
    auto *limitRow = new QFormLayout;
    limitRow->addRow(QStringLiteral("Operating time &limit:"), m_limit);
    layout->addLayout(limitRow);

    // Ctrl+1..9 take the match of that number, here as on the panel.
    for (int n = 1; n <= 9; ++n) {
        auto *key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n)), this);
        connect(key, &QShortcut::activated, this, [this, n] {
            const QString call = matchAt(n - 1);
            if (!call.isEmpty())
                Q_EMIT chosen(call);
        });
    }
    resize(340, 420);
}

QString frmCheck::matchAt(int row) const { return row >= 0 && row < m_calls.size() ? m_calls.at(row) : QString(); }

void frmCheck::showMatches(const QList<CallIndex::Match> &matches)
{
    // The rows are kept and their texts replaced: a keystroke changes a few.
    m_calls.clear();
    while (m_matches->count() > matches.size())
        delete m_matches->takeItem(m_matches->count() - 1);
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const CallIndex::Match &m = matches.at(i);
        m_calls.append(m.call);
        const QString number = i < 9 ? QString::number(i + 1) : QStringLiteral(" ");
        const QString text = number + QLatin1Char(' ') + m.call + (m.inLog ? QStringLiteral(" *") : QString());
        if (i < m_matches->count()) {
            if (m_matches->item(int(i))->text() != text)
                m_matches->item(int(i))->setText(text);
        } else {
            m_matches->addItem(text);
        }
    }
}

void frmCheck::showWorked(const QString &call, const QList<CallIndex::Worked> &worked)
{
    if (call.isEmpty()) {
        m_worked->clear();
        return;
    }
    if (worked.isEmpty()) {
        m_worked->setText(call + QStringLiteral(": not worked before"));
        return;
    }
    QStringList lines{call + QStringLiteral(" worked on:")};
    for (const CallIndex::Worked &w : worked) {
        const QString exchange =
            w.arci.isEmpty() ? (w.power.isEmpty() ? QString() : w.power + QStringLiteral("W")) : w.arci;
        QString line = QStringLiteral("%1 m  %2 %3")
                           .arg(QString::fromLatin1(ContestBands::table[w.band].name), 5)
                           .arg(w.spc, exchange);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines << line;
    }
    m_worked->setText(lines.join(QLatin1Char('\n')));
}

QString frmCheck::duration(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

void frmCheck::showScore(const CallIndex::LiveScore &s)
{
    QStringList lines;
    lines
        << QStringLiteral("Contacts %1   Points %2   Multipliers %3").arg(s.contacts).arg(s.points).arg(s.multipliers);
    lines << (s.finalScore ? QStringLiteral("Final score ") + QString::number(*s.finalScore, 'g', 12)
                           : QStringLiteral("Final score: too large to show"));
    lines << QStringLiteral("Last 10 min: %1   Last 60 min: %2").arg(s.lastTen).arg(s.lastSixty);
    QString time = QStringLiteral("Operating time ") + duration(s.operatingSeconds);
    if (s.remainingSeconds >= 0)
        time += QStringLiteral(" (%1 left)").arg(duration(s.remainingSeconds));
    lines << time;
    m_score->setText(lines.join(QLatin1Char('\n')));
}

void frmCheck::setLimitHours(int hours)
{
    const QSignalBlocker quiet(m_limit);
    m_limit->setValue(hours);
}

void frmCheck::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        Q_EMIT closedByOperator();
    QWidget::closeEvent(event);
}

void frmCheck::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    Q_EMIT hidden();
}
