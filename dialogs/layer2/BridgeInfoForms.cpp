#include "dialogs/layer2/BridgeInfoForms.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"
#include "dialogs/tables/StpTables.h"
#include "dialogs/layer2/GarpCompletion.h"

#include "KtNML/KtOptionList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using FormControls::Button;

const KtOptionList olTrueFalse({{1, "true"}, {2, "false"}});
const KtOptionList olTopology(
    {{1, "stand-alone"}, {2, "duplex-chain"}, {3, "duplex-ring"}, {4, "star"}, {5, "unstable"}});

using namespace Layer2Tables::ProbeInformation;

// ---- tables -------------------------------------------------------------------------------

const KtSNMPVarDef kPortCapabilities[] = {
    StpTables::Dot1dBasePort("Port Number", KtAcc::NotAccess),
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};

// The 802.1X port access entity's rows are keyed by supplicant MAC and port.
#define PAE_KEYS(mac, port)                                                              \
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", mac, KtSyn::MacAddress, KtAcc::NotAccess},       \
        {"1.3.6.1.4.1.32473.12.3.6.1.1.2", port, KtSyn::Integer, KtAcc::NotAccess}

#define PAE_COUNTER(table, n, label) {"1.3.6.1.4.1.32473.12.3.6." #table ".1." #n, label, KtSyn::Counter, KtAcc::ReadOnly}

const KtSNMPVarDef kMacStatistics[] = {
    PAE_KEYS("PAE MAC Address", "PAE Port Number"),
    PAE_COUNTER(2, 1, "Eapol Frames RX"),
    PAE_COUNTER(2, 2, "Eapol Frames TX"),
    PAE_COUNTER(2, 3, "Eapol Start Frames RX"),
    PAE_COUNTER(2, 4, "Eapol Log off Frames RX"),
    PAE_COUNTER(2, 5, "Eapol Response ID Frames RX"),
    PAE_COUNTER(2, 6, "Eapol Response Frames RX"),
    PAE_COUNTER(2, 7, "Eapol Requset ID Frames TX"),
    PAE_COUNTER(2, 8, "Eapol Requset Frames TX"),
    PAE_COUNTER(2, 9, "Invalid Eapol Frames RX"),
    PAE_COUNTER(2, 10, "Eap Length Error Frames RX"),
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Last Eapol Frame Version", KtSyn::Gauge, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Last Eapol Frame Source", KtSyn::MacAddress, KtAcc::ReadOnly},
    {},
};

const KtSNMPVarDef kDiagnostics[] = {
    PAE_KEYS("MAC Address", "Port Number"),
    PAE_COUNTER(3, 1, "Enters Connecting"),
    PAE_COUNTER(3, 2, "Eap Logoffs While Connecting"),
    PAE_COUNTER(3, 3, "Enters Authenticating"),
    PAE_COUNTER(3, 4, "Auth Success While Authenticating"),
    PAE_COUNTER(3, 5, "Auth Timeouts While Authenticating"),
    PAE_COUNTER(3, 6, "Auth Fail While Authenticating"),
    PAE_COUNTER(3, 7, "Auth Reauths WhileAuthenticating"),
    PAE_COUNTER(3, 8, "Auth Eap Starts While Authenticating"),
    PAE_COUNTER(3, 9, "Auth Eap Logoff While Authenticating"),
    PAE_COUNTER(3, 10, "Auth Reauths While Authenticated"),
    PAE_COUNTER(3, 11, "Auth Eap Starts While Authenticated"),
    PAE_COUNTER(3, 12, "Auth Eap Logoff While Authenticated"),
    PAE_COUNTER(3, 13, "Backend Responses"),
    PAE_COUNTER(3, 14, "Backend Access Challenges"),
    PAE_COUNTER(3, 15, "Backend Other Requests To Supplicant"),
    PAE_COUNTER(3, 16, "Backend NonNak Responses From Supplicant"),
    PAE_COUNTER(3, 17, "Backend Auth Successes"),
    PAE_COUNTER(3, 18, "Backend Auth Fails"),
    {},
};

#undef PAE_KEYS
#undef PAE_COUNTER

