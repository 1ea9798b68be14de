// The DHCP relay dialog against the simulator: what its entry dialog refuses before anything is
// sent (empty name, a server address that is not a whole dotted quad, a fifth server for an
// interface), what Add and Delete send at which instance, and an agent's refusal in Memo1.
#include "dialogs/layer2/BOOTCtrlTableForm.h"
#include "tests/support/CompanionRun.h"
#include "tests/support/SimDialogFixture.h"

#include "KtNML/KtSNMPSession.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::RunEditor;
using testutil::SelectRowWith;
using testutil::WaitIdle;

namespace {

const QString kState = QStringLiteral("1.3.6.1.4.1.32473.11.101.1.2.8.7.1.3.");

// The instance of an entry: the name's length and characters, then the address.
QString Instance(const QString& name, const QString& server)
{
    QString out = QString::number(name.size());
    for (QChar ch : name)
        out += '.' + QString::number(ch.unicode());
    return out + '.' + server;
}

class DhcpRelay : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void Open()
    {
        StartSim();
        form = std::make_unique<TBOOTCtrlTableForm>(nullptr);
        ASSERT_TRUE(WaitIdle(*form));
    }
    // An Add of name and server, Set pressed; true when the entry dialog closed itself.
    bool Add(const QString& name, const QString& server)
    {
        return RunEditor(*form, [&] { form->AddButton->click(); }, [&](TCompanionEditor& e) {
            form->Editor->Edit1->setText(name);
            form->Editor->Edit2->setText(server);
            e.SetButton->click();
        });
    }
    int RowsOf(const QString& name) const
    {
        int n = 0;
        for (int r = 0; r < form->ListView1->topLevelItemCount(); ++r)
            n += form->ListView1->topLevelItem(r)->text(0) == name;
        return n;
    }
    std::unique_ptr<TBOOTCtrlTableForm> form;
};

TEST_F(DhcpRelay, AddChecksNameAddressAndFourServersPerInterfaceBeforeSending)
{
    struct Case {
        const char* name;
        const char* server;
        QString refusal;  // empty: sent
    };
    const Case cases[] = {
        {"", "10.90.90.5", TBOOTCtrlTableForm::kNameNeeded},
        {"vlan2", "", TBOOTCtrlTableForm::kBadServer},
        {"vlan2", "10.90.90", TBOOTCtrlTableForm::kBadServer},
        {"vlan2", "10.90.90.256", TBOOTCtrlTableForm::kBadServer},
        {"vlan2", "10.90.90.5 ", TBOOTCtrlTableForm::kBadServer},
        {"System", "10.90.90.5", TBOOTCtrlTableForm::kFourServers},
        // Letter case counts: another interface.
        {"system", "10.90.90.5", ""},
        {"vlan2", "192.168.2.2", ""},
    };
    Open();
    ASSERT_EQ(RowsOf("System"), 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.server);
        boxes.Clear();
        const int from = Mark();
        const bool closed = Add(c.name, c.server);
        ASSERT_TRUE(WaitIdle(*form));
        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(boxes.texts, QStringList({c.refusal}));
            EXPECT_TRUE(Since(from, "SET").empty());
            EXPECT_FALSE(closed) << "the entry dialog stays open";
        } else {
            EXPECT_TRUE(boxes.texts.isEmpty());
            EXPECT_EQ(Since(from, "SET"),
                      std::vector<QStringList>({{kState + Instance(c.name, c.server) + "=i:3"}}));
            EXPECT_TRUE(closed);
            EXPECT_EQ(RowsOf(c.name), c.name == QStringLiteral("system") ? 1 : 2);
        }
    }
    EXPECT_EQ(RowsOf("System"), 4);
}

TEST_F(DhcpRelay, DeleteInvalidatesTheSelectedEntryEvenAfterACancelledAdd)
{
    Open();
    // An Add typed and cancelled leaves its keys in the entry dialog.
    RunEditor(*form, [&] { form->AddButton->click(); }, [&](TCompanionEditor&) {
        form->Editor->Edit1->setText("vlan2");
        form->Editor->Edit2->setText("192.168.2.1");
    });
    ASSERT_TRUE(SelectRowWith(form->ListView1, {"System", "10.90.90.3"}));
    ASSERT_TRUE(form->DeleteButton->isEnabled());
    // Whatever the entry dialog holds now, the keys are the row's.
    form->Editor->Edit1->setText("vlan2");
    form->Editor->Edit2->setText("192.168.2.1");
    const int from = Mark();
    form->DeleteButton->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(Since(from, "SET"), std::vector<QStringList>({{kState + Instance("System", "10.90.90.3") + "=i:2"}}));
    EXPECT_EQ(RowsOf("System"), 3);
    EXPECT_EQ(RowsOf("vlan2"), 1);
    EXPECT_FALSE(form->DeleteButton->isEnabled());
}

TEST_F(DhcpRelay, AgentRefusingAnAddShowsInMemo1)
{
    Open();
    const QString before = form->Memo1->toPlainText();
    // A community that may only read: the switch refuses the write.
    form->TableRequest()->Request().Params.security.writeCommunity = "public";
    const int from = Mark();
    Add("vlan2", "192.168.2.3");
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(Since(from, "SET").size(), 1u);
    const QString added = form->Memo1->toPlainText().mid(before.size());
    EXPECT_TRUE(added.contains("No Access")) << added.toStdString();
    EXPECT_EQ(RowsOf("vlan2"), 1);
}

} // namespace
