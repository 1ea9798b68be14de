#pragma once
// The main window: start-up of the module (session, registry, catalogues, command line), the
// menu bar, the scroll box that hosts the front panel and the hidden status texts.
#include "shell/LaunchParams.h"
#include "shell/ToolCommand.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QAction;
class QLabel;
class TDeviceStatus;
class QMenu;
class QScrollArea;
class QStatusBar;

// Registry keys (below HKEY_LOCAL_MACHINE) and the value the module folder is read from.
inline constexpr const char* kHelpPathKey = "\\SOFTWARE\\Norvale\\Modules\\HelpPath";
inline constexpr const char* kHelpPathValue = "1.3.6.1.4.1.32473.10.101.1";  // sysObjectID
inline constexpr const char* kExePathKey = "\\SOFTWARE\\Norvale\\Meridan5.1\\ExePath";
inline constexpr const char* kMibFileKey = "\\SOFTWARE\\Norvale\\Meridan5.1\\MibFile";

// Display scale for a screen density: 1.0 at 96 pixels per inch, 1.25 at any other.
struct DisplayScale {
    bool scaled = false;
    double factor = 1.0;
};
DisplayScale DisplayScaleFor(double logicalDpi);

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs start-up in order. Throws KtException when the global session cannot be opened and
    // LaunchError when the command line and configuration file give a bad number or an
    // SNMPv3 start without a user name.
    explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    bool DisplayScaled() const { return m_scale.scaled; }
    double ScaleFactor() const { return m_scale.factor; }

    const LaunchRecord& Launch() const { return m_launch; }
    const PresenceFlags& Presence() const { return m_presence; }
    const QString& DeviceAddress() const { return m_launch.deviceAddress; }
    // The device as window titles name it: the address, with ":<port>" when it is not 161.
    QString DeviceTitle() const;
    const QString& ModuleFolder() const { return m_moduleFolder; }
    const QString& ConfigFolder() const { return m_configFolder; }
    // Where the message catalogues were read from ("" is the working folder).
    const QString& CatalogueFolder() const { return m_catalogueFolder; }

    // Started without arguments: the message was shown and the program should end.
    bool TerminationRequested() const { return m_terminationRequested; }

    // Set on the first activation of the window, when the front panel is built.
    bool Activated() const { return m_activated; }

    // A menu item by its object name (its caption); nullptr when there is none.
    QAction* MenuAction(const QString& name) const;

    // Device-state gates: each reads its state into its status text, then enables or
    // disables the menu items it guards ("disabled"/"enabled"; any other text changes nothing).
    void RmonGate();
    void Dot1xGate();
    // Read before the spanning-tree commands; the dialogs take ST_STPVersion's text.
    void ReadStpVersion();
    TDeviceStatus* DeviceStatus() const { return m_deviceStatus.get(); }

    // The status bar's one panel.
    void SetStatusText(const QString& text);
    QString StatusText() const;

    // How the tool menu items find and start their tools (the program's folder, then PATH).
    void SetToolStarter(ToolStarter starter) { m_toolStarter = std::move(starter); }
    // The help document "Help" shows (help/vkr2207.html beside the program, or installed).
    const QString& HelpFile() const { return m_helpFile; }
    void SetHelpFile(const QString& fileName) { m_helpFile = fileName; }

    QScrollArea* ScrollBox1 = nullptr;
    QLabel* ST_RmonState = nullptr;
    QLabel* ST_STPVersion = nullptr;
    QLabel* ST_8021xStatus = nullptr;
    QStatusBar* StatusBar = nullptr;

signals:
    // Emitted once, on the first activation.
    void FirstActivated();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Refused while a synchronous read waits (a dialog being built reads the switch): the
    // window, its menu and that dialog stay until the read has ended.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void ReadModuleFolder();
    void LoadCatalogues();
    void ReadConfigFolder();
    void ApplyCommandLine(const QStringList& arguments);
    void OnCreate();
    void RunTool(const QString& argument);
    void ShowHelp();
    void ShowAbout();

    DisplayScale m_scale;
    LaunchRecord m_launch;
    PresenceFlags m_presence;
    QString m_moduleFolder;
    QString m_configFolder;
    QString m_catalogueFolder;
    QLabel* m_statusPanel = nullptr;
    bool m_terminationRequested = false;
    bool m_activated = false;
    bool m_centred = false;
    std::unique_ptr<TDeviceStatus> m_deviceStatus;
    ToolStarter m_toolStarter;
    QString m_helpFile;
};

// The main window while it exists (views read the device address and the scale from it).
extern TMainForm* MainForm;

// Start-up as the program runs it: builds the main window, or shows why it cannot and
// returns nullptr with the program's exit code in *exitCode (0 after "No parameter input").
std::unique_ptr<TMainForm> StartMainForm(const QStringList& arguments, int* exitCode);
