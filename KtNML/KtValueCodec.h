#pragma once
// The value codec: display text <-> received varbinds, varbinds to send, instance-OID index
// sub-identifiers and byte forms (fields and bits of octet-string variables).
//
// Every value inside the framework is display text. Failures throw KtException:
// -511 a syntax a conversion does not handle, -518 a byte form too short for its syntax,
// -519 a field or bit beyond the end of the data, -514 an instance suffix too short for its
// keys, -530 a text that is no value of its syntax (naming the variable's label when known).
//
// Text to send is taken strictly: a whole number in the syntax's range (integer, counters,
// gauge, 8- and 16-bit fields), time ticks as a number or in their shown form, a dotted quad
// of 0..255 octets, and so on; empty text is no number. Display strings travel as UTF-8 and
// are shown as UTF-8 when their bytes are valid UTF-8, else as Latin-1.
#include "KtNML/KtSNMPVarList.h"
#include "snmp/SnmpTypes.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <cstdint>

// No value (NULL varbinds, empty byte forms, SNMPv2 exceptions); sent as a NULL varbind.
inline constexpr QLatin1String KtNullText("(NULL)");
// A column a table walk has passed the end of, in the current row.
inline constexpr QLatin1String KtNotDoneText("(NOTDONE)");

// ---- text forms -------------------------------------------------------------------------

// Two uppercase hex digits per byte, no separators.
QString KtBytesToHex(const QByteArray& bytes);
// Spaces removed, digits taken in pairs (an odd count makes the first digit a byte of its
// own), any other character counts as 0.
QByteArray KtHexToBytes(const QString& text);

// "h:mm:ss.hh", "1 day h:mm:ss.hh" or "N days, h:mm:ss.hh".
QString KtTicksToText(std::uint32_t ticks);
// Reads "[N day[s]][,] h:m:s.hh" piecewise; a text without these markers gives 0. Each number
// saturates at the 32-bit range and the total is clamped to 0..4294967295.
std::uint32_t KtTextToTicks(const QString& text);

// Shortest general form with up to 15 significant digits.
QString KtRealToText(double value);
// Leading blanks skipped, stops at the first character that cannot continue a decimal
// number, no number gives 0. Magnitudes beyond the double range give +-infinity.
double KtTextToReal(const QString& text);

// Lenient decimal input for computed texts: leading blanks, optional sign, digits up to the
// first other character; no digits gives 0. Text outside the target range SATURATES at the
// range's nearest end (e.g. "4294967296" gives 2147483647 as a signed value, "-5" gives 0 as
// an unsigned one). Typed values go through the strict conversions below instead.
std::int32_t KtDecimalToInt32(const QString& text);
std::uint32_t KtDecimalToUInt32(const QString& text);
std::uint64_t KtDecimalToUInt64(const QString& text);

// ---- variables --------------------------------------------------------------------------

// Sets the variable's display text from a received varbind (mapped through its option list).
void ValueFromVb(KtSNMPVar& var, const snmp::Varbind& vb);
// Whether a received varbind carries a value of the variable's syntax: numbers for the number
// syntaxes, octets for the octet forms, an address for the addresses, an OID for an OID. An
// SNMPv2 exception or a NULL carries none (a variable of syntax "null" takes anything).
bool KtVarbindFits(std::int32_t syntax, const snmp::Varbind& vb);
// The type of a varbind as the MIBs name it ("OCTET STRING", "noSuchObject", ...).
QString KtVarbindTypeName(const snmp::Varbind& vb);
// Fills the varbind (value and tag) from the variable's display text.
void ValueToVb(const KtSNMPVar& var, snmp::Varbind& vb);

// Decodes key variable i of the list from the front of a dotted instance suffix, stores the
// key's display text and returns the rest of the suffix.
QString DecodeIndex(KtSNMPVarList& list, int i, const QString& suffix);
// Dotted sub-identifiers of key variable i (may be empty, e.g. for "null").
QString EncodeIndex(const KtSNMPVarList& list, int i);
// The instance suffix of the current row: the keys' encodings joined with ".".
QString EncodeInstance(const KtSNMPVarList& list);

// ---- byte forms and fields --------------------------------------------------------------

// "(NULL)" and "(NOTDONE)" give no bytes; a text that is no value of the syntax raises -530
// naming label.
QByteArray TextToBytes(const QString& text, int syntax, const QString& label = QString());
QString BytesToText(const QByteArray& bytes, int syntax);
// The bytes of one field starting at byteIndex.
QByteArray GetChunk(const QByteArray& bytes, int byteIndex, int syntax);
// Writes a field at byteIndex, extending the byte string with zero bytes as needed.
void PutChunk(QByteArray& bytes, int byteIndex, const QByteArray& chunk);

// Bit b is byte b/8, mask 0x80 >> b%8 (bit 0 is the top bit of the first byte; port p of a
// port list is bit p-1). A bit beyond the end reads as 0 (a short port list); writing extends
// with zeros. A negative bit raises -519.
bool GetBit(const QByteArray& bytes, int bit);
void PutBit(QByteArray& bytes, int bit, bool on);

// A field of a variable as text: the value mapped back through the option list, its byte form
// with the variable's syntax, the field cut out and shown with the field's syntax. At byte 0
// with the variable's own syntax the raw value text is returned uncut. fieldBytes, when given,
// receives the field's byte form.
QString FieldText(const KtSNMPVar& var, int byteIndex, int syntax, QByteArray* fieldBytes = nullptr);
