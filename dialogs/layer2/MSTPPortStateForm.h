#pragma once
// TMSTPPortStateForm: the per-port spanning tree settings (the MSTP port table), walked into a
// list; TMSTPPortStateEditForm, its companion, edits the selected port. What an edit writes
// depends on the protocol version in use: in MSTP the admin hello time is its own write.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMSTPPortStateForm;

class TMSTPPortStateEditForm : public QDialog {
    Q_OBJECT
public:
    explicit TMSTPPortStateEditForm(TMSTPPortStateForm* list);

    QLineEdit* edtPortIndex = nullptr;
    QLineEdit* edtOperHelloTime = nullptr;
    QLineEdit* edtAdminHelloTime = nullptr;
    QComboBox* cbxPortEnable = nullptr;
    QLineEdit* edtExtPathCost = nullptr;
    QComboBox* cbxMigration = nullptr;
    QComboBox* cbxAdminEdgePort = nullptr;
    QComboBox* cbxOperEdgePort = nullptr;
    QComboBox* cbxAdminP2P = nullptr;
    QComboBox* cbxOperP2P = nullptr;
    QComboBox* cbxSTPlbd = nullptr;
    QComboBox* cbxSTPRole = nullptr;
    QComboBox* cbxSTPTCN = nullptr;
    QPushButton* btnEdit = nullptr;   // "Set"
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMSTPPortStateForm* m_list;
};

class TMSTPPortStateForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TMSTPPortStateForm(QWidget* owner, bool enlarge = false);

    void btnRefreshClick();
    void btnEditClick();
    void btnStopClick();
    void btnCloseClick();
    // The edit dialog's Set: the selected port's writable columns; true when the edit dialog
    // may close.
    bool SendEdit();

    static inline const QString kEditCaption = QStringLiteral("Port State Information(Edit): ");

    QTreeWidget* lvMSTPPortState = nullptr;
    QPlainTextEdit* memMsg = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lblSTPVersion = nullptr;  // hidden
    TMSTPPortStateEditForm* EditForm = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    KtSNMPRequest2Edits* VersionRequest() const { return m_version; }

protected:
    void FreeControls() override;

private:
    void BuildControls();
    void FormCreate();
    void ReadVersion();

    KtSNMPRequest2Edits* m_table = nullptr;
    KtSNMPRequest2Edits* m_version = nullptr;
};
