// The MAC-based access control dialog against the switch simulator: the three groups it reads
// and in which order, what Set and Delete send, the password's length limit, and a group whose
// read failed kept out of Set until a read works again.
#include "dialogs/StackingPortUitForm.h"
#include "dialogs/layer2/MBAControlForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

const QString kMba = QStringLiteral("1.3.6.1.4.1.32473.12.35.1.");
const QStringList kSettingsGet = {kMba + "1.0", kMba + "2.0", kMba + "3.0"};
const QStringList kVlanGet = {kMba + "4.0", kMba + "5.0"};
const QStringList kDeleteGet = {kMba + "7.0"};

QString Hex(const char* text)
{
    return QString::fromLatin1(QByteArray(text).toHex().toUpper());
}

std::set<int> Ticked(const TStackingPortUitForm* grid)
{
    std::set<int> ports;
    for (std::size_t k = 0; k < grid->PortBoxes.size(); ++k)
        if (grid->PortBoxes[k]->isChecked())
            ports.insert(int(k) + 1);
    return ports;
}

class MbaControl : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    // A switch serving the feature's objects as the shipped data does, but for those named in
    // missing (their reads fail) and those named in readOnly (their writes fail).
    bool StartWith(const QStringList& missing, const QStringList& readOnly = {})
    {
        if (!WriteData(missing, readOnly))
            return false;
        return StartSim({"--data", m_dataDir.filePath("mba.sim")});
    }
    bool WriteData(const QStringList& missing, const QStringList& readOnly = {})
    {
        const std::pair<const char*, const char*> objects[] = {
            {"1", "integer 2 %1 range=1..2"},   {"2", "integer 1 %1 range=1..2"},
            {"3", "string mbapass %1 size=0..32"}, {"4", "string mbavlan %1 size=0..32"},
            {"5", "hex 30:00:00:00 %1 size=4..4"}, {"7", "integer 1 %1 range=1..2"},
        };
        QString text = QStringLiteral("subtree 1.3.6.1.4.1.32473.12.35\n");
        for (const auto& [sub, rest] : objects)
            if (!missing.contains(QLatin1String(sub)))
                text += kMba + sub + ".0 "
                        + QString::fromLatin1(rest).arg(readOnly.contains(QLatin1String(sub)) ? "ro" : "rw") + '\n';
        QFile file(m_dataDir.filePath("mba.sim"));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toLatin1()) == text.size();
    }

    QTemporaryDir m_dataDir;
    std::unique_ptr<TMBAControlForm> form;
};

TEST_F(MbaControl, ReadsSettingsVlanAndDeleteStateIntoAGridOfTenPorts)
{
    ASSERT_TRUE(StartSim());
    const int mark = Mark();
    form = std::make_unique<TMBAControlForm>(nullptr);
    EXPECT_EQ(Since(mark, "GET"), std::vector<QStringList>({kSettingsGet, kVlanGet, kDeleteGet}));
    EXPECT_EQ(form->Cbox_State->currentText(), "enabled");
    EXPECT_EQ(form->Cbox_Method->currentText(), "local");
    EXPECT_EQ(form->edtPassWord->text(), "mbapass");
    EXPECT_EQ(form->edtName->text(), "mbavlan");
    EXPECT_EQ(Ticked(form->PortGrid), std::set<int>({3, 4}));
    EXPECT_EQ(form->cbxDel->currentText(), "none");
    EXPECT_FALSE(form->cbxDel->isVisibleTo(form.get()));
    EXPECT_FALSE(form->lbDelState->isVisibleTo(form.get()));
    for (KtSNMPRequest2Edits* request : {form->SettingsRequest(), form->VlanRequest(), form->DeleteRequest()}) {
        EXPECT_EQ(request->Request().Params.timeout, 300);
        EXPECT_EQ(request->Mode, 0);
    }
    EXPECT_TRUE(form->StatusPanel->text().contains("Ok")) << form->StatusPanel->text().toStdString();

    // The model's ten ports are shown, numbered; the other 22 boxes of the unit stay hidden.
    ASSERT_EQ(form->PortGrid->PortBoxes.size(), 32u);
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(form->PortGrid->PortBoxes[std::size_t(k)]->isVisibleTo(form.get()), k < 10);
        if (k < 10) {
            EXPECT_EQ(form->PortGrid->PortBoxes[std::size_t(k)]->text(), QString::number(k + 1));
        }
    }
}

