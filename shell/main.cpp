// vkr2207: the management module, started by the host with the switch's address and access
// parameters on its command line.
#include "KtNML/KtSNMPSession.h"
#include "shell/Mainunit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VKR-2207"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

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
