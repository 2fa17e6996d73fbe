#pragma once
// Help and reference: the buttons and menu items that show the RST, state and
// province windows. Each window is loaded on its first showing, exists once while
// open, and is loaded afresh after its close box.

#include <QObject>
#include <QPointer>

struct FrontPanelControls;
struct MenuControls;
class QWidget;
class frmRST;
class frmStates;
class frmProvinces;

class ReferenceWindows : public QObject {
    Q_OBJECT
  public:
    ReferenceWindows(const FrontPanelControls &panel, const MenuControls &menus, QWidget &window);
    ~ReferenceWindows();

    void cmdRstSystem_Click();
    void cmdUS_Click();
    void mnuState_Click();
    void cmdCanada_Click();
    void mnuProvinces_Click();

    // The windows while they are loaded; null before the first showing and after
    // the close box.
    frmRST *rstWindow() const;
    frmStates *statesWindow() const;
    frmProvinces *provincesWindow() const;

  private:
    template <class Window> void show(QPointer<Window> &slot);

    const FrontPanelControls &m_panel;
    const MenuControls &m_menus;
    QWidget &m_window; // the reference windows are its children
    QPointer<frmRST> m_rst;
    QPointer<frmStates> m_states;
    QPointer<frmProvinces> m_provinces;
};
