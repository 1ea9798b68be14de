// Renders the module's windows into PNG files for a look at how they read: the main window
// (front panel and LEDs, after the first LED poll), a table view with a selected row and a red
// error line in its status memo, and a port's traffic graph, all read from the simulator.
// scripts/screenshots runs it at scale factors 1 and 2 (QT_SCALE_FACTOR) with the light and a
// dark palette.
//
//   vkr_screenshots <output folder> [--dark]
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPSession.h"
#include "panel/TrafficGraph.h"
#include "shell/MainMenu.h"
#include "shell/Mainunit.h"
#include "tests/support/SimProcess.h"
#include "views/Guiconfigform.h"
#include "views/SNMPListViewPanel.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

namespace {

bool WaitFor(const std::function<bool()>& done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void Settle(int ms)
{
    WaitFor([] { return false; }, ms);
}

// A dark palette as desktops give one: light text on dark grey, a blue selection.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    return p;
}

bool Save(QWidget* w, const QString& file)
{
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(file)));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vkr_screenshots <output folder> [--dark]\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path()))
        return 1;
    if (args.contains(QStringLiteral("--dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }

    // A registry file of our own: nothing of the operator's is read.
    QTemporaryDir work;
    qputenv("VKR_REGISTRY_FILE", work.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    QDir::setCurrent(work.path());
    testutil::SimProcess sim;
    if (!sim.start()) {
        std::fprintf(stderr, "the simulator did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    int exitCode = 0;
    auto form = StartMainForm({"/I" + sim.address(), "/v1", "/Rpublic", "/Wprivate"}, &exitCode);
    if (!form)
        return exitCode ? exitCode : 1;
    KtSNMPDefaults.device.port = sim.port();
    KtSNMPDefaults.timeout = 300;
    form->show();
    form->activateWindow();
    WaitFor([&] { return form->Activated(); }, 10000);
    Settle(6000);  // the first LED poll has painted
    bool ok = Save(form.get(), out.filePath(QStringLiteral("main.png")));

    // A table view: its rows, one selected, and an error's red line in the memo.
    TMainMenu* menu = TMainMenu::Of(form.get());
    const KtViewEntry* entry = FindView("Layer 2 Management / Port Management / Port Information Table");
    std::unique_ptr<TConfigForm> view(menu && entry ? menu->BuildGenericView(*entry) : nullptr);
    if (!view)
        return 1;
    auto* table = qobject_cast<TSNMPListViewPanel*>(view->Panel());
    view->show();
    WaitFor([&] { return table->Memo()->toPlainText().contains(QLatin1String("Get:")) && !table->Request()->Busy(); },
            20000);
    Settle(200);
    if (table->ListView()->topLevelItemCount() > 1)
        table->ListView()->setCurrentItem(table->ListView()->topLevelItem(1));
    // The line a failed write leaves (a read that fails empties the list first).
    table->Request()->ShowStatus(1, QStringLiteral("(SNMPClass) SNMP request timed out!"));
    Settle(200);
    ok = Save(view.get(), out.filePath(QStringLiteral("table.png"))) && ok;
    view->close();
    WaitFor([&] { return !view->isVisible(); }, 10000);
    view.reset();

    // The traffic graph of port 1 after a few readings.
    {
        auto* graph = new TTrafficGraphForm(1, form->DeviceTitle(), form.get());
        graph->show();
        Settle(4000);
        ok = Save(graph, out.filePath(QStringLiteral("traffic.png"))) && ok;
        graph->close();
    }
    form.reset();
    return ok ? 0 : 1;
}
