// The tools every list view gets: Ctrl+C and the context menu's copies and CSV export (hidden
// columns and filtered rows left out), header sorting in the natural order, and the filter
// box; sorting and filtering keep the selected and current item and say nothing of it.
#include "views/ListViewTools.h"
#include "tests/support/MessageRecorder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

// A hidden key column (as the binding keeps its index columns) and two shown ones.
class ListToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        list = new QTreeWidget(window.get());
        layout->addWidget(list);
        list->setColumnCount(3);
        list->setHeaderLabels({"Key", "Address", "Name"});
        // Qt keeps a section at least its minimum wide: zero lets width 0 hide it.
        list->header()->setMinimumSectionSize(0);
        list->setColumnWidth(0, 0);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        tools = TListViewTools::Attach(list);
        window->resize(400, 600);
        window->show();
        CountSignals();
    }

    QTreeWidgetItem* Add(const QString& key, const QString& address, const QString& name)
    {
        auto* item = new QTreeWidgetItem(QStringList{key, address, name});
        list->addTopLevelItem(item);
        return item;
    }

    QStringList Column(int c) const
    {
        QStringList cells;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            if (!list->topLevelItem(r)->isHidden())
                cells << list->topLevelItem(r)->text(c);
        return cells;
    }

    void ClickHeader(int section)
    {
        QHeaderView* header = list->header();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    QAction* ActionNamed(const QString& text) const
    {
        for (QAction* action : list->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    void CountSignals()
    {
        QObject::connect(list, &QTreeWidget::itemSelectionChanged, [this] { ++selectionSignals; });
        QObject::connect(list, &QTreeWidget::currentItemChanged, [this] { ++currentSignals; });
    }

    std::unique_ptr<QWidget> window;
    QTreeWidget* list = nullptr;
    TListViewTools* tools = nullptr;
    int selectionSignals = 0;
    int currentSignals = 0;
};

TEST_F(ListToolsTest, CopiesAndExportsTheShownColumnsWithTheirCaptions)
{
    Add("k1", "10.0.0.1", "plain");
    QTreeWidgetItem* comma = Add("k2", "10.0.0.2", "a, b");
    QTreeWidgetItem* quoted = Add("k3", "10.0.0.3", "say \"hi\"\nagain");
    Add("k4", "", "Zürich");
    EXPECT_EQ(TListViewTools::Attach(list), tools) << "attached once";
    EXPECT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    for (const char* text : {"Copy", "Copy All", "Export CSV..."})
        EXPECT_NE(ActionNamed(text), nullptr) << text;

    comma->setSelected(true);
    quoted->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "Address\tName\n10.0.0.2\ta, b\n10.0.0.3\t\"say \"\"hi\"\"\nagain\"\n");

    ActionNamed("Copy All")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "Address\tName\n10.0.0.1\tplain\n10.0.0.2\ta, b\n10.0.0.3\t\"say \"\"hi\"\"\nagain\"\n\tZürich\n");

    QTemporaryDir dir;
    const QString path = dir.filePath("hosts.csv");
    ASSERT_TRUE(tools->SaveCsv(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              QStringLiteral("Address,Name\r\n10.0.0.1,plain\r\n10.0.0.2,\"a, b\"\r\n"
                             "10.0.0.3,\"say \"\"hi\"\"\nagain\"\r\n,Zürich\r\n").toUtf8().toStdString());

    // Copy All and CSV take the rows shown.
    tools->SetFilterText("10.0.0.2");
    ActionNamed("Copy All")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Address\tName\n10.0.0.2\ta, b\n");
    EXPECT_EQ(tools->CsvText().toStdString(), "Address,Name\r\n10.0.0.2,\"a, b\"\r\n");
    // A hidden section is left out as a zero-width one is.
    list->setColumnHidden(2, true);
    EXPECT_EQ(tools->AllText().toStdString(), "Address\n10.0.0.2\n");
}

// An export that cannot be written in full (the disk full, here a file-size limit that fails
// the write with EFBIG) leaves the file that was there as it was, and no file where there was
// none; the operator is told.
TEST_F(ListToolsTest, AFailedExportLeavesTheFileThatWasThere)
{
    Add("1", "10.0.0.1", "a name long enough to pass the limit");
    const struct {
        const char* name;
        const char* before;  // null: no file
    } cases[] = {{"kept.csv", "old,content\r\n"}, {"new.csv", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(c.name);
        if (c.before) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write(c.before);
        }
        testutil::MessageRecorder boxes;
        bool saved = true;
        {
            struct rlimit was {};
            ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = was;
            small.rlim_cur = 8;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
            saved = tools->SaveCsv(path);
            ::setrlimit(RLIMIT_FSIZE, &was);
            std::signal(SIGXFSZ, oldHandler);
        }
        EXPECT_FALSE(saved);
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_TRUE(boxes.texts[0].startsWith("Cannot write " + path + ": ")) << boxes.texts[0].toStdString();
        QFile after(path);
        if (c.before) {
            ASSERT_TRUE(after.open(QIODevice::ReadOnly));
            EXPECT_EQ(after.readAll(), QByteArray(c.before));
        } else {
            EXPECT_FALSE(after.exists());
        }
        // Nothing half-written is left beside it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.before ? 1 : 0);
    }
}

TEST_F(ListToolsTest, HeaderClicksSortAscendingThenDescendingWithBlanksLast)
{
    for (const char* address : {"10.0.0.10", "", "10.0.0.9", "9.1.1.1", "192.168.0.1"})
        Add("k", address, "n");
    ClickHeader(1);
    EXPECT_EQ(Column(1), QStringList({"9.1.1.1", "10.0.0.9", "10.0.0.10", "192.168.0.1", ""}));
    EXPECT_TRUE(list->header()->isSortIndicatorShown());
    EXPECT_EQ(list->header()->sortIndicatorSection(), 1);
    EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    ClickHeader(1);
    EXPECT_EQ(Column(1), QStringList({"192.168.0.1", "10.0.0.10", "10.0.0.9", "9.1.1.1", ""}));
    EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_FALSE(tools->Ascending());
    // Another column starts ascending again.
    list->topLevelItem(0)->setText(2, "b");
    list->topLevelItem(1)->setText(2, "A");
    ClickHeader(2);
    EXPECT_EQ(tools->SortColumn(), 2);
    EXPECT_TRUE(tools->Ascending());
    EXPECT_EQ(Column(2).first(), "A");
}

TEST_F(ListToolsTest, SortingAndFilteringKeepTheChosenItemsAndSayNothing)
{
    for (int i = 1; i <= 6; ++i)
        Add(QString::number(i), QStringLiteral("10.0.0.%1").arg(i), QStringLiteral("host%1").arg(7 - i));
    QTreeWidgetItem* chosen = list->topLevelItem(1);   // host5
    QTreeWidgetItem* other = list->topLevelItem(4);    // host2
    list->setCurrentItem(chosen);
    other->setSelected(true);
    selectionSignals = 0;
    currentSignals = 0;

    tools->SortBy(2, true);
    EXPECT_EQ(Column(2), QStringList({"host1", "host2", "host3", "host4", "host5", "host6"}));
    EXPECT_EQ(list->currentItem(), chosen);
    EXPECT_EQ(list->selectedItems().size(), 2);
    EXPECT_TRUE(chosen->isSelected());
    EXPECT_TRUE(other->isSelected());
    EXPECT_EQ(list->indexOfTopLevelItem(chosen), 4);

    tools->SetFilterText("HOST5");
    EXPECT_EQ(Column(2), QStringList{"host5"});
    EXPECT_EQ(list->currentItem(), chosen);
    EXPECT_TRUE(chosen->isSelected());
    // Rows read later are filtered and sorted too, the chosen item still where it was put.
    Add("7", "10.0.0.7", "host0");
    Add("8", "10.0.0.8", "host55");
    QApplication::processEvents();
    EXPECT_EQ(Column(2), QStringList({"host5", "host55"}));
    tools->SetFilterText("");
    EXPECT_EQ(Column(2), QStringList({"host0", "host1", "host2", "host3", "host4", "host5", "host6", "host55"}));
    EXPECT_EQ(list->currentItem(), chosen);
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem*>({other, chosen})) << "also the one the filter hid";
    EXPECT_EQ(selectionSignals, 0);
    EXPECT_EQ(currentSignals, 0);
}

