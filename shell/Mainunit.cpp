#include "shell/Mainunit.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPSession.h"
#include "KtNML/KtSyncWait.h"
#include "panel/PanelHost.h"
#include "panel/PortViews.h"
#include "panel/TrafficGraph.h"
#include "platform/Registry.h"
#include "shell/Aboutunit.h"
#include "shell/DeviceGates.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/StandardMibViews.h"
#include "shell/ModuleFiles.h"
#include "shell/SnapshotForm.h"
#include "shell/TrapReceiverForm.h"
#include "views/WindowTitle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

TMainForm* MainForm = nullptr;

namespace {

constexpr int kMainWidth = 800;
constexpr int kInitialHeight = 600;  // replaced when the front panel is fitted in

QLabel* AddHiddenLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setText(QLatin1String(name));  // design-time caption until the first good read
    label->hide();
    return label;
}

} // namespace

DisplayScale DisplayScaleFor(double logicalDpi)
{
    if (qFuzzyCompare(logicalDpi, 96.0))
        return {false, 1.0};
    return {true, 1.25};
}

TMainForm::TMainForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    // Single border, system menu and minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    setCentralWidget(ScrollBox1);
    ST_RmonState = AddHiddenLabel(this, "ST_RmonState");
    ST_STPVersion = AddHiddenLabel(this, "ST_STPVersion");
    ST_8021xStatus = AddHiddenLabel(this, "ST_8021xStatus");
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(StatusBar);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar->addWidget(m_statusPanel, 1);
    setStatusBar(StatusBar);
    CreateMenus();
    // The front panel: built on the first activation, rebuilt by "Refresh Panel".
    connect(this, &TMainForm::FirstActivated, this, [this] {
        TMainMenu* menu = TMainMenu::Of(this);
        auto* host = new TPanelHost(this, ScrollBox1, m_statusPanel, menu ? menu->PortInfoPopupMenu() : nullptr);
        host->setObjectName(QStringLiteral("PanelHost"));
        host->Gates = [this] {
            RmonGate();
            Dot1xGate();
        };
        host->BuildPanel(1);
        // The switch's notifications: received from now on, the panel reading its LEDs on a
        // link change.
        StartNotificationService(this, m_launch, m_configFolder + DeviceAddress() + QStringLiteral(".cfg"),
                                 [host = QPointer<TPanelHost>(host)] { return ReadPanelLeds(host); });
    });
    if (TMainMenu* menu = TMainMenu::Of(this)) {
        menu->SetShellHandler(KtShellCommand::TrapReceiver, [this] { OpenTrapReceiverForm(this, DeviceAddress()); });
        if (QAction* item = MenuAction(QStringLiteral("Trap Receiver")))
            item->setVisible(true);
    }
    if (TMainMenu* menu = TMainMenu::Of(this))
        menu->SetShellHandler(KtShellCommand::RefreshPanel, [this] {
            if (auto* host = findChild<TPanelHost*>(QStringLiteral("PanelHost"), Qt::FindDirectChildrenOnly))
                host->RefreshPanel();
        });
    // External tools, help and About.
    m_toolStarter = DefaultToolStarter(QCoreApplication::applicationDirPath());
    m_helpFile = HelpFileIn(QCoreApplication::applicationDirPath());
    if (TMainMenu* menu = TMainMenu::Of(this)) {
        menu->SetToolLauncher([this](const QString& argument) { RunTool(argument); });
        menu->SetShellHandler(KtShellCommand::Help, [this] { ShowHelp(); });
        menu->SetShellHandler(KtShellCommand::About, [this] { ShowAbout(); });
    }
    // Configuration snapshots of the switch this window manages.
    for (const auto& [command, mode] : {std::pair{KtShellCommand::SaveSnapshot, TSnapshotForm::Mode::Save},
                                        std::pair{KtShellCommand::CompareSnapshot, TSnapshotForm::Mode::Compare},
                                        std::pair{KtShellCommand::RestoreSnapshot, TSnapshotForm::Mode::Restore}})
        if (TMainMenu* menu = TMainMenu::Of(this))
            menu->SetShellHandler(command, [this, mode] { TSnapshotForm::RunCommand(this, mode, KtSNMPDefaults); });
    // The port popup's views, on the button the popup was opened on.
    for (const auto& [command, kind] : {std::pair{KtShellCommand::PortInformation, TPortView::Information},
                                        std::pair{KtShellCommand::PortConfiguration, TPortView::Configuration}})
        if (TMainMenu* menu = TMainMenu::Of(this))
            menu->SetShellHandler(command, [this, kind] {
                if (auto* host = findChild<TPanelHost*>(QStringLiteral("PanelHost"), Qt::FindDirectChildrenOnly))
                    OpenPortView(*host, kind, DeviceTitle());
            });
    // The port's live traffic graph: a window of its own beside the panel.
    if (TMainMenu* menu = TMainMenu::Of(this))
        menu->SetShellHandler(KtShellCommand::TrafficGraph, [this] {
            if (auto* host = findChild<TPanelHost*>(QStringLiteral("PanelHost"), Qt::FindDirectChildrenOnly))
                OpenTrafficGraph(*host, DeviceTitle());
        });

    const QScreen* screen = QGuiApplication::primaryScreen();
    m_scale = DisplayScaleFor(screen ? screen->logicalDotsPerInch() : 96.0);
    setFixedSize(kMainWidth, kInitialHeight);

    KtSNMPInitSession(QString());
    KtSNMPDefaults.security.version = 0;

    ReadModuleFolder();
    LoadCatalogues();
    ReadConfigFolder();
    ApplyCommandLine(arguments);

    OnCreate();
    MainForm = this;
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

