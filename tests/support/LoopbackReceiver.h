#pragma once
// The notification receiver of the tests: a free port on 127.0.0.1 and ::1, the simulator's
// community and its SNMPv3 user vkrsha (SHA, AES). Header only: the tests that use it link the
// adapter, the support libraries do not.
#include "snmp/SnmpNotifications.h"

namespace testutil {

inline snmp::ReceiverSettings LoopbackReceiverSettings()
{
    snmp::ReceiverSettings settings;
    settings.port = 0;
    settings.addresses = {"127.0.0.1", "::1"};
    settings.communities = {"public"};
    settings.user.securityName = "vkrsha";
    settings.user.securityLevel = 3;
    settings.user.authProtocol = 3;
    settings.user.authPassword = "vkrauthpass";
    settings.user.privProtocol = 5;
    settings.user.privPassword = "vkrprivpass";
    return settings;
}

} // namespace testutil
