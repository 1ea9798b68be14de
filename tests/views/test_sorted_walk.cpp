// A long table walked into a list sorted by a header click before the walk: each batch of rows
// is merged into the order as it comes, and at the end every row is there once, whole, in the
// order chosen. (Of its own: under the sanitizers the walk of 50000 rows takes a while.)
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"
#include "views/ListViewTools.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <optional>

namespace {

const KtSNMPVarDef kColumns[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Name", KtSyn::DisplayStr, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.3", "Counter", KtSyn::Counter, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.99.4.1.4", "State", KtSyn::Integer, KtAcc::ReadWrite},
    {},
};

TEST(SortedWalk, ALongTableShowsEveryRowOnceInTheOrderChosen)
{
    constexpr int kRows = 50000;
    testutil::SimProcess sim;
    ASSERT_TRUE(sim.start({"--data", testutil::sourceDir() + "/tests/sim/data/rows.sim", "--fill",
                           QStringLiteral("bench=%1").arg(kRows), "--freeze"},
                          60000))
        << sim.errorText().toStdString();
    QTemporaryDir dir;
    KtSNMPInitSession(dir.path());
    KtSNMPDefaults.device.address = sim.address();
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.security.version = 1;  // SNMPv2c: get-bulk
    KtSNMPDefaults.security.readCommunity = "public";
    KtSNMPDefaults.getBulk = true;
    {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* view = new QTreeWidget(&form);
        layout->addWidget(view);
        form.resize(600, 400);
        form.show();
        KtSNMPRequest2Edits binding(&form);
        binding.Request().VarList.Assign(KtSNMPVarList(kColumns, KtItem::MVT_UMV, 1));
        binding.BindListView(view, false);
        constexpr int kCounterColumn = 2;
        TListViewTools::Attach(view)->SortBy(kCounterColumn, false);
        std::optional<int> code;
        binding.GetDone = [&](KtSNMPRequest2Controls&, const KtSNMPError& e) { code = e.code; };
        binding.Get();
        ASSERT_TRUE(testutil::waitFor([&] { return code.has_value(); }, 1200000));
        QApplication::processEvents();
        EXPECT_EQ(code, std::optional<int>(0));
        ASSERT_EQ(view->topLevelItemCount(), kRows);
        // Counters are the rows' indexes: falling from kRows to 1 is every row once.
        for (int r = 0; r < kRows; ++r) {
            const QTreeWidgetItem* item = view->topLevelItem(r);
            const QString index = QString::number(kRows - r);
            ASSERT_EQ(QStringList({item->text(0), item->text(1), item->text(2)}),
                      QStringList({index, "bench-" + index, index}))
                << r;
        }
    }
    KtSNMPCloseSession();
}

} // namespace
