#pragma once
// The frame every generic view shares (content area, status memo, button column) and the
// scalar-group editor built on it: labelled rows that are read from the switch and of which
// the ticked ones are written back.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "views/CtrlPanels.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPointer>

#include <functional>

class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

class TSNMPPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kVSplitterWidth = 3;
    static constexpr int kHSplitterHeight = 5;

    // memo: an existing status memo to use instead of a memo of its own (null: own memo).
    TSNMPPanel(QWidget* parent, QPlainTextEdit* memo, KtSNMPRequest2Edits* request);

    // Hides the previous content control, shows this one and sizes the frame around it.
    void ShowContent(QWidget* control);

    KtSNMPRequest2Edits* Request() const { return m_request.data(); }
    TCtrlBtnPanel* Buttons() const { return m_buttons; }
    QPlainTextEdit* Memo() const { return m_memo; }
    TMsgPanel* MsgPanel() const { return m_msgPanel; }
    QWidget* ContentArea() const { return m_contentArea; }
    QWidget* ContentControl() const { return m_content; }

    // The size ShowContent gave the frame (the host's layout may change the widget's own).
    QSize FrameSize() const { return m_frameSize; }

    QWidget* HostForm() const { return m_hostForm; }
    void SetHostForm(QWidget* form) { m_hostForm = form; }

    // Re-reads the request unless a read is running.
    virtual void Refresh();
    // What the "Refresh" button runs in place of Refresh: a dialog hosting the panel reads
    // in its own steps. An empty handler gives the button back to Refresh.
    void SetRefreshHandler(std::function<void()> handler) { m_refreshHandler = std::move(handler); }
    // Closes the host form.
    void CloseHost();

    // A line about the view itself (why it is the view shown, say) above its content: it
    // stays until replaced, whatever the view's requests report. Empty hides it.
    void SetNotice(const QString& text);
    QLabel* Notice() const { return m_notice; }

protected:
    // Runs a button's work; what it raises goes to the status memo (nothing leaves a slot).
    void RunGuarded(const std::function<void()>& work);

    // Gone once the host form has released its requests.
    QPointer<KtSNMPRequest2Edits> m_request;
    TCtrlBtnPanel* m_buttons = nullptr;

private:
    QSplitter* m_vsplit = nullptr;
    QWidget* m_contentArea = nullptr;
    QWidget* m_contentHolder = nullptr;
    TMsgPanel* m_msgPanel = nullptr;
    QLabel* m_notice = nullptr;
    QPointer<QPlainTextEdit> m_memo;
    QPointer<QWidget> m_content;
    QPointer<QWidget> m_hostForm;
    QSize m_frameSize;
    std::function<void()> m_refreshHandler;
};

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* parent, KtSNMPRequest2Edits* request);

    TEditsPanel* EditsPanel() const { return m_edits; }

    // Every value control gets this width; the rows, the frame and the host are sized anew.
    void SetEditWidth(int width);
    // Replaces an edit row's "%s" by an edit-constraint format, e.g. "%i{n0x255l3}".
    void SetVarFormat(int row, const QString& format);

    // Writes the ticked rows. pressed is the button that asked (a tag of 1 closes its form
    // after the attempt); buttons is the column whose "Set Checked" the ticks drive.
    // True when the write went out and succeeded; false when an item was empty or it failed.
    bool SetChecked(QPushButton* pressed);
    // What the "Set Checked" ("Set") button runs in place of SetChecked: a dialog hosting the
    // panel writes in its own passes and calls SetChecked for each. Empty: SetChecked.
    void SetSetHandler(std::function<void(QPushButton* pressed)> handler) { m_setHandler = std::move(handler); }
    // The emptiness test of SetChecked on row i's value control (an edit or a composite
    // panel without text, a drop-down list without a selection).
    bool RowEmpty(int i) const;
    // The column whose "Set Checked" follows the ticks (the view's own, or that of a form the
    // rows are lent to).
    void SetActiveButtons(TCtrlBtnPanel* buttons) { m_activeButtons = buttons; }
    TCtrlBtnPanel* ActiveButtons() const { return m_activeButtons; }
    void CheckAll();
    void ClearChecks();

protected:
    void UpdateSetButton();
    TEditsPanel* m_edits = nullptr;

private:
    QPointer<TCtrlBtnPanel> m_activeButtons;
    std::function<void(QPushButton*)> m_setHandler;
};

// Host sizing: centre form on the main window, grow its client area to the panel, cut it to
// 800 x 550 at most; the panel fills the form.
void FitPanelIntoHost(QDialog* form, TSNMPPanel* panel);

// An editor of request inside a dialog of its own making (which owns the request and the
// panel's lifetime): the panel fills the dialog and is sized as in a host form; "Close"
// closes the dialog.
TSNMPEditorPanel* HostEditorPanel(QDialog* form, KtSNMPRequest2Edits* request);
