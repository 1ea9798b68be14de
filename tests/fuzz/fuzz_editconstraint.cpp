// Edit constraints: a format (specifier or compound) and a text, separated by the first line
// feed, go through the parser, the typing and leaving checks, and a constrained line edit
// (text set by the program, text typed, focus lost).
#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtSNMPError.h"
#include "tests/support/MessageRecorder.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QApplication* g_app = nullptr;
QWidget* g_window = nullptr;
testutil::MessageRecorder* g_boxes = nullptr;

void CheckCore(const QString& specifier, const QString& text)
{
    KtEditFormat f;
    try {
        f = ParseEditFormat(specifier);
    } catch (const KtException& e) {
        if (e.Code() != -2)
            std::abort();
        return;
    }
    int cursor = static_cast<int>(text.size());
    const QString kept = CleanTypedText(f, text, &cursor);
    if (cursor < 0 || cursor > kept.size() || kept.size() > text.size())
        std::abort();
    if (CleanTypedText(f, kept) != kept)  // what the check keeps, it keeps again
        std::abort();
    for (const QString& t : {text, kept}) {
        const KtLeaveCheck check = CheckOnLeaving(f, t);
        if ((check.result == KtLeaveCheck::Failed) == check.message.isEmpty())
            std::abort();
        for (const char* placeholder : {"[MIN]", "[MAX]", "[LEN]", "[MAXLEN]", "[COUNT]", "[MAXCOUNT]", "[DELIMITER]"}) {
            if (check.message.contains(QLatin1String(placeholder)))
                std::abort();
        }
    }
}

void CheckEdits(const QString& compound, const QString& text)
{
    // Fresh edits: removing a constraint hands its handlers back to the edit for good.
    std::unique_ptr<QLineEdit> edits[2];
    for (auto& e : edits)
        e = std::make_unique<QLineEdit>(g_window);
    KtEditConstraint constraint(g_window, true);
    try {
        constraint.AddConstraints(compound, {edits[0].get(), edits[1].get()});
    } catch (const KtException& e) {
        if (e.Code() != -2)
            std::abort();
        return;
    }
    QLineEdit* edit = edits[0].get();
    if (!constraint.Find(edit))
        return;
    constraint.SetChangeHandler(edit, [](QLineEdit* e) {
        if (e->text().endsWith(QLatin1Char('!')))
            e->setProperty(kKtEditTagProperty, -1);
    });
    edit->setText(text);
    constraint.SaveLastGood(edit);
    edit->clear();
    edit->insert(text);  // the way typing and pasting arrive
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &out);
    QCoreApplication::sendPostedEvents();
    constraint.RemoveConstraint(edit);
    edit->insert(text);
    QCoreApplication::sendEvent(edit, &out);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* fuzzArgc, char*** fuzzArgv)
{
    // Qt keeps caches (text layouts, fonts) that grow across inputs, so a leak scan after every
    // input that did not free what it allocated would scan on nearly every input. Leaks are
    // still caught when the kept inputs are replayed, at exit.
    static std::vector<char*> args(*fuzzArgv, *fuzzArgv + *fuzzArgc);
    static char noLeakScan[] = "-detect_leaks=0";
    args.insert(args.begin() + 1, noLeakScan);
    args.push_back(nullptr);
    *fuzzArgc = static_cast<int>(args.size()) - 1;
    *fuzzArgv = args.data();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_editconstraint";
    static char* argv[] = {name, nullptr};
    g_app = new QApplication(argc, argv);
    g_boxes = new testutil::MessageRecorder;  // no modal box, no beep
    g_window = new QWidget;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_boxes->Clear();  // what one input showed, not every input's
    const char* bytes = reinterpret_cast<const char*>(data);
    size_t split = 0;
    while (split < size && data[split] != '\n')
        ++split;
    const QString specifier = QString::fromLatin1(bytes, static_cast<qsizetype>(split));
    const QString text = split < size ? QString::fromUtf8(bytes + split + 1, static_cast<qsizetype>(size - split - 1))
                                      : QString();
    CheckCore(specifier, text);
    for (const QString& one : SplitEditFormats(specifier))
        CheckCore(one, text);
    // Line edits lay their text out on every change: keep their share of the time small.
    if (specifier.size() <= 64 && text.size() <= 64)
        CheckEdits(specifier, text);
    return 0;
}
