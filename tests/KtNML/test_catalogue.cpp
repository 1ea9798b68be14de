// Error codes, status mapping, status lines and the message catalogue files.
#include "KtNML/KtSNMPError.h"
#include "tests/support/TestUtil.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Catalogue : public ::testing::Test {
protected:
    void TearDown() override { ResetCatalogue(); }

    QString writeFile(const QByteArray& content)
    {
        const QString path = m_dir.filePath(QStringLiteral("cat%1.err").arg(m_files++));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

TEST(MapStatus, FoldsEveryRangeIntoItsFamily)
{
    struct Case {
        int status;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {0, 0, "(ZiDUVA++) Ok!"},
        {1400, 0, "(ZiDUVA++) Ok!"},
        {-1401, 0, "(ZiDUVA++) Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "(ZiDUVA++) Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1400, -528, "(ZiDUVA++) Unknown error code!"},
        {-1419, -528, "(ZiDUVA++) Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1408, -308, "(SNMPv3USM) Authentication failure!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "(ZiDUVA++) Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "(ZiDUVA++) Unknown error code!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        const KtMappedStatus m = MapStatus(c.status);
        EXPECT_EQ(m.code, c.code);
        EXPECT_EQ(m.message.toStdString(), c.message);
    }
}

TEST(KtMessage, TextsOfFrameworkAndCommonCodes)
{
    EXPECT_EQ(KtMessage(-509).toStdString(), "(ZiDUVA++) Invalid IP Address or DNS name!");
    EXPECT_EQ(KtMessage(-528).toStdString(), "(ZiDUVA++) Unknown error code!");
    EXPECT_EQ(KtMessage(-1).toStdString(), "Bad logic operand!");
    EXPECT_EQ(KtMessage(-2).toStdString(), "Bad format specifier of edit's constraint!");
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, KtCommonMsg::DelimitedCount).toStdString(),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is equal to [COUNT]!");
    try {
        KtRaise(-514);
        ADD_FAILURE() << "no exception";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), -514);
        EXPECT_STREQ(e.what(), "(ZiDUVA++) Bad key count of SNMP variable list!");
    }
}

TEST(StatusText, ComposesTheReadAndWriteLines)
{
    const QRegularExpression clock(QStringLiteral("(\\d\\d):\\d\\d:\\d\\d (\\S+)\\.$"));
    const QString led = StatusText(0, KtMessage(0), QStringLiteral(" Led Status"));
    EXPECT_TRUE(led.startsWith(QStringLiteral("Get: (ZiDUVA++) Ok! Request: Led Status. Receive at "))) << led.toStdString();
    const QRegularExpressionMatch m = clock.match(led);
    ASSERT_TRUE(m.hasMatch()) << led.toStdString();
    const int hour = m.captured(1).toInt();
    EXPECT_GE(hour, 1);
    EXPECT_LE(hour, 12);

    const QString noList = StatusText(0, QStringLiteral("(SNMPClass) SNMP request timed out!"), QString());
    EXPECT_TRUE(noList.startsWith(QStringLiteral("Get: (SNMPClass) SNMP request timed out!. Receive at ")))
        << noList.toStdString();
    const QString set = StatusText(1, KtMessage(0), QStringLiteral("Ports"));
    EXPECT_TRUE(set.startsWith(QStringLiteral("Set: (ZiDUVA++) Ok! Request:Ports. Receive at "))) << set.toStdString();
}

TEST_F(Catalogue, FormatWithVarlistBeforeErrorKeepsItsTextForAnEmptyName)
{
    LoadCatalogue(KtMsgFamily::Formats, writeFile("[VARLIST] read: [ERROR] at [TIME]\n[VARLIST]/[ERROR]\n"));
    const QString line = StatusText(0, QStringLiteral("boom"), QString());
    EXPECT_TRUE(line.startsWith(QStringLiteral(" read: boom at "))) << line.toStdString();
    EXPECT_EQ(StatusText(1, QStringLiteral("x"), QStringLiteral("L")).toStdString(), "L/x");
}

