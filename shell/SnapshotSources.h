#pragma once
// The object sources of a configuration snapshot: every definition table of the module that
// names read-write objects (the generic views of the catalogue, the built-in views of the
// standard MIBs, the dedicated dialogs' tables of dialogs/tables), with the caption and row
// handling of its view. Free of widgets.
#include "KtNML/KtSnapshot.h"

#include <vector>

std::vector<KtSnapshotSource> KtSnapshotSources();

// The plan built from them, once per process.
const KtSnapshotPlan& KtSnapshotModulePlan();

// The module's release, written into a snapshot's header.
QString KtModuleRelease();
