// The layer-2 device control dialog against the switch simulator: only the ticked settings go
// out, the web and telnet ports follow their service's state, and a group holding a ticked
// field that is empty or no number stays off the wire while the other groups go on.
#include "dialogs/layer2/Layer2ControlForm.h"
#include "tests/support/SimDialogFixture.h"
#include "tests/support/SnmpTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kCtrl = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.1.2.");
const QString kIgmpOid = kCtrl + "2.0", kRmonOid = kCtrl + "4.0", kTrapStateOid = kCtrl + "5.0",
              kCleanOid = kCtrl + "6.0", kFdbVlanOid = kCtrl + "7.0", kMacNotifyOid = kCtrl + "8.0",
              kNotifySizeOid = kCtrl + "9.0", kNotifyIntervalOid = kCtrl + "10.0",
              kTelStateOid = kCtrl + "14.1.0", kTelPortOid = kCtrl + "14.2.0", kMgmtVlanOid = kCtrl + "16.0",
              kWebStateOid = kCtrl + "17.1.0", kWebPortOid = kCtrl + "17.2.0", kIpConfigOid = kCtrl + "20.0";
const QString kTrapLogOid = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.7.3.0");

using Sets = std::vector<QStringList>;

class Layer2Control : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }

    void SetOnSwitch(const QString& oid, const QString& value)
    {
        const auto r = testutil::runSnmpTool("snmpset", {"-v2c", "-c", "private", sim.peer(), oid, "i", value});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    // The OIDs of every GET since from, in order.
    QStringList ReadOids(int from) const
    {
        QStringList oids;
        for (const QStringList& get : Since(from, "GET"))
            oids << get;
        return oids;
    }
    void Open()
    {
        form = std::make_unique<TLayer2ControlForm>(nullptr);
        ASSERT_GE(form->IGMPComBo->currentIndex(), 0);  // the main group was read
    }

    std::unique_ptr<TLayer2ControlForm> form;
};

struct TickCase {
    const char* name;
    std::function<void(TLayer2ControlForm&)> fill;  // values and ticks
    Sets expected;                                  // the SETs of one Set Checked, in order
};

TEST_F(Layer2Control, SetSendsOnlyTheTickedSettings)
{
    ASSERT_TRUE(StartSim());
    const TickCase cases[] = {
        {"nothing ticked: an empty SET of the main group",
         [](TLayer2ControlForm& f) {
             f.VlanEdit->setText("77");  // shown, not ticked
         },
         {QStringList{}}},
        {"IGMP and management VLAN",
         [](TLayer2ControlForm& f) {
             f.IGMPComBo->setCurrentText("enabled");
             f.edtMVlanID->setText("100");
             f.edtNotifySize->setText("300");  // not ticked
             f.CheckBox1->setChecked(true);
             f.CheckBox11->setChecked(true);
         },
         {{kIgmpOid + "=i:3", kMgmtVlanOid + "=i:100"}}},
        {"RMON, history size and trap log, in the group's order",
         [](TLayer2ControlForm& f) {
             f.TrapLogComBo->setCurrentText("enable");
             f.edtNotifySize->setText("250");
             f.RmonComBo->setCurrentText("disabled");
             f.CheckBox16->setChecked(true);
             f.CheckBox13->setChecked(true);
             f.CheckBox3->setChecked(true);
         },
         {{kRmonOid + "=i:2", kNotifySizeOid + "=i:250", kTrapLogOid + "=i:2"}}},
        {"the two ports alone",
         [](TLayer2ControlForm& f) {
             f.WebPortEdit->setText("8080");
             f.TelPortEdit->setText("2323");
             f.CheckBox7->setChecked(true);
             f.CheckBox9->setChecked(true);
         },
         {QStringList{}, {kWebPortOid + "=i:8080"}, {kTelPortOid + "=i:2323"}}},
        {"Check All",
         [](TLayer2ControlForm& f) {
             f.IGMPComBo->setCurrentText("disabled");
             f.RmonComBo->setCurrentText("enabled");
             f.TrapStateComBo->setCurrentText("disabled");
             f.CleanComBo->setCurrentText("active");
             f.cbxMACNotify->setCurrentText("enabled");
             f.edtNotifySize->setText("500");
             f.IPConfigComBo->setCurrentText("enabled");
             f.TrapLogComBo->setCurrentText("disable");
             f.VlanEdit->setText("20");
             f.edtMVlanID->setText("4094");
             f.edtNotifyInterval->setText("2147483647");
             f.WebPortEdit->setText("81");
             f.TelPortEdit->setText("24");
             f.CheckButton->click();
         },
         {{kIgmpOid + "=i:2", kRmonOid + "=i:3", kTrapStateOid + "=i:2", kCleanOid + "=i:2", kFdbVlanOid + "=i:20",
           kMgmtVlanOid + "=i:4094", kMacNotifyOid + "=i:3", kNotifySizeOid + "=i:500",
           kNotifyIntervalOid + "=i:2147483647", kWebStateOid + "=i:1", kTelStateOid + "=i:3",
           kIpConfigOid + "=i:1", kTrapLogOid + "=i:3"},
          {kWebPortOid + "=i:81"},
          {kTelPortOid + "=i:24"}}},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        c.fill(*form);
        const int from = Mark();
        form->SetButton->click();
        EXPECT_EQ(Since(from, "SET"), c.expected);
        EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        // Whatever went out, the main group and the enabled ports are read back.
        const QStringList reads = ReadOids(from);
        EXPECT_TRUE(reads.contains(kIgmpOid));
        EXPECT_TRUE(reads.contains(kWebPortOid));
        EXPECT_TRUE(reads.contains(kTelPortOid));
        EXPECT_FALSE(form->WebPortEdit->isReadOnly());
        EXPECT_FALSE(form->TelPortEdit->isReadOnly());
        form.reset();
    }
}

