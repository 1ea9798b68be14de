// The generic views without a device: rows and their kinds, the button column of an editor
// and of a table, host sizing, hidden rows, button pictures, row hints and the faults a
// command meets while building a view.
#include "tests/views/ViewTestSupport.h"
#include "views/CounterRates.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace viewtest;

namespace {

std::vector<QString> VisibleColumn(const TCtrlBtnPanel* buttons)
{
    std::vector<QString> names;
    for (QWidget* w : buttons->Column())
        if (!w->isHidden())
            names.push_back(w->objectName());
    return names;
}

std::vector<QString> Names(std::initializer_list<const char*> names)
{
    std::vector<QString> out;
    for (const char* n : names)
        out.push_back(QLatin1String(n));
    return out;
}

TEST(EditorViewTest, RowKindsFollowAccessAndOptionList)
{
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0));
    TEditsPanel* edits = panel->EditsPanel();
    ASSERT_EQ(edits->RowCount(), 6);
    const struct {
        int kind;
        bool combo;
        bool editable;
    } rows[] = {{1, false, false}, {2, false, true}, {3, true, true}, {4, false, false}, {2, false, true}, {2, false, true}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const TEditsPanel::Row& row = edits->RowAt(i);
        EXPECT_EQ(row.Kind, rows[i].kind);
        EXPECT_EQ(qobject_cast<QComboBox*>(row.Value) != nullptr, rows[i].combo);
        EXPECT_EQ(row.Label->text(), QLatin1String(kGroup[i].label));
        // Read-only rows have no tick box; editable rows start unticked.
        EXPECT_EQ(!row.Tick->isHidden(), rows[i].editable);
        EXPECT_EQ(row.Tick->isEnabled(), rows[i].editable);
        EXPECT_FALSE(row.Tick->isChecked());
        if (auto* edit = qobject_cast<QLineEdit*>(row.Value)) {
            EXPECT_EQ(edit->isReadOnly(), !rows[i].editable);
        }
    }
    EXPECT_EQ(ComboItems(ComboOf(edits, 2)), QStringList({"enabled", "disabled"}));
    EXPECT_TRUE(panel->Memo()->isReadOnly());
    EXPECT_EQ(form.FormKind(), TConfigForm::KindEditor);
}

TEST(EditorViewTest, RowsAreLaidOutUnderEachOther)
{
    TConfigForm form;
    TEditsPanel* edits = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0))->EditsPanel();
    int widest = 0;
    for (int i = 0; i < edits->RowCount(); ++i)
        widest = std::max(widest, edits->RowAt(i).Label->width());
    int top = 20;
    for (int i = 0; i < edits->RowCount(); ++i) {
        SCOPED_TRACE(i);
        const TEditsPanel::Row& row = edits->RowAt(i);
        EXPECT_EQ(row.Value->y(), top);
        EXPECT_EQ(row.Tick->x(), 20);
        EXPECT_EQ(row.Label->x(), 45);
        EXPECT_EQ(row.Value->x(), 45 + widest + 5);
        EXPECT_EQ(row.Value->width(), TEditsPanel::kDefaultValueWidth);
        EXPECT_GE(row.Value->height(), 20);
        top += row.Value->height() + 5;
    }
    // A hidden row takes no room: the next row moves up into its place.
    const int hiddenTop = edits->RowAt(1).Value->y();
    edits->HideRow(1);
    edits->Layout(true);
    EXPECT_EQ(edits->RowAt(2).Value->y(), hiddenTop);
    for (QWidget* w : {static_cast<QWidget*>(edits->RowAt(1).Tick), static_cast<QWidget*>(edits->RowAt(1).Label),
                       edits->RowAt(1).Value})
        EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(edits->Request()->VarList().Item(1).Access & KtAcc::Hidden);
}

