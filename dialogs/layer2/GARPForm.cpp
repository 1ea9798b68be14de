#include "dialogs/layer2/GARPForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "dialogs/FormControls.h"

#include "dialogs/tables/StpTables.h"
#include "dialogs/layer2/GarpCompletion.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using namespace Layer2Tables::Garp;

using FormControls::Button;

} // namespace

const KtDialogType TGARPForm::Type = KtDialogType::Of<TGARPForm>("GARP: ");

TGARPForm::TGARPForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("GARPForm"));
    BuildControls();
    SetFormSize(480, 360);
    FormCreate();
}

TGARPForm::~TGARPForm()
{
    // A walk stopped by closing never reports its end: the flags are not left to block the
    // next dialog that shares them.
    GarpCompletion() = TGarpCompletion{};
}

void TGARPForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    LV_dot1dPortGarpEntry = new QTreeWidget(this);
    LV_dot1dPortGarpEntry->setObjectName(QStringLiteral("LV_dot1dPortGarpEntry"));
    top->addWidget(LV_dot1dPortGarpEntry, 1);
    RefreshBtn = Button(this, "RefreshBtn", "Refresh");
    btnClose = Button(this, "btnClose", "Close");
    FormControls::ButtonColumn(top, {RefreshBtn, btnClose});

    ST_Count = FormControls::SamplesRow(this, outer, "ST_Count");

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TGARPForm::FormCreate()
{
    m_table = &AddRequest(kGarp, KtItem::MVT_FMV, 1, QStringLiteral("dot1dPortGarpTable"));
    try {
        m_table->BindListView(LV_dot1dPortGarpEntry);
        m_table->SetStatusTarget(Memo1);
    } catch (const KtException& e) {
        Memo1->appendPlainText(e.Message());
        return;
    }
    connect(m_table, &KtSNMPRequest2Controls::ReadDone, this, [] {
        GarpCompletion().GetComplete = true;
        GarpCompletion().SetComplete = true;
    });
    WatchRowCount(LV_dot1dPortGarpEntry, ST_Count);
    Walk();
}

void TGARPForm::Walk()
{
    GarpCompletion().GetComplete = false;
    try {
        m_table->Request().Alive = true;
        m_table->Get();
    } catch (const KtException& e) {
        GarpCompletion().GetComplete = true;
        m_table->ShowStatus(0, e.Message());
    }
    ShowRowCounts();
}

void TGARPForm::RefreshBtnClick()
{
    // Also when the request is idle but the flags say another walk has not ended.
    if (!GarpCompletion().GetComplete || !GarpCompletion().SetComplete || m_table->Busy())
        return;
    Walk();
}

void TGARPForm::btnCloseClick()
{
    close();
}
