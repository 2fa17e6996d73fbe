#pragma once
// Kestrix Program -> Call History...: the files the calls come from. Each
// source is read as it is added, and its row says how many calls it gave and
// how many lines it passed over; the selected source's skipped lines, or why the
// whole file was refused, show below the list.

#include "history/CallHistoryFile.h"
#include "history/ui/HistoryChoice.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class frmCallHistory : public QDialog {
    Q_OBJECT
  public:
    explicit frmCallHistory(QWidget *parent = nullptr);

    // The remembered choice and the sources as last read (read again when missing).
    void setChoice(const HistoryChoice &choice, const QList<HistorySource> &read);
    // The choice as the dialog stands, and the sources read for it, in list order.
    HistoryChoice choice(HistoryChoice keep) const;
    QList<HistorySource> sources() const { return m_sources; }

    // Reads `path` as a source of `kind` and adds its row (a path already listed is read again).
    void addSource(HistorySource::Kind kind, const QString &path);
    void removeSelected();

    static HistorySource read(HistorySource::Kind kind, const QString &path, const CallHistoryFile::Columns &columns);

  private:
    void showRows();
    void showDetails();
    void columnsChanged();
    void choose(HistorySource::Kind kind);
    CallHistoryFile::Columns columns() const;

    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_details = nullptr;
    QLineEdit *m_spcColumn = nullptr;
    QLineEdit *m_exchangeColumn = nullptr;
    QList<HistorySource> m_sources;
    CallHistoryFile::Columns m_readWith;
};
