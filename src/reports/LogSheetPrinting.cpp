#include "reports/LogSheetPrinting.h"

#include "platform/Platform.h"
#include "reports/LogSheetRenderer.h"
#include "reports/PrintMessages.h"
#include "reports/RememberedDetails.h"
#include "reports/frmPrinter.h"
#include "store/LogStore.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

LogSheetPrinting::LogSheetPrinting(LogStore &log, const FrontPanelControls &panel, const MenuControls &menus,
                                   Platform &platform, ConsoleOutput &console, QWidget &window)
    : m_log(log), m_panel(panel), m_menus(menus), m_platform(platform), m_console(console), m_window(window)
{
    connect(m_panel.cmdPrinter, &QPushButton::clicked, this, &LogSheetPrinting::cmdPrinter_Click);
    m_panel.cmdPrinter->installEventFilter(this);
    connect(m_menus.mnuPrint, &QAction::triggered, this, &LogSheetPrinting::mnuPrint_Click);
    m_menus.mnuPrint->setEnabled(true);
}

LogSheetPrinting::~LogSheetPrinting() = default;

frmPrinter &LogSheetPrinting::form()
{
    if (!m_form) {
        m_form = new frmPrinter(&m_window);
        connect(m_form->cmdOK, &QPushButton::clicked, this, &LogSheetPrinting::cmdOK_Click);
        connect(m_form->cmdCancel, &QPushButton::clicked, this, &LogSheetPrinting::cmdCancel_Click);
        m_details = new RememberedDetails(this);
        m_details->bind(m_form->txtContestName, &StationDetails::contest);
        m_details->bind(m_form->txtCall, &StationDetails::call);
        m_details->bind(m_form->txtSPC, &StationDetails::spc);
        m_details->bind(m_form->txtNumber, &StationDetails::number);
        m_details->bind(m_form->txtMode, &StationDetails::mode);
        m_details->fill();
    }
    return *m_form;
}

void LogSheetPrinting::cmdPrinter_Click()
{
    frmPrinter &dialog = form();
    m_details->fill();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void LogSheetPrinting::mnuPrint_Click() { cmdPrinter_Click(); }

bool LogSheetPrinting::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel.cmdPrinter && event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
        cmdPrinter_MouseDown(button);
        return button == Qt::RightButton;
    }
    return false;
}

void LogSheetPrinting::cmdPrinter_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        PrintSheet();
}

void LogSheetPrinting::cmdOK_Click()
{
    form().hide();
    m_details->remember();
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Notice,
                         {QStringLiteral("Turn printer online, check paper supply"),
                          QStringLiteral("RIGHT CLICK ON PRINT BUTTON"), QStringLiteral("to begin printing.")});
}

void LogSheetPrinting::cmdCancel_Click() { form().hide(); }

namespace {
LogSheetLayout::Header headerOf(const frmPrinter &f)
{
    return LogSheetLayout::Header{f.txtContestName->text(), f.txtDate->text(),      f.txtCall->text(), f.txtSPC->text(),
                                  f.txtNumber->text(),      f.txtWhichBand->text(), f.txtMode->text()};
}
} // namespace

LogSheetLayout::Header LogSheetPrinting::header() { return headerOf(form()); }

std::optional<LogSheetLayout::Header> LogSheetPrinting::typedHeader() const
{
    if (!m_form)
        return std::nullopt;
    return headerOf(*m_form);
}

QList<LogSheetLayout::Contact> LogSheetPrinting::contactsOf(const QString &band)
{
    QList<LogSheetLayout::Contact> contacts;
    m_log.scan(1, m_log.RecordCount() - 1, [&](qint32, const QrpRecord &record) {
        if (auto contact = LogSheetLayout::select(record, band))
            contacts.append(*contact);
        return true;
    });
    return contacts;
}

namespace {
// A file name part from the band text: letters and digits kept, anything else '_'.
QString fileNamePart(const QString &band)
{
    QString part;
    for (QChar c : band)
        part += (c.isLetterOrNumber() && c.unicode() < 128) ? c : u'_';
    return part;
}
} // namespace

void LogSheetPrinting::PrintSheet()
{
    m_console.setNewLine();
    const LogSheetLayout::Header h = header();
    m_details->remember();
    if (h.band.isEmpty()) {
        // An empty band box would select only the deleted records: print nothing.
        m_console.writePanel(PanelSize::Notice,
                             {QStringLiteral("No log sheet printed:"), QStringLiteral("the band box is empty."),
                              QStringLiteral("Click PRINT and type the band.")});
        m_console.beep();
        return;
    }
    const QList<LogSheetLayout::Contact> contacts = contactsOf(h.band);

    QList<QList<LogSheetLine>> sheet;
    const PrintTarget::Result result = m_platform.printTarget.print(
        QStringLiteral("LOGSHEET-") + fileNamePart(h.band), [&](QPainter &painter, QPagedPaintDevice &device) {
            LogSheetRenderer renderer(painter);
            sheet =
                LogSheetLayout::pages(LogSheetLayout::lines(h, contacts, renderer.measure()), renderer.linesPerPage());
            renderer.draw(sheet, device);
        });
    m_lastSheet = result.ok ? sheet : QList<QList<LogSheetLine>>();
    PrintMessages::tell(m_console, QStringLiteral("Log sheet"), result);
}
