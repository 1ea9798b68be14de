#pragma once
// What every dialog test against the simulator needs: a session on the simulator's address,
// the requests it logged since a mark, one recorder of the dialogs' message boxes, and
// QString/QStringList printed as text in failures. Header only: the dialogs' tests link the
// dialogs, the support libraries do not.
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/SimProcess.h"
#include "tests/support/TestUtil.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace testutil {

// Lets events run for ms milliseconds.
inline void Pump(int ms)
{
    waitFor([] { return false; }, ms);
}

// A dialog's operation has ended and none of its requests is busy (within ms).
template <class Dialog> bool WaitDialogIdle(const Dialog& form, int ms = 10000)
{
    return waitFor(
        [&] {
            for (const auto& request : form.Requests())
                if (request->Busy())
                    return false;
            return form.GetComplete();
        },
        ms);
}

// SNMPv2c session on the simulator (started by StartSim, frozen so that its data stay put).
class SimDialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        KtSNMPInitSession(m_sessionDir.path());
        KtSNMPDefaults.security.version = 1;  // SNMPv2c
        KtSNMPDefaults.security.readCommunity = "public";
        KtSNMPDefaults.security.writeCommunity = "private";
        KtSNMPDefaults.timeout = 1000;
        KtSNMPDefaults.getBulk = true;  // a slow switch of an earlier test turned it off
    }
    void TearDown() override
    {
        // Derived fixtures destroy their dialogs first (in their own TearDown).
        KtSNMPCloseSession();
    }

    // Starts the simulator; the defaults then point at it. A failed start fails the test.
    bool StartSim(QStringList extra = {})
    {
        // A slow switch is there to act while a walk runs: get-next brings one row per delayed
        // reply, where get-bulk would bring a small table in one.
        if (extra.contains(QStringLiteral("--delay")))
            KtSNMPDefaults.getBulk = false;
        extra << "--freeze";
        const bool started = sim.start(extra);
        EXPECT_TRUE(started) << sim.errorText().toStdString();
        KtSNMPDefaults.device.address = sim.address();
        KtSNMPDefaults.device.port = sim.port();
        return started;
    }

    // Where "since" counts from.
    int Mark() const { return int(sim.requests().size()); }

    // Requests of one type since from, each as its varbinds "OID=T:VALUE" (OID alone for reads).
    std::vector<QStringList> Since(int from, const QString& type) const { return sim.requestsSince(from, type); }
    // The types of the requests since from, in order.
    QStringList Types(int from) const
    {
        QStringList types;
        const auto all = sim.requests();
        for (int k = from; k < all.size(); ++k)
            types << all[k].type;
        return types;
    }
    // Walks started since from: get-next or get-bulk requests naming a column without an
    // instance (firstColumnOid), as the first row of a walk does.
    int WalksSince(int from, const QString& firstColumnOid) const
    {
        int walks = 0;
        const auto all = sim.requests();
        for (int k = from; k < all.size(); ++k)
            if ((all[k].type == "GETNEXT" || all[k].type.startsWith("GETBULK")) && !all[k].varbinds.isEmpty()
                && all[k].varbinds.first().oid == firstColumnOid)
                ++walks;
        return walks;
    }

    QTemporaryDir m_sessionDir;
    SimProcess sim;
    MessageRecorder boxes;
};

// A table dialog with a completion flag (GetComplete, TableRequest, ListView1) over the
// simulator: made once its first walk has ended, rows found by their first cell.
template <class Form> class TableDialogFixture : public SimDialogFixture {
protected:
    void TearDown() override
    {
        form.reset();
        SimDialogFixture::TearDown();
    }
    void StartLoaded(QStringList extra = {})
    {
        StartSim(extra);
        form = std::make_unique<Form>(nullptr);
        ASSERT_TRUE(WaitIdle());
    }
    bool WaitIdle(int ms = 10000)
    {
        return waitFor([&] { return form->GetComplete() && !form->TableRequest()->Busy(); }, ms);
    }
    // The first cells of the listed rows.
    QStringList Ports()
    {
        QStringList ports;
        for (int r = 0; r < form->ListView1->topLevelItemCount(); ++r)
            ports << form->ListView1->topLevelItem(r)->text(0);
        return ports;
    }
    void SelectPort(const QString& port)
    {
        for (int r = 0; r < form->ListView1->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = form->ListView1->topLevelItem(r);
            if (item->text(0) == port) {
                form->ListView1->setCurrentItem(item);
                item->setSelected(true);
                return;
            }
        }
        ADD_FAILURE() << "no port " << port.toStdString();
    }

    std::unique_ptr<Form> form;
};

} // namespace testutil
