#pragma once
// The modal host of a generic view: one editor or table panel built at run time from a
// request's variable list. The first read starts once the modal loop runs; closing abandons
// a running walk, waits for it to stop and then releases the requests.
#include "views/SNMPEditorPanel.h"
#include "views/SNMPListViewPanel.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <memory>
#include <vector>

class KtSNMPRequest2Edits;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum Kind { KindNone = 0, KindEditor = 1, KindTable = 2 };
    // Posted to the form when it is first shown: the first read runs inside the modal loop.
    static constexpr QEvent::Type kRefreshEvent = QEvent::Type(34002);
    // Longest wait for a running walk to stop when the form closes.
    static constexpr int kCloseWaitMs = 10000;

    explicit TConfigForm(QWidget* owner = nullptr);
    ~TConfigForm() override;

    int FormKind() const { return m_kind; }

    // Make the form an editor or a table view of the request, which the form then owns.
    // A form takes one panel: a second call throws TViewError. A null add or delete text
    // leaves that status unset.
    TSNMPEditorPanel* AddEditorPanel(std::unique_ptr<KtSNMPRequest2Edits> request);
    TSNMPListViewPanel* AddTablePanel(std::unique_ptr<KtSNMPRequest2Edits> request, int addIndex,
                                      const QString& addText, int deleteIndex, const QString& deleteText);

    // Reads the first request of the form (asynchronously); errors go to the status memo.
    void RefreshCurrent();

    TSNMPEditorPanel* Panel() const { return m_panel; }
    KtSNMPRequest2Edits* CurrentRequest() const { return m_current; }
    int RequestCount() const { return int(m_requests.size()); }
    // On its way out (waiting for its reads to stop); its panels start nothing new then.
    bool Closing() const { return m_closing; }

public slots:
    void done(int result) override;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void StartBuild(int kind, std::unique_ptr<KtSNMPRequest2Edits>& request);
    bool AnyBusy() const;
    // Clears every alive flag, then destroys the bindings (replies on their way are dropped).
    void ReleaseRequests();
    void FinishClose();

    int m_kind = KindNone;
    std::vector<std::unique_ptr<KtSNMPRequest2Edits>> m_requests;
    QPointer<KtSNMPRequest2Edits> m_current;
    QPointer<TSNMPEditorPanel> m_panel;
    bool m_refreshPosted = false;
    bool m_closeAfterForm = false;  // a close waits for an open Add/Edit form or a synchronous wait
    bool m_closing = false;
    int m_result = 0;
};
