// The access-control mask dialogs (Ethernet, IP, IPv6) against the simulator: what an Add and
// a Delete send (the simulator's request log), which fields an Add leaves out, the inputs it
// refuses with nothing sent, and an agent's refusal left standing in the status bar.
#include "dialogs/security/AclOptions.h"
#include "dialogs/security/EthernetMaskInformationForm.h"
#include "dialogs/security/IPMaskInformationForm.h"
#include "dialogs/security/IPv6MaskInfoForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kEther = QStringLiteral("1.3.6.1.4.1.32473.12.9.2.1.1.");
const QString kIp = QStringLiteral("1.3.6.1.4.1.32473.12.9.2.2.1.");
const QString kIpv6 = QStringLiteral("1.3.6.1.4.1.32473.12.9.2.4.1.");

// "2=i:1" of row id -> the logged varbind under entry.
QStringList Varbinds(const QString& entry, int id, const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns) {
        const qsizetype eq = c.indexOf('=');
        out << entry + c.left(eq) + '.' + QString::number(id) + c.mid(eq);
    }
    return out;
}

void Choose(QComboBox* combo, const QString& text)
{
    const int k = combo->findText(text);
    ASSERT_GE(k, 0) << text.toStdString();
    combo->setCurrentIndex(k);
}

void Select(QTreeWidget* view, int row)
{
    view->setCurrentItem(view->topLevelItem(row));
    view->topLevelItem(row)->setSelected(true);
}

class AclMasks : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        ether.reset();
        ip.reset();
        ipv6.reset();
        SimDialogFixture::TearDown();
    }
    // The status bar after a command that went well, and the no-row state.
    template <class Form> void ExpectNoRowState(const Form& form, QPushButton* add, QPushButton* del, QLineEdit* id)
    {
        EXPECT_TRUE(add->isEnabled());
        EXPECT_TRUE(id->isEnabled());
        EXPECT_FALSE(del->isEnabled());
        EXPECT_TRUE(id->text().isEmpty());
        EXPECT_TRUE(form.ListView1->selectedItems().isEmpty());
    }

    std::unique_ptr<TEthernetMaskInformationForm> ether;
    std::unique_ptr<TIPMaskInformationForm> ip;
    std::unique_ptr<TIPv6MaskInfoForm> ipv6;
};

// ---- Ethernet masks ------------------------------------------------------------------------