TEST_F(MbaControl, SetWritesTheVlanWithFourOctetsOfPortsThenTheSettings)
{
    ASSERT_TRUE(StartSim());
    form = std::make_unique<TMBAControlForm>(nullptr);
    form->edtName->setText("visitors");
    form->PortGrid->PortBoxes[0]->setChecked(true);  // port 1
    form->PortGrid->PortBoxes[9]->setChecked(true);  // port 10
    form->Cbox_Method->setCurrentText("radius");
    form->edtPassWord->setText("secret");
    const int mark = Mark();
    form->SetBtn->click();
    EXPECT_EQ(Types(mark), QStringList({"SET", "SET"}));
    EXPECT_EQ(Since(mark, "SET"),
              std::vector<QStringList>({{kMba + "4.0=x:" + Hex("visitors"), kMba + "5.0=x:B0400000"},
                                        {kMba + "1.0=i:2", kMba + "2.0=i:2", kMba + "3.0=x:" + Hex("secret")}}));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(MbaControl, DeleteSendsStartThenReadsAllThreeAgain)
{
    ASSERT_TRUE(StartSim());
    form = std::make_unique<TMBAControlForm>(nullptr);
    const int mark = Mark();
    form->DelBtn->click();
    EXPECT_EQ(Types(mark), QStringList({"SET", "GET", "GET", "GET"}));
    EXPECT_EQ(Since(mark, "SET"), std::vector<QStringList>({{kMba + "7.0=i:2"}}));
    EXPECT_EQ(Since(mark, "GET"), std::vector<QStringList>({kVlanGet, kDeleteGet, kSettingsGet}));
    EXPECT_EQ(form->cbxDel->currentText(), "start");
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
}

TEST_F(MbaControl, PasswordLongerThan32CharactersIsRefusedBeforeAnythingIsSent)
{
    ASSERT_TRUE(StartSim());
    form = std::make_unique<TMBAControlForm>(nullptr);
    const struct {
        int length;
        int sets;
        bool refused;
    } cases[] = {{0, 2, false}, {32, 2, false}, {33, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        boxes.texts.clear();
        form->edtPassWord->setText(QString(c.length, u'p'));
        const int mark = Mark();
        form->SetBtn->click();
        EXPECT_EQ(int(Since(mark, "SET").size()), c.sets);
        EXPECT_EQ(!boxes.texts.isEmpty(), c.refused) << boxes.texts.join('|').toStdString();
    }
}

// A read that fails leaves the group's controls blank; Set must not write them (a blank VLAN
// name, no member ports, an empty password) and says why, while the other group goes out.
// Once a read works again, the group is written again. (SNMPv1: a missing object fails the
// read with noSuchName.)
// Over SNMPv1 the missing objects fail the read with noSuchName; over SNMPv2c they come back
// as noSuchObject exceptions, which count as not read just the same.
TEST_F(MbaControl, AGroupWhoseReadFailedIsNotWrittenUntilAReadWorks)
{
    for (const quint8 version : {quint8(0), quint8(1)}) {
        SCOPED_TRACE(version == 0 ? "SNMPv1" : "SNMPv2c");
        KtSNMPDefaults.security.version = version;
        const struct {
            const char* name;
            QStringList missing;
            QString sentPrefix;  // the one group written
            QString notWritten;
        } cases[] = {
            {"VLAN", {"4", "5"}, kMba + "1.0=", TMBAControlForm::kVlanNotWritten},
            {"settings", {"1", "2", "3"}, kMba + "4.0=", TMBAControlForm::kSettingsNotWritten},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(StartWith(c.missing));
            form = std::make_unique<TMBAControlForm>(nullptr);
            EXPECT_FALSE(form->StatusPanel->text().contains("Ok")) << form->StatusPanel->text().toStdString();

            int mark = Mark();
            form->SetBtn->click();
            auto sets = Since(mark, "SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_TRUE(sets[0].first().startsWith(c.sentPrefix)) << sets[0].join(' ').toStdString();
            EXPECT_TRUE(form->StatusPanel->text().contains(c.notWritten)) << form->StatusPanel->text().toStdString();

            // The switch serves the objects again: Refresh reads them, and Set writes both groups.
            ASSERT_TRUE(WriteData({}));
            ASSERT_TRUE(sim.restart(false));
            form->BT_GetClick();
            mark = Mark();
            form->SetBtn->click();
            EXPECT_EQ(Since(mark, "SET").size(), 2u);
            EXPECT_FALSE(form->StatusPanel->text().contains(c.notWritten)) << form->StatusPanel->text().toStdString();

            form.reset();
            sim.stop();
        }
    }
}

// A failed VLAN write does not stop the settings write, and its error stays on show.
TEST_F(MbaControl, AFailedVlanWriteStillWritesTheSettingsAndStaysOnShow)
{
    ASSERT_TRUE(StartWith({}, {"4"}));
    form = std::make_unique<TMBAControlForm>(nullptr);
    const int mark = Mark();
    form->SetBtn->click();
    const auto sets = Since(mark, "SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_TRUE(sets[0].first().startsWith(kMba + "4.0="));
    EXPECT_TRUE(sets[1].first().startsWith(kMba + "1.0="));
    EXPECT_TRUE(form->StatusPanel->text().contains("mbaVlan")) << form->StatusPanel->text().toStdString();
}

} // namespace
