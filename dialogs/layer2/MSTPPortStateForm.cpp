#include "dialogs/layer2/MSTPPortStateForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"
#include "dialogs/tables/StpTables.h"

#include "views/WindowTitle.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::MstpPortState;

constexpr int kAdminHelloTime = 2;
// The writable columns but the admin hello time, in table order.
const std::vector<int> kWritable = {3, 4, 5, 6, 8, 10, 11, 12};
constexpr int kTimeout = 300;  // 3 s, in hundredths of a second

using FormControls::Button;

template <class Control> Control* Named(QWidget* parent, const char* name)
{
    auto* c = new Control(parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

} // namespace

// ---- the edit dialog ------------------------------------------------------------------------

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm* list) : QDialog(list), m_list(list)
{
    setObjectName(QStringLiteral("MSTPPortStateEditForm"));
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edtPortIndex = Named<QLineEdit>(this, "edtPortIndex");
    edtOperHelloTime = Named<QLineEdit>(this, "edtOperHelloTime");
    edtAdminHelloTime = Named<QLineEdit>(this, "edtAdminHelloTime");
    cbxPortEnable = Named<QComboBox>(this, "cbxPortEnable");
    edtExtPathCost = Named<QLineEdit>(this, "edtExtPathCost");
    cbxMigration = Named<QComboBox>(this, "cbxMigration");
    cbxAdminEdgePort = Named<QComboBox>(this, "cbxAdminEdgePort");
    cbxOperEdgePort = Named<QComboBox>(this, "cbxOperEdgePort");
    cbxAdminP2P = Named<QComboBox>(this, "cbxAdminP2P");
    cbxOperP2P = Named<QComboBox>(this, "cbxOperP2P");
    cbxSTPlbd = Named<QComboBox>(this, "cbxSTPlbd");
    cbxSTPRole = Named<QComboBox>(this, "cbxSTPRole");
    cbxSTPTCN = Named<QComboBox>(this, "cbxSTPTCN");
    const std::pair<const char*, QWidget*> rows[] = {
        {"Port Index", edtPortIndex},          {"Operate Hello Time", edtOperHelloTime},
        {"Admin Hello Time", edtAdminHelloTime}, {"Port Enable", cbxPortEnable},
        {"External Path Cost", edtExtPathCost}, {"Migration", cbxMigration},
        {"Admin Edge", cbxAdminEdgePort},       {"Operate Edge", cbxOperEdgePort},
        {"Admin P2P", cbxAdminP2P},             {"Operate P2P", cbxOperP2P},
        {"Loopback Detection", cbxSTPlbd},      {"Restricted Role", cbxSTPRole},
        {"Restricted TCN", cbxSTPTCN},
    };
    for (const auto& [label, control] : rows)
        form->addRow(QLatin1String(label), control);
    outer->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnEdit = Button(this, "btnEdit", "Set");
    btnClose = Button(this, "btnClose", "Close");
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnClose);
    outer->addLayout(buttons);
    resize(320, 440);

    connect(btnEdit, &QPushButton::clicked, this, [this] {
        if (m_list->SendEdit())
            accept();
    });
    connect(btnClose, &QPushButton::clicked, this, [this] { reject(); });
}

void TMSTPPortStateEditForm::showEvent(QShowEvent* event)
{
    // What the switch only reports: the row's values load into these too.
    for (QWidget* control :
         std::initializer_list<QWidget*>{edtPortIndex, edtOperHelloTime, cbxOperEdgePort, cbxOperP2P})
        control->setEnabled(false);
    QDialog::showEvent(event);
}

// ---- the list dialog ------------------------------------------------------------------------

const KtDialogType TMSTPPortStateForm::Type = KtDialogType::Of<TMSTPPortStateForm>("MSTP Port State Information: ");

TMSTPPortStateForm::TMSTPPortStateForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("MSTPPortStateForm"));
    BuildControls();
    SetFormSize(640, 420);
    FormCreate();
}


void TMSTPPortStateForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    lvMSTPPortState = Named<QTreeWidget>(this, "lvMSTPPortState");
    top->addWidget(lvMSTPPortState, 1);
    btnRefresh = Button(this, "btnRefresh", "Refresh");
    btnEdit = Button(this, "btnEdit", "Edit");
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {btnRefresh, btnEdit, btnStop, btnClose});
    memMsg = FormControls::StatusMemo(this, "memMsg");
    outer->addWidget(memMsg);
    lblSTPVersion = Named<QLabel>(this, "lblSTPVersion");
    lblSTPVersion->hide();
    EditForm = new TMSTPPortStateEditForm(this);

    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TMSTPPortStateForm::FormCreate()
{
    btnEdit->setEnabled(false);
    m_version = &AddRequest(StpTables::kVersion, KtItem::SVT_SV, 0, QStringLiteral("stpVersion"));
    try {
        m_version->Bind(0, lblSTPVersion);
        m_version->SetStatusTarget(memMsg);
        m_version->Get();
    } catch (const KtException& e) {
        m_version->ShowStatus(0, e.Message());
    }

    m_table = &AddRequest(kMstpPort, KtItem::MVT_UMV, 1, QStringLiteral("mstpPortTable"));
    m_table->Request().Params.timeout = kTimeout;
    RunOperation(*m_table, [this] {
        TMSTPPortStateEditForm* e = EditForm;
        m_table->BindListView(lvMSTPPortState, false);
        m_table->BindFormatted(0, QStringLiteral("%u"), {e->edtPortIndex});
        m_table->BindFormatted(1, QStringLiteral("%u"), {e->edtOperHelloTime});
        // The switch takes 100 to 200 (hundredths of a second): checked before anything goes out.
        m_table->BindFormatted(kAdminHelloTime, QStringLiteral("%u{n100x200}"), {e->edtAdminHelloTime});
        m_table->BindDropDown(3, e->cbxPortEnable);
        m_table->BindFormatted(4, QStringLiteral("%u"), {e->edtExtPathCost});
        m_table->BindDropDown(5, e->cbxMigration);
        m_table->BindDropDown(6, e->cbxAdminEdgePort);
        m_table->BindDropDown(7, e->cbxOperEdgePort);
        m_table->BindDropDown(8, e->cbxAdminP2P);
        m_table->BindDropDown(9, e->cbxOperP2P);
        m_table->BindDropDown(10, e->cbxSTPlbd);
        m_table->BindDropDown(11, e->cbxSTPRole);
        m_table->BindDropDown(12, e->cbxSTPTCN);
        m_table->SetStatusTarget(memMsg);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the edit dialog.
        connect(KtBoundRow::Track(lvMSTPPortState), &KtBoundRow::Changed, this,
                [this] { btnEdit->setEnabled(KtBoundRow::Of(lvMSTPPortState) != nullptr); });
        connect(lvMSTPPortState, &QTreeWidget::itemDoubleClicked, this, [this] { btnEditClick(); });
        m_table->Get();
    });
}

void TMSTPPortStateForm::FreeControls()
{
    // The constraints watch the edit dialog's edits: they go before the edits do.
    if (m_table)
        for (int i = 0; i < m_table->VarList().Count(); ++i)
            m_table->Unbind(i);
    delete EditForm;
    EditForm = nullptr;
}

void TMSTPPortStateForm::ReadVersion()
{
    if (m_version->Busy())
        return;
    try {
        m_version->Request().Alive = true;
        m_version->Get();
    } catch (const KtException& e) {
        m_version->ShowStatus(0, e.Message());
    }
}

void TMSTPPortStateForm::btnRefreshClick()
{
    if (!GetComplete())
        return;
    ReadVersion();
    if (m_table->Busy())
        return;
    RunOperation(*m_table, [this] { m_table->Get(); });
}

void TMSTPPortStateForm::btnEditClick()
{
    if (!KtBoundRow::Of(lvMSTPPortState) || !EditForm)
        return;
    if (!GetComplete() || m_table->Busy()) {
        ShowMessage(kNotComplete);
        return;
    }
    EditForm->setWindowTitle(KtWindowTitle(kEditCaption, KtDeviceText()));
    EditForm->exec();
    btnEdit->setEnabled(false);
    ReadVersion();
}

bool TMSTPPortStateForm::SendEdit()
{
    const QString version = lblSTPVersion->text();
    const bool mstp = version == QLatin1String("mstp");
    const bool single = version == QLatin1String("stp") || version == QLatin1String("rstp");
    std::vector<int> sent = kWritable;
    if (mstp)
        sent.insert(sent.begin(), kAdminHelloTime);
    return RunOperation(
        *m_table,
        [&] {
            // MSTP takes a port's admin hello time in a write of its own; the other columns go
            // only once the switch has taken it.
            std::vector<std::function<void()>> steps;
            if (mstp)
                steps.push_back([this] { SendColumn(*m_table, kAdminHelloTime); });
            steps.push_back([this] { SendColumns(*m_table, kWritable); });
            steps.push_back([this] { m_table->Get(); });
            SendChain(*m_table, std::move(steps));
        },
        // Without the version read the write would be a guess; every field is checked before
        // the first write.
        [&] { return Require(mstp || single, kNotComplete) && CheckEdits(*m_table, sent); });
}

void TMSTPPortStateForm::btnStopClick()
{
    StopRequest(*m_table);
}

void TMSTPPortStateForm::btnCloseClick()
{
    close();
}
