#include "dialogs/layer2/SpanningTreeAlgorithmForm.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtMessages.h"
#include "dialogs/ProgressForm.h"
#include "dialogs/tables/StpTables.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

using FormControls::Button;

} // namespace

const KtDialogType TSpanningTreeAlgorithmForm::Type = KtDialogType::Of<TSpanningTreeAlgorithmForm>("Spanning Tree Algorithm: ");

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("SpanningTreeAlgorithmForm"));
    BuildControls();
    SetFormSize(330, 130);
    FormCreate();
}


void TSpanningTreeAlgorithmForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    form->addRow(QStringLiteral("Spanning Tree Algorithm"), ComboBox1);
    outer->addLayout(form);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BT_Get = Button(this, "BT_Get", "Refresh");
    BT_Set = Button(this, "BT_Set", "Set");
    buttons->addWidget(BT_Get);
    buttons->addWidget(BT_Set);
    outer->addLayout(buttons);
    outer->addStretch();

    StatusBar1 = FormControls::PanelStatusBar(this, outer, "StatusBar1", StatusPanel, "StatusPanel");

    connect(BT_Get, &QPushButton::clicked, this, [this] { BT_GetClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
}

void TSpanningTreeAlgorithmForm::FormCreate()
{
    m_request = &AddRequest(StpTables::kAlgorithm, KtItem::SVT_SV, 0, QStringLiteral("stpAlgorithm"));
    try {
        m_request->BindDropDown(0, ComboBox1);
        m_request->SetStatusTarget(StatusPanel);
    } catch (const KtException& e) {
        StatusPanel->setText(e.Message());
        return;
    }
    Read();
}

void TSpanningTreeAlgorithmForm::Read()
{
    try {
        m_request->Request().Alive = true;
        m_request->Get();
    } catch (const KtException& e) {
        m_request->ShowStatus(0, e.Message());
    }
}

void TSpanningTreeAlgorithmForm::BT_GetClick()
{
    if (m_request->Busy())
        return;  // the answer is on its way
    Read();
}

void TSpanningTreeAlgorithmForm::BT_SetClick()
{
    // A write now would race the read that is to fill the combo box.
    if (m_request->Busy()) {
        ShowMessage(kNotComplete);
        return;
    }
    const QString state = ComboBox1->currentText();
    if (state == QLatin1String("disabled")) {
        try {
            m_request->Request().Alive = true;
            m_request->Set(true, true);
        } catch (const KtException& e) {
            m_request->ShowStatus(1, e.Message());
        }
        // Also after a refusal: the read's "Ok!" is followed by the refusal again.
        Read();
    } else if (state == QLatin1String("enabled")) {
        Enable();
    }
}

void TSpanningTreeAlgorithmForm::Enable()
{
    if (KtMessageService().AskOkCancel(this, KtMessages::DisplayCaption(), kEnableQuestion)) {
        m_request->Request().Alive = true;
        TProgressForm progress(this, *m_request);
        progress.setWindowTitle(kProgressCaption);
        progress.SetPrompt(kProgressPrompt);
        progress.ShowModal();
    }
    // After a refused write too: the read's "Ok!" is followed by the refusal again.
    Read();
}
