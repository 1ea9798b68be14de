#pragma once
// What the generic views share beyond their message boxes (which go through KtMessageService,
// KtNML/KtMessages.h, captioned with KtMessages::DisplayCaption()).
#include "KtNML/KtSNMPError.h"

#include <QString>

class QWidget;

// The main window (object name "MainForm") while it exists; views centre on it.
QWidget* ViewMainWindow();

// Faults of a view's construction (a second panel for one host, a bad status text, ...): they
// reach the command that builds the view.
inline constexpr int kViewErrorCode = -500;
class TViewError : public KtException {
public:
    explicit TViewError(const QString& message) : KtException(kViewErrorCode, message) {}
};
