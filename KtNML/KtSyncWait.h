#pragma once
// A synchronous operation (a read or write in mode 0, a wait for a switch to settle) blocks
// its caller, yet lets the event loop run now and then: rows appear while a walk runs, the
// window repaints, the LED poll goes on. The operator's input (mouse, keys, the window
// manager's close) is held back meanwhile and delivered once the operation has ended, so no
// command of the form, no second form and no close can start while the caller still holds its
// request on the stack.
//
//   {
//       KtSyncWait wait;            // while it lives, KtSyncWait::Active() is true
//       ...
//       KtSyncWait::LetEventsRun(); // paints, timers, replies; no user input
//   }
//   KtSyncWait::WhenIdle(form, [form] { form->close(); });  // once no wait is on the stack
#include <QObject>

#include <functional>

class KtSyncWait {
public:
    KtSyncWait();
    ~KtSyncWait();
    KtSyncWait(const KtSyncWait&) = delete;
    KtSyncWait& operator=(const KtSyncWait&) = delete;

    // True while some synchronous operation is waiting further up the stack.
    static bool Active();
    // Runs the events that have come, user input excepted (held back until the wait ends).
    static void LetEventsRun(int maxMs = 0);
    // Runs action from the event loop once no wait is active any more (at once, queued, when
    // none is); nothing when context has been destroyed by then.
    static void WhenIdle(QObject* context, std::function<void()> action);
};
