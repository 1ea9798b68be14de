#include "dialogs/security/AclOptions.h"

namespace AclOptions {

const KtOptionList RowStatus({{1, "active"},
                              {2, "notInService"},
                              {3, "notReady"},
                              {4, "createAndGo"},
                              {5, "createAndWait"},
                              {6, "destroy"}});
const KtOptionList Owner({{1, "any"},
                          {2, "acl"},
                          {3, "ipbind"},
                          {4, "other"},
                          {5, "dhcp"},
                          {6, "netbios"},
                          {7, "ext-netbios"}});
const KtOptionList EnabledDisabled({{1, "enabled"}, {2, "disabled"}});
const KtOptionList EnableDisable({{1, "enable"}, {2, "disable"}});
const KtOptionList Permit({{1, "deny"}, {2, "permit"}, {3, "mirror"}});
const KtOptionList PermitDeny({{1, "deny"}, {2, "permit"}});

const KtOptionList MacMaskState({{1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}});
const KtOptionList IpMaskState({{1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}});
const KtOptionList Ipv6MaskState({{1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}});

const KtOptionList ProtocolType({{1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}});
const KtOptionList IcmpOption({{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}});
const KtOptionList PortOption({{1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}});

} // namespace AclOptions
