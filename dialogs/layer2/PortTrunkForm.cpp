#include "dialogs/layer2/PortTrunkForm.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"

#include "dialogs/InputChecks.h"
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/tables/TrunkTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace TrunkTable;

constexpr int kBoxesPerUnit = 32, kColumns = 12;
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
// The trunk request's time-out per attempt, in hundredths of a second.
constexpr int kTrunkTimeout = 300;

using FormControls::Button;

QLineEdit* Edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// A page of the port pages with a grid docked into its scroll box.
TStackingPortUitForm* GridPage(QTabWidget* pages, const QString& caption)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    auto* host = new QWidget;
    new QVBoxLayout(host);
    host->layout()->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(host);
    pages->addTab(scroll, caption);
    return new TStackingPortUitForm(host);
}

} // namespace

const KtDialogType TPortTrunkForm::Type = KtDialogType::Of<TPortTrunkForm>("Port Trunk: ");

TPortTrunkForm::TPortTrunkForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("PortTrunkForm"));
    SetSynchronous(true);
    BuildControls();
    SetFormSize(600, 520);
    FormCreate();
}


void TPortTrunkForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "LV_PortTrunk");
    LV_PortTrunk = list;

    auto* form = new QFormLayout;
    ED_Index = Edit(this, "ED_Index");
    form->addRow(QStringLiteral("Index(1-5)"), ED_Index);
    auto* master = new QHBoxLayout;
    UnitEdit = Edit(this, "UnitEdit");
    UnitEdit->setText(QStringLiteral("1"));
    PortEdit = Edit(this, "PortEdit");
    master->addWidget(new QLabel(QStringLiteral("Unit : "), this));
    master->addWidget(UnitEdit);
    master->addWidget(new QLabel(QStringLiteral("Port : "), this));
    master->addWidget(PortEdit);
    form->addRow(QStringLiteral("Master Port"), master);
    m_master = std::make_unique<TUnitPortEdits>(UnitEdit, PortEdit, UnitPorts::kTrunkPortsPerUnit);
    ED_MasterPort = Edit(this, "ED_MasterPort");
    ED_MasterPort->hide();
    Combo_Type = new QComboBox(this);
    Combo_Type->setObjectName(QStringLiteral("Combo_Type"));
    form->addRow(QStringLiteral("Trunk Type"), Combo_Type);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({kEnableText, kDisableText});
    ComboBox1->setCurrentIndex(-1);
    form->addRow(QStringLiteral("Status"), ComboBox1);
    Combo_State = new QComboBox(this);
    Combo_State->setObjectName(QStringLiteral("Combo_State"));
    Combo_State->hide();
    left->addLayout(form);

    PortPages = new QTabWidget(this);
    PortPages->setObjectName(QStringLiteral("PortPages"));
    MemberGrid = GridPage(PortPages, QStringLiteral("Member Ports"));
    ActiveGrid = GridPage(PortPages, QStringLiteral("Active Ports"));
    PortPages->setTabVisible(1, false);
    left->addWidget(PortPages);

    BT_Get = Button(this, "BT_Get", "Refresh");
    BT_Set = Button(this, "BT_Set", "Add");
    BT_Delete = Button(this, "BT_Delete", "Delete");
    SetBtn = Button(this, "SetBtn", "Set");
    BT_Close = Button(this, "BT_Close", "Close");
    FormControls::ButtonColumn(top, {BT_Get, BT_Set, BT_Delete, SetBtn, BT_Close});

    StatusBar = FormControls::PanelStatusBar(this, outer, "StatusBar", StatusPanel, "StatusPanel");

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { BT_CloseClick(); });
}

void TPortTrunkForm::FormCreate()
{
    for (TStackingPortUitForm* grid : {MemberGrid, ActiveGrid}) {
        grid->AddUnit(QStringLiteral("Unit1"), kBoxesPerUnit, kColumns);
        grid->ShowUnit(QLatin1String(kModel), kModelPorts);
    }
    m_units = UnitPorts::StandaloneUnits();
    m_bitIndex = TStackingPortUitForm::BitIndexText(kBoxesPerUnit);

    m_trunk = &AddRequest(kDefs, KtItem::MVT_UMV, kKeyCount, QStringLiteral("portTrunkTable"));
    m_trunk->Mode = 0;
    m_trunk->Request().Params.timeout = kTrunkTimeout;
    RunOperation(*m_trunk, [this] {
        m_trunk->BindListView(LV_PortTrunk, false);
        m_trunk->BindFormatted(kIndex, QStringLiteral("%i{n1x5}"), {ED_Index});
        m_trunk->BindFormatted(kMaster, QStringLiteral("%i"), {ED_MasterPort});
        m_trunk->BindBitsList(kMembers, m_bitIndex, MemberGrid->PortBoxes);
        m_trunk->BindDropDown(kType, Combo_Type);
        m_trunk->BindDropDown(kState, Combo_State);
        m_trunk->SetStatusTarget(StatusPanel);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(LV_PortTrunk), &KtBoundRow::Changed, this, [this] { LV_PortTrunkClick(); });
    });
    BT_GetClick();
}

