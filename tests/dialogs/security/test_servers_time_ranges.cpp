// The authentication server table, the server group control and the time ranges against the
// simulator: what each command sends (the simulator's request log), the inputs refused with
// nothing sent, and the guard of the asynchronous dialogs while a walk or a write runs.
#include "dialogs/security/AAASrvCtrlForm.h"
#include "dialogs/security/AclOptions.h"
#include "dialogs/security/ServerInformationForm.h"
#include "dialogs/security/TimeRangeForm.h"
#include "tests/support/SimDialogFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using testutil::Pump;
using testutil::waitFor;

namespace {

const QString kServer = QStringLiteral("1.3.6.1.4.1.32473.12.5.10.1.");
const QString kControl = QStringLiteral("1.3.6.1.4.1.32473.12.5.12.1.");
const QString kRange = QStringLiteral("1.3.6.1.4.1.32473.12.50.3.1.1.");

// The instance of a string key: its length, then its bytes.
QString StringIndex(const QString& text)
{
    QStringList ids{QString::number(text.toUtf8().size())};
    for (char c : text.toUtf8())
        ids << QString::number(quint8(c));
    return ids.join('.');
}

// "3=i:49" of the row at instance -> the logged varbind under entry.
QStringList Varbinds(const QString& entry, const QString& instance, const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns) {
        const qsizetype eq = c.indexOf('=');
        out << entry + c.left(eq) + '.' + instance + c.mid(eq);
    }
    return out;
}

QString Hex(const QString& text)
{
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

void Choose(QComboBox* combo, const QString& text)
{
    const int k = combo->findText(text);
    ASSERT_GE(k, 0) << text.toStdString();
    combo->setCurrentIndex(k);
}

QStringList FirstColumn(const QTreeWidget* view)
{
    QStringList keys;
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        keys << view->topLevelItem(r)->text(0);
    return keys;
}

void SelectRow(QTreeWidget* view, const QString& key, const QString& second = {})
{
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = view->topLevelItem(r);
        if (item->text(0) == key && (second.isEmpty() || item->text(1) == second)) {
            view->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    ADD_FAILURE() << "no row " << key.toStdString();
}

class ServersAndTimeRanges : public testutil::SimDialogFixture {
protected:
    void TearDown() override
    {
        servers.reset();
        control.reset();
        ranges.reset();
        SimDialogFixture::TearDown();
    }
    bool RangesIdle(int ms = 10000)
    {
        return waitFor([&] { return ranges->GetComplete() && !ranges->TableRequest()->Busy(); }, ms);
    }
    bool ControlIdle(int ms = 10000)
    {
        return waitFor([&] { return control->GetComplete() && !control->ControlRequest()->Busy(); }, ms);
    }
    void OpenRanges(QStringList extra = {})
    {
        StartSim(extra);
        ranges = std::make_unique<TTimeRangeForm>(nullptr);
    }
    // The Add inputs of a time range.
    void TypeRange(const QString& name, const QString& days, const QString& start, const QString& end)
    {
        ranges->edtName->setText(name);
        ranges->edtweekdays->setText(days);
        ranges->edtStart->setText(start);
        ranges->edtEnd->setText(end);
    }

    std::unique_ptr<TServerInformationForm> servers;
    std::unique_ptr<TAAASrvCtrlForm> control;
    std::unique_ptr<TTimeRangeForm> ranges;
};

// ---- server table ---------------------------------------------------------------------------

TEST_F(ServersAndTimeRanges, ServerAddWithAnEmptyTimeoutSendsNoTimeout)
{
    ASSERT_TRUE(StartSim());
    servers = std::make_unique<TServerInformationForm>(nullptr);
    ASSERT_EQ(FirstColumn(servers->ListView1), QStringList({"10.1.1.1", "10.1.1.2"}));
    EXPECT_EQ(servers->ListView1->topLevelItem(0)->text(1), "radius");
    EXPECT_EQ(servers->Static->text(), "2");
    EXPECT_EQ(servers->RowComboBox->currentText(), "createAndGo");

    // A listed address with another protocol is another server.
    servers->IPEdit->setText("10.1.1.1");
    Choose(servers->ProtocolComboBox, "tacacs");
    servers->PortEdit->setText("49");
    servers->KeyEdit->setText("k1");
    servers->RetryCEdit->setText("3");
    const int mark = Mark();
    servers->AddButtonClick();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(
                                      kServer, "10.1.1.1.1", {"3=i:49", "4=x:" + Hex("k1"), "6=i:3", "7=i:4"})}));
    EXPECT_EQ(servers->ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(servers->Static->text(), "3");
    EXPECT_TRUE(servers->IPEdit->text().isEmpty());
    EXPECT_TRUE(servers->AddButton->isEnabled());
}

