// The access rule dialogs (Ethernet, IP, IPv6) against the simulator: only the ticked fields
// and the port list go out, a port the model lacks survives, and every refusal of the
// operator's input leaves the request log without a SET.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/security/AclOptions.h"
#include "dialogs/security/EthernetInformationRuleForm.h"
#include "dialogs/security/IPRuleForm.h"
#include "dialogs/security/Ipv6RuleForm.h"
#include "tests/support/ListClicks.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

namespace {

const QString kEthRule = QStringLiteral("1.3.6.1.4.1.32473.12.9.3.1.1.");
const QString kIpRule = QStringLiteral("1.3.6.1.4.1.32473.12.9.3.2.1.");
const QString kIpv6Rule = QStringLiteral("1.3.6.1.4.1.32473.12.9.3.4.1.");

// Form, then the simulator's requests since the form was ready.
template <class Form> class RuleDialog : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void Open(int rows)
    {
        ASSERT_TRUE(StartSim());
        form = std::make_unique<Form>(nullptr);
        ASSERT_EQ(form->ListView1->topLevelItemCount(), rows);
        ASSERT_EQ(form->StaticText1->text(), QString::number(rows));
        ASSERT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        mark = Mark();
    }
    void Select(int row)
    {
        form->ListView1->setCurrentItem(form->ListView1->topLevelItem(row));
        form->ListView1->topLevelItem(row)->setSelected(true);
    }
    void TickPort(int port) { form->PortGrid->PortBoxes[std::size_t(port - 1)]->setChecked(true); }
    std::vector<QStringList> Sets() const { return Since(mark, "SET"); }
    // Refused: one message box with this text, nothing sent.
    void ExpectRefused(const QString& message)
    {
        EXPECT_EQ(boxes.texts, QStringList{message});
        EXPECT_TRUE(Sets().empty()) << Sets().front().join(' ').toStdString();
    }

    std::unique_ptr<Form> form;
    int mark = 0;
};

// ---- Ethernet rules ----------------------------------------------------------------------

using EthernetRule = RuleDialog<TEthernetInformationRuleForm>;
using EthForm = TEthernetInformationRuleForm;

// The instance of rule mask.access, column c.
QString EthCell(int column, const char* instance = "1.1")
{
    return kEthRule + QString::number(column) + '.' + QLatin1String(instance);
}

TEST_F(EthernetRule, OpensInTheNoRowStateWithTheDefaults)
{
    Open(2);
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(0), "1");
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(1), "1");
    EXPECT_TRUE(form->AddButton->isEnabled());
    EXPECT_TRUE(form->MaskIDEdit->isEnabled());
    EXPECT_FALSE(form->EditButton->isEnabled());
    EXPECT_FALSE(form->DeleteButton->isEnabled());
    EXPECT_EQ(form->EnablePriorityComboBox->currentText(), "disabled");
    EXPECT_FALSE(form->cbxPriority->isEnabled());
    EXPECT_EQ(form->PermitComboBox->currentText(), "permit");
    EXPECT_EQ(form->RowComboBox->currentText(), "createAndGo");
    // Only the model's ten boxes show; all 32 are bound.
    EXPECT_TRUE(form->PortGrid->PortBoxes[9]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->PortGrid->PortBoxes[10]->isVisibleTo(form.get()));
    Select(0);
    EXPECT_TRUE(form->PortGrid->PortBoxes[11]->isChecked());  // port 12 of C0100000
    EXPECT_EQ(form->MaskIDEdit->text(), "1");
    EXPECT_FALSE(form->AddButton->isEnabled());
    EXPECT_TRUE(form->EditButton->isEnabled());
}

