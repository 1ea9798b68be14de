#pragma once
// Where the module keeps what it writes for itself between runs (the engine boots file, the
// notification logs): $XDG_STATE_HOME/vkr2207, else ~/.local/state/vkr2207.
#include <QString>

namespace platform {

// The folder's path; nothing is created.
QString StateFolderPath();

// The folder, created with mode 0700 (and its parents) when missing; an existing folder that
// is not a real folder (a symbolic link, a file) is refused. Empty when it cannot be had.
QString StateFolder();

} // namespace platform
