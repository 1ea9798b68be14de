#pragma once
// TAggregatorPortTableForm: the 802.3ad settings of every port (the aggregator port table):
// walks them into a list view, shows the LACP state octets as named check boxes, and changes
// the selected port's admin keys, partner system ID and admin states in one write (Edit).
#include "dialogs/DialogBase.h"

#include <QString>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TAggregatorPortTableForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit TAggregatorPortTableForm(QWidget* owner, bool enlarge = false);

    // Button handlers.
    void GetBtnClick();
    void btnEditClick();
    void btnStopClick();
    void btnCloseClick();

    static inline const QString kBadMac = QStringLiteral("Invalid MAC address");
    // Page captions, in tab order; the oper pages' tabs are hidden.
    static inline const char* const kStatePages[4] = {"Actor Admin State", "Actor Oper State",
                                                      "Partner Admin State", "Partner Oper State"};
    static constexpr int kBoxesPerPage = 8;

    QTreeWidget* ListView1 = nullptr;
    QLabel* StaticText1 = nullptr;  // the row count
    QLineEdit* edtActorKey = nullptr;
    QLineEdit* edtPartnerID = nullptr;
    QLineEdit* edtPartnerKey = nullptr;
    QTabWidget* StatePages = nullptr;
    std::vector<QCheckBox*> StateBoxes;  // CheckBox1 .. CheckBox32, eight per page
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* GetBtn = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClose = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }

private:
    void BuildControls();
    void FormCreate();
    void ListView1SelectItem();
    void TableRead();
    void ClearInputs();
    void EnableInputs(bool enabled);
    void StartWalk();
    // The boxes of page p (0 to 3).
    std::vector<QCheckBox*> PageBoxes(int p) const;

    KtSNMPRequest2Edits* m_table = nullptr;
};