TEST_F(ListToolsTest, AListWhoseRowPositionMattersIsNeverSorted)
{
    list->setProperty(TListViewTools::kNoSortProperty, true);
    for (const char* name : {"c", "a", "b"})
        Add("k", "", name);
    ClickHeader(2);
    tools->SortBy(2, true);
    EXPECT_EQ(Column(2), QStringList({"c", "a", "b"}));
    EXPECT_FALSE(list->header()->isSortIndicatorShown());
}

TEST_F(ListToolsTest, ARefilledListKeepsItsSort)
{
    for (const char* name : {"b", "c", "a"})
        Add("k", "", name);
    tools->SortBy(2, false);
    EXPECT_EQ(Column(2), QStringList({"c", "b", "a"}));
    // A refresh: cleared, then filled in batches.
    list->clear();
    list->addTopLevelItems({new QTreeWidgetItem(QStringList{"k", "", "x"}), new QTreeWidgetItem(QStringList{"k", "", "d"})});
    QApplication::processEvents();
    list->addTopLevelItems({new QTreeWidgetItem(QStringList{"k", "", "z"}), new QTreeWidgetItem(QStringList{"k", "", "m"})});
    QApplication::processEvents();
    EXPECT_EQ(Column(2), QStringList({"z", "x", "m", "d"}));
}

