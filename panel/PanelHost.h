#pragma once
// Hosts the front panel in the main window's scroll box: builds it, keeps the port-button
// list with its popup menu and exclusive clicks, and rebuilds it on "Refresh Panel".
#include <QList>
#include <QObject>
#include <QPointer>
#include <QToolButton>

#include "panel/Vkr2207panelformunit.h"

#include <functional>

class QLabel;
class QMainWindow;
class QMenu;
class QScrollArea;

class TPanelHost : public QObject {
    Q_OBJECT
public:
    TPanelHost(QMainWindow* window, QScrollArea* scrollBox, QLabel* statusPanel, QMenu* portPopup);
    ~TPanelHost() override;

    // Builds, places and shows the panel of unit; the port buttons get the popup and the click
    // handler.
    TVKR2207PanelForm* BuildPanel(int unit);
    // After confirmation: closes every panel, empties the button list, builds the panel again
    // and runs Gates. Returns whether it rebuilt.
    bool RefreshPanel();
    // Closes and destroys every panel (their polling stops first).
    void ClosePanels();

    const QList<QToolButton*>& PortButtons() const { return m_buttons; }
    const QList<QPointer<TVKR2207PanelForm>>& Panels() const { return m_panels; }
    // The button the popup menu was last opened on.
    QToolButton* PopupSource() const { return m_popupSource; }
    // Releases every port button but source, which stays as the operator left it.
    void PortButtonClicked(QToolButton* source);

    std::function<void()> Gates;  // RMON and 802.1X gates after a rebuild

    static inline const char* kRefreshQuestion = "Refresh panel may take a long time. Are you sure?";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(TVKR2207PanelForm* panel);

    QMainWindow* m_window;
    QScrollArea* m_scrollBox;
    QPointer<QLabel> m_statusPanel;
    QPointer<QMenu> m_popup;
    QList<QToolButton*> m_buttons;
    QList<QPointer<TVKR2207PanelForm>> m_panels;
    QPointer<TVKR2207PanelForm> m_lastPlaced;
    QPointer<QToolButton> m_popupSource;
};
