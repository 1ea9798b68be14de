#pragma once
// TDialogBase: the lifecycle every dedicated dialog shares.
//
//  - Construction: enlarged by 1.25 (whole pixels) when the main window runs scaled; the
//    derived constructor builds its controls and then calls its own FormCreate, which makes its
//    requests with AddRequest, binds them and starts their first read through RunOperation.
//  - GetComplete(): false while the dialog's table operation is outstanding. WatchGetDone lets
//    a request's read-done signal (or its last write-done) set it, as one listener among
//    others: the dialog's own GetDone handler and listeners stay. RunOperation clears it and
//    sets it again when the command fails or leaves nothing outstanding.
//  - RunOperation(request, body[, check]): the guard of every command ("Get data not complete"
//    while busy), the dialog's own check, then the body; an error it raises goes to the status
//    target and leaves the dialog usable.
//  - Input checks: whole-text checks in dialogs/InputChecks.h, shown through Require;
//    CheckEdits runs the edit constraints of a request's edits at command time.
//  - Synchronous dialogs (SetSynchronous, for dialogs whose requests block): no completion
//    guard. While a synchronous operation waits (KtNML/KtSyncWait.h) the operator's input is
//    held back, no command starts, and a close asked meanwhile (close button, Escape, window
//    manager, accept/reject) is carried out when the operation ends: the requests are told to
//    stop, so the wait lasts at most the reply outstanding (its time-out).
//  - Stop: the walk ends after the reply that is outstanding.
//  - SetGuardMessage: a dialog whose guard says something else ("Refresh not complete").
//  - WatchRowCount(list, counter): the counter box shows the list's row count as it changes
//    (it grows while a walk fills the list); FormControls::CountBox makes the box.
//  - ReselectAfterRead(request, key): once the walk a command started reports done, the row
//    whose first column is key is selected again (its values reload into the controls).
//  - List views: once shown, every QTreeWidget of the dialog (and any added later) gets the
//    tools of views/ListViewTools.h: copy, Copy All, Export CSV, header sort, filter box.
//  - Closing: refused with the guard message while an asynchronous operation is outstanding
//    (close button, Escape, window manager); otherwise list selections are cleared,
//    FreeControls runs, and each request is stopped and destroyed (replies still on their way
//    are dropped, no event loop runs). Destroying the form does the same without the first
//    two steps: no derived destructor calls FormClose or cuts its controls' signals by hand.
//
// Writes, always for the row whose keys stand in the bound controls, values read back from the
// controls, without the framework's refresh, and with no variable's access flag changed:
//   SendColumns(request, {2})        one SET per call of the listed variables (SendColumn: one)
//   SendRow(request, {1, 2, 5})      the same, named for a whole row's write (Add)
//   DestroyRow(request, 5, combo, 5) the row-status combo to "destroy", that variable alone
//   SendTicked(request, fields, ...) the variables whose tick boxes are ticked: one SET, or
//                                    one SET per field in the order given
//   SendChain(request, {a, b, get})  b only after a's write succeeded, then the read
//
// A new dialog, in outline (dialogs/layer2/VlanStaticForm.cpp is the worked example):
//
//   const KtDialogType TFooForm::Type = KtDialogType::Of<TFooForm>("Foo: ");
//
//   TFooForm::TFooForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
//   {
//       BuildControls();           // widgets with their form names (setObjectName)
//       SetFormSize(500, 400);
//       FormCreate();              // m_table = &AddRequest(kFooTable, KtItem::MVT_UMV, 1, "fooTable");
//   }                              // bind, SetStatusTarget(Memo1), WatchGetDone,
//                                  // RunOperation(*m_table, [&] { m_table->Get(); })
//   void TFooForm::SetBtnClick()
//   {
//       RunOperation(*m_table, [&] { SendColumn(*m_table, 2); m_table->Get(); },
//                    [&] { return CheckFoo(); });     // InputChecks.h; a message and false
//   }
//   No destructor is needed for the requests or the signals: the base stops and frees the
//   requests and cuts every child's signals to the form.
//
// Where it goes: dialogs/<subsystem>/ (layer2/, security/, ...) in TFooForm.h/.cpp, with its
// Type (DialogType.h: caption prefix and factory), one menu line Dialog<TFooForm>(...) in
// shell/MainMenu.cpp, and its tests in tests/dialogs/<subsystem>/ on testutil::SimDialogFixture: a table of {command,
// input, expected SETs or message}; what every dialog shares is tested once on a stub dialog.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPVarList.h"
#include "dialogs/DialogType.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

