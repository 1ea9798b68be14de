#include "KtNML/KtSnapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr std::int32_t kActive = 1, kCreateAndGo = 4, kCreateAndWait = 5, kDestroy = 6;

snmp::Oid ParseOid(const char* text)
{
    snmp::Oid oid;
    if (!text || !snmp::oidFromText(text, oid))
        oid.clear();
    return oid;
}

bool HasPrefix(const snmp::Oid& oid, const snmp::Oid& prefix)
{
    return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

QString OidText(const snmp::Oid& oid)
{
    return QString::fromStdString(snmp::oidToText(oid));
}

// The option value of text in the variable's list; fallback when the list has no such text.
std::int32_t OptionValue(const KtSNMPVarDef& def, const char* text, std::int32_t fallback)
{
    if (!def.options || !text)
        return fallback;
    const int i = def.options->IndexOfText(QString::fromLatin1(text));
    return i < 0 ? fallback : def.options->Option(i).value;
}

bool IsRowStatus(const KtSNMPVarDef& def)
{
    return def.options && def.options->IndexOfText(QStringLiteral("createAndGo")) >= 0
        && (def.access & KtAcc::ReadWrite) == KtAcc::ReadWrite;
}

} // namespace

// ---- plan ---------------------------------------------------------------------------------

bool KtSnapshotIsSecret(const KtSNMPVarDef& def)
{
    if (def.syntax != KtSyn::DisplayStr && def.syntax != KtSyn::OctetStr)
        return false;
    const QString label = QString::fromLatin1(def.label ? def.label : "").trimmed();
    return label.contains(QLatin1String("password"), Qt::CaseInsensitive)
        || label.endsWith(QLatin1String(" key"), Qt::CaseInsensitive)
        || label.compare(QLatin1String("key"), Qt::CaseInsensitive) == 0;
}

KtSnapshotPlan KtSnapshotPlan::FromSources(const std::vector<KtSnapshotSource>& sources)
{
    KtSnapshotPlan plan;
    std::set<snmp::Oid> seen;
    for (const KtSnapshotSource& source : sources) {
        if (!source.table)
            continue;
        const bool scalar = source.itemType == KtItem::SVT_SV;
        KtSnapshotTable table;
        table.caption = source.caption;
        for (int i = 0; source.table[i].oid; ++i) {
            const KtSNMPVarDef& def = source.table[i];
            // Fields of an octet string and computed variables are no objects of their own.
            if ((def.access & KtAcc::Derived) || def.syntax >= KtSyn::Bool8)
                continue;
            const bool writable = (def.access & KtAcc::WriteOnly) != 0;
            const bool readable = (def.access & KtAcc::ReadOnly) != 0;
            if (!writable)
                continue;
            snmp::Oid base = ParseOid(def.oid);
            if (base.empty() || !seen.insert(base).second)
                continue;
            KtSnapshotColumn column{base, QString::fromLatin1(def.label ? def.label : def.oid), -1};
            const bool action = std::find(source.actions.begin(), source.actions.end(), i) != source.actions.end();
            if (!readable || action || KtSnapshotIsSecret(def)) {
                plan.notSaved.push_back(std::move(column));
                continue;
            }
            if (!scalar)
                column.table = int(plan.tables.size());
            plan.columns.push_back(std::move(column));
            if (scalar)
                continue;
            const int c = int(plan.columns.size()) - 1;
            table.columns.push_back(c);
            if (source.statusIndex == i) {
                table.statusColumn = c;
                table.rowStatus = IsRowStatus(def);
                table.createValue = OptionValue(def, source.createText, kCreateAndGo);
                table.destroyValue = OptionValue(def, source.destroyText, kDestroy);
            } else if (source.statusIndex < 0 && table.statusColumn < 0 && IsRowStatus(def)) {
                table.statusColumn = c;
                table.rowStatus = true;
                table.createValue = kCreateAndGo;
                table.destroyValue = kDestroy;
            }
        }
        if (!table.columns.empty())
            plan.tables.push_back(std::move(table));
    }
    return plan;
}

