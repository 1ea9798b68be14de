#include "tests/support/SnmpdProcess.h"

#include "tests/support/TestUtil.h"

#include <QFile>
#include <QTextStream>
#include <QThread>

namespace testutil {

const SnmpdUser SnmpdProcess::kUsers[] = {
    {"noauthuser", nullptr, nullptr, nullptr, nullptr},
    {"md5user", "MD5", "md5password", nullptr, nullptr},
    {"shauser", "SHA", "shapassword", nullptr, nullptr},
    {"desuser", "SHA", "despassword", "DES", "desprivpass"},
    {"aesuser", "MD5", "aespassword", "AES", "aesprivpass"},
    {"sha256user", "SHA-256", "sha256password", "AES", "sha256privpass"},
};

SnmpdProcess::SnmpdProcess() = default;

SnmpdProcess::~SnmpdProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

bool SnmpdProcess::start()
{
    m_port = freeUdpPort();
    const QString conf = m_dir.filePath("snmpd.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly)) {
        m_error = "cannot write " + conf;
        return false;
    }
    QTextStream out(&f);
    out << "rocommunity public 127.0.0.1\n";
    out << "rocommunity6 public ::1\n";
    out << "rwcommunity private 127.0.0.1\n";
    out << "syslocation " << kLocation << "\n";
    for (const SnmpdUser& u : kUsers) {
        out << "createUser " << u.name;
        if (u.authProtocol)
            out << ' ' << u.authProtocol << " \"" << u.authPassword << '"';
        if (u.privProtocol)
            out << ' ' << u.privProtocol << " \"" << u.privPassword << '"';
        out << "\n";
        out << "rouser " << u.name << (u.privProtocol ? " priv" : u.authProtocol ? " auth" : " noauth") << "\n";
    }
    f.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
    env.insert("MIBS", "");
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start("/usr/sbin/snmpd",
                    {"-f", "-C", "-c", conf, "-Lf", m_dir.filePath("snmpd.log"), "-p", m_dir.filePath("snmpd.pid"),
                     "-M", "/dev/null", QStringLiteral("udp:127.0.0.1:%1,udp6:[::1]:%1").arg(m_port)});
    if (!m_process.waitForStarted(5000)) {
        m_error = "snmpd did not start: " + m_process.errorString();
        return false;
    }
    // Ready once the port is taken.
    for (int i = 0; i < 100; ++i) {
        QFile udp("/proc/net/udp");
        if (udp.open(QIODevice::ReadOnly)) {
            const QByteArray portHex = QByteArray::number(m_port, 16).toUpper().rightJustified(4, '0');
            if (udp.readAll().contains("0100007F:" + portHex))
                return true;
        }
        if (m_process.state() == QProcess::NotRunning) {
            m_error = "snmpd exited: " + QString::fromLocal8Bit(m_process.readAll());
            return false;
        }
        QThread::msleep(50);
    }
    m_error = "snmpd did not bind its port";
    return false;
}

} // namespace testutil