// An Edit sends the ticked field and the port list, which keeps the port the model lacks.
TEST_F(EthernetRule, EditSendsTheTickedFieldAndThePortListOnly)
{
    struct Case {
        const char* name;
        std::function<void(EthForm&)> tick;
        QString varbind;
    };
    const Case cases[] = {
        {"permit deny", [](EthForm& f) { f.cbxPermit->setChecked(true); f.PermitComboBox->setCurrentIndex(0); },
         EthCell(13) + "=i:1"},
        {"vlan", [](EthForm& f) { f.cbxVlan->setChecked(true); f.VlanRuleEdit->setText("lab"); },
         EthCell(3) + "=x:6C6162"},
        {"802.1p", [](EthForm& f) { f.cbxIEEE802dot1P->setChecked(true); f.IEEE8021pEdit->setText("6"); },
         EthCell(6) + "=i:6"},
        {"source mac", [](EthForm& f) { f.cbxSource->setChecked(true); f.SourceMACEdit->setText("00005E0053AA"); },
         EthCell(4) + "=x:00005E0053AA"},
        {"rx rate", [](EthForm& f) { f.cbxRxRate->setChecked(true); f.RxRateEdit->setText("156249"); },
         EthCell(17) + "=i:156249"},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(0);
        mark = Mark();
        c.tick(*form);
        form->EditButtonClick();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        // In table order: the RX rate comes after the port list.
        const QString port = EthCell(14) + "=x:C0100000";
        const bool beforePort = c.varbind.startsWith(kEthRule) && c.varbind.mid(kEthRule.size()).section('.', 0, 0).toInt() < 14;
        const QStringList expected = beforePort ? QStringList{c.varbind, port} : QStringList{port, c.varbind};
        EXPECT_EQ(Sets(), (std::vector<QStringList>{expected}));
        // Re-read, back in the no-row state with nothing ticked.
        EXPECT_TRUE(form->ListView1->selectedItems().isEmpty());
        EXPECT_FALSE(form->cbxPermit->isChecked());
        EXPECT_TRUE(form->AddButton->isEnabled());
        EXPECT_TRUE(form->StatusBar1->currentMessage().contains("Ok")) << form->StatusBar1->currentMessage().toStdString();
    }
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(2), "lab");
}

TEST_F(EthernetRule, EditWithNothingTickedSendsThePortListAlone)
{
    Open(2);
    Select(1);
    form->PortGrid->PortBoxes[0]->setChecked(true);
    form->EditButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(14, "1.2") + "=x:A0001000"}}));
}

TEST_F(EthernetRule, DeleteAndAnEditToDestroySendTheRowStatusAlone)
{
    Open(2);
    Select(1);
    form->cbxRow->setChecked(true);
    form->cbxVlan->setChecked(true);
    form->RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
    form->EditButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(15, "1.2") + "=i:6"}}));
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    Select(0);
    mark = Mark();
    form->DeleteButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(15) + "=i:6"}}));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(form->StaticText1->text(), "0");
    EXPECT_TRUE(boxes.texts.isEmpty());
}

// Rows reordered as a header click sorts them, more selected for copying: Edit and Delete
// write the row the operator clicked, whatever its place.
TEST_F(EthernetRule, EditAndDeleteAfterSortingWriteTheChosenRow)
{
    using testutil::ClickRow;
    Open(2);
    form->resize(900, 700);
    form->show();
    QTreeWidget* list = form->ListView1;
    list->sortItems(1, Qt::DescendingOrder);
    ASSERT_EQ(list->topLevelItem(0)->text(1), "2");
    ClickRow(list, list->topLevelItem(1));  // access 1
    ClickRow(list, list->topLevelItem(0), Qt::ControlModifier);
    ASSERT_EQ(list->selectedItems().size(), 2);
    EXPECT_EQ(form->MaskIDEdit->text(), "1");
    form->cbxVlan->setChecked(true);
    form->VlanRuleEdit->setText("lab");
    form->EditButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(3) + "=x:6C6162", EthCell(14) + "=x:C0100000"}}));

    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->sortItems(1, Qt::DescendingOrder);
    ClickRow(list, list->topLevelItem(0));  // access 2
    ClickRow(list, list->topLevelItem(1), Qt::ShiftModifier);
    mark = Mark();
    form->DeleteButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(15, "1.2") + "=i:6"}}));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "lab");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// The agent's refusal: its message stands in the status bar, the form in the no-row state.