void TPortTrunkForm::FreeControls()
{
    // The grids go first; the bindings hold their boxes weakly.
    for (TStackingPortUitForm** grid : {&MemberGrid, &ActiveGrid}) {
        delete *grid;
        *grid = nullptr;
    }
}

void TPortTrunkForm::SetIndexEditable(bool editable)
{
    ED_Index->setEnabled(editable);
    QPalette palette = ED_Index->palette();
    const QColor base = editable ? QColor(Qt::white) : palette.color(QPalette::Active, QPalette::Button);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    ED_Index->setPalette(palette);
}

void TPortTrunkForm::SetButtons(bool rowSelected)
{
    SetBtn->setEnabled(rowSelected);
    BT_Delete->setEnabled(rowSelected);
    BT_Set->setEnabled(!rowSelected);
}

void TPortTrunkForm::ClearInputs()
{
    SetIndexEditable(true);
    ED_Index->clear();
    m_master->Clear();
    for (TStackingPortUitForm* grid : {MemberGrid, ActiveGrid})
        if (grid)
            grid->UncheckAll();
    SetButtons(false);
}

void TPortTrunkForm::Walk()
{
    try {
        m_trunk->Get();
    } catch (...) {
        ClearInputs();
        throw;
    }
    ClearInputs();
}

std::function<void()> TPortTrunkForm::Guarded(std::function<void()> body)
{
    return [this, body = std::move(body)] {
        try {
            body();
        } catch (...) {
            m_master->Clear();
            for (TStackingPortUitForm* grid : {MemberGrid, ActiveGrid})
                if (grid)
                    grid->UncheckAll();
            SetButtons(false);
            throw;
        }
    };
}

void TPortTrunkForm::LV_PortTrunkClick()
{
    QTreeWidgetItem* const selected = KtBoundRow::Of(LV_PortTrunk);
    if (!selected) {
        ClearInputs();
        return;
    }
    SetIndexEditable(false);
    SetButtons(true);
    m_master->ShowNumber(ED_MasterPort->text());
    const QString state = m_trunk->VarList().Item(kState).Value;
    if (state == kDisableText)
        ComboBox1->setCurrentIndex(kDisablePosition);
    else if (state == kEnableText)
        ComboBox1->setCurrentIndex(kEnablePosition);
}

void TPortTrunkForm::BT_GetClick()
{
    RunOperation(*m_trunk, [this] { Walk(); });
}

int TPortTrunkForm::TypedUnit() const
{
    return UnitPorts::DigitsValue(UnitEdit->text()).value_or(-1);
}

int TPortTrunkForm::TypedPort() const
{
    return UnitPorts::DigitsValue(PortEdit->text()).value_or(0);
}

bool TPortTrunkForm::CheckAddIndex()
{
    const QString text = ED_Index->text();
    auto refuse = [this](const QString& message) {
        ShowMessage(message);
        ED_Index->setFocus();
        return false;
    };
    if (text.isEmpty())
        return refuse(kIndexEmpty);
    // Only a trunk index the switch has room for, compared as a number: "05" is trunk 5.
    if (!InputChecks::IsWholeNumberIn(text, kFirstIndex, kLastIndex))
        return refuse(kBadIndex);
    const qint64 index = text.toLongLong();
    for (int r = 0; r < LV_PortTrunk->topLevelItemCount(); ++r) {
        bool ok = false;
        const qint64 listed = LV_PortTrunk->topLevelItem(r)->text(kIndex).toLongLong(&ok);
        if (ok && listed == index)
            return refuse(kIndexTaken);
    }
    return true;
}

bool TPortTrunkForm::CheckMasterValid(int unit, int port)
{
    const UnitPorts::UnitInfo* info = UnitPorts::FindUnit(m_units, unit);
    QLineEdit* focus = nullptr;
    if (port <= 0)
        focus = PortEdit;
    else if (!info)
        focus = UnitEdit;
    else if (port > info->ports)
        focus = PortEdit;
    if (!focus)
        return true;
    ShowMessage(kBadMaster);
    focus->setFocus();
    return false;
}