int KtSnapshotPlan::ColumnOf(const snmp::Oid& oid) const
{
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const KtSnapshotColumn& col = columns[c];
        if (!HasPrefix(oid, col.base))
            continue;
        if (col.table >= 0 || (oid.size() == col.base.size() + 1 && oid.back() == 0))
            return int(c);
    }
    return -1;
}

int KtSnapshotPlan::ScalarCount() const
{
    return int(std::count_if(columns.begin(), columns.end(), [](const KtSnapshotColumn& c) { return c.table < 0; }));
}

void KtSnapshot::Sort()
{
    std::sort(entries.begin(), entries.end(),
              [](const KtSnapshotEntry& a, const KtSnapshotEntry& b) { return a.vb.oid < b.vb.oid; });
}

// ---- values -------------------------------------------------------------------------------

namespace {

bool Printable(const std::string& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char ch) { return ch >= 0x20 && ch <= 0x7e; });
}

// Double quotes for a POSIX shell: inside them only \ " $ ` need a backslash.
QString ShellQuoted(const std::string& bytes)
{
    QString out;
    out.reserve(int(bytes.size()) + 2);
    out += QLatin1Char('"');
    for (char ch : bytes) {
        if (ch == '\\' || ch == '"' || ch == '$' || ch == '`')
            out += QLatin1Char('\\');
        out += QLatin1Char(ch);
    }
    out += QLatin1Char('"');
    return out;
}

QString Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(int(bytes.size()) * 2);
    for (unsigned char b : bytes) {
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 15]);
    }
    return out;
}

QString ValueOrNone(const snmp::Varbind& vb)
{
    char type = 0;
    QString value;
    return KtSnapshotValueText(vb, type, value) ? QString(QLatin1Char(type)) + QLatin1Char(' ') + value
                                                : QStringLiteral("(no value)");
}

} // namespace

bool KtSnapshotValueText(const snmp::Varbind& vb, char& type, QString& value)
{
    switch (vb.syntax) {
    case snmp::Syntax::Integer:
        type = 'i';
        value = QString::number(vb.integer);
        return true;
    case snmp::Syntax::Gauge32:
    case snmp::Syntax::UInteger32:
        type = 'u';
        value = QString::number(vb.integer);
        return true;
    case snmp::Syntax::Counter32:
        type = 'c';
        value = QString::number(vb.integer);
        return true;
    case snmp::Syntax::TimeTicks:
        type = 't';
        value = QString::number(vb.integer);
        return true;
    case snmp::Syntax::Counter64:
        type = 'C';
        value = QString::number(vb.counter64);
        return true;
    case snmp::Syntax::IpAddress:
        if (vb.bytes.size() != 4)
            return false;
        type = 'a';
        value = QStringLiteral("%1.%2.%3.%4")
                    .arg(std::uint8_t(vb.bytes[0]))
                    .arg(std::uint8_t(vb.bytes[1]))
                    .arg(std::uint8_t(vb.bytes[2]))
                    .arg(std::uint8_t(vb.bytes[3]));
        return true;
    case snmp::Syntax::ObjectId:
        if (vb.objectId.empty())
            return false;
        type = 'o';
        value = OidText(vb.objectId);
        return true;
    case snmp::Syntax::OctetString:
        if (Printable(vb.bytes)) {
            type = 's';
            value = ShellQuoted(vb.bytes);
        } else {
            type = 'x';
            value = Hex(vb.bytes);
        }
        return true;
    default:
        return false;
    }
}

QString KtSnapshotSetText(const std::vector<snmp::Varbind>& varbinds)
{
    QStringList parts;
    for (const snmp::Varbind& vb : varbinds)
        parts << OidText(vb.oid) + QLatin1Char(' ') + ValueOrNone(vb);
    return parts.join(QStringLiteral(", "));
}

// ---- file text ----------------------------------------------------------------------------

