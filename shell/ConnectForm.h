#pragma once
// The connect dialog ("vkr2207 --connect"): the switch's address and access parameters, a
// Test that reads the switch's identity with them, and the recently used devices. OK gives the
// command line the module then starts with, exactly as if the host had passed it.
#include "shell/ConnectSettings.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace snmp {
class Session;
struct Pdu;
}

class TConnectForm : public QDialog {
    Q_OBJECT
public:
    // recentFile: where the recent devices are kept (RecentDevices::DefaultFileName() for the
    // program).
    explicit TConnectForm(const QString& recentFile, QWidget* parent = nullptr);
    ~TConnectForm() override;

    // The form's values as typed (address and port without surrounding blanks).
    ConnectSettings Settings() const;
    void SetSettings(const ConnectSettings& settings);

    // After OK: the command line to start the module with.
    const QStringList& Arguments() const { return m_arguments; }

    // A Test is waiting for the switch's answer.
    bool Testing() const { return m_testing; }

    const RecentDevices& Recent() const { return m_recent; }

    QComboBox* CB_Recent = nullptr;
    QLineEdit* ED_Address = nullptr;
    QLineEdit* ED_Port = nullptr;
    QComboBox* CB_Version = nullptr;
    QLineEdit* ED_ReadCommunity = nullptr;
    QLineEdit* ED_WriteCommunity = nullptr;
    QLineEdit* ED_User = nullptr;
    QComboBox* CB_SecurityLevel = nullptr;
    QComboBox* CB_AuthProtocol = nullptr;
    QLineEdit* ED_AuthPassword = nullptr;
    QComboBox* CB_PrivProtocol = nullptr;
    QLineEdit* ED_PrivPassword = nullptr;
    QLineEdit* ED_Context = nullptr;
    QCheckBox* CK_SaveSecrets = nullptr;
    QPlainTextEdit* MM_TestResult = nullptr;
    QLabel* LB_Identity = nullptr;  // the warning when the switch is not a VKR-2207
    QPushButton* btnTest = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

public slots:
    void accept() override;

private:
    void Build();
    void UpdateEnabled();
    void FillRecent();
    void RecentChosen(int index);
    // Shows why the settings cannot be used; false then.
    bool CheckSettings(const ConnectSettings& settings);
    void StartTest();
    void TestDone(int status, const snmp::Pdu& response);
    void EndTest();

    RecentDevices m_recent;
    QStringList m_arguments;
    std::unique_ptr<snmp::Session> m_session;
    bool m_testing = false;
};