// The whole menu tree (shell/MainMenu.cpp); its commands reach the gates through these hooks.
void TMainForm::CreateMenus()
{
    TMenuHooks hooks;
    hooks.deviceAddress = [this] { return DeviceTitle(); };
    hooks.displayScale = [this] { return ScaleFactor(); };
    hooks.rmonGate = [this] { RmonGate(); };
    hooks.dot1xGate = [this] { Dot1xGate(); };
    hooks.readStpVersion = [this] { ReadStpVersion(); };
    auto* menu = new TMainMenu(this, std::move(hooks));
    menu->RegisterMenuDialogs([this] { return DisplayScaled(); });
}

namespace {

// An item of a named menu: names such as "Statistics" occur in more than one menu.
QAction* MenuItem(const QWidget* window, const char* menu, const char* item)
{
    const auto* m = window->findChild<QMenu*>(QLatin1String(menu));
    return m ? m->findChild<QAction*>(QLatin1String(item), Qt::FindDirectChildrenOnly) : nullptr;
}

// "disabled" and "enabled" set the items; any other text leaves them as they are.
void Gate(const QString& state, std::initializer_list<QAction*> items)
{
    if (state != QLatin1String("disabled") && state != QLatin1String("enabled"))
        return;
    for (QAction* action : items)
        if (action)
            action->setEnabled(state == QLatin1String("enabled"));
}

} // namespace

void TMainForm::RmonGate()
{
    m_deviceStatus->Read(TDeviceStatus::RmonState);
    Gate(ST_RmonState->text(), {MenuItem(this, "RMON", "Statistics"), MenuItem(this, "RMON", "History"),
                                MenuItem(this, "RMON", "Alarm/Event")});
}

void TMainForm::Dot1xGate()
{
    m_deviceStatus->Read(TDeviceStatus::Dot1xStatus);
    Gate(ST_8021xStatus->text(), {MenuItem(this, "Security Management", "Authentication Mode Setting")});
}

void TMainForm::ReadStpVersion()
{
    m_deviceStatus->Read(TDeviceStatus::StpVersion);
}

QString TMainForm::DeviceTitle() const
{
    return KtDeviceText(m_launch.deviceAddress, KtSNMPDefaults.device.port);
}

QAction* TMainForm::MenuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

// The module folder is the HelpPath value less its last characters (the help file's name).
// When the key opens the switch's file-system menus give way to the image and config menus.
void TMainForm::ReadModuleFolder()
{
    if (const auto folder = ModuleFolderFromRegistry(true)) {
        m_moduleFolder = *folder;
        const std::pair<const char*, bool> items[] = {
            {"File System", false},
            {"Agent Supported Config Files", false},
            {"Multiple Image Management", true},
            {"Multiple Config Management", true},
        };
        for (const auto& [name, visible] : items) {
            if (QAction* action = MenuAction(QLatin1String(name)))
                action->setVisible(visible);
        }
    }
}

void TMainForm::LoadCatalogues()
{
    m_catalogueFolder = CatalogueFolderFor(m_moduleFolder, QCoreApplication::applicationDirPath());
    for (const KtCatalogueFile& file : kKtCatalogueFiles)
        LoadCatalogue(file.family, m_catalogueFolder + QLatin1String(file.fileName));
}

void TMainForm::ReadConfigFolder()
{
    m_configFolder = ConfigFolderFromRegistry();
}

void TMainForm::ApplyCommandLine(const QStringList& arguments)
{
    LaunchParser parser(KtSNMPDefaults, m_configFolder);  // presence flags start clear
    if (arguments.isEmpty()) {
        KtMessageService().Information(nullptr, QApplication::applicationName(), QStringLiteral("No parameter input"));
        m_terminationRequested = true;
    } else {
        parser.ApplyArguments(arguments);
        parser.CheckComplete();
    }
    m_launch = parser.Record();
    m_presence = parser.Flags();
    if (QAction* v3 = MenuAction(QStringLiteral("SNMP V3")))
        v3->setEnabled(KtSNMPDefaults.security.version == 3);
    // Only SNMPv3 needs the engine boots kept: a file that cannot be written ends start-up.
    if (KtSNMPDefaults.security.version == 3 && !m_terminationRequested)
        KtSNMPSaveEngineBoots();
}

