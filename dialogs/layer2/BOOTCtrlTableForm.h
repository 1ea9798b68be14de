#pragma once
// TBOOTCtrlTableForm: the DHCP relay servers of each interface, walked into a list view (an
// entry's instance is the interface name, length first, and the server's address); its entry
// dialog TNewBootpCtrlForm adds a server to an interface (state "valid" creates the entry), at
// most four per interface. Delete makes the selected entry "invalid", which removes it.
#include "dialogs/CompanionEditor.h"

#include <QString>

class QComboBox;
class QLineEdit;

class TNewBootpCtrlForm : public TCompanionEditor {
    Q_OBJECT
public:
    explicit TNewBootpCtrlForm(QWidget* table);

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;

protected:
    void FormActivate() override;
};

class TBOOTCtrlTableForm : public TCompanionTableBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kFourServers = QStringLiteral("One interface can support four bootp servers at most.");
    static inline const QString kNameNeeded = QStringLiteral("Interface Name should be set.");
    static inline const QString kBadServer = QStringLiteral("DHCP Server IP is not valid.");
    static constexpr int kServersPerInterface = 4;

    explicit TBOOTCtrlTableForm(QWidget* owner, bool enlarge = false);

    void DeleteButtonClick();
    void StopButtonClick();

    TNewBootpCtrlForm* Editor = nullptr;
    // The state the writes send: hidden, the binding reads it back.
    QComboBox* ComboBox1 = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* btnStop = nullptr;

protected:
    QString EditorCaption(int mode) const override;

private:
    bool SetButtonClick();
    bool CheckEntry();
    // Listed servers of the interface named exactly so (letter case counts).
    int ServersOf(const QString& interfaceName) const;
};
