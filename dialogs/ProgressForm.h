#pragma once
// The progress windows a dialog shows while the switch applies a change that takes it a long
// time (the spanning tree recomputed after it is switched on or its version changes): a
// prompt and a bar that moves one step per tick, and a window that closes itself when the
// bar reaches the tick limit. It has no close box and Escape does nothing: the operator waits.
//
//   TProgressForm2 progress(this);
//   progress.setWindowTitle("Set STP Progress");
//   progress.SetPrompt("Change STP Version is doing...");
//   progress.ShowModal();
//
// TProgressForm sends the write it stands for while it is made; when that write cannot be
// sent the window is not shown at all, and when its reply carries an error the window closes
// at once instead of keeping the operator waiting for nothing.
#include <QDialog>
#include <QString>

class KtSNMPRequest2Controls;
class KtSNMPRequest2Edits;
class QCloseEvent;
class QLabel;
class QProgressBar;
class QTimer;

class TProgressBase : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultTickLimit = 30;
    static constexpr int kBarMaximum = 76;
    static constexpr int kDefaultTickMs = 1000;

    // The tick interval of the windows made from now on (1 s unless changed: tests shorten it).
    static void SetDefaultTickInterval(int ms);
    static int DefaultTickInterval();

    // Ticks until the window closes (the bar's position it stops at).
    void SetTickLimit(int limit) { m_limit = limit; }
    int TickLimit() const { return m_limit; }
    void SetTickInterval(int ms);
    void SetPrompt(const QString& text);

    // Shows the window modally until it closes itself. Returns at once, showing nothing, when
    // the write it waits for has already failed.
    int ShowModal();
    // A write-done notification of request that reports an error closes the window.
    void WatchWrite(KtSNMPRequest2Controls& request);
    // The write the window waits for could not be sent or came back with an error.
    bool WriteFailed() const { return m_writeFailed; }

    QLabel* LB_Prompt = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QTimer* ProgressTimer = nullptr;

public slots:
    // Escape ends up here: the window stays.
    void reject() override {}

protected:
    explicit TProgressBase(QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
    void MarkWriteFailed() { m_writeFailed = true; }

private:
    void Tick();
    void Finish();

    int m_limit = kDefaultTickLimit;
    bool m_writeFailed = false;
    bool m_finishing = false;
};

// The window of the spanning tree's switching on: making it writes binding's settings (every
// variable, read back from its controls); an error of sending goes to the binding's status
// target and the window is then not shown.
class TProgressForm : public TProgressBase {
    Q_OBJECT
public:
    TProgressForm(QWidget* parent, KtSNMPRequest2Edits& binding);
};

// A progress window without side effects: the caller has written already.
class TProgressForm2 : public TProgressBase {
    Q_OBJECT
public:
    explicit TProgressForm2(QWidget* parent);
};
