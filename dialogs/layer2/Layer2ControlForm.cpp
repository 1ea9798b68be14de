#include "dialogs/layer2/Layer2ControlForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSyncWait.h"
#include "dialogs/InputChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

using namespace Layer2Tables::Layer2Control;

constexpr int kIgmp = 0, kRmon = 1, kTrapState = 2, kClean = 3, kFdbVlan = 4, kMgmtVlan = 5, kMacNotify = 6,
              kNotifySize = 7, kNotifyInterval = 8, kWebState = 9, kTelnetState = 10, kIpConfig = 11, kTrapLog = 12;
constexpr int kPort = 0;

const QString kEnabled = QStringLiteral("enabled");

using FormControls::Button;

// An empty control holds nothing to send: no text (or only the marker the binding writes when
// there was nothing to show), no choice.
bool IsEmpty(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().trimmed().isEmpty() || IsEditMarkerText(edit->text());
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex() < 0 || combo->currentText().isEmpty();
    return false;
}

} // namespace

const KtDialogType TLayer2ControlForm::Type = KtDialogType::Of<TLayer2ControlForm>("Layer2 Control: ");

TLayer2ControlForm::TLayer2ControlForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("Layer2ControlForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(470, 560);
    FormCreate();
}


void TLayer2ControlForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Set"), this), 0, 2);
    int row = 1;
    const auto tick = [this](const char* name) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    const auto addRow = [&](const char* label, QWidget* control, QCheckBox* box) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
        grid->addWidget(control, row, 1);
        grid->addWidget(box, row, 2);
        ++row;
    };
    const auto combo = [&](const char* name, const char* label, QCheckBox* box) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        addRow(label, c, box);
        return c;
    };
    const auto edit = [&](const char* name, const char* label, QCheckBox* box) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        addRow(label, e, box);
        return e;
    };
    CheckBox1 = tick("CheckBox1");
    CheckBox3 = tick("CheckBox3");
    CheckBox4 = tick("CheckBox4");
    CheckBox5 = tick("CheckBox5");
    CheckBox6 = tick("CheckBox6");
    CheckBox7 = tick("CheckBox7");
    CheckBox8 = tick("CheckBox8");
    CheckBox9 = tick("CheckBox9");
    CheckBox10 = tick("CheckBox10");
    CheckBox11 = tick("CheckBox11");
    CheckBox12 = tick("CheckBox12");
    CheckBox13 = tick("CheckBox13");
    CheckBox14 = tick("CheckBox14");
    CheckBox16 = tick("CheckBox16");
    CheckBox17 = tick("CheckBox17");
    IGMPComBo = combo("IGMPComBo", "IGMP Snooping State", CheckBox1);
    RmonComBo = combo("RmonComBo", "RMON State", CheckBox3);
    TrapStateComBo = combo("TrapStateComBo", "SNMP Trap State", CheckBox17);
    CleanComBo = combo("CleanComBo", "Clean All Statistic Counter", CheckBox4);
    VlanEdit = edit("VlanEdit", "VLAN ID Of FDB Table [1-4094]", CheckBox5);
    edtMVlanID = edit("edtMVlanID", "Management Vlan ID [1-4094]", CheckBox11);
    cbxMACNotify = combo("cbxMACNotify", "MAC Notification", CheckBox12);
    edtNotifySize = edit("edtNotifySize", "MAC Notify History Size [1-500]", CheckBox13);
    edtNotifyInterval = edit("edtNotifyInterval", "MAC Notify Interval", CheckBox14);
    WebStateComBo = combo("WebStateComBo", "Web State", CheckBox6);
    WebPortEdit = edit("WebPortEdit", "Web Port", CheckBox7);
    TelStateComBo = combo("TelStateComBo", "Telnet State", CheckBox8);
    TelPortEdit = edit("TelPortEdit", "Telnet Port", CheckBox9);
    IPConfigComBo = combo("IPConfigComBo", "IP Auto Config", CheckBox10);
    TrapLogComBo = combo("TrapLogComBo", "Port Security Trap Log State", CheckBox16);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    GetButton = Button(this, "GetButton", "Refresh");
    SetButton = Button(this, "SetButton", "Set Checked");
    CheckButton = Button(this, "CheckButton", "Check All");
    ClearButton = Button(this, "ClearButton", "Clear Checked");
    CloseButton = Button(this, "CloseButton", "Close");
    for (QPushButton* b : {GetButton, SetButton, CheckButton, ClearButton, CloseButton})
        buttons->addWidget(b);
    outer->addLayout(buttons);
    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
    connect(CheckButton, &QPushButton::clicked, this, [this] { CheckButtonClick(); });
    connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
}

