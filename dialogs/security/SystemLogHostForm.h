#pragma once
// TSystemLogHostForm: the up to four syslog servers the switch sends its log to, walked into a
// list view; its companion editor TLogHostEditForm adds a server (row status createAndGo,
// chosen by the operator) or changes one. Delete destroys the selected server's row.
#include "dialogs/CompanionEditor.h"

#include <QString>

class QComboBox;
class QLineEdit;

class TLogHostEditForm : public TCompanionEditor {
    Q_OBJECT
public:
    explicit TLogHostEditForm(QWidget* table);

    QComboBox* cbxIndex = nullptr;
    QLineEdit* IPAddrEdit = nullptr;
    QComboBox* FacComboBox = nullptr;
    QComboBox* SevComboBox = nullptr;
    QLineEdit* PortEdit = nullptr;
    QComboBox* StateComboBox = nullptr;
    QComboBox* RowComboBox = nullptr;

protected:
    void FormActivate() override;
};

class TSystemLogHostForm : public TCompanionTableBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kIndexNeeded = QStringLiteral("Index is needed.");
    static inline const QString kBadPort = QStringLiteral("The range of UDP Port for syslog is 514 or 6000-65535.");
    static inline const QString kIpEmpty = QStringLiteral("IP Address should be set.");
    static inline const QString kBadIp = QStringLiteral("IP Address in not valid.");
    static inline const QString kIpTaken = QStringLiteral("IP Address must be different.");
    static inline const QString kMustCreateAndGo = QStringLiteral("State should be createAndGo.");

    explicit TSystemLogHostForm(QWidget* owner, bool enlarge = false);

    // A syslog UDP port: 514, or 6000 to 65535, as a whole number.
    static bool IsSyslogPort(const QString& text);

    void DeleteButtonClick();

    TLogHostEditForm* Editor = nullptr;

protected:
    QString EditorCaption(int mode) const override;

private:
    bool SetButtonClick();
    bool CheckAdd();
    bool CheckEdit();
    // Port (when typed) and address; the first failure's message and focus.
    bool CheckPortAndAddress();
    void SendAdd();
    void SendEdit();
    bool Refuse(const QString& message, QWidget* focus);
};
