// vkr2207: the management module, started by the host with the switch's address and access
// parameters on its command line.
#include "KtNML/KtSNMPSession.h"
#include "shell/ConnectForm.h"
#include "shell/LaunchParams.h"
#include "shell/Mainunit.h"
#include "shell/ModuleFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cstdio>

int main(int argc, char** argv)
{
    // Asked for usage: print it and end before any window (or display) is needed.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();
    if (program.isEmpty())
        program = QStringLiteral("vkr2207");
    if (UsageRequested(given)) {
        std::fputs(UsageText(program).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // Asked where its files are: report them and end, without a window or a session.
    if (PathsRequested(given)) {
        const QCoreApplication core(argc, argv);
        std::fputs(ModuleFilesReport(QCoreApplication::applicationDirPath()).toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // Without a display the toolkit would abort; say why instead, before it starts.
    if (const QString reason = NoDisplayReason(QProcessEnvironment::systemEnvironment()); !reason.isEmpty()) {
        std::fputs(QStringLiteral("%1: %2\n").arg(program, reason).toLocal8Bit().constData(), stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VKR-2207"));

    // What the toolkit left of the arguments, with their bytes; communities and passwords are
    // blanked in the process list from here on.
    QStringList arguments = TakeArguments(argc, argv, stdin);

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
