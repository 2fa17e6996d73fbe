#include "SummarySheet.h"

#include "frmKestrix.h"
#include "frmSummary.h"

SummarySheet::SummarySheet(frmKestrix &window) : m_window(window) {}

SummarySheet::~SummarySheet() = default;

frmSummary &SummarySheet::form()
{
    if (!m_form)
        m_form = new frmSummary(&m_window);
    return *m_form;
}