TEST_F(EthernetRule, ARefusedWriteLeavesItsMessageInTheStatusBar)
{
    Open(2);
    Select(0);
    form->cbxRow->setChecked(true);
    form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);  // the row exists
    form->EditButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{EthCell(14) + "=x:C0100000", EthCell(15) + "=i:4"}}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    const QString status = form->StatusBar1->currentMessage();
    EXPECT_FALSE(status.isEmpty());
    EXPECT_FALSE(status.contains("Ok")) << status.toStdString();
    EXPECT_TRUE(form->ListView1->selectedItems().isEmpty());
    EXPECT_TRUE(form->MaskIDEdit->text().isEmpty());
    EXPECT_TRUE(form->AddButton->isEnabled());
    EXPECT_FALSE(form->EditButton->isEnabled());
}

// A new rule: the keys, the ticked fields, permit, the ports and createAndGo; Priority and
// Replace Priority only while the ticked enable-priority combo says "enabled".
TEST_F(EthernetRule, AddSendsTheTickedFieldsAndPriorityOnlyWhenEnabled)
{
    struct Case {
        const char* name;
        bool enableTicked;
        int enablePosition;
        std::vector<QString> expected;  // after permit, port, status
    };
    const Case cases[] = {
        {"enable priority unticked", false, 0, {}},
        {"ticked disabled", true, 1, {EthCell(8, "2.1") + "=i:2"}},
        {"ticked enabled", true, 0, {EthCell(8, "2.1") + "=i:1", EthCell(9, "2.1") + "=i:3", EthCell(10, "2.1") + "=i:1"}},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mark = Mark();
        form->MaskIDEdit->setText("2");
        form->AccessEdit->setText("1");
        form->EnablePriorityComboBox->setCurrentIndex(c.enablePosition);
        form->cbxEnablePriority->setChecked(c.enableTicked);
        form->cbxPriority->setEnabled(true);  // ticked whatever the combo says: PriorityRule decides
        form->cbxPriority->setChecked(true);
        form->PriorityEdit->setText("3");
        form->cbxReplacePriority->setEnabled(true);
        form->cbxReplacePriority->setChecked(true);
        form->ReplacePriorityComboBox->setCurrentIndex(0);
        form->cbxPermit->setChecked(true);
        form->cbxRow->setChecked(true);
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(2);
        form->AddButtonClick();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        QStringList expected(c.expected.begin(), c.expected.end());
        expected << EthCell(13, "2.1") + "=i:2" << EthCell(14, "2.1") + "=x:40000000" << EthCell(15, "2.1") + "=i:4";
        EXPECT_EQ(Sets(), (std::vector<QStringList>{expected}));
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 3);
        // Gone again for the next case.
        Select(2);
        form->DeleteButtonClick();
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    }
}

