// vkr2207: the management module, started by the host with the switch's address and access
// parameters on its command line.
#include "KtNML/KtSNMPSession.h"
#include "shell/ConnectForm.h"
#include "shell/Mainunit.h"
#include "shell/ModuleFiles.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    // Asked for usage: print it and end before any window (or display) is needed.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (UsageRequested(given)) {
        const QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
        std::fputs(UsageText(program.isEmpty() ? QStringLiteral("vkr2207") : program).toLocal8Bit().constData(),
                   stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // Asked where its files are: report them and end, without a window or a session.
    if (PathsRequested(given)) {
        const QCoreApplication core(argc, argv);
        std::fputs(ModuleFilesReport(QCoreApplication::applicationDirPath()).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VKR-2207"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    // From the desktop: the connect dialog gives the command line; Cancel ends the program.
    if (ConnectRequested(arguments)) {
        TConnectForm connect(RecentDevices::DefaultFileName());
        if (connect.exec() != QDialog::Accepted)
            return 0;
        arguments = connect.Arguments();
    }

    int exitCode = 0;
    std::unique_ptr<TMainForm> form = StartMainForm(arguments, &exitCode);
    if (form) {
        form->show();
        // The front panel is built on the first activation; ask for it, as a display without a
        // window manager never activates a window by itself.
        form->activateWindow();
        exitCode = QApplication::exec();
        form.reset();
    }
    KtSNMPCloseSession();
    return exitCode;
}