const TInfoTableShape kPortCapabilitiesShape{
    "PortCapabilities8021dForm", kPortCapabilities, 1, "dot1dPortCapabilitiesTable",
    "LV_dot1dPortCapabilitiesEntry", "RefreshBtn", "ST_Count", false, true};
const TInfoTableShape kMacStatisticsShape{
    "MacStatisticTableForm", kMacStatistics, 2, "paeMacStatisticTable", "ListView1", "Button1", nullptr, true, false};
const TInfoTableShape kDiagnosticsShape{
    "DiagnosticsInformationForm", kDiagnostics, 2, "paeDiagnosticsTable", "ListView1", "Button1", nullptr, true, false};

// ---- scalar groups ------------------------------------------------------------------------

const KtSNMPVarDef kDeviceCapabilities[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", KtSyn::BitStr, KtAcc::ReadOnly},
    {},
};
const KtSNMPVarDef kTrafficClassesEnabled[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", KtSyn::Integer, KtAcc::ReadOnly, &olTrueFalse},
    {},
};

const KtSNMPVarDef kEquipment[] = {
    {"1.3.6.1.4.1.32473.12.11.1.1", "Equipment Capacity", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5", "Topology", KtSyn::Integer, KtAcc::ReadOnly, &olTopology},
    {},
};

constexpr int kResetControl = 2;

const TInfoScalarsShape kBridgeConfigShape{
    "PBridgeConfigForm",
    {kDeviceCapabilities, kTrafficClassesEnabled},
    {
        {0, 0, TInfoField::Text, "Edit_DeviceCapabilities", "Device Capabilities"},
        {1, 0, TInfoField::Choice, "TrafficClassesState", "Traffic Classes State"},
    },
    "RefreshBtn",
    false,
    false,
    // Both variables are read-only: the Set the form carries stays out of sight.
    TInfoScalarsShape::HiddenSet,
};

const TInfoScalarsShape kEquipmentShape{
    "EquipmentBasicInfoForm",
    {kEquipment},
    {
        {0, 0, TInfoField::Edit, "Edit1", "Equipment Capacity"},
        {0, 1, TInfoField::Choice, "cbxTopology", "Topology"},
    },
    "BitBtn1",
    true,
    false,
    TInfoScalarsShape::InertSet,
};

const TInfoScalarsShape kProbeShape{
    "ProbeBasicInformationForm",
    {kProbe},
    {
        {0, 0, TInfoField::HiddenEdit, "edtCap", "%s"},
        {0, 0, TInfoField::Fixed, "stCap", "Capabilities", TProbeBasicInformationForm::kCapabilities},
        {0, 1, TInfoField::Text, "stSoftware", "Software Revision"},
        {0, kResetControl, TInfoField::Choice, "cbxReset", "Reset Control"},
    },
    "RefreshBtn",
    true,
    true,
    TInfoScalarsShape::SendOne,
    0,
    kResetControl,
};

QVBoxLayout* ButtonColumn(QHBoxLayout* top)
{
    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    return buttons;
}

} // namespace

// ---- a table walked into a list -----------------------------------------------------------

TInfoTableForm::TInfoTableForm(QWidget* owner, bool enlarge, const TInfoTableShape& shape)
    : TDialogBase(owner, enlarge), m_shape(shape)
{
    setObjectName(QLatin1String(shape.formName));
    SetSynchronous(shape.synchronous);
    BuildControls();
    SetFormSize(560, 400);
    FormCreate();
}

TInfoTableForm::~TInfoTableForm()
{
    if (m_shape.sharedCompletion) {
        // A walk stopped by closing never reports its end: the flags are not left to block the
        // GARP timer dialog that shares them.
        GarpCompletion() = TGarpCompletion{};
    }
}

void TInfoTableForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    ListView = new QTreeWidget(this);
    ListView->setObjectName(QLatin1String(m_shape.listObject));
    top->addWidget(ListView, 1);
    QVBoxLayout* buttons = ButtonColumn(top);
    RefreshBtn = Button(this, m_shape.refreshObject, "Refresh");
    buttons->addWidget(RefreshBtn);
    buttons->addStretch();

    if (m_shape.countObject) {
        auto* count = new QHBoxLayout;
        count->addWidget(new QLabel(QStringLiteral("Samples"), this));
        CountBox = FormControls::CountBox(this, m_shape.countObject);
        count->addWidget(CountBox);
        count->addStretch();
        outer->addLayout(count);
    }

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshClick(); });
}

