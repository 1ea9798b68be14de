#include "dialogs/security/IPv6MaskInfoForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/InputChecks.h"
#include "dialogs/FormControls.h"
#include "dialogs/security/AclOptions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

using namespace SecurityTables::Ipv6Mask;

constexpr int kClass = 1, kFlowLabel = 2, kState = 3, kSrc = 4, kDst = 5, kRowStatus = 6;
constexpr int kDisablePosition = 1, kStateOtherPosition = 0;

QString Choice(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? QString() : combo->currentText();
}

void Untick(QRadioButton* radio)
{
    // An auto-exclusive button cannot be unticked on its own.
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

} // namespace

const KtDialogType TIPv6MaskInfoForm::Type = KtDialogType::Of<TIPv6MaskInfoForm>("IPV6 Mask Information: ");

TIPv6MaskInfoForm::TIPv6MaskInfoForm(QWidget* owner, bool enlarge) : TAclDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("IPv6MaskInfoForm"));
    BuildControls();
    SetFormSize(720, 520);
    FormCreate();
}


void TIPv6MaskInfoForm::BuildControls()
{
    using namespace FormControls;
    auto [outer, top, left, list] = FormControls::ListFrame(this, "ListView1");
    ListView1 = list;

    auto* form = new QFormLayout;
    left->addLayout(form);
    edtMaskID = Edit(this, form, "edtMaskID", "IPv6 Mask ID");
    RadioButton1 = new QRadioButton(QStringLiteral("Mask Class and Flow label"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    form->addRow(RadioButton1);
    cbxMaskClass = Combo(this, form, "cbxMaskClass", "Mask Class");
    cbxMaskFlowlabel = Combo(this, form, "cbxMaskFlowlabel", "Mask Flow label");
    RadioButton2 = new QRadioButton(QStringLiteral("Mask IPv6 Address"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    form->addRow(RadioButton2);
    cbxMaskState = Combo(this, form, "cbxMaskState", "Address Mask State");
    edtSrcMask = Edit(this, form, "edtSrcMask", "Source Mask");
    edtDstMask = Edit(this, form, "edtDstMask", "Destination Mask");
    cbxStatus = Combo(this, form, "cbxStatus", "RowStatus");
    cbxOwner = Combo(this, form, "cbxOwner", "Owner", true);
    EntiesEdit = Edit(this, form, "EntiesEdit", "Unused Rule Entries", true);

    auto* buttons = new QVBoxLayout;
    top->addLayout(buttons);
    GetButton = Button(this, "GetButton", "Refresh");
    AddButton = Button(this, "AddButton", "Add");
    DeleteButton = Button(this, "DeleteButton", "Delete");
    EditButton = Button(this, "EditButton", "Edit");
    EditButton->setVisible(false);  // a mask is never changed
    for (QPushButton* b : {GetButton, AddButton, DeleteButton, EditButton})
        buttons->addWidget(b);
    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setVisible(false);
    buttons->addWidget(StaticText1);
    buttons->addStretch();
    AddStatusBar(outer);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButton1Click(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButton2Click(); });
}

void TIPv6MaskInfoForm::FormCreate()
{
    KtSNMPRequest2Edits& table = AddTableRequest(kIpv6Mask, 1, QStringLiteral("aclIpv6MaskTable"), ListView1);
    table.BindFormatted(0, QStringLiteral("%i{n1x200}"), {edtMaskID});
    table.Bind(kClass, cbxMaskClass);
    table.Bind(kFlowLabel, cbxMaskFlowlabel);
    table.Bind(kState, cbxMaskState);
    table.BindFormatted(kSrc, QStringLiteral("%s{l32}"), {edtSrcMask});
    table.BindFormatted(kDst, QStringLiteral("%s{l32}"), {edtDstMask});
    table.Bind(kRowStatus, cbxStatus);
    table.Bind(7, cbxOwner);
    table.BindFormatted(8, QStringLiteral("%i"), {EntiesEdit});

    cbxMaskClass->setCurrentIndex(kDisablePosition);
    cbxMaskFlowlabel->setCurrentIndex(kDisablePosition);
    cbxMaskState->setCurrentIndex(kStateOtherPosition);
    cbxStatus->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    cbxOwner->setCurrentIndex(AclOptions::kAclOwnerPosition);

    SetStateControls({DeleteButton}, {AddButton, edtMaskID});
    Reload();
}

void TIPv6MaskInfoForm::ClearInputs()
{
    edtMaskID->clear();
    edtSrcMask->clear();
    edtDstMask->clear();
    EntiesEdit->clear();
    Untick(RadioButton1);
    Untick(RadioButton2);
}

void TIPv6MaskInfoForm::RadioButton1Click()
{
    RadioButton1->setChecked(true);
    cbxMaskClass->setEnabled(true);
    cbxMaskFlowlabel->setEnabled(true);
    cbxMaskState->setEnabled(false);
    edtSrcMask->setEnabled(false);
    edtDstMask->setEnabled(false);
    cbxMaskState->setCurrentIndex(kStateOtherPosition);
}

void TIPv6MaskInfoForm::RadioButton2Click()
{
    RadioButton2->setChecked(true);
    cbxMaskClass->setEnabled(false);
    cbxMaskFlowlabel->setEnabled(false);
    cbxMaskClass->setCurrentIndex(kDisablePosition);
    cbxMaskFlowlabel->setCurrentIndex(kDisablePosition);
    cbxMaskState->setEnabled(true);
    edtSrcMask->setEnabled(true);
    edtDstMask->setEnabled(true);
}

void TIPv6MaskInfoForm::OnSelectionChanged(bool rowSelected)
{
    if (rowSelected) {
        // The binding has loaded the row: its kind of mask follows from what it enables.
        const QString state = Choice(cbxMaskState);
        if (Choice(cbxMaskClass) == "enable" || Choice(cbxMaskFlowlabel) == "enable") {
            RadioButton1Click();
        } else if (state == "dst-ipv6-addr" || state == "src-ipv6-addr") {
            RadioButton2Click();
        } else {
            Untick(RadioButton1);
            Untick(RadioButton2);
            for (QWidget* w : std::initializer_list<QWidget*>{cbxMaskClass, cbxMaskFlowlabel, cbxMaskState, edtSrcMask,
                                                             edtDstMask})
                w->setEnabled(true);
        }
    }
    TAclDialogBase::OnSelectionChanged(rowSelected);
}

std::set<int> TIPv6MaskInfoForm::LeftOut() const
{
    std::set<int> out;
    if (!RadioButton1->isChecked())
        out.insert({kClass, kFlowLabel});
    const QString state = Choice(cbxMaskState);
    if (!RadioButton2->isChecked() || state.isEmpty() || cbxMaskState->currentIndex() == kStateOtherPosition)
        out.insert({kState, kSrc, kDst});
    else if (state == "dst-ipv6-addr")
        out.insert(kSrc);
    else if (state == "src-ipv6-addr")
        out.insert(kDst);
    for (const auto& [column, combo] : {std::pair{kClass, cbxMaskClass}, std::pair{kFlowLabel, cbxMaskFlowlabel},
                                        std::pair{kRowStatus, cbxStatus}})
        if (combo->currentIndex() < 0)
            out.insert(column);
    return out;
}

bool TIPv6MaskInfoForm::ValidateInputs()
{
    if (!RequireAt(!edtMaskID->text().isEmpty(), kNoId, edtMaskID))
        return false;
    if (RadioButton1->isChecked()) {
        return RequireAt(cbxMaskClass->currentIndex() >= 0, kNoClass, cbxMaskClass)
            && RequireAt(cbxMaskFlowlabel->currentIndex() >= 0, kNoFlowLabel, cbxMaskFlowlabel)
            && RequireAt(cbxMaskClass->currentIndex() != kDisablePosition
                             || cbxMaskFlowlabel->currentIndex() != kDisablePosition,
                         kNothingEnabled, cbxMaskClass);
    }
    if (RadioButton2->isChecked()) {
        if (!RequireAt(cbxMaskState->currentIndex() > kStateOtherPosition, kNoState, cbxMaskState))
            return false;
        const bool destination = Choice(cbxMaskState) == "dst-ipv6-addr";
        QLineEdit* edit = destination ? edtDstMask : edtSrcMask;
        return RequireAt(!edit->text().isEmpty(), destination ? kNoDestination : kNoSource, edit)
            && RequireAt(InputChecks::IsHexText(edit->text(), 32), kBadAddress, edit);
    }
    return RequireAt(false, kNoKind, nullptr);
}

void TIPv6MaskInfoForm::GetButtonClick()
{
    Reload();
}

void TIPv6MaskInfoForm::AddButtonClick()
{
    std::set<int> leftOut;
    RunCommand([&] { SendAllBut(*TableRequest(), leftOut); },
               [&] {
                   if (!ValidateInputs() || !RequireNewKey({edtMaskID->text()}, kDuplicate, edtMaskID)
                       || !RequireCreateAndGo(cbxStatus))
                       return false;
                   leftOut = LeftOut();
                   std::vector<int> checked{0};
                   for (int i : WritableExcept(TableRequest()->VarList(), leftOut))
                       checked.push_back(i);
                   return CheckEdits(*TableRequest(), checked);
               });
}

void TIPv6MaskInfoForm::DeleteButtonClick()
{
    // Only a selected row has its key in the ID edit.
    if (!RowSelected())
        return;
    RunCommand([&] { DestroyRow(*TableRequest(), kRowStatus, cbxStatus, AclOptions::kDestroyPosition); });
}