TEST_F(ServersAndTimeRanges, ServerAddRefusalsSendNothing)
{
    ASSERT_TRUE(StartSim());
    servers = std::make_unique<TServerInformationForm>(nullptr);
    struct Case {
        const char* address;
        const char* protocol;  // "" none chosen
        int rowStatus;
        QString message;
    } cases[] = {
        {"", "radius", AclOptions::kCreateAndGoPosition, TServerInformationForm::kNoIp},
        {"10.1.1.9", "", AclOptions::kCreateAndGoPosition, TServerInformationForm::kNoProtocol},
        {"10.1.1.1", "radius", AclOptions::kCreateAndGoPosition, TServerInformationForm::kDuplicate},
        {"010.1.1.1", "radius", AclOptions::kCreateAndGoPosition, TServerInformationForm::kDuplicate},
        {"10.1.1.2", "tacacs-plus", AclOptions::kCreateAndGoPosition, TServerInformationForm::kDuplicate},
        {"10.1.1.1234", "radius", AclOptions::kCreateAndGoPosition, TServerInformationForm::kBadIp},
        {"10.1.1", "radius", AclOptions::kCreateAndGoPosition, TServerInformationForm::kBadIp},
        {"10.1.1.9", "radius", 0, TServerInformationForm::kMustCreateAndGo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address + std::string(" ") + c.protocol);
        servers->IPEdit->setText(c.address);
        if (*c.protocol)
            Choose(servers->ProtocolComboBox, c.protocol);
        else
            servers->ProtocolComboBox->setCurrentIndex(-1);
        servers->RowComboBox->setCurrentIndex(c.rowStatus);
        boxes.Clear();
        const int mark = Mark();
        servers->AddButtonClick();
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
        EXPECT_EQ(Mark(), mark);
    }
}

TEST_F(ServersAndTimeRanges, ServerEditSendsTheFilledValuesAndDestroyOnlyTheStatus)
{
    ASSERT_TRUE(StartSim());
    servers = std::make_unique<TServerInformationForm>(nullptr);
    SelectRow(servers->ListView1, "10.1.1.2", "tacacs-plus");
    ASSERT_EQ(servers->TimeoutEdit->text(), "10");
    EXPECT_TRUE(servers->EditButton->isEnabled());
    EXPECT_FALSE(servers->AddButton->isEnabled());
    EXPECT_FALSE(servers->IPEdit->isEnabled());

    // An emptied port is left out, and so is the row status.
    servers->PortEdit->clear();
    servers->KeyEdit->setText("new");
    int mark = Mark();
    servers->EditButtonClick();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{Varbinds(
                                      kServer, "10.1.1.2.3", {"4=x:" + Hex("new"), "5=i:10", "6=i:3"})}));
    EXPECT_TRUE(servers->ListView1->selectedItems().isEmpty());
    EXPECT_FALSE(servers->EditButton->isEnabled());

    // Edit to "destroy": the status alone.
    SelectRow(servers->ListView1, "10.1.1.2", "tacacs-plus");
    servers->RowComboBox->setCurrentIndex(AclOptions::kDestroyPosition);
    mark = Mark();
    servers->EditButtonClick();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kServer + "7.10.1.1.2.3=i:6"}}));
    EXPECT_EQ(FirstColumn(servers->ListView1), QStringList({"10.1.1.1"}));

    // Delete: the status alone too, for the selected server.
    SelectRow(servers->ListView1, "10.1.1.1", "radius");
    mark = Mark();
    servers->DeleteButtonClick();
    EXPECT_EQ(Since(mark, "SET"), (std::vector<QStringList>{{kServer + "7.10.1.1.1.4=i:6"}}));
    EXPECT_EQ(servers->ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(servers->Static->text(), "0");
}

