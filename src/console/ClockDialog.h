#pragma once
// The small window that sets the computer's date (frmSetDate) or its GMT time
// (frmSetTime). Both are one window: dark grey, a yellow prompt, a red entry box,
// OK and Cancel; what differs between them is a ClockDialogForm.

#include <QDateTime>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class SystemClock;

struct ClockDialogForm {
    QString name, caption;                  // window
    QString labelName, boxName, cancelName; // controls (OK is cmdOK in both)
    QString prompt;                         // the label's text
    QRect box;                              // twips
    int maxLength;
    QRect ok, cancel; // twips
    bool greyOK;      // the time window's OK has a grey face
    // The box's text on load, from the clock's UTC reading.
    QString (*shown)(const QDateTime &now);
    // The clock after OK, or empty with *problem saying why the text is refused.
    std::optional<QDateTime> (*read)(const QString &typed, const QDateTime &now, QString *problem);
    QString notChanged; // first line of a refusal
    QString hint;       // last line of a refusal the text caused
};

// frmSetDate and frmSetTime.
const ClockDialogForm &setDateForm();
const ClockDialogForm &setTimeForm();

class ClockDialog : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs its load steps (today's date or time into the
    // box). Modeless, on top of `parent`; OK, Cancel and the label only hide it.
    ClockDialog(const ClockDialogForm &form, SystemClock &clock, QWidget *parent);

    QLabel *lblPrompt;   // lblSetDate / lblSetTime
    QLineEdit *txtEntry; // txtSetDate / txtSetTime
    QPushButton *cmdOK;
    QPushButton *cmdCancel; // cmdCancel / cmcCancel

    void cmdOK_Click();
    void cmdCancel_Click();
    void lblPrompt_Click();

  Q_SIGNALS:
    // The clock was not set: the lines say why, for the display panel.
    void refused(const QStringList &lines);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void Form_Load();

    const ClockDialogForm &m_form;
    SystemClock &m_clock;
};
