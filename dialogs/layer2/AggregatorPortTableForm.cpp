#include "dialogs/layer2/AggregatorPortTableForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtBoundRow.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPSession.h"
#include "dialogs/FormControls.h"
#include "dialogs/InputChecks.h"

#include "views/WindowTitle.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::AggregatorPort;

constexpr int kActorKey = 3, kPartnerId = 7, kPartnerKey = 9;
constexpr int kActorAdminState = 19, kActorOperState = 20, kPartnerAdminState = 21, kPartnerOperState = 22;
// The variable each state page shows, in page order.
constexpr int kStateColumns[4] = {kActorAdminState, kActorOperState, kPartnerAdminState, kPartnerOperState};
// Only the admin states are the operator's to change; the oper pages are never shown.
constexpr bool kPageShown[4] = {true, false, true, false};

// The LACP state bits, bit 0 (the octet's most significant bit) first.
const char* const kStateBits[8] = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
                                   "collecting",   "distributing", "defaulted",  "expired"};
const QString kBitList = QStringLiteral("0,1,2,3,4,5,6,7");
const QString kKeyFormat = QStringLiteral("%i{n0x65535l5}");

using FormControls::Button;

} // namespace

const KtDialogType TAggregatorPortTableForm::Type = KtDialogType::Of<TAggregatorPortTableForm>("Aggregator Port: ");

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("AggregatorPortTableForm"));
    BuildControls();
    SetFormSize(640, 560);
    setWindowTitle(KtWindowTitle(QStringLiteral("Aggregator Port Table: "), KtDeviceText()));
    FormCreate();
}


void TAggregatorPortTableForm::BuildControls()
{
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    edtActorKey = FormControls::Edit(this, form, "edtActorKey", "Actor Admin Key");
    edtPartnerID = FormControls::Edit(this, form, "edtPartnerID", "Partner Admin System ID");
    edtPartnerKey = FormControls::Edit(this, form, "edtPartnerKey", "Partner Admin Key");
    left->addLayout(form);

    StatePages = new QTabWidget(this);
    StatePages->setObjectName(QStringLiteral("StatePages"));
    for (int p = 0; p < 4; ++p) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        for (int k = 0; k < kBoxesPerPage; ++k) {
            auto* box = new QCheckBox(QLatin1String(kStateBits[k]), page);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(p * kBoxesPerPage + k + 1));
            grid->addWidget(box, k / 4, k % 4);
            StateBoxes.push_back(box);
        }
        StatePages->addTab(page, QLatin1String(kStatePages[p]));
        StatePages->setTabVisible(p, kPageShown[p]);
    }
    left->addWidget(StatePages);

    StaticText1 = FormControls::SamplesRow(this, left, "StaticText1");

    GetBtn = Button(this, "GetBtn", "Refresh");
    btnEdit = Button(this, "btnEdit", "Edit");
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {GetBtn, btnEdit, btnStop, btnClose});

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(GetBtn, &QPushButton::clicked, this, [this] { GetBtnClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

std::vector<QCheckBox*> TAggregatorPortTableForm::PageBoxes(int p) const
{
    const auto first = StateBoxes.begin() + p * kBoxesPerPage;
    return std::vector<QCheckBox*>(first, first + kBoxesPerPage);
}

void TAggregatorPortTableForm::FormCreate()
{
    btnEdit->setEnabled(false);
    EnableInputs(false);
    m_table = &AddRequest(kAggregatorPortTable, KtItem::MVT_FMV, 1, QStringLiteral("aggregatorPortTable"));
    RunOperation(*m_table, [this] {
        // The inputs are enabled once the walk is done, not row by row.
        m_table->BindListView(ListView1, false);
        m_table->BindFormatted(kActorKey, kKeyFormat, {edtActorKey});
        m_table->BindFormatted(kPartnerId, QStringLiteral("%s{l12}"), {edtPartnerID});
        m_table->BindFormatted(kPartnerKey, kKeyFormat, {edtPartnerKey});
        for (int p = 0; p < 4; ++p)
            m_table->BindBitsList(kStateColumns[p], kBitList, PageBoxes(p));
        m_table->SetStatusTarget(Memo1);
        WatchGetDone(*m_table);
        connect(m_table, &KtSNMPRequest2Controls::ReadDone, this, [this] { TableRead(); });
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { ListView1SelectItem(); });
        WatchRowCount(ListView1, StaticText1);
        StartWalk();
    });
}

void TAggregatorPortTableForm::TableRead()
{
    EnableInputs(true);
}

void TAggregatorPortTableForm::EnableInputs(bool enabled)
{
    for (int p = 0; p < 4; ++p)
        for (QCheckBox* box : PageBoxes(p))
            box->setEnabled(enabled && kPageShown[p]);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey})
        edit->setEnabled(enabled);
}

void TAggregatorPortTableForm::ClearInputs()
{
    for (QCheckBox* box : StateBoxes)
        box->setChecked(false);
    for (QLineEdit* edit : {edtActorKey, edtPartnerID, edtPartnerKey})
        edit->clear();
}

void TAggregatorPortTableForm::StartWalk()
{
    btnEdit->setEnabled(false);
    m_table->Get();
    ClearInputs();
}

void TAggregatorPortTableForm::ListView1SelectItem()
{
    const bool selected = KtBoundRow::Of(ListView1) != nullptr;
    btnEdit->setEnabled(selected);
    if (!selected)
        ClearInputs();
}

void TAggregatorPortTableForm::GetBtnClick()
{
    // Ignored while a walk or a write is outstanding.
    if (!GetComplete() || m_table->Busy())
        return;
    RunOperation(*m_table, [this] { StartWalk(); });
    if (GetComplete()) {
        // The walk could not start: nothing selected, nothing to edit.
        btnEdit->setEnabled(false);
        ClearInputs();
    }
}

void TAggregatorPortTableForm::btnEditClick()
{
    if (GetComplete() && !KtBoundRow::Of(ListView1))
        return;
    // An empty key edit is no value: it stays out of the write (never sent as key 0).
    std::vector<int> columns;
    if (!edtActorKey->text().trimmed().isEmpty())
        columns.push_back(kActorKey);
    columns.push_back(kPartnerId);
    if (!edtPartnerKey->text().trimmed().isEmpty())
        columns.push_back(kPartnerKey);
    columns.push_back(kActorAdminState);
    columns.push_back(kPartnerAdminState);
    RunOperation(
        *m_table,
        [this, columns] {
            SendRow(*m_table, columns);
            StartWalk();
        },
        [this, columns] {
            return Require(InputChecks::IsMacText(edtPartnerID->text()), kBadMac) && CheckEdits(*m_table, columns);
        });
}

void TAggregatorPortTableForm::btnStopClick()
{
    StopRequest(*m_table);
}

void TAggregatorPortTableForm::btnCloseClick()
{
    close();
}
