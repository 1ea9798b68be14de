// vkr2207-config: configuration snapshots of VKR-2207 switches from the command line (save,
// diff, restore; one switch or a list of them). No window: it runs without a display.
#include "platform/StateFolder.h"
#include "shell/ConfigTool.h"
#include "shell/LaunchParams.h"
#include "shell/ModuleFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (UsageRequested(given)) {
        std::fputs(ConfigToolUsage(QStringLiteral("vkr2207-config")).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vkr2207-config"));
    const QString state = platform::StateFolder();
    if (state.isEmpty()) {
        std::fputs("vkr2207-config: the state folder for the engine boots file cannot be made\n", stderr);
        return kConfigExitError;
    }
    return RunConfigTool(given, ConfigFolderFromRegistry(), state);
}