QString KtSnapshotToText(const KtSnapshot& snapshot)
{
    QString out;
    out += QLatin1String(kKtSnapshotMagic) + QLatin1Char('\n');
    const std::pair<const char*, const QString*> header[] = {
        {"address", &snapshot.header.address}, {"sysName", &snapshot.header.sysName},
        {"sysObjectID", &snapshot.header.sysObjectId}, {"date", &snapshot.header.date},
        {"module", &snapshot.header.release}};
    for (const auto& [key, value] : header) {
        QString oneLine = *value;
        oneLine.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        out += QStringLiteral("# %1: %2\n").arg(QLatin1String(key), oneLine);
    }
    for (const QString& item : snapshot.notSaved)
        out += QStringLiteral("# not saved: ") + item + QLatin1Char('\n');
    for (const KtSnapshotEntry& e : snapshot.entries) {
        char type = 0;
        QString value;
        if (!KtSnapshotValueText(e.vb, type, value))
            continue;
        out += OidText(e.vb.oid) + QLatin1Char(' ') + QLatin1Char(type) + QLatin1Char(' ') + value;
        QString caption = e.caption;
        caption.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        if (!caption.isEmpty())
            out += QStringLiteral("  # ") + caption;
        out += QLatin1Char('\n');
    }
    return out;
}

KtSnapshotParseError::KtSnapshotParseError(int line, const QString& message)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString()),
      m_line(line),
      m_message(message)
{
}

namespace {

// Strict whole numbers: digits only (a leading minus where allowed), within range.
bool ParseUnsigned(const QString& text, std::uint64_t max, std::uint64_t& out)
{
    if (text.isEmpty() || text.size() > 20)
        return false;
    std::uint64_t v = 0;
    for (QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
        const std::uint64_t d = std::uint64_t(ch.unicode() - '0');
        if (v > (max - d) / 10)
            return false;
        v = v * 10 + d;
    }
    out = v;
    return true;
}

bool ParseSigned32(const QString& text, std::int64_t& out)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    std::uint64_t magnitude = 0;
    if (!ParseUnsigned(negative ? text.mid(1) : text, negative ? 2147483648ull : 2147483647ull, magnitude))
        return false;
    out = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
    return true;
}

bool ParseHex(const QString& text, std::string& out)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2)
        return false;
    out.clear();
    for (int i = 0; i < digits.size(); i += 2) {
        bool ok = false;
        const uint b = digits.mid(i, 2).toUInt(&ok, 16);
        if (!ok || !digits[i].isLetterOrNumber() || !digits[i + 1].isLetterOrNumber())
            return false;
        out += char(b);
    }
    return true;
}

bool ParseIp(const QString& text, std::string& out)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    out.clear();
    for (const QString& p : parts) {
        std::uint64_t v = 0;
        if (p.size() > 3 || !ParseUnsigned(p, 255, v))
            return false;
        out += char(v);
    }
    return true;
}

