// The IP-MAC binding dialogs against the simulator: the addresses an Add refuses with nothing
// sent, the port list and row status each command writes at the address instance, and the
// blocked table's Delete, one varbind at the VLAN + MAC instance.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/security/IPMACBindingForm.h"
#include "dialogs/security/IpMacBindBlockedForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kBind = QStringLiteral("1.3.6.1.4.1.32473.12.23.4.1.1.");
const QString kBlocked = QStringLiteral("1.3.6.1.4.1.32473.12.23.4.2.1.");

QStringList Column(const QTreeWidget* view, int column)
{
    QStringList out;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        out << view->topLevelItem(r)->text(column);
    return out;
}

void Select(QTreeWidget* view, const QString& key)
{
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        if (view->topLevelItem(r)->text(0) == key) {
            view->setCurrentItem(view->topLevelItem(r));
            view->topLevelItem(r)->setSelected(true);
            return;
        }
    ADD_FAILURE() << "no row " << key.toStdString();
}

// "2=x:..." at the address instance.
QStringList At(const QString& ip, const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns) {
        const qsizetype eq = c.indexOf('=');
        out << kBind + c.left(eq) + '.' + ip + c.mid(eq);
    }
    return out;
}

class IpMacBinding : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        binding.reset();
        blocked.reset();
        SimDialogFixture::TearDown();
    }
    void OpenBinding()
    {
        ASSERT_TRUE(StartSim());
        binding = std::make_unique<TIPMACBindingForm>(nullptr);
        ASSERT_EQ(Column(binding->ListView1, 0), QStringList({"192.168.1.10", "192.168.1.20"}));
    }

    std::unique_ptr<TIPMACBindingForm> binding;
    std::unique_ptr<TIpMacBindBlockedForm> blocked;
};

TEST_F(IpMacBinding, AddRefusesBadAddressesWithNothingSent)
{
    OpenBinding();
    struct Case {
        const char* ip;
        const char* mac;
        QString message;
    };
    const Case cases[] = {
        {"192.168.1.300", "001122334455", TIPMACBindingForm::kBadIp},
        {"192.168.1", "001122334455", TIPMACBindingForm::kBadIp},
        {"192.168.1.30", "00112233445", TIPMACBindingForm::kBadMac},
        {"192.168.1.30", "00-11-22-33-44-55", TIPMACBindingForm::kBadMac},
        {"192.168.1.30", "00:11:22:33:44:55", TIPMACBindingForm::kBadMac},
        {"192.168.1.30", "00112233445G", TIPMACBindingForm::kBadMac},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
        boxes.Clear();
        binding->edtIpAddr->setText(QString::fromLatin1(c.ip));
        binding->edtMacAddr->setText(QString::fromLatin1(c.mac));
        const int mark = Mark();
        binding->btnAdd->click();
        EXPECT_EQ(Mark(), mark);
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
    }
}

TEST_F(IpMacBinding, AddWritesTheRowAtTheAddressWithPorts1And3AsA0000000)
{
    OpenBinding();
    EXPECT_EQ(binding->cbxMode->currentText(), "arp");
    EXPECT_FALSE(binding->btnEdit->isEnabled());
    EXPECT_FALSE(binding->btnDelete->isEnabled());
    binding->edtIpAddr->setText("192.168.1.30");
    binding->edtMacAddr->setText("0011223344AA");
    binding->PortGrid->PortBoxes[0]->setChecked(true);  // port 1
    binding->PortGrid->PortBoxes[2]->setChecked(true);  // port 3
    binding->cbxMode->setCurrentIndex(binding->cbxMode->findText("acl"));
    const int mark = Mark();
    binding->btnAdd->click();

    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], At("192.168.1.30", {"2=x:0011223344AA", "3=x:A0000000", "4=i:4", "5=i:2"}));
    EXPECT_EQ(Column(binding->ListView1, 0), QStringList({"192.168.1.10", "192.168.1.20", "192.168.1.30"}));
    // The re-read leaves the inputs empty for the next binding.
    EXPECT_TRUE(binding->edtIpAddr->text().isEmpty());
    EXPECT_TRUE(binding->edtIpAddr->isEnabled());
    EXPECT_FALSE(binding->PortGrid->PortBoxes[0]->isChecked());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(IpMacBinding, EditSendsTheStatusAsReadAndDeleteSendsDestroyWithTheOtherColumns)
{
    OpenBinding();
    Select(binding->ListView1, "192.168.1.20");
    EXPECT_EQ(binding->edtMacAddr->text(), "00AABBCCDDEE");
    EXPECT_FALSE(binding->edtIpAddr->isEnabled());
    EXPECT_TRUE(binding->btnEdit->isEnabled());
    EXPECT_TRUE(binding->PortGrid->PortBoxes[2]->isChecked());  // 30: ports 3 and 4
    EXPECT_TRUE(binding->PortGrid->PortBoxes[3]->isChecked());
    binding->PortGrid->PortBoxes[3]->setChecked(false);
    int mark = Mark();
    binding->btnEdit->click();
    auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], At("192.168.1.20", {"2=x:00AABBCCDDEE", "3=x:20000000", "4=i:1", "5=i:2"}));

    // Delete carries the other columns with "destroy" in one write; the row goes, the list is
    // read again and the inputs are left empty.
    Select(binding->ListView1, "192.168.1.20");
    mark = Mark();
    binding->btnDelete->click();
    sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], At("192.168.1.20", {"2=x:00AABBCCDDEE", "3=x:20000000", "4=i:6", "5=i:2"}));
    EXPECT_EQ(Types(mark).first(), "SET");
    EXPECT_EQ(Column(binding->ListView1, 0), QStringList({"192.168.1.10"}));
    EXPECT_TRUE(binding->edtMacAddr->text().isEmpty());
    EXPECT_TRUE(binding->edtIpAddr->isEnabled());

    // Deselecting empties the addresses, sets "arp" and unticks every port.
    Select(binding->ListView1, "192.168.1.10");
    binding->ListView1->clearSelection();
    EXPECT_TRUE(binding->edtMacAddr->text().isEmpty());
    EXPECT_EQ(binding->cbxMode->currentText(), "arp");
    EXPECT_FALSE(binding->PortGrid->PortBoxes[0]->isChecked());
    EXPECT_TRUE(binding->edtIpAddr->isEnabled());
}

TEST_F(IpMacBinding, BlockedDeleteSendsOneVarbindAtVlanAndMacThenReadsAgain)
{
    ASSERT_TRUE(StartSim());
    blocked = std::make_unique<TIpMacBindBlockedForm>(nullptr);
    ASSERT_EQ(blocked->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(blocked->ListView1->topLevelItem(0)->text(1), "000A0B0C0D0E");
    EXPECT_FALSE(blocked->btnDelete->isEnabled());
    EXPECT_FALSE(blocked->ComboType->isVisibleTo(blocked.get()));

    // No row selected: nothing.
    int mark = Mark();
    blocked->btnDeleteClick();
    EXPECT_EQ(Mark(), mark);

    Select(blocked->ListView1, "1");
    EXPECT_TRUE(blocked->btnDelete->isEnabled());
    mark = Mark();
    blocked->btnDelete->click();
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], QStringList({kBlocked + "5.1.0.10.11.12.13.14=i:3"}));
    EXPECT_EQ(Column(blocked->ListView1, 0), QStringList({"10"}));
    EXPECT_FALSE(blocked->btnDelete->isEnabled());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

} // namespace
