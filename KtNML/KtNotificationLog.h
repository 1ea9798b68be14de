#pragma once
// Notifications as the module keeps them: one record per notification (its name, port and up
// time decoded, its varbinds as display text), the in-memory log of the latest ones, the log
// file of a switch with its rotation and read-back, and the count per kind. No widgets.
#include "snmp/SnmpNotifications.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

struct KtNotificationRecord {
    QDateTime received;   // local time
    QString version;      // "v1 trap", "v2c trap", "v2c inform", "v3 trap", "v3 inform"
    QString name;         // "linkDown", ...; the notification's OID as text when unknown
    QString trapOid;      // dotted (SNMPv1 traps translated to their SNMPv2 OID)
    int port = 0;         // the interface of interface notifications, else 0
    QString uptime;       // the sender's up time as the codec shows time ticks
    QString source;       // the sender's address
    QString principal;    // community or user name
    QStringList varbinds; // "OID (name) = value", decoded by the codec
};

// The notifications this module knows by name: the standard traps, the bridge's and RMON's.
struct KtNotificationName {
    const char* trapOid;
    const char* name;
    bool linkEvent;  // a link or a restart: the panel's LEDs are read again at once
};
inline constexpr KtNotificationName kKtNotificationNames[] = {
    {"1.3.6.1.6.3.1.1.5.1", "coldStart", true},
    {"1.3.6.1.6.3.1.1.5.2", "warmStart", true},
    {"1.3.6.1.6.3.1.1.5.3", "linkDown", true},
    {"1.3.6.1.6.3.1.1.5.4", "linkUp", true},
    {"1.3.6.1.6.3.1.1.5.5", "authenticationFailure", false},
    {"1.3.6.1.6.3.1.1.5.6", "egpNeighborLoss", false},
    {"1.3.6.1.2.1.17.0.1", "newRoot", false},
    {"1.3.6.1.2.1.17.0.2", "topologyChange", false},
    {"1.3.6.1.2.1.16.0.1", "risingAlarm", false},
    {"1.3.6.1.2.1.16.0.2", "fallingAlarm", false},
};

// The record of a received notification, received at `when`.
KtNotificationRecord KtDecodeNotification(const snmp::Notification& n, const QDateTime& when);
// Whether a record's notification makes the panel read its LEDs again.
bool KtIsLinkEvent(const KtNotificationRecord& record);
// "v2c trap" and so on.
QString KtNotificationVersionText(snmp::NotificationKind kind);

// The latest notifications, oldest first, at most Capacity.
class KtNotificationLog {
public:
    static constexpr std::size_t kCapacity = 10000;

    void Add(KtNotificationRecord record);
    const std::deque<KtNotificationRecord>& Records() const { return m_records; }
    std::size_t Size() const { return m_records.size(); }
    void Clear() { m_records.clear(); }

private:
    std::deque<KtNotificationRecord> m_records;
};

// How many notifications of each name arrived since the counts were cleared.
class KtNotificationCounts {
public:
    void Count(const QString& name) { ++m_byName[name]; ++m_total; }
    std::uint64_t Of(const QString& name) const;
    std::uint64_t Total() const { return m_total; }
    const std::map<QString, std::uint64_t>& ByName() const { return m_byName; }

private:
    std::map<QString, std::uint64_t> m_byName;
    std::uint64_t m_total = 0;
};

// The log file of one switch: one JSON line per notification, appended as they arrive. Past
// kRotateSize it becomes <file>.1 (replacing the older one) and a new file begins, so at most
// two files of about that size exist. Files are opened without following a link, only as
// regular files, and made with mode 0600.
class KtNotificationFile {
public:
    static constexpr qint64 kRotateSize = 4 * 1024 * 1024;

    // The file for the device address in folder (characters other than letters, digits, "."
    // and "-" become "_").
    KtNotificationFile(const QString& folder, const QString& deviceAddress, qint64 rotateSize = kRotateSize);
    ~KtNotificationFile();
    KtNotificationFile(const KtNotificationFile&) = delete;
    KtNotificationFile& operator=(const KtNotificationFile&) = delete;

    const QString& FileName() const { return m_fileName; }
    // Appends one record; false (and the file stays closed until the next append tries
    // again) when it cannot be written.
    bool Append(const KtNotificationRecord& record);
    // Appends several in one write.
    bool Append(const std::vector<const KtNotificationRecord*>& records);
    // The records of the older and the current file, oldest first, at most `limit` of the
    // newest. Lines that are no record are skipped.
    std::vector<KtNotificationRecord> ReadBack(std::size_t limit = KtNotificationLog::kCapacity) const;
    // Why the last append failed ("" when it did not).
    const QString& Error() const { return m_error; }

    static QByteArray ToLine(const KtNotificationRecord& record);
    static std::optional<KtNotificationRecord> FromLine(const QByteArray& line);

private:
    bool OpenForAppend();
    void Rotate();

    QString m_fileName;
    qint64 m_rotateSize;
    int m_fd = -1;
    qint64 m_size = 0;
    QString m_error;
};
