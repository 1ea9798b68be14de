// Binding variables to controls without a device: values into controls and back (bits, one
// check box, combo boxes, radio groups, edits spread over a value), the binding errors, the
// list view's selection, and the radio-group control itself.
#include "KtNML/KtBoundRow.h"
#include "KtNML/KtOptionList.h"
#include "KtNML/KtRadioGroup.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtValueCodec.h"
#include "tests/KtNML/KtTestHelpers.h"
#include "tests/support/ListClicks.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr KtOptionPair kStatePairs[] = {{1, "disabled"}, {2, "enabled"}, {}};
const KtOptionList olState(kStatePairs);
constexpr KtOptionTextPair kTreePairs[] = {{"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {}};
const KtOptionList olTree(kTreePairs, KtOptValue::Prefix);

enum Var { Ports, Ip, State, Name, Flag, Mac, Ticks, Oid, Stamp, Tree, Bytes4, Count };

const KtSNMPVarDef kScalars[] = {
    {"1.3.6.1.4.1.32473.77.9.1", "Ports", KtSyn::OctetStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.2", "IP", KtSyn::IpAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.3", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.77.9.4", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.5", "Flag", KtSyn::Boolean, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.6", "MAC", KtSyn::MacAddress, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.7", "Ticks", KtSyn::TimeTicks, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.8", "OID", KtSyn::ObjectId, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.9", "Stamp", KtSyn::DateTime, KtAcc::ReadWrite},
    {"1.3.6.1.4.1.32473.77.9.10", "Tree", KtSyn::ObjectId, KtAcc::ReadWrite, &olTree},
    {"1.3.6.1.4.1.32473.77.9.11", "Bytes", KtSyn::OctetStr, KtAcc::ReadWrite},
    {},
};

class BindControls : public ::testing::Test {
public:
    void SetUp() override
    {
        bind = std::make_unique<KtSNMPRequest2Edits>(&form);
        bind->VarList().Assign(KtSNMPVarList(kScalars, KtItem::SVT_SV, 0));
    }
    KtSNMPVar& var(int i) { return bind->VarList().Item(i); }
    template <class W> std::vector<W*> make(int n)
    {
        std::vector<W*> out;
        for (int k = 0; k < n; ++k)
            out.push_back(new W(&form));
        return out;
    }

    QWidget form;
    std::unique_ptr<KtSNMPRequest2Edits> bind;
};

TEST_F(BindControls, PortBitsShowOnCheckBoxesAndWriteBackOnlyTheirBits)
{
    const std::vector<QCheckBox*> boxes = make<QCheckBox>(8);
    bind->BindBitsList(Ports, "0,1,2,3,4,5,6,7", boxes);
    var(Ports).Value = "A0";
    bind->ShowValues(-1);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(boxes[k]->isChecked(), k == 0 || k == 2) << "box " << k + 1;

    boxes[0]->setChecked(false);
    bind->ReadValues(Ports);
    EXPECT_EQ(var(Ports).Value, "20");

    // The boxes stand for the first byte only: the bytes after it are kept.
    var(Ports).Value = "FF55";
    bind->ReadValues(-1);
    EXPECT_EQ(var(Ports).Value, "2055");
}

// A switch may answer a port list only as long as its own ports need, shorter than the bits
// a grid binds: the missing octets are ports not set, the controls bound after it still show
// their values, and a write sends every octet the bits cover.
TEST_F(BindControls, ShortPortListReadsAsPortsNotSetAndWritesTheFullWidth)
{
    const std::vector<QCheckBox*> boxes = make<QCheckBox>(24);
    QLineEdit* name = make<QLineEdit>(1)[0];
    QString bits;
    for (int k = 0; k < 24; ++k)
        bits += (k ? "," : "") + QString::number(k);
    bind->BindBitsList(Ports, bits, boxes);
    bind->Bind(Name, name);
    const struct {
        const char* value;
        std::vector<int> ports;  // ticked, counted from 1
        const char* written;     // after unticking nothing
    } cases[] = {
        {"A040", {1, 3, 10}, "A04000"},
        {"80", {1}, "800000"},
        {"", {}, "000000"},
        {"(NULL)", {}, "000000"},
        {"00000180", {24}, "00000180"},  // octets past the bits are kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        for (QCheckBox* box : boxes)
            box->setChecked(true);
        name->clear();
        var(Ports).Value = c.value;
        var(Name).Value = c.value;
        bind->ShowValues(-1);
        for (int k = 0; k < 24; ++k) {
            const bool ticked = std::find(c.ports.begin(), c.ports.end(), k + 1) != c.ports.end();
            EXPECT_EQ(boxes[std::size_t(k)]->isChecked(), ticked) << "port " << k + 1;
        }
        EXPECT_EQ(name->text(), c.value) << "a control bound after the port list";
        bind->ReadValues(Ports);
        EXPECT_EQ(var(Ports).Value, c.written);
    }
}

TEST_F(BindControls, OneCheckBoxFollowsItsOptionListOrBooleanText)
{
    QCheckBox* stateBox = make<QCheckBox>(1)[0];
    QCheckBox* flagBox = make<QCheckBox>(1)[0];
    bind->Bind(State, stateBox);
    bind->Bind(Flag, flagBox);
    const struct {
        const char* state;  // value text of the listed variable
        bool stateChecked;
        const char* flag;
        bool flagChecked;
    } cases[] = {
        {"disabled", false, "false", false},
        {"enabled", true, "true", true},
        {"7", false, "yes", false},  // not in the list, not "true": off
        {"2", true, "true", true},   // a raw value the list knows
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        var(State).Value = c.state;
        var(Flag).Value = c.flag;
        stateBox->setChecked(!c.stateChecked);
        flagBox->setChecked(!c.flagChecked);
        bind->ShowValues(-1);
        EXPECT_EQ(stateBox->isChecked(), c.stateChecked);
        EXPECT_EQ(flagBox->isChecked(), c.flagChecked);
    }
    stateBox->setChecked(true);
    flagBox->setChecked(false);
    bind->ReadValues(-1);
    EXPECT_EQ(var(State).Value, "enabled");
    EXPECT_EQ(var(Flag).Value, "false");
    stateBox->setChecked(false);
    bind->ReadValues(State);
    EXPECT_EQ(var(State).Value, "disabled");
}

// Values spread over several edits, shown and read back unchanged.
struct SpreadCase {
    const char* name;
    int var;
    int edits;
    const char* value;
    std::vector<const char*> shown;
};

class BindSpread : public BindControls, public ::testing::WithParamInterface<SpreadCase> {};

TEST_P(BindSpread, ShowsEachPartAndReadsTheSameValueBack)
{
    const SpreadCase& c = GetParam();
    const std::vector<QLineEdit*> edits = make<QLineEdit>(c.edits);
    bind->BindFormatted(c.var, QString("%s").repeated(c.edits), std::vector<QWidget*>(edits.begin(), edits.end()));
    var(c.var).Value = c.value;
    bind->ShowValues(c.var);
    for (int k = 0; k < int(c.shown.size()); ++k)
        EXPECT_EQ(edits[k]->text(), c.shown[k]) << "edit " << k;
    var(c.var).Value = QString();
    bind->ReadValues(c.var);
    EXPECT_EQ(var(c.var).Value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, BindSpread,
    ::testing::Values(
        SpreadCase{"ipaddress", Ip, 4, "10.0.0.1", {"10", "0", "0", "1"}},
        SpreadCase{"macaddress", Mac, 6, "0050BA22070A", {"00", "50", "BA", "22", "07", "0A"}},
        SpreadCase{"timeticks", Ticks, 5, "1 day 2:03:04.05", {"1", "2", "3", "4", "5"}},
        SpreadCase{"octetstr", Bytes4, 3, "0A0B0C", {"0A", "0B", "0C"}},
        SpreadCase{"objectid", Oid, 4, "1.3.6.1", {"1", "3", "6", "1"}},
        SpreadCase{"datetime", Stamp, 10, "2026-12-10,4:5:6.7,-3:30",
                   {"2026", "12", "10", "4", "5", "6", "7", "-", "3", "30"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BindControls, AddressEditsKeepTheirTextForANullValueAndPadShortHex)
{
    const std::vector<QLineEdit*> ip = make<QLineEdit>(4);
    bind->BindFormatted(Ip, "%i%i%i%i", std::vector<QWidget*>(ip.begin(), ip.end()));
    const std::vector<QLineEdit*> bytes = make<QLineEdit>(4);
    bind->BindFormatted(Bytes4, "%h%h%h%h", std::vector<QWidget*>(bytes.begin(), bytes.end()));
    var(Ip).Value = "10.0.0.1";
    bind->ShowValues(Ip);
    var(Ip).Value = "(NULL)";
    bind->ShowValues(Ip);
    EXPECT_EQ(ip[0]->text(), "10");
    EXPECT_EQ(ip[3]->text(), "1");

    bytes[0]->setText("A");
    bytes[1]->setText("");
    bytes[2]->setText("1f");
    bytes[3]->setText("00");
    bind->ReadValues(Bytes4);
    EXPECT_EQ(var(Bytes4).Value, "0A001F00");
}

// What is typed is read back as typed when it is no value (to be refused naming the variable
// when it is sent), never turned into another value on the way.
TEST_F(BindControls, TypedTextThatIsNoValueIsKeptForTheWriteToRefuse)
{
    QLineEdit* state = make<QLineEdit>(1)[0];
    bind->Bind(State, state);
    const std::vector<QLineEdit*> ip = make<QLineEdit>(4);
    bind->BindFormatted(Ip, "%i%i%i%i", std::vector<QWidget*>(ip.begin(), ip.end()));
    const std::vector<QLineEdit*> ticks = make<QLineEdit>(5);
    bind->BindFormatted(Ticks, "%s%s%s%s%s", std::vector<QWidget*>(ticks.begin(), ticks.end()));
    QLineEdit* mac = make<QLineEdit>(1)[0];
    bind->BindFormatted(Mac, "%s", {mac});
    auto typeInto = [](const std::vector<QLineEdit*>& edits, const QStringList& texts) {
        for (int k = 0; k < texts.size(); ++k)
            edits[std::size_t(k)]->setText(texts[k]);
    };
    const struct {
        int var;
        QStringList typed;
        QString value;
    } cases[] = {
        {State, {"8 apples"}, "8 apples"},
        {State, {""}, ""},
        {State, {"disabled"}, "disabled"},  // an option stays the option
        {Ip, {"999", "1", "1", "1"}, "999.1.1.1"},
        {Ip, {"10", "", "0", "1"}, "10..0.1"},
        {Ip, {" 10", "0", "0", "7 "}, "10.0.0.7"},
        {Ticks, {"1", "x", "0", "0", "0"}, "1 days, x:0:0.0"},
        {Ticks, {"500", "0", "0", "0", "0"}, "500 days, 0:0:0.0"},  // beyond 4294967295 ticks
        {Ticks, {"0", "1", "2", "3", "4"}, "1:02:03.04"},
        {Mac, {"0050BA2207"}, "0050BA2207"},  // an octet short
        {Mac, {"0050"}, "0050"},
        {Mac, {"00-50-BA-22-07-0A"}, "00-50-BA-22-07-0A"},
        {Mac, {"0050ba22070a"}, "0050BA22070A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.join(u'|').toStdString());
        if (c.var == State || c.var == Mac)
            typeInto({c.var == State ? state : mac}, c.typed);
        else
            typeInto(c.var == Ip ? ip : ticks, c.typed);
        bind->PrepareSet();
        EXPECT_EQ(var(c.var).Value, c.value);
    }
}

TEST_F(BindControls, FieldOfAnOctetStringIsCutOutAndPutBackInPlace)
{
    QLineEdit* edit = make<QLineEdit>(1)[0];
    QComboBox* combo = make<QComboBox>(1)[0];
    bind->BindField(Bytes4, 2, KtSyn::UInt16, nullptr, edit);
    bind->BindFieldDropDown(Bytes4, 1, KtSyn::UInt8, &olState, combo);
    var(Bytes4).Value = "0A020C0D";
    bind->ShowValues(-1);
    EXPECT_EQ(edit->text(), "3085");
    EXPECT_EQ(combo->currentText(), "enabled");
    edit->setText("258");
    combo->setCurrentIndex(0);
    bind->ReadValues(-1);
    EXPECT_EQ(var(Bytes4).Value, "0A010102");
}

TEST_F(BindControls, PrefixListComboTakesTheRestInItsSecondControl)
{
    QComboBox* combo = make<QComboBox>(1)[0];
    QLineEdit* rest = make<QLineEdit>(1)[0];
    bind->BindField(Tree, 0, KtSyn::ObjectId, nullptr, combo, rest);
    ASSERT_EQ(combo->count(), 2);
    var(Tree).Value = "1.3.6.1.4.1.32473.11";
    bind->ShowValues(Tree);
    EXPECT_EQ(combo->currentText(), "enterprises");
    EXPECT_EQ(rest->text(), "32473.11");
    combo->setCurrentIndex(1);
    rest->setText("2.2");
    bind->ReadValues(Tree);
    EXPECT_EQ(var(Tree).Value, "mib-2.2.2");
    EXPECT_EQ(olTree.TextToValue(var(Tree).Value), "1.3.6.1.2.1.2.2");
}

TEST_F(BindControls, RadioGroupAndComboShowTheListedTextAndOnlyOperatorChangesMarkModified)
{
    auto* group = new KtRadioGroup(&form);
    QComboBox* combo = make<QComboBox>(1)[0];
    bind->Bind(State, group);
    bind->BindDropDown(State, combo);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(group->count(), 2);
    var(State).Value = "enabled";
    bind->ShowValues(-1);
    EXPECT_EQ(group->currentIndex(), 1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_FALSE(bind->Modified);

    group->button(0)->click();
    EXPECT_TRUE(bind->Modified);
    // Both controls stand for the variable; the last one read wins.
    combo->setCurrentIndex(0);
    bind->ReadValues(State);
    EXPECT_EQ(var(State).Value, "disabled");

    bind->Unbind(State);
    bind->Modified = false;
    group->button(1)->click();
    EXPECT_FALSE(bind->Modified);
    EXPECT_TRUE(bind->Bindings().empty());
}

// Nothing read yet: a drop-down list has no current item, and reading it back gives nothing.
TEST_F(BindControls, ChoicesStayUnchosenUntilAValueIsShown)
{
    QComboBox* combo = make<QComboBox>(1)[0];
    bind->BindDropDown(State, combo);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), -1);
    var(State).Value = "enabled";
    bind->ReadValues(State);
    EXPECT_EQ(var(State).Value, "enabled") << "an unchosen list gives no value";
    var(State).Value = "disabled";
    bind->ShowValues(State);
    EXPECT_EQ(combo->currentIndex(), 0);
}

// An edit that tells where its cursor is drawn.
class PeekEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    using QLineEdit::cursorRect;
};

// Fixed-width fields: the start of a long text in sight, the whole of it in the tooltip, and
// a drop-down list that opens wide enough for its longest option.
TEST_F(BindControls, LongTextsShowTheirStartAndListsOpenWideEnough)
{
    static constexpr KtOptionPair kLongPairs[] = {
        {1, "other"}, {9, "nway-disabled-1Gigabps-Full-master"}, {10, "nway-disabled-1Gigabps-Full-slave"}, {}};
    static const KtOptionList olLong(kLongPairs);
    PeekEdit* name = make<PeekEdit>(1)[0];
    QComboBox* combo = make<QComboBox>(1)[0];
    // A style that opens the list only as wide as the box (others widen it themselves).
    const std::unique_ptr<QStyle> boxWide(QStyleFactory::create("Windows"));
    ASSERT_TRUE(boxWide);
    combo->setStyle(boxWide.get());
    name->setReadOnly(true);
    bind->Bind(Name, name);
    bind->BindFieldDropDown(State, 0, KtSyn::Integer, &olLong, combo);
    name->setGeometry(0, 0, 60, name->sizeHint().height());
    combo->setGeometry(0, 40, 60, combo->sizeHint().height());
    form.resize(200, 100);
    form.show();
    const QString text = "portType-1000Base-T and a good deal more";
    var(Name).Value = text;
    var(State).Value = "9";
    bind->ShowValues(-1);
    name->grab();  // lays the text out as it is painted
    EXPECT_LE(name->cursorRect().left(), name->fontMetrics().averageCharWidth()) << "the start is in sight";
    EXPECT_EQ(name->toolTip(), text);
    name->setReadOnly(false);
    name->setText("typed");
    EXPECT_EQ(name->toolTip(), "typed") << "the tooltip follows what the field holds";

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance("nway-disabled-1Gigabps-Full-master"));
    combo->hidePopup();
    delete combo;  // before its style
}

TEST_F(BindControls, UnselectedChoiceLeavesTheValueAsItWas)
{
    QComboBox* combo = make<QComboBox>(1)[0];
    auto* group = new KtRadioGroup(&form);
    bind->BindDropDown(State, combo);
    bind->BindField(Flag, 0, KtSyn::Integer, &olState, group);
    var(State).Value = "enabled";
    var(Flag).Value = "true";
    combo->setCurrentIndex(-1);
    group->setCurrentIndex(-1);
    bind->ReadValues(-1);
    EXPECT_EQ(var(State).Value, "enabled");
    EXPECT_EQ(var(Flag).Value, "true");
}

// Each kind of control the binding knows, subclasses included: the value shown, what the
// operator does to it, whether that marks the binding modified, and the value read back.
TEST_F(BindControls, EachKindOfControlShowsTakesChangesAndGivesBackItsValue)
{
    class MyCheckBox : public QCheckBox {
        using QCheckBox::QCheckBox;
    };
    class MyComboBox : public QComboBox {
        using QComboBox::QComboBox;
    };
    const struct {
        const char* name;
        int var;
        const char* value;
        std::function<QWidget*(QWidget*)> make;
        std::function<QString(QWidget*)> shown;
        const char* shownText;
        std::function<void(QWidget*)> operate;
        bool marksModified;
        const char* readBack;
    } cases[] = {
        {"line edit", Name, "core-1", [](QWidget* p) { return new PeekEdit(p); },
         [](QWidget* w) { return static_cast<QLineEdit*>(w)->text(); }, "core-1",
         [](QWidget* w) { static_cast<QLineEdit*>(w)->setText("edge-2"); }, false, "edge-2"},
        {"label", Name, "core-1", [](QWidget* p) { return new QLabel(p); },
         [](QWidget* w) { return static_cast<QLabel*>(w)->text(); }, "core-1", [](QWidget*) {}, false, "core-1"},
        {"check box", Flag, "true", [](QWidget* p) { return new MyCheckBox(p); },
         [](QWidget* w) { return QString::number(static_cast<QCheckBox*>(w)->isChecked()); }, "1",
         [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, true, "false"},
        {"combo box", State, "enabled", [](QWidget* p) { return new MyComboBox(p); },
         [](QWidget* w) { return static_cast<QComboBox*>(w)->currentText(); }, "enabled",
         [](QWidget* w) {
             auto* combo = static_cast<QComboBox*>(w);
             combo->setCurrentIndex(0);
             emit combo->activated(0);
         },
         true, "disabled"},
        {"radio group", State, "disabled", [](QWidget* p) { return new KtRadioGroup(p); },
         [](QWidget* w) { return static_cast<KtRadioGroup*>(w)->currentText(); }, "disabled",
         [](QWidget* w) { static_cast<KtRadioGroup*>(w)->button(1)->click(); }, true, "enabled"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QWidget* control = c.make(&form);
        bind->Bind(c.var, control);
        var(c.var).Value = c.value;
        bind->ShowValues(-1);
        EXPECT_EQ(c.shown(control), c.shownText);
        EXPECT_FALSE(bind->Modified) << "showing a value is no change of the operator's";
        c.operate(control);
        EXPECT_EQ(bind->Modified, c.marksModified);
        bind->ReadValues(-1);
        EXPECT_EQ(var(c.var).Value, c.readBack);
    }

    // A kind the binding does not know gives nothing to a write (the value stays) and cannot
    // show one.
    SetUp();
    bind->Bind(Name, new QPushButton(&form));
    var(Name).Value = "core-1";
    bind->ReadValues(-1);
    EXPECT_EQ(var(Name).Value, "core-1");
    ExpectKtError(KtErr::BadControlType, [&] { bind->ShowValues(-1); });
}

TEST_F(BindControls, BindingAndDisplayErrorsCarryTheirCodes)
{
    const struct {
        const char* name;
        int code;
        std::function<void(BindControls&)> run;
    } cases[] = {
        {"combo without option list", KtErr::NoOptionList,
         [](BindControls& t) { t.bind->Bind(Name, t.make<QComboBox>(1)[0]); }},
        {"radio group without option list", KtErr::NoOptionList,
         [](BindControls& t) { t.bind->Bind(Ip, new KtRadioGroup(&t.form)); }},
        {"prefix list without second control", KtErr::NotEnoughControls,
         [](BindControls& t) { t.bind->Bind(Tree, t.make<QComboBox>(1)[0]); }},
        {"IPv4 on three edits", KtErr::NotEnoughControls,
         [](BindControls& t) {
             const auto e = t.make<QLineEdit>(3);
             t.bind->BindFormatted(Ip, "%i%i%i", {e[0], e[1], e[2]});
             t.var(Ip).Value = "10.0.0.1";
             t.bind->ShowValues(Ip);
         }},
        {"IPv4 read from three edits", KtErr::NotEnoughControls,
         [](BindControls& t) {
             const auto e = t.make<QLineEdit>(3);
             t.bind->BindFormatted(Ip, "%i%i%i", {e[0], e[1], e[2]});
             t.bind->ReadValues(Ip);
         }},
        {"fewer edits than format fields", KtErr::NotEnoughControls,
         [](BindControls& t) { t.bind->BindFormatted(Ip, "%i%i", {t.make<QLineEdit>(1)[0]}); }},
        {"unsupported control", KtErr::BadControlType,
         [](BindControls& t) {
             t.bind->Bind(Name, new QPushButton(&t.form));
             t.bind->ShowValues(-1);
         }},
        {"check box on an integer without list", KtErr::BadPartialSyntax,
         [](BindControls& t) {
             t.bind->BindField(Bytes4, 0, KtSyn::Integer, nullptr, t.make<QCheckBox>(1)[0]);
             t.var(Bytes4).Value = "01000000";
             t.bind->ShowValues(-1);
         }},
        {"variable outside the list", -12,
         [](BindControls& t) { t.bind->Bind(Count, t.make<QLineEdit>(1)[0]); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ExpectKtError(c.code, [&] { c.run(*this); });
    }
}

TEST_F(BindControls, UnbindRemovesTheEditConstraints)
{
    const std::vector<QLineEdit*> ip = make<QLineEdit>(4);
    QLineEdit* name = make<QLineEdit>(1)[0];
    bind->BindFormatted(Ip, "%i{n0x255}%i%i%i", std::vector<QWidget*>(ip.begin(), ip.end()));
    bind->BindFormatted(Name, "%s{l8}", {name});
    EXPECT_EQ(bind->Constraints().Count(), 5);
    bind->Unbind(Ip);
    EXPECT_EQ(bind->Constraints().Count(), 1);
    EXPECT_EQ(bind->Constraints().Find(ip[0]), nullptr);
    EXPECT_NE(bind->Constraints().Find(name), nullptr);
    ASSERT_EQ(bind->Bindings().size(), 1u);
    EXPECT_EQ(bind->Bindings()[0]->Index, int(Name));
}

// A table read into a list view by hand (rows as ShowRow adds them), then selected.
TEST(BindListView, SelectingARowEnablesAndFillsTheControls)
{
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.32473.77.8.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.8.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
        {"1.3.6.1.4.1.32473.77.8.1.3", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
        {},
    };
    QWidget form;
    auto* view = new QTreeWidget(&form);
    auto* name = new QLineEdit(&form);
    auto* state = new QComboBox(&form);
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(table, KtItem::MVT_FMV, 1));
    bind.BindListView(view, true);
    bind.Bind(1, name);
    bind.BindDropDown(2, state);
    ASSERT_EQ(view->columnCount(), 3);
    EXPECT_EQ(view->headerItem()->text(2), "State");

    std::vector<std::pair<QTreeWidgetItem*, bool>> seen;
    bind.SavedSelectItem = [&](QTreeWidgetItem* item, bool selected) { seen.emplace_back(item, selected); };
    bind.BeforeGet();
    const char* rows[][3] = {{"1", "alpha", "enabled"}, {"2", "beta", "disabled"}};
    for (const auto& r : rows) {
        for (int i = 0; i < 3; ++i)
            bind.VarList().Item(i).Value = r[i];
        bind.ShowRow();
    }
    bind.AfterGet();
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_FALSE(name->isEnabled());
    EXPECT_FALSE(state->isEnabled());

    view->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(name->isEnabled());
    EXPECT_TRUE(state->isEnabled());
    EXPECT_EQ(name->text(), "beta");
    EXPECT_EQ(state->currentText(), "disabled");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().first, view->topLevelItem(1));
    EXPECT_TRUE(seen.back().second);

    // A write starts from the selected row and takes the edited controls.
    name->setText("gamma");
    bind.PrepareSet();
    EXPECT_EQ(bind.VarList().Item(0).Value, "2");
    EXPECT_EQ(bind.VarList().Item(1).Value, "gamma");
    EXPECT_EQ(bind.VarList().Item(2).Value, "disabled");

    // A dialog that marks a variable invalid to leave it out of one write still gets each
    // cell into its own variable.
    bind.VarList().Item(1).Access |= KtAcc::Invalid;
    view->topLevelItem(1)->setSelected(false);
    view->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(bind.VarList().Item(0).Value, "1");
    EXPECT_EQ(bind.VarList().Item(2).Value, "enabled");
}

// Two rows whose DisplayString keys show alike (Latin-1 and UTF-8 e-acute): the selected row's
// write addresses that row's bytes; a key typed anew is written as its own text.
TEST(BindListView, AStringKeyKeepsTheBytesOfItsRow)
{
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.32473.77.8.1.1", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.8.1.2", "State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
        {},
    };
    QWidget form;
    auto* view = new QTreeWidget(&form);
    auto* key = new QLineEdit(&form);
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(table, KtItem::MVT_UMV, 1));
    bind.BindListView(view, false);
    bind.Bind(0, key);
    bind.BeforeGet();
    const char* keys[] = {"1.233", "2.195.169", "2.65.215"};
    for (const char* k : keys) {
        DecodeIndex(bind.VarList(), 0, k);
        bind.VarList().Item(1).Value = "enabled";
        bind.ShowRow();
    }
    bind.AfterGet();
    ASSERT_EQ(view->topLevelItemCount(), 3);
    EXPECT_EQ(view->topLevelItem(0)->text(0), view->topLevelItem(1)->text(0));
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(keys[r]);
        view->clearSelection();
        view->topLevelItem(r)->setSelected(true);
        bind.PrepareSet();
        EXPECT_EQ(EncodeInstance(bind.VarList()), keys[r]);
    }
    key->setText("A");
    bind.PrepareSet();
    EXPECT_EQ(EncodeInstance(bind.VarList()), "1.65");
}

// Rows selected to copy them leave the controls on the row the operator chose on its own.
TEST(BindListView, ExtendingTheSelectionKeepsTheBoundRow)
{
    using testutil::ClickRow;
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.32473.77.8.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.8.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
        {},
    };
    QWidget form;
    auto* view = new QTreeWidget(&form);
    auto* name = new QLineEdit(&form);
    name->move(0, 210);
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(table, KtItem::MVT_FMV, 1));
    bind.BindListView(view, true);
    bind.Bind(1, name);
    int calls = 0;
    bind.SavedSelectItem = [&](QTreeWidgetItem*, bool) { ++calls; };
    bind.BeforeGet();
    for (const char* row : {"1", "2", "3", "4"}) {
        bind.VarList().Item(0).Value = row;
        bind.VarList().Item(1).Value = QStringLiteral("name%1").arg(row);
        bind.ShowRow();
    }
    bind.AfterGet();
    view->setGeometry(0, 0, 300, 200);
    form.resize(300, 240);
    form.show();
    const auto row = [view](int r) { return view->topLevelItem(r); };

    ClickRow(view, row(1));
    ASSERT_EQ(KtBoundRow::Of(view), row(1));
    EXPECT_EQ(name->text(), "name2");
    name->setText("typed");  // the operator's edit must survive the extension
    const int callsBefore = calls;

    ClickRow(view, row(2), Qt::ControlModifier);
    ClickRow(view, row(3), Qt::ControlModifier);
    EXPECT_EQ(view->selectedItems().size(), 3);
    EXPECT_EQ(KtBoundRow::Of(view), row(1));
    EXPECT_EQ(name->text(), "typed");
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(calls, callsBefore) << "no re-read, no disabling while the selection grows";
    bind.PrepareSet();
    EXPECT_EQ(bind.VarList().Item(0).Value, "2");
    EXPECT_EQ(bind.VarList().Item(1).Value, "typed");

    // A Shift range from the bound row keeps it too; a plain click binds the clicked row.
    ClickRow(view, row(0), Qt::ShiftModifier);
    EXPECT_EQ(KtBoundRow::Of(view), row(1));
    ClickRow(view, row(3));
    EXPECT_EQ(view->selectedItems().size(), 1);
    EXPECT_EQ(KtBoundRow::Of(view), row(3));
    EXPECT_EQ(name->text(), "name4");

    // The bound row follows the item, not the position, when the rows are reordered.
    view->sortItems(0, Qt::DescendingOrder);
    ASSERT_EQ(row(0)->text(0), "4");
    ClickRow(view, row(2), Qt::ControlModifier);
    ClickRow(view, row(3), Qt::ControlModifier);
    bind.PrepareSet();
    EXPECT_EQ(bind.VarList().Item(0).Value, "4");

    // Taking the bound row out of the selection, removing it, or a refresh forget it; a row
    // left alone in the selection is bound.
    ClickRow(view, row(0), Qt::ControlModifier);
    EXPECT_EQ(view->selectedItems().size(), 2);
    EXPECT_EQ(KtBoundRow::Of(view), nullptr);
    EXPECT_EQ(calls, callsBefore + 2) << "row 4 bound, then nothing";
    ClickRow(view, row(3), Qt::ControlModifier);
    EXPECT_EQ(KtBoundRow::Of(view), row(2));
    ClickRow(view, row(1));
    ASSERT_EQ(KtBoundRow::Of(view), row(1));
    QTreeWidgetItem* bound = row(1);
    QTreeWidgetItem* heard = bound;
    QObject::connect(KtBoundRow::Find(view), &KtBoundRow::Changed, [&](QTreeWidgetItem* item) { heard = item; });
    delete view->takeTopLevelItem(1);
    EXPECT_EQ(KtBoundRow::Of(view), nullptr);
    EXPECT_EQ(heard, nullptr);
    ClickRow(view, row(0));
    ASSERT_NE(KtBoundRow::Of(view), nullptr);
    bind.BeforeGet();
    EXPECT_EQ(KtBoundRow::Of(view), nullptr);
}

// Display-only columns sit right after their variable's column (in the order given), never
// after a hidden column, take their cells from ExtraCells and are never read into a value.
TEST(BindListView, ExtraColumnsFollowTheirVariableAndStayOutOfTheValues)
{
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.32473.77.9.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.9.1.2", "In", KtSyn::Counter, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.9.1.3", "Secret", KtSyn::DisplayStr, KtAcc::WriteOnly},
        {"1.3.6.1.4.1.32473.77.9.1.4", "Out", KtSyn::Counter64, KtAcc::ReadOnly},
        {},
    };
    QWidget form;
    auto* view = new QTreeWidget(&form);
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(table, KtItem::MVT_UMV, 1));
    bind.BindListView(view, false);
    ASSERT_EQ(view->columnCount(), 4);
    bind.SetExtraColumns({{1, "In/s"}, {1, "In peak"}, {2, "Secret/s"}, {3, "Out/s"}});
    QStringList header;
    for (int c = 0; c < view->columnCount(); ++c)
        header << view->headerItem()->text(c);
    EXPECT_EQ(header, QStringList({"Secret", "Index", "In", "In/s", "In peak", "Out", "Out/s"}));
    EXPECT_EQ(bind.ExtraColumnPosition(0), 3);
    EXPECT_EQ(bind.ExtraColumnPosition(1), 4);
    EXPECT_EQ(bind.ExtraColumnPosition(2), -1);
    EXPECT_EQ(bind.ExtraColumnPosition(3), 6);
    EXPECT_EQ(bind.ColumnOf(2), 0);
    EXPECT_EQ(bind.ColumnOf(3), 5);

    bind.ExtraCells = [&bind] {
        const QString in = bind.VarList().Item(1).Value;
        return QStringList({in + "/s", in + "!", "unused", bind.VarList().Item(3).Value + "/s"});
    };
    bind.BeforeGet();
    const char* rows[][4] = {{"1", "10", "", "70"}, {"2", "20", "", "80"}};
    for (const auto& r : rows) {
        for (int i = 0; i < 4; ++i)
            bind.VarList().Item(i).Value = r[i];
        bind.ShowRow();
        // The walk after a write comes while the write's left-out variables are still marked
        // invalid: the columns stay where they were built.
        bind.VarList().Item(1).Access |= KtAcc::Invalid;
    }
    bind.VarList().Item(1).Access &= ~KtAcc::Invalid;
    bind.AfterGet();
    ASSERT_EQ(view->topLevelItemCount(), 2);
    QStringList cells;
    for (int c = 0; c < view->columnCount(); ++c)
        cells << view->topLevelItem(1)->text(c);
    EXPECT_EQ(cells, QStringList({"", "2", "20", "20/s", "20!", "80", "80/s"}));

    view->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(bind.VarList().Item(0).Value, "1");
    EXPECT_EQ(bind.VarList().Item(1).Value, "10");
    EXPECT_EQ(bind.VarList().Item(3).Value, "70");
}

