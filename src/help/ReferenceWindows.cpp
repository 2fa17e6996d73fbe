#include "ReferenceWindows.h"

#include "frmKestrix.h"
#include "frmProvinces.h"
#include "frmRST.h"
#include "frmStates.h"

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
    QObject::connect(w->ui().cmdRstSystem, &QPushButton::clicked, w, [this] { cmdRstSystem_Click(); });
    QObject::connect(w->ui().cmdUS, &QPushButton::clicked, w, [this] { cmdUS_Click(); });
    QObject::connect(w->ui().cmdCanada, &QPushButton::clicked, w, [this] { cmdCanada_Click(); });
    QObject::connect(w->ui().mnuState, &QAction::triggered, w, [this] { mnuState_Click(); });
    QObject::connect(w->ui().mnuProvinces, &QAction::triggered, w, [this] { mnuProvinces_Click(); });
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
