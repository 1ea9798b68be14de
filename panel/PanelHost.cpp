#include "panel/PanelHost.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "panel/Vkr2207panelformunit.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>

TPanelHost::TPanelHost(QMainWindow* window, QScrollArea* scrollBox, QLabel* statusPanel, QMenu* portPopup)
    : QObject(window), m_window(window), m_scrollBox(scrollBox), m_statusPanel(statusPanel), m_popup(portPopup)
{
    window->installEventFilter(this);
}

bool TPanelHost::eventFilter(QObject* watched, QEvent* event)
{
    // Closing the main window stops the LEDs and frees the panels while the window is whole.
    if (watched == m_window && event->type() == QEvent::Close)
        ClosePanels();
    return QObject::eventFilter(watched, event);
}

TPanelHost::~TPanelHost()
{
    ClosePanels();
}

TVKR2207PanelForm* TPanelHost::BuildPanel(int unit)
{
    auto* panel = new TVKR2207PanelForm(m_window);
    panel->UnitNumber = unit;
    const auto report = [&](const KtException& e) {
        if (panel->LedBinding())
            panel->LedBinding()->ShowStatus(e.Message());
        else if (m_statusPanel)
            m_statusPanel->setText(e.Message());
    };
    try {
        panel->SetupLeds(m_statusPanel);
    } catch (const KtException& e) {
        report(e);
    }
    const int first = int(m_buttons.size());
    try {
        panel->SetupButtons(m_buttons);
    } catch (const KtException& e) {
        report(e);
    }
    Place(panel);
    for (int k = first; k < m_buttons.size(); ++k) {
        QToolButton* button = m_buttons[k];
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QToolButton::customContextMenuRequested, this, [this, button](const QPoint& pos) {
            m_popupSource = button;
            if (m_popup)
                m_popup->popup(button->mapToGlobal(pos));
        });
        connect(button, &QToolButton::clicked, this, [this, button] { PortButtonClicked(button); });
    }
    return panel;
}

void TPanelHost::Place(TVKR2207PanelForm* panel)
{
    const bool firstPanel = !m_lastPlaced;
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setWidget(panel);
    panel->move(0, 0);
    m_lastPlaced = panel;
    m_panels.append(panel);
    // The window fits the panel: its width, and the panel above the status bar.
    const int menuHeight = m_window->menuBar() ? m_window->menuBar()->sizeHint().height() : 0;
    const int statusHeight = m_window->statusBar() ? m_window->statusBar()->sizeHint().height() : 0;
    const int frame = 2 * m_scrollBox->frameWidth();
    int width = m_window->width();
    if (firstPanel || width < panel->width() + 3 + frame)
        width = panel->width() + 3 + frame;
    const int height = menuHeight + panel->height() + frame + statusHeight + int(m_panels.size()) + 3;
    // The main window has a fixed size (a single border): fix it anew around the panel.
    m_window->setFixedSize(width, height);
    panel->show();
}

void TPanelHost::PortButtonClicked(QToolButton* source)
{
    for (QToolButton* b : std::as_const(m_buttons))
        if (b != source)
            b->setChecked(false);
}

void TPanelHost::ClosePanels()
{
    const auto panels = m_panels;
    m_panels.clear();
    for (const QPointer<TVKR2207PanelForm>& p : panels) {
        if (!p)
            continue;
        p->close();  // stops polling and waits for a poll in flight
        delete p.data();
    }
    m_buttons.clear();
    m_lastPlaced = nullptr;
    m_popupSource = nullptr;
}

bool TPanelHost::RefreshPanel()
{
    if (!KtMessageService().AskOkCancel(m_window, QString(), QString::fromLatin1(kRefreshQuestion)))
        return false;
    ClosePanels();
    BuildPanel(1);
    if (Gates)
        Gates();
    return true;
}
