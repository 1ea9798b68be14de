#include "shell/ShellMessage.h"

#include <QApplication>
#include <QMessageBox>

namespace {
ShellMessageHook& Hook()
{
    static ShellMessageHook hook;
    return hook;
}
} // namespace

ShellMessageHook SetShellMessageHook(ShellMessageHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

void ShowShellMessage(const QString& text, ShellMessageKind kind)
{
    if (Hook()) {
        Hook()(kind, text);
        return;
    }
    const QString caption = QApplication::applicationName();
    if (kind == ShellMessageKind::Error)
        QMessageBox::critical(nullptr, caption, text);
    else
        QMessageBox::information(nullptr, caption, text);
}
