#include "KtNML/KtNotificationLog.h"

#include "KtNML/KtSNMPVarList.h"
#include "KtNML/KtValueCodec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSysUpTime = "1.3.6.1.2.1.1.3.0";
constexpr const char* kTrapOid = "1.3.6.1.6.3.1.1.4.1.0";
const snmp::Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const snmp::Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};

// Names shown beside the OIDs of varbinds that notifications of this switch carry.
struct VarbindName {
    const char* prefix;  // column or scalar OID; the rest is the instance
    const char* name;
    bool ifStatus;       // up(1), down(2), testing(3), ...
};
constexpr VarbindName kVarbindNames[] = {
    {"1.3.6.1.2.1.1.3", "sysUpTime", false},
    {"1.3.6.1.6.3.1.1.4.1", "snmpTrapOID", false},
    {"1.3.6.1.6.3.1.1.4.3", "snmpTrapEnterprise", false},
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", false},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", false},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", true},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", true},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", false},
};
constexpr const char* kIfStatusTexts[] = {"", "up", "down", "testing", "unknown", "dormant", "notPresent",
                                          "lowerLayerDown"};

bool hasPrefix(const snmp::Oid& oid, const snmp::Oid& prefix)
{
    return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

snmp::Oid oidOf(const char* text)
{
    snmp::Oid oid;
    snmp::oidFromText(text, oid);
    return oid;
}

bool printable(const std::string& bytes)
{
    for (unsigned char c : bytes)
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f)
            return false;
    return true;
}

// A varbind's value through the codec: its own tag gives the syntax; octet strings of text
// are shown as text, others in hexadecimal.
QString valueText(const snmp::Varbind& vb)
{
    KtSNMPVar var;
    var.Syntax = int(vb.syntax);
    switch (vb.syntax) {
    case snmp::Syntax::OctetString:
        var.Syntax = printable(vb.bytes) ? KtSyn::DisplayStr : KtSyn::OctetStr;
        break;
    case snmp::Syntax::NoSuchObject: return QStringLiteral("noSuchObject");
    case snmp::Syntax::NoSuchInstance: return QStringLiteral("noSuchInstance");
    case snmp::Syntax::EndOfMibView: return QStringLiteral("endOfMibView");
    default: break;
    }
    try {
        ValueFromVb(var, vb);
    } catch (const std::exception&) {
        return KtBytesToHex(QByteArray(vb.bytes.data(), qsizetype(vb.bytes.size())));
    }
    return var.Value;
}

QString varbindText(const snmp::Varbind& vb)
{
    // The known prefixes as OIDs, parsed once.
    static const std::vector<snmp::Oid> prefixes = [] {
        std::vector<snmp::Oid> out;
        for (const VarbindName& known : kVarbindNames)
            out.push_back(oidOf(known.prefix));
        return out;
    }();
    QString oid = QString::fromStdString(snmp::oidToText(vb.oid));
    QString value = valueText(vb);
    for (std::size_t k = 0; k < std::size(kVarbindNames); ++k) {
        const VarbindName& known = kVarbindNames[k];
        if (!hasPrefix(vb.oid, prefixes[k]))
            continue;
        const QString instance = oid.mid(qsizetype(std::strlen(known.prefix)));
        oid += QStringLiteral(" (%1%2)").arg(QLatin1String(known.name), instance);
        if (known.ifStatus && vb.syntax == snmp::Syntax::Integer && vb.integer >= 1
            && vb.integer < std::int64_t(std::size(kIfStatusTexts)))
            value = QStringLiteral("%1(%2)").arg(QLatin1String(kIfStatusTexts[vb.integer])).arg(vb.integer);
        break;
    }
    return oid + QStringLiteral(" = ") + value;
}

// The SNMPv2 OID of an SNMPv1 trap: the standard traps' own, else enterprise.0.specific.
snmp::Oid v2TrapOid(const snmp::Notification& n)
{
    if (n.genericTrap >= 0 && n.genericTrap <= 5)
        return {1, 3, 6, 1, 6, 3, 1, 1, 5, std::uint32_t(n.genericTrap + 1)};
    snmp::Oid oid = n.enterprise;
    oid.push_back(0);
    oid.push_back(std::uint32_t(n.specificTrap));
    return oid;
}