TEST(EditorViewTest, ButtonColumnsOfTheThreeKindsOfGroup)
{
    const struct {
        const char* name;
        const KtSNMPVarDef* defs;
        std::vector<QString> visible;
        QString setCaption;
        bool setEnabled;
    } cases[] = {
        {"editable", kGroup, Names({"Refresh", "Set Checked", "Check All", "Clear Checks", "Close"}), "Set Checked", false},
        {"read-only", kReadOnlyGroup, Names({"Refresh", "Close"}), "Set Checked", false},
        {"single", kSingleGroup, Names({"Refresh", "Set Checked", "Close"}), "Set", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, c.defs, KtItem::SVT_SV, 0));
        TCtrlBtnPanel* buttons = panel->Buttons();
        EXPECT_EQ(VisibleColumn(buttons), c.visible);
        EXPECT_EQ(buttons->btnSetChecked->text(), c.setCaption);
        EXPECT_EQ(buttons->btnSetChecked->isEnabled(), c.setEnabled);
        // Visible controls stack 5 pixels apart from a top margin of 10; hidden ones take no room.
        int top = 10;
        for (QWidget* w : buttons->Column()) {
            EXPECT_EQ(w->x(), 10);
            EXPECT_EQ(w->width(), 96);
            if (w->isHidden())
                continue;
            EXPECT_EQ(w->y(), top) << w->objectName().toStdString();
            top += w->height() + 5;
        }
        EXPECT_EQ(buttons->width(), 116);
        TEditsPanel* edits = panel->EditsPanel();
        for (int i = 0; i < edits->RowCount(); ++i) {
            if (c.defs == kReadOnlyGroup) {
                EXPECT_TRUE(edits->RowAt(i).Tick->isHidden());
            }
        }
        if (c.defs == kSingleGroup) {
            EXPECT_TRUE(edits->RowAt(0).Tick->isChecked());
            EXPECT_TRUE(edits->RowAt(0).Tick->isHidden());
        }
    }
}

TEST(EditorViewTest, TicksDriveSetChecked)
{
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0));
    TEditsPanel* edits = panel->EditsPanel();
    QPushButton* set = panel->Buttons()->btnSetChecked;
    edits->RowAt(4).Tick->click();
    EXPECT_TRUE(set->isEnabled());
    edits->RowAt(4).Tick->click();
    EXPECT_FALSE(set->isEnabled());
    panel->Buttons()->btnCheckAll->click();
    EXPECT_TRUE(set->isEnabled());
    EXPECT_EQ(edits->TickedCount(), 4);
    EXPECT_FALSE(edits->RowAt(0).Tick->isChecked());  // read-only rows stay unticked
    panel->Buttons()->btnClearChecks->click();
    EXPECT_FALSE(set->isEnabled());
    EXPECT_EQ(edits->TickedCount(), 0);
}

// A value the codec refuses while the ticked rows are read back: nothing is sent, and the
// memo reports the failed write in the write format.
TEST(EditorViewTest, AWriteRefusedBeforeSendingIsReportedAsAWrite)
{
    static const KtSNMPVarDef kTrap[] = {
        {"1.3.6.1.4.1.32473.78.1.6", "Trap OID", KtSyn::ObjectId, KtAcc::ReadWrite},
        {"1.3.6.1.4.1.32473.78.1.7", "Trap Name", KtSyn::DisplayStr, KtAcc::ReadWrite},
        {},
    };
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kTrap, KtItem::SVT_SV, 0, "traps"));
    EditOf(panel->EditsPanel(), 0)->setText("not an OID");
    panel->EditsPanel()->RowAt(0).Tick->click();
    panel->Buttons()->btnSetChecked->click();
    const QString last = panel->Memo()->document()->lastBlock().text();
    EXPECT_TRUE(last.startsWith("Set: (ZiDUVA++) Invalid value \"not an OID\" for Trap OID! Request:traps."))
        << last.toStdString();
    EXPECT_EQ(panel->Request()->Mode, 1);
}