// One data line: OID TYPE VALUE [# caption].
KtSnapshotEntry ParseLine(const QString& line, int number)
{
    const auto fail = [number](const QString& message) { throw KtSnapshotParseError(number, message); };
    int pos = 0;
    const int n = int(line.size());
    const auto skipBlanks = [&] {
        while (pos < n && (line[pos] == QLatin1Char(' ') || line[pos] == QLatin1Char('\t')))
            ++pos;
    };
    const auto word = [&] {
        const int start = pos;
        while (pos < n && line[pos] != QLatin1Char(' ') && line[pos] != QLatin1Char('\t'))
            ++pos;
        return line.mid(start, pos - start);
    };
    skipBlanks();
    const QString oidText = word();
    KtSnapshotEntry entry;
    if (!snmp::oidFromText(oidText.toStdString(), entry.vb.oid) || entry.vb.oid.size() < 2)
        fail(QStringLiteral("'%1' is no object identifier").arg(oidText));
    skipBlanks();
    const QString type = word();
    if (type.size() != 1)
        fail(type.isEmpty() ? QStringLiteral("no type after the object identifier")
                            : QStringLiteral("'%1' is no value type (i u c t C a o s x)").arg(type));
    skipBlanks();
    if (pos >= n)
        fail(QStringLiteral("no value"));

    QString value;
    bool quoted = false;
    if (line[pos] == QLatin1Char('"')) {
        quoted = true;
        ++pos;
        bool closed = false;
        while (pos < n) {
            const QChar ch = line[pos++];
            if (ch == QLatin1Char('"')) {
                closed = true;
                break;
            }
            if (ch == QLatin1Char('\\') && pos < n) {
                const QChar next = line[pos];
                if (next == QLatin1Char('\\') || next == QLatin1Char('"') || next == QLatin1Char('$')
                    || next == QLatin1Char('`')) {
                    value += next;
                    ++pos;
                    continue;
                }
            }
            value += ch;
        }
        if (!closed)
            fail(QStringLiteral("the quoted value does not end"));
    } else {
        value = word();
    }
    skipBlanks();
    if (pos < n) {
        if (line[pos] != QLatin1Char('#'))
            fail(QStringLiteral("unexpected text after the value: '%1'").arg(line.mid(pos)));
        entry.caption = line.mid(pos + 1).trimmed();
    }

    snmp::Varbind& vb = entry.vb;
    const char t = char(type[0].unicode());
    const auto badValue = [&] { fail(QStringLiteral("'%1' is no value of type %2").arg(value, type)); };
    std::uint64_t u = 0;
    std::int64_t i = 0;
    std::string bytes;
    snmp::Oid oid;
    switch (t) {
    case 'i':
        if (quoted || !ParseSigned32(value, i))
            badValue();
        vb.setInteger(std::int32_t(i));
        break;
    case 'u':
    case 'c':
    case 't':
        if (quoted || !ParseUnsigned(value, 0xFFFFFFFFull, u))
            badValue();
        vb.setUnsigned(t == 'u' ? snmp::Syntax::Gauge32 : t == 'c' ? snmp::Syntax::Counter32 : snmp::Syntax::TimeTicks,
                       std::uint32_t(u));
        break;
    case 'C':
        if (quoted || !ParseUnsigned(value, ~std::uint64_t(0), u))
            badValue();
        vb.setCounter64(u);
        break;
    case 'a':
        if (!ParseIp(value, bytes))
            badValue();
        vb.setBytes(snmp::Syntax::IpAddress, bytes);
        break;
    case 'o':
        if (!snmp::oidFromText(value.toStdString(), oid) || oid.empty())
            badValue();
        vb.setObjectId(oid);
        break;
    case 's': {
        const QByteArray latin = value.toLatin1();
        if (QString::fromLatin1(latin) != value)
            badValue();
        vb.setBytes(snmp::Syntax::OctetString, latin.toStdString());
        break;
    }
    case 'x':
        if (!ParseHex(value, bytes))
            badValue();
        vb.setBytes(snmp::Syntax::OctetString, bytes);
        break;
    default:
        fail(QStringLiteral("'%1' is no value type (i u c t C a o s x)").arg(type));
    }
    return entry;
}

} // namespace

