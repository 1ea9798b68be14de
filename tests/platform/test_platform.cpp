// The registry file, the INI-profile reader and KtIni on top of it.
#include "KtNML/KtIni.h"
#include "platform/DataFolder.h"
#include "platform/IniProfile.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/StateFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <sys/stat.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

void WriteFile(const QString& name, const QByteArray& data)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

QByteArray ReadFile(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device file as a host might write it: CRLF, odd case, blanks, duplicates.
const QByteArray kProfile =
    "; written by hand\r\n"
    "[Other]\r\n"
    "Version=1\r\n"
    "[program information]\r\n"
    "  Version =  3  \r\n"
    "VERSION=2\r\n"
    "SecurityName=\r\n"
    "AuthPassword=a=b c\r\n"
    "Blanks=   \r\n"
    "no equals sign here\r\n"
    "[Program Information]\r\n"
    "PrivPassword=second section\r\n";

struct ProfileCase {
    const char* section;
    const char* key;
    std::optional<QString> expected;
};

class IniProfileTest : public ::testing::TestWithParam<ProfileCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("10.1.1.1.cfg");
        WriteFile(file, kProfile);
    }
    QTemporaryDir dir;
    QString file;
};

TEST_P(IniProfileTest, FindsFirstMatchIgnoringCase)
{
    const ProfileCase& c = GetParam();
    EXPECT_EQ(platform::ReadProfileString(file, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniProfileTest,
    ::testing::Values(
        ProfileCase{"Program Information", "Version", QStringLiteral("3")},    // first key wins
        ProfileCase{"PROGRAM INFORMATION", "version", QStringLiteral("3")},    // case
        ProfileCase{"Other", "Version", QStringLiteral("1")},
        ProfileCase{"Program Information", "SecurityName", QString()},         // present, empty
        ProfileCase{"Program Information", "AuthPassword", QStringLiteral("a=b c")},
        ProfileCase{"Program Information", "Blanks", QString()},
        ProfileCase{"Program Information", "PrivPassword", std::nullopt},  // later section unread
        ProfileCase{"Program Information", "no equals sign here", std::nullopt},
        ProfileCase{"Program Information", "AgentPort", std::nullopt},
        ProfileCase{"Missing", "Version", std::nullopt}));

TEST(IniProfile, MissingFileReadsNothing)
{
    EXPECT_EQ(platform::ReadProfileString(QStringLiteral("/nonexistent/x.cfg"), "S", "K"),
              std::nullopt);
}

TEST(KtIniTest, TrimsOrFallsBackToDefault)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("d.cfg");
    WriteFile(file, "[Program Information]\nName=\t padded \t\nEmpty=\nBlank=  \nZero=0\n");
    const KtIni ini(file);
    const struct {
        const char* key;
        const char* def;
        const char* expected;
    } cases[] = {
        {"name", "", "padded"},  {"Empty", "dflt", "dflt"}, {"Blank", "dflt", "dflt"},
        {"Zero", "dflt", "0"},   {"Missing", "dflt", "dflt"}, {"Missing", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.ReadString("program information", c.key, c.def), QString(c.expected));
    }
    EXPECT_EQ(KtIni(dir.filePath("none.cfg")).ReadString("Program Information", "Name", "d"),
              QStringLiteral("d"));
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("cfg/vkr2207/registry.ini");
        qputenv("VKR_REGISTRY_FILE", file.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("VKR_REGISTRY_FILE"); }
    QTemporaryDir dir;
    QString file;
};

TEST_F(RegistryTest, PathComesFromTheEnvironment)
{
    EXPECT_EQ(platform::RegistryFilePath(), file);
    qunsetenv("VKR_REGISTRY_FILE");
    EXPECT_TRUE(platform::RegistryFilePath().endsWith(QStringLiteral("/vkr2207/registry.ini")));
}

TEST_F(RegistryTest, OpenWithoutCreateLeavesNoFile)
{
    EXPECT_FALSE(platform::RegistryKey::Open(QStringLiteral("\\SOFTWARE\\Norvale\\X"), false));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(RegistryTest, CreatedKeyKeepsBackslashesAndDottedNames)
{
    const QString helpKey = QStringLiteral("\\SOFTWARE\\Norvale\\Modules\\HelpPath");
    const QString oid = QStringLiteral("1.3.6.1.4.1.32473.10.101.1");
    const QString value = QStringLiteral("C:\\Modules\\VKR2207\\VKR2207.hlp");

    auto key = platform::RegistryKey::Open(helpKey, true);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadString(oid), std::nullopt);
    ASSERT_TRUE(key->WriteString(oid, value));
    EXPECT_TRUE(ReadFile(file).contains(
        "[SOFTWARE\\Norvale\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.101.1="
        "C:\\Modules\\VKR2207\\VKR2207.hlp\n"));

    // Another opening, spelled differently, sees the same key; creating it again adds nothing.
    auto again = platform::RegistryKey::Open(QStringLiteral("software\\norvale\\modules\\helppath"),
                                             true);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->ReadString(oid), value);
    EXPECT_EQ(ReadFile(file).count("[SOFTWARE"), 1);
}

