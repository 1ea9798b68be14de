#include "dialogs/security/TimeRangeForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"
#include "dialogs/security/AclOptions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using namespace SecurityTables::TimeRange;
constexpr int kWeekdays = 1, kStart = 2, kEnd = 3, kStatus = 4;

} // namespace

const KtDialogType TTimeRangeForm::Type = KtDialogType::Of<TTimeRangeForm>("Time Range Management: ");

TTimeRangeForm::TTimeRangeForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("TimeRangeForm"));
    BuildControls();
    SetFormSize(600, 440);
    FormCreate();
}


void TTimeRangeForm::BuildControls()
{
    using namespace FormControls;
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    edtName = Edit(this, form, "edtName", "Name");
    edtName->setMaxLength(kMaxNameBytes);
    edtweekdays = Edit(this, form, "edtweekdays", "Week Days(Example Mon,Thu)");
    auto* daily = new QGroupBox(QStringLiteral("Daily"), this);
    auto* dailyForm = new QFormLayout(daily);
    edtStart = Edit(daily, dailyForm, "edtStart", "Start Time");
    edtEnd = Edit(daily, dailyForm, "edtEnd", "End Time");
    dailyForm->addRow(new QLabel(QStringLiteral("(Time hh:mm:ss )"), daily));
    form->addRow(daily);
    cbxStatus = Combo(this, form, "cbxStatus", "Status");

    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    btnGet = Button(this, "btnGet", "Refresh");
    btnSet = Button(this, "btnSet", "Edit");
    btnAdd = Button(this, "btnAdd", "Add");
    btnDelete = Button(this, "btnDelete", "Delete");
    btnStop = Button(this, "btnStop", "Stop");
    btnClose = Button(this, "btnClose", "Close");
    for (QPushButton* b : {btnGet, btnSet, btnAdd, btnDelete, btnStop, btnClose})
        buttons->addWidget(b);
    buttons->addStretch();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { btnAddClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TTimeRangeForm::FormCreate()
{
    m_table = &AddRequest(kTimeRange, KtItem::MVT_UMV, 1, QStringLiteral("timeRangeTable"));
    m_table->RefreshAfterSet = false;
    m_table->SetStatusTarget(StatusBar1);
    ShowState(false);
    RunOperation(*m_table, [this] {
        m_table->BindListView(ListView1, false);
        m_table->BindFormatted(0, QStringLiteral("%s"), {edtName});
        m_table->BindFormatted(kWeekdays, QStringLiteral("%s"), {edtweekdays});
        m_table->BindFormatted(kStart, QStringLiteral("%s"), {edtStart});
        m_table->BindFormatted(kEnd, QStringLiteral("%s"), {edtEnd});
        m_table->Bind(kStatus, cbxStatus);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the controls.
        connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { ListView1Click(); });
        m_table->Get();
    });
}

bool TTimeRangeForm::RowSelected() const
{
    return KtBoundRow::Of(ListView1) != nullptr;
}

void TTimeRangeForm::ShowState(bool rowSelected)
{
    btnSet->setEnabled(rowSelected);
    btnDelete->setEnabled(rowSelected);
    btnAdd->setEnabled(!rowSelected);
    edtName->setEnabled(!rowSelected);
    cbxStatus->setEnabled(!rowSelected);
}

void TTimeRangeForm::ListView1Click()
{
    // Once closed, the request is gone; the view may still signal while it is destroyed.
    if (Requests().empty())
        return;
    const bool selected = RowSelected();
    ShowState(selected);
    if (!selected)
        ClearInputs();
}

void TTimeRangeForm::ClearInputs()
{
    cbxStatus->setEnabled(true);
    cbxStatus->setCurrentIndex(-1);
    edtStart->clear();
    edtEnd->clear();
    edtName->clear();
    edtName->setEnabled(true);
    edtweekdays->clear();
}

bool TTimeRangeForm::CheckInputs()
{
    // An empty name would go out as a zero-length instance and address no row at all.
    return Require(!edtName->text().isEmpty(), kNoName)
           && Require(edtName->text().toUtf8().size() <= kMaxNameBytes, kLongName)
           && Require(!edtweekdays->text().isEmpty(), kNoWeekdays) && Require(!edtStart->text().isEmpty(), kNoStart)
           && Require(!edtEnd->text().isEmpty(), kNoEnd);
}

void TTimeRangeForm::SendRowAndRead()
{
    SendRow(*m_table, {kWeekdays, kStart, kEnd, kStatus});
    m_table->Get();
}

void TTimeRangeForm::btnGetClick()
{
    // Ignored while anything runs, and then nothing changes (what was typed stays): the walk
    // under way shows the list soon enough.
    if (!GetComplete() || m_table->Busy())
        return;
    if (RunOperation(*m_table, [this] { m_table->Get(); }))
        ClearInputs();
}

void TTimeRangeForm::btnAddClick()
{
    RunOperation(*m_table, [this] { SendRowAndRead(); },
                 [this] {
                     // The status shows what an Add sends, also when a check then refuses it.
                     cbxStatus->setCurrentIndex(AclOptions::kCreateAndGoPosition);
                     return CheckInputs();
                 });
}

void TTimeRangeForm::btnSetClick()
{
    if (!RowSelected())
        return;
    // The status goes out as the row has it.
    if (RunOperation(*m_table, [this] { SendRowAndRead(); }, [this] { return CheckInputs(); })) {
        ListView1->clearSelection();
        ShowState(false);
        ClearInputs();
    }
}

void TTimeRangeForm::btnDeleteClick()
{
    if (!RowSelected())
        return;
    const bool ran = RunOperation(*m_table, [this] {
        cbxStatus->setCurrentIndex(AclOptions::kDestroyPosition);
        SendRowAndRead();
    });
    if (ran) {
        ListView1->clearSelection();
        ShowState(false);
        ClearInputs();
    }
}

void TTimeRangeForm::btnStopClick()
{
    StopRequest(*m_table);
}

void TTimeRangeForm::btnCloseClick()
{
    close();
}
