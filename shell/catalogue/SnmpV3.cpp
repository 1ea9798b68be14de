// Generic views under "SNMP V3", in menu order: each view's definition table and its
// named entry (declared in CatalogueEntries.h, opened by the menu line that names it).
#include "shell/catalogue/CatalogueEntries.h"
#include "shell/catalogue/ViewOptionLists.h"

namespace catalogue {

constexpr KtSNMPVarDef kSNMPEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", KtSyn::OctetStr, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry SNMPEngine({.captionPrefix = "SNMP Engine: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSNMPEngine, .varCount = 4, .editWidthScaled = 30,
    .editWidthAddsFirstRow = true});

constexpr KtSNMPVarDef kMessageProcessingAndDispatching[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry MessageProcessingAndDispatching({.captionPrefix = "Message Processingand Dispatching: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kMessageProcessingAndDispatching,
    .varCount = 3});

constexpr KtSNMPVarDef kSNMPTargetMIBGeneralInformation[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry SNMPTargetMIBGeneralInformation({.captionPrefix = "General Information: ",
    .kind = KtViewKind::Editor, .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kSNMPTargetMIBGeneralInformation,
    .varCount = 3});

constexpr KtSNMPVarDef kSNMPTargetMIBTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", KtSyn::ObjectId, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", KtSyn::BitStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr KtViewFormat kSNMPTargetMIBTargetAddressTableFormats[] = {{4, "%i{n0x255l3}"}};
const KtCatalogueEntry SNMPTargetMIBTargetAddressTable({.captionPrefix = "Target Address Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kSNMPTargetMIBTargetAddressTable,
    .varCount = 9, .addIndex = 8, .addText = "createAndGo", .deleteIndex = 8, .deleteText = "destroy",
    .formats = kSNMPTargetMIBTargetAddressTableFormats});

constexpr KtSNMPVarDef kTargetParameters[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Securit yName", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", KtSyn::Integer, KtAcc::ReadWrite, &olSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "StorageType", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry TargetParameters({.captionPrefix = "Target Parameters: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kTargetParameters, .varCount = 7, .addIndex = 6,
    .addText = "createAndGo", .deleteIndex = 6, .deleteText = "destroy"});

constexpr KtSNMPVarDef kUserBasedSecurityModelStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};
const KtCatalogueEntry UserBasedSecurityModelStatistics({.captionPrefix = "Statistics: ", .kind = KtViewKind::Editor,
    .itemType = KtItem::SVT_SV, .keyCount = 0, .table = kUserBasedSecurityModelStatistics, .varCount = 6});

constexpr KtSNMPVarDef kUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", KtSyn::OctetStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", KtSyn::ObjectId, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", KtSyn::ObjectId, KtAcc::ReadWrite, &olAuthProtocols},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", KtSyn::ObjectId, KtAcc::ReadWrite, &olPrivProtocols},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry UserTable({.captionPrefix = "User Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kUserTable, .varCount = 13, .addIndex = 12,
    .addText = "createAndGo", .deleteIndex = 12, .deleteText = "destroy"});

constexpr KtSNMPVarDef kSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry SecurityGroupTable({.captionPrefix = "Security Group Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kSecurityGroupTable, .varCount = 5, .addIndex = 4,
    .addText = "createAndGo", .deleteIndex = 4, .deleteText = "destroy"});

constexpr KtSNMPVarDef kAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", KtSyn::Integer, KtAcc::NotAccess, &olSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", KtSyn::Integer, KtAcc::ReadWrite, &olContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry AccessTable({.captionPrefix = "Access Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 4, .table = kAccessTable, .varCount = 10, .addIndex = 9,
    .addText = "createAndGo", .deleteIndex = 9, .deleteText = "destroy"});

constexpr KtSNMPVarDef kViewMIBTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", KtSyn::ObjectId, KtAcc::NotAccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", KtSyn::Integer, KtAcc::ReadWrite, &olIncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry ViewMIBTreeFamilyTable({.captionPrefix = "View MIB Tree Family Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kViewMIBTreeFamilyTable,
    .varCount = 6, .addIndex = 5, .addText = "createAndGo", .deleteIndex = 5, .deleteText = "destroy"});

constexpr KtSNMPVarDef kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", KtSyn::Integer, KtAcc::ReadWrite, &olNotifyType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry NotifyTable({.captionPrefix = "Notify Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kNotifyTable, .varCount = 5, .addIndex = 4,
    .addText = "createAndGo", .deleteIndex = 4, .deleteText = "destroy"});

constexpr KtSNMPVarDef kNotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry NotifyFilterProfileTable({.captionPrefix = "Notify Filter Profile Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kNotifyFilterProfileTable,
    .varCount = 4, .addIndex = 3, .addText = "createAndGo", .deleteIndex = 3, .deleteText = "destroy",
    .heightRule = KtHeightRule::Scaled, .height = 450});

constexpr KtSNMPVarDef kNotifyFilterEntryTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", KtSyn::DisplayStr, KtAcc::NotAccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", KtSyn::ObjectId, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", KtSyn::Integer, KtAcc::ReadWrite, &olIncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry NotifyFilterEntryTable({.captionPrefix = "Notify Filter Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 2, .table = kNotifyFilterEntryTable, .varCount = 6, .addIndex = 5,
    .addText = "createAndGo", .deleteIndex = 5, .deleteText = "destroy"});

constexpr KtSNMPVarDef kCommunityStringTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", KtSyn::Integer, KtAcc::ReadWrite, &olStorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
const KtCatalogueEntry CommunityStringTable({.captionPrefix = "SNMP Community Table: ", .kind = KtViewKind::Table,
    .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kCommunityStringTable, .varCount = 8, .addIndex = 7,
    .addText = "createAndGo", .deleteIndex = 7, .deleteText = "destroy"});

constexpr KtSNMPVarDef kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};
const KtCatalogueEntry CommunityTargetAddressTable({.captionPrefix = "Target Address Table: ",
    .kind = KtViewKind::Table, .itemType = KtItem::MVT_UMV, .keyCount = 1, .table = kCommunityTargetAddressTable,
    .varCount = 3});

} // namespace catalogue
