#pragma once
// The boxes of a report form that hold the operator's station details, kept
// between runs (StationDetails). A form is filled from the remembered details
// when it opens, and what the operator typed into these boxes is remembered when
// the form's owner says so (OK, Print, Calculate, putting the sheet away).

#include "export/core/StationDetails.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

class RememberedDetails : public QObject {
    Q_OBJECT
  public:
    using Detail = QString StationDetails::*;
    using QObject::QObject;

    void bind(QLineEdit *box, Detail detail);
    void bind(QPlainTextEdit *box, Detail detail);

    // A box still showing what it was last given takes the remembered detail (or,
    // with nothing remembered, the text the form gave it); a
    // box the operator has typed into, or that the form has emptied, keeps its text.
    void fill();
    // The boxes typed into since they were filled or remembered, and still as the
    // operator left them (Clear Form empties without forgetting): their texts
    // replace those details; the other details stay as they were.
    void remember();

  private:
    struct Box {
        QWidget *widget;
        Detail detail;
        QString initial;              // what the form gave it, shown while nothing is remembered
        QString shown;                // what fill() or remember() left in it
        std::optional<QString> typed; // the text as the operator's last keystroke left it
    };
    static QString textOf(const QWidget *widget);
    static void setText(QWidget *widget, const QString &text);

    QList<Box> m_boxes;
    bool m_filling = false;
};
