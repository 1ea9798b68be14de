#pragma once
// What the connect dialog asks for, turned into the module's own command line, and the list
// of recently used devices. No widgets here, so both can be tested on their own.
#include "KtNML/KtSNMPSession.h"

#include <QString>
#include <QStringList>
#include <vector>

// One device and the way to reach it. Codes are the session's: version 0 SNMPv1, 1 SNMPv2c,
// 3 SNMPv3; level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; auth 2 MD5, 3 SHA, 4..7
// SHA-224..SHA-512; priv 2 DES, 5..7 AES-128..AES-256.
struct ConnectSettings {
    QString address;
    QString port = QStringLiteral("161");  // as typed; checked before use
    int version = 1;
    QString readCommunity = QStringLiteral("public");
    QString writeCommunity = QStringLiteral("private");
    QString securityName;
    int securityLevel = 1;
    int authProtocol = 3;
    QString authPassword;
    int privProtocol = 5;
    QString privPassword;
    QString contextName;

    bool operator==(const ConnectSettings&) const = default;
};

// Why these settings cannot start the module (an empty text when they can): a bad address or
// port, SNMPv3 without a user, a password under 8 characters where the level needs one, a
// value the command line would read as a switch.
QString ConnectSettingsFault(const ConnectSettings& settings);

// The command line that starts the module for these settings, switches in the order the
// parser needs them ("/I" first, "/v3" before the SNMPv3 switches). Only fields the version
// and level use are passed.
QStringList ConnectArguments(const ConnectSettings& settings);

// The session parameters that command line gives when no device file adds to it: what the
// dialog's Test uses.
KtSNMPDefaultParams ConnectParams(const ConnectSettings& settings);

// The address is an IPv4 or IPv6 literal or a well-formed host name (not resolved here).
bool IsConnectAddress(const QString& text);

// Recently used devices, newest first, at most kMaxRecent. Communities and passwords are kept
// only for a device saved with them; the file is readable by its owner alone.
class RecentDevices {
public:
    static constexpr int kMaxRecent = 10;

    struct Entry {
        ConnectSettings settings;
        bool withSecrets = false;
    };

    explicit RecentDevices(QString fileName);

    // The user's file: <configuration folder>/vkr2207/recent-devices.json.
    static QString DefaultFileName();

    // Reads the file; a missing or damaged file gives an empty list.
    void Load();
    // Puts the device first (replacing an entry for the same address, port, version and user)
    // and writes the file. False when it cannot be written.
    bool Remember(const ConnectSettings& settings, bool withSecrets);

    const std::vector<Entry>& Entries() const { return m_entries; }
    const QString& FileName() const { return m_fileName; }
    // The text the list shows for an entry.
    static QString Caption(const ConnectSettings& settings);

private:
    bool Save() const;

    QString m_fileName;
    std::vector<Entry> m_entries;
};
