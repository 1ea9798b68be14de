#pragma once
// What the manager session and the notification receiver share inside the SNMP library
// (internal to the adapter: only snmp/*.cpp include it).
#include "snmp/SnmpSession.h"

#include <string>

struct variable_list;

namespace snmp {

// 0 when the target's security level and protocols can be used, else the USM status.
int checkUsmTarget(const Target& target);

// Puts the target's user into the library's user table for this engine ID, with exactly these
// credentials: a cached entry of the same (engine ID, name) is removed first, so a stale
// password can neither pass nor fail in place of the new one. 0, or a USM status.
int registerUsmUser(const std::string& engineId, const Target& target);

// A varbind of the library as the adapter's value.
Varbind varbindFromLibrary(const variable_list* v);

} // namespace snmp
