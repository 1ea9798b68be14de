#pragma once
// Records what the module would show in message boxes, questions and beeps, in place of the
// modal boxes, while it lives (it installs itself as the message service and puts the previous
// one back). Header only: a test links ktnml_messages for it.
#include "KtNML/KtMessages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace testutil {

class MessageRecorder final : public KtMessages {
public:
    struct Box {
        QWidget* owner;
        KtMessageKind kind;
        QString caption;
        QString text;
    };

    MessageRecorder() : m_previous(KtSetMessageService(this)) {}
    ~MessageRecorder() override { KtSetMessageService(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Show(QWidget* owner, KtMessageKind kind, const QString& caption, const QString& text) override
    {
        boxes.push_back({owner, kind, caption, text});
        texts << text;
        if (onShow)
            onShow();
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text) override
    {
        questions << text;
        return answer;
    }
    bool AskOkCancel(QWidget*, const QString&, const QString& text) override
    {
        questions << text;
        return answer;
    }
    void Beep() override { ++beeps; }

    // The texts of the boxes of one kind, in order.
    QStringList TextsOf(KtMessageKind kind) const
    {
        QStringList out;
        for (const Box& b : boxes)
            if (b.kind == kind)
                out << b.text;
        return out;
    }
    void Clear()
    {
        boxes.clear();
        texts.clear();
        questions.clear();
        beeps = 0;
    }

    std::vector<Box> boxes;     // every box shown
    QStringList texts;          // their texts
    QStringList questions;      // Yes/No and OK/Cancel questions asked
    bool answer = true;         // Yes / OK
    int beeps = 0;
    std::function<void()> onShow;  // runs after a box is recorded

private:
    KtMessages* m_previous;
};

} // namespace testutil
