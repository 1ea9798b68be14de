#pragma once
// Helpers shared by the test programs.
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace testutil {

// A UDP port on 127.0.0.1 that nothing was bound to a moment ago.
quint16 freeUdpPort();

// Runs the Qt event loop until pred() holds or timeoutMs passes; returns pred().
bool waitFor(const std::function<bool()>& pred, int timeoutMs);

// Source and build folders, handed over by CTest.
QString sourceDir();
QString binaryDir();

} // namespace testutil