TEST_F(AclMasks, EthernetListsTheMasksAndStartsWithTheFormDefaults)
{
    ASSERT_TRUE(StartSim());
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    ASSERT_EQ(ether->ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(ether->ListView1->topLevelItem(1)->text(0), "7");
    EXPECT_TRUE(ether->StatusBar1->currentMessage().contains("Ok")) << ether->StatusBar1->currentMessage().toStdString();
    EXPECT_EQ(ether->UseVLanComBo->currentText(), "enabled");
    EXPECT_EQ(ether->Use8021pComBo->currentText(), "disabled");
    EXPECT_EQ(ether->MacMaskStateComBo->currentText(), "other");
    EXPECT_EQ(ether->UseEthTypeCombo->currentText(), "disabled");
    EXPECT_EQ(ether->RowStatusComBo->currentText(), "createAndGo");
    EXPECT_FALSE(ether->SetBtn->isVisibleTo(ether.get()));
    ExpectNoRowState(*ether, ether->AddBtn, ether->BT_Delete, ether->IDEdit);

    Select(ether->ListView1, 2);  // mask 14, made by IP-MAC binding
    EXPECT_EQ(ether->IDEdit->text(), "14");
    EXPECT_EQ(ether->MacAddMaskSourceEdit->text(), "FFFFFFFFFFFF");
    EXPECT_EQ(ether->cbxOwner->currentText(), "ipbind");
    EXPECT_FALSE(ether->cbxOwner->isEnabled());
    EXPECT_TRUE(ether->BT_Delete->isEnabled());
    EXPECT_FALSE(ether->AddBtn->isEnabled());
    EXPECT_FALSE(ether->IDEdit->isEnabled());
}

TEST_F(AclMasks, EthernetAddSendsOneSetOfTheChosenFieldsAndReadsTheListAgain)
{
    ASSERT_TRUE(StartSim());
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    ether->IDEdit->setText("30");
    Choose(ether->MacMaskStateComBo, "dst-mac-addr");
    ether->MacMaskDstEdit->setText("FFFFFFFFFFFF");
    const int mark = Mark();
    ether->AddBtnClick();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{
                  Varbinds(kEther, 30, {"2=i:1", "3=i:2", "5=x:FFFFFFFFFFFF", "6=i:2", "7=i:2", "8=i:4"})}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(WalksSince(mark, kEther + "2"), 1);
    ASSERT_EQ(ether->ListView1->topLevelItemCount(), 4);
    EXPECT_EQ(ether->ListView1->topLevelItem(3)->text(0), "30");
    ExpectNoRowState(*ether, ether->AddBtn, ether->BT_Delete, ether->IDEdit);
    EXPECT_TRUE(ether->MacMaskDstEdit->text().isEmpty());
}

TEST_F(AclMasks, EthernetStateOtherSendsTheStateAndNoAddressMask)
{
    ASSERT_TRUE(StartSim());
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    ether->IDEdit->setText("31");
    // Masks the state does not use are left out unchecked.
    ether->MacMaskDstEdit->setText("FF-FF-FF-FF-FF-FF");
    ether->MacAddMaskSourceEdit->setText("zz");
    Choose(ether->UseEthTypeCombo, "enabled");
    const int mark = Mark();
    ether->AddBtnClick();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{Varbinds(kEther, 31, {"2=i:1", "3=i:1", "6=i:2", "7=i:1", "8=i:4"})}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(AclMasks, EthernetDeleteSendsTheRowStatusAloneForTheSelectedMask)
{
    ASSERT_TRUE(StartSim());
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    Select(ether->ListView1, 1);
    const int mark = Mark();
    ether->BT_DeleteClick();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kEther + "8.7=i:6"}}));
    ASSERT_EQ(ether->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(ether->ListView1->topLevelItem(1)->text(0), "14");
    ExpectNoRowState(*ether, ether->AddBtn, ether->BT_Delete, ether->IDEdit);
}

struct EtherRefusal {
    const char* name;
    const char* id;
    const char* state;
    const char* destination;
    const char* source;
    int rowStatus;  // position
    QString message;
};

TEST_F(AclMasks, EthernetAddRefusesBadInputsAndSendsNothing)
{
    ASSERT_TRUE(StartSim());
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    using F = TEthernetMaskInformationForm;
    constexpr int go = AclOptions::kCreateAndGoPosition;
    const EtherRefusal cases[] = {
        {"MAC with hyphens", "40", "dst-mac-addr", "FF-FF-FF-FF-FF-FF", "", go, F::kBadMac},
        {"MAC with colons", "40", "src-mac-addr", "", "00:11:22:33:44:55", go, F::kBadMac},
        {"11 digits", "40", "dst-mac-addr", "FFFFFFFFFFF", "", go, F::kBadMac},
        {"13 digits", "40", "dst-src-mac-addr", "FFFFFFFFFFFF", "FFFFFFFFFFFF0", go, F::kBadMac},
        {"listed ID written 07", "07", "other", "", "", go, F::kDuplicate},
        {"listed ID", "14", "other", "", "", go, F::kDuplicate},
        {"row status active", "40", "other", "", "", 0, TAclDialogBase::kMustCreateAndGo},
        {"no ID", "", "other", "", "", go, F::kNoId},
    };
    const int mark = Mark();
    for (const EtherRefusal& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        ether->IDEdit->setText(c.id);
        Choose(ether->MacMaskStateComBo, c.state);
        ether->MacMaskDstEdit->setText(c.destination);
        ether->MacAddMaskSourceEdit->setText(c.source);
        ether->RowStatusComBo->setCurrentIndex(c.rowStatus);
        ether->AddBtnClick();
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_EQ(ether->IDEdit->text(), c.id);  // the inputs stay as typed
    }
    // An ID out of the edit's range is refused by its constraint.
    for (const char* id : {"0", "201", "abc"}) {
        SCOPED_TRACE(id);
        boxes.Clear();
        ether->IDEdit->setText(id);
        ether->RowStatusComBo->setCurrentIndex(go);
        ether->AddBtnClick();
        EXPECT_EQ(boxes.texts.size(), 1);
    }
    EXPECT_TRUE(Since(mark, "SET").empty());
}

