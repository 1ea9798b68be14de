#pragma once
// The module's notification service: the adapter's receiver with the session's communities
// and SNMPv3 user, keeping only what this module's switch sends (the rest is counted), in the
// in-memory log, the per-kind counts and the switch's log file. It announces new records in
// batches, and link changes and restarts at once (the panel reads its LEDs then). No widgets.
#include "KtNML/KtNotificationLog.h"
#include "KtNML/KtSNMPSession.h"
#include "snmp/SnmpNotifications.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class KtTrapReceiver : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 162;

    // deviceAddress: the switch (a literal or a host name); logFolder: where its log file is
    // kept ("" keeps none). The file's records are read back now.
    KtTrapReceiver(const QString& deviceAddress, const QString& logFolder, QObject* parent = nullptr);
    ~KtTrapReceiver() override;

    // The receiver settings for these session parameters: both communities are accepted, the
    // SNMPv3 user is the session's. Every local address, IPv4 and IPv6.
    static snmp::ReceiverSettings SettingsFrom(const KtSNMPDefaultParams& params, quint16 port);

    // Starts listening (again). False when the port cannot be had; ErrorText() tells why.
    bool Start(const snmp::ReceiverSettings& settings);
    void Stop();
    bool Listening() const;
    quint16 Port() const;
    // Why the receiver does not listen ("" when it does).
    const QString& ErrorText() const { return m_error; }
    int ErrorNumber() const { return m_errno; }
    // What the operator can do when the port cannot be had, naming the device file.
    static QString Advice(int errorNumber, quint16 port, const QString& configFile);

    const KtNotificationLog& Log() const { return m_log; }
    const KtNotificationCounts& Counts() const { return m_counts; }
    // Notifications read back from the log file at start (the oldest records of Log()).
    std::size_t ReadBackCount() const { return m_readBack; }
    // Authenticated notifications from another address than the switch's.
    quint64 OtherAddresses() const { return m_otherAddresses; }
    snmp::ReceiverCounters Refused() const;
    // Records added since the receiver was made (read-back ones not included).
    quint64 Added() const { return m_added; }
    QString LogFileName() const;
    // Why the log file could not be written last ("" when it could).
    QString LogFileError() const;

    // Handles a batch as if the receiver had read it (tests use it directly).
    void Accept(std::vector<snmp::Notification>& batch);

signals:
    // Something arrived: the counts (refused, other addresses) may have changed.
    void Received();
    // The newest `count` records of Log() are new.
    void RecordsAdded(int count);
    // A link went down or up, or the switch restarted.
    void LinkEvent(int port);

private:
    bool FromSwitch(const std::string& source) const;

    std::vector<std::string> m_switchAddresses;  // the device address resolved, as numeric text
    std::unique_ptr<snmp::NotificationReceiver> m_receiver;
    std::unique_ptr<KtNotificationFile> m_file;
    KtNotificationLog m_log;
    KtNotificationCounts m_counts;
    std::size_t m_readBack = 0;
    quint64 m_otherAddresses = 0;
    quint64 m_added = 0;
    QString m_error;
    int m_errno = 0;
};