void TLayer2ControlForm::FormCreate()
{
    m_main = &AddRequest(kMain, KtItem::SVT_SV, 0, QStringLiteral("layer2Control"));
    m_webPort = &AddRequest(kWebPort, KtItem::SVT_SV, 0, QStringLiteral("webPort"));
    m_telPort = &AddRequest(kTelnetPort, KtItem::SVT_SV, 0, QStringLiteral("telnetPort"));
    try {
        for (KtSNMPRequest2Edits* request : {m_main, m_webPort, m_telPort}) {
            request->Mode = 0;
            request->SetStatusTarget(Memo1);
        }
        m_main->BindDropDown(kIgmp, IGMPComBo);
        m_main->BindDropDown(kRmon, RmonComBo);
        m_main->BindDropDown(kTrapState, TrapStateComBo);
        m_main->BindDropDown(kClean, CleanComBo);
        m_main->BindFormatted(kFdbVlan, QStringLiteral("%i{n1x4094l4}"), {VlanEdit});
        m_main->BindFormatted(kMgmtVlan, QStringLiteral("%i{n1x4094l4}"), {edtMVlanID});
        m_main->BindDropDown(kMacNotify, cbxMACNotify);
        m_main->BindFormatted(kNotifySize, QStringLiteral("%i{n1x500l3}"), {edtNotifySize});
        m_main->BindFormatted(kNotifyInterval, QStringLiteral("%i{n1x2147483647}"), {edtNotifyInterval});
        m_main->BindDropDown(kWebState, WebStateComBo);
        m_main->BindDropDown(kTelnetState, TelStateComBo);
        m_main->BindDropDown(kIpConfig, IPConfigComBo);
        m_main->BindDropDown(kTrapLog, TrapLogComBo);
        m_webPort->BindFormatted(kPort, QStringLiteral("%i{n1x65535}"), {WebPortEdit});
        m_telPort->BindFormatted(kPort, QStringLiteral("%i{n1x65535}"), {TelPortEdit});
    } catch (const KtException& e) {
        Memo1->appendPlainText(e.Message());
        return;
    }
    // The operator's choice and a read alike: the port edit follows its service's state.
    connect(WebStateComBo, &QComboBox::currentIndexChanged, this, [this] { WebRule(); });
    connect(TelStateComBo, &QComboBox::currentIndexChanged, this, [this] { TelnetRule(); });
    connect(IPConfigComBo, &QComboBox::currentIndexChanged, this, [this] { TelnetRule(); });
    m_working = true;
    ReadAll();
    m_working = false;
}

std::vector<TLayer2ControlForm::Group> TLayer2ControlForm::Groups() const
{
    return {
        {m_main,
         {{CheckBox1, IGMPComBo, kIgmp},
          {CheckBox3, RmonComBo, kRmon},
          {CheckBox17, TrapStateComBo, kTrapState},
          {CheckBox4, CleanComBo, kClean},
          {CheckBox5, VlanEdit, kFdbVlan},
          {CheckBox11, edtMVlanID, kMgmtVlan},
          {CheckBox12, cbxMACNotify, kMacNotify},
          {CheckBox13, edtNotifySize, kNotifySize},
          {CheckBox14, edtNotifyInterval, kNotifyInterval},
          {CheckBox6, WebStateComBo, kWebState},
          {CheckBox8, TelStateComBo, kTelnetState},
          {CheckBox10, IPConfigComBo, kIpConfig},
          {CheckBox16, TrapLogComBo, kTrapLog}}},
        {m_webPort, {{CheckBox7, WebPortEdit, kPort}}},
        {m_telPort, {{CheckBox9, TelPortEdit, kPort}}},
    };
}

std::vector<QCheckBox*> TLayer2ControlForm::AllTicks() const
{
    return {CheckBox1, CheckBox3, CheckBox4, CheckBox5, CheckBox11, CheckBox12, CheckBox13, CheckBox14,
            CheckBox17, CheckBox6, CheckBox8, CheckBox10, CheckBox16, CheckBox7, CheckBox9};
}

bool TLayer2ControlForm::Enabled(const QComboBox* state)
{
    return state->currentIndex() >= 0 && state->currentText() == kEnabled;
}

void TLayer2ControlForm::PortRule(bool enabled, QLineEdit* edit, QCheckBox* tick)
{
    if (!enabled) {
        edit->clear();
        tick->setChecked(false);
    }
    edit->setEnabled(enabled);
    tick->setEnabled(enabled);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QGuiApplication::palette().color(enabled ? QPalette::Base : QPalette::Button));
    edit->setPalette(palette);
}

void TLayer2ControlForm::WebRule()
{
    PortRule(Enabled(WebStateComBo), WebPortEdit, CheckBox7);
}

void TLayer2ControlForm::TelnetRule()
{
    PortRule(Enabled(TelStateComBo), TelPortEdit, CheckBox9);
}

void TLayer2ControlForm::ApplyRules()
{
    WebRule();
    TelnetRule();
}