bool TPortTrunkForm::CheckMasterTicked(int master)
{
    const int box = master - 1;
    if (box >= 0 && box < int(MemberGrid->PortBoxes.size()) && MemberGrid->PortBoxes[std::size_t(box)]->isChecked())
        return true;
    ShowMessage(kMasterUnticked);
    PortEdit->setFocus();
    return false;
}

bool TPortTrunkForm::CheckMemberCount(int unit)
{
    const int first = kBoxesPerUnit * (unit - 1);
    int count = 0;
    for (int k = first; k < first + kBoxesPerUnit && k < int(MemberGrid->PortBoxes.size()); ++k) {
        QCheckBox* box = MemberGrid->PortBoxes[std::size_t(k)];
        if (!box->isChecked())
            continue;
        if (++count > kMaxMembers) {
            box->setChecked(false);
            ShowMessage(kTooMany);
            return false;
        }
    }
    return Require(count >= kMinMembers, kTooFew);
}

bool TPortTrunkForm::CheckAdd()
{
    if (!CheckAddIndex())
        return false;
    for (auto [edit, message] : {std::pair{UnitEdit, kUnitEmpty}, std::pair{PortEdit, kPortEmpty}}) {
        if (edit->text().isEmpty()) {
            ShowMessage(message);
            edit->setFocus();
            return false;
        }
    }
    const int unit = TypedUnit(), port = TypedPort();
    if (!CheckMasterValid(unit, port))
        return false;
    if (Combo_Type->currentIndex() < 0) {
        ShowMessage(kNoType);
        Combo_Type->setFocus();
        return false;
    }
    const int master = UnitPorts::Encode(unit, port, UnitPorts::kTrunkPortsPerUnit);
    for (int r = 0; r < LV_PortTrunk->topLevelItemCount(); ++r) {
        bool ok = false;
        if (LV_PortTrunk->topLevelItem(r)->text(kMaster).toInt(&ok) == master && ok) {
            ShowMessage(kMasterTaken);
            UnitEdit->setFocus();
            return false;
        }
    }
    return CheckMasterTicked(master) && CheckMemberCount(unit);
}

bool TPortTrunkForm::CheckSet()
{
    if (ED_Index->text().isEmpty()) {
        ShowMessage(kNoGroup);
        return false;
    }
    for (auto [edit, message] : {std::pair{UnitEdit, kUnitEditEmpty}, std::pair{PortEdit, kPortEditEmpty}}) {
        if (edit->text().isEmpty()) {
            ShowMessage(message);
            edit->setFocus();
            return false;
        }
    }
    const int unit = TypedUnit(), port = TypedPort();
    if (!CheckMasterValid(unit, port))
        return false;
    return CheckMasterTicked(UnitPorts::Encode(unit, port, UnitPorts::kTrunkPortsPerUnit)) && CheckMemberCount(unit);
}

void TPortTrunkForm::BT_SetClick()
{
    RunOperation(
        *m_trunk, Guarded([this] {
            ED_MasterPort->setText(
                QString::number(UnitPorts::Encode(TypedUnit(), TypedPort(), UnitPorts::kTrunkPortsPerUnit)));
            // A new trunk is created disabled; enabling it is a write of its own.
            Combo_State->setCurrentIndex(kCreateAndGoPosition);
            SendRow(*m_trunk, {kMaster, kMembers, kType, kState});
            if (ComboBox1->currentText() == kEnableText) {
                Combo_State->setCurrentIndex(kEnablePosition);
                SendRow(*m_trunk, {kMaster, kMembers, kType, kState});
            }
            Walk();
        }),
        [this] { return CheckAdd(); });
}

void TPortTrunkForm::SetBtnClick()
{
    RunOperation(
        *m_trunk, Guarded([this] {
            Combo_State->setCurrentIndex(ComboBox1->currentIndex());
            ED_MasterPort->setText(
                QString::number(UnitPorts::Encode(TypedUnit(), TypedPort(), UnitPorts::kTrunkPortsPerUnit)));
            SendRow(*m_trunk, {kMaster, kMembers, kType, kState});
            ComboBox1->setCurrentIndex(Combo_State->currentIndex());
            Walk();
        }),
        [this] { return CheckSet(); });
}

void TPortTrunkForm::BT_DeleteClick()
{
    RunOperation(
        *m_trunk, Guarded([this] {
            DestroyRow(*m_trunk, kState, Combo_State, kDestroyPosition);
            Walk();
        }),
        [this] {
            if (!ED_Index->text().isEmpty())
                return true;
            ShowMessage(kNoGroup);
            ED_Index->setFocus();
            return false;
        });
}

void TPortTrunkForm::BT_CloseClick()
{
    close();
}