class TDialogBase : public QDialog {
    Q_OBJECT
public:
    static inline const QString kNotComplete = QStringLiteral("Get data not complete");

    // enlarge: the main window's enlargement flag (its display scale is 1.25).
    TDialogBase(QWidget* owner, bool enlarge);
    ~TDialogBase() override;

    // False while the dialog's operation is outstanding; always true in a synchronous dialog.
    bool GetComplete() const { return m_synchronous || m_getComplete; }
    bool Synchronous() const { return m_synchronous; }

    // The size the form declares; call once the controls are built (the 1.25 rule applies).
    void SetFormSize(int width, int height);
    bool Enlarged() const { return m_enlarge; }

    // Closing as the Close button does: false (and the guard message) while busy.
    bool FormCloseQuery();

    // The message a command or a close gets while an operation is outstanding.
    const QString& GuardMessage() const { return m_guardMessage; }

    // The guard message box, and the dialogs' other input messages (a warning through
    // KtMessageService, KtNML/KtMessages.h; tests record it with one recorder).
    void ShowMessage(const QString& text);

    // ok, or else the message (as ShowMessage) and false: a dialog's input checks read
    //     return Require(InputChecks::IsIpv4Text(IpEdit->text()), kBadIp);
    bool Require(bool ok, const QString& message);
    // The checks the edit constraints of request's bound edits make when a field is left, run
    // now on every such edit in binding order: the first failure's message, the focus to its
    // edit, and false. A command runs it before it sends what was typed.
    bool CheckEdits(KtSNMPRequest2Edits& request);
    // The same for the edits of the listed variables only (those a command is about to send).
    bool CheckEdits(KtSNMPRequest2Edits& request, const std::vector<int>& columns);

    const std::vector<std::unique_ptr<KtSNMPRequest2Edits>>& Requests() const { return m_requests; }

protected:
    // A request owned by the dialog, its list built from a definition table.
    KtSNMPRequest2Edits& AddRequest(const KtSNMPVarDef* defs, std::uint8_t itemType, int keyCount,
                                    const QString& listName);
    // Its read-done signal (success or failure) sets GetComplete, and so does its write-done
    // signal when no other reply of the request is outstanding.
    void WatchGetDone(KtSNMPRequest2Edits& request);
    // No completion guard: for dialogs whose requests are synchronous (call in the constructor).
    void SetSynchronous(bool synchronous) { m_synchronous = synchronous; }
    void SetGuardMessage(const QString& message) { m_guardMessage = message; }

    // counter shows list's row count now and whenever rows come or go.
    void WatchRowCount(QTreeWidget* list, QLabel* counter);
    // Writes the row count of every watched list into its counter (after a clear, say).
    void ShowRowCounts();
    // When request's next read reports done (with or without error), the row of its list view
    // whose first column is key is selected again; onSelected(found) runs afterwards, with
    // found false when no row matched (nothing is selected then). One shot per call.
    void ReselectAfterRead(KtSNMPRequest2Edits& request, const QString& key,
                           const std::function<void(bool found)>& onSelected = {});
    // The row of list whose first column is key, selected and made current; false if none.
    static bool SelectRowByKey(QTreeWidget* list, const QString& key);

