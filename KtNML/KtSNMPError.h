#pragma once
// Error codes, the raised error object and the message catalogue of the framework.
//
// Every failure carries one negative code whose range tells its origin:
//   -101..-118 agent error status, -201..-217 SNMPv3 message processing,
//   -301..-314 user-based security, -401..-423 SNMP library, -501..-530 framework,
//   0..-18 common. Texts come from seven message families that catalogue files can replace.
#include <QString>
#include <QStringList>
#include <exception>
#include <string>

// Raised by every framework operation that fails.
class KtException : public std::exception {
public:
    KtException(int code, QString message);
    int Code() const { return m_code; }
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_code;
    QString m_message;
    std::string m_what;
};

// Delivered to completion callbacks of asynchronous requests.
struct KtSNMPError {
    int code = 0;
    int errorIndex = 0;
    QString message;
    QString agentAddress;
    qint16 agentPort = 0;
    bool finished = false;
};

enum class KtMsgFamily {
    Snmp,       // agent error status, errmsg/snmp.err
    SnmpV3,     // message processing, errmsg/snmpv3.err
    SnmpUsm,    // user-based security, errmsg/snmpusm.err
    SnmpClass,  // SNMP library, errmsg/snmpclass.err
    KtSnmp,     // framework, errmsg/ktsnmp.err
    Common,     // errmsg/common.err
    Formats,    // status-line formats, errmsg/snmp.msg
};

// Framework codes used by name.
namespace KtErr {
enum : int {
    Ok = 0,
    BadLogicOperand = -1,
    BadConstraintFormat = -2,
    NoSuchName = -102,
    Timeout = -405,
    CannotCreateSession = -506,
    BootsLoad = -507,
    BootsSave = -508,
    InvalidAddress = -509,
    GetNextOnScalar = -510,
    BadSyntax = -511,
    NullInExpression = -512,
    BadSyntaxInExpression = -513,
    BadKeyCount = -514,
    BadItemType = -515,
    BadPartialSyntax = -517,
    BadPartialValue = -518,
    PartialOutOfRange = -519,
    NoOptionList = -520,
    BadControlType = -521,
    NotEnoughControls = -522,
    UnknownCode = -528,
    // A get-next answer at or before the instance it continued from: a faulty agent would
    // otherwise keep a walk going forever.
    NonIncreasingWalk = -529,
    // Text that is no value of its variable's syntax (a number out of range or with other
    // characters, an address that is none, a character that cannot be sent); names the
    // variable's label and the text.
    BadValue = -530,
    // A write whose list of variables came out empty: no PDU goes out.
    NothingToWrite = -531,
    // The same, because the field of the variable named holds no value ([LABEL]).
    NoValueToWrite = -532,
    // A varbind whose type does not fit its variable's syntax, or an SNMPv2 exception, where a
    // value was asked for: names the variable ([LABEL]) and the type received ([VALUE]).
    UnexpectedType = -533,
};
}

// Index of the common family's texts that are not raised as errors but shown by input checks.
namespace KtCommonMsg {
enum : int {
    EmptyNotAllowed = 3,
    StringMaxLen = 4,
    StringLen = 5,
    HexMaxLen = 6,
    HexLen = 7,
    NumberRange = 8,
    DelimitedMaxCount = 9,
    DelimitedCount = 10,
    DelimitedRange = 11,
};
}

// The seven families, in the order start-up loads their files, with their file names.
struct KtCatalogueFile {
    KtMsgFamily family;
    const char* fileName;  // relative to the module folder, '/' separated
};
extern const KtCatalogueFile kKtCatalogueFiles[7];

// The family's current texts (built-in until a catalogue file replaced them).
const QStringList& KtFamilyTexts(KtMsgFamily family);
// Text at an index of a family; empty when the index is outside the family.
QString KtFamilyText(KtMsgFamily family, int index);

// The text of a code, looked up in the family its range belongs to
// (0 is the framework's "(ZiDUVA++) Ok!"; -1..-18 the common family).
QString KtMessage(int code);

// Throws KtException(code, KtMessage(code)).
[[noreturn]] void KtRaise(int code);

// Throws BadValue with its message naming the variable's label and the refused text.
[[noreturn]] void KtRaiseBadValue(const QString& label, const QString& text);
// The message of code with [LABEL] and [VALUE] replaced, each once, in one pass.
QString KtMessageWith(int code, const QString& label, const QString& value = QString());

// Maps a status of the SNMP library (or a PDU error status) to a framework code and message.
struct KtMappedStatus {
    int code;
    QString message;
};
KtMappedStatus MapStatus(int status);

// Replaces a family's texts from a catalogue file: one message per non-blank line.
// A missing, unreadable or blank file leaves the family as it was. Entries the file does not
// reach keep their previous (built-in) texts.
void LoadCatalogue(KtMsgFamily family, const QString& path);

// Restores every family to its built-in texts (tests use it between cases).
void ResetCatalogue();

// Status line after a read (operation 0) or a write (operation 1).
QString StatusText(int operation, const QString& message, const QString& listName);
