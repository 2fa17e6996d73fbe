#include "help/ReferenceWindows.h"

#include "help/frmProvinces.h"
#include "help/frmRST.h"
#include "help/frmStates.h"
#include "widgets/PanelControls.h"

#include <QAction>
#include <QPushButton>

namespace {
template <class Window> Window *loaded(const QPointer<Window> &slot)
{
    return slot && !slot->isDiscarded() ? slot.data() : nullptr;
}
} // namespace

ReferenceWindows::ReferenceWindows(const FrontPanelControls &panel, const MenuControls &menus, QWidget &window)
    : m_panel(panel), m_menus(menus), m_window(window)
{
    connect(m_panel.cmdRstSystem, &QPushButton::clicked, this, &ReferenceWindows::cmdRstSystem_Click);
    connect(m_panel.cmdUS, &QPushButton::clicked, this, &ReferenceWindows::cmdUS_Click);
    connect(m_panel.cmdCanada, &QPushButton::clicked, this, &ReferenceWindows::cmdCanada_Click);
    connect(m_menus.mnuState, &QAction::triggered, this, &ReferenceWindows::mnuState_Click);
    connect(m_menus.mnuProvinces, &QAction::triggered, this, &ReferenceWindows::mnuProvinces_Click);
    m_menus.mnuState->setEnabled(true);
    m_menus.mnuProvinces->setEnabled(true);
}

ReferenceWindows::~ReferenceWindows() = default;

template <class Window> void ReferenceWindows::show(QPointer<Window> &slot)
{
    // A window closed by its close box is on its way out: load a new one.
    if (!loaded(slot))
        slot = new Window(&m_window);
    slot->bringToFront();
}

void ReferenceWindows::cmdRstSystem_Click() { show(m_rst); }
void ReferenceWindows::cmdUS_Click() { show(m_states); }
void ReferenceWindows::mnuState_Click() { show(m_states); }
void ReferenceWindows::cmdCanada_Click() { show(m_provinces); }
void ReferenceWindows::mnuProvinces_Click() { show(m_provinces); }

frmRST *ReferenceWindows::rstWindow() const { return loaded(m_rst); }
frmStates *ReferenceWindows::statesWindow() const { return loaded(m_states); }
frmProvinces *ReferenceWindows::provincesWindow() const { return loaded(m_provinces); }
