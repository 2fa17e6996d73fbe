#pragma once
// Kestrix Program -> Check Window: a window of its own beside the panel that
// follows the call box on every keystroke. It shows the calls holding the typed
// text (the log's own marked "*"), the bands the call was worked on in this log
// with what it sent, and the live score with the rate and the operating time.
// Double-click, Enter or Ctrl+1..9 on a match puts it into the call box.

#include "history/CallIndex.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QSpinBox;

class frmCheck : public QWidget {
    Q_OBJECT
  public:
    explicit frmCheck(QWidget *parent = nullptr);

    void showMatches(const QList<CallIndex::Match> &matches);
    void showWorked(const QString &call, const QList<CallIndex::Worked> &worked);
    void showScore(const CallIndex::LiveScore &score);
    void setLimitHours(int hours);

    // The call of the match in row `row` (0 for the first), or empty.
    QString matchAt(int row) const;

    static QString duration(qint64 seconds); // "h:mm"

  Q_SIGNALS:
    void chosen(const QString &call);
    void limitChanged(int hours);
    void hidden();
    // Closed by the operator (its close box), not by the program ending.
    void closedByOperator();

  protected:
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    QListWidget *m_matches = nullptr;
    QLabel *m_worked = nullptr;
    QLabel *m_score = nullptr;
    QSpinBox *m_limit = nullptr;
    QStringList m_calls;
};