// Every refusal: its message alone, nothing sent, the inputs as typed.
TEST_F(EthernetRule, BadInputIsRefusedWithItsMessageAndNothingSent)
{
    struct Case {
        const char* name;
        std::function<void(EthForm&)> change;
        QString message;
    };
    const Case cases[] = {
        {"no mask ID", [](EthForm& f) { f.MaskIDEdit->clear(); }, "Mask ID must be set."},
        {"no access ID", [](EthForm& f) { f.AccessEdit->clear(); }, "Access ID must be set."},
        {"ticked field empty", [](EthForm& f) { f.cbxVlan->setChecked(true); }, "Some check field is empty"},
        {"no port", [](EthForm& f) { f.PortGrid->UncheckAll(); }, EthForm::kNoPort},
        {"duplicate pair as numbers", [](EthForm& f) { f.MaskIDEdit->setText("01"); f.AccessEdit->setText("002"); },
         EthForm::kDuplicate},
        {"permit unticked", [](EthForm& f) { f.cbxPermit->setChecked(false); }, EthForm::kPermitNotChecked},
        {"row status unticked", [](EthForm& f) { f.cbxRow->setChecked(false); }, EthForm::kRowStateNotCreateAndGo},
        {"row status active", [](EthForm& f) { f.RowComboBox->setCurrentIndex(0); }, EthForm::kRowStateNotCreateAndGo},
        {"MAC with hyphens",
         [](EthForm& f) { f.cbxSource->setChecked(true); f.SourceMACEdit->setText("00-00-5E-00-53"); },
         "Invalid MAC Address"},
        {"MAC of 11 digits", [](EthForm& f) { f.cbxDestination->setChecked(true); f.DestMACEdit->setText("00005E00530"); },
         "Invalid MAC Address"},
        {"ethernet type", [](EthForm& f) { f.cbxEtherType->setChecked(true); f.EthTypeEdit->setText("08G0"); },
         "Invalid Ethernet Type"},
        {"priority 9", [](EthForm& f) { f.cbxPriority->setChecked(true); f.PriorityEdit->setText("9"); },
         "Priority value should between 0-7"},
        {"rx rate 156250", [](EthForm& f) { f.cbxRxRate->setChecked(true); f.RxRateEdit->setText("156250"); },
         EthForm::kRxRateRange},
        // Past the dialog's own checks: the edit's constraint, before anything is sent.
        {"802.1p 9", [](EthForm& f) { f.cbxIEEE802dot1P->setChecked(true); f.IEEE8021pEdit->setText("9"); }, ""},
        {"mask ID 201", [](EthForm& f) { f.MaskIDEdit->setText("201"); }, ""},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ClearInputs();
        boxes.texts.clear();
        mark = Mark();
        form->MaskIDEdit->setText("5");
        form->AccessEdit->setText("5");
        form->cbxPermit->setChecked(true);
        form->cbxRow->setChecked(true);
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(1);
        form->cbxPriority->setEnabled(true);
        c.change(*form);
        const QString maskId = form->MaskIDEdit->text();
        form->AddButtonClick();
        if (c.message.isEmpty()) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(boxes.texts.front().contains("0")) << boxes.texts.front().toStdString();
            EXPECT_TRUE(Sets().empty());
        } else {
            ExpectRefused(c.message);
        }
        EXPECT_EQ(form->MaskIDEdit->text(), maskId);
    }
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
}

// Check All ticks the Priority box even while enable priority keeps it disabled; the empty
// Priority edit is then refused.
TEST_F(EthernetRule, CheckAllTicksEveryBoxAndClearChecksUnticksThem)
{
    Open(2);
    ASSERT_FALSE(form->cbxPriority->isEnabled());
    form->AddCheckButtonClick();
    for (QCheckBox* box : form->findChildren<QCheckBox*>(QRegularExpression("^cbx")))
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    form->MaskIDEdit->setText("5");
    form->AccessEdit->setText("5");
    form->VlanRuleEdit->setText("v");
    form->SourceMACEdit->setText("00005E005301");
    form->DestMACEdit->setText("00005E005302");
    form->IEEE8021pEdit->setText("1");
    form->EthTypeEdit->setText("0800");
    form->RxRateEdit->setText("10");
    TickPort(1);
    form->AddButtonClick();
    ExpectRefused("Some check field is empty");
    form->CleanCheButtonClick();
    for (QCheckBox* box : form->findChildren<QCheckBox*>(QRegularExpression("^cbx")))
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
}


// ---- IP rules ----------------------------------------------------------------------------

using IpRule = RuleDialog<TIPRuleForm>;

QString IpCell(int column, const char* instance)
{
    return kIpRule + QString::number(column) + '.' + QLatin1String(instance);
}

// The columns of a SET's varbinds under the IP rule entry.
std::set<int> IpColumns(const QStringList& varbinds)
{
    std::set<int> columns;
    for (const QString& vb : varbinds)
        if (vb.startsWith(kIpRule))
            columns.insert(vb.mid(kIpRule.size()).section('.', 0, 0).toInt());
    return columns;
}

