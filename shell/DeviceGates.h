#pragma once
// Identity of the one switch model this module serves, the model table of front-panel port
// counts, and the three device states read at run time (RMON state, STP version, 802.1X
// system authentication control) that gate parts of the menu.
#include <QString>

#include <functional>
#include <memory>

class KtSNMPRequest2Edits;
class QLabel;
class QWidget;

inline constexpr const char* kModelName = "VKR-2207";
inline constexpr const char* kSysObjectId = "1.3.6.1.4.1.32473.10.101.1";
inline constexpr const char* kModuleFolderName = "VKR2207";
inline constexpr const char* kHelpFileName = "VKR-2200-07 meridan.hlp";
inline constexpr int kFrontPanelUnit = 1;

// Front-panel ports of a model (letter case ignored); 0 for a model not in the table.
int ModelPortCount(const QString& model);

// The three status requests, each bound to a hidden status text and read synchronously, so
// the text is current when a read returns. A failed read leaves the text as it was and hands
// its message to the error sink.
class TDeviceStatus {
public:
    enum Item { RmonState = 0, StpVersion = 1, Dot1xStatus = 2 };
    using ErrorSink = std::function<void(const QString& message)>;

    TDeviceStatus(QWidget* owner, QLabel* rmonState, QLabel* stpVersion, QLabel* dot1xStatus, ErrorSink sink);
    ~TDeviceStatus();

    // Reads one state into its status text; false when the read failed.
    bool Read(Item item);
    QString Text(Item item) const;
    KtSNMPRequest2Edits& Request(Item item);

private:
    std::unique_ptr<KtSNMPRequest2Edits> m_requests[3];
    QLabel* m_labels[3] = {};
    ErrorSink m_sink;
};
