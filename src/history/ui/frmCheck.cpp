#include "history/ui/frmCheck.h"

#include "rules/ContestBands.h"

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
    m_matches->setFont(mono);
    connect(m_matches, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Q_EMIT chosen(matchAt(m_matches->row(item))); });

    m_worked = new QLabel(this);
    m_worked->setObjectName(QStringLiteral("lblWorked"));
    m_worked->setAccessibleName(QStringLiteral("Worked before"));
    m_worked->setTextFormat(Qt::PlainText);
    m_worked->setWordWrap(true);
    m_worked->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("lblScore"));
    m_score->setAccessibleName(QStringLiteral("Live score"));
    m_score->setTextFormat(Qt::PlainText);
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
    resize(340, 520);
}

QString frmCheck::matchAt(int row) const { return row >= 0 && row < m_calls.size() ? m_calls.at(row) : QString(); }

void frmCheck::showMatches(const QList<CallIndex::Match> &matches)
{
    m_calls.clear();
    m_matches->setUpdatesEnabled(false);
    m_matches->clear();
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const CallIndex::Match &m = matches.at(i);
        m_calls.append(m.call);
        const QString number = i < 9 ? QString::number(i + 1) : QStringLiteral(" ");
        m_matches->addItem(number + QLatin1Char(' ') + m.call + (m.inLog ? QStringLiteral(" *") : QString()));
    }
    m_matches->setUpdatesEnabled(true);
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
    QStringList bands;
    for (const CallIndex::Worked &w : worked) {
        QString sent = w.spc;
        const QString exchange = w.arci.isEmpty() ? w.power + QStringLiteral("W") : w.arci;
        if (!exchange.isEmpty() && exchange != QLatin1String("W"))
            sent += QLatin1Char(' ') + exchange;
        bands << QString::fromLatin1(ContestBands::table[w.band].name) + QStringLiteral(" m (") + sent.trimmed() +
                     QLatin1Char(')');
    }
    m_worked->setText(call + QStringLiteral(" worked on ") + bands.join(QStringLiteral(", ")));
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

void frmCheck::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    Q_EMIT hidden();
}