// Every box ticked and every field filled: the protocol alone decides which of the protocol
// fields (ICMP .8 to user mask .14) go out; the protocol itself (.7) never does.
TEST_F(IpRule, AddSendsOnlyTheFieldsOfTheTickedProtocol)
{
    struct Case {
        const char* name;
        bool protocolTicked;
        int position;
        std::set<int> protocolColumns;
    };
    const Case cases[] = {
        {"none", true, 0, {}},
        {"icmp", true, 1, {8}},
        {"igmp", true, 2, {9}},
        {"tcp", true, 3, {10, 11, 12}},
        {"udp", true, 4, {10, 11}},
        {"protocolId", true, 5, {13, 14}},
        {"protocol box unticked", false, 3, {8, 9, 10, 11, 12, 13, 14}},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mark = Mark();
        form->IPRuleEdit->setText("9");
        form->AccessIDEdit->setText("9");
        form->CheckButtonClick();
        EXPECT_FALSE(form->cbxPriority->isChecked());  // disabled: Check All leaves it
        form->cbxProtocol->setChecked(c.protocolTicked);
        form->ProtocolComboBox->setCurrentIndex(c.position);
        form->VLANEdit->setText("v");
        form->SourceIPEdit->setText("10.0.0.1");
        form->DestIPEdit->setText("10.0.0.2");
        form->DSCPEdit->setText("10");
        form->SourcePortEdit->setText("1000");
        form->DestPortEdit->setText("80");
        form->FlagEdit->setText("3");
        form->ProtocolIDEdit->setText("6");
        form->UserMaskEdit->setText("0000FFFF");
        form->DSCPValueEdit->setText("5");
        form->RxRateEdit->setText("100");
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(1);
        form->AddButtonClick();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        const auto sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        // Enable priority "disabled" is sent; Priority and Replace Priority are not.
        std::set<int> expected = {3, 4, 5, 6, 15, 18, 19, 20, 21, 22, 24};
        expected.insert(c.protocolColumns.begin(), c.protocolColumns.end());
        EXPECT_EQ(IpColumns(sets.front()), expected);
        EXPECT_TRUE(sets.front().contains(IpCell(22, "9.9") + "=i:4"));
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 3);
        Select(2);
        form->DeleteButtonClick();
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    }
}

// A row's protocol takes no part in an Edit; Priority goes out only while the setting in
// force (the ticked combo, else the row's) is "enabled".
TEST_F(IpRule, EditSendsTheTickedFieldsUnderThePriorityInForce)
{
    struct Case {
        const char* name;
        int row;
        std::function<void(TIPRuleForm&)> change;
        QStringList expected;
    };
    const Case cases[] = {
        {"dscp", 0, [](TIPRuleForm& f) { f.cbxDscp->setChecked(true); f.DSCPEdit->setText("12"); },
         {IpCell(6, "2.1") + "=i:12", IpCell(21, "2.1") + "=x:C0100000"}},
        {"priority of an enabled row", 1,
         [](TIPRuleForm& f) { f.cbxPriority->setChecked(true); f.PriorityEdit->setText("2"); },
         {IpCell(16, "3.1") + "=i:2", IpCell(21, "3.1") + "=x:00001000"}},
        {"priority with enable priority ticked disabled", 1,
         [](TIPRuleForm& f) {
             f.cbxEnablePriority->setChecked(true);
             f.PriorityComboBox->setCurrentIndex(1);
             f.cbxPriority->setEnabled(true);
             f.cbxPriority->setChecked(true);
             f.PriorityEdit->setText("2");
         },
         {IpCell(15, "3.1") + "=i:2", IpCell(21, "3.1") + "=x:00001000"}},
        {"priority of a disabled row", 0,
         [](TIPRuleForm& f) {
             f.cbxPriority->setEnabled(true);
             f.cbxPriority->setChecked(true);
             f.PriorityEdit->setText("2");
         },
         {IpCell(21, "2.1") + "=x:C0100000"}},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.row);
        EXPECT_FALSE(form->cbxProtocol->isEnabled());
        EXPECT_FALSE(form->ProtocolComboBox->isEnabled());
        EXPECT_EQ(form->cbxPriority->isEnabled(), c.row == 1);
        mark = Mark();
        c.change(*form);
        form->EditButtonClick();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        EXPECT_EQ(Sets(), (std::vector<QStringList>{c.expected}));
        EXPECT_TRUE(form->cbxProtocol->isEnabled());
    }
}