    // A command on request: refused with the guard message while busy (nothing while closing),
    // then refused by check (which shows its own message) when given; otherwise GetComplete
    // goes false, the request is made alive and body runs. An error body raises is shown in the
    // request's status target and GetComplete is true again, as it is when body has left no
    // read outstanding. True when body ran (to its end or to an error).
    bool RunOperation(KtSNMPRequest2Edits& request, const std::function<void()>& body,
                      const std::function<bool()>& check = {});

    // Writes the variables named in indexList ("2" or "1,2,4,5") for the row whose keys stand
    // in the bound controls, values read back from the controls, no refresh after the write.
    static void SendColumns(KtSNMPRequest2Edits& request, const QString& indexList);
    static void SendColumns(KtSNMPRequest2Edits& request, const std::vector<int>& columns)
    {
        SendColumns(request, IndexListText(columns));
    }
    static void SendColumn(KtSNMPRequest2Edits& request, int column)
    {
        SendColumns(request, std::vector<int>{column});
    }
    // One SET of a row's listed variables (an Add, or a change of several fields at once).
    static void SendRow(KtSNMPRequest2Edits& request, const std::vector<int>& columns)
    {
        SendColumns(request, columns);
    }
    // Puts statusCombo at destroyPosition and sends the row-status variable alone.
    static void DestroyRow(KtSNMPRequest2Edits& request, int statusColumn, QComboBox* statusCombo,
                           int destroyPosition);
    // A tick box and the variable it lets into the write.
    struct TickedField {
        QCheckBox* tick = nullptr;
        int column = 0;
    };
    // The ticked fields, in the order given: one SET of them all, or one SET per field.
    // False (nothing sent) when none is ticked.
    static bool SendTicked(KtSNMPRequest2Edits& request, const std::vector<TickedField>& fields,
                           bool onePerField);
    // "1,2,5".
    static QString IndexListText(const std::vector<int>& columns);

    // Steps that must follow one another on request, started inside a command's body: each
    // step after the first runs only once the write the previous step sent has succeeded. A
    // failed write ends the chain (the framework has shown why), and so does an error a step
    // raises (shown in the status target). The last step may start a read. GetComplete stays
    // false until the chain has ended.
    void SendChain(KtSNMPRequest2Edits& request, std::vector<std::function<void()>> steps);

    // A Yes/No question with the dialogs' caption: true for Yes.
    bool AskYesNo(const QString& text);

    // Stop: the walk ends after the reply that is outstanding.
    static void StopRequest(KtSNMPRequest2Edits& request) { request.Request().Alive = false; }

    // Frees what the dialog holds besides its requests (port grids, ...), before they go.
    virtual void FreeControls() {}
    // Stops and destroys every request, dropping the replies still on their way, and cuts
    // every signal of the form's children to the form (runs once: on closing, else in the
    // destructor; a derived destructor need not call it).
    void FormClose();

    void closeEvent(QCloseEvent* event) override;
    // Copy, export, sort and filter for every list view of the dialog, those made later too.
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

public:
    void done(int result) override;

private:
    void SetGetComplete(bool complete) { m_getComplete = complete; }
    // A close asked while a synchronous operation waits: the requests are told to stop and
    // done(result) runs once the wait has ended. False when no wait is active.
    bool DeferCloseWhileWaiting(int result);
    void CutSignals();
    // True when a command may start: no operation outstanding and the request idle; otherwise
    // the guard message (nothing while the dialog is closing).
    bool ReadyFor(const KtSNMPRequest2Edits& request);

    bool m_enlarge = false;
    bool m_synchronous = false;
    bool m_getComplete = true;
    bool m_closing = false;
    bool m_closed = false;
    bool m_closePending = false;  // asked during a synchronous wait: carried out once it ends
    bool m_destroying = false;
    QString m_guardMessage = kNotComplete;
    std::vector<std::pair<QTreeWidget*, QLabel*>> m_rowCounters;
    std::vector<std::unique_ptr<KtSNMPRequest2Edits>> m_requests;
};
