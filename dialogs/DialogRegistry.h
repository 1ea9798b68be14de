#pragma once
// The dedicated dialogs, by the form class name the main menu's items name: their caption
// prefix (the device address follows it) and how to make one. The shell registers every entry
// with its menu; a new dialog adds its line in DialogRegistry.cpp.
#include <QString>

#include <functional>
#include <span>

class QDialog;
class QWidget;

struct KtDialogEntry {
    const char* className;
    const char* captionPrefix;
    // owner: the main window; enlarge: its enlargement flag (display scale 1.25).
    std::function<QDialog*(QWidget* owner, bool enlarge)> factory;
};

std::span<const KtDialogEntry> KtDialogRegistry();