TEST_F(IpRule, BadInputIsRefusedWithItsMessageAndNothingSent)
{
    struct Case {
        const char* name;
        std::function<void(TIPRuleForm&)> change;
        QString message;  // empty: the edit constraint's range message
    };
    const Case cases[] = {
        {"no rule ID", [](TIPRuleForm& f) { f.IPRuleEdit->clear(); }, "IP Rule ID must be set."},
        {"no access ID", [](TIPRuleForm& f) { f.AccessIDEdit->clear(); }, "IP Rule Access ID must be set."},
        {"ticked field empty", [](TIPRuleForm& f) { f.cbxDestPort->setChecked(true); }, "Some checked field is empty"},
        {"three octets", [](TIPRuleForm& f) { f.cbxSourceIP->setChecked(true); f.SourceIPEdit->setText("1.2.3"); },
         TIPRuleForm::kBadIp},
        {"octet 256", [](TIPRuleForm& f) { f.cbxDestIP->setChecked(true); f.DestIPEdit->setText("256.1.1.1"); },
         TIPRuleForm::kBadIp},
        {"user mask of 7 digits", [](TIPRuleForm& f) { f.cbxUserMask->setChecked(true); f.UserMaskEdit->setText("0000FFF"); },
         "Invalid User Mask"},
        {"rx rate 156250", [](TIPRuleForm& f) { f.cbxRxRate->setChecked(true); f.RxRateEdit->setText("156250"); },
         TIPRuleForm::kRxRateRange},
        {"no port", [](TIPRuleForm& f) { f.PortGrid->UncheckAll(); }, TIPRuleForm::kNoPort},
        {"duplicate pair as numbers", [](TIPRuleForm& f) { f.IPRuleEdit->setText("02"); f.AccessIDEdit->setText("01"); },
         TIPRuleForm::kDuplicate},
        {"row status unticked", [](TIPRuleForm& f) { f.cbxRow->setChecked(false); }, TIPRuleForm::kRowStateNotCreateAndGo},
        {"dscp 64", [](TIPRuleForm& f) { f.cbxDscp->setChecked(true); f.DSCPEdit->setText("64"); }, ""},
        {"source port 65536", [](TIPRuleForm& f) { f.cbxSourcePort->setChecked(true); f.SourcePortEdit->setText("65536"); },
         ""},
        {"priority 9 while enabled",
         [](TIPRuleForm& f) {
             f.cbxEnablePriority->setChecked(true);
             f.PriorityComboBox->setCurrentIndex(0);
             f.cbxPriority->setChecked(true);
             f.PriorityEdit->setText("9");
         },
         ""},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ClearInputs();
        boxes.texts.clear();
        mark = Mark();
        form->IPRuleEdit->setText("5");
        form->AccessIDEdit->setText("5");
        form->cbxPermit->setChecked(true);
        form->cbxRow->setChecked(true);
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(1);
        c.change(*form);
        form->AddButtonClick();
        if (c.message.isEmpty()) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(Sets().empty());
        } else {
            ExpectRefused(c.message);
        }
    }
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
}


// ---- IPv6 rules --------------------------------------------------------------------------

using Ipv6Rule = RuleDialog<TIpv6RuleForm>;

QString Ipv6Cell(int column, const char* instance)
{
    return kIpv6Rule + QString::number(column) + '.' + QLatin1String(instance);
}

const QString kAddress = QStringLiteral("20010DB8000000000000000000000002");