// Colours as painted: within rounding of each other.
bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 && std::abs(a.blue() - b.blue()) <= 2;
}

// The selected row in the palette's highlight colours, its text readable, the grid lines kept.
TEST(BindListView, SelectedRowIsDrawnInTheHighlightColours)
{
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.32473.77.8.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.77.8.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
        {},
    };
    QWidget form;
    auto* view = new QTreeWidget(&form);
    KtSNMPRequest2Edits bind(&form);
    bind.VarList().Assign(KtSNMPVarList(table, KtItem::MVT_UMV, 1));
    bind.BindListView(view, false);
    bind.BeforeGet();
    for (const char* row : {"1", "2", "3"}) {
        bind.VarList().Item(0).Value = row;
        bind.VarList().Item(1).Value = "WWWWWWWW";
        bind.ShowRow();
    }
    bind.AfterGet();
    view->setGeometry(0, 0, 300, 200);
    form.resize(300, 200);
    form.show();
    view->topLevelItem(1)->setSelected(true);

    const QImage shot = view->viewport()->grab().toImage();
    const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor midlight = view->palette().color(QPalette::Active, QPalette::Midlight);
    const QRect selected = view->visualItemRect(view->topLevelItem(1));
    const QRect plain = view->visualItemRect(view->topLevelItem(0));
    ASSERT_FALSE(selected.isEmpty());
    // Sampled inside the selected row, off its borders: mostly highlight, with text on it.
    int highlighted = 0, other = 0;
    for (int y = selected.top() + 2; y < selected.bottom() - 1; ++y)
        for (int x = 2; x < view->columnWidth(0) + view->columnWidth(1) - 3; ++x)
            (Near(shot.pixel(x, y), highlight) ? highlighted : other) += 1;
    EXPECT_GT(highlighted, 2 * other) << "highlighted " << highlighted << ", other " << other;
    EXPECT_GT(other, 0) << "the selected row's text is visible";
    // An unselected row keeps its grid line under it.
    EXPECT_TRUE(Near(shot.pixel(plain.left() + 5, plain.bottom()), midlight));
    EXPECT_FALSE(Near(shot.pixel(plain.left() + 5, plain.center().y()), highlight));
}