TEST(EditorViewTest, HostIsSizedToThePanelWithinLimits)
{
    // Forty rows are far taller than 550 pixels.
    std::vector<KtSNMPVarDef> many;
    static std::vector<QByteArray> oids;
    oids.clear();
    for (int i = 0; i < 40; ++i)
        oids.push_back("1.3.6.1.4.1.32473.78.9." + QByteArray::number(i + 1));
    for (int i = 0; i < 40; ++i)
        many.push_back({oids[std::size_t(i)].constData(), "Row", KtSyn::Integer, KtAcc::ReadWrite});
    many.push_back({});
    {
        TConfigForm form;
        TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, many.data(), KtItem::SVT_SV, 0));
        EXPECT_GT(panel->FrameSize().height(), 550);
        EXPECT_EQ(form.height(), 550);
        EXPECT_LE(form.width(), 800);
        EXPECT_EQ(form.width(), std::max(159, panel->FrameSize().width()));
    }
    {
        TConfigForm form;
        TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kSingleGroup, KtItem::SVT_SV, 0));
        EXPECT_EQ(form.height(), std::max(105, panel->FrameSize().height()));
        // A wider edit widens the frame and the form.
        const int before = form.width();
        panel->SetEditWidth(400);
        EXPECT_EQ(panel->EditsPanel()->RowAt(0).Value->width(), 400);
        EXPECT_GT(form.width(), before);
    }
}

// A composite row: a panel in the edit's place whose marker text the set's emptiness test
// reads; a hosting dialog's handlers replace Refresh and Set Checked.
TEST(EditorViewTest, CompositeRowTakesTheEditsPlaceAndFeedsTheEmptinessTest)
{
    testutil::MessageRecorder boxes;
    QDialog host;
    auto request = MakeRequest(&host, kGroup, KtItem::SVT_SV, 0);
    TSNMPEditorPanel* panel = HostEditorPanel(&host, request.get());
    TEditsPanel* edits = panel->EditsPanel();
    constexpr int kRow = 4;  // "Hold Time", a writable edit
    const QRect place = edits->RowAt(kRow).Value->geometry();
    EXPECT_THROW(edits->MakeCompositeRow(2), TViewError);  // a drop-down list row

    TCompositePanel* composite = edits->MakeCompositeRow(kRow);
    EXPECT_EQ(edits->RowAt(kRow).Kind, 5);
    EXPECT_EQ(composite->geometry(), place);
    EXPECT_EQ(composite->frameStyle(), int(QFrame::NoFrame));
    EXPECT_EQ(edits->findChildren<QLineEdit*>(QStringLiteral("ED_4")).size(), 0);  // the edit is gone
    EXPECT_EQ(request->Bindings().size(), std::size_t(edits->RowCount() - 1));   // and unbound
    auto* hour = new QLineEdit;
    auto* month = new QComboBox;
    month->addItems({"Jan", "Feb"});
    month->setCurrentIndex(-1);
    edits->AddCompositeControl(kRow, hour);
    edits->AddCompositeControl(kRow, month);
    EXPECT_EQ(edits->RowAt(kRow).Controls, (std::vector<QWidget*>{composite, hour, month}));
    EXPECT_EQ(hour->parentWidget(), composite);
    EXPECT_EQ(month->height(), composite->height());

    // The marker: empty while any control is empty.
    hour->setText("2");
    edits->UpdateCompositeMarkers();
    EXPECT_EQ(composite->property("text").toString(), QString());
    EXPECT_TRUE(panel->RowEmpty(kRow));
    month->setCurrentIndex(1);
    edits->UpdateCompositeMarkers();
    EXPECT_EQ(composite->property("text").toString(), "-");
    EXPECT_FALSE(panel->RowEmpty(kRow));

    // A ticked composite row whose marker is empty stops the editor's own set.
    month->setCurrentIndex(-1);
    edits->UpdateCompositeMarkers();
    edits->RowAt(kRow).Tick->setChecked(true);
    EXPECT_FALSE(panel->SetChecked(panel->Buttons()->btnSetChecked));
    EXPECT_EQ(boxes.texts, QStringList{"Some items are empty!"});

    // Clearing the values empties the composite's controls.
    month->setCurrentIndex(0);
    edits->ClearValues();
    EXPECT_TRUE(hour->text().isEmpty());
    EXPECT_EQ(month->currentIndex(), -1);

    // The host's handlers run in place of the editor's; what they raise reaches the memo.
    int refreshed = 0;
    QPushButton* setPressed = nullptr;
    panel->SetRefreshHandler([&] { ++refreshed; });
    panel->SetSetHandler([&](QPushButton* pressed) {
        setPressed = pressed;
        throw KtException(-530, QStringLiteral("refused by the host"));
    });
    boxes.Clear();
    panel->Buttons()->btnRefresh->click();
    panel->Buttons()->btnSetChecked->setEnabled(true);
    panel->Buttons()->btnSetChecked->click();
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(setPressed, panel->Buttons()->btnSetChecked);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_TRUE(panel->Memo()->toPlainText().contains("refused by the host")) << panel->Memo()->toPlainText().toStdString();
    // The editor fills its dialog and "Close" closes it.
    EXPECT_EQ(panel->HostForm(), &host);
    host.show();
    panel->Buttons()->btnClose->click();
    EXPECT_FALSE(host.isVisible());
}

