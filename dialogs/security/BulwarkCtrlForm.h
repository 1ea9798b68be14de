#pragma once
// TBulwarkCtrlForm: the CPU-protection thresholds, mode and alarm state of the switch. Each
// ticked field goes out in a SET of its own; when both thresholds change and the falling one
// drops below the value last read, the falling threshold goes first, so that the switch never
// holds a rising threshold at or below the falling one in between.
#include "dialogs/DialogBase.h"

#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TBulwarkCtrlForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kBadRising = QStringLiteral("Rising Threshold should between 20-100");
    static inline const QString kBadFalling = QStringLiteral("Falling Threshold should between 20-100");

    explicit TBulwarkCtrlForm(QWidget* owner, bool enlarge = false);

    void btnGetClick();
    void btnSetClick();
    void btnCloseClick();
    void btnCheckAllClick();
    void btnClearCheckClick();
    void ChangeSetState();

    // A threshold as the switch takes it: a whole number from 20 to 100.
    static bool ValidThreshold(const QString& text);

    QLineEdit* edtRising = nullptr;
    QLineEdit* edtFalling = nullptr;
    QComboBox* cbxMode = nullptr;
    QComboBox* cbxAlarm = nullptr;
    QComboBox* cbxCurrentState = nullptr;
    QCheckBox* ckRising = nullptr;
    QCheckBox* ckFalling = nullptr;
    QCheckBox* ckMode = nullptr;
    QCheckBox* ckAlarm = nullptr;
    QLabel* lbFalling = nullptr;  // invisible: the falling threshold as last read
    QPushButton* btnGet = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnClearCheck = nullptr;
    QPushButton* btnClose = nullptr;
    QStatusBar* stbStatus = nullptr;
    QLabel* StatusPanel = nullptr;  // stbStatus's first panel

    KtSNMPRequest2Edits* BulwarkRequest() const { return m_request; }

private:
    void BuildControls();
    void FormCreate();
    // Reads the group; lbFalling follows only a read that succeeded. False when it failed
    // (its message then stands in the status panel).
    bool Read();
    bool CheckThresholds();
    // The tick boxes with their variables in the order a Set writes them: rising, falling,
    // mode, alarm; the falling threshold first under fallingFirst.
    std::vector<TickedField> WriteOrder(bool fallingFirst) const;

    KtSNMPRequest2Edits* m_request = nullptr;
    bool m_fallingFirst = false;
};