TEST_F(BindControls, StatusLineGoesToTheChosenTarget)
{
    auto* memo = new QPlainTextEdit(&form);
    auto* bar = new QStatusBar(&form);
    auto* panel = new QLabel(&form);
    bar->addPermanentWidget(panel);
    bind->VarList().Name = "group";
    const QString ok = KtMessage(KtErr::Ok);
    EXPECT_FALSE(bind->HasStatusTarget());
    bind->ShowStatus(ok);  // nowhere to go: nothing happens

    bind->SetStatusTarget(memo);
    EXPECT_TRUE(memo->isReadOnly());
    bind->ShowStatus(ok);
    bind->ShowStatus("second");
    const QStringList lines = memo->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Get: " + ok + " Request:group. Receive at ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Get: second Request:group.")) << lines[1].toStdString();

    // An error line stands out from the lines around it.
    const auto colour = [&](int line) {
        return memo->document()->findBlockByNumber(line).begin().fragment().charFormat().foreground().color();
    };
    EXPECT_EQ(colour(1), KtStatusErrorColour());
    EXPECT_NE(colour(0), KtStatusErrorColour());
    bind->ShowStatus(ok);
    EXPECT_NE(colour(2), KtStatusErrorColour()) << "the error colour ends with its line";
    // A view reporting a write's failure itself names the operation.
    bind->ShowStatus(1, "refused");
    EXPECT_TRUE(memo->document()->lastBlock().text().startsWith("Set: refused Request:group."));
    bind->ShowStatus(0, ok);
    EXPECT_TRUE(memo->document()->lastBlock().text().startsWith("Get: " + ok));
    EXPECT_EQ(memo->blockCount(), 5);

    bind->SetStatusTarget(bar);
    bind->ShowStatus(ok);
    EXPECT_TRUE(bar->currentMessage().startsWith("Get: " + ok));
    EXPECT_EQ(memo->blockCount(), 5) << "a new target replaces the old one";

    bind->SetStatusTarget(panel);
    // No session: the write raises, but it has chosen the write format and cleared busy.
    EXPECT_THROW(bind->Set(false, false), KtException);
    EXPECT_FALSE(bind->Busy());
    bind->ShowStatus(ok);
    EXPECT_TRUE(panel->text().startsWith("Set: " + ok)) << panel->text().toStdString();
}

TEST(RadioGroup, FillsSelectsAndClearsItsButtons)
{
    KtRadioGroup group;
    std::vector<int> changes, clicks;
    QObject::connect(&group, &KtRadioGroup::currentIndexChanged, [&](int i) { changes.push_back(i); });
    QObject::connect(&group, &KtRadioGroup::clicked, [&](int i) { clicks.push_back(i); });
    group.setColumns(2);
    group.addItems({"a", "b", "c"});
    EXPECT_EQ(group.currentIndex(), -1);
    group.setCurrentIndex(2);
    EXPECT_TRUE(group.button(2)->isChecked());
    EXPECT_EQ(group.currentText(), "c");
    group.setCurrentIndex(-1);
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(group.button(k)->isChecked());
    group.button(1)->click();
    EXPECT_EQ(group.currentIndex(), 1);
    EXPECT_EQ(changes, (std::vector<int>{2, -1, 1}));
    EXPECT_EQ(clicks, std::vector<int>{1});
    group.clear();
    EXPECT_EQ(group.count(), 0);
    EXPECT_EQ(group.currentIndex(), -1);
    EXPECT_EQ(changes.back(), -1);
}

} // namespace
