#pragma once
// The main window's menu bar as data: one record per item, in menu order, with its depth,
// caption (exactly as shown, trailing blanks and line feeds included), start-up visibility and
// command. TMainMenu builds the QMenuBar and the port popup menu from the records and
// dispatches the commands: generic views open the catalogue entry their line names, dialogs
// through registered factories, external tools through a registered launcher, and the shell's
// own functions (front panel, help, about) through registered handlers.
//
// A generic view's menu path is written only here: the list of generic views, the lookup by
// path and each view's path are derived from the menu (KtViewCatalogue, FindView, KtViewPath).
//
// The menus of the bar show a keyboard letter ("&Basic Configuration"); their object names and
// paths are the plain captions.
//
// Every QMenu and QAction carries its caption as object name, so run-time rules can find an
// item with findChild<QAction*>(caption); where a caption occurs more than once the first
// in menu order is found (see FindItem for a path lookup).
#include "shell/ViewCatalogue.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

class QAction;
class KtDialogType;
class QDialog;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;
class TConfigForm;

enum class KtMenuKind : std::uint8_t {
    Submenu,      // opens the items below it; its own command does nothing
    Separator,
    Empty,        // an item without a command
    GenericView,  // a generic editor or table view: entry is its catalogue entry
    Dialog,       // a dedicated dialog: dialog is its form class's type
    Tool,         // an external MIB tool of the host suite; target is its argument
    Shell,        // a function of the shell itself (see KtShellCommand)
};

enum class KtShellCommand : std::uint8_t {
    None, RefreshPanel, Help, About, PortInformation, PortConfiguration, TrafficGraph, TrapReceiver,
    SaveSnapshot, CompareSnapshot, RestoreSnapshot,  // "Snapshots": configuration snapshots
};

// Extra work a command does around its view.
enum class KtMenuStep : std::uint8_t {
    None,
    RmonGateOnClose,       // the RMON gate runs once the form has closed, before it is destroyed
    Dot1xGateAfterDestroy, // the 802.1X gate runs after the form has been destroyed
    StpVersionFirst,       // the STP version is read before the view opens
};

struct KtMenuItem {
    int depth = 0;                   // 0: a menu of the menu bar
    const char* caption = nullptr;   // null for a separator
    bool hidden = false;             // present but invisible from the start
    KtMenuKind kind = KtMenuKind::Empty;
    const KtViewEntry* entry = nullptr;    // GenericView: its catalogue entry (its kind: editor or table)
    const char* target = nullptr;    // Tool: its command-line argument
    const KtDialogType* dialog = nullptr;  // Dialog: its form class's type
    KtShellCommand shell = KtShellCommand::None;
    KtMenuStep step = KtMenuStep::None;
    // A device-state gate owns the enabled state (enabled at start, whatever is registered).
    bool gated = false;
};

// The whole menu bar in order.
std::span<const KtMenuItem> KtMainMenuItems();

// The port buttons' popup menu, in order.
std::span<const KtMenuItem> KtPortPopupItems();

// The menu path of item i of items: the captions from its top menu down, joined by " / ",
// trailing line feeds dropped (trailing blanks kept).
QString KtMenuPath(std::span<const KtMenuItem> items, std::size_t i);

// The generic views as the menu bar names them, e.g.
//   const KtViewEntry* v = FindView("Basic Configuration / Device Management / Device Information");
//   KtSNMPVarList list(v->table, v->itemType, v->keyCount);
// Every generic view of the menu bar, one per view line, in menu order.
std::span<const KtViewEntry* const> KtViewCatalogue();
// The entry of the view line with exactly this menu path, or null.
const KtViewEntry* FindView(const char* menuPath);
// The menu path of the view line that names entry, or "" when no line names it (the built-in
// views of the standard MIBs).
const char* KtViewPath(const KtViewEntry& entry);

