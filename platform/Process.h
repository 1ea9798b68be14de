#pragma once
// Starting other programs: the host suite's MIB tools. A program is started from an argument
// vector, never through a shell, so a community or password with blanks or quotes reaches it
// as one argument.
#include <QString>
#include <QStringList>

namespace platform {

// The executable file `name` in `firstFolder` when there is one, else the one found on PATH;
// empty when neither exists. A name with a folder part is not looked up.
QString FindProgram(const QString& name, const QString& firstFolder);

// Starts program with arguments, detached (it outlives the module, nobody waits for it).
// False when it could not be started.
bool StartDetached(const QString& program, const QStringList& arguments);

} // namespace platform
