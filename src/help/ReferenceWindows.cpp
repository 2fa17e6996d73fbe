#include "help/ReferenceWindows.h"

#include "console/frmKestrix.h"
#include "help/frmProvinces.h"
#include "help/frmRST.h"
#include "help/frmStates.h"

#include <QAction>
#include <QPushButton>

namespace {
template <class Window> Window *loaded(const QPointer<Window> &slot)
{
    return slot && !slot->isDiscarded() ? slot.data() : nullptr;
}
} // namespace

ReferenceWindows::ReferenceWindows(frmKestrix &window) : m_window(window)
{
    frmKestrix *w = &window;
    connect(w->ui().cmdRstSystem, &QPushButton::clicked, this, &ReferenceWindows::cmdRstSystem_Click);
    connect(w->ui().cmdUS, &QPushButton::clicked, this, &ReferenceWindows::cmdUS_Click);
    connect(w->ui().cmdCanada, &QPushButton::clicked, this, &ReferenceWindows::cmdCanada_Click);
    connect(w->ui().mnuState, &QAction::triggered, this, &ReferenceWindows::mnuState_Click);
    connect(w->ui().mnuProvinces, &QAction::triggered, this, &ReferenceWindows::mnuProvinces_Click);
    w->ui().mnuState->setEnabled(true);
    w->ui().mnuProvinces->setEnabled(true);
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
