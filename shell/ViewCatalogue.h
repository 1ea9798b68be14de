#pragma once
// The catalogue of generic views: for every menu command that opens a scalar-group editor or a
// table view, the view's definition table and how the command sets the view up.
//
// Each generic view is a named entry, and its menu path is written once, on the menu line that
// names it. Adding a generic view takes:
//   1. its definition table and its named entry in the group file of its top menu
//      (shell/catalogue/<TopMenu>.cpp, in menu order):
//        constexpr KtSNMPVarDef kDeviceInformation[] = {..., {}};
//        const KtCatalogueEntry DeviceInformation({.captionPrefix = "Device Information: ",
//            .kind = KtViewKind::Editor, .table = kDeviceInformation, .varCount = 2});
//   2. its declaration in shell/catalogue/CatalogueEntries.h:
//        extern const KtCatalogueEntry DeviceInformation;
//   3. one menu line in shell/MainMenu.cpp (editor or table as the entry's kind says; a hidden
//      mark or a step goes on the line):
//        View(2, "Device Information", catalogue::DeviceInformation),
// and nothing else: the menu (shell/MainMenu.h) derives the list of generic views in menu order
// (KtViewCatalogue), the lookup by path (FindView) and each view's path (KtViewPath), which the
// snapshots use as table captions.
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

    // A built-in view of a standard MIB (shell/StandardMibViews.h) only: the MIB and the group or
    // table it shows, e.g. "RMON-MIB / alarmTable"; null for the catalogue's entries.
    const char* mibObject = nullptr;
};

// A generic view of the menu: an entry with a name of its own (namespace catalogue), which one
// menu line names. Each registers itself when the program starts, so a test finds an entry no
// menu line names.
class KtCatalogueEntry : public KtViewEntry {
public:
    explicit KtCatalogueEntry(const KtViewEntry& entry);
    KtCatalogueEntry(const KtCatalogueEntry&) = delete;
    KtCatalogueEntry& operator=(const KtCatalogueEntry&) = delete;
};

// Every catalogue entry linked into the program, in no particular order.
std::span<const KtCatalogueEntry* const> KtCatalogueEntries();