KtSnapshot KtSnapshotFromText(const QString& text)
{
    KtSnapshot snapshot;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool magicSeen = false;
    std::map<snmp::Oid, int> lineOf;
    for (int index = 0; index < lines.size(); ++index) {
        const int number = index + 1;
        QString line = lines[index];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!magicSeen) {
            if (trimmed != QLatin1String(kKtSnapshotMagic))
                throw KtSnapshotParseError(number, QStringLiteral("not a configuration snapshot (its first line is "
                                                                  "\"%1\")")
                                                       .arg(QLatin1String(kKtSnapshotMagic)));
            magicSeen = true;
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('#'))) {
            const QString comment = trimmed.mid(1).trimmed();
            const int colon = comment.indexOf(QLatin1Char(':'));
            if (colon < 0)
                continue;
            const QString key = comment.left(colon).trimmed(), value = comment.mid(colon + 1).trimmed();
            if (key == QLatin1String("address"))
                snapshot.header.address = value;
            else if (key == QLatin1String("sysName"))
                snapshot.header.sysName = value;
            else if (key == QLatin1String("sysObjectID"))
                snapshot.header.sysObjectId = value;
            else if (key == QLatin1String("date"))
                snapshot.header.date = value;
            else if (key == QLatin1String("module"))
                snapshot.header.release = value;
            else if (key == QLatin1String("not saved"))
                snapshot.notSaved << value;
            continue;
        }
        KtSnapshotEntry entry = ParseLine(line, number);
        const auto [it, inserted] = lineOf.emplace(entry.vb.oid, number);
        if (!inserted)
            throw KtSnapshotParseError(number, QStringLiteral("%1 is given again (first on line %2)")
                                                   .arg(OidText(entry.vb.oid))
                                                   .arg(it->second));
        snapshot.entries.push_back(std::move(entry));
    }
    if (!magicSeen)
        throw KtSnapshotParseError(1, QStringLiteral("the file is empty"));
    snapshot.Sort();
    return snapshot;
}

