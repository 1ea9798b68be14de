#include "KtNML/KtMessages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

namespace {

QMessageBox::Icon IconOf(KtMessageKind kind)
{
    switch (kind) {
    case KtMessageKind::Information: return QMessageBox::Information;
    case KtMessageKind::Warning: return QMessageBox::Warning;
    case KtMessageKind::Error: return QMessageBox::Critical;
    case KtMessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

class KtQtMessages final : public KtMessages {
public:
    void Show(QWidget* owner, KtMessageKind kind, const QString& caption, const QString& text) override
    {
        QMessageBox box(IconOf(kind), caption, text, QMessageBox::Ok, owner);
        box.exec();
    }
    bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
        return box.exec() == QMessageBox::Yes;
    }
    bool AskOkCancel(QWidget* owner, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
        return box.exec() == QMessageBox::Ok;
    }
    void Beep() override { QApplication::beep(); }
};

KtMessages*& Installed()
{
    static KtMessages* service = nullptr;
    return service;
}

} // namespace

QString KtMessages::DisplayCaption()
{
    return QGuiApplication::applicationDisplayName();
}

KtMessages& KtMessageService()
{
    static KtQtMessages boxes;
    if (KtMessages* service = Installed())
        return *service;
    return boxes;
}

KtMessages* KtSetMessageService(KtMessages* service)
{
    return std::exchange(Installed(), service);
}
