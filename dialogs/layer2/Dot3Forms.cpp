#include "dialogs/layer2/Dot3Forms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/CounterPoller.h"
#include "dialogs/FormControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::Dot3Pause;

const KtSNMPVarDef kControlTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", KtSyn::Integer, KtAcc::NotAccess},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};
const KtSNMPVarDef kControlCounters[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};

enum { kIndex = 0, kAdminMode = 1 };
const KtSNMPVarDef kPauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", KtSyn::Counter, KtAcc::ReadOnly},
    {},
};

const QString kNull = QStringLiteral("(NULL)");

using FormControls::Button;

} // namespace

// ---- what both dialogs share --------------------------------------------------------------

TDot3FormBase::TDot3FormBase(QWidget* owner, bool enlarge, QStringList counterRows)
    : TDialogBase(owner, enlarge), m_counterRows(std::move(counterRows))
{
}


void TDot3FormBase::BuildCommon(QFormLayout*& fields, QVBoxLayout*& buttons)
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    top->addWidget(ListView1, 1);

    auto* side = new QVBoxLayout;
    fields = new QFormLayout;
    side->addLayout(fields);
    cbxInterval = FormControls::Combo(this, fields, "cbxInterval", "Interval Time");
    ListView2 = new QTreeWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    ListView2->setRootIsDecorated(false);
    // Row k shows the chart's column k: the rows keep their places.
    ListView2->setProperty("vkrNoSort", true);
    for (const QString& name : m_counterRows)
        ListView2->addTopLevelItem(new QTreeWidgetItem(QStringList{name, QString()}));
    side->addWidget(ListView2);
    lvChart = new QTreeWidget(this);
    lvChart->setObjectName(QStringLiteral("lvChart"));
    lvChart->hide();
    lvChart->setProperty("vkrNoSort", true);  // the reading is its row 0
    top->addLayout(side);

    buttons = new QVBoxLayout;
    btnGet = Button(this, "btnGet", "Refresh");
    buttons->addWidget(btnGet);
    top->addLayout(buttons);

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    m_poller = new TCounterPoller(cbxInterval, this);
    m_poller->SetBusy([this] { return m_counter && m_counter->Busy(); });
    m_poller->SetRead([this] { ReadCounters(); });

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
}

void TDot3FormBase::CreateRequests(const KtSNMPVarDef* table, const QString& tableName,
                                   const KtSNMPVarDef* counters, const QString& counterName,
                                   const std::function<void()>& bindTable)
{
    m_table = &AddRequest(table, KtItem::MVT_FMV, 1, tableName);
    m_counter = &AddRequest(counters, KtItem::MVT_SV, 0, counterName);
    try {
        m_table->BindListView(ListView1);
        m_table->SetStatusTarget(Memo1);
        bindTable();
        m_counter->BindListView(lvChart);
        m_counter->SetStatusTarget(Memo1);
    } catch (const KtException& e) {
        Memo1->appendPlainText(e.Message());
        return;
    }
    WatchGetDone(*m_table);
    connect(m_table, &KtSNMPRequest2Controls::ReadDone, this, [this] { TableRead(); });
    // After the binding's own handler, which has loaded the row into the controls.
    connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { SelectionChanged(); });
    StartWalk();
}

void TDot3FormBase::StartWalk()
{
    RunOperation(*m_table, [this] { m_table->Get(); });
}

void TDot3FormBase::Reset()
{
    m_poller->Stop();
    for (int r = 0; r < ListView2->topLevelItemCount(); ++r)
        ListView2->topLevelItem(r)->setText(1, QString());
    ResetControls();
    lvChart->clear();
}

void TDot3FormBase::btnGetClick()
{
    if (!m_table || !GetComplete() || m_table->Busy())
        return;
    Reset();
    StartWalk();
}

void TDot3FormBase::btnCloseClick()
{
    m_poller->Stop();
    close();
}

void TDot3FormBase::FreeControls()
{
    m_poller->Stop();
}

void TDot3FormBase::SelectionChanged()
{
    QTreeWidgetItem* const selected = KtBoundRow::Of(ListView1);
    if (!selected) {
        m_port.clear();
        Reset();
        return;
    }
    PortSelected();
    m_port = selected->text(0);
    ReadCounters();
}

void TDot3FormBase::ReadCounters()
{
    if (m_port.isEmpty() || !m_counter)
        return;
    lvChart->clear();
    bool ok = false;
    try {
        m_counter->VarList().Suffix = m_port;
        m_counter->Mode = 0;
        m_counter->Get();
        ok = CopyCounters();
    } catch (const KtException& e) {
        Memo1->appendPlainText(e.Message());
    }
    if (!ok) {
        // A dead switch would otherwise freeze the window for a time-out at every tick.
        Memo1->appendPlainText(kNotCompleted);
        Reset();
    }
}