bool TLayer2ControlForm::AnyBusy() const
{
    return m_working || m_freed || !m_main || m_main->Busy() || m_webPort->Busy() || m_telPort->Busy();
}

bool TLayer2ControlForm::Read(KtSNMPRequest2Edits& request)
{
    try {
        request.Request().Alive = true;
        request.Get();
    } catch (const KtException& e) {
        request.ShowStatus(0, e.Message());
        return false;
    }
    return true;
}

void TLayer2ControlForm::ReadAll()
{
    Read(*m_main);
    ApplyRules();
    if (Enabled(WebStateComBo))
        Read(*m_webPort);
    if (Enabled(TelStateComBo))
        Read(*m_telPort);
}

void TLayer2ControlForm::GetButtonClick()
{
    if (AnyBusy())
        return;
    m_working = true;
    ReadAll();
    m_working = false;
}

void TLayer2ControlForm::CheckButtonClick()
{
    for (QCheckBox* tick : AllTicks())
        if (tick->isEnabled())
            tick->setChecked(true);
}

void TLayer2ControlForm::ClearButtonClick()
{
    for (QCheckBox* tick : AllTicks())
        tick->setChecked(false);
}

void TLayer2ControlForm::CloseButtonClick()
{
    close();
}

bool TLayer2ControlForm::GroupReady(const Group& group)
{
    // Emptiness first, over the whole group in order: one message names the first empty field.
    for (const Field& field : group.fields) {
        if (!field.tick->isChecked() || !IsEmpty(field.control))
            continue;
        ShowMessage(kEmptyChecked);
        if (field.control->isEnabled())
            field.control->setFocus();
        return false;
    }
    // Then the numbers: whole text, in the edit's range, or its constraint's message.
    for (const Field& field : group.fields) {
        auto* edit = qobject_cast<QLineEdit*>(field.control);
        if (!field.tick->isChecked() || !edit)
            continue;
        const EditConstraint_s* rec = group.request->Constraints().Find(edit);
        if (!rec)
            continue;
        KtLeaveCheck check = CheckOnLeaving(rec->format, edit->text());
        if (check.result != KtLeaveCheck::Failed
            && InputChecks::IsWholeNumberIn(edit->text(), qint64(std::ceil(rec->format.minimum)),
                                            qint64(std::floor(rec->format.maximum))))
            continue;
        if (check.result != KtLeaveCheck::Failed)
            check = CheckOnLeaving(rec->format, QStringLiteral("-"));  // the range message
        ShowMessage(check.message);
        if (edit->isEnabled())
            edit->setFocus();
        return false;
    }
    return true;
}

void TLayer2ControlForm::Write(const Group& group, bool emptyWhenNoneTicked)
{
    std::vector<TickedField> fields;
    for (const Field& field : group.fields)
        fields.push_back({field.tick, field.column});
    try {
        group.request->Request().Alive = true;
        if (!SendTicked(*group.request, fields, false) && emptyWhenNoneTicked)
            SendColumns(*group.request, KtEmptySet);  // the SET goes out without variables
    } catch (const KtException& e) {
        group.request->ShowStatus(1, e.Message());
    }
}

bool TLayer2ControlForm::SettlePort(QComboBox* state, QCheckBox* tick, KtSNMPRequest2Edits& request,
                                    QLineEdit* edit, bool writeIt, const Group& group)
{
    if (!Enabled(state))
        return true;
    if (tick->isChecked()) {
        if (writeIt)
            Write(group, false);
    } else {
        // Held out of reach while the switch takes up what the main group changed.
        Read(request);
        edit->clear();
        edit->setReadOnly(true);
        const QPointer<TLayer2ControlForm> self(this);
        const int settle = PortSettleMs(request.Request().Params.security.version);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < settle) {
            KtSyncWait::LetEventsRun(20);
            if (!self || m_freed)
                return false;
        }
        edit->setReadOnly(false);
    }
    Read(request);
    return true;
}

void TLayer2ControlForm::SetButtonClick()
{
    if (AnyBusy())
        return;
    const QPointer<TLayer2ControlForm> self(this);
    m_working = true;
    const std::vector<Group> groups = Groups();
    // Each group is checked as a whole; a group that cannot go out is left out, the others go on.
    std::vector<bool> ready;
    for (const Group& group : groups)
        ready.push_back(GroupReady(group));
    if (ready[0])
        Write(groups[0], true);
    Read(*m_main);
    ApplyRules();
    // A settling wait lets events run: the form may be closed (or gone) once it returns.
    if (SettlePort(WebStateComBo, CheckBox7, *m_webPort, WebPortEdit, ready[1], groups[1]))
        SettlePort(TelStateComBo, CheckBox9, *m_telPort, TelPortEdit, ready[2], groups[2]);
    if (self)
        m_working = false;
}
