#pragma once
// The 802.1Q bridge's limits and its GVRP switch (dot1qBase).
#include "dialogs/DialogBase.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TVLanGeneralInfoForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TVLanGeneralInfoForm(QWidget* owner, bool enlarge = false);

    void RefreshBtnClick();
    void SetBtnClick();

    QLabel* VlanVersionNumber = nullptr;
    QLabel* MaxVlanId = nullptr;
    QLabel* MaxSupportedVlans = nullptr;
    QLabel* CurrentNumOfVlans = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    KtSNMPRequest2Edits* BaseRequest() const { return m_base; }

private:
    void BuildControls();
    void FormCreate();
    bool Idle() const;

    KtSNMPRequest2Edits* m_base = nullptr;
};