bool TDot3FormBase::CopyCounters()
{
    if (lvChart->topLevelItemCount() == 0)
        return false;
    const QTreeWidgetItem* row = lvChart->topLevelItem(0);
    const int count = std::min(ListView2->topLevelItemCount(), row->columnCount());
    bool any = false;
    for (int k = 0; k < count; ++k) {
        const QString value = row->text(k);
        if (!value.isEmpty() && value != kNull)
            any = true;
    }
    // A port without a counter instance answers "(NULL)" for each: that is no reading.
    if (!any)
        return false;
    for (int k = 0; k < count; ++k)
        ListView2->topLevelItem(k)->setText(1, row->text(k));
    return true;
}

// ---- MAC control ----------------------------------------------------------------------------

const KtDialogType Tdot3ControlForm::Type = KtDialogType::Of<Tdot3ControlForm>("Dot3 Control: ");

Tdot3ControlForm::Tdot3ControlForm(QWidget* owner, bool enlarge)
    : TDot3FormBase(owner, enlarge, {QStringLiteral("Recived Unknown Opcodes")})
{
    setObjectName(QStringLiteral("dot3ControlForm"));
    QFormLayout* fields = nullptr;
    QVBoxLayout* buttons = nullptr;
    BuildCommon(fields, buttons);
    auto* boxes = new QHBoxLayout;
    for (int k = 1; k <= 8; ++k) {
        auto* box = new QCheckBox(k == 1 ? QStringLiteral("pause") : QString(), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        box->setEnabled(false);
        box->setVisible(k == 1);
        boxes->addWidget(box);
        FunctionBoxes.push_back(box);
    }
    fields->addRow(QStringLiteral("Function Support"), boxes);
    btnClose = Button(this, "btnClose", "Close");
    buttons->addWidget(btnClose);
    buttons->addStretch();
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    SetFormSize(520, 380);
    CreateRequests(kControlTable, QStringLiteral("dot3ControlTable"), kControlCounters,
                   QStringLiteral("dot3ControlCounters"), [this] {
                       TableRequest()->BindBitsList(1, QStringLiteral("0,1,2,3,4,5,6,7"), FunctionBoxes);
                   });
}

Tdot3ControlForm::~Tdot3ControlForm() = default;

void Tdot3ControlForm::ResetControls()
{
    FunctionBoxes.front()->setChecked(false);
}

void Tdot3ControlForm::TableRead()
{
    FunctionBoxes.front()->setEnabled(true);
}

// ---- PAUSE ----------------------------------------------------------------------------------

const KtDialogType Tdot3PauseForm::Type = KtDialogType::Of<Tdot3PauseForm>("Dot3 Pause: ");

Tdot3PauseForm::Tdot3PauseForm(QWidget* owner, bool enlarge)
    : TDot3FormBase(owner, enlarge, {QStringLiteral("In Pause Frame"), QStringLiteral("Out Pause Frame")})
{
    setObjectName(QStringLiteral("dot3PauseForm"));
    QFormLayout* fields = nullptr;
    QVBoxLayout* buttons = nullptr;
    BuildCommon(fields, buttons);
    // The port a Set writes is the selected row's: shown, never typed.
    edtIndex = FormControls::Edit(this, fields, "edtIndex", "Index");
    edtIndex->setReadOnly(true);
    cbxAdminMode = FormControls::Combo(this, fields, "cbxAdminMode", "Admin Mode");
    btnSet = Button(this, "btnSet", "Set");
    btnSet->setEnabled(false);
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    for (QPushButton* b : {btnSet, btnStop, btnClose})
        buttons->addWidget(b);
    buttons->addStretch();
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    SetFormSize(560, 400);
    CreateRequests(kPauseTable, QStringLiteral("dot3PauseTable"), kPauseCounters,
                   QStringLiteral("dot3PauseCounters"), [this] {
                       TableRequest()->BindFormatted(kIndex, QStringLiteral("%i"), {edtIndex});
                       TableRequest()->BindDropDown(kAdminMode, cbxAdminMode);
                   });
}

Tdot3PauseForm::~Tdot3PauseForm() = default;

void Tdot3PauseForm::ResetControls()
{
    cbxAdminMode->setCurrentIndex(-1);
    btnSet->setEnabled(false);
}

void Tdot3PauseForm::TableRead()
{
    if (!cbxAdminMode->isEnabled())
        cbxAdminMode->setEnabled(true);
}

void Tdot3PauseForm::PortSelected()
{
    btnSet->setEnabled(true);
}

void Tdot3PauseForm::btnSetClick()
{
    QTreeWidgetItem* const selected = KtBoundRow::Of(ListView1);
    if (!selected)
        return;
    const QString port = selected->text(0);
    RunOperation(*TableRequest(), [this, port] {
        // The write goes to the selected row, whatever the index field holds.
        edtIndex->setText(port);
        SendColumn(*TableRequest(), kAdminMode);
        Reset();
        TableRequest()->Get();
    });
}

void Tdot3PauseForm::btnStopClick()
{
    StopRequest(*TableRequest());
}
