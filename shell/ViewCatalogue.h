#pragma once
// The catalogue of generic views: for every menu command that opens a scalar-group editor or a
// table view, the view's definition table and how the command sets the view up.
//
// Entries are constant data; the menu finds an entry by its menu path, the captions of the
// menu items from the top joined by " / " (captions keep their trailing blanks):
//
//   const KtViewEntry* v = FindView("Basic Configuration / Device Management / Device Information");
//   KtSNMPVarList list(v->table, v->itemType, v->keyCount);
#include "KtNML/KtSNMPVarList.h"

#include <cstdint>
#include <span>

enum class KtViewKind : std::uint8_t {
    Editor,  // one scalar group (AddEditorPanel)
    Table,   // a table with add, edit and delete (AddTablePanel)
};

// How the command sizes the form after the panel is in place. Scaled sizes are multiplied by the
// display scale.
enum class KtHeightRule : std::uint8_t {
    Unchanged,
    Scaled,     // height := height x scale
    Fixed,      // height := height, whatever the scale
    AddScaled,  // height += height x scale
};

// An input constraint on one row of the view (an edit-constraint format).
struct KtViewFormat {
    int row = 0;
    const char* format = nullptr;
};

struct KtViewEntry {
    const char* menuPath = nullptr;       // e.g. "Basic Configuration / Device Management / Device Information"
    bool hidden = false;                  // the menu item is invisible from the start
    const char* captionPrefix = nullptr;  // put before the device address in the caption
    KtViewKind kind = KtViewKind::Editor;
    std::uint8_t itemType = KtItem::SVT_SV;
    std::int32_t keyCount = 0;
    const KtSNMPVarDef* table = nullptr;  // ended by a record with a null OID
    int varCount = 0;                     // records of table before its terminator

    // Row-status handling of a table: the row of the status variable and the option texts it
    // carries to create and to delete a row; -1 and null where the table has none.
    int addIndex = -1;
    const char* addText = nullptr;
    int deleteIndex = -1;
    const char* deleteText = nullptr;
    bool noEdit = false;  // add-and-delete only: "Edit" hidden, no double-click action

    std::span<const KtViewFormat> formats = {};  // SetVarFormat(row, format) for each

    KtHeightRule heightRule = KtHeightRule::Unchanged;
    int height = 0;
    int widthAddScaled = 0;              // form width += this x scale (0: unchanged)
    int editWidthScaled = 0;             // SetEditWidth(this x scale ...) (0: not called)
    bool editWidthAddsFirstRow = false;  // ... + the width of the first row

    // A counter view: a refresh interval to choose and each counter's change per second.
    bool counterRates = false;
};

// Every generic view, in menu order.
std::span<const KtViewEntry> KtViewCatalogue();

// The entry with exactly this menu path, or null.
const KtViewEntry* FindView(const char* menuPath);
