#pragma once
// The base of the binding objects (a view owns one per request): KtSNMPRequest2Controls runs
// the request's read (a get or a whole table walk) or write, synchronously (mode 0) or
// asynchronously (mode 1), calls its virtual hooks around it and for every row read, and reports
// the outcome in the view's status line or a message box. The controls themselves are bound by
// its derived classes: KtSNMPRequest2Edits (edits, choices, list views) and KtSNMPRequest2Leds.
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QStatusBar;

// The colour of error lines in a status memo.
inline QColor KtStatusErrorColour() { return QColor(0xC0, 0x00, 0x00); }
// The same on a given background: a lighter red on a dark one (a dark palette), where the
// dark red would hardly show.
inline QColor KtStatusErrorColour(const QColor& background)
{
    return background.lightnessF() < 0.5 ? QColor(0xFF, 0x70, 0x70) : KtStatusErrorColour();
}

class KtSNMPRequest2Controls : public QObject {
    Q_OBJECT
public:
    // Get-done and set-done notifications: (binding object, outcome).
    using Notification = std::function<void(KtSNMPRequest2Controls& binding, const KtSNMPError& error)>;

    // owner parents the message boxes. Without a request of a derived class, a plain one is made.
    explicit KtSNMPRequest2Controls(QWidget* owner, std::unique_ptr<KtSNMPRequest> request = nullptr);
    // Clears busy and destroys the request, which waits for outstanding replies and drops them.
    ~KtSNMPRequest2Controls() override;

    KtSNMPRequest& Request() { return *m_request; }
    KtSNMPVarList& VarList() { return m_request->VarList; }
    const KtSNMPVarList& VarList() const { return m_request->VarList; }

    // Where status lines go: a memo (a new last line), a status bar (its simple text) or a
    // status-bar panel (its text). Setting one replaces the previous target.
    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(QStatusBar* statusBar);
    void SetStatusTarget(QLabel* panel);
    void ClearStatusTarget();
    bool HasStatusTarget() const;

    // Read: the whole table (item types 2 and 3), else the group or row. Mode 0 raises errors;
    // mode 1 raises errors of sending and reports the rest through OnGetError.
    void Get();
    // Write: refresh replaces RefreshAfterSet, prepare runs PrepareSet first, indexList and
    // values go to the request (KtAllSettable: every settable variable). Variables whose
    // controls gave no value are left out; when none is left, nothing is sent and
    // NoValueToWrite names the first such field (an empty list is never read as "all").
    void Set(bool refresh, bool prepare, const QString& indexList = KtAllSettable,
             const QStringList* values = nullptr);
    // A write refused (by the switch, or by the module before anything went out) stays the
    // last word of the command: on a status bar or panel the "Ok!" of a read that follows it
    // on the same target is followed by the refusal again, until the operator's next command
    // (a memo keeps the refusal's line in sight above the read's). WatchCommands makes every button of form (those it holds now) start one;
    // ForgetRefusals ends the command at once.
    static void WatchCommands(QWidget* form);
    static void ForgetRefusals(QWidget* form);
    // StatusText(last operation, message, list name) to the status target (nothing without one).
    // A memo keeps the earlier lines, shows the newest and marks lines other than "Ok!" as errors.
    void ShowStatus(const QString& message);
    // The same for the given operation (0 read, 1 write), which becomes the last operation: a
    // view reporting the failure of a write it prepared itself uses the write format.
    void ShowStatus(int operation, const QString& message);

    // Virtual operations, in slot order.
    virtual void BeforeGet();
    virtual void BeforeSet();
    // Called once per accepted row or record.
    virtual void ShowRow() = 0;
    // Called before a write when the caller asks for it.
    virtual void PrepareSet();
    // Last operation 0 and the message in the status target, else in a message box.
    virtual void OnGetError(const KtSNMPError& error);
    // Last operation 1, then as OnGetError.
    virtual void OnSetError(const KtSNMPError& error);
    virtual void AfterGet();
    virtual void AfterSet();
    // A read has ended, whatever the way (finished, failed, raised): what a view keeps back
    // while a walk runs goes on show.
    virtual void ReadEnded() {}

