// What the access-control dialogs share, on a small dialog over the simulator's static VLAN
// table: keys compared as numbers, the send set, the create-and-go check, and a command's
// ends (sent and re-read; refused with nothing sent; failed with its message left standing).
#include "KtNML/KtSNMPError.h"
#include "dialogs/security/AclDialogBase.h"
#include "dialogs/security/AclOptions.h"
#include "tests/support/SimDialogFixture.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::waitFor;

namespace {

const QString kEntry = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.");

const KtSNMPVarDef kTable[] = {
    {"", "VLAN ID", KtSyn::Gauge, KtAcc::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", KtSyn::BitStr, KtAcc::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", KtSyn::Integer, KtAcc::ReadWrite, &AclOptions::RowStatus},
    {},
};
constexpr int kName = 1, kStatus = 3;

class TAclStub : public TAclDialogBase {
public:
    TAclStub() : TAclDialogBase(nullptr, false)
    {
        auto* layout = new QVBoxLayout(this);
        List = new QTreeWidget(this);
        Key = new QLineEdit(this);
        Name = new QLineEdit(this);
        Status = new QComboBox(this);
        StatusTick = new QCheckBox(this);
        Add = new QPushButton(this);
        Delete = new QPushButton(this);
        AddStatusBar(layout);
        KtSNMPRequest2Edits& table = AddTableRequest(kTable, 1, QStringLiteral("dot1qVlanStaticTable"), List);
        table.BindFormatted(0, QStringLiteral("%i{n1x4094}"), {Key});
        table.BindFormatted(kName, QStringLiteral("%s{l4}"), {Name});
        table.Bind(kStatus, Status);
        SetStateControls({Delete}, {Add, Key});
        Reload();
    }
    ~TAclStub() override { FormClose(); }

    void ClearInputs() override
    {
        Key->clear();
        Name->clear();
    }
    using TAclDialogBase::RequireCreateAndGo;
    using TAclDialogBase::RequireNewKey;
    using TAclDialogBase::RunCommand;
    using TAclDialogBase::SendAllBut;