// What the commands need from the main window and the gates. Unset hooks are skipped.
struct TMenuHooks {
    std::function<QString()> deviceAddress;  // the device in every view's title (KtWindowTitle)
    std::function<double()> displayScale;    // 1.0 or 1.25
    std::function<void()> rmonGate;          // after "RMON Control" and "Layer2 Device Control"
    std::function<void()> dot1xGate;         // after the 802.1X "Configuration" view
    std::function<void()> readStpVersion;    // before "STP Control " and "STP Port Table"
};

class TMainMenu : public QObject {
    Q_OBJECT
public:
    using DialogFactory = std::function<QDialog*(QWidget* owner)>;
    using ToolLauncher = std::function<void(const QString& argument)>;
    using ShellHandler = std::function<void()>;
    // Runs instead of the modal loop when set (tests look at the built form and close it).
    using ShowModal = std::function<int(QDialog* form)>;

    // Builds window's menu bar and the port popup menu; the object is a child of window.
    TMainMenu(QMainWindow* window, TMenuHooks hooks);

    // The menu of window, or null.
    static TMainMenu* Of(const QObject* window);

    TMenuHooks& Hooks() { return m_hooks; }

    // The QAction of a menu path (a submenu's is its menu action), or null.
    QAction* FindItem(const QString& path) const;
    // The record behind an action of this menu, or null.
    const KtMenuItem* ItemOf(const QAction* action) const;
    QString PathOf(const QAction* action) const;

    QMenu* PortInfoPopupMenu() const { return m_portPopup; }

    // What F10 does: opens the first menu of the bar that can open.
    static void OpenMenuBar(QMenuBar* bar);

    // Dialog, tool and shell items stay disabled until their implementation is registered
    // (during start-up, before the gates first run: registering enables every item it serves).
    // RegisterMenuDialogs registers the dialog every dialog item names, made with the
    // enlargement flag enlarged() gives; RegisterDialog puts another factory in one's place.
    void RegisterMenuDialogs(std::function<bool()> enlarged);
    void RegisterDialog(const QString& className, const QString& captionPrefix, DialogFactory factory);
    void SetToolLauncher(ToolLauncher launcher);
    void SetShellHandler(KtShellCommand command, ShellHandler handler);

    // The dialog of this form class while its command shows it, else null.
    QDialog* OpenDialog(const QString& className) const;

    // Opens a generic view the way its menu command does (steps and extra work included);
    // step is the command's extra work, notice a line the view shows about itself.
    void OpenGenericView(const KtViewEntry& entry, KtMenuStep step = KtMenuStep::None,
                         const QString& notice = QString());

    // Builds the form of a generic view without showing it (null when the build failed; the
    // message was shown). The caller owns the form.
    TConfigForm* BuildGenericView(const KtViewEntry& entry);

    // The caption the last generic-view command gave its form.
    const QString& CurrentViewCaption() const { return m_currentCaption; }

    void SetShowModal(ShowModal show) { m_showModal = std::move(show); }

private:
    void Build(QMainWindow* window);
    void Trigger(const KtMenuItem& item, const QString& path);
    void RunDialog(const KtMenuItem& item);
    int Exec(QDialog* form);
    void RunStepBefore(KtMenuStep step);
    QString Address() const;
    double Scale() const;

    struct DialogEntry {
        QString captionPrefix;
        DialogFactory factory;
        QDialog* instance = nullptr;
        bool opening = false;  // its constructor runs (and may wait for the switch)
    };

    TMenuHooks m_hooks;
    QMenu* m_portPopup = nullptr;
    std::map<QAction*, std::pair<const KtMenuItem*, QString>, std::less<>> m_items;  // action -> record, path
    std::map<QString, QAction*> m_byPath;
    std::map<QString, DialogEntry> m_dialogs;
    ToolLauncher m_toolLauncher;
    std::map<KtShellCommand, ShellHandler> m_shellHandlers;
    ShowModal m_showModal;
    QString m_currentCaption;
};