// ---- IP masks ------------------------------------------------------------------------------

// What an IP mask Add sends (columns and values of row id) or the message that refuses it.
struct IpCase {
    const char* name;
    std::function<void(TIPMaskInformationForm&)> input;
    QStringList sent;  // empty: refused with message
    QString message;
};

TEST_F(AclMasks, IpAddLeavesOutWhatTheChoicesExcludeAndChecksEverythingItSends)
{
    ASSERT_TRUE(StartSim());
    ip = std::make_unique<TIPMaskInformationForm>(nullptr);
    ASSERT_EQ(ip->ListView1->topLevelItemCount(), 2);
    using F = TIPMaskInformationForm;
    // Defaults: VLAN enabled, state other, DSCP disabled, protocol none, ICMP none, IGMP
    // disable, TCP and UDP options other, TCP flag and protocol ID options disable.
    const IpCase cases[] = {
        {"defaults: no state, no protocol", [](F&) {}, {"2=i:1", "6=i:2", "19=i:4"}, {}},
        {"source state sends the source mask",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "src-ip-addr");
             f.IpAddMaskSrcEdit->setText("10.1.1.0");
             f.IpAddMaskDstEdit->setText("1.2.3");  // not sent, not checked
         },
         {"2=i:1", "3=i:3", "4=a:10.1.1.0", "6=i:2", "19=i:4"},
         {}},
        {"both states send both masks",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "dst-src-ip-addr");
             f.IpAddMaskSrcEdit->setText("255.255.255.0");
             f.IpAddMaskDstEdit->setText("010.1.1.0");
         },
         {"2=i:1", "3=i:4", "4=a:255.255.255.0", "5=a:10.1.1.0", "6=i:2", "19=i:4"},
         {}},
        {"an empty mask is left out",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "dst-src-ip-addr");
             f.IpAddMaskDstEdit->setText("255.255.0.0");
         },
         {"2=i:1", "3=i:4", "5=a:255.255.0.0", "6=i:2", "19=i:4"},
         {}},
        {"destination octet above 255",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "dst-ip-addr");
             f.IpAddMaskDstEdit->setText("256.1.1.1");
         },
         {},
         F::kBadIp},
        {"source of five octets",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "dst-src-ip-addr");
             f.IpAddMaskSrcEdit->setText("1.2.3.4.5");
         },
         {},
         F::kBadIp},
        {"fourth octet of four digits",
         [](F& f) {
             Choose(f.IpAddMaskStateComboBox, "src-ip-addr");
             f.IpAddMaskSrcEdit->setText("1.2.3.0255");
         },
         {},
         F::kBadIp},
        {"tcp with a destination port option sends the destination port mask only",
         [](F& f) {
             Choose(f.UseProTypeComBo, "tcp");
             Choose(f.TCPOptionComBo, "dst-addr");
             f.TCPUDPDstPortMaskEdit->setText("FFFF");
             f.TCPUDPSrcMaskEdit->setText("zz");  // excluded: sent without it, no refusal
             f.ProtoIDEdit->setText("999");       // another protocol's field
         },
         {"2=i:1", "6=i:2", "7=i:4", "10=i:2", "13=x:FFFF", "14=i:2", "19=i:4"},
         {}},
        {"tcp with a bad destination port mask",
         [](F& f) {
             Choose(f.UseProTypeComBo, "tcp");
             Choose(f.TCPOptionComBo, "dst-addr");
             f.TCPUDPDstPortMaskEdit->setText("FFF");
         },
         {},
         F::kBadMask},
        {"tcp sends the source port mask the UDP option names",
         [](F& f) {
             Choose(f.UseProTypeComBo, "tcp");
             Choose(f.UDPOptionComBo, "src-addr");
             f.TCPUDPSrcMaskEdit->setText("GG00");
         },
         {},
         F::kBadMask},
        {"udp with a source port option",
         [](F& f) {
             Choose(f.UseProTypeComBo, "udp");
             Choose(f.UDPOptionComBo, "src-addr");
             f.TCPUDPSrcMaskEdit->setText("00ff");
             Choose(f.TCPFlagBitOptionComBo, "enable");
             f.TCPFlagBitMaskEdit->setText("99");  // a tcp field: not sent, not checked
         },
         {"2=i:1", "6=i:2", "7=i:5", "11=i:3", "12=x:00FF", "19=i:4"},
         {}},
        {"tcp flag mask in range",
         [](F& f) {
             Choose(f.UseProTypeComBo, "tcp");
             Choose(f.TCPFlagBitOptionComBo, "enable");
             f.TCPFlagBitMaskEdit->setText("63");
         },
         {"2=i:1", "6=i:2", "7=i:4", "14=i:1", "15=i:63", "19=i:4"},
         {}},
        {"tcp flag mask above 63",
         [](F& f) {
             Choose(f.UseProTypeComBo, "tcp");
             Choose(f.TCPFlagBitOptionComBo, "enable");
             f.TCPFlagBitMaskEdit->setText("64");
         },
         {},
         F::kBadValue},
        {"protocol ID and its mask",
         [](F& f) {
             Choose(f.UseProTypeComBo, "protocolId");
             Choose(f.ProOptionComBo, "enable");
             f.ProtoIDEdit->setText("6");
             f.ProIDMaskEdit->setText("000000FF");
         },
         {"2=i:1", "6=i:2", "7=i:6", "16=i:1", "17=i:6", "18=x:000000FF", "19=i:4"},
         {}},
        {"protocol ID option disabled leaves out a bad protocol ID",
         [](F& f) {
             Choose(f.UseProTypeComBo, "protocolId");
             f.ProtoIDEdit->setText("300");
             f.ProIDMaskEdit->setText("xyz");
         },
         {"2=i:1", "6=i:2", "7=i:6", "16=i:2", "19=i:4"},
         {}},
        {"protocol ID above 255",
         [](F& f) {
             Choose(f.UseProTypeComBo, "protocolId");
             Choose(f.ProOptionComBo, "enable");
             f.ProtoIDEdit->setText("256");
         },
         {},
         F::kBadValue},
        {"protocol ID mask of 7 digits",
         [](F& f) {
             Choose(f.UseProTypeComBo, "protocolId");
             Choose(f.ProOptionComBo, "enable");
             f.ProIDMaskEdit->setText("FFFFFFF");
         },
         {},
         F::kBadMask},
        {"icmp sends its option",
         [](F& f) {
             Choose(f.UseProTypeComBo, "icmp");
             Choose(f.IcmpComboBox, "type");
         },
         {"2=i:1", "6=i:2", "7=i:2", "8=i:2", "19=i:4"},
         {}},
        {"igmp sends its option",
         [](F& f) { Choose(f.UseProTypeComBo, "igmp"); },
         {"2=i:1", "6=i:2", "7=i:3", "9=i:2", "19=i:4"},
         {}},
        {"no protocol chosen: no port mask goes out, checked or not",
         [](F& f) {
             f.UseProTypeComBo->setCurrentIndex(-1);
             Choose(f.TCPOptionComBo, "dst-addr");
             f.TCPUDPDstPortMaskEdit->setText("zz");
         },
         {"2=i:1", "6=i:2", "19=i:4"},
         {}},
        {"listed ID written 02",
         [](F& f) { f.IPIDEdit->setText("02"); },
         {},
         F::kDuplicate},
        {"row status createAndWait",
         [](F& f) { f.RowStatusComBo->setCurrentIndex(4); },
         {},
         TAclDialogBase::kMustCreateAndGo},
        {"no ID", [](F& f) { f.IPIDEdit->clear(); }, {}, F::kNoId},
    };
    int id = 100;
    for (const IpCase& c : cases) {
        SCOPED_TRACE(c.name);
        ++id;
        // The form's defaults again, as a fresh dialog has them.
        ip = std::make_unique<TIPMaskInformationForm>(nullptr);
        boxes.Clear();
        ip->IPIDEdit->setText(QString::number(id));
        c.input(*ip);
        const int mark = Mark();
        ip->BT_AddClick();
        if (c.sent.isEmpty()) {
            EXPECT_EQ(boxes.texts, QStringList{c.message});
            EXPECT_TRUE(Since(mark, "SET").empty());
        } else {
            EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
            EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(kIp, id, c.sent)}));
            EXPECT_TRUE(ip->StatusBar1->currentMessage().contains("Ok")) << ip->StatusBar1->currentMessage().toStdString();
        }
    }
}

