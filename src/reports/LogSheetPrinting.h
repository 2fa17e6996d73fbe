#pragma once
// Printed reports, the band log sheet: the PRINT button and the "Print Log
// Sheets" menu item open the print-options dialog; the right mouse button on
// PRINT prints the sheet of the band typed there.

#include "rules/LogSheetLayout.h"

#include <QObject>
#include <optional>

class RememberedDetails;
class LogStore;
struct FrontPanelControls;
struct MenuControls;
struct Platform;
class ConsoleOutput;
class QWidget;
class frmPrinter;

class LogSheetPrinting : public QObject {
    Q_OBJECT
  public:
    LogSheetPrinting(LogStore &log, const FrontPanelControls &panel, const MenuControls &menus, Platform &platform,
                     ConsoleOutput &console, QWidget &window);
    ~LogSheetPrinting() override;

    // The print-options dialog, created hidden on first use and filled with the
    // remembered station details; OK and printing remember what was typed.
    frmPrinter &form();

    void cmdPrinter_Click();
    void mnuPrint_Click();
    void cmdPrinter_MouseDown(Qt::MouseButton button);
    void cmdOK_Click();
    void cmdCancel_Click();

    // The header fields of the print-options dialog as typed; empty when the
    // dialog has not been opened in this run.
    std::optional<LogSheetLayout::Header> typedHeader() const;

    // The sheet of the last print run, page by page, as it was drawn.
    const QList<QList<LogSheetLine>> &lastSheet() const { return m_lastSheet; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void PrintSheet();
    // The contacts the sheet of `band` prints, in record order.
    QList<LogSheetLayout::Contact> contactsOf(const QString &band);
    LogSheetLayout::Header header();

    LogStore &m_log;
    const FrontPanelControls &m_panel;
    const MenuControls &m_menus;
    Platform &m_platform;
    ConsoleOutput &m_console;
    QWidget &m_window; // the print options are its child
    frmPrinter *m_form = nullptr;
    RememberedDetails *m_details = nullptr;
    QList<QList<LogSheetLine>> m_lastSheet;
};
