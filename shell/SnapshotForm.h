#pragma once
// The "Snapshots" menu's window: saves a snapshot of the switch, compares one with the switch
// (the differences in a list with the list tools), or restores one (the operator ticks the
// differences to apply, sees the exact SETs, confirms once, and gets a result per line).
// Reading shows progress with a Stop button; the window is modal while it is open.
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSnapshot.h"
#include "snmp/SnmpSession.h"

#include <QDialog>
#include <memory>

class KtSnapshotReader;
class KtSnapshotWriter;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class TSnapshotForm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Save, Compare, Restore };

    // For Compare and Restore the file is read here; a file that does not parse is shown with
    // its line and the window reads nothing (Failed() is true).
    TSnapshotForm(QWidget* owner, Mode mode, const QString& fileName, const KtSNMPDefaultParams& params);
    ~TSnapshotForm() override;

    // Starts reading the switch.
    void Start();

    bool Busy() const;
    bool Failed() const { return m_failed; }
    QTreeWidget* List() const { return m_list; }
    const std::vector<KtSnapshotDiff>& Differences() const { return m_diffs; }
    // Sends the ticked differences' SETs after one question (the SETs are its text).
    void Restore();

    // Column of the list holding a restore's result.
    static constexpr int kResultColumn = 5;

    // The window of a menu command: asks for the file, then opens modally.
    static void RunCommand(QWidget* owner, Mode mode, const KtSNMPDefaultParams& params);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Read();
    void Fill();
    void Fail(const QString& message);
    void Written();
    void SetBusy(bool busy);

    Mode m_mode;
    QString m_fileName;
    KtSNMPDefaultParams m_params;
    snmp::Target m_target;
    KtSnapshot m_file;
    std::vector<KtSnapshotDiff> m_diffs;
    std::unique_ptr<KtSnapshotReader> m_reader;
    std::unique_ptr<KtSnapshotWriter> m_writer;
    bool m_failed = false;
    bool m_working = false;  // from the first request until its results are shown

    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_stopAtError = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_close = nullptr;
};
