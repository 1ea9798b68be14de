#pragma once
// Debian's snmpd on a free loopback port with a private configuration: a reference agent for
// the adapter's tests (the project's own simulator covers the switch's objects).
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testutil {

struct SnmpdUser {
    const char* name;
    const char* authProtocol;  // "MD5", "SHA", "SHA-256", ... or nullptr for noAuth
    const char* authPassword;
    const char* privProtocol;  // "DES", "AES" or nullptr
    const char* privPassword;
};

class SnmpdProcess {
public:
    SnmpdProcess();
    ~SnmpdProcess();
    // Starts the agent; false (with the reason in error()) when it does not answer in time.
    bool start();
    quint16 port() const { return m_port; }
    QString error() const { return m_error; }

    // The users start() creates; each may read, "private" community may write.
    static const SnmpdUser kUsers[];
    static constexpr const char* kLocation = "VKR test lab";

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};

} // namespace testutil
