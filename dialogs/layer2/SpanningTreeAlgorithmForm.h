#pragma once
// TSpanningTreeAlgorithmForm: switches the spanning tree on or off for the whole switch.
// Switching it on is confirmed first and then keeps the operator in a progress window while
// the switch computes the tree.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;

class TSpanningTreeAlgorithmForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TSpanningTreeAlgorithmForm(QWidget* owner, bool enlarge = false);

    void BT_GetClick();
    void BT_SetClick();

    static inline const QString kEnableQuestion =
        QStringLiteral("To enable STP may take a long time. Do you want to go on?");
    static inline const QString kProgressCaption = QStringLiteral("Enable STP Progress");
    static inline const QString kProgressPrompt = QStringLiteral("Enable STP is doing...");

    QComboBox* ComboBox1 = nullptr;
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;  // the status bar's first panel

    KtSNMPRequest2Edits* AlgorithmRequest() const { return m_request; }

private:
    void BuildControls();
    void FormCreate();
    void Read();
    // Switching on: confirmation, then the write and its progress window.
    void Enable();

    KtSNMPRequest2Edits* m_request = nullptr;
};
