#include "shell/HelpWindow.h"

#include "platform/DataFolder.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString HelpFileIn(const QString& programFolder)
{
    const QString document = QStringLiteral("help/vkr2207.html");
    return QDir(platform::DataFolder(programFolder, document)).filePath(document);
}

THelpWindow::THelpWindow(QWidget* parent, const QString& fileName) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("VKR-2207 Module Help"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links inside the document move within it; nothing is handed to other programs.
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(640, 560);
}
