// Every generic view of the catalogue read once from the switch simulator, the way its command
// builds the request: editors with one get, tables with a full get-next walk.
#include "shell/MainMenu.h"

#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtValueCodec.h"
#include "tests/support/SimProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <string>

namespace {

using testutil::SimProcess;

class CatalogueSimTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        KtSNMPInitSession(s_dir->path());
        s_sim = new SimProcess;  // the shipped data serves every view's objects
        s_started = s_sim->start({QStringLiteral("--freeze")});
        KtSNMPDefaults.device.address = s_sim->address();
        KtSNMPDefaults.device.port = s_sim->port();
        KtSNMPDefaults.security.version = 1;  // v2c: counter64 columns and exceptions per varbind
        KtSNMPDefaults.security.readCommunity = QStringLiteral("public");
        KtSNMPDefaults.security.writeCommunity = QStringLiteral("private");
        KtSNMPDefaults.timeout = 200;
    }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
        KtSNMPCloseSession();
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(s_started) << s_sim->errorText().toStdString();
    }

    const KtViewEntry& entry() const { return *KtViewCatalogue()[std::size_t(GetParam())]; }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline SimProcess* s_sim = nullptr;
    static inline bool s_started = false;
};

// The readable variables of the list that did not get a value of their own.
std::string unanswered(const KtSNMPVarList& list)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i) {
        const KtSNMPVar& v = list.Item(i);
        if (list.IsReadable(i) && (v.Value == KtNullText || v.Value == KtNotDoneText))
            out += " [" + std::to_string(i) + " " + v.Label.toStdString() + " " + v.Oid.toStdString() + "]";
    }
    return out;
}

TEST_P(CatalogueSimTest, ViewReadsFromTheSwitch)
{
    const KtViewEntry& e = entry();
    KtSNMPRequest request;
    request.VarList.Assign(KtSNMPVarList(e.table, e.itemType, e.keyCount));
    request.VarList.Name = QString::fromUtf8(e.captionPrefix);

    try {
        if (e.kind == KtViewKind::Editor) {
            request.Get(true);
            EXPECT_EQ(unanswered(request.VarList), "") << "objects the switch does not have";
        } else {
            int rows = 0;
            std::string firstRowGaps;
            for (bool more = request.Get(true); more; more = request.Get(false)) {
                if (rows++ == 0)
                    firstRowGaps = unanswered(request.VarList);
                ASSERT_LT(rows, 100000) << "the walk does not end";
            }
            EXPECT_GE(rows, 1) << "the table is empty";
            EXPECT_EQ(firstRowGaps, "") << "columns without a value in the first row";
        }
    } catch (const KtException& x) {
        ADD_FAILURE() << "read failed: " << x.Code() << " " << x.Message().toStdString();
    }
}

// The simulator's users (none, MD5/DES, SHA/AES, SHA-256/AES) show their protocols by name.
using UserTableSim = CatalogueSimTest;
TEST_F(UserTableSim, EveryUserShowsItsProtocolsByName)
{
    const KtViewEntry* e = FindView("SNMP V3 / User-based Security Model / User Table");
    ASSERT_NE(e, nullptr);
    KtSNMPRequest request;
    request.VarList.Assign(KtSNMPVarList(e->table, e->itemType, e->keyCount));
    std::map<std::string, std::string> protocols;  // user -> "auth/priv"
    for (bool more = request.Get(true); more; more = request.Get(false))
        protocols[request.VarList.Item(1).Value.toStdString()] =
            (request.VarList.Item(4).Value + "/" + request.VarList.Item(7).Value).toStdString();
    EXPECT_EQ(protocols["vkrnone"], "None/None");
    EXPECT_EQ(protocols["vkrmd5"], "MD5/DES");
    EXPECT_EQ(protocols["vkrsha"], "SHA/AES-128");
    EXPECT_EQ(protocols["vkrsha256"], "SHA-256/AES-128");
}

std::string entryName(const ::testing::TestParamInfo<int>& info)
{
    std::string name = std::to_string(info.param) + "_";
    for (char c : std::string(KtViewPath(*KtViewCatalogue()[std::size_t(info.param)])))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueSimTest, ::testing::Range(0, int(KtViewCatalogue().size())), entryName);

} // namespace