TEST_F(Catalogue, BlankLinesAreSkippedAndLineEndsRemoved)
{
    LoadCatalogue(KtMsgFamily::Snmp, writeFile("  first  \r\n\r\n   \n\nsecond\n\n\nthird"));
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Snmp, 0).toStdString(), "  first  ");
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Snmp, 1).toStdString(), "second");
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Snmp, 2).toStdString(), "third");
    EXPECT_EQ(MapStatus(2).message.toStdString(), "second");
}

TEST_F(Catalogue, AShortFileKeepsTheBuiltInTextsOfLaterEntries)
{
    LoadCatalogue(KtMsgFamily::KtSnmp, writeFile("(ZiDUVA++) Gut!\n"));
    EXPECT_EQ(KtMessage(0).toStdString(), "(ZiDUVA++) Gut!");
    EXPECT_EQ(KtMessage(-509).toStdString(), "(ZiDUVA++) Invalid IP Address or DNS name!");
}

// The refusal of a typed value fills in its placeholders once, in the catalogue's order, and
// shows only the start of a long text.
TEST_F(Catalogue, BadValueNamesTheVariableAndTheStartOfTheText)
{
    auto message = [](const QString& label, const QString& text) {
        try {
            KtRaiseBadValue(label, text);
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), -530);
            return e.Message().toStdString();
        }
        return std::string("nothing raised");
    };
    EXPECT_EQ(message("Port", "8 apples"), "(ZiDUVA++) Invalid value \"8 apples\" for Port!");
    EXPECT_EQ(message("[VALUE]", "[LABEL]"), "(ZiDUVA++) Invalid value \"[LABEL]\" for [VALUE]!");
    EXPECT_EQ(message("Name", QString(50, u'x')), "(ZiDUVA++) Invalid value \"" + std::string(40, 'x') + "...\" for Name!");

    QByteArray lines;
    for (int k = 0; k < 30; ++k)
        lines += "-\n";
    LoadCatalogue(KtMsgFamily::KtSnmp, writeFile(lines + "[LABEL]: [VALUE]?\n"));
    EXPECT_EQ(message("Port", "abc"), "Port: abc?");
}

TEST_F(Catalogue, MissingOrBlankFilesChangeNothing)
{
    LoadCatalogue(KtMsgFamily::SnmpClass, m_dir.filePath("missing.err"));
    LoadCatalogue(KtMsgFamily::SnmpClass, writeFile(""));
    LoadCatalogue(KtMsgFamily::SnmpClass, writeFile(" \n\t\r\n\n"));
    EXPECT_EQ(KtMessage(-405).toStdString(), "(SNMPClass) SNMP request timed out!");
}

TEST_F(Catalogue, ALineOverTheReadBufferContinuesAsTheNextEntry)
{
    QByteArray longLine(1500, 'x');
    LoadCatalogue(KtMsgFamily::Common, writeFile(longLine + "\nnext\n"));
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, 0).size(), 1023);
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, 1).size(), 1500 - 1023);
    EXPECT_EQ(KtFamilyText(KtMsgFamily::Common, 2).toStdString(), "next");
}

TEST_F(Catalogue, ShippedFilesHoldExactlyTheBuiltInTexts)
{
    for (const KtCatalogueFile& file : kKtCatalogueFiles) {
        SCOPED_TRACE(file.fileName);
        const QStringList builtIn = KtFamilyTexts(file.family);
        LoadCatalogue(file.family, testutil::sourceDir() + "/resources/" + QString::fromLatin1(file.fileName));
        EXPECT_EQ(KtFamilyTexts(file.family), builtIn);
        QFile f(testutil::sourceDir() + "/resources/" + QString::fromLatin1(file.fileName));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().count('\n'), builtIn.size());
    }
}

} // namespace
