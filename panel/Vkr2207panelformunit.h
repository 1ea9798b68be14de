#pragma once
// The switch's front panel: a borderless form with the front picture, twelve port buttons over
// the pictured connectors and the LEDs for power, console and every port, painted from one
// octet-string variable polled every 5 seconds.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPRequest2Leds.h"

#include <QList>
#include <QWidget>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QToolButton;

class TVKR2207PanelForm : public QWidget {
    Q_OBJECT
public:
    explicit TVKR2207PanelForm(QWidget* owner = nullptr);
    ~TVKR2207PanelForm() override;

    // Reads the copper link state of both combo ports (any error clears both flags).
    void ReadComboState();
    // Combo-state read, then the LEDs and polling (errors end this step silently; the LEDs made
    // so far stay). statusTarget receives every poll's status line.
    void SetupLeds(QLabel* statusTarget);
    // Gives the buttons their instance texts and appends them, in order, to buttons.
    void SetupButtons(QList<QToolButton*>& buttons);
    // Stops polling, waits for a poll in flight, destroys the LED binding.
    void StopLeds();

    QToolButton* PortButton(int n) const { return m_buttons[std::size_t(n - 1)]; }
    QFrame* LedPanel(const QString& name) const;
    KtSNMPRequest2Leds* LedBinding() const { return m_leds.get(); }
    bool ComboCopper(int combo) const { return m_comboCopper[std::size_t(combo - 1)]; }

    int UnitNumber = 1;
    QLabel* Image1 = nullptr;
    QLabel* ST_ComboPortLinkStatus = nullptr;

    // The LED variable and the combo link state, as the panel reads them.
    static const KtSNMPVarDef* LedVariable();
    static const KtSNMPVarDef* ComboStateVariable();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QToolButton*, 12> m_buttons{};
    std::array<bool, 2> m_comboCopper{};
    std::unique_ptr<KtSNMPRequest2Leds> m_leds;
    std::unique_ptr<KtSNMPRequest2Edits> m_combo;
};