    bool Busy() const { return m_busy; }
    // Reads false once the object has been destroyed: a caller that let events run (a
    // synchronous operation does) checks it before it touches the object again.
    std::shared_ptr<bool> Existence() const { return m_alive; }
    int RowCount() const { return m_rowCount; }
    int LastOperation() const { return m_lastOperation; }
    QWidget* Owner() const { return m_owner; }

    // Open fields, as views use them.
    Notification GetDone;
    Notification SetDone;
    int Mode = 1;                          // 0 synchronous, 1 asynchronous
    bool RefreshAfterSet = true;           // re-read a table after a successful write
    KtSNMPRequest* LinkedRequest = nullptr;  // source of "#k" values in RowFilter
    QString RowFilter;                     // condition each row must meet

signals:
    // The same moments as GetDone and SetDone, for any number of listeners (a dialog's base and
    // the dialog itself), after the handler in GetDone or SetDone.
    void ReadDone(const KtSNMPError& error);
    void WriteDone(const KtSNMPError& error);

public:
    // The message box of the default error display (through KtMessageService): owned by owner,
    // captioned with the program's file name, with an OK button.
    static void ShowMessageBox(QWidget* owner, const QString& text);

protected:
    // The status target, else a message box.
    void ReportError(const QString& message);
    bool IsTable() const;
    // Marks whether variable i could not be read back from its controls (an unselected combo
    // box, for one); the next write leaves those variables out.
    void SetLeftOut(int i, bool leftOut);
    // Dies with the object: completions hold a copy and stop as soon as it reads false, since
    // every callout that lets events run may destroy the object.
    std::shared_ptr<bool> AliveToken() const { return m_alive; }

private:
    static void GetCompletion(void* context, const KtSNMPError& error, KtSNMPVarList& list);
    static void SetCompletion(void* context, const KtSNMPError& error, KtSNMPVarList& list);
    void GetCompleted(const KtSNMPError& error);
    void SetCompleted(const KtSNMPError& error);
    // Starts a read or write, busy until it ends: mode 0 runs wait (the whole operation),
    // mode 1 runs send (its completions end it). What either raises clears busy and goes on.
    void Run(const std::function<void()>& wait, const std::function<void()>& send);
    // The end of a read (0) or write (1) that went well: its After hook, busy cleared, the
    // status line. False when the object went away in the hook.
    bool Succeeded(int operation);
    // The end of an asynchronous read or write whose reply carries an error.
    void Failed(int operation, const KtSNMPError& error);
    void RefreshAfterWrite();
    void RaiseUnexpectedType();
    void ShowLine(const QString& line, bool error);
    QObject* StatusTargetObject() const;
    void RememberRefusal(const QString& message);
    QString FilterText();
    // Acceptance test and ShowRow; false when the object went away inside ShowRow.
    bool ShowAccepted(const QString& filter);
    void CompletionFailed(int code, const QString& message, int operation, bool notify);
    // Runs a view's notification; what it raises is shown, as nothing may leave a completion.
    void Notify(const Notification& notification, const KtSNMPError& error);
    // The caller's index list minus the variables left out of the write.
    // leftOutNamed: the first variable named (or settable, for KtAllSettable) that was left
    // out, -1 for none. Empty when every variable named was left out.
    QString WriteIndexList(const QString& indexList, const QStringList* values, QStringList& keptValues,
                           bool& useKept, int& leftOutNamed);

    std::unique_ptr<KtSNMPRequest> m_request;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    QPointer<QWidget> m_owner;
    QPointer<QPlainTextEdit> m_memo;
    QPointer<QStatusBar> m_statusBar;
    QPointer<QLabel> m_panel;
    bool m_busy = false;
    int m_rowCount = 0;
    int m_lastOperation = 0;
    QSet<int> m_leftOut;
};