TEST_F(RegistryTest, WriteReplacesOnlyItsOwnValue)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    WriteFile(file,
              "[SOFTWARE\\Norvale\\Meridan5.1\\ExePath]\r\nPath=D:\\Meridan\\Bin\\\r\n"
              "[SOFTWARE\\Norvale\\Modules\\HelpPath]\r\nOther=keep\r\n1.3.6=old\r\n"
              "[SOFTWARE\\Norvale\\Meridan5.1\\MibFile]\r\nPath=E:\\Mib\r\n");
    auto help = platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\Norvale\\Modules\\HelpPath"),
                                            false);
    ASSERT_TRUE(help);
    ASSERT_TRUE(help->WriteString(QStringLiteral("1.3.6"), QStringLiteral("new")));
    ASSERT_TRUE(help->WriteString(QStringLiteral("Added"), QStringLiteral("x")));
    EXPECT_EQ(help->ReadString(QStringLiteral("1.3.6")), QStringLiteral("new"));
    EXPECT_EQ(help->ReadString(QStringLiteral("other")), QStringLiteral("keep"));
    EXPECT_EQ(help->ReadString(QStringLiteral("Added")), QStringLiteral("x"));

    auto exe = platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\Norvale\\Meridan5.1\\ExePath"),
                                           false);
    auto mib = platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\Norvale\\Meridan5.1\\MibFile"),
                                           false);
    ASSERT_TRUE(exe && mib);
    EXPECT_EQ(exe->ReadString(QStringLiteral("Path")), QStringLiteral("D:\\Meridan\\Bin\\"));
    EXPECT_EQ(mib->ReadString(QStringLiteral("Path")), QStringLiteral("E:\\Mib"));
    // "Added" went into its own section, not at the end of the file.
    EXPECT_FALSE(exe->ReadString(QStringLiteral("Added")));
    EXPECT_FALSE(mib->ReadString(QStringLiteral("Added")));
}

TEST_F(RegistryTest, RefusesWhatCannotBeStored)
{
    auto key = platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\K"), true);
    ASSERT_TRUE(key);
    const QByteArray before = ReadFile(file);
    EXPECT_FALSE(key->WriteString(QStringLiteral("a=b"), QStringLiteral("v")));
    EXPECT_FALSE(key->WriteString(QStringLiteral(""), QStringLiteral("v")));
    EXPECT_FALSE(key->WriteString(QStringLiteral("n"), QStringLiteral("two\nlines")));
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_FALSE(platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\A]B"), true));
}

TEST_F(RegistryTest, UnwritableLocationFailsToCreate)
{
    WriteFile(dir.filePath("plainfile"), "x");
    qputenv("VKR_REGISTRY_FILE", dir.filePath("plainfile/registry.ini").toLocal8Bit());
    EXPECT_FALSE(platform::RegistryKey::Open(QStringLiteral("SOFTWARE\\K"), true));
}

// The registry file and a device's .cfg are read only when they are regular files: a FIFO in
// their place is refused at once instead of blocking in open() for a writer that never comes,
// and so are a folder and a link to a FIFO. The registry file is never written through a link:
// the link's target keeps its contents.
TEST_F(RegistryTest, OnlyRegularFilesAreReadAndNoLinkIsWrittenThrough)
{
    const QString key = QStringLiteral("SOFTWARE\\Norvale\\Modules\\HelpPath");
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString target = dir.filePath("target.ini");
    const QByteArray targetText = "[Other]\nName=kept\n[Program Information]\nVersion=1\n";
    WriteFile(target, targetText);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));

    const struct {
        const char* name;
        std::function<void()> place;  // puts the thing at `file`
        bool readable;                // a link to a regular file is read
    } cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0); }, false},
        {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(file)); }, false},
        {"a link to a FIFO", [&] { ASSERT_TRUE(QFile::link(fifo, file)); }, false},
        {"a link to a file", [&] { ASSERT_TRUE(QFile::link(target, file)); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.place();
        EXPECT_EQ(platform::ReadProfileString(file, "Program Information", "Version"),
                  c.readable ? std::optional<QString>("1") : std::nullopt);
        EXPECT_EQ(KtIni(file).ReadString("Program Information", "Version", "none"), c.readable ? "1" : "none");
        EXPECT_FALSE(platform::RegistryKey::Open(key, false).has_value());
        EXPECT_FALSE(platform::RegistryKey::Open(key, true).has_value());
        if (c.readable) {
            EXPECT_TRUE(platform::RegistryKey::Open("Other", false).has_value());
            EXPECT_FALSE(platform::RegistryKey::Open("Other", false)->WriteString("Name", "changed"));
        }
        QFile t(target);
        ASSERT_TRUE(t.open(QIODevice::ReadOnly));
        EXPECT_EQ(t.readAll(), targetText);
        EXPECT_TRUE(QFileInfo(fifo).exists());
        if (QFileInfo(file).isDir())
            QDir().rmdir(file);
        else
            QFile::remove(file);
    }
}

