#pragma once
// A value, or a field of one, spread over several edits: an IPv4 address over four, a MAC
// address over six, time ticks as days, hours, minutes, seconds and hundredths, an octet
// string a byte per edit. Splitting and joining are pure text work; the binding only moves
// the parts between the edits and the variable.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The fewest edits the syntax spreads over (0: any number).
int KtSpreadMinimumParts(int syntax);

// How many of partCount edits the syntax uses: the edits after them are neither shown nor
// read. Raises -522 when partCount is below the syntax's minimum.
int KtSpreadUsedParts(int syntax, int partCount);

// The texts of the used edits for a field's text and byte form (as FieldText gives them).
// Nothing when the edits keep what they show: "(NULL)" for an address, time or date.
// Raises -522 for too few edits, -518 for a byte form too short for its syntax.
std::optional<QStringList> KtSplitValue(int syntax, const QString& text, const QByteArray& bytes, int partCount);

// The field's text from the used edits' texts, in the order KtSplitValue gives them.
// Raises -522 for too few parts; an address or time that is no value is joined as typed, for
// the codec to refuse naming its variable.
QString KtJoinValue(int syntax, const QStringList& parts);