TEST_F(ListToolsTest, TheFilterBoxAppearsAboveAListOfMoreThanTwentyRows)
{
    for (int i = 0; i < TListViewTools::kFilterRows; ++i)
        Add("k", "", QStringLiteral("row%1").arg(i));
    QApplication::processEvents();
    EXPECT_EQ(tools->FilterBox(), nullptr);
    Add("k", "", "row20");
    QApplication::processEvents();
    QLineEdit* box = tools->FilterBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(box->placeholderText(), "Filter rows");
    EXPECT_TRUE(box->isClearButtonEnabled());
    EXPECT_EQ(box->parentWidget(), list->parentWidget());
    EXPECT_LT(box->geometry().bottom(), list->geometry().top());
    EXPECT_EQ(list->window(), window.get());
    box->setText("ROW2");
    EXPECT_EQ(Column(2), QStringList({"row2", "row20"}));
    // It stays, also when the list is emptied.
    list->clear();
    QApplication::processEvents();
    EXPECT_TRUE(box->isVisible());
}

// While the filter hides rows, "shown of total" stands beside the box, rows read later
// counted too; with nothing hidden it goes.
TEST_F(ListToolsTest, TheFilterCountsTheRowsItShows)
{
    for (int i = 1; i <= 12; ++i)
        Add("k", "", QStringLiteral("row%1").arg(i));
    tools->SetFilterText("row1");
    QLabel* count = tools->FilterCount();
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(Column(2), QStringList({"row1", "row10", "row11", "row12"}));
    EXPECT_EQ(count->text(), "4 of 12");
    EXPECT_TRUE(count->isVisible());
    tools->SetFilterText("ROW1");
    EXPECT_EQ(count->text(), "4 of 12") << "without regard to case";
    Add("k", "", "row-extra");
    delete list->topLevelItem(0);  // row1
    EXPECT_EQ(count->text(), "3 of 12");
    tools->SetFilterText("row");
    EXPECT_FALSE(count->isVisible());
    tools->SetFilterText("zzz");
    EXPECT_EQ(count->text(), "0 of 12");
    list->clear();
    EXPECT_FALSE(count->isVisible());
}