TEST(ViewBuildTest, FaultsReachTheCommand)
{
    struct Case {
        const char* name;
        std::function<void(TConfigForm&)> build;
        QString message;
    };
    const auto table = [](TConfigForm& f, const QString& add, const QString& del) {
        f.AddTablePanel(MakeRequest(&f, kHosts, KtItem::MVT_UMV, 1), kHostsStatusRow, add, kHostsStatusRow, del);
    };
    const Case cases[] = {
        {"second panel",
         [](TConfigForm& f) {
             f.AddEditorPanel(MakeRequest(&f, kGroup, KtItem::SVT_SV, 0));
             f.AddTablePanel(MakeRequest(&f, kHosts, KtItem::MVT_UMV, 1), -1, QString(), -1, QString());
         },
         "Can not change Type of a Config Form!"},
        {"add text", [&](TConfigForm& f) { table(f, "create", "destroy"); },
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create"},
        {"delete text", [&](TConfigForm& f) { table(f, "createAndGo", "remove"); },
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:remove"},
        {"format on a list",
         [](TConfigForm& f) { f.AddEditorPanel(MakeRequest(&f, kGroup, KtItem::SVT_SV, 0))->SetVarFormat(2, "%i"); },
         "Can not set Var format to a ComboBox!"},
        {"format on an option text",
         [](TConfigForm& f) { f.AddEditorPanel(MakeRequest(&f, kGroup, KtItem::SVT_SV, 0))->SetVarFormat(3, "%i"); },
         "Unknow UI Control type!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        try {
            c.build(form);
            ADD_FAILURE() << "no error";
        } catch (const KtException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    TEditsPanel orphan(nullptr, nullptr);
    TCtrlBtnPanel buttons(nullptr);
    try {
        orphan.ArrangeCtrlBtn(&buttons);
        ADD_FAILURE() << "no error";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Message(), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
}

TEST(ViewBuildTest, FormatOfAnEditRowCanBeReplaced)
{
    TConfigForm form;
    TSNMPEditorPanel* panel = form.AddEditorPanel(MakeRequest(&form, kGroup, KtItem::SVT_SV, 0));
    panel->SetVarFormat(4, "%i{n0x255l3}");
    EXPECT_EQ(panel->EditsPanel()->RowAt(4).Format, "%i{n0x255l3}");
    int bindings = 0;
    for (const auto& b : panel->Request()->Bindings())
        bindings += b->Index == 4;
    EXPECT_EQ(bindings, 1);
}

TEST(TableViewTest, ButtonsFollowStatusesAndSettableColumns)
{
    // Only keys and read-only columns: no "Edit".
    static const KtSNMPVarDef kReadOnlyTable[] = {
        {"1.3.6.1.4.1.32473.78.4.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.78.4.1.2", "Host Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
        {},
    };
    const struct {
        const char* name;
        const KtSNMPVarDef* defs;
        QString add, del;
        std::vector<QString> visible;
    } cases[] = {
        {"no statuses", kHosts, QString(), QString(), Names({"Counter", "Samples", "Refresh", "Edit", "Close"})},
        {"add and delete", kHosts, "createAndGo", "destroy",
         Names({"Counter", "Samples", "Refresh", "Edit", "Add", "Delete", "Close"})},
        {"read-only", kReadOnlyTable, QString(), QString(), Names({"Counter", "Samples", "Refresh", "Close"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, c.defs, KtItem::MVT_UMV, 1),
                                                       kHostsStatusRow, c.add, kHostsStatusRow, c.del);
        EXPECT_EQ(VisibleColumn(panel->Buttons()), c.visible);
        EXPECT_FALSE(panel->Buttons()->btnEdit->isEnabled());
        EXPECT_FALSE(panel->Buttons()->btnDelete->isEnabled());
        EXPECT_EQ(panel->Buttons()->Counter->text(), "0");
        EXPECT_EQ(panel->ContentControl(), panel->ListViewPanel());
        EXPECT_TRUE(panel->EditsPanel()->isHidden());
        EXPECT_EQ(form.FormKind(), TConfigForm::KindTable);
    }
}

TEST(TableViewTest, ListPanelWidthAndRowHints)
{
    TConfigForm form;
    TSNMPListViewPanel* panel =
        form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1), -1, QString(), -1, QString());
    QTreeWidget* view = panel->ListView();
    ASSERT_EQ(view->columnCount(), 4);
    // "Index", "Host Name", "Mode", "Status": 5 + 9 + 4 + 6 characters.
    auto* item = new QTreeWidgetItem(view, QStringList{"1", "alpha", "enabled", "active"});
    EXPECT_EQ(panel->HintFor(item), QString("Index\t\t\t\t  1\nHost Name  alpha\nMode\t\t\t\t\t  enabled\n"
                                            "Status\t\t\t  active\n"));
    EXPECT_EQ(panel->Buttons()->Counter->text(), "1");

    // Captions of equal length: no tabs at all.
    static const KtSNMPVarDef kEven[] = {
        {"1.3.6.1.4.1.32473.78.4.1.1", "Key", KtSyn::Integer, KtAcc::ReadOnly},
        {"1.3.6.1.4.1.32473.78.4.1.2", "Tag", KtSyn::DisplayStr, KtAcc::ReadOnly},
        {},
    };
    TConfigForm even;
    TSNMPListViewPanel* evenPanel =
        even.AddTablePanel(MakeRequest(&even, kEven, KtItem::MVT_UMV, 1), -1, QString(), -1, QString());
    auto* row = new QTreeWidgetItem(evenPanel->ListView(), QStringList{"4", "x"});
    EXPECT_EQ(evenPanel->HintFor(row), "Key  4\nTag  x\n");
}

TEST(TableViewTest, ListPanelIsSizedByItsCaptions)
{
    TConfigForm form;
    TSNMPListViewPanel* panel =
        form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1), -1, QString(), -1, QString());
    TListViewPanel* list = panel->ListViewPanel();
    // Measured before the host's layout took over: the frame holds it.
    const int expected = 8 * (5 + 9 + 4 + 6) + 2 * list->ListView->frameWidth();
    EXPECT_EQ(panel->FrameSize().width(),
              expected + panel->Buttons()->width() + TSNMPPanel::kVSplitterWidth + 3);
    EXPECT_EQ(panel->FrameSize().height(), 350 + panel->MsgPanel()->height() + TSNMPPanel::kHSplitterHeight);
}

// No push button of a view or of its add and edit forms is a default button: Enter in a
// field would press it.
TEST(TableViewTest, NoButtonIsPressedByEnter)
{
    BoxRecorder boxes;
    const auto expectNoDefault = [](const QWidget* window, const char* what) {
        SCOPED_TRACE(what);
        const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        EXPECT_FALSE(buttons.isEmpty());
        for (const QPushButton* b : buttons) {
            EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
            EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
        }
    };
    TConfigForm editor;
    editor.AddEditorPanel(MakeRequest(&editor, kGroup, KtItem::SVT_SV, 0));
    editor.show();
    expectNoDefault(&editor, "editor");

    TConfigForm form;
    TSNMPListViewPanel* panel = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1), kHostsStatusRow,
                                                   "createAndGo", kHostsStatusRow, "destroy");
    form.show();
    expectNoDefault(&form, "table");
    int forms = 0;
    for (const char* what : {"add form", "edit form"}) {
        QTimer::singleShot(0, panel, [&, what] {
            if (QDialog* open = panel->OpenForm()) {
                ++forms;
                expectNoDefault(open, what);
                open->close();
            }
        });
        if (what[0] == 'a') {
            panel->Buttons()->btnAdd->click();
        } else {
            panel->ListView()->setCurrentItem(new QTreeWidgetItem(panel->ListView(), QStringList{"1", "a", "enabled", "active"}));
            panel->Buttons()->btnEdit->click();
        }
    }
    EXPECT_EQ(forms, 2);
}

TEST(ButtonPictureTest, PicturesFromTheWorkingFolderReplaceCaptions)
{
    QTemporaryDir work;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    {
        TCtrlBtnPanel plain(nullptr);
        for (QPushButton* b : {plain.btnRefresh, plain.btnClose})
            EXPECT_EQ(b->text(), b->objectName());
    }
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(work.filePath("Get.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(work.filePath("Close.bmp"), "BMP"));
    QFile broken(work.filePath("Add.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    TCtrlBtnPanel buttons(nullptr);
    QDir::setCurrent(old);
    EXPECT_TRUE(buttons.btnRefresh->text().isEmpty());
    EXPECT_FALSE(buttons.btnRefresh->icon().isNull());
    EXPECT_TRUE(buttons.btnClose->text().isEmpty());
    // A file that does not load leaves its button, and the others, with their captions.
    EXPECT_EQ(buttons.btnAdd->text(), "Add");
    for (QPushButton* b : {buttons.btnEdit, buttons.btnSetChecked, buttons.btnDelete, buttons.btnCheckAll,
                           buttons.btnClearChecks})
        EXPECT_EQ(b->text(), b->objectName());
}

// A counter view: the interval list sits under "Refresh" and drives the timer; other views
// have neither; the timer stops with the view.
TEST(CounterViewTest, IntervalListOnlyInCounterViewsAndDrivesTheTimer)
{
    TConfigForm plain;
    TSNMPEditorPanel* editor = plain.AddEditorPanel(MakeRequest(&plain, kGroup, KtItem::SVT_SV, 0));
    EXPECT_FALSE(TCounterRates::Of(editor));
    EXPECT_TRUE(editor->Buttons()->RefreshInterval->isHidden());
    EXPECT_TRUE(editor->Buttons()->RefreshLabel->isHidden());

    TConfigForm form;
    TSNMPListViewPanel* table = form.AddTablePanel(MakeRequest(&form, kHosts, KtItem::MVT_UMV, 1), kHostsStatusRow,
                                                   "createAndGo", kHostsStatusRow, "destroy");
    TCounterRates* rates = TCounterRates::Attach(table);
    EXPECT_EQ(TCounterRates::Attach(table), rates);
    TCtrlBtnPanel* buttons = table->Buttons();
    QComboBox* box = rates->IntervalBox();
    ASSERT_EQ(box, buttons->RefreshInterval);
    EXPECT_EQ(box->objectName(), "CB_RefreshInterval");
    EXPECT_EQ(VisibleColumn(buttons), Names({"Counter", "Samples", "Refresh", "LB_RefreshInterval",
                                             "CB_RefreshInterval", "Edit", "Add", "Delete", "Close"}));
    EXPECT_EQ(ComboItems(box), QStringList({"Off", "1 s", "2 s", "5 s", "10 s", "30 s", "60 s"}));
    EXPECT_EQ(box->currentText(), "Off");
    EXPECT_FALSE(rates->Timer()->isActive());
    // No counter in this table: its columns stay as they were.
    EXPECT_EQ(table->ListView()->columnCount(), 4);

    box->setCurrentText("5 s");
    EXPECT_TRUE(rates->Timer()->isActive());
    EXPECT_EQ(rates->Timer()->interval(), 5000);
    box->setCurrentText("Off");
    EXPECT_FALSE(rates->Timer()->isActive());

    // Typing into a value holds the ticks back (a read would overwrite it).
    TConfigForm groupForm;
    TSNMPEditorPanel* group = groupForm.AddEditorPanel(MakeRequest(&groupForm, kGroup, KtItem::SVT_SV, 0));
    TCounterRates* groupRates = TCounterRates::Attach(group);
    EditOf(group->EditsPanel(), 1)->setText("typed");
    EditOf(group->EditsPanel(), 1)->setModified(true);
    EXPECT_FALSE(groupRates->Tick());

    box->setCurrentText("1 s");
    ASSERT_TRUE(rates->Timer()->isActive());
    form.done(0);
    EXPECT_FALSE(rates->Timer()->isActive());
    EXPECT_FALSE(rates->Tick());
}

} // namespace