const KtNotificationName* knownName(const QString& trapOid)
{
    for (const KtNotificationName& known : kKtNotificationNames)
        if (trapOid == QLatin1String(known.trapOid))
            return &known;
    return nullptr;
}

int portOf(const std::vector<snmp::Varbind>& varbinds)
{
    for (const snmp::Varbind& vb : varbinds)
        if ((hasPrefix(vb.oid, kIfEntry) && vb.oid.size() == kIfEntry.size() + 2)
            || (hasPrefix(vb.oid, kIfXEntry) && vb.oid.size() == kIfXEntry.size() + 2))
            return int(vb.oid.back());
    return 0;
}

} // namespace

QString KtNotificationVersionText(snmp::NotificationKind kind)
{
    switch (kind) {
    case snmp::NotificationKind::TrapV1: return QStringLiteral("v1 trap");
    case snmp::NotificationKind::TrapV2c: return QStringLiteral("v2c trap");
    case snmp::NotificationKind::InformV2c: return QStringLiteral("v2c inform");
    case snmp::NotificationKind::TrapV3: return QStringLiteral("v3 trap");
    case snmp::NotificationKind::InformV3: return QStringLiteral("v3 inform");
    }
    return {};
}

KtNotificationRecord KtDecodeNotification(const snmp::Notification& n, const QDateTime& when)
{
    KtNotificationRecord r;
    r.received = when;
    r.version = KtNotificationVersionText(n.kind);
    r.source = QString::fromStdString(n.sourceAddress);
    r.principal = QString::fromUtf8(n.principal.data(), qsizetype(n.principal.size()));
    snmp::Oid trapOid;
    if (n.kind == snmp::NotificationKind::TrapV1) {
        trapOid = v2TrapOid(n);
        r.uptime = KtTicksToText(n.timestamp);
    }
    for (const snmp::Varbind& vb : n.varbinds) {
        const std::string oid = snmp::oidToText(vb.oid);
        if (oid == kTrapOid && vb.syntax == snmp::Syntax::ObjectId && trapOid.empty())
            trapOid = vb.objectId;
        else if (oid == kSysUpTime && vb.syntax == snmp::Syntax::TimeTicks && r.uptime.isEmpty())
            r.uptime = KtTicksToText(std::uint32_t(vb.integer));
        r.varbinds.append(varbindText(vb));
    }
    r.trapOid = QString::fromStdString(snmp::oidToText(trapOid));
    const KtNotificationName* known = knownName(r.trapOid);
    r.name = known ? QLatin1String(known->name) : r.trapOid;
    if (r.name.isEmpty())
        r.name = QStringLiteral("(no notification OID)");
    r.port = portOf(n.varbinds);
    return r;
}

bool KtIsLinkEvent(const KtNotificationRecord& record)
{
    const KtNotificationName* known = knownName(record.trapOid);
    return known && known->linkEvent;
}

void KtNotificationLog::Add(KtNotificationRecord record)
{
    if (m_records.size() >= kCapacity)
        m_records.pop_front();
    m_records.push_back(std::move(record));
}

std::uint64_t KtNotificationCounts::Of(const QString& name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? 0 : it->second;
}

// ---- the file ----------------------------------------------------------------------------

namespace {

QString safeName(const QString& address)
{
    QString name;
    for (QChar c : address)
        name += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-' ? c : QChar(u'_');
    return name.isEmpty() ? QStringLiteral("_") : name;
}

// Opens only a regular file, never through a link; new files get mode 0600.
int openRegular(const QString& fileName, int flags)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

QByteArray readAll(const QString& fileName, qint64 cap)
{
    QByteArray data;
    const int fd = openRegular(fileName, O_RDONLY);
    if (fd < 0)
        return data;
    char buf[65536];
    ssize_t n = 0;
    while (data.size() < cap && (n = ::read(fd, buf, sizeof buf)) > 0)
        data.append(buf, qsizetype(n));
    ::close(fd);
    return data;
}

} // namespace

KtNotificationFile::KtNotificationFile(const QString& folder, const QString& deviceAddress, qint64 rotateSize)
    : m_fileName(QDir(folder).filePath(safeName(deviceAddress) + QStringLiteral(".notifications"))),
      m_rotateSize(rotateSize)
{
}

