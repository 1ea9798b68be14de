#pragma once
// TAclDialogBase: what the list-and-key dialogs of access control share (masks, rules, their
// viewers). One synchronous table request shown in a list view; the status bar's one panel
// takes its status lines and the message of every failed command.
//
// Two states: with no row selected the key edits and Add are enabled (Edit and Delete are
// not); with a row selected it is the other way round and the bound controls show the row.
// Every command ends in the no-row state with the inputs cleared; a command that sent ends
// with the table read again.
//
// A command, in outline:
//   RunCommand([&] { SendAllBut(*m_table, LeftOut()); },        // one SET, then the re-read
//              [&] { return ValidateInputs() && RequireNewKey({IdEdit->text()}, kDup, IdEdit)
//                           && RequireCreateAndGo(RowStatusComBo); });
// What to send is decided first (an index set), then every field still in it is checked,
// then it goes out by index list: no variable's access flag is ever changed.
#include "dialogs/DialogBase.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <set>
#include <vector>

class QBoxLayout;
class QStatusBar;
class QTreeWidget;
class QWidget;

class TAclDialogBase : public TDialogBase {
    Q_OBJECT
public:
    static inline const QString kMustCreateAndGo = QStringLiteral("Row Status must be createAndGo.");

    // True when a row of view holds, in its first keys.size() columns, the numbers the key
    // texts name: compared as numbers ("07" is 7). A key that is not a whole number matches
    // nothing (the dialog's own checks refuse it).
    static bool IsListedKey(const QTreeWidget* view, const QStringList& keys);
    // The writable variables of list in table order, less those in leftOut: the index list a
    // row's write sends (keys and read-only variables are never in it).
    static std::vector<int> WritableExcept(const KtSNMPVarList& list, const std::set<int>& leftOut);

    QStatusBar* StatusBar1 = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    bool RowSelected() const;

protected:
    // Synchronous: every get and set blocks until its reply or time-out.
    TAclDialogBase(QWidget* owner, bool enlarge);

    // The status bar, added at the bottom of layout.
    QStatusBar* AddStatusBar(QBoxLayout* layout);
    // The table request (synchronous), its list view and its status target; the dialog's
    // OnSelectionChanged follows each change of the selection (after the binding has loaded
    // the row into the controls).
    KtSNMPRequest2Edits& AddTableRequest(const KtSNMPVarDef* defs, int keyCount, const QString& listName,
                                         QTreeWidget* listView);
    // The controls enabled while a row is selected, and those enabled while none is.
    void SetStateControls(std::vector<QWidget*> whenRowSelected, std::vector<QWidget*> whenNoRow);
    void ShowState(bool rowSelected);

    // Empties the inputs (derived dialogs: their edits, ticks and grids).
    virtual void ClearInputs() = 0;
    // The selection changed: by default the state follows it and no selection clears the inputs.
    virtual void OnSelectionChanged(bool rowSelected);

    // Reads the table; the no-row state and the inputs cleared, also when the read fails
    // (its message then stands in the status bar). For creation and Refresh.
    void Reload();
    // A command that sends: refused by check (its own message), else send runs and the table
    // is read again. Anything raised ends in the no-row state with the inputs cleared and the
    // message in the status bar; the table is not read again then, so the message stays.
    bool RunCommand(const std::function<void()>& send, const std::function<bool()>& check = {});
    // One SET of the writable variables but those in leftOut, for the row the keys name.
    static void SendAllBut(KtSNMPRequest2Edits& request, const std::set<int>& leftOut)
    {
        SendRow(request, WritableExcept(request.VarList(), leftOut));
    }

    // ok, or else the message, the focus to focus (when it can take it) and false.
    bool RequireAt(bool ok, const QString& message, QWidget* focus);
    // The key texts are not those of a listed row; else message, the focus, false.
    bool RequireNewKey(const QStringList& keys, const QString& message, QWidget* focus);
    // The row-status combo at "createAndGo" (and its tick box ticked, when given).
    bool RequireCreateAndGo(QComboBox* rowStatus, const QString& message = kMustCreateAndGo,
                            const QCheckBox* tick = nullptr);

    static void Focus(QWidget* control);

private:
    KtSNMPRequest2Edits* m_table = nullptr;
    std::vector<QWidget*> m_whenRowSelected;
    std::vector<QWidget*> m_whenNoRow;
};
