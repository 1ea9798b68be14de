#pragma once
// The flow-control dialogs: MAC control functions (Tdot3ControlForm) and PAUSE admin mode
// (Tdot3PauseForm) of every port, with the counters of the selected port read once on selection
// and then, if the operator picks an interval, on a timer.
#include "dialogs/DialogBase.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class TCounterPoller;

class TDot3FormBase : public TDialogBase {
    Q_OBJECT
public:
    static inline const QString kNotCompleted = QStringLiteral("Get data not completed!");

    void btnGetClick();
    void btnCloseClick();

    QTreeWidget* ListView1 = nullptr;  // the ports
    QTreeWidget* ListView2 = nullptr;  // the selected port's counters: "Name", "Value"
    QTreeWidget* lvChart = nullptr;    // hidden: the counter read's one row
    QComboBox* cbxInterval = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btnGet = nullptr;
    QPushButton* btnClose = nullptr;

    KtSNMPRequest2Edits* TableRequest() const { return m_table; }
    KtSNMPRequest2Edits* CounterRequest() const { return m_counter; }
    TCounterPoller* Poller() const { return m_poller; }

protected:
    TDot3FormBase(QWidget* owner, bool enlarge, QStringList counterRows);

    // The controls every such dialog has; the returned form and column take the dialog's own.
    void BuildCommon(QFormLayout*& fields, QVBoxLayout*& buttons);
    // Makes both requests, binds the list and the counters, then lets bindTable bind the rest
    // and walks the port table.
    void CreateRequests(const KtSNMPVarDef* table, const QString& tableName, const KtSNMPVarDef* counters,
                        const QString& counterName, const std::function<void()>& bindTable);

    // Polling off, counters emptied, then the dialog's own controls.
    void Reset();
    virtual void ResetControls() {}
    virtual void TableRead() {}
    virtual void PortSelected() {}
    void StartWalk();

private:
    void SelectionChanged();
    void ReadCounters();
    bool CopyCounters();
    void FreeControls() override;

    QStringList m_counterRows;
    QString m_port;
    KtSNMPRequest2Edits* m_table = nullptr;
    KtSNMPRequest2Edits* m_counter = nullptr;
    TCounterPoller* m_poller = nullptr;
};

class Tdot3ControlForm : public TDot3FormBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit Tdot3ControlForm(QWidget* owner, bool enlarge = false);
    ~Tdot3ControlForm() override;

    std::vector<QCheckBox*> FunctionBoxes;  // CheckBox1 .. CheckBox8; only the first is shown

protected:
    void ResetControls() override;
    void TableRead() override;
};

class Tdot3PauseForm : public TDot3FormBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    explicit Tdot3PauseForm(QWidget* owner, bool enlarge = false);
    ~Tdot3PauseForm() override;

    void btnSetClick();
    void btnStopClick();

    QLineEdit* edtIndex = nullptr;
    QComboBox* cbxAdminMode = nullptr;
    QPushButton* btnSet = nullptr;
    QPushButton* btnStop = nullptr;

protected:
    void ResetControls() override;
    void TableRead() override;
    void PortSelected() override;
};