// ---- server group control -------------------------------------------------------------------

TEST_F(ServersAndTimeRanges, ControlSendsTheRowStateAloneAtGroupAddressProtocol)
{
    ASSERT_TRUE(StartSim());
    control = std::make_unique<TAAASrvCtrlForm>(nullptr);
    ASSERT_TRUE(ControlIdle());
    EXPECT_FALSE(control->lvOper->isVisibleTo(control.get()));
    ASSERT_EQ(FirstColumn(control->lvOper), QStringList({"grp1"}));
    EXPECT_EQ(control->lvOper->topLevelItem(0)->text(1), "10.1.1.1");

    control->edtSrvGrpName->setText("grp1");
    control->edtSrvIP->setText("10.1.1.2");
    Choose(control->cbxAuthPtcl, "tacacs-plus");
    Choose(control->cbxOper, "add");
    const int mark = Mark();
    control->btnSetClick();
    ASSERT_TRUE(ControlIdle());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{{kControl + "4." + StringIndex("grp1") + ".10.1.1.2.3=i:1"}}));
    EXPECT_TRUE(control->stbResult->currentMessage().contains("Ok")) << control->stbResult->currentMessage().toStdString();
    // The inputs stay for the next server.
    EXPECT_EQ(control->edtSrvGrpName->text(), "grp1");
    EXPECT_EQ(control->cbxOper->currentText(), "add");
}

