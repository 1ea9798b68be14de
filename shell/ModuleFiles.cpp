#include "shell/ModuleFiles.h"

#include "KtNML/KtSNMPError.h"
#include "platform/DataFolder.h"
#include "platform/Registry.h"
#include "shell/HelpWindow.h"
#include "shell/Mainunit.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kModuleFileSuffix = 12;  // the HelpPath value ends with the help file's name

QString Described(const QString& path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    return info.isFile() ? shown : shown + QStringLiteral(" (missing)");
}

} // namespace

std::optional<QString> ModuleFolderFromRegistry(bool create)
{
    const auto key = platform::RegistryKey::Open(QLatin1String(kHelpPathKey), create);
    if (!key)
        return std::nullopt;
    QString folder = platform::ToLocalPath(key->ReadString(QLatin1String(kHelpPathValue)).value_or(QString()));
    folder.chop(kModuleFileSuffix);
    return folder;
}

QString ConfigFolderFromRegistry()
{
    QString folder;
    if (const auto exe = platform::RegistryKey::Open(QLatin1String(kExePathKey), false)) {
        folder = platform::ToLocalPath(exe->ReadString(QStringLiteral("Path")).value_or(QString())
                                       + QStringLiteral("..\\Conf\\MBF\\"));
    }
    if (const auto mib = platform::RegistryKey::Open(QLatin1String(kMibFileKey), false))
        folder = platform::ToLocalPath(mib->ReadString(QStringLiteral("Path")).value_or(QString()));
    return folder;
}

QString CatalogueFolderFor(const QString& moduleFolder, const QString& programFolder)
{
    const QString catalogues = QStringLiteral("errmsg");
    if (!moduleFolder.isEmpty() || QFileInfo(catalogues).isDir())
        return moduleFolder;
    return platform::DataFolder(programFolder, catalogues) + QLatin1Char('/');
}

bool PathsRequested(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--paths"));
}

QString ModuleFilesReport(const QString& programFolder)
{
    QString report;
    const auto line = [&report](const char* label, const QString& text) {
        report += QStringLiteral("%1 %2\n").arg(QLatin1String(label), -20).arg(text);
    };
    line("Program folder:", QDir::toNativeSeparators(QDir(programFolder).absolutePath()));
    line("Registry file:", Described(platform::RegistryFilePath()));
    const QString moduleFolder = ModuleFolderFromRegistry(false).value_or(QString());
    line("Module folder:", moduleFolder.isEmpty() ? QStringLiteral("(none given)") : moduleFolder);
    const QString configFolder = ConfigFolderFromRegistry();
    line("Device files in:", configFolder.isEmpty() ? QStringLiteral("(none given: the working folder)") : configFolder);
    report += QStringLiteral("Message catalogues:\n");
    const QString catalogueFolder = CatalogueFolderFor(moduleFolder, programFolder);
    for (const KtCatalogueFile& file : kKtCatalogueFiles) {
        const QString path = catalogueFolder + QLatin1String(file.fileName);
        LoadCatalogue(file.family, path);
        const QString first = KtFamilyText(file.family, 0);
        report += QStringLiteral("  %1\n      first text: %2\n")
                      .arg(QFileInfo(path).isFile() ? Described(path) : Described(path) + QStringLiteral(": built-in texts"),
                           first);
    }
    line("Help:", Described(HelpFileIn(programFolder)));
    return report;
}
