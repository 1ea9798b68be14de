#pragma once
// Shared pieces of the generic-view tests: definition tables matching data/views.sim, a form
// builder and hooks that record message and confirmation boxes instead of showing them.
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPVarList.h"
#include "views/Guiconfigform.h"
#include "tests/support/MessageRecorder.h"
#include "views/ViewDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <memory>

namespace viewtest {

constexpr KtOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline const KtOptionList olState(kStatePairs);
constexpr KtOptionPair kRowStatusPairs[] = {{1, "active"},       {2, "notInService"}, {3, "notReady"},
                                            {4, "createAndGo"},  {5, "createAndWait"}, {6, "destroy"}, {}};
inline const KtOptionList olRowStatus(kRowStatusPairs);
constexpr KtOptionPair kCreateDestroyPairs[] = {{4, "createAndGo"}, {6, "destroy"}, {}};
inline const KtOptionList olCreateDestroy(kCreateDestroyPairs);

// Rows of kinds 1 to 4 in order, then two more settable rows.
inline const KtSNMPVarDef kGroup[] = {
    {"1.3.6.1.4.1.32473.78.1.1", "Description", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.78.1.2", "Location", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.78.1.3", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.78.2.2", "Fixed State", KtSyn::Integer, KtAcc::ReadOnly, &olState},
    {"1.3.6.1.4.1.32473.78.1.4", "Hold Time", KtSyn::Integer, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.78.1.5", "Server Address", KtSyn::IpAddress, KtAcc::ReadWrite},
    {},
};

inline const KtSNMPVarDef kReadOnlyGroup[] = {
    {"1.3.6.1.4.1.32473.78.2.1", "Firmware", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.78.2.2", "Count", KtSyn::Integer, KtAcc::ReadOnly},
    {},
};

inline const KtSNMPVarDef kSingleGroup[] = {
    {"1.3.6.1.4.1.32473.78.3.1", "Uplink Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {},
};

// The hosts table: key, name, mode, row status (row 3).
inline const KtSNMPVarDef kHosts[] = {
    {"1.3.6.1.4.1.32473.78.4.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.78.4.1.2", "Host Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.78.4.1.3", "Mode", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.78.4.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olRowStatus},
    {},
};
constexpr int kHostsStatusRow = 3;

// The same table with a status list of only the add and delete texts.
inline const KtSNMPVarDef kHostsCreateDestroy[] = {
    {"1.3.6.1.4.1.32473.78.4.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.78.4.1.2", "Host Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.78.4.1.3", "Mode", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.78.4.1.4", "Status", KtSyn::Integer, KtAcc::ReadWrite, &olCreateDestroy},
    {},
};

inline std::unique_ptr<KtSNMPRequest2Edits> MakeRequest(QWidget* form, const KtSNMPVarDef* defs,
                                                        std::uint8_t itemType, int keyCount,
                                                        const char* name = "viewTest")
{
    auto request = std::make_unique<KtSNMPRequest2Edits>(form);
    KtSNMPVarList list(defs, itemType, keyCount);
    list.Name = QLatin1String(name);
    request->VarList().Assign(list);
    return request;
}

// Records message boxes and answers questions (answer: OK).
using BoxRecorder = testutil::MessageRecorder;

inline QLineEdit* EditOf(TEditsPanel* edits, int row)
{
    return qobject_cast<QLineEdit*>(edits->RowAt(row).Value);
}

inline QComboBox* ComboOf(TEditsPanel* edits, int row)
{
    return qobject_cast<QComboBox*>(edits->RowAt(row).Value);
}

inline QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace viewtest