TEST_F(ServersAndTimeRanges, ControlRefusesMissingOrBadInputsWithNothingSent)
{
    ASSERT_TRUE(StartSim());
    control = std::make_unique<TAAASrvCtrlForm>(nullptr);
    ASSERT_TRUE(ControlIdle());
    struct Case {
        const char* group;
        const char* address;
        const char* protocol;
        const char* operation;
        QString message;
    } cases[] = {
        {"", "10.1.1.2", "radius", "add", TAAASrvCtrlForm::kNoGroup},
        {"grp1", "", "radius", "add", TAAASrvCtrlForm::kNoIp},
        {"grp1", "10.1.1.2", "", "add", TAAASrvCtrlForm::kNoProtocol},
        {"grp1", "10.1.1.2", "radius", "", TAAASrvCtrlForm::kNoOperation},
        {"grp1", "10.1.1.2345", "radius", "delete", TAAASrvCtrlForm::kBadIp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        control->edtSrvGrpName->setText(c.group);
        control->edtSrvIP->setText(c.address);
        control->cbxAuthPtcl->setCurrentIndex(control->cbxAuthPtcl->findText(c.protocol));
        control->cbxOper->setCurrentIndex(control->cbxOper->findText(c.operation));
        boxes.Clear();
        const int mark = Mark();
        control->btnSetClick();
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
        EXPECT_EQ(Mark(), mark);
        EXPECT_TRUE(control->GetComplete());
    }
}

TEST_F(ServersAndTimeRanges, ControlSetWaitsForTheWalkAndForTheSetBeforeIt)
{
    ASSERT_TRUE(StartSim({"--delay", "300"}));
    control = std::make_unique<TAAASrvCtrlForm>(nullptr);
    control->edtSrvGrpName->setText("grp2");
    control->edtSrvIP->setText("10.1.1.2");
    Choose(control->cbxAuthPtcl, "tacacs-plus");
    Choose(control->cbxOper, "add");
    int mark = Mark();
    control->btnSetClick();  // the creation walk is still under way
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
    ASSERT_TRUE(ControlIdle());
    EXPECT_TRUE(Since(mark, "SET").empty());

    boxes.Clear();
    mark = Mark();
    control->btnSetClick();
    control->btnSetClick();  // the first one's reply has not come yet
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
    ASSERT_TRUE(ControlIdle());
    EXPECT_EQ(Since(mark, "SET").size(), 1u);
}

// ---- time ranges ----------------------------------------------------------------------------

TEST_F(ServersAndTimeRanges, TimeRangesAreListedByNameAndAddSendsTheRowAtTheNameInstance)
{
    OpenRanges();
    ASSERT_TRUE(RangesIdle());
    ASSERT_EQ(FirstColumn(ranges->ListView1), QStringList({"weekend", "workdays"}));
    EXPECT_EQ(ranges->ListView1->topLevelItem(1)->text(1), "Mon,Tue,Wed,Thu,Fri");
    EXPECT_FALSE(ranges->btnSet->isEnabled());
    EXPECT_FALSE(ranges->btnDelete->isEnabled());

    TypeRange("lunch", "Mon,Fri", "12:00:00", "13:00:00");
    const int mark = Mark();
    ranges->btnAddClick();
    ASSERT_TRUE(RangesIdle());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{Varbinds(kRange, StringIndex("lunch"),
                                                 {"2=x:" + Hex("Mon,Fri"), "3=x:" + Hex("12:00:00"),
                                                  "4=x:" + Hex("13:00:00"), "5=i:4"})}));
    EXPECT_EQ(FirstColumn(ranges->ListView1), QStringList({"lunch", "weekend", "workdays"}));
    // The inputs stay after an Add.
    EXPECT_EQ(ranges->edtName->text(), "lunch");

    // Edit sends the row's values with the status it has.
    SelectRow(ranges->ListView1, "workdays");
    EXPECT_FALSE(ranges->edtName->isEnabled());
    EXPECT_FALSE(ranges->btnAdd->isEnabled());
    ranges->edtStart->setText("07:30:00");
    const int edit = Mark();
    ranges->btnSetClick();
    ASSERT_TRUE(RangesIdle());
    EXPECT_EQ(Since(edit, "SET"),
              (std::vector<QStringList>{Varbinds(kRange, StringIndex("workdays"),
                                                 {"2=x:" + Hex("Mon,Tue,Wed,Thu,Fri"), "3=x:" + Hex("07:30:00"),
                                                  "4=x:" + Hex("18:00:00"), "5=i:1"})}));
    EXPECT_TRUE(ranges->edtName->isEnabled());
    EXPECT_TRUE(ranges->edtName->text().isEmpty());
    EXPECT_TRUE(ranges->btnAdd->isEnabled());
}

TEST_F(ServersAndTimeRanges, TimeRangeDeleteSendsItsFourVarbindsAtTheNameInstance)
{
    OpenRanges();
    ASSERT_TRUE(RangesIdle());
    SelectRow(ranges->ListView1, "weekend");
    const int mark = Mark();
    ranges->btnDeleteClick();
    ASSERT_TRUE(RangesIdle());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(Since(mark, "SET"),
              (std::vector<QStringList>{Varbinds(kRange, StringIndex("weekend"),
                                                 {"2=x:" + Hex("Sat,Sun"), "3=x:" + Hex("00:00:00"),
                                                  "4=x:" + Hex("23:59:59"), "5=i:6"})}));
    EXPECT_EQ(FirstColumn(ranges->ListView1), QStringList({"workdays"}));
    EXPECT_FALSE(ranges->btnDelete->isEnabled());
    EXPECT_TRUE(ranges->StatusBar1->currentMessage().contains("Ok")) << ranges->StatusBar1->currentMessage().toStdString();
}

