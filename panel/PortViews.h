#pragma once
// The port popup's two views: a read-only editor on one row of the port information table and
// an editor on one row of the port control table, addressed by the port button's instance
// text (port number, a dot, medium: 1 copper, 2 fibre).
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class TConfigForm;
class TPanelHost;

enum class TPortView { Information, Configuration };

// "Port Information Table" or "Port Configuration".
QString PortViewCaption(TPortView kind);
// The view on the port of instance; the caller shows and destroys it.
std::unique_ptr<TConfigForm> BuildPortView(TPortView kind, const QString& instance, const QString& deviceAddress);
// The popup command: the popup's source button alone stays pressed, then the view is shown
// modally (through showModal when given) and destroyed.
void OpenPortView(TPanelHost& host, TPortView kind, const QString& deviceAddress,
                  const std::function<int(QDialog*)>& showModal = {});