KtNotificationFile::~KtNotificationFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// JSON written by hand: a flood of notifications is written as fast as it arrives.
namespace {

void appendJsonString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

QByteArray KtNotificationFile::ToLine(const KtNotificationRecord& r)
{
    QByteArray out;
    out.reserve(256);
    auto field = [&](const char* name, const QString& value) {
        out += out.isEmpty() ? "{\"" : ",\"";
        out += name;
        out += "\":";
        appendJsonString(out, value);
    };
    field("time", r.received.toString(Qt::ISODateWithMs));
    field("version", r.version);
    field("name", r.name);
    field("oid", r.trapOid);
    out += ",\"port\":" + QByteArray::number(r.port);
    field("uptime", r.uptime);
    field("source", r.source);
    field("principal", r.principal);
    out += ",\"varbinds\":[";
    for (qsizetype i = 0; i < r.varbinds.size(); ++i) {
        if (i)
            out += ',';
        appendJsonString(out, r.varbinds[i]);
    }
    out += "]}\n";
    return out;
}

std::optional<KtNotificationRecord> KtNotificationFile::FromLine(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    KtNotificationRecord r;
    r.received = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    r.name = o.value(QStringLiteral("name")).toString();
    if (!r.received.isValid() || r.name.isEmpty())
        return std::nullopt;
    r.version = o.value(QStringLiteral("version")).toString();
    r.trapOid = o.value(QStringLiteral("oid")).toString();
    r.port = o.value(QStringLiteral("port")).toInt();
    r.uptime = o.value(QStringLiteral("uptime")).toString();
    r.source = o.value(QStringLiteral("source")).toString();
    r.principal = o.value(QStringLiteral("principal")).toString();
    for (const QJsonValue& v : o.value(QStringLiteral("varbinds")).toArray())
        r.varbinds.append(v.toString());
    return r;
}

bool KtNotificationFile::OpenForAppend()
{
    if (m_fd >= 0)
        return true;
    m_fd = openRegular(m_fileName, O_WRONLY | O_CREAT | O_APPEND);
    if (m_fd < 0) {
        m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_fileName),
                                               errno == EINVAL ? QStringLiteral("not a regular file")
                                                               : QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    m_size = ::fstat(m_fd, &st) == 0 ? qint64(st.st_size) : 0;
    return true;
}

void KtNotificationFile::Rotate()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    // rename() replaces a link named .1 itself, never what it points to.
    const QByteArray from = QFile::encodeName(m_fileName);
    const QByteArray to = QFile::encodeName(m_fileName + QStringLiteral(".1"));
    ::rename(from.constData(), to.constData());
}

bool KtNotificationFile::Append(const KtNotificationRecord& record)
{
    return Append(std::vector<const KtNotificationRecord*>{&record});
}

bool KtNotificationFile::Append(const std::vector<const KtNotificationRecord*>& records)
{
    if (records.empty())
        return true;
    if (!OpenForAppend())
        return false;
    QByteArray lines;
    for (const KtNotificationRecord* r : records)
        lines += ToLine(*r);
    for (qsizetype done = 0; done < lines.size();) {
        const ssize_t n = ::write(m_fd, lines.constData() + done, std::size_t(lines.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_fileName),
                                                   QString::fromLocal8Bit(std::strerror(errno)));
            ::close(m_fd);
            m_fd = -1;
            return false;
        }
        done += n;
    }
    m_error.clear();
    m_size += lines.size();
    if (m_size >= m_rotateSize)
        Rotate();
    return true;
}

std::vector<KtNotificationRecord> KtNotificationFile::ReadBack(std::size_t limit) const
{
    std::deque<KtNotificationRecord> kept;
    // Each file holds about the rotation size; more than twice that is no file this module wrote.
    for (const QString& name : {m_fileName + QStringLiteral(".1"), m_fileName}) {
        const QByteArray data = readAll(name, 2 * m_rotateSize);
        for (const QByteArray& line : data.split('\n')) {
            if (line.trimmed().isEmpty())
                continue;
            if (auto record = FromLine(line)) {
                kept.push_back(std::move(*record));
                if (kept.size() > limit)
                    kept.pop_front();
            }
        }
    }
    return {std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end())};
}
