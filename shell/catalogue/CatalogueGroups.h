#pragma once
// The catalogue entries of each top menu, in menu order; ViewCatalogue joins them.
#include "shell/ViewCatalogue.h"

#include <span>

std::span<const KtViewEntry> BasicConfigurationViews();  // "Basic Configuration"
std::span<const KtViewEntry> RmonViews();  // "RMON"
std::span<const KtViewEntry> BridgeViews();  // "Bridge"
std::span<const KtViewEntry> VlanViews();  // "VLAN"
std::span<const KtViewEntry> SnmpV3Views();  // "SNMP V3"
std::span<const KtViewEntry> SecurityManagementViews();  // "Security Management"
std::span<const KtViewEntry> Layer2ManagementViews();  // "Layer 2 Management"
std::span<const KtViewEntry> SingleIpViews();  // "Single IP"
