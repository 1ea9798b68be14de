#pragma once
// TTimeRangeForm: the named weekly schedules (week days, daily start and end) the switch can
// attach to ACL rules. Lists them, creates one (Add), changes the selected one (Edit) and
// removes it (Delete). Asynchronous: while a walk or a write is outstanding every command and
// closing are refused with "Get data not complete"; Stop ends a walk after its next reply.
//
// The name is the row's instance (its length, then its characters), so it is refused when
// empty and kept short enough for the whole OID to stay within 128 sub-identifiers.
#include "dialogs/DialogBase.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class TTimeRangeForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TTimeRangeForm(QWidget* owner, bool enlarge = false);

    // The longest name, in bytes as sent: entry OID (12), column, length and the name make 128.
    static constexpr int kMaxNameBytes = 114;

    static inline const QString kNoName = QStringLiteral("Please input the name");
    static inline const QString kLongName =
        QStringLiteral("The name can be at most %1 characters long").arg(kMaxNameBytes);
    static inline const QString kNoWeekdays = QStringLiteral("Please input the weekdays");
    static inline const QString kNoStart = QStringLiteral("Please select the daily start time");
    static inline const QString kNoEnd = QStringLiteral("Please select the daily end time");

    void btnGetClick();
    void btnAddClick();
    void btnSetClick();
    void btnDeleteClick();
    void btnStopClick();
    void btnCloseClick();

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

    QTreeWidget* ListView1 = nullptr;
    QLineEdit* edtName = nullptr;
    QLineEdit* edtweekdays = nullptr;
    QLineEdit* edtStart = nullptr;
    QLineEdit* edtEnd = nullptr;
    QComboBox* cbxStatus = nullptr;
    QPushButton* btnGet = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnStop = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    void BuildControls();
    void FormCreate();
    void ListView1Click();
    void ClearInputs();
    void ShowState(bool rowSelected);
    bool RowSelected() const;
    // The name, then the week days, start and end: what a write of the row needs typed.
    bool CheckInputs();
    // One write of the row's values and its status, then the walk.
    void SendRowAndRead();

    KtSNMPRequest2Edits* m_table = nullptr;
};
