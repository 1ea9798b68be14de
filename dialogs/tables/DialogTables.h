#pragma once
// The dedicated dialogs' definition tables that configuration snapshots read, as snapshot
// sources. Free of widgets.
#include "KtNML/KtSnapshot.h"

#include <vector>

std::vector<KtSnapshotSource> KtDialogSnapshotSources();