void TInfoTableForm::FormCreate()
{
    m_table = &AddRequest(m_shape.defs, KtItem::MVT_FMV, m_shape.keyCount, QLatin1String(m_shape.listName));
    if (m_shape.synchronous)
        m_table->Mode = 0;
    try {
        m_table->BindListView(ListView);
        m_table->SetStatusTarget(Memo1);
    } catch (const KtException& e) {
        Memo1->appendPlainText(e.Message());
        return;
    }
    if (m_shape.sharedCompletion)
        connect(m_table, &KtSNMPRequest2Controls::ReadDone, this, [] { GarpCompletion().GetComplete = true; });
    WatchGetDone(*m_table);
    if (CountBox)
        WatchRowCount(ListView, CountBox);
    Walk();
}

void TInfoTableForm::Walk()
{
    if (m_shape.sharedCompletion)
        GarpCompletion().GetComplete = false;
    // A failed walk shows its error in Memo1: an empty list alone would look like a switch
    // with no rows.
    RunOperation(*m_table, [this] { m_table->Get(); });
    if (m_shape.sharedCompletion && !m_table->Busy())
        GarpCompletion().GetComplete = true;
    ShowRowCounts();
}

void TInfoTableForm::RefreshClick()
{
    // Nothing while a walk runs, here or (for the shared flags) in the GARP timer dialog.
    if (m_table->Busy())
        return;
    if (m_shape.sharedCompletion && (!GarpCompletion().GetComplete || !GarpCompletion().SetComplete))
        return;
    Walk();
}

const KtDialogType TPortCapabilities8021dForm::Type = KtDialogType::Of<TPortCapabilities8021dForm>("Port Capability Form: ");

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget* owner, bool enlarge)
    : TInfoTableForm(owner, enlarge, kPortCapabilitiesShape)
{
}

const KtDialogType TMacStatisticTableForm::Type = KtDialogType::Of<TMacStatisticTableForm>("MAC Statistic: ");

TMacStatisticTableForm::TMacStatisticTableForm(QWidget* owner, bool enlarge)
    : TInfoTableForm(owner, enlarge, kMacStatisticsShape)
{
}

const KtDialogType TDiagnosticsInformationForm::Type = KtDialogType::Of<TDiagnosticsInformationForm>("Diagnostics Information: ");

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget* owner, bool enlarge)
    : TInfoTableForm(owner, enlarge, kDiagnosticsShape)
{
}

// ---- scalar groups ------------------------------------------------------------------------

TInfoScalarsForm::TInfoScalarsForm(QWidget* owner, bool enlarge, const TInfoScalarsShape& shape)
    : TDialogBase(owner, enlarge), m_shape(shape)
{
    setObjectName(QLatin1String(shape.formName));
    SetSynchronous(shape.synchronous);
    BuildControls();
    SetFormSize(440, 260);
    FormCreate();
}


QWidget* TInfoScalarsForm::Field(const char* object) const
{
    for (QWidget* w : m_fields)
        if (w->objectName() == QLatin1String(object))
            return w;
    return nullptr;
}

void TInfoScalarsForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    auto* form = new QFormLayout;
    top->addLayout(form, 1);
    for (const TInfoField& f : m_shape.fields) {
        QWidget* control = nullptr;
        switch (f.kind) {
        case TInfoField::Text:
        case TInfoField::Fixed: {
            auto* text = new QLabel(this);
            text->setObjectName(QLatin1String(f.object));
            text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            text->setMinimumWidth(120);
            if (f.fixed)
                text->setText(QLatin1String(f.fixed));
            form->addRow(QLatin1String(f.label), text);
            control = text;
            break;
        }
        case TInfoField::Edit:
            control = FormControls::Edit(this, form, f.object, f.label);
            static_cast<QLineEdit*>(control)->setReadOnly(true);
            break;
        case TInfoField::Choice:
            control = FormControls::Combo(this, form, f.object, f.label);
            break;
        case TInfoField::HiddenEdit: {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QLatin1String(f.object));
            edit->setVisible(false);
            control = edit;
            break;
        }
        }
        m_fields.push_back(control);
    }

    QVBoxLayout* buttons = ButtonColumn(top);
    RefreshBtn = Button(this, m_shape.refreshObject, "Refresh");
    buttons->addWidget(RefreshBtn);
    if (m_shape.set != TInfoScalarsShape::NoSet) {
        SetBtn = Button(this, "SetBtn", "Set");
        SetBtn->setVisible(m_shape.set != TInfoScalarsShape::HiddenSet);
        buttons->addWidget(SetBtn);
        connect(SetBtn, &QPushButton::clicked, this, [this] { SetClick(); });
    }
    buttons->addStretch();

    if (m_shape.statusBar) {
        StatusBar1 = new QStatusBar(this);
        StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
        StatusBar1->setSizeGripEnabled(false);
        outer->addWidget(StatusBar1);
    } else {
        Memo1 = FormControls::StatusMemo(this, "Memo1");
        outer->addWidget(Memo1);
    }

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshClick(); });
}

void TInfoScalarsForm::FormCreate()
{
    for (std::size_t g = 0; g < m_shape.groups.size(); ++g) {
        KtSNMPRequest2Edits& request =
            AddRequest(m_shape.groups[g], KtItem::SVT_SV, 0, QLatin1String(m_shape.formName) + QString::number(g));
        if (m_shape.synchronous)
            request.Mode = 0;
        if (StatusBar1)
            request.SetStatusTarget(StatusBar1);
        else
            request.SetStatusTarget(Memo1);
        m_groups.push_back(&request);
    }
    for (std::size_t k = 0; k < m_shape.fields.size(); ++k) {
        const TInfoField& f = m_shape.fields[k];
        KtSNMPRequest2Edits& request = *m_groups[std::size_t(f.request)];
        try {
            if (f.kind == TInfoField::HiddenEdit)
                request.BindFormatted(f.column, QLatin1String(f.label), {m_fields[k]});
            else if (f.kind != TInfoField::Fixed)
                request.Bind(f.column, m_fields[k]);
        } catch (const KtException& e) {
            request.ShowStatus(e.Message());
        }
    }
    ReadAll();
}

void TInfoScalarsForm::ReadAll()
{
    for (KtSNMPRequest2Edits* request : m_groups) {
        if (request->Busy())
            continue;
        try {
            request->Request().Alive = true;
            request->Get();
        } catch (const KtException& e) {
            request->ShowStatus(0, e.Message());
            return;
        }
    }
}

void TInfoScalarsForm::RefreshClick()
{
    ReadAll();
}

void TInfoScalarsForm::SetClick()
{
    if (m_shape.set != TInfoScalarsShape::SendOne)
        return;
    KtSNMPRequest2Edits& request = *m_groups[std::size_t(m_shape.setRequest)];
    if (request.Busy())
        return;
    RunOperation(request, [&] { SendColumn(request, m_shape.setColumn); });
}

const KtDialogType TPBridgeConfigForm::Type = KtDialogType::Of<TPBridgeConfigForm>("802.1P Basic Configure: ");

TPBridgeConfigForm::TPBridgeConfigForm(QWidget* owner, bool enlarge) : TInfoScalarsForm(owner, enlarge, kBridgeConfigShape)
{
}

const KtDialogType TEquipmentBasicInfoForm::Type = KtDialogType::Of<TEquipmentBasicInfoForm>("Equipment Basic Information: ");

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner, bool enlarge)
    : TInfoScalarsForm(owner, enlarge, kEquipmentShape)
{
}

const KtDialogType TProbeBasicInformationForm::Type = KtDialogType::Of<TProbeBasicInformationForm>("Probe Basic Information: ");

TProbeBasicInformationForm::TProbeBasicInformationForm(QWidget* owner, bool enlarge)
    : TInfoScalarsForm(owner, enlarge, kProbeShape)
{
    stCap = static_cast<QLabel*>(Field("stCap"));
}
