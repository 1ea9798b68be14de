#pragma once
// A private working folder and registry file for a test that starts the main window: the
// boots file and the registry key it creates land there, not in the build folder. The
// working folder, the registry variable and the global session are restored when it goes.
#include "KtNML/KtSNMPSession.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace testutil {

class MainFormFolder {
public:
    MainFormFolder() : m_oldCwd(QDir::currentPath())
    {
        m_entered = m_work.isValid() && QDir::setCurrent(m_work.path());
        qputenv("VKR_REGISTRY_FILE", m_work.filePath("reg/registry.ini").toLocal8Bit());
    }
    ~MainFormFolder()
    {
        qunsetenv("VKR_REGISTRY_FILE");
        QDir::setCurrent(m_oldCwd);
        KtSNMPCloseSession();
    }
    MainFormFolder(const MainFormFolder&) = delete;
    MainFormFolder& operator=(const MainFormFolder&) = delete;

    // The folder exists and is the working folder.
    bool Entered() const { return m_entered; }

private:
    QTemporaryDir m_work;
    QString m_oldCwd;
    bool m_entered = false;
};

} // namespace testutil
