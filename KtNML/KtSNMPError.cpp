#include "KtNML/KtSNMPError.h"

#include <QFile>
#include <QLocale>
#include <QTime>

#include <array>

namespace {

// agent error status 1..18 -> -101..-118
const char* const kSnmpTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

// message processing -1402..-1418 -> -201..-217
const char* const kSnmpV3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

// USM 1401..1414 -> -301..-314
const char* const kSnmpUsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

// library -1..-23 -> -401..-423
const char* const kSnmpClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

// framework: index 0 is code 0, index k is -500 - k
const char* const kKtSnmpTexts[] = {
    "(ZiDUVA++) Ok!",
    "(ZiDUVA++) Fail to read SNMP variables from file([FILENAME])!",
    "(ZiDUVA++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZiDUVA++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZiDUVA++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZiDUVA++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZiDUVA++) Cannot create the global ZiDUVA++ session!",
    "(ZiDUVA++) Error when loading SNMP engine boots counter!",
    "(ZiDUVA++) Error when saving SNMP engine boots counter!",
    "(ZiDUVA++) Invalid IP Address or DNS name!",
    "(ZiDUVA++) Can't send get-next command for a SNMP variable list with single value!",
    "(ZiDUVA++) Bad SNMP syntax!",
    "(ZiDUVA++) Null value in the expression!",
    "(ZiDUVA++) Bad SNMP syntax in the expression!",
    "(ZiDUVA++) Bad key count of SNMP variable list!",
    "(ZiDUVA++) Bad item type of SNMP variable list!",
    "(ZiDUVA++) Bad item type of associated SNMP variable list!",
    "(ZiDUVA++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(ZiDUVA++) Bad value of the associated SNMP variable's (partial) data!",
    "(ZiDUVA++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(ZiDUVA++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(ZiDUVA++) Bad type of the associated visual control!",
    "(ZiDUVA++) Count of the associated visual controls is not enough!",
    "(ZiDUVA++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(ZiDUVA++) Count of the value items for the chart's history data is not enough!",
    "(ZiDUVA++) Log database is not connected!",
    "(ZiDUVA++) Log database field not found!",
    "(ZiDUVA++) Bad syntax for the history chart of log!",
    "(ZiDUVA++) Unknown error code!",
    "(ZiDUVA++) The agent's get-next answers do not increase: the walk was stopped!",
    "(ZiDUVA++) Invalid value \"[VALUE]\" for [LABEL]!",
    "(ZiDUVA++) Nothing was written: no variable to send!",
    "(ZiDUVA++) Nothing was written: [LABEL] has no value!",
    "(ZiDUVA++) The switch answered [LABEL] with an unexpected type ([VALUE])!",
};

// common: index k is code -k
const char* const kCommonTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

// status-line formats: 0 read, 1 write
const char* const kFormatTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};
template <std::size_t N>
QStringList toList(const char* const (&texts)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

QStringList builtIn(KtMsgFamily family)
{
    switch (family) {
    case KtMsgFamily::Snmp: return toList(kSnmpTexts);
    case KtMsgFamily::SnmpV3: return toList(kSnmpV3Texts);
    case KtMsgFamily::SnmpUsm: return toList(kSnmpUsmTexts);
    case KtMsgFamily::SnmpClass: return toList(kSnmpClassTexts);
    case KtMsgFamily::KtSnmp: return toList(kKtSnmpTexts);
    case KtMsgFamily::Common: return toList(kCommonTexts);
    case KtMsgFamily::Formats: return toList(kFormatTexts);
    }
    return {};
}

constexpr int kFamilyCount = 7;

std::array<QStringList, kFamilyCount>& families()
{
    static std::array<QStringList, kFamilyCount> f = [] {
        std::array<QStringList, kFamilyCount> init;
        for (int i = 0; i < kFamilyCount; ++i)
            init[i] = builtIn(KtMsgFamily(i));
        return init;
    }();
    return f;
}

// Splits a file's bytes into catalogue entries: non-blank lines, each without its line end,
// lines over 1023 characters continuing as further entries (the reader's 1024-byte buffer).
QStringList readCatalogueLines(const QByteArray& data)
{
    constexpr int kChunk = 1023;
    QStringList entries;
    const QList<QByteArray> lines = data.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        QByteArray line = lines[n];
        if (n == lines.size() - 1 && line.isEmpty())
            break;  // text after the last line end
        if (line.endsWith('\r'))
            line.chop(1);
        for (qsizetype pos = 0; pos == 0 || pos < line.size(); pos += kChunk) {
            QByteArray piece = line.mid(pos, kChunk);
            if (piece.trimmed().isEmpty())
                continue;
            // A message cannot hold a line break inside a one-line-per-message file, so the
            // two characters \n stand for one (the built-in texts use it the same way).
            entries << QString::fromUtf8(piece).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        }
    }
    return entries;
}

} // namespace

