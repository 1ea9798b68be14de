#pragma once
// TSSLManagementForm: the switch's SSL state, its four cipher suites and the SSL cache
// time-out. The suites travel as the first hexadecimal digit of one octet (suite 1 the
// highest bit); the dialog shows them in four drop-down lists of their own.
#include "dialogs/DialogBase.h"

#include <QString>

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;

class TSSLManagementForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    static inline const QString kEmptyItems = QStringLiteral("Some items are empty.");
    static inline const QString kBadCacheTimeOut =
        QStringLiteral("Cache Time Out should be a whole number from 0 to 4294967295");

    explicit TSSLManagementForm(QWidget* owner, bool enlarge = false);

    void btnGetClick();
    void btnSetClick();

    // The suites a read octet text enables (suite 1 first): nothing unless the text is two
    // characters whose first is a hexadecimal digit.
    static std::optional<std::array<bool, 4>> SuitesFromText(const QString& text);
    // The octet text the enabled suites give: "A0" for suites 1 and 3.
    static QString TextFromSuites(const std::array<bool, 4>& enabled);

    QComboBox* cbxSSLVersion = nullptr;
    QLineEdit* edtciphersuites = nullptr;  // invisible: the octet as hexadecimal text
    QLineEdit* edtCacheTimeOut = nullptr;
    std::array<QComboBox*, 4> cbxciphersuites{};  // cbxciphersuites1 .. cbxciphersuites4
    QPushButton* btnGet = nullptr;
    QPushButton* btnSet = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    KtSNMPRequest2Edits* SslRequest() const { return m_request; }

private:
    void BuildControls();
    void FormCreate();
    void GetDone(const KtSNMPError& error);
    // Runs send, showing in the status bar what it raises.
    void Send(const std::function<void()>& send);

    KtSNMPRequest2Edits* m_request = nullptr;
};
