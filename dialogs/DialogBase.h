#pragma once
// TDialogBase: the lifecycle every dedicated dialog shares.
//
//  - Construction: enlarged by 1.25 (whole pixels) when the main window runs scaled; the
//    derived constructor builds its controls and then calls its own FormCreate, which makes its
//    requests with AddRequest, binds them and starts their first read.
//  - GetComplete: false while the dialog's table operation is outstanding. WatchGetDone lets
//    a request's get-done notification set it; Begin/Fail bracket each operation.
//  - ReadyFor: the guard of every command ("Get data not complete" while busy).
//  - Stop: the walk ends after the reply that is outstanding.
//  - Closing: refused with the guard message while an operation is outstanding (close button,
//    Escape, window manager); otherwise list selections are cleared, FreeControls runs, and
//    each request in turn is stopped, waited for and destroyed.
//
// Sending some columns of a row: SendColumns(request, "2") writes variable 2 only (the other
// variables' access is marked invalid for that one request and restored on every path), with
// the values read back from the bound controls, without the framework's refresh.
//
// A new dialog, in outline (dialogs/layer2/Vlanstaticformunit.cpp is the worked example):
//
//   TFooForm::TFooForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
//   {
//       BuildControls();           // widgets with their form names (setObjectName)
//       SetFormSize(500, 400);
//       FormCreate();              // m_table = &AddRequest(kFooTable, KtItem::MVT_UMV, 1, "fooTable");
//   }                              // bind, SetStatusTarget(Memo1), WatchGetDone, Get()
//   void TFooForm::SetBtnClick()
//   {
//       if (!ReadyFor(*m_table)) return;
//       BeginOperation(*m_table);
//       try { SendColumn(*m_table, 2); m_table->Get(); }
//       catch (const KtException& e) { FailOperation(*m_table, e); }
//   }
//   ~TFooForm(): FormClose(), then disconnect what the form connected to its own controls.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Controls.h"
#include "KtNML/KtSNMPVarList.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TDialogBase : public QDialog {
    Q_OBJECT
public:
    static inline const QString kNotComplete = QStringLiteral("Get data not complete");

    // enlarge: the main window's enlargement flag (its display scale is 1.25).
    TDialogBase(QWidget* owner, bool enlarge);
    ~TDialogBase() override;

    bool GetComplete = false;

    // The size the form declares; call once the controls are built (the 1.25 rule applies).
    void SetFormSize(int width, int height);
    bool Enlarged() const { return m_enlarge; }

    // Closing as the Close button does: false (and the guard message) while busy.
    bool FormCloseQuery();

    // The guard message box, and the dialogs' other input messages (hooked in tests through
    // SetViewMessageHook, views/ViewDialogs.h).
    void ShowMessage(const QString& text);

    const std::vector<std::unique_ptr<KtSNMPRequest2Edits>>& Requests() const { return m_requests; }

protected:
    // A request owned by the dialog, its list built from a definition table.
    KtSNMPRequest2Edits& AddRequest(const KtSNMPVarDef* defs, std::uint8_t itemType, int keyCount,
                                    const QString& listName);
    // Its get-done notification sets GetComplete.
    void WatchGetDone(KtSNMPRequest2Edits& request);

    // True when a command may start: no operation outstanding and the request idle; otherwise
    // the guard message (nothing while the dialog is closing).
    bool ReadyFor(const KtSNMPRequest2Edits& request);
    // Marks the operation started: GetComplete false, the request alive again.
    void BeginOperation(KtSNMPRequest2Edits& request);
    // An operation that failed to start: GetComplete true, the message in the status target.
    void FailOperation(KtSNMPRequest2Edits& request, const KtException& error);
    // Writes the variables named in indexList ("2" or "1,2,4,5") for the row whose keys stand
    // in the bound controls, values read back from the controls, no refresh after the write.
    static void SendColumns(KtSNMPRequest2Edits& request, const QString& indexList);
    static void SendColumn(KtSNMPRequest2Edits& request, int column)
    {
        SendColumns(request, QString::number(column));
    }
    // Stop: the walk ends after the reply that is outstanding.
    static void StopRequest(KtSNMPRequest2Edits& request) { request.Request().Alive = false; }

    // Frees what the dialog holds besides its requests (port grids, ...), before they go.
    virtual void FreeControls() {}
    // Stops, waits for and destroys every request (runs once; the destructor runs it too).
    void FormClose();

    void closeEvent(QCloseEvent* event) override;

public:
    void done(int result) override;

private:
    bool m_enlarge = false;
    bool m_closing = false;
    bool m_closed = false;
    std::vector<std::unique_ptr<KtSNMPRequest2Edits>> m_requests;
};
