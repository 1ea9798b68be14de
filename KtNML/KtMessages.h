#pragma once
// The one way the module speaks to the operator outside its status lines: message boxes,
// Yes/No and OK/Cancel questions, and the beep. Everything that shows a box goes through the
// installed service, so tests (and scripted runs) install one recorder in place of the modal
// boxes. The interface names no widget class beyond the owner pointer.
#include <QString>

class QWidget;

// Plain boxes carry no icon (edit constraints and the binding show them so).
enum class KtMessageKind { Plain, Information, Warning, Error };

class KtMessages {
public:
    virtual ~KtMessages() = default;

    // A box with one OK button, parented to owner (may be null).
    virtual void Show(QWidget* owner, KtMessageKind kind, const QString& caption, const QString& text) = 0;
    // Questions: true for Yes, and for OK.
    virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
    virtual bool AskOkCancel(QWidget* owner, const QString& caption, const QString& text) = 0;
    virtual void Beep() = 0;

    void Plain(QWidget* owner, const QString& caption, const QString& text)
    {
        Show(owner, KtMessageKind::Plain, caption, text);
    }
    void Information(QWidget* owner, const QString& caption, const QString& text)
    {
        Show(owner, KtMessageKind::Information, caption, text);
    }
    void Warning(QWidget* owner, const QString& caption, const QString& text)
    {
        Show(owner, KtMessageKind::Warning, caption, text);
    }
    void Error(QWidget* owner, const QString& caption, const QString& text)
    {
        Show(owner, KtMessageKind::Error, caption, text);
    }

    // The caption of the views' and dialogs' boxes: the application's display name.
    static QString DisplayCaption();
};

// The installed service; the Qt message boxes unless another was installed.
KtMessages& KtMessageService();
// Installs service (null restores the Qt boxes) and returns the one it replaced (null for the
// Qt boxes). The caller keeps ownership and must restore the previous one before the service
// goes away.
KtMessages* KtSetMessageService(KtMessages* service);
