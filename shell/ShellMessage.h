#pragma once
// Message boxes of the shell go through one hook, so tests can record them instead of blocking.
#include <QString>
#include <functional>

enum class ShellMessageKind { Information, Error };

using ShellMessageHook = std::function<void(ShellMessageKind kind, const QString& text)>;

// Installs a hook (an empty one restores the message boxes); returns the previous hook.
ShellMessageHook SetShellMessageHook(ShellMessageHook hook);

// Shows `text` in a modal message box captioned with the application's name, or hands it to
// the installed hook.
void ShowShellMessage(const QString& text, ShellMessageKind kind = ShellMessageKind::Information);