TEST_F(ServersAndTimeRanges, TimeRangeAddRefusesEmptyOrOverlongInputsWithNothingSent)
{
    OpenRanges();
    ASSERT_TRUE(RangesIdle());
    // 58 two-byte characters: 116 bytes in the instance, two more than fit.
    const QString tooLong(58, QChar(0xE9));
    struct Case {
        QString name, days, start, end;
        QString message;
    } cases[] = {
        {"", "Mon", "08:00:00", "09:00:00", TTimeRangeForm::kNoName},
        {tooLong, "Mon", "08:00:00", "09:00:00", TTimeRangeForm::kLongName},
        {"r1", "", "08:00:00", "09:00:00", TTimeRangeForm::kNoWeekdays},
        {"r1", "Mon", "", "09:00:00", TTimeRangeForm::kNoStart},
        {"r1", "Mon", "08:00:00", "", TTimeRangeForm::kNoEnd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TypeRange(c.name, c.days, c.start, c.end);
        ranges->cbxStatus->setCurrentIndex(-1);
        boxes.Clear();
        const int mark = Mark();
        ranges->btnAddClick();
        EXPECT_EQ(boxes.texts, QStringList({c.message}));
        EXPECT_EQ(Mark(), mark);
        EXPECT_TRUE(ranges->GetComplete());
        // The status shows what the Add would have sent.
        EXPECT_EQ(ranges->cbxStatus->currentText(), "createAndGo");
    }
    // The longest name that fits goes out whole.
    EXPECT_EQ(ranges->edtName->maxLength(), TTimeRangeForm::kMaxNameBytes);
    const QString longest(TTimeRangeForm::kMaxNameBytes, u'n');
    TypeRange(longest, "Mon", "08:00:00", "09:00:00");
    boxes.Clear();
    const int mark = Mark();
    ranges->btnAddClick();
    ASSERT_TRUE(RangesIdle());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    ASSERT_EQ(Since(mark, "SET").size(), 1u);
    EXPECT_TRUE(FirstColumn(ranges->ListView1).contains(longest));
}

TEST_F(ServersAndTimeRanges, TimeRangeCommandsDuringASlowWalkAreGuardedAndCloseWaitsForStop)
{
    OpenRanges({"--delay", "300"});
    // The walk is under way: its first row is in, the next is coming.
    ASSERT_TRUE(waitFor([&] { return ranges->ListView1->topLevelItemCount() >= 1; }, 5000));
    ASSERT_FALSE(ranges->GetComplete());
    const int mark = Mark();
    const int walks = WalksSince(0, kRange + "2");

    TypeRange("r1", "Mon", "08:00:00", "09:00:00");
    ranges->btnAdd->click();
    SelectRow(ranges->ListView1, "weekend");
    ranges->btnSet->click();
    ranges->btnDelete->click();
    const auto typed = [&] {
        return QStringList{ranges->edtweekdays->text(), ranges->edtStart->text(), ranges->edtEnd->text()};
    };
    const QStringList before = typed();
    ASSERT_FALSE(before.join("").isEmpty());
    ranges->btnGet->click();  // ignored: no message, no second walk, and what was typed stays
    EXPECT_EQ(typed(), before);
    ranges->show();
    ranges->btnClose->click();
    Pump(20);
    EXPECT_TRUE(ranges->isVisible());
    EXPECT_EQ(boxes.texts, QStringList(4, TDialogBase::kNotComplete)) << boxes.texts.join('|').toStdString();

    // Stop: closing still waits for the reply outstanding.
    boxes.Clear();
    ranges->btnStop->click();
    ranges->btnClose->click();
    EXPECT_TRUE(ranges->isVisible());
    EXPECT_EQ(boxes.texts, QStringList({TDialogBase::kNotComplete}));
    ASSERT_TRUE(RangesIdle(3000));
    EXPECT_TRUE(Since(mark, "SET").empty());
    EXPECT_EQ(WalksSince(0, kRange + "2"), walks);

    boxes.Clear();
    ranges->btnClose->click();
    EXPECT_FALSE(ranges->isVisible());
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    EXPECT_TRUE(ranges->Requests().empty());
}

} // namespace
