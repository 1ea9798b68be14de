#pragma once
// The option lists of the access-control dialogs (masks, rules and their viewers), one place
// for all of them so that every dialog shows the same words for the same values.
#include "KtNML/KtOptionList.h"

namespace AclOptions {

// Row status: "createAndGo" is position 3 and "destroy" position 5 in every ACL dialog.
extern const KtOptionList RowStatus;
inline constexpr int kCreateAndGoPosition = 3;
inline constexpr int kDestroyPosition = 5;

// Who made a profile: 1 "any" ... 7 "ext-netbios" ("acl" is position 1).
extern const KtOptionList Owner;
inline constexpr int kAclOwnerPosition = 1;

// 1 "enabled", 2 "disabled".
extern const KtOptionList EnabledDisabled;
// 1 "enable", 2 "disable".
extern const KtOptionList EnableDisable;
// 1 "deny", 2 "permit", 3 "mirror".
extern const KtOptionList Permit;
// 1 "deny", 2 "permit": the IP-MAC binding rules.
extern const KtOptionList PermitDeny;

// Address mask states: 1 "other", then destination, source, both.
extern const KtOptionList MacMaskState;
extern const KtOptionList IpMaskState;
// 1 "other", 2 "dst-ipv6-addr", 3 "src-ipv6-addr".
extern const KtOptionList Ipv6MaskState;

// 1 "none", 2 "icmp", 3 "igmp", 4 "tcp", 5 "udp", 6 "protocolId".
extern const KtOptionList ProtocolType;
// ICMP option: 1 "none", 2 "type", 3 "code", 4 "type-code".
extern const KtOptionList IcmpOption;
// TCP and UDP port options: 1 "other", 2 "dst-addr", 3 "src-addr", 4 "dst-src-addr".
extern const KtOptionList PortOption;

} // namespace AclOptions
