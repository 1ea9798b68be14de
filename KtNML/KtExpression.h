#pragma once
// Expressions over the values of a variable list: arithmetic ("$0*100/$1") recomputing a
// value after a read or before a write, and conditions ("$0>5 | $1=\"abc\"") filtering rows.
// "$k" stands for variable k of the request's own list, "#k" for a linked request's list.
//
// Errors: -512 a referenced value is "(NULL)", -513 a syntax that cannot take part (or a
// reference to a variable the list does not have, or brackets nested absurdly deep),
// -1 "Bad logic operand!" for a condition part that is no comparison and no truth value.
#include "KtNML/KtSNMPVarList.h"

#include <QChar>
#include <QString>

// Arithmetic: "+" and "-" bind loosest and group to the right (10-4-3 is 10-(4-3)), "*" and
// "/" take a single number on their left; brackets are evaluated first; "NOW" is the current
// date-time serial. A bracket counts as the number it evaluates to (so 2*(1-4) is -6).
// Division by zero gives the IEEE result (infinity or NaN).
double EvaluateNumber(const QString& text);
// Conditions: brackets, "|", "&", a leading "!", else a comparison. Operators inside the
// first double-quoted part do not count.
bool EvaluateLogic(const QString& text);
// "<>", ">=", "<=", ">", "<", "=" (the first of these found), comparing the trimmed,
// unquoted operand texts ordinally ("10" < "9"); without an operator "true" or "false".
bool EvaluateComparison(const QString& text);

// Replaces each marker + decimal index by the operand text of that variable, left to right,
// never re-scanning inserted text. Texts of string syntaxes are quoted when quoteStrings is
// true and raise -513 otherwise.
QString SubstituteValues(const KtSNMPVarList& list, const QString& templ, bool quoteStrings,
                         QChar marker = u'$');
// Runs variable i's get expression (afterGet) or set expression and stores the result as its
// value; nothing happens when it has none.
void ApplyExpression(KtSNMPVarList& list, int i, bool afterGet);
// True for an empty condition, else the condition evaluated over the list's values.
bool EvaluateCondition(const KtSNMPVarList& list, const QString& text);