// Rows read later are merged into the sorted order, whether a few go into a long list (only
// they are moved) or a batch as long as the list comes (the whole list is put back): the order
// is that of a sort of all rows, the filter hides the new rows it should, and the chosen rows
// stay chosen without a word.
TEST_F(ListToolsTest, RowsReadLaterAreMergedIntoTheSortedOrder)
{
    const struct {
        int first;  // rows before the sort
        int batch;  // rows per batch read later
        int batches;
    } cases[] = {{200, 3, 4}, {40, 60, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.batch);
        list->clear();
        tools->SetFilterText(QString());
        // Names in a scrambled order, some equal, some blank.
        int n = 0;
        const auto name = [&n] {
            ++n;
            return n % 17 == 0 ? QString() : QStringLiteral("host%1").arg((n * 37) % 101);
        };
        for (int i = 0; i < c.first; ++i)
            Add(QString::number(n), "", name());
        tools->SortBy(2, false);
        QTreeWidgetItem* chosen = list->topLevelItem(c.first / 2);
        QTreeWidgetItem* other = list->topLevelItem(1);
        list->setCurrentItem(chosen);
        other->setSelected(true);
        tools->SetFilterText("host1");
        selectionSignals = 0;
        currentSignals = 0;
        for (int b = 0; b < c.batches; ++b) {
            QList<QTreeWidgetItem*> batch;
            for (int i = 0; i < c.batch; ++i)
                batch << new QTreeWidgetItem(QStringList{QString::number(n), "", name()});
            list->addTopLevelItems(batch);
            QApplication::processEvents();
        }
        ASSERT_EQ(list->topLevelItemCount(), c.first + c.batch * c.batches);
        QStringList all;
        QStringList matching;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* item = list->topLevelItem(r);
            all << item->text(2);
            if (item->text(2).contains("host1"))
                matching << item->text(2);
            EXPECT_EQ(item->isHidden(), !item->text(2).contains("host1")) << r;
        }
        QStringList sorted = all;
        std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            if (a.isEmpty() || b.isEmpty())
                return !a.isEmpty() && b.isEmpty();
            return ListText::NaturalCompare(a, b) > 0;
        });
        EXPECT_EQ(all, sorted);
        EXPECT_EQ(Column(2), matching);
        EXPECT_EQ(tools->FilterCount()->text(),
                  QStringLiteral("%1 of %2").arg(matching.size()).arg(list->topLevelItemCount()));
        EXPECT_EQ(list->currentItem(), chosen);
        EXPECT_TRUE(chosen->isSelected());
        EXPECT_TRUE(other->isSelected());
        EXPECT_EQ(selectionSignals, 0);
        EXPECT_EQ(currentSignals, 0);
    }
}

