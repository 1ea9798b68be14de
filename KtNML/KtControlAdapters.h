#pragma once
// Private to the binding: what each kind of control the binding knows does with a field: how
// it shows the field's text, gives it back, is filled from an option list and tells of the
// operator's changes. The binding looks a control's kind up once in a table of these.
#include <QByteArray>
#include <QMetaObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class KtOptionList;
class QObject;
class QWidget;

// A field on its way into its controls.
struct KtShownField {
    int syntax = 0;
    QString text;                                // mapped through textList when there is one
    QByteArray bytes;                            // the byte form, where the controls show bytes
    const KtOptionList* textList = nullptr;      // the list the text was mapped through
    const KtOptionList* choiceList = nullptr;    // the list a choice control selects from
};

struct KtControlAdapter {
    const QMetaObject* kind;
    // Several controls of the kind share one value, a part each (edits and labels): the binding
    // then hands them the field's byte form.
    bool spreads;
    // Binding time: fills a choice from its option list, given whether a second control takes
    // the rest of a prefix value. Null: nothing to fill.
    void (*fill)(QWidget* control, const KtOptionList* list, bool secondControl);
    // The field into the controls, the first of which is of this kind.
    void (*show)(const std::vector<QWidget*>& controls, const KtShownField& field);
    // The field's text from the controls; nothing when they give none (left out of a write).
    // list: the option list of the field, or null.
    std::optional<QString> (*read)(const std::vector<QWidget*>& controls, int syntax, const KtOptionList* list);
    // Hooks what the control does on the operator's changes; changed marks the binding
    // modified. Null: nothing to hook.
    QMetaObject::Connection (*hook)(QWidget* control, QObject* context, const std::function<void()>& changed);
};

// The adapter of the control's kind (subclasses included), null for a kind the binding does
// not know (and for no control).
const KtControlAdapter* KtAdapterOf(const QWidget* control);

// Plain text into or out of an edit or label; -521 for any other control.
void KtSetControlText(QWidget* control, const QString& text);
QString KtControlText(const QWidget* control);