TEST(PlatformPaths, WindowsSeparatorsBecomeSlashes)
{
    EXPECT_EQ(platform::ToLocalPath(QStringLiteral("..\\Conf\\MBF\\")), QStringLiteral("../Conf/MBF/"));
    EXPECT_EQ(platform::ToLocalPath(QStringLiteral("/already/posix")), QStringLiteral("/already/posix"));
}

// A tool is looked for in the program's folder first, then on PATH; only executable files count.
TEST(PlatformProcess, FindsProgramsInTheFirstFolderThenOnPath)
{
    QTemporaryDir first, onPath;
    ASSERT_TRUE(first.isValid() && onPath.isValid());
    auto make = [](const QString& name, bool executable) {
        WriteFile(name, "#!/bin/sh\n");
        QFile::setPermissions(name, executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                               : QFile::ReadOwner | QFile::WriteOwner);
    };
    make(first.filePath("MIB"), true);
    make(onPath.filePath("MIB"), true);
    make(onPath.filePath("Rmon"), true);
    make(first.filePath("Bridge"), false);  // not executable: not a tool
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", onPath.path().toLocal8Bit());
    const std::pair<const char*, QString> cases[] = {
        {"MIB", first.filePath("MIB")},
        {"Rmon", onPath.filePath("Rmon")},
        {"Bridge", QString()},
        {"IFMib", QString()},
        {"", QString()},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(platform::FindProgram(QString::fromUtf8(name), first.path()), expected) << name;
    EXPECT_EQ(platform::FindProgram(QStringLiteral("Rmon"), QString()), onPath.filePath("Rmon"));
    qputenv("PATH", oldPath);
}

TEST(PlatformProcess, AProgramThatDoesNotExistDoesNotStart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(platform::StartDetached(dir.filePath("no-such-tool"), {QStringLiteral("/Ix")}));
}

// A program finds its run-time files beside itself in a build folder and in the installed
// data folder otherwise (bin/../share/vkr2207), whichever holds the file asked for.
TEST(PlatformDataFolder, BesideTheProgramFirstThenTheInstalledDataFolder)
{
    struct Case {
        const char* name;
        QStringList files;  // made below the temporary folder
        const char* expected;  // relative to the temporary folder
    } cases[] = {
        {"BuildFolder", {"bin/help/vkr2207.html"}, "bin"},
        {"Installed", {"share/vkr2207/help/vkr2207.html"}, "share/vkr2207"},
        {"BothBesideWins", {"bin/help/vkr2207.html", "share/vkr2207/help/vkr2207.html"}, "bin"},
        {"OnlyAnotherFileBeside", {"bin/help/other.html", "share/vkr2207/help/vkr2207.html"}, "share/vkr2207"},
        {"NowhereNamesTheProgramFolder", {}, "bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
        for (const QString& file : c.files) {
            ASSERT_TRUE(QDir(dir.path()).mkpath(QFileInfo(file).path()));
            WriteFile(dir.filePath(file), "x");
        }
        const QString folder = platform::DataFolder(dir.filePath("bin"), QStringLiteral("help/vkr2207.html"));
        EXPECT_EQ(folder, QDir::cleanPath(dir.filePath(QLatin1String(c.expected))));
    }
}

// The state folder follows XDG_STATE_HOME (an absolute one), is made private, and a link put
// where it should be is not followed.
TEST(PlatformStateFolder, MadePrivateUnderTheStateHomeAndNeverThroughALink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_STATE_HOME", saved); });

    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath("state")));
    const QString folder = platform::StateFolder();
    EXPECT_EQ(folder, dir.filePath("state/vkr2207"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_TRUE(platform::StateFolderPath().startsWith(QDir::homePath() + "/.local/state/"));

    ASSERT_TRUE(QDir(dir.path()).mkpath("elsewhere"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("linked"));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), dir.filePath("linked/vkr2207")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath("linked")));
    EXPECT_TRUE(platform::StateFolder().isEmpty());
}

} // namespace