TEST_F(AclMasks, IpDeleteSendsTheRowStatusAloneForTheSelectedMask)
{
    ASSERT_TRUE(StartSim());
    ip = std::make_unique<TIPMaskInformationForm>(nullptr);
    Select(ip->ListView1, 1);
    EXPECT_EQ(ip->OwnerComboBox->currentText(), "ipbind");
    EXPECT_EQ(ip->SrcMacAddrMaskEdit->text(), "FFFFFFFFFFFF");
    const int mark = Mark();
    ip->BT_DeleteClick();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kIp + "19.9=i:6"}}));
    EXPECT_EQ(ip->ListView1->topLevelItemCount(), 1);
    ExpectNoRowState(*ip, ip->BT_Add, ip->BT_Delete, ip->IPIDEdit);
    EXPECT_EQ(ip->OwnerComboBox->currentText(), "acl");
}

// ---- IPv6 masks ----------------------------------------------------------------------------

struct Ipv6Case {
    const char* name;
    std::function<void(TIPv6MaskInfoForm&)> input;
    QStringList sent;  // empty: refused with message
    QString message;
};

TEST_F(AclMasks, Ipv6AddSendsTheChosenKindOfMaskOrRefusesWithNothingSent)
{
    ASSERT_TRUE(StartSim());
    ipv6 = std::make_unique<TIPv6MaskInfoForm>(nullptr);
    ASSERT_EQ(ipv6->ListView1->topLevelItemCount(), 2);
    using F = TIPv6MaskInfoForm;
    const QString digits32 = QStringLiteral("FFFFFFFFFFFFFFFF0000000000000000");
    auto address = [](const QString& state, QLineEdit* F::*edit, const QString& text) {
        return [=](F& f) {
            f.RadioButton2->click();
            Choose(f.cbxMaskState, state);
            (f.*edit)->setText(text);
        };
    };
    const Ipv6Case cases[] = {
        {"class and flow label",
         [](F& f) {
             f.RadioButton1->click();
             Choose(f.cbxMaskClass, "enable");
         },
         {"2=i:1", "3=i:2", "7=i:4"},
         {}},
        {"source address", address("src-ipv6-addr", &F::edtSrcMask, digits32),
         {"4=i:3", "5=x:" + digits32, "7=i:4"}, {}},
        {"destination address, the source typed but not sent",
         [&](F& f) {
             address("dst-ipv6-addr", &F::edtDstMask, digits32.toLower())(f);
             f.edtSrcMask->setText("1234");
         },
         {"4=i:2", "6=x:" + digits32, "7=i:4"},
         {}},
        {"31 digits", address("dst-ipv6-addr", &F::edtDstMask, digits32.left(31)), {}, F::kBadAddress},
        {"33 digits", address("src-ipv6-addr", &F::edtSrcMask, digits32 + "0"), {}, F::kBadAddress},
        {"not hexadecimal", address("src-ipv6-addr", &F::edtSrcMask, "G" + digits32.mid(1)), {}, F::kBadAddress},
        {"empty destination", address("dst-ipv6-addr", &F::edtDstMask, ""), {}, F::kNoDestination},
        {"empty source", address("src-ipv6-addr", &F::edtSrcMask, ""), {}, F::kNoSource},
        {"state other", address("other", &F::edtSrcMask, digits32), {}, F::kNoState},
        {"class and flow label both disabled", [](F& f) { f.RadioButton1->click(); }, {}, F::kNothingEnabled},
        {"class not chosen",
         [](F& f) {
             f.RadioButton1->click();
             f.cbxMaskClass->setCurrentIndex(-1);
         },
         {},
         F::kNoClass},
        {"no kind of mask chosen", [](F&) {}, {}, F::kNoKind},
        {"listed ID written 03",
         [](F& f) {
             f.edtMaskID->setText("03");
             f.RadioButton1->click();
             Choose(f.cbxMaskClass, "enable");
         },
         {},
         F::kDuplicate},
        {"row status active",
         [](F& f) {
             f.RadioButton1->click();
             Choose(f.cbxMaskClass, "enable");
             f.cbxStatus->setCurrentIndex(0);
         },
         {},
         TAclDialogBase::kMustCreateAndGo},
        {"no ID", [](F& f) { f.edtMaskID->clear(); }, {}, F::kNoId},
    };
    int id = 100;
    for (const Ipv6Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++id;
        ipv6 = std::make_unique<TIPv6MaskInfoForm>(nullptr);
        boxes.Clear();
        ipv6->edtMaskID->setText(QString::number(id));
        c.input(*ipv6);
        const int mark = Mark();
        ipv6->AddButtonClick();
        if (c.sent.isEmpty()) {
            EXPECT_EQ(boxes.texts, QStringList{c.message});
            EXPECT_TRUE(Since(mark, "SET").empty());
        } else {
            EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
            EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(kIpv6, id, c.sent)}))
                << ipv6->StatusBar1->currentMessage().toStdString();
        }
    }
}

