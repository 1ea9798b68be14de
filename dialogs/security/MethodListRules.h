#pragma once
// The rules a login or enable method list obeys before it is written, apart from any widget:
// four methods tried in order, each a position in the dialog's type list or unset.
//
// Positions in both type lists: 4 "server-group" (the method names a group), 5 the local
// account database ("local" or "local-enable") and 6 "none", after which no method is ever
// tried; 7 "other", like an empty type, leaves the method unset.
#include <QString>

#include <array>
#include <set>

namespace MethodListRules {

inline constexpr int kMethodCount = 4;
inline constexpr int kUnset = -1;
inline constexpr int kServerGroupPosition = 4;
inline constexpr int kLocalPosition = 5;
inline constexpr int kNonePosition = 6;
inline constexpr int kOtherPosition = 7;

// The combo position of methods 1 to 4, or kUnset.
using Positions = std::array<int, kMethodCount>;

// The position of a type combo standing at comboIndex showing text: unset for no choice, an
// empty text or "other".
int MethodPosition(int comboIndex, const QString& text);

// True when no set method follows a set method that ends the list (local or none); unset
// methods in between do not matter.
bool CheckMethodOrder(const Positions& positions);

// Every method after the first set one that ends the list becomes unset.
Positions TruncateMethods(const Positions& positions);

// The variables a write leaves out for these methods: for an unset method N its type (2N-1)
// and its server group (2N); for a method other than "server-group", its server group.
std::set<int> LeftOutByMethods(const Positions& positions);

// The first method (1 to 4) that is "server-group" with an empty group in groups and would be
// written (no method that ends the list comes before it); 0 when there is none. A group left
// empty (or blank) would erase the one on the switch.
int FirstEmptyGroup(const Positions& positions, const std::array<QString, kMethodCount>& groups);

} // namespace MethodListRules
