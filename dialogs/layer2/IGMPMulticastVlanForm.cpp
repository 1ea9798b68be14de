#include "dialogs/layer2/IGMPMulticastVlanForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"
#include "dialogs/layer2/PortGridPages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using namespace Layer2Tables::IgmpMulticastVlan;

constexpr int kName = 1, kSource = 2, kMember = 3, kTagMember = 4, kState = 5, kReplaceIp = 6, kStatus = 7,
              kAction = 8;
constexpr int kCreateAndGoPosition = 3, kDestroyPosition = 5;

using FormControls::Button;

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString TIGMPMulticastVlanForm::IpProblem(const QString& text)
{
    if (InputChecks::IsIpv4Text(text))
        return {};
    // Which of the two messages: the first fault met from the left decides.
    QString octet;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c != u'.') {
            if (!IsDigit(c))
                return kBadIp;
            octet += c;
            continue;
        }
        if (k == 0 || k + 1 == text.size() || !IsDigit(text[k + 1]))
            return kBadIpDots;
        const int value = octet.toInt();
        if (octet.size() > 3 || value > 255 || (value == 0 && octet.contains(QStringLiteral("00"))))
            return kBadIp;
        octet.clear();
    }
    return kBadIp;
}

const KtDialogType TIGMPMulticastVlanForm::Type = KtDialogType::Of<TIGMPMulticastVlanForm>("IGMP Multicast VLAN Table: ");

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IGMPMulticastVlanForm"));
    BuildControls();
    SetFormSize(640, 600);
    FormCreate();
}


void TIGMPMulticastVlanForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_IGMPMulticastVlanEntry");
    LV_IGMPMulticastVlanEntry = list;

    auto* form = new QFormLayout;
    VlanIDEdit = FormControls::Edit(this, form, "VlanIDEdit", "Multicast VLAN ID(2-4094)");
    VlanNameEdit = FormControls::Edit(this, form, "VlanNameEdit", "Multicast VLAN Name");
    CBoxState = FormControls::Combo(this, form, "CBoxState", "Multicast VLAN State");
    RepalceIPEdit = FormControls::Edit(this, form, "RepalceIPEdit", "Multicast VLAN Replace Source IP");
    CBoxStatus = FormControls::Combo(this, form, "CBoxStatus", "Multicast VLAN Row Status");
    CBoxAction = FormControls::Combo(this, form, "CBoxAction", "Remove All Multicast Address List Action");
    left->addLayout(form);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    const auto grids = PortGridPages::Add(PortPages, {"Source Ports", "Member Ports", "Tag Member Ports"});
    SourceGrid = grids[0];
    MemberGrid = grids[1];
    TagMemberGrid = grids[2];
    left->addWidget(PortPages);

    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    SetBtn = Button(this, "SetBtn", "Set");
    AddBtn = Button(this, "AddBtn", "Add");
    DeleteBtn = Button(this, "DeleteBtn", "Delete");
    CloseBtn = Button(this, "CloseBtn", "Close");
    FormControls::ButtonColumn(top, {RefreshBtn, SetBtn, AddBtn, DeleteBtn, CloseBtn});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TIGMPMulticastVlanForm::FormCreate()
{
    m_table = &AddRequest(kMcastVlan, KtItem::MVT_UMV, 1, QStringLiteral("igmpMulticastVlanTable"));
    RunOperation(*m_table, [this] {
        m_table->BindListView(LV_IGMPMulticastVlanEntry, false);
        m_table->BindFormatted(0, QStringLiteral("%i{n2x4094l4}"), {VlanIDEdit});
        m_table->BindFormatted(kName, QStringLiteral("%s{l32}"), {VlanNameEdit});
        const QString bits = PortGridPages::BitIndex();
        m_table->BindBitsList(kSource, bits, SourceGrid->PortBoxes);
        m_table->BindBitsList(kMember, bits, MemberGrid->PortBoxes);
        m_table->BindBitsList(kTagMember, bits, TagMemberGrid->PortBoxes);
        m_table->Bind(kState, CBoxState);
        m_table->BindFormatted(kReplaceIp, QStringLiteral("%s{l16}"), {RepalceIPEdit});
        m_table->Bind(kStatus, CBoxStatus);
        m_table->Bind(kAction, CBoxAction);
        m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(LV_IGMPMulticastVlanEntry), &KtBoundRow::Changed, this, [this] { ListSelectItem(); });
        m_table->Get();
    });
    ClearInputs();
    SetButtons(false);
}

void TIGMPMulticastVlanForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm** grid : {&SourceGrid, &MemberGrid, &TagMemberGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

bool TIGMPMulticastVlanForm::RowSelected() const
{
    return KtBoundRow::Of(LV_IGMPMulticastVlanEntry) != nullptr;
}

void TIGMPMulticastVlanForm::SetButtons(bool rowSelected)
{
    SetBtn->setEnabled(rowSelected);
    DeleteBtn->setEnabled(rowSelected);
    AddBtn->setEnabled(!rowSelected);
    // A selected row is the one Set and Delete write: its ID is not typed over.
    VlanIDEdit->setEnabled(!rowSelected);
}

void TIGMPMulticastVlanForm::ListSelectItem()
{
    const bool selected = RowSelected();
    if (!selected)
        ClearInputs();
    SetButtons(selected);
}

void TIGMPMulticastVlanForm::ClearInputs()
{
    for (TStackingPortUitForm* grid : {SourceGrid, MemberGrid, TagMemberGrid})
        if (grid)
            grid->UncheckAll();
    VlanIDEdit->setEnabled(true);
    VlanIDEdit->clear();
    VlanNameEdit->setEnabled(true);
    VlanNameEdit->clear();
    RepalceIPEdit->clear();
    CBoxState->setCurrentIndex(-1);
    CBoxAction->setCurrentIndex(-1);
    CBoxStatus->setCurrentIndex(kCreateAndGoPosition);
}

void TIGMPMulticastVlanForm::KeepSelectedKey()
{
    QTreeWidgetItem* const selected = KtBoundRow::Of(LV_IGMPMulticastVlanEntry);
    if (selected != nullptr)
        VlanIDEdit->setText(selected->text(0));
}

bool TIGMPMulticastVlanForm::RequireAt(bool ok, const QString& message, QWidget* focus)
{
    if (ok)
        return true;
    ShowMessage(message);
    if (focus && focus->isEnabled())
        focus->setFocus();
    return false;
}

bool TIGMPMulticastVlanForm::CheckVlanId()
{
    const QString id = VlanIDEdit->text();
    return RequireAt(!id.isEmpty(), kVlanIdEmpty, VlanIDEdit)
           && RequireAt(id.size() <= 4 && InputChecks::IsWholeNumberIn(id, 2, 4094), kBadVlanId, VlanIDEdit);
}

bool TIGMPMulticastVlanForm::CheckReplaceIp()
{
    const QString ip = RepalceIPEdit->text();
    if (ip.isEmpty())
        return true;
    const QString problem = IpProblem(ip);
    if (problem.isEmpty())
        return true;
    ShowMessage(problem);
    return RequireAt(false, kIpNotValid, RepalceIPEdit);
}

std::vector<int> TIGMPMulticastVlanForm::ColumnsToSend() const
{
    std::vector<int> columns = {kName, kSource, kMember, kTagMember};
    if (CBoxState->currentIndex() >= 0)
        columns.push_back(kState);
    if (!RepalceIPEdit->text().isEmpty())
        columns.push_back(kReplaceIp);
    columns.push_back(kStatus);
    if (CBoxAction->currentIndex() >= 0)
        columns.push_back(kAction);
    return columns;
}

void TIGMPMulticastVlanForm::StartWalk()
{
    m_table->Get();
    ClearInputs();
}

void TIGMPMulticastVlanForm::RefreshBtnClick()
{
    // Refresh is quietly ignored while anything runs.
    if (!GetComplete() || m_table->Busy())
        return;
    if (RunOperation(*m_table, [this] { StartWalk(); }))
        SetButtons(false);
}

void TIGMPMulticastVlanForm::AddBtnClick()
{
    if (RowSelected())
        return;
    RunOperation(
        *m_table,
        [this] {
            SendRow(*m_table, ColumnsToSend());
            StartWalk();
        },
        [this] {
            return CheckVlanId() && RequireAt(!VlanNameEdit->text().isEmpty(), kVlanNameEmpty, VlanNameEdit)
                   && CheckEdits(*m_table, {kName}) && CheckReplaceIp()
                   && RequireAt(CBoxStatus->currentIndex() == kCreateAndGoPosition, kMustCreateAndGo, CBoxStatus);
        });
}

void TIGMPMulticastVlanForm::SetBtnClick()
{
    if (!RowSelected())
        return;
    const bool ran = RunOperation(
        *m_table,
        [this] {
            KeepSelectedKey();
            SendRow(*m_table, ColumnsToSend());
            StartWalk();
        },
        // The same checks of what goes out as Add's: a name the switch would take for none is
        // refused here too.
        [this] {
            return RequireAt(!VlanNameEdit->text().isEmpty(), kVlanNameEmpty, VlanNameEdit)
                   && CheckEdits(*m_table, {kName}) && CheckReplaceIp();
        });
    if (ran)
        SetButtons(false);
}

void TIGMPMulticastVlanForm::DeleteBtnClick()
{
    if (!RowSelected())
        return;
    const bool ran = RunOperation(*m_table, [this] {
        KeepSelectedKey();
        DestroyRow(*m_table, kStatus, CBoxStatus, kDestroyPosition);
        StartWalk();
    });
    if (ran)
        SetButtons(false);
}

void TIGMPMulticastVlanForm::CloseBtnClick()
{
    close();
}
