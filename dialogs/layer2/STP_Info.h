#pragma once
// TSTP_Info: the spanning tree's protocol version and bridge timers. The timer relations the
// protocol demands are checked on what was typed before anything is sent; in MSTP mode the
// bridge-wide Hello Time does not exist and is neither shown nor sent.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TSTP_Info : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    // owner: the main window, whose hidden status text ST_STPVersion holds the version read
    // before the dialog opened.
    explicit TSTP_Info(QWidget* owner, bool enlarge = false);

    void BT_GetClick();
    void BT_SetClick();

    static inline const QString kEmptyFields = QStringLiteral("Don't Leave Empty Fileds !");
    static inline const QString kDataError = QStringLiteral("Data Error !");
    static inline const QString kBadPriority = QStringLiteral("Priority value is wrong!");
    static inline const QString kProgressCaption = QStringLiteral("Set STP Progress");
    static inline const QString kProgressPrompt = QStringLiteral("Change STP Version is doing...");
    // The Hello Time MSTP bridges are shown with in STP and RSTP mode.
    static inline const QString kShownHelloTime = QStringLiteral("200");

    // The checks Set makes before it sends, on the texts as typed: the message of the first
    // that fails, or an empty text.
    struct Timers {
        QString maxAge, helloTime, forwardDelay, maxHops, txHoldCount;
    };
    static QString CheckTimers(const Timers& typed, bool mstp);

    QComboBox* Combo_STPVersion = nullptr;
    QLineEdit* ET_AgingTime = nullptr;     // Max Age
    QLineEdit* ET_HelloTime = nullptr;
    QLineEdit* ET_ForwardDelay = nullptr;
    QLineEdit* ET_Priority = nullptr;      // Max Hops
    QLineEdit* ED_TxHoldCount = nullptr;
    QComboBox* Combo_BPDU = nullptr;
    QTreeWidget* ListView1 = nullptr;      // hidden: the MSTP settings as read
    QLabel* lbstpversion = nullptr;        // hidden: the version in use
    QLabel* lbMSTPState = nullptr;         // hidden: the algorithm state
    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel = nullptr;         // the status bar's first panel

    KtSNMPRequest2Edits* BridgeRequest() const { return m_bridge; }

private:
    void BuildControls();
    void FormCreate();
    // MSTP has no bridge-wide Hello Time: the edit is emptied and locked; other versions show
    // the fixed value.
    void ApplyHelloRule(bool mstp);
    // Reads request; what it raises goes to the status bar.
    void Read(KtSNMPRequest2Edits* request);
    bool Check();
    // The version text of the main window's status area, empty without one.
    QString MainWindowVersion() const;
    // The main window keeps the version the switch runs (its spanning-tree commands read it):
    // set after every successful write and read of it.
    QLabel* MainWindowVersionLabel() const;
    void KeepMainWindowVersion(const QString& version);

    KtSNMPRequest2Edits* m_bridge = nullptr;
    KtSNMPRequest2Edits* m_mstp = nullptr;
    KtSNMPRequest2Edits* m_version = nullptr;
    KtSNMPRequest2Edits* m_state = nullptr;
};
