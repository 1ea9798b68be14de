#pragma once
// Built-in views of the standard MIBs, one or more per tool command of the menu: what the
// module shows itself when the host suite's tool of a command is missing (or when the
// configuration prefers them). The entries have the catalogue's form but no menu line names
// them: they are found by the tool command's argument, and each is known by the MIB object it
// shows (KtViewEntry::mibObject, the table caption of snapshots).
//
//   for (const KtViewEntry& view : FindToolViews(u"/TMIB_IFTable"))
//       menu->OpenGenericView(view);
#include "shell/ViewCatalogue.h"

#include <QStringView>
#include <span>

struct KtToolViews {
    const char* argument = nullptr;  // the tool command's argument, e.g. "/TMIB_Info"
    std::span<const KtViewEntry> views;  // opened in this order
};

// Every tool command with its views, in menu order.
std::span<const KtToolViews> KtStandardMibViews();

// The views of a tool command's argument; empty when it has none.
std::span<const KtViewEntry> FindToolViews(QStringView argument);