bool KtSnapshotSave(const QString& fileName, const KtSnapshot& snapshot, QString& error)
{
    const QFileInfo info(fileName);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        error = QStringLiteral("%1 is not a regular file").arg(fileName);
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    // The file holds communities and the switch's settings: the owner's alone, from the start.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        error = QStringLiteral("cannot restrict %1 to its owner").arg(fileName);
        file.cancelWriting();
        return false;
    }
    file.write(KtSnapshotToText(snapshot).toUtf8());
    if (!file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

KtSnapshot KtSnapshotLoad(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw KtSnapshotParseError(0, QStringLiteral("%1 does not exist").arg(fileName));
    if (!info.isFile())
        throw KtSnapshotParseError(0, QStringLiteral("%1 is not a regular file").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw KtSnapshotParseError(0, QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString()));
    return KtSnapshotFromText(QString::fromUtf8(file.readAll()));
}

// ---- differences --------------------------------------------------------------------------

QString KtDiffKindText(KtDiffKind kind)
{
    switch (kind) {
    case KtDiffKind::Changed:
        return QStringLiteral("changed");
    case KtDiffKind::OnlyInFile:
        return QStringLiteral("only in file");
    case KtDiffKind::OnlyOnSwitch:
        return QStringLiteral("only on switch");
    }
    return QString();
}

namespace {

bool SameValue(const snmp::Varbind& a, const snmp::Varbind& b)
{
    return a.syntax == b.syntax && a.integer == b.integer && a.counter64 == b.counter64 && a.bytes == b.bytes
        && a.objectId == b.objectId;
}

struct Located {
    int column = -1;
    int table = -1;
    snmp::Oid suffix;
};

Located Locate(const KtSnapshotPlan& plan, const snmp::Oid& oid)
{
    Located l;
    l.column = plan.ColumnOf(oid);
    if (l.column >= 0) {
        const KtSnapshotColumn& c = plan.columns[std::size_t(l.column)];
        l.table = c.table;
        l.suffix.assign(oid.begin() + std::ptrdiff_t(c.base.size()), oid.end());
    }
    return l;
}

QString RowText(const std::vector<snmp::Varbind>& values, const KtSnapshotPlan& plan)
{
    QStringList parts;
    for (const snmp::Varbind& vb : values) {
        const int c = plan.ColumnOf(vb.oid);
        char type = 0;
        QString value;
        if (KtSnapshotValueText(vb, type, value))
            parts << (c >= 0 ? plan.columns[std::size_t(c)].caption : OidText(vb.oid)) + QLatin1Char('=') + value;
    }
    return parts.join(QStringLiteral(", "));
}

QString ValueText(const snmp::Varbind& vb)
{
    char type = 0;
    QString value;
    return KtSnapshotValueText(vb, type, value) ? value : QStringLiteral("(no value)");
}

} // namespace

std::vector<KtSnapshotDiff> KtSnapshotCompare(const KtSnapshotPlan& plan, const KtSnapshot& file,
                                              const KtSnapshot& onSwitch)
{
    // Objects the plan does not save (secrets, write-only objects, actions) are never compared,
    // so never restored, even where a file written before holds them.
    const auto notSaved = [&plan](const snmp::Oid& oid) {
        for (const KtSnapshotColumn& c : plan.notSaved)
            if (oid.size() > c.base.size() && std::equal(c.base.begin(), c.base.end(), oid.begin()))
                return true;
        return false;
    };
    std::map<snmp::Oid, const KtSnapshotEntry*> fileMap, switchMap;
    for (const KtSnapshotEntry& e : file.entries)
        if (!notSaved(e.vb.oid))
            fileMap.emplace(e.vb.oid, &e);
    for (const KtSnapshotEntry& e : onSwitch.entries)
        if (!notSaved(e.vb.oid))
            switchMap.emplace(e.vb.oid, &e);

    // Rows each side holds, by table and index.
    using RowKey = std::pair<int, snmp::Oid>;
    std::set<RowKey> fileRows, switchRows;
    for (const auto& [oid, e] : fileMap)
        if (const Located l = Locate(plan, oid); l.table >= 0)
            fileRows.emplace(l.table, l.suffix);
    for (const auto& [oid, e] : switchMap)
        if (const Located l = Locate(plan, oid); l.table >= 0)
            switchRows.emplace(l.table, l.suffix);

    std::set<snmp::Oid> all;
    for (const auto& [oid, e] : fileMap)
        all.insert(oid);
    for (const auto& [oid, e] : switchMap)
        all.insert(oid);

    std::vector<KtSnapshotDiff> diffs;
    std::map<RowKey, std::size_t> rowDiff;
    for (const snmp::Oid& oid : all) {
        const auto f = fileMap.find(oid);
        const auto s = switchMap.find(oid);
        const KtSnapshotEntry* inFile = f == fileMap.end() ? nullptr : f->second;
        const KtSnapshotEntry* onSw = s == switchMap.end() ? nullptr : s->second;
        const Located l = Locate(plan, oid);
        if (l.table >= 0) {
            const RowKey key{l.table, l.suffix};
            const bool rowInFile = fileRows.count(key) > 0, rowOnSwitch = switchRows.count(key) > 0;
            if (rowInFile != rowOnSwitch) {
                auto [it, fresh] = rowDiff.emplace(key, diffs.size());
                if (fresh) {
                    KtSnapshotDiff d;
                    d.kind = rowInFile ? KtDiffKind::OnlyInFile : KtDiffKind::OnlyOnSwitch;
                    d.caption = plan.tables[std::size_t(l.table)].caption;
                    d.instance = OidText(l.suffix);
                    d.table = l.table;
                    d.rowSuffix = l.suffix;
                    diffs.push_back(std::move(d));
                }
                KtSnapshotDiff& d = diffs[it->second];
                if (inFile)
                    d.fileValues.push_back(inFile->vb);
                if (onSw)
                    d.switchValues.push_back(onSw->vb);
                continue;
            }
        }
        if (inFile && onSw && SameValue(inFile->vb, onSw->vb))
            continue;
        KtSnapshotDiff d;
        d.kind = inFile && onSw ? KtDiffKind::Changed : inFile ? KtDiffKind::OnlyInFile : KtDiffKind::OnlyOnSwitch;
        d.caption = l.column >= 0 ? plan.columns[std::size_t(l.column)].caption : inFile ? inFile->caption : QString();
        if (d.caption.isEmpty() && inFile)
            d.caption = inFile->caption;
        d.instance = l.column >= 0 ? OidText(l.suffix) : OidText(oid);
        if (inFile) {
            d.inFile = ValueText(inFile->vb);
            d.fileValues.push_back(inFile->vb);
        }
        if (onSw) {
            d.onSwitch = ValueText(onSw->vb);
            d.switchValues.push_back(onSw->vb);
        }
        diffs.push_back(std::move(d));
    }
    for (KtSnapshotDiff& d : diffs)
        if (d.table >= 0) {
            d.inFile = RowText(d.fileValues, plan);
            d.onSwitch = RowText(d.switchValues, plan);
        }
    return diffs;
}

// ---- restore ------------------------------------------------------------------------------

namespace {

snmp::Varbind StatusVarbind(const KtSnapshotPlan& plan, const KtSnapshotTable& table, const snmp::Oid& suffix,
                            std::int32_t value)
{
    snmp::Varbind vb;
    vb.oid = plan.columns[std::size_t(table.statusColumn)].base;
    vb.oid.insert(vb.oid.end(), suffix.begin(), suffix.end());
    vb.setInteger(value);
    return vb;
}

KtRestoreStep Step(int diff, std::vector<snmp::Varbind> varbinds)
{
    KtRestoreStep step;
    step.diff = diff;
    step.description = KtSnapshotSetText(varbinds);
    step.varbinds = std::move(varbinds);
    return step;
}

} // namespace

std::vector<KtRestoreStep> KtSnapshotRestoreSteps(const KtSnapshotPlan& plan, const std::vector<KtSnapshotDiff>& diffs,
                                                  const std::vector<int>& chosen, QStringList* notRestorable)
{
    std::vector<KtRestoreStep> removals, others;
    const auto refuse = [&](const KtSnapshotDiff& d, const QString& why) {
        if (notRestorable)
            *notRestorable << QStringLiteral("%1 [%2]: %3").arg(d.caption, d.instance, why);
    };
    for (int index : chosen) {
        if (index < 0 || std::size_t(index) >= diffs.size())
            continue;
        const KtSnapshotDiff& d = diffs[std::size_t(index)];
        if (d.table < 0) {
            if (d.kind == KtDiffKind::OnlyOnSwitch)
                refuse(d, QStringLiteral("not in the file, nothing to write"));
            else
                others.push_back(Step(index, d.fileValues));
            continue;
        }
        const KtSnapshotTable& table = plan.tables[std::size_t(d.table)];
        if (table.statusColumn < 0) {
            refuse(d, d.kind == KtDiffKind::OnlyInFile ? QStringLiteral("the table's rows cannot be created")
                                                       : QStringLiteral("the table's rows cannot be removed"));
            continue;
        }
        const snmp::Oid& statusBase = plan.columns[std::size_t(table.statusColumn)].base;
        if (d.kind == KtDiffKind::OnlyOnSwitch) {
            removals.push_back(Step(index, {StatusVarbind(plan, table, d.rowSuffix, table.destroyValue)}));
            continue;
        }
        // The row's columns without its status, which the creating value replaces.
        std::vector<snmp::Varbind> columns;
        for (const snmp::Varbind& vb : d.fileValues)
            if (!HasPrefix(vb.oid, statusBase))
                columns.push_back(vb);
        std::vector<snmp::Varbind> create = columns;
        create.push_back(StatusVarbind(plan, table, d.rowSuffix, table.createValue));
        KtRestoreStep step = Step(index, std::move(create));
        if (table.rowStatus && table.createValue == kCreateAndGo) {
            step.fallback.push_back(Step(index, {StatusVarbind(plan, table, d.rowSuffix, kCreateAndWait)}));
            if (!columns.empty())
                step.fallback.push_back(Step(index, columns));
            step.fallback.push_back(Step(index, {StatusVarbind(plan, table, d.rowSuffix, kActive)}));
        }
        others.push_back(std::move(step));
    }
    removals.insert(removals.end(), std::make_move_iterator(others.begin()), std::make_move_iterator(others.end()));
    return removals;
}
