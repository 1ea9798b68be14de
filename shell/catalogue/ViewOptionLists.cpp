// Option lists of the generic views, each defined once however many variables show it.
#include "shell/catalogue/ViewOptionLists.h"

namespace {

constexpr KtOptionPair kDisabledEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr KtOptionPair kUnitModePairs[] = {
    {1, "other"}, {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {6, "backup-master"}, {},
};
constexpr KtOptionPair kUnitUserSetStatePairs[] = {{1, "other"}, {2, "auto"}, {3, "user"}, {}};
constexpr KtOptionPair kExistStatePairs[] = {{1, "exist"}, {2, "no-exist"}, {}};
constexpr KtOptionPair kBoxIdPairs[] = {
    {1, "box-1"}, {2, "box-2"}, {3, "box-3"}, {4, "box-4"}, {5, "box-5"}, {6, "box-6"}, {7, "box-7"},
    {8, "box-8"}, {9, "box-9"}, {10, "box-10"}, {11, "box-11"}, {12, "box-12"}, {13, "auto"}, {},
};
constexpr KtOptionPair kPowerStatusPairs[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"}, {5, "connect"},
    {6, "disconnect"}, {},
};
constexpr KtOptionPair kFanStatusPairs[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {}};
constexpr KtOptionPair kSystemResetStatePairs[] = {{2, "cold-start"}, {4, "no-reset"}, {}};
constexpr KtOptionPair kRs232PortConfigPairs[] = {{2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {}};
constexpr KtOptionPair kBaudRatePairs[] = {
    {1, "other"}, {2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"},
    {6, "baudRate-115200"}, {},
};
constexpr KtOptionPair kSaveConfigPairs[] = {
    {1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}, {},
};
constexpr KtOptionPair kAutoLogoutPairs[] = {
    {1, "never"}, {2, "minutes-2"}, {3, "minutes-5"}, {4, "minutes-10"}, {5, "minutes-15"}, {},
};
constexpr KtOptionPair kProtocolCapabilityPairs[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {},
};
constexpr KtOptionPair kConsoleStatusPairs[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
constexpr KtOptionPair kDeviceConfigStatusPairs[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {},
};
constexpr KtOptionPair kFirmwareDownloadStatusPairs[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"},
    {6, "disk-full"}, {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"}, {},
};
constexpr KtOptionPair kSupportedStatePairs[] = {{0, "not-supported"}, {1, "supported"}, {}};
constexpr KtOptionPair kMibTypePairs[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {},
};
constexpr KtOptionPair kGetIpFromPairs[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {}};
constexpr KtOptionPair kOtherStartPairs[] = {{1, "other"}, {2, "start"}, {}};
constexpr KtOptionPair kTrapMessageVersionPairs[] = {
    {1, "snmpAgentVersionDependent"}, {2, "v1Trap"}, {3, "v2Trap"}, {},
};
constexpr KtOptionPair kOtherDisabledEnabledPairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr KtOptionPair kSeverityPairs[] = {{0, "critical"}, {1, "warning"}, {2, "information"}, {}};
constexpr KtOptionPair kFileTransferTypePairs[] = {{2, "network-load"}, {3, "out-of-band-load"}, {}};
constexpr KtOptionPair kFileLoadTypePairs[] = {{2, "upload"}, {3, "download"}, {}};
constexpr KtOptionPair kFileControlPairs[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {},
};
constexpr KtOptionPair kTrueFalsePairs[] = {{1, "true"}, {2, "false"}, {}};
constexpr KtOptionPair kMultiImageActionPairs[] = {
    {1, "config-as-bootup-fw"}, {2, "delete"}, {3, "none"}, {},
};
constexpr KtOptionPair kNoneStartPairs[] = {{1, "none"}, {2, "start"}, {}};
constexpr KtOptionPair kRowStatusCreateDestroyPairs[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {},
};
constexpr KtOptionPair kEnabledDisabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {}};
constexpr KtOptionPair kTargetAddressTypePairs[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {}};
constexpr KtOptionPair kLogSaveMethodPairs[] = {
    {1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {},
};
constexpr KtOptionPair kTimeSourcePairs[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {}};
constexpr KtOptionPair kFalseOnlyPairs[] = {{2, "false"}, {}};
constexpr KtOptionPair kMediaIdPairs[] = {{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}, {5, "f"}, {}};
constexpr KtOptionPair kDirectoryAttributePairs[] = {{1, "dir"}, {2, "file"}, {}};
constexpr KtOptionPair kRowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {},
};
constexpr KtOptionPair kMstInstanceTypePairs[] = {{0, "cist"}, {1, "msti"}, {}};
constexpr KtOptionPair kMstPortStatusPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"},
    {7, "no-stp-enabled"}, {8, "err-disabled"}, {},
};
constexpr KtOptionPair kMstPortRolePairs[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "desinated"}, {5, "master"},
    {6, "nonstp"}, {7, "loopback"}, {},
};
constexpr KtOptionPair kStpPortStatusPairs[] = {
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {},
};
constexpr KtOptionPair kFdbStatusPairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {},
};
constexpr KtOptionPair kStorageTypePairs[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {},
};
constexpr KtOptionPair kSecurityLevelPairs[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};
constexpr KtOptionPair kContextMatchPairs[] = {{1, "exact"}, {2, "prefix"}, {}};
constexpr KtOptionPair kIncludedExcludedPairs[] = {{1, "included"}, {2, "excluded"}, {}};
constexpr KtOptionPair kNotifyTypePairs[] = {{1, "trap"}, {2, "inform"}, {}};
constexpr KtOptionPair kUserAuthProtocolPairs[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {},
};
constexpr KtOptionPair kDeviceAuthModePairs[] = {{1, "portBase"}, {2, "macBase"}, {3, "none"}, {}};
constexpr KtOptionPair kPaeStatePairs[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {},
};
constexpr KtOptionPair kBackendStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"},
    {7, "initialize"}, {},
};
constexpr KtOptionPair kControlledDirectionsPairs[] = {{0, "both"}, {1, "in"}, {}};
constexpr KtOptionPair kAuthPortStatusPairs[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
constexpr KtOptionPair kAuthPortControlPairs[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {},
};
constexpr KtOptionPair kAuthenticMethodPairs[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
constexpr KtOptionPair kTerminateCausePairs[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {},
};
constexpr KtOptionPair kAuthPortCapabilitiesPairs[] = {{1, "none"}, {2, "authenticator"}, {}};
constexpr KtOptionPair kInitOrReauthPairs[] = {{1, "other"}, {2, "initialize"}, {3, "reauthenticate"}, {}};
constexpr KtOptionPair kWebAuthMethodPairs[] = {{1, "local"}, {2, "radius"}, {}};
constexpr KtOptionPair kMacAccessStatusPairs[] = {
    {1, "unconnected"}, {2, "connecting"}, {3, "authenticating"}, {4, "authenticated"}, {5, "failure"}, {},
};
constexpr KtOptionPair kRedirectDestinationPairs[] = {
    {1, "quarantine_server"}, {2, "tollgate_login_page"}, {},
};
constexpr KtOptionPair kHttpProtocolPairs[] = {{1, "http"}, {2, "https"}, {}};
constexpr KtOptionPair kTollgateRadiusProtocolPairs[] = {
    {1, "local"}, {2, "pap"}, {3, "chap"}, {4, "ms_chap"}, {5, "ms_chapv2"}, {6, "eap_md5"}, {},
};
constexpr KtOptionPair kHostAuthStatusPairs[] = {
    {1, "authenticated"}, {2, "authenticating"}, {3, "blocked"}, {},
};
constexpr KtOptionPair kActiveDeletePairs[] = {{1, "active"}, {2, "delete"}, {}};
constexpr KtOptionPair kServerAuthProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"}, {},
};
constexpr KtOptionPair kRekeyIntervalPairs[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {},
};
constexpr KtOptionPair kSshUserAuthModePairs[] = {{1, "hostbased"}, {2, "password"}, {3, "publickey"}, {}};
constexpr KtOptionPair kCertificateFileCtrlPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {},
};
constexpr KtOptionPair kCertificateShowStatusPairs[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};
constexpr KtOptionPair kEnableDisablePairs[] = {{2, "enable"}, {3, "disable"}, {}};
constexpr KtOptionPair kMediumTypePairs[] = {{1, "copper"}, {2, "fiber"}, {}};
constexpr KtOptionPair kPortTypePairs[] = {
    {0, "portType-none"}, {2, "portType-100Base-T"}, {3, "portType-100Base-X"}, {4, "portType-1000Base-T"},
    {5, "portType-1000Base-X"}, {6, "portType-10GBase-R"}, {7, "portType-10GBase-CX4"}, {8, "portType-SIO"},
    {9, "portType-module-empty"}, {10, "portType-user-last"}, {},
};
constexpr KtOptionPair kLinkStatusPairs[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
constexpr KtOptionPair kNwayStatusPairs[] = {
    {0, "link-down"}, {1, "full-10Mbps-8023x"}, {2, "full-10Mbps-none"}, {3, "half-10Mbps-backp"},
    {4, "half-10Mbps-none"}, {5, "full-100Mbps-8023x"}, {6, "full-100Mbps-none"}, {7, "half-100Mbps-backp"},
    {8, "half-100Mbps-none"}, {9, "full-1Gigabps-8023x"}, {10, "full-1Gigabps-none"},
    {11, "half-1Gigabps-backp"}, {12, "half-1Gigabps-none"}, {13, "full-10Gigabps-8023x"},
    {14, "full-10Gigabps-none"}, {15, "half-10Gigabps-8023x"}, {16, "half-10Gigabps-none"}, {17, "empty"},
    {18, "err-disabled"}, {},
};
constexpr KtOptionPair kErrorDisableReasonPairs[] = {
    {0, "none"}, {1, "storm"}, {2, "lbd"}, {3, "unknow"}, {},
};
constexpr KtOptionPair kNwayStatePairs[] = {
    {1, "other"}, {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"}, {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"}, {6, "nway-disabled-100Mbps-Full"}, {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"}, {10, "nway-disabled-1Gigabps-Full-slave"}, {},
};
constexpr KtOptionPair kCableStatusPairs[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "open-short"}, {4, "not-support"}, {5, "unknown"}, {},
};
constexpr KtOptionPair kPairStatusPairs[] = {
    {0, "ok"}, {1, "open"}, {2, "short"}, {3, "fail"}, {4, "not-supported"}, {5, "unknown"}, {},
};
constexpr KtOptionPair kErrConnStatusPairs[] = {{1, "other"}, {2, "err-disabled"}, {}};
constexpr KtOptionPair kErrReasonPairs[] = {{1, "stp-lbd"}, {2, "storm-control"}, {}};
constexpr KtOptionPair kTrunkAlgorithmPairs[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {5, "ip-source"},
    {6, "ip-destination"}, {7, "ip-source-dest"}, {},
};
constexpr KtOptionPair kLacpModePairs[] = {{1, "active"}, {2, "passive"}, {}};
constexpr KtOptionPair kPortSecurityModePairs[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {},
};
constexpr KtOptionPair kQosMechanismControlPairs[] = {{1, "strict"}, {3, "weightfair"}, {}};
constexpr KtOptionPair kQosMechanismPairs[] = {{1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {}};
constexpr KtOptionPair kMulticastFilterModePairs[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {},
};
constexpr KtOptionPair kPermitDenyPairs[] = {{1, "permit"}, {2, "deny"}, {}};
constexpr KtOptionPair kOtherAddDeletePairs[] = {{1, "other"}, {2, "add"}, {3, "delete"}, {}};
constexpr KtOptionPair kQuerierStatePairs[] = {{2, "querier"}, {3, "non-querier"}, {}};
constexpr KtOptionPair kDisableEnablePairs[] = {{2, "disable"}, {3, "enable"}, {}};
constexpr KtOptionPair kOption82PolicyPairs[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {}};
constexpr KtOptionPair kStormTrapPairs[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {},
};
constexpr KtOptionPair kStormControlStatusPairs[] = {{1, "disabled"}, {2, "enabled"}, {}};
constexpr KtOptionPair kStormActionPairs[] = {{1, "shutdown"}, {2, "drop"}, {}};
constexpr KtOptionPair kYesNoPairs[] = {{1, "yes"}, {2, "no"}, {}};
constexpr KtOptionPair kMacMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {},
};
constexpr KtOptionPair kDenyPermitPairs[] = {{1, "deny"}, {2, "permit"}, {}};
constexpr KtOptionPair kIpMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {},
};
constexpr KtOptionPair kIpProtocolPairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {},
};
constexpr KtOptionPair kIcmpOptionPairs[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {}};
constexpr KtOptionPair kMaskFieldOptionPairs[] = {{1, "enable"}, {2, "disable"}, {}};
constexpr KtOptionPair kPortMaskOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {},
};
constexpr KtOptionPair kIpv6MaskStatePairs[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}, {},
};
constexpr KtOptionPair kOtherQuerierStatePairs[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
constexpr KtOptionPair kOtherDisableEnablePairs[] = {{1, "other"}, {2, "disable"}, {3, "enable"}, {}};
constexpr KtOptionPair kMldVersionPairs[] = {{1, "version-1"}, {2, "version-2"}, {}};
constexpr KtOptionPair kSingleIpRolePairs[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {}};
constexpr KtOptionPair kNeighborRolePairs[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {}};

// SNMPv3 protocols are object identifiers, so these two lists map whole OID texts to names:
// every protocol the module itself speaks (/a and /p), so that no user of the agent shows a
// raw OID. SHA-2 are RFC 7860's, AES-128 is RFC 3826's, AES-192/256 the draft's
// (draft-blumenthal-aes-usm-04) as the SNMP library knows them.
constexpr KtOptionTextPair kAuthProtocolsPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},    {"1.3.6.1.6.3.10.1.1.2", "MD5"},     {"1.3.6.1.6.3.10.1.1.3", "SHA"},
    {"1.3.6.1.6.3.10.1.1.4", "SHA-224"}, {"1.3.6.1.6.3.10.1.1.5", "SHA-256"}, {"1.3.6.1.6.3.10.1.1.6", "SHA-384"},
    {"1.3.6.1.6.3.10.1.1.7", "SHA-512"}, {},
};
constexpr KtOptionTextPair kPrivProtocolsPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},       {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {"1.3.6.1.6.3.10.1.2.4", "AES-128"},    {"1.3.6.1.4.1.14832.1.3", "AES-192"},
    {"1.3.6.1.4.1.14832.1.4", "AES-256"},   {},
};

} // namespace

