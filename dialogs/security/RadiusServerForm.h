#pragma once
// TRadiusServerForm: the switch's three RADIUS server slots, walked into a list view; its
// companion editor TRadiusServerEditForm adds a server to a free slot (two writes, the second
// only once the first has created the row) or changes one (only what was changed is sent).
// Delete destroys the selected slot's row.
#include "dialogs/CompanionEditor.h"

#include <QString>

class QComboBox;
class QLineEdit;

class TRadiusServerEditForm : public TCompanionEditor {
    Q_OBJECT
public:
    explicit TRadiusServerEditForm(QWidget* table);

    QComboBox* IndexComboBox = nullptr;
    QLineEdit* IpEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QLineEdit* PortIndexEdit = nullptr;
    QLineEdit* AccountPortEdit = nullptr;
    QComboBox* StatusComboBox = nullptr;

protected:
    void FormActivate() override;
};

class TRadiusServerForm : public TCompanionTableBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kIndexNeeded = QStringLiteral("Index is needed!");
    static inline const QString kIpEmpty = QStringLiteral("IP Address can't be empty");
    static inline const QString kKeyEmpty = QStringLiteral("Key can't be empty");
    static inline const QString kIndexExists = QStringLiteral("Index is already exist!");
    static inline const QString kDuplicate = QStringLiteral("the variable is already exist");

    explicit TRadiusServerForm(QWidget* owner, bool enlarge = false);

    void DeleteButtonClick();

    TRadiusServerEditForm* Editor = nullptr;

private:
    // The editor's Set: true when the editor is to close.
    bool SetButtonClick();
    bool CheckAdd();
    bool CheckEdit();
    // Address and key present, the address allowed; the first failure's message and focus.
    bool CheckAddressAndKey();
    // No listed server with the same address, key and ports (empty ports as their defaults).
    bool CheckDuplicateServer();
    void SendAdd();
    void SendEdit();
    bool Refuse(const QString& message, QWidget* focus);
};