TEST_F(AclMasks, Ipv6RadioButtonsFollowTheSelectedRowAndDeleteSendsTheRowStatusAlone)
{
    ASSERT_TRUE(StartSim());
    ipv6 = std::make_unique<TIPv6MaskInfoForm>(nullptr);
    ipv6->RadioButton2->click();
    EXPECT_FALSE(ipv6->cbxMaskClass->isEnabled());
    EXPECT_EQ(ipv6->cbxMaskClass->currentText(), "disable");
    EXPECT_TRUE(ipv6->edtDstMask->isEnabled());
    ipv6->RadioButton1->click();
    EXPECT_FALSE(ipv6->RadioButton2->isChecked());
    EXPECT_FALSE(ipv6->cbxMaskState->isEnabled());
    EXPECT_FALSE(ipv6->edtSrcMask->isEnabled());

    Select(ipv6->ListView1, 1);  // mask 5: a source address
    EXPECT_TRUE(ipv6->RadioButton2->isChecked());
    EXPECT_EQ(ipv6->edtSrcMask->text(), "FFFFFFFFFFFFFFFF0000000000000000");
    EXPECT_FALSE(ipv6->cbxMaskClass->isEnabled());
    EXPECT_TRUE(ipv6->DeleteButton->isEnabled());
    EXPECT_FALSE(ipv6->AddButton->isEnabled());
    EXPECT_FALSE(ipv6->edtMaskID->isEnabled());
    Select(ipv6->ListView1, 0);  // mask 3: the class
    EXPECT_TRUE(ipv6->RadioButton1->isChecked());
    EXPECT_FALSE(ipv6->RadioButton2->isChecked());
    EXPECT_FALSE(ipv6->cbxMaskState->isEnabled());
    ipv6->ListView1->clearSelection();
    EXPECT_FALSE(ipv6->RadioButton1->isChecked());
    EXPECT_FALSE(ipv6->RadioButton2->isChecked());
    EXPECT_TRUE(ipv6->edtMaskID->text().isEmpty());

    Select(ipv6->ListView1, 1);
    const int mark = Mark();
    ipv6->DeleteButtonClick();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kIpv6 + "7.5=i:6"}}));
    EXPECT_EQ(ipv6->ListView1->topLevelItemCount(), 1);
    ExpectNoRowState(*ipv6, ipv6->AddButton, ipv6->DeleteButton, ipv6->edtMaskID);
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

