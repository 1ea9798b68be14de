#pragma once
// Whole-text checks of what the operator typed, before anything is sent: each answers for the
// entire text (no leading or trailing characters, no partial numbers). GUI-free; a dialog
// shows its own message when one fails (TDialogBase::Require).
#include <QString>

#include <optional>

namespace InputChecks {

// Exactly digits hexadecimal digits (either case), nothing else.
bool IsHexText(const QString& text, int digits);
// A MAC address as the dialogs take it: twelve hexadecimal digits without separators.
bool IsMacText(const QString& text);
// Dotted quad: four octets of 1 to 3 decimal digits, each 0 to 255; a zero octet is written
// "0" ("00" and "000" are refused), a non-zero one may carry leading zeros ("010" is 10).
bool IsIpv4Text(const QString& text);
// The address a text IsIpv4Text accepts (first octet in the high byte); nothing otherwise.
std::optional<quint32> ParseIpv4(const QString& text);
// Two texts naming one address ("010.1.1.1" is "10.1.1.1"); a text that is no address equals
// only the same text.
bool SameIpv4Address(const QString& a, const QString& b);
// Why a RADIUS server may not have the address text: its messages, the broadcast address,
// loopback and the class D and E ranges first (248 to 255 stay allowed), then the dotted
// quad. Empty when the address is accepted.
QString RadiusAddressRefusal(const QString& text);
// A syslog server's address: a dotted quad, not loopback, class D, class E (224 to 247) or the
// broadcast address; 0.0.0.0 is accepted.
bool IsLogHostAddress(const QString& text);
// A whole decimal number (an optional minus sign, then digits only) from low to high.
bool IsWholeNumberIn(const QString& text, qint64 low, qint64 high);
// A VLAN ID: at most four digits, a whole number from 1 to 4094.
bool IsVlanIdText(const QString& text);

} // namespace InputChecks