const KtCatalogueFile kKtCatalogueFiles[7] = {
    {KtMsgFamily::Common, "errmsg/common.err"},
    {KtMsgFamily::Snmp, "errmsg/snmp.err"},
    {KtMsgFamily::SnmpV3, "errmsg/snmpv3.err"},
    {KtMsgFamily::SnmpUsm, "errmsg/snmpusm.err"},
    {KtMsgFamily::SnmpClass, "errmsg/snmpclass.err"},
    {KtMsgFamily::KtSnmp, "errmsg/ktsnmp.err"},
    {KtMsgFamily::Formats, "errmsg/snmp.msg"},
};

KtException::KtException(int code, QString message)
    : m_code(code), m_message(std::move(message)), m_what(m_message.toStdString())
{
}

const QStringList& KtFamilyTexts(KtMsgFamily family)
{
    return families()[int(family)];
}

QString KtFamilyText(KtMsgFamily family, int index)
{
    const QStringList& texts = KtFamilyTexts(family);
    return index >= 0 && index < texts.size() ? texts[index] : QString();
}

QString KtMessage(int code)
{
    if (code == 0)
        return KtFamilyText(KtMsgFamily::KtSnmp, 0);
    if (code >= -18 && code < 0)
        return KtFamilyText(KtMsgFamily::Common, -code);
    if (code >= -118 && code <= -101)
        return KtFamilyText(KtMsgFamily::Snmp, -code - 101);
    if (code >= -217 && code <= -201)
        return KtFamilyText(KtMsgFamily::SnmpV3, -code - 201);
    if (code >= -314 && code <= -301)
        return KtFamilyText(KtMsgFamily::SnmpUsm, -code - 301);
    if (code >= -423 && code <= -401)
        return KtFamilyText(KtMsgFamily::SnmpClass, -code - 401);
    if (code >= -533 && code <= -501)
        return KtFamilyText(KtMsgFamily::KtSnmp, -code - 500);
    return KtFamilyText(KtMsgFamily::KtSnmp, 28);
}

void KtRaise(int code)
{
    throw KtException(code, KtMessage(code));
}

QString KtMessageWith(int code, const QString& label, const QString& value)
{
    // One pass, so that a label or text holding a placeholder is not substituted again.
    const QString format = KtMessage(code);
    const QString labelTag = QStringLiteral("[LABEL]"), valueTag = QStringLiteral("[VALUE]");
    QString message;
    for (qsizetype i = 0; i < format.size();) {
        if (format.mid(i, labelTag.size()) == labelTag) {
            message += label;
            i += labelTag.size();
        } else if (format.mid(i, valueTag.size()) == valueTag) {
            message += value;
            i += valueTag.size();
        } else {
            message += format[i++];
        }
    }
    return message;
}

void KtRaiseBadValue(const QString& label, const QString& text)
{
    // A pasted page of text would bury the label: the message shows its start only.
    constexpr qsizetype kShown = 40;
    const QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text;
    throw KtException(KtErr::BadValue, KtMessageWith(KtErr::BadValue, label, shown));
}

KtMappedStatus MapStatus(int s)
{
    int code;
    if (s == 0 || s == 1400 || s == -1401)
        code = 0;
    else if (s >= 1 && s <= 18)
        code = -(100 + s);
    else if (s >= -1418 && s <= -1402)
        code = s + 1201;
    else if (s >= 1401 && s <= 1414)
        code = 1100 - s;
    else if (s >= -23 && s <= -1)
        code = s - 400;
    else
        code = KtErr::UnknownCode;
    return {code, KtMessage(code)};
}

void LoadCatalogue(KtMsgFamily family, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList entries = readCatalogueLines(file.readAll());
    if (entries.isEmpty())
        return;
    QStringList& texts = families()[int(family)];
    for (int k = 0; k < entries.size(); ++k) {
        if (k < texts.size())
            texts[k] = entries[k];
        else
            texts << entries[k];
    }
}

void ResetCatalogue()
{
    for (int i = 0; i < kFamilyCount; ++i)
        families()[i] = builtIn(KtMsgFamily(i));
}

QString StatusText(int operation, const QString& message, const QString& listName)
{
    QString text = KtFamilyText(KtMsgFamily::Formats, operation);
    const QString errorTag = QStringLiteral("[ERROR]");
    const QString listTag = QStringLiteral("[VARLIST]");
    const qsizetype errorAt = text.indexOf(errorTag);
    const qsizetype listAt = text.indexOf(listTag);
    if (listName.isEmpty() && errorAt >= 0 && listAt > errorAt) {
        const qsizetype from = errorAt + errorTag.size();
        text.remove(from, listAt + listTag.size() - from);
    } else {
        text.replace(listTag, listName);
    }
    text.replace(errorTag, message);

    const QTime now = QTime::currentTime();
    const int h12 = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QLocale locale;
    const QString clock = QStringLiteral("%1:%2:%3 %4")
                              .arg(h12, 2, 10, QLatin1Char('0'))
                              .arg(now.minute(), 2, 10, QLatin1Char('0'))
                              .arg(now.second(), 2, 10, QLatin1Char('0'))
                              .arg(now.hour() < 12 ? locale.amText() : locale.pmText());
    text.replace(QStringLiteral("[TIME]"), clock);
    return text;
}
