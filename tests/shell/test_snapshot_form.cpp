// The "Snapshots" window against the simulator: save, compare, restore of the ticked
// differences after one question showing the SETs, results per line; a bad file reads nothing.
#include "KtNML/KtSNMPSession.h"
#include "shell/SnapshotForm.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class SnapshotFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        KtSNMPInitSession(m_dir.path());
        ASSERT_TRUE(m_sim.start()) << m_sim.errorText().toStdString();
        m_params.device.address = m_sim.address();
        m_params.device.port = m_sim.port();
        m_params.security.version = 1;
        m_params.security.readCommunity = "public";
        m_params.security.writeCommunity = "private";
    }
    void TearDown() override { KtSNMPCloseSession(); }

    // Opens a window, lets it read, and hands it over.
    std::unique_ptr<TSnapshotForm> Open(TSnapshotForm::Mode mode, const QString& file)
    {
        auto form = std::make_unique<TSnapshotForm>(nullptr, mode, file, m_params);
        form->Start();
        EXPECT_TRUE(testutil::waitFor([&] { return !form->Busy(); }, 60000));
        return form;
    }

    int SetLocation(const char* text)
    {
        snmp::Pdu pdu;
        pdu.type = snmp::PduType::Set;
        pdu.varbinds.resize(1);
        snmp::oidFromText("1.3.6.1.2.1.1.6.0", pdu.varbinds[0].oid);
        pdu.varbinds[0].setBytes(snmp::Syntax::OctetString, text);
        return KtSNMPGlobalSession()->send(KtSNMPBuildTarget(m_params, 1), pdu);
    }

    QTemporaryDir m_dir;
    testutil::SimProcess m_sim;
    KtSNMPDefaultParams m_params;
    testutil::MessageRecorder m_boxes;
};

} // namespace

TEST_F(SnapshotFormTest, SaveCompareAndRestoreTheTickedDifferences)
{
    const QString file = m_dir.filePath("sw.snap");
    auto save = Open(TSnapshotForm::Mode::Save, file);
    EXPECT_FALSE(save->Failed()) << m_boxes.texts.join('\n').toStdString();
    ASSERT_TRUE(QFile::exists(file));
    save.reset();

    ASSERT_EQ(SetLocation("moved"), 0);
    auto compare = Open(TSnapshotForm::Mode::Compare, file);
    ASSERT_EQ(compare->List()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = compare->List()->topLevelItem(0);
    EXPECT_EQ(row->text(0), "sysLocation");
    EXPECT_EQ(row->text(2), "\"Lab rack 1\"");
    EXPECT_EQ(row->text(3), "\"moved\"");
    EXPECT_EQ(row->text(4), "changed");
    compare.reset();

    auto restore = Open(TSnapshotForm::Mode::Restore, file);
    ASSERT_EQ(restore->List()->topLevelItemCount(), 1);
    QTreeWidgetItem* item = restore->List()->topLevelItem(0);
    EXPECT_EQ(item->checkState(0), Qt::Checked);

    // Unticked, nothing is asked or sent; "No" to the question sends nothing either.
    item->setCheckState(0, Qt::Unchecked);
    restore->Restore();
    EXPECT_TRUE(m_boxes.questions.isEmpty());
    item->setCheckState(0, Qt::Checked);
    m_boxes.answer = false;
    restore->Restore();
    ASSERT_EQ(m_boxes.questions.size(), 1);
    EXPECT_TRUE(m_boxes.questions[0].contains("SET 1.3.6.1.2.1.1.6.0 s \"Lab rack 1\"")) << m_boxes.questions[0].toStdString();
    EXPECT_FALSE(restore->Busy());
    EXPECT_TRUE(item->text(TSnapshotForm::kResultColumn).isEmpty());

    m_boxes.answer = true;
    restore->Restore();
    ASSERT_TRUE(testutil::waitFor([&] { return !restore->Busy(); }, 30000));
    EXPECT_EQ(item->text(TSnapshotForm::kResultColumn), "Ok");
    EXPECT_FALSE(restore->findChild<QPushButton*>("RestoreButton")->isEnabled());  // once per window
    restore.reset();

    EXPECT_EQ(Open(TSnapshotForm::Mode::Compare, file)->List()->topLevelItemCount(), 0);
}

TEST_F(SnapshotFormTest, ABadFileIsShownWithItsLineAndNothingIsRead)
{
    const QString file = m_dir.filePath("bad.snap");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# vkr2207 configuration snapshot\n1.3.6.1.2.1.1.6.0 q 1\n");
    f.close();
    const int before = m_sim.requests().size();
    TSnapshotForm form(nullptr, TSnapshotForm::Mode::Restore, file, m_params);
    EXPECT_TRUE(form.Failed());
    form.Start();
    EXPECT_FALSE(form.Busy());
    ASSERT_EQ(m_boxes.texts.size(), 1);
    EXPECT_TRUE(m_boxes.texts[0].contains("line 2: 'q' is no value type")) << m_boxes.texts[0].toStdString();
    EXPECT_EQ(m_sim.requests().size(), before);
}