TEST_F(Layer2Control, ADisabledServiceKeepsItsPortOutOfReachAndUnread)
{
    ASSERT_TRUE(StartSim());
    struct Case {
        const char* webState;     // on the switch: 1 enabled, 2 disabled
        const char* telnetState;  // 3 enabled, 2 disabled
        bool webOn, telnetOn;
    };
    const Case cases[] = {{"2", "3", false, true}, {"1", "2", true, false}, {"2", "2", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("web ") + c.webState + ", telnet " + c.telnetState);
        SetOnSwitch(kWebStateOid, c.webState);
        SetOnSwitch(kTelStateOid, c.telnetState);
        int from = Mark();
        Open();
        EXPECT_EQ(ReadOids(from).contains(kWebPortOid), c.webOn);
        EXPECT_EQ(ReadOids(from).contains(kTelPortOid), c.telnetOn);
        EXPECT_EQ(form->WebPortEdit->text().isEmpty(), !c.webOn);
        EXPECT_EQ(form->TelPortEdit->text().isEmpty(), !c.telnetOn);
        EXPECT_EQ(form->WebPortEdit->isEnabled(), c.webOn);
        EXPECT_EQ(form->CheckBox7->isEnabled(), c.webOn);
        EXPECT_EQ(form->CheckBox9->isEnabled(), c.telnetOn);

        // A disabled box does not take a click, and Check All passes it by.
        form->CheckBox7->click();
        form->CheckBox9->click();
        EXPECT_EQ(form->CheckBox7->isChecked(), c.webOn);
        EXPECT_EQ(form->CheckBox9->isChecked(), c.telnetOn);
        form->ClearButton->click();
        form->CheckButton->click();
        EXPECT_EQ(form->CheckBox7->isChecked(), c.webOn);
        EXPECT_EQ(form->CheckBox9->isChecked(), c.telnetOn);
        EXPECT_TRUE(form->CheckBox1->isChecked());
        EXPECT_TRUE(form->CheckBox16->isChecked());

        // Refresh reads a port only while its service is enabled.
        from = Mark();
        form->GetButton->click();
        EXPECT_TRUE(ReadOids(from).contains(kIgmpOid));
        EXPECT_EQ(ReadOids(from).contains(kWebPortOid), c.webOn);
        EXPECT_EQ(ReadOids(from).contains(kTelPortOid), c.telnetOn);
        form.reset();
    }
}

TEST_F(Layer2Control, ChoosingAServiceStateMovesItsPortControls)
{
    ASSERT_TRUE(StartSim());
    Open();
    form->WebPortEdit->setText("8080");
    form->CheckBox7->setChecked(true);
    form->WebStateComBo->setCurrentText("disabled");
    EXPECT_TRUE(form->WebPortEdit->text().isEmpty());
    EXPECT_FALSE(form->WebPortEdit->isEnabled());
    EXPECT_FALSE(form->CheckBox7->isChecked());
    EXPECT_FALSE(form->CheckBox7->isEnabled());
    form->WebStateComBo->setCurrentText("enabled");
    EXPECT_TRUE(form->WebPortEdit->isEnabled());
    EXPECT_TRUE(form->CheckBox7->isEnabled());

    form->TelStateComBo->setCurrentText("disabled");
    EXPECT_TRUE(form->TelPortEdit->text().isEmpty());
    EXPECT_FALSE(form->CheckBox9->isEnabled());
    form->TelStateComBo->setCurrentText("enabled");
    EXPECT_TRUE(form->CheckBox9->isEnabled());
}