    QTreeWidget* List;
    QLineEdit* Key;
    QLineEdit* Name;
    QComboBox* Status;
    QCheckBox* StatusTick;
    QPushButton* Add;
    QPushButton* Delete;
};

TEST(AclKeys, AreComparedAsNumbers)
{
    QTreeWidget view;
    for (const QStringList& row : {QStringList{"7", "2"}, QStringList{"10", "3"}, QStringList{"200", "1"}})
        view.addTopLevelItem(new QTreeWidgetItem(row));
    struct Case {
        QStringList keys;
        bool listed;
    };
    const Case cases[] = {
        {{"7"}, true},          {{"07"}, true},       {{"010"}, true},    {{" 200"}, true},
        {{"8"}, false},         {{""}, false},        {{"abc"}, false},   {{"7x"}, false},
        {{"1e1"}, false},       {{"7", "2"}, true},   {{"07", "02"}, true}, {{"7", "3"}, false},
        {{"10", "03"}, true},   {{"10", ""}, false},  {{}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TAclDialogBase::IsListedKey(&view, c.keys), c.listed) << c.keys.join('|').toStdString();
}

TEST(AclSendSet, IsTheWritableVariablesInTableOrderLessThoseLeftOut)
{
    const KtSNMPVarList list(kTable, KtItem::MVT_UMV, 1);
    EXPECT_EQ(TAclDialogBase::WritableExcept(list, {}), (std::vector<int>{kName, kStatus}));
    EXPECT_EQ(TAclDialogBase::WritableExcept(list, {kName}), (std::vector<int>{kStatus}));
    // Keys and read-only variables never go out, left out or not.
    EXPECT_EQ(TAclDialogBase::WritableExcept(list, {0, 2}), (std::vector<int>{kName, kStatus}));
}

class AclBase : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void Open()
    {
        ASSERT_TRUE(StartSim());
        form = std::make_unique<TAclStub>();
        ASSERT_EQ(form->List->topLevelItemCount(), 3);
    }
    void Select(int row)
    {
        form->List->setCurrentItem(form->List->topLevelItem(row));
        form->List->topLevelItem(row)->setSelected(true);
    }
    std::unique_ptr<TAclStub> form;
};

TEST_F(AclBase, TheTwoStatesFollowTheSelection)
{
    Open();
    EXPECT_TRUE(form->GetComplete());
    EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Ok")) << form->StatusBar1->currentMessage().toStdString();
    EXPECT_TRUE(form->Add->isEnabled());
    EXPECT_TRUE(form->Key->isEnabled());
    EXPECT_FALSE(form->Delete->isEnabled());
    Select(1);
    EXPECT_EQ(form->Key->text(), "10");
    EXPECT_FALSE(form->Add->isEnabled());
    EXPECT_FALSE(form->Key->isEnabled());
    EXPECT_TRUE(form->Delete->isEnabled());
    form->List->clearSelection();
    EXPECT_TRUE(form->Key->text().isEmpty());
    EXPECT_TRUE(form->Add->isEnabled());
}

TEST_F(AclBase, ChecksRefuseWithTheirMessageAndNothingIsSent)
{
    Open();
    const int mark = Mark();
    form->Key->setText("010");
    form->Name->setText("lab");
    form->Status->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    form->StatusTick->setChecked(false);
    const QString duplicate = QStringLiteral("duplicate");
    EXPECT_FALSE(form->RunCommand([&] { form->SendAllBut(*form->TableRequest(), {}); },
                                  [&] { return form->RequireNewKey({form->Key->text()}, duplicate, form->Key); }));
    form->Key->setText("30");
    EXPECT_FALSE(form->RunCommand([&] { form->SendAllBut(*form->TableRequest(), {}); },
                                  [&] { return form->RequireCreateAndGo(form->Status, form->kMustCreateAndGo,
                                                                        form->StatusTick); }));
    form->Status->setCurrentIndex(0);
    EXPECT_FALSE(form->RunCommand([&] { form->SendAllBut(*form->TableRequest(), {}); },
                                  [&] { return form->RequireCreateAndGo(form->Status); }));
    EXPECT_EQ(boxes.texts, QStringList({duplicate, TAclDialogBase::kMustCreateAndGo, TAclDialogBase::kMustCreateAndGo}));
    EXPECT_TRUE(Since(mark, "SET").empty());
    EXPECT_EQ(form->Key->text(), "30");  // the inputs stay as typed
}

TEST_F(AclBase, ACommandSendsOneSetOfWhatIsNotLeftOutThenReadsTheTableAgain)
{
    Open();
    Select(1);
    form->Name->setText("lab");
    const int mark = Mark();
    EXPECT_TRUE(form->RunCommand([&] { form->SendAllBut(*form->TableRequest(), {}); }));
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kEntry + "1.10=x:6C6162", kEntry + "5.10=i:1"}}));
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 1);
    EXPECT_EQ(form->List->topLevelItem(1)->text(1), "lab");
    EXPECT_TRUE(form->List->selectedItems().isEmpty());
    EXPECT_TRUE(form->Key->text().isEmpty());
    EXPECT_TRUE(form->Add->isEnabled());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(AclBase, AFailedSendLeavesItsMessageInTheStatusBarAndTheTableUnread)
{
    Open();
    Select(1);
    form->Status->setCurrentIndex(0);  // "active" for a row that does not exist: refused
    form->Key->setEnabled(true);
    form->Key->setText("31");
    const int mark = Mark();
    EXPECT_FALSE(form->RunCommand([&] { form->SendAllBut(*form->TableRequest(), {kName}); }));
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kEntry + "5.31=i:1"}}));
    EXPECT_EQ(WalksSince(mark, kEntry + "1"), 0);
    const QString status = form->StatusBar1->currentMessage();
    EXPECT_FALSE(status.isEmpty());
    EXPECT_FALSE(status.contains("Ok")) << status.toStdString();
    EXPECT_TRUE(form->Key->text().isEmpty());
    EXPECT_TRUE(form->Add->isEnabled());
    EXPECT_FALSE(form->Delete->isEnabled());
    EXPECT_TRUE(form->GetComplete());
}

TEST_F(AclBase, EditChecksRunOnlyOnTheVariablesAboutToBeSent)
{
    Open();
    form->Key->setText("30");
    form->Name->setText("too long");  // over the name edit's four characters
    EXPECT_TRUE(form->CheckEdits(*form->TableRequest(), {0, kStatus}));
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(form->CheckEdits(*form->TableRequest(), {0, kName}));
    EXPECT_EQ(boxes.texts.size(), 1);
    form->Key->setText("0");
    EXPECT_FALSE(form->CheckEdits(*form->TableRequest(), {0}));
}

} // namespace
