#include "views/WindowTitle.h"

#include "KtNML/KtSNMPSession.h"

QString KtDeviceText(const QString& address, int port)
{
    if (port == kStandardAgentPort || port <= 0)
        return address;
    const bool ipv6 = address.contains(u':') && !address.startsWith(u'[');
    return (ipv6 ? u'[' + address + u']' : address) + u':' + QString::number(port);
}

QString KtDeviceText()
{
    return KtDeviceText(KtSNMPDefaults.device.address, KtSNMPDefaults.device.port);
}

QString KtWindowTitle(const QString& caption, const QString& device)
{
    QString name = caption.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    name = name.trimmed();
    if (name.isEmpty())
        return device;
    return name + QStringLiteral(": ") + device;
}