struct RefusalCase {
    const char* name;
    std::function<void(TLayer2ControlForm&)> fill;  // values and ticks
    QStringList messages;                           // empty entry: the edit's range message
    QLineEdit* TLayer2ControlForm::*focus;          // the last refused edit, which keeps the focus
    Sets expected;
};

TEST_F(Layer2Control, AGroupWithATickedEmptyOrBadFieldStaysOffTheWire)
{
    ASSERT_TRUE(StartSim());
    const auto portsTicked = [](TLayer2ControlForm& f) {
        f.WebPortEdit->setText("8080");
        f.TelPortEdit->setText("2323");
        f.CheckBox7->setChecked(true);
        f.CheckBox9->setChecked(true);
    };
    const RefusalCase cases[] = {
        {"empty management VLAN: the ports still go",
         [&](TLayer2ControlForm& f) {
             f.IGMPComBo->setCurrentText("enabled");
             f.edtMVlanID->clear();
             f.CheckBox1->setChecked(true);
             f.CheckBox11->setChecked(true);
             portsTicked(f);
         },
         {TLayer2ControlForm::kEmptyChecked}, &TLayer2ControlForm::edtMVlanID,
         {{kWebPortOid + "=i:8080"}, {kTelPortOid + "=i:2323"}}},
        {"empty telnet port: the main group and the web port still go",
         [&](TLayer2ControlForm& f) {
             f.edtMVlanID->setText("12");
             f.CheckBox11->setChecked(true);
             portsTicked(f);
             f.TelPortEdit->clear();
         },
         {TLayer2ControlForm::kEmptyChecked}, &TLayer2ControlForm::TelPortEdit,
         {{kMgmtVlanOid + "=i:12"}, {kWebPortOid + "=i:8080"}}},
        {"one message per group",
         [&](TLayer2ControlForm& f) {
             f.VlanEdit->clear();
             f.edtNotifySize->clear();
             f.CheckBox5->setChecked(true);
             f.CheckBox13->setChecked(true);
             portsTicked(f);
             f.WebPortEdit->clear();
             f.TelPortEdit->clear();
         },
         {TLayer2ControlForm::kEmptyChecked, TLayer2ControlForm::kEmptyChecked, TLayer2ControlForm::kEmptyChecked},
         &TLayer2ControlForm::TelPortEdit, {}},
        {"no number typed, a lone sign",
         [&](TLayer2ControlForm& f) {
             f.VlanEdit->setText("-");
             f.CheckBox5->setChecked(true);
             portsTicked(f);
         },
         {QString()}, &TLayer2ControlForm::VlanEdit, {{kWebPortOid + "=i:8080"}, {kTelPortOid + "=i:2323"}}},
        {"history size below its range",
         [&](TLayer2ControlForm& f) {
             f.edtNotifySize->setText("0");
             f.CheckBox13->setChecked(true);
             portsTicked(f);
         },
         {QString()}, &TLayer2ControlForm::edtNotifySize,
         {{kWebPortOid + "=i:8080"}, {kTelPortOid + "=i:2323"}}},
        {"out of range",
         [&](TLayer2ControlForm& f) {
             f.edtMVlanID->setText("4095");
             f.CheckBox11->setChecked(true);
             portsTicked(f);
             f.WebPortEdit->setText("65536");
         },
         {QString(), QString()}, &TLayer2ControlForm::WebPortEdit, {{kTelPortOid + "=i:2323"}}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        c.fill(*form);
        boxes.Clear();
        const int from = Mark();
        form->SetButton->click();
        EXPECT_EQ(Since(from, "SET"), c.expected);
        ASSERT_EQ(boxes.texts.size(), c.messages.size()) << boxes.texts.join('|').toStdString();
        for (int k = 0; k < c.messages.size(); ++k) {
            if (c.messages[k].isEmpty()) {
                EXPECT_NE(boxes.texts[k], TLayer2ControlForm::kEmptyChecked);
                EXPECT_FALSE(boxes.texts[k].isEmpty());
            } else {
                EXPECT_EQ(boxes.texts[k], c.messages[k]);
            }
        }
        EXPECT_EQ(form->focusWidget(), (*form).*c.focus);
        form.reset();
    }
}

} // namespace