TEST_F(Ipv6Rule, AddSendsClassAndFlowLabelOrOneAddress)
{
    struct Case {
        const char* name;
        std::function<void(TIpv6RuleForm&)> tick;
        QStringList fields;  // before permit, port and status
    };
    const Case cases[] = {
        {"class and flow label",
         [](TIpv6RuleForm& f) {
             f.cbxRuleClass->setChecked(true);
             f.edtRuleClass->setText("255");
             f.cbxRuleFlowlabel->setChecked(true);
             f.edtRuleFlowlabel->setText("000FFFFF");
         },
         {Ipv6Cell(3, "4.1") + "=i:255", Ipv6Cell(4, "4.1") + "=x:000FFFFF"}},
        {"source address",
         [](TIpv6RuleForm& f) { f.cbxRuleSrcIpv6addr->setChecked(true); f.edtRuleSrcIpv6addr->setText(kAddress); },
         {Ipv6Cell(5, "4.1") + "=x:" + kAddress}},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mark = Mark();
        form->edtRuleID->setText("4");
        form->edtRuleAccessID->setText("1");
        c.tick(*form);
        form->cbxPermit->setChecked(true);
        form->cbxRow->setChecked(true);
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(3);
        form->AddButtonClick();
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        QStringList expected = c.fields;
        expected << Ipv6Cell(10, "4.1") + "=i:2" << Ipv6Cell(11, "4.1") + "=x:20000000" << Ipv6Cell(12, "4.1") + "=i:4";
        EXPECT_EQ(Sets(), (std::vector<QStringList>{expected}));
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 3);
        Select(2);
        form->DeleteButtonClick();
        ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    }
}

// The row status decides an Edit whatever its box says: "destroy" deletes (one varbind),
// "createAndGo" is an Add, refused for a listed rule; any other sends the ticked fields.
TEST_F(Ipv6Rule, EditByRowStatus)
{
    Open(2);
    // Eleven units of boxes; the port list binds the first 32 and loads port 12 into them.
    EXPECT_EQ(form->PortGrid->PortBoxes.size(), 11u * 32u);
    Select(0);
    EXPECT_TRUE(form->PortGrid->PortBoxes[11]->isChecked());
    form->cbxRuleClass->setChecked(true);
    form->edtRuleClass->setText("7");
    form->EditButtonClick();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{Ipv6Cell(3, "1.1") + "=i:7", Ipv6Cell(11, "1.1") + "=x:C0100000"}}));

    Select(0);
    mark = Mark();
    form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
    form->EditButtonClick();
    ExpectRefused(TIpv6RuleForm::kDuplicate);

    boxes.texts.clear();
    form->ListView1->clearSelection();
    Select(1);
    ASSERT_FALSE(form->cbxRow->isChecked());
    form->cbxPermit->setChecked(true);
    form->RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
    form->EditButtonClick();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Sets(), (std::vector<QStringList>{{Ipv6Cell(12, "2.1") + "=i:6"}}));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_TRUE(form->edtRuleID->text().isEmpty());
}

TEST_F(Ipv6Rule, CheckAllAndClearChecksLeaveTheRxRateBox)
{
    Open(2);
    form->cbxRxRate->setChecked(false);
    form->CheckButtonClick();
    EXPECT_TRUE(form->cbxRuleClass->isChecked());
    EXPECT_TRUE(form->cbxRow->isChecked());
    EXPECT_FALSE(form->cbxPriority->isChecked());  // disabled while enable priority is "disabled"
    EXPECT_FALSE(form->cbxRxRate->isChecked());
    form->cbxRxRate->setChecked(true);
    form->UncheckButtonClick();
    EXPECT_FALSE(form->cbxRuleClass->isChecked());
    EXPECT_TRUE(form->cbxRxRate->isChecked());
    form->ClearInputs();
    EXPECT_FALSE(form->cbxRxRate->isChecked());
}