void TMainForm::OnCreate()
{
    m_activated = false;
    setWindowTitle(DeviceTitle());
    m_deviceStatus = std::make_unique<TDeviceStatus>(this, ST_RmonState, ST_STPVersion, ST_8021xStatus,
                                                     [this](const QString& message) { SetStatusText(message); });
}

void TMainForm::RunTool(const QString& argument)
{
    // Without the host suite (or when the device file prefers them) the module shows the same
    // objects in its own views, opened as the menu opens generic views.
    const std::span<const KtViewEntry> views = FindToolViews(argument);
    TMainMenu* menu = TMainMenu::Of(this);
    QString program;  // looked up once: the start below reuses it
    if (!views.empty() && menu) {
        const QString tool = ToolNameOf(argument);
        if (!m_launch.builtInViews && m_toolStarter.find)
            program = m_toolStarter.find(tool);
        if (m_launch.builtInViews || program.isEmpty()) {
            const QString shown = views.size() > 1 ? QStringLiteral("views") : QStringLiteral("view");
            const QString notice = m_launch.builtInViews
                                       ? QStringLiteral("BuiltInViews=1: showing the built-in %1").arg(shown)
                                       : QStringLiteral("%1 not installed: showing the built-in %2").arg(tool, shown);
            // Said in each view, where it stays (the LED poll rewrites the status bar).
            SetStatusText(notice);
            for (const KtViewEntry& view : views)
                menu->OpenGenericView(view, KtMenuStep::None, notice);
            return;
        }
    }
    ToolStarter starter = m_toolStarter;
    if (!program.isEmpty())
        starter.find = [program](const QString&) { return program; };
    if (const auto status = LaunchTool(argument, m_launch, m_presence, KtSNMPDefaults.security.version, starter))
        SetStatusText(*status);
}

// One help window at a time; asked again, the open one comes to the front.
void TMainForm::ShowHelp()
{
    if (auto* open = findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->show();  // Escape only hides it
        open->raise();
        open->activateWindow();
        return;
    }
    const QFileInfo file(m_helpFile);
    const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!file.isFile()) {
        KtMessageService().Error(this, QApplication::applicationName(),
                                 QStringLiteral("The help file %1 was not found.").arg(shown));
        return;
    }
    if (!file.isReadable()) {
        KtMessageService().Error(this, QApplication::applicationName(),
                                 QStringLiteral("The help file %1 cannot be read.").arg(shown));
        return;
    }
    auto* help = new THelpWindow(this, m_helpFile);
    help->show();
}

void TMainForm::ShowAbout()
{
    TAboutForm about(this);
    about.exec();
}

void TMainForm::SetStatusText(const QString& text)
{
    m_statusPanel->setText(text);
}

QString TMainForm::StatusText() const
{
    return m_statusPanel->text();
}

namespace {

// The start-up reads are synchronous and take seconds when the switch does not answer: the
// window is painted first with a wait cursor and a status text, both restored on every path.
// A message a read left in the status bar stays.
class StartupReadsNotice {
public:
    StartupReadsNotice(QWidget* window, QLabel* status, const QString& address)
        : m_status(status), m_previous(status->text()),
          m_text(QStringLiteral("Reading %1...").arg(address))
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_status->setText(m_text);
        window->repaint();
        // Lets the window system show the cursor and the painted window; input stays queued.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~StartupReadsNotice()
    {
        if (m_status && m_status->text() == m_text)
            m_status->setText(m_previous);
        QApplication::restoreOverrideCursor();
    }
    StartupReadsNotice(const StartupReadsNotice&) = delete;
    StartupReadsNotice& operator=(const StartupReadsNotice&) = delete;

private:
    QPointer<QLabel> m_status;
    QString m_previous;
    QString m_text;
};

} // namespace

void TMainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated) {
        m_activated = true;
        const StartupReadsNotice notice(this, m_statusPanel, DeviceAddress());
        emit FirstActivated();  // front panel and port buttons first
        RmonGate();
        Dot1xGate();
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (KtSyncWait::Active()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::unique_ptr<TMainForm> StartMainForm(const QStringList& arguments, int* exitCode)
{
    *exitCode = 0;
    try {
        auto form = std::make_unique<TMainForm>(arguments);
        if (form->TerminationRequested())
            return nullptr;
        return form;
    } catch (const KtException& e) {
        KtMessageService().Error(nullptr, QApplication::applicationName(), e.Message());
    } catch (const LaunchError& e) {
        KtMessageService().Error(nullptr, QApplication::applicationName(), e.Message());
    }
    *exitCode = 1;
    return nullptr;
}