// A stream of rows put in at the top, newest first (the notifications' list): unsorted they lead
// the list in the order given; sorted, each goes straight to its place, before the rows it
// equals, as if put at the top and the whole list sorted again, yet no row already listed is
// taken out or put back. The filter hides the new rows it should; the chosen rows stay chosen
// and the current row current.
TEST_F(ListToolsTest, RowsPutInAtTheTopGoStraightToTheirPlace)
{
    const struct {
        int column;  // -1: unsorted
        bool ascending;
        const char* filter;
    } cases[] = {{-1, true, ""}, {2, false, ""}, {2, true, "host1"}, {1, true, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << (c.ascending ? " ascending " : " descending ") << c.filter);
        list->clear();
        tools->SetFilterText(QString());
        // Names in a scrambled order, some equal, some blank; the key tells the rows apart.
        int n = 0;
        const auto row = [&n] {
            ++n;
            return new QTreeWidgetItem(QStringList{QString::number(n), n % 5 == 0 ? QString() : QStringLiteral("10.0.%1.1").arg(n % 7),
                                                   n % 13 == 0 ? QString() : QStringLiteral("host%1").arg((n * 37) % 23)});
        };
        for (int i = 0; i < 120; ++i)
            list->addTopLevelItem(row());
        if (c.column >= 0)
            tools->SortBy(c.column, c.ascending);
        QTreeWidgetItem* chosen = list->topLevelItem(60);
        QTreeWidgetItem* other = list->topLevelItem(3);
        list->setCurrentItem(chosen);
        other->setSelected(true);
        tools->SetFilterText(c.filter);
        QApplication::processEvents();
        currentSignals = 0;
        int removed = 0;
        const QMetaObject::Connection counting =
            QObject::connect(list->model(), &QAbstractItemModel::rowsRemoved, [&removed] { ++removed; });
        QStringList expected;  // the keys: the new rows first, then the list, then a stable sort
        for (int batch = 0; batch < 3; ++batch) {
            QList<QTreeWidgetItem*> rows;
            for (int i = 0; i < 25; ++i)
                rows << row();
            std::vector<QTreeWidgetItem*> all(rows.cbegin(), rows.cend());
            for (int r = 0; r < list->topLevelItemCount(); ++r)
                all.push_back(list->topLevelItem(r));
            if (c.column >= 0)
                std::stable_sort(all.begin(), all.end(), [&c](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                    const QString x = a->text(c.column), y = b->text(c.column);
                    if (x.isEmpty() || y.isEmpty())
                        return !x.isEmpty() && y.isEmpty();
                    const int order = ListText::NaturalCompare(x, y);
                    return c.ascending ? order < 0 : order > 0;
                });
            expected.clear();
            for (const QTreeWidgetItem* item : all)
                expected << item->text(0);
            tools->InsertAtTop(rows);
            QApplication::processEvents();
        }
        QObject::disconnect(counting);
        QStringList keys;
        QStringList matching;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* item = list->topLevelItem(r);
            keys << item->text(0);
            const bool shown = item->text(1).contains(c.filter) || item->text(2).contains(c.filter);
            if (shown)
                matching << item->text(2);
            EXPECT_EQ(item->isHidden(), !shown) << r;
        }
        EXPECT_EQ(keys, expected);
        EXPECT_EQ(removed, 0) << "rows already listed were moved";
        EXPECT_EQ(Column(2), matching);
        EXPECT_EQ(list->currentItem(), chosen);
        EXPECT_TRUE(chosen->isSelected());
        EXPECT_TRUE(other->isSelected());
        EXPECT_EQ(currentSignals, 0);
    }
}

TEST_F(ListToolsTest, CtrlFShowsTheBoxOnAnyListAlsoOneWithoutALayout)
{
    Add("k", "", "a");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(tools->FilterBox(), nullptr);
    EXPECT_TRUE(tools->FilterBox()->isVisible());

    QWidget bare;
    auto* loose = new QTreeWidget(&bare);
    loose->setHeaderLabels({"Name"});
    loose->addTopLevelItem(new QTreeWidgetItem(QStringList{"only"}));
    loose->addTopLevelItem(new QTreeWidgetItem(QStringList{"other"}));
    TListViewTools* looseTools = TListViewTools::Attach(loose);
    bare.resize(300, 300);
    bare.show();
    QTest::keyClick(loose, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(looseTools->FilterBox(), nullptr);
    EXPECT_TRUE(looseTools->FilterBox()->isVisible());
    EXPECT_EQ(loose->parentWidget(), &bare) << "a list without a layout stays where it is";
    looseTools->FilterBox()->setText("oth");
    EXPECT_TRUE(loose->topLevelItem(0)->isHidden());
    EXPECT_FALSE(loose->topLevelItem(1)->isHidden());
}

} // namespace
