#include "console/ClockDialog.h"

#include "console/ConsoleLayout.h"
#include "platform/SystemClock.h"
#include "rules/ClockText.h"
#include "widgets/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QFont systemFont()
{
    QFont font(ConsoleLayout::system());
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

void fill(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A button that Enter and Escape never press: neither default nor auto-default.
QPushButton *button(QWidget *window, const QString &name, const QString &caption, const QRect &place)
{
    auto *b = new QPushButton(caption, window);
    b->setObjectName(name);
    b->setGeometry(Twips::rect(place));
    b->setFont(systemFont());
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

std::optional<QDateTime> readDate(const QString &typed, const QDateTime &now, QString *problem)
{
    const std::optional<QDate> date = ClockText::readDate(typed, problem);
    return date ? std::optional(ClockText::withDate(now, *date)) : std::nullopt;
}

std::optional<QDateTime> readTime(const QString &typed, const QDateTime &now, QString *problem)
{
    const std::optional<QTime> time = ClockText::readTime(typed, problem);
    return time ? std::optional(ClockText::withTime(now, *time)) : std::nullopt;
}

} // namespace

const ClockDialogForm &setDateForm()
{
    static const ClockDialogForm form{
        QStringLiteral("frmSetDate"),
        QStringLiteral("                   Set Date"),
        QStringLiteral("lblSetDate"),
        QStringLiteral("txtSetDate"),
        QStringLiteral("cmdCancel"),
        QStringLiteral("Enter Date\r\n(Ex: 6/10/98)"),
        QRect(360, 840, 2415, 615),
        8, // the box cuts the text to its 8 characters, as it does any text put into it
        QRect(120, 1800, 1215, 495),
        QRect(1800, 1800, 1215, 495),
        false,
        [](const QDateTime &now) { return ClockText::dialogDate(now.date()); },
        readDate,
        QStringLiteral("The date was not changed."),
        QStringLiteral("Type it as month/day/year, for example 6/10/98."),
    };
    return form;
}

const ClockDialogForm &setTimeForm()
{
    static const ClockDialogForm form{
        QStringLiteral("frmSetTime"),
        QStringLiteral("               Set GMT Time"),
        QStringLiteral("lblSetTime"),
        QStringLiteral("txtSetTime"),
        QStringLiteral("cmcCancel"),
        QStringLiteral("Enter GMT Time\r\n(Ex: 23:30:15)"),
        QRect(120, 840, 2895, 615),
        12,
        QRect(240, 1800, 1215, 495),
        QRect(1680, 1800, 1215, 495),
        true,
        [](const QDateTime &now) { return ClockText::dialogTime(now.time()); },
        readTime,
        QStringLiteral("The time was not changed."),
        QStringLiteral("Type it as hours:minutes:seconds on a 24-hour clock, for example 23:30:15."),
    };
    return form;
}

ClockDialog::ClockDialog(const ClockDialogForm &form, SystemClock &clock, QWidget *parent)
    : QWidget(parent), m_form(form), m_clock(clock)
{
    // Window: background RGB 64,64,64, no minimize or maximize button, client area
    // fixed at left 8775, top 1005, 3090 wide, 2625 high on the screen.
    setObjectName(form.name);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(form.caption);
    setAutoFillBackground(true);
    fill(this, QPalette::Window, QColor(64, 64, 64));
    const QRect client = Twips::rect(QRect(8775, 1005, 3090, 2625));
    setFixedSize(client.size());
    setGeometry(client);

    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName(form.labelName);
    lblPrompt->setGeometry(Twips::rect(QRect(120, 120, 2895, 495)));
    lblPrompt->setAutoFillBackground(true);
    fill(lblPrompt, QPalette::Window, QColor(255, 255, 0));
    fill(lblPrompt, QPalette::WindowText, QColor(0, 0, 0));
    lblPrompt->setAlignment(Qt::AlignCenter);
    lblPrompt->setFont(systemFont());
    lblPrompt->setFocusPolicy(Qt::NoFocus);

    txtEntry = new QLineEdit(this);
    txtEntry->setObjectName(form.boxName);
    txtEntry->setGeometry(Twips::rect(form.box));
    fill(txtEntry, QPalette::Base, QColor(255, 0, 0));
    fill(txtEntry, QPalette::Text, QColor(0, 0, 0));
    txtEntry->setAlignment(Qt::AlignCenter);
    QFont font(ConsoleLayout::serif());
    font.setPointSizeF(18);
    font.setBold(true);
    txtEntry->setFont(font);
    txtEntry->setMaxLength(form.maxLength);

    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), form.ok);
    if (form.greyOK)
        fill(cmdOK, QPalette::Button, QColor(192, 192, 192));
    cmdCancel = button(this, form.cancelName, QStringLiteral("&Cancel"), form.cancel);
    setTabOrder(txtEntry, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &ClockDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ClockDialog::cmdCancel_Click);
    lblPrompt->installEventFilter(this);

    Form_Load();
}

void ClockDialog::Form_Load()
{
    txtEntry->setText(m_form.shown(m_clock.now().toUTC()));
    lblPrompt->setText(m_form.prompt);
}

void ClockDialog::cmdOK_Click()
{
    QString problem;
    const std::optional<QDateTime> set = m_form.read(txtEntry->text(), m_clock.now(), &problem);
    if (!set) {
        Q_EMIT refused({m_form.notChanged, problem, m_form.hint});
        return;
    }
    QString why;
    if (!m_clock.set(*set, &why)) {
        Q_EMIT refused({m_form.notChanged, why});
        return;
    }
    hide();
}

void ClockDialog::cmdCancel_Click() { hide(); }

void ClockDialog::lblPrompt_Click() { hide(); }

// A left click on the prompt: the button let go over it.
bool ClockDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblPrompt && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && lblPrompt->rect().contains(mouse->position().toPoint()))
            lblPrompt_Click();
    }
    return QWidget::eventFilter(watched, event);
}