const KtOptionList olDisabledEnabled(kDisabledEnabledPairs);
const KtOptionList olUnitMode(kUnitModePairs);
const KtOptionList olUnitUserSetState(kUnitUserSetStatePairs);
const KtOptionList olExistState(kExistStatePairs);
const KtOptionList olBoxId(kBoxIdPairs);
const KtOptionList olPowerStatus(kPowerStatusPairs);
const KtOptionList olFanStatus(kFanStatusPairs);
const KtOptionList olSystemResetState(kSystemResetStatePairs);
const KtOptionList olRs232PortConfig(kRs232PortConfigPairs);
const KtOptionList olBaudRate(kBaudRatePairs);
const KtOptionList olSaveConfig(kSaveConfigPairs);
const KtOptionList olAutoLogout(kAutoLogoutPairs);
const KtOptionList olProtocolCapability(kProtocolCapabilityPairs);
const KtOptionList olConsoleStatus(kConsoleStatusPairs);
const KtOptionList olDeviceConfigStatus(kDeviceConfigStatusPairs);
const KtOptionList olFirmwareDownloadStatus(kFirmwareDownloadStatusPairs);
const KtOptionList olSupportedState(kSupportedStatePairs);
const KtOptionList olMibType(kMibTypePairs);
const KtOptionList olGetIpFrom(kGetIpFromPairs);
const KtOptionList olOtherStart(kOtherStartPairs);
const KtOptionList olTrapMessageVersion(kTrapMessageVersionPairs);
const KtOptionList olOtherDisabledEnabled(kOtherDisabledEnabledPairs);
const KtOptionList olSeverity(kSeverityPairs);
const KtOptionList olFileTransferType(kFileTransferTypePairs);
const KtOptionList olFileLoadType(kFileLoadTypePairs);
const KtOptionList olFileControl(kFileControlPairs);
const KtOptionList olTrueFalse(kTrueFalsePairs);
const KtOptionList olMultiImageAction(kMultiImageActionPairs);
const KtOptionList olNoneStart(kNoneStartPairs);
const KtOptionList olRowStatusCreateDestroy(kRowStatusCreateDestroyPairs);
const KtOptionList olEnabledDisabled(kEnabledDisabledPairs);
const KtOptionList olTargetAddressType(kTargetAddressTypePairs);
const KtOptionList olLogSaveMethod(kLogSaveMethodPairs);
const KtOptionList olTimeSource(kTimeSourcePairs);
const KtOptionList olFalseOnly(kFalseOnlyPairs);
const KtOptionList olMediaId(kMediaIdPairs);
const KtOptionList olDirectoryAttribute(kDirectoryAttributePairs);
const KtOptionList olRowStatus(kRowStatusPairs);
const KtOptionList olMstInstanceType(kMstInstanceTypePairs);
const KtOptionList olMstPortStatus(kMstPortStatusPairs);
const KtOptionList olMstPortRole(kMstPortRolePairs);
const KtOptionList olStpPortStatus(kStpPortStatusPairs);
const KtOptionList olFdbStatus(kFdbStatusPairs);
const KtOptionList olStorageType(kStorageTypePairs);
const KtOptionList olSecurityLevel(kSecurityLevelPairs);
const KtOptionList olAuthProtocols(kAuthProtocolsPairs, KtOptValue::Text);
const KtOptionList olPrivProtocols(kPrivProtocolsPairs, KtOptValue::Text);
const KtOptionList olContextMatch(kContextMatchPairs);
const KtOptionList olIncludedExcluded(kIncludedExcludedPairs);
const KtOptionList olNotifyType(kNotifyTypePairs);
const KtOptionList olUserAuthProtocol(kUserAuthProtocolPairs);
const KtOptionList olDeviceAuthMode(kDeviceAuthModePairs);
const KtOptionList olPaeState(kPaeStatePairs);
const KtOptionList olBackendState(kBackendStatePairs);
const KtOptionList olControlledDirections(kControlledDirectionsPairs);
const KtOptionList olAuthPortStatus(kAuthPortStatusPairs);
const KtOptionList olAuthPortControl(kAuthPortControlPairs);
const KtOptionList olAuthenticMethod(kAuthenticMethodPairs);
const KtOptionList olTerminateCause(kTerminateCausePairs);
const KtOptionList olAuthPortCapabilities(kAuthPortCapabilitiesPairs);
const KtOptionList olInitOrReauth(kInitOrReauthPairs);
const KtOptionList olWebAuthMethod(kWebAuthMethodPairs);
const KtOptionList olMacAccessStatus(kMacAccessStatusPairs);
const KtOptionList olRedirectDestination(kRedirectDestinationPairs);
const KtOptionList olHttpProtocol(kHttpProtocolPairs);
const KtOptionList olTollgateRadiusProtocol(kTollgateRadiusProtocolPairs);
const KtOptionList olHostAuthStatus(kHostAuthStatusPairs);
const KtOptionList olActiveDelete(kActiveDeletePairs);
const KtOptionList olServerAuthProtocol(kServerAuthProtocolPairs);
const KtOptionList olRekeyInterval(kRekeyIntervalPairs);
const KtOptionList olSshUserAuthMode(kSshUserAuthModePairs);
const KtOptionList olCertificateFileCtrl(kCertificateFileCtrlPairs);
const KtOptionList olCertificateShowStatus(kCertificateShowStatusPairs);
const KtOptionList olEnableDisable(kEnableDisablePairs);
const KtOptionList olMediumType(kMediumTypePairs);
const KtOptionList olPortType(kPortTypePairs);
const KtOptionList olLinkStatus(kLinkStatusPairs);
const KtOptionList olNwayStatus(kNwayStatusPairs);
const KtOptionList olErrorDisableReason(kErrorDisableReasonPairs);
const KtOptionList olNwayState(kNwayStatePairs);
const KtOptionList olCableStatus(kCableStatusPairs);
const KtOptionList olPairStatus(kPairStatusPairs);
const KtOptionList olErrConnStatus(kErrConnStatusPairs);
const KtOptionList olErrReason(kErrReasonPairs);
const KtOptionList olTrunkAlgorithm(kTrunkAlgorithmPairs);
const KtOptionList olLacpMode(kLacpModePairs);
const KtOptionList olPortSecurityMode(kPortSecurityModePairs);
const KtOptionList olQosMechanismControl(kQosMechanismControlPairs);
const KtOptionList olQosMechanism(kQosMechanismPairs);
const KtOptionList olMulticastFilterMode(kMulticastFilterModePairs);
const KtOptionList olPermitDeny(kPermitDenyPairs);
const KtOptionList olOtherAddDelete(kOtherAddDeletePairs);
const KtOptionList olQuerierState(kQuerierStatePairs);
const KtOptionList olDisableEnable(kDisableEnablePairs);
const KtOptionList olOption82Policy(kOption82PolicyPairs);
const KtOptionList olStormTrap(kStormTrapPairs);
const KtOptionList olStormControlStatus(kStormControlStatusPairs);
const KtOptionList olStormAction(kStormActionPairs);
const KtOptionList olYesNo(kYesNoPairs);
const KtOptionList olMacMaskState(kMacMaskStatePairs);
const KtOptionList olDenyPermit(kDenyPermitPairs);
const KtOptionList olIpMaskState(kIpMaskStatePairs);
const KtOptionList olIpProtocol(kIpProtocolPairs);
const KtOptionList olIcmpOption(kIcmpOptionPairs);
const KtOptionList olMaskFieldOption(kMaskFieldOptionPairs);
const KtOptionList olPortMaskOption(kPortMaskOptionPairs);
const KtOptionList olIpv6MaskState(kIpv6MaskStatePairs);
const KtOptionList olOtherQuerierState(kOtherQuerierStatePairs);
const KtOptionList olOtherDisableEnable(kOtherDisableEnablePairs);
const KtOptionList olMldVersion(kMldVersionPairs);
const KtOptionList olSingleIpRole(kSingleIpRolePairs);
const KtOptionList olNeighborRole(kNeighborRolePairs);
