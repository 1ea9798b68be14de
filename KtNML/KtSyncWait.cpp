#include "KtNML/KtSyncWait.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

int g_depth = 0;

struct IdleAction {
    QPointer<QObject> context;
    std::function<void()> action;
};

std::vector<IdleAction>& idleActions()
{
    static std::vector<IdleAction> actions;
    return actions;
}

// Queued, so that the action runs after the operation's caller has returned all the way.
void post(IdleAction entry)
{
    QObject* context = entry.context.data();
    if (!context)
        return;
    QTimer::singleShot(0, context, std::move(entry.action));
}

} // namespace

KtSyncWait::KtSyncWait()
{
    ++g_depth;
}

KtSyncWait::~KtSyncWait()
{
    if (--g_depth > 0)
        return;
    std::vector<IdleAction> actions;
    actions.swap(idleActions());
    for (IdleAction& entry : actions)
        post(std::move(entry));
}

bool KtSyncWait::Active()
{
    return g_depth > 0;
}

void KtSyncWait::LetEventsRun(int maxMs)
{
    KtSyncWait wait;
    if (maxMs > 0)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, maxMs);
    else
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void KtSyncWait::WhenIdle(QObject* context, std::function<void()> action)
{
    IdleAction entry{context, std::move(action)};
    if (g_depth > 0)
        idleActions().push_back(std::move(entry));
    else
        post(std::move(entry));
}
