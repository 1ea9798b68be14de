#pragma once
// Message and confirmation boxes of the generic views. Both go through replaceable hooks so
// that tests (and scripted runs) record them instead of blocking in a modal box.
#include "KtNML/KtSNMPError.h"

#include <QString>
#include <functional>

class QWidget;

enum class ViewMessageKind { Information, Warning };

using ViewMessageHook = std::function<void(QWidget* owner, ViewMessageKind kind, const QString& text)>;
// Returns true for OK.
using ViewConfirmHook = std::function<bool(QWidget* owner, const QString& text)>;

// Install a hook (an empty one restores the boxes); each returns the hook it replaced.
ViewMessageHook SetViewMessageHook(ViewMessageHook hook);
ViewConfirmHook SetViewConfirmHook(ViewConfirmHook hook);

// A box with one OK button, captioned with the application's name.
void ShowViewMessage(QWidget* owner, ViewMessageKind kind, const QString& text);
// A confirmation with OK and Cancel; true when OK was chosen.
bool ConfirmView(QWidget* owner, const QString& text);

// The main window (object name "MainForm") while it exists; views centre on it.
QWidget* ViewMainWindow();

// Faults of a view's construction (a second panel for one host, a bad status text, ...): they
// reach the command that builds the view.
inline constexpr int kViewErrorCode = -500;
class TViewError : public KtException {
public:
    explicit TViewError(const QString& message) : KtException(kViewErrorCode, message) {}
};
