#pragma once
// Whole-text checks of what the operator typed, before anything is sent: each answers for the
// entire text (no leading or trailing characters, no partial numbers). GUI-free; a dialog
// shows its own message when one fails (TDialogBase::Require).
#include <QString>

namespace InputChecks {

// Exactly digits hexadecimal digits (either case), nothing else.
bool IsHexText(const QString& text, int digits);
// A MAC address as the dialogs take it: twelve hexadecimal digits without separators.
bool IsMacText(const QString& text);
// Dotted quad: four octets of 1 to 3 decimal digits, each 0 to 255; a zero octet is written
// "0" ("00" and "000" are refused), a non-zero one may carry leading zeros ("010" is 10).
bool IsIpv4Text(const QString& text);
// A whole decimal number (an optional minus sign, then digits only) from low to high.
bool IsWholeNumberIn(const QString& text, qint64 low, qint64 high);
// A VLAN ID: at most four digits, a whole number from 1 to 4094.
bool IsVlanIdText(const QString& text);

} // namespace InputChecks