// ---- an agent that refuses the write -------------------------------------------------------

// A switch whose write community only reads: every SET comes back with an error, which stays
// in the status bar (no "Ok") with the dialog in the no-row state.
TEST_F(AclMasks, AnAgentsRefusalOfAddOrDeleteStaysInTheStatusBar)
{
    ASSERT_TRUE(StartSim({"--read-community", "private", "--write-community", "secret"}));
    KtSNMPDefaults.security.readCommunity = "private";
    ether = std::make_unique<TEthernetMaskInformationForm>(nullptr);
    ip = std::make_unique<TIPMaskInformationForm>(nullptr);
    ipv6 = std::make_unique<TIPv6MaskInfoForm>(nullptr);
    struct Command {
        const char* name;
        std::function<void()> run;
        QStatusBar* status;
        QLineEdit* id;
        QPushButton* add;
    };
    const Command commands[] = {
        {"Ethernet Add",
         [&] {
             ether->IDEdit->setText("50");
             ether->AddBtnClick();
         },
         ether->StatusBar1, ether->IDEdit, ether->AddBtn},
        {"Ethernet Delete",
         [&] {
             Select(ether->ListView1, 0);
             ether->BT_DeleteClick();
         },
         ether->StatusBar1, ether->IDEdit, ether->AddBtn},
        {"IP Add",
         [&] {
             ip->IPIDEdit->setText("50");
             ip->BT_AddClick();
         },
         ip->StatusBar1, ip->IPIDEdit, ip->BT_Add},
        {"IP Delete",
         [&] {
             Select(ip->ListView1, 0);
             ip->BT_DeleteClick();
         },
         ip->StatusBar1, ip->IPIDEdit, ip->BT_Add},
        {"IPv6 Add",
         [&] {
             ipv6->edtMaskID->setText("50");
             ipv6->RadioButton1->click();
             Choose(ipv6->cbxMaskClass, "enable");
             ipv6->AddButtonClick();
         },
         ipv6->StatusBar1, ipv6->edtMaskID, ipv6->AddButton},
        {"IPv6 Delete",
         [&] {
             Select(ipv6->ListView1, 0);
             ipv6->DeleteButtonClick();
         },
         ipv6->StatusBar1, ipv6->edtMaskID, ipv6->AddButton},
    };
    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        const int mark = Mark();
        c.run();
        EXPECT_EQ(Since(mark, "SET").size(), 1u);
        const QString status = c.status->currentMessage();
        EXPECT_FALSE(status.isEmpty());
        EXPECT_FALSE(status.contains("Ok")) << status.toStdString();
        EXPECT_TRUE(c.id->isEnabled());
        EXPECT_TRUE(c.id->text().isEmpty());
        EXPECT_TRUE(c.add->isEnabled());
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

} // namespace
