#include "views/ViewDialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

namespace {

ViewMessageHook& MessageHook()
{
    static ViewMessageHook hook;
    return hook;
}

ViewConfirmHook& ConfirmHook()
{
    static ViewConfirmHook hook;
    return hook;
}

QString Caption()
{
    return QGuiApplication::applicationDisplayName();
}

} // namespace

ViewMessageHook SetViewMessageHook(ViewMessageHook hook)
{
    return std::exchange(MessageHook(), std::move(hook));
}

ViewConfirmHook SetViewConfirmHook(ViewConfirmHook hook)
{
    return std::exchange(ConfirmHook(), std::move(hook));
}

void ShowViewMessage(QWidget* owner, ViewMessageKind kind, const QString& text)
{
    if (const ViewMessageHook& hook = MessageHook()) {
        hook(owner, kind, text);
        return;
    }
    const QMessageBox::Icon icon = kind == ViewMessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, Caption(), text, QMessageBox::Ok, owner);
    box.exec();
}

bool ConfirmView(QWidget* owner, const QString& text)
{
    if (const ViewConfirmHook& hook = ConfirmHook())
        return hook(owner, text);
    QMessageBox box(QMessageBox::Question, Caption(), text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    return box.exec() == QMessageBox::Ok;
}

QWidget* ViewMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MainForm"))
            return w;
    return nullptr;
}