TEST_F(Ipv6Rule, BadInputIsRefusedWithItsMessageAndNothingSent)
{
    struct Case {
        const char* name;
        std::function<void(TIpv6RuleForm&)> change;
        QString message;  // empty: the edit constraint's range message
    };
    const Case cases[] = {
        {"no rule ID", [](TIpv6RuleForm& f) { f.edtRuleID->clear(); }, "Rule ID must be set."},
        {"no access ID", [](TIpv6RuleForm& f) { f.edtRuleAccessID->clear(); }, "Rule Access ID must be set."},
        {"both addresses",
         [](TIpv6RuleForm& f) { f.cbxRuleSrcIpv6addr->setChecked(true); f.cbxRuleDstIpv6addr->setChecked(true); },
         TIpv6RuleForm::kBothAddresses},
        // Before the empty fields are looked at.
        {"class with an address",
         [](TIpv6RuleForm& f) { f.cbxRuleClass->setChecked(true); f.cbxRuleSrcIpv6addr->setChecked(true); },
         TIpv6RuleForm::kMutex},
        {"flow label with an address",
         [](TIpv6RuleForm& f) { f.cbxRuleFlowlabel->setChecked(true); f.cbxRuleDstIpv6addr->setChecked(true); },
         TIpv6RuleForm::kMutex},
        {"ticked field empty", [](TIpv6RuleForm& f) { f.cbxRuleClass->setChecked(true); }, "Some checked field is empty"},
        {"31 digits",
         [](TIpv6RuleForm& f) { f.cbxRuleSrcIpv6addr->setChecked(true); f.edtRuleSrcIpv6addr->setText(kAddress.left(31)); },
         TIpv6RuleForm::kBadAddress},
        {"33 digits",
         [](TIpv6RuleForm& f) { f.cbxRuleDstIpv6addr->setChecked(true); f.edtRuleDstIpv6addr->setText(kAddress + "0"); },
         TIpv6RuleForm::kBadAddress},
        {"not hexadecimal",
         [](TIpv6RuleForm& f) {
             f.cbxRuleDstIpv6addr->setChecked(true);
             f.edtRuleDstIpv6addr->setText("2001:DB8:0:0:0:0:0:2:00000000000");
         },
         TIpv6RuleForm::kBadAddress},
        {"flow label of 7 digits",
         [](TIpv6RuleForm& f) { f.cbxRuleFlowlabel->setChecked(true); f.edtRuleFlowlabel->setText("0000FFF"); },
         "Invalid data!"},
        {"rx rate 156250", [](TIpv6RuleForm& f) { f.cbxRxRate->setChecked(true); f.RxRateEdit->setText("156250"); },
         TIpv6RuleForm::kRxRateRange},
        {"no port", [](TIpv6RuleForm& f) { f.PortGrid->UncheckAll(); }, TIpv6RuleForm::kNoPort},
        {"duplicate pair as numbers", [](TIpv6RuleForm& f) { f.edtRuleID->setText("001"); f.edtRuleAccessID->setText("1"); },
         TIpv6RuleForm::kDuplicate},
        {"permit unticked", [](TIpv6RuleForm& f) { f.cbxPermit->setChecked(false); }, TIpv6RuleForm::kPermitNotChecked},
        {"row status unticked", [](TIpv6RuleForm& f) { f.cbxRow->setChecked(false); },
         TIpv6RuleForm::kRowStateNotCreateAndGo},
        {"class 256", [](TIpv6RuleForm& f) { f.cbxRuleClass->setChecked(true); f.edtRuleClass->setText("256"); }, ""},
        {"priority 9 while enabled",
         [](TIpv6RuleForm& f) {
             f.cbxEnablePriority->setChecked(true);
             f.PriorityComboBox->setCurrentIndex(0);
             f.cbxPriority->setChecked(true);
             f.PriorityEdit->setText("9");
         },
         ""},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ClearInputs();
        boxes.texts.clear();
        mark = Mark();
        form->edtRuleID->setText("5");
        form->edtRuleAccessID->setText("5");
        form->cbxPermit->setChecked(true);
        form->cbxRow->setChecked(true);
        form->RowComboBox->setCurrentIndex(AclOptions::kCreateAndGoPosition);
        TickPort(1);
        c.change(*form);
        form->AddButtonClick();
        if (c.message.isEmpty()) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(Sets().empty());
        } else {
            ExpectRefused(c.message);
        }
    }
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
}

} // namespace
