#pragma once
// TGARPForm: the GARP join, leave and leave-all timers of every bridge port, as a list.
#include "dialogs/DialogBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class TGARPForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TGARPForm(QWidget* owner, bool enlarge = false);
    ~TGARPForm() override;

    void RefreshBtnClick();
    void btnCloseClick();

    QTreeWidget* LV_dot1dPortGarpEntry = nullptr;
    QLabel* ST_Count = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* btnClose = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

private:
    void BuildControls();
    void FormCreate();
    void Walk();

    KtSNMPRequest2Edits* m_table = nullptr;
};
