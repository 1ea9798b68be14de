#include "KtNML/KtControlAdapters.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtRadioGroup.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPVarList.h"
#include "KtNML/KtSpreadValue.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kOutOfRange = -12;  // "Out of range at index of array or list!"

bool IsBoolSyntax(int syntax)
{
    return syntax == KtSyn::Boolean || syntax == KtSyn::Bool8 || syntax == KtSyn::Bool16;
}

// A combo box keeps the width of its form; its list opens wide enough for the longest option.
void FitPopupToItems(QComboBox& combo)
{
    QAbstractItemView* view = combo.view();
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (int k = 0; k < combo.count(); ++k)
        widest = std::max(widest, metrics.horizontalAdvance(combo.itemText(k)));
    widest = std::max(widest, view->sizeHintForColumn(0));
    const int margins = 2 * view->frameWidth() + 2 * metrics.averageCharWidth()
        + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    view->setMinimumWidth(widest + margins);
}

// ---- edits and labels: plain text, or a part each of a value spread over several ----------

void ShowText(const std::vector<QWidget*>& controls, const KtShownField& field)
{
    if (controls.size() == 1) {
        KtSetControlText(controls.front(), field.text);
        return;
    }
    const std::optional<QStringList> parts = KtSplitValue(field.syntax, field.text, field.bytes, int(controls.size()));
    if (!parts)
        return;
    for (qsizetype k = 0; k < parts->size(); ++k)
        KtSetControlText(controls[std::size_t(k)], parts->at(k));
}

std::optional<QString> ReadText(const std::vector<QWidget*>& controls, int syntax, const KtOptionList*)
{
    if (controls.size() == 1)
        return KtControlText(controls.front());
    const int used = KtSpreadUsedParts(syntax, int(controls.size()));
    QStringList parts;
    for (int k = 0; k < used; ++k)
        parts << KtControlText(controls[std::size_t(k)]);
    return KtJoinValue(syntax, parts);
}

QMetaObject::Connection HookEdit(QWidget* control, QObject*, const std::function<void()>&)
{
    // A text longer than its field is read whole in the tooltip.
    auto* edit = static_cast<QLineEdit*>(control);
    return QObject::connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
}

// ---- one check box: an option list's first two options, or a boolean -----------------------

void ShowCheckBox(const std::vector<QWidget*>& controls, const KtShownField& field)
{
    auto* box = static_cast<QCheckBox*>(controls.front());
    if (field.textList) {
        int index = field.textList->IndexOfText(field.text);
        if (index < 0)
            index = field.textList->IndexOfValue(field.text);
        box->setChecked(index > 0);  // the first option and unlisted values mean "off"
    } else if (IsBoolSyntax(field.syntax)) {
        box->setChecked(field.text == QLatin1String("true"));
    } else {
        KtRaise(KtErr::BadPartialSyntax);
    }
}

std::optional<QString> ReadCheckBox(const std::vector<QWidget*>& controls, int syntax, const KtOptionList* list)
{
    const bool checked = static_cast<const QCheckBox*>(controls.front())->isChecked();
    if (list) {
        if (list->Count() < 2)
            KtRaise(kOutOfRange);
        return list->Option(checked ? 1 : 0).text;
    }
    if (IsBoolSyntax(syntax))
        return checked ? QStringLiteral("true") : QStringLiteral("false");
    KtRaise(KtErr::BadPartialSyntax);
}

QMetaObject::Connection HookCheckBox(QWidget* control, QObject* context, const std::function<void()>& changed)
{
    return QObject::connect(static_cast<QCheckBox*>(control), &QCheckBox::clicked, context, changed);
}

// ---- combo box: an option, and with a second control the rest of a prefix value ------------

void FillComboBox(QWidget* control, const KtOptionList* list, bool secondControl)
{
    if (!list)
        KtRaise(KtErr::NoOptionList);
    auto* combo = static_cast<QComboBox*>(control);
    list->FillComboBox(*combo);
    // Filling selects the first option; nothing has been read yet, so nothing is chosen.
    combo->setCurrentIndex(-1);
    FitPopupToItems(*combo);
    if (list->ValueType() == KtOptValue::Prefix && !secondControl)
        KtRaise(KtErr::NotEnoughControls);
}

void ShowComboBox(const std::vector<QWidget*>& controls, const KtShownField& field)
{
    if (!field.choiceList)
        KtRaise(KtErr::NoOptionList);
    auto* combo = static_cast<QComboBox*>(controls.front());
    field.choiceList->SelectComboBox(*combo, field.text);
    if (controls.size() > 1) {
        const QString selected = combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : QString();
        QString rest = field.text.mid(selected.size());
        if (field.syntax == KtSyn::ObjectId && !rest.isEmpty())
            rest.remove(0, 1);  // the "." after the prefix
        KtSetControlText(controls[1], rest);
    }
}

std::optional<QString> ReadComboBox(const std::vector<QWidget*>& controls, int syntax, const KtOptionList*)
{
    const auto* combo = static_cast<const QComboBox*>(controls.front());
    if (combo->currentIndex() < 0)
        return std::nullopt;  // nothing chosen: left out of the write
    QString text = combo->itemText(combo->currentIndex());
    if (controls.size() > 1) {
        if (syntax == KtSyn::ObjectId)
            text += u'.';
        text += KtControlText(controls[1]);
    }
    return text;
}

QMetaObject::Connection HookComboBox(QWidget* control, QObject* context, const std::function<void()>& changed)
{
    return QObject::connect(static_cast<QComboBox*>(control), &QComboBox::activated, context, changed);
}

// ---- radio group: an option ---------------------------------------------------------------

void FillRadioGroup(QWidget* control, const KtOptionList* list, bool)
{
    if (!list)
        KtRaise(KtErr::NoOptionList);
    list->FillRadioGroup(*static_cast<KtRadioGroup*>(control));
}

void ShowRadioGroup(const std::vector<QWidget*>& controls, const KtShownField& field)
{
    if (!field.choiceList)
        KtRaise(KtErr::NoOptionList);
    field.choiceList->SelectRadioGroup(*static_cast<KtRadioGroup*>(controls.front()), field.text);
}

std::optional<QString> ReadRadioGroup(const std::vector<QWidget*>& controls, int, const KtOptionList*)
{
    const auto* group = static_cast<const KtRadioGroup*>(controls.front());
    if (group->currentIndex() < 0)
        return std::nullopt;
    return group->itemText(group->currentIndex());
}

QMetaObject::Connection HookRadioGroup(QWidget* control, QObject* context, const std::function<void()>& changed)
{
    return QObject::connect(static_cast<KtRadioGroup*>(control), &KtRadioGroup::clicked, context, changed);
}

const KtControlAdapter kAdapters[] = {
    {&QLineEdit::staticMetaObject, true, nullptr, ShowText, ReadText, HookEdit},
    {&QLabel::staticMetaObject, true, nullptr, ShowText, ReadText, nullptr},
    {&QCheckBox::staticMetaObject, false, nullptr, ShowCheckBox, ReadCheckBox, HookCheckBox},
    {&QComboBox::staticMetaObject, false, FillComboBox, ShowComboBox, ReadComboBox, HookComboBox},
    {&KtRadioGroup::staticMetaObject, false, FillRadioGroup, ShowRadioGroup, ReadRadioGroup, HookRadioGroup},
};

} // namespace

const KtControlAdapter* KtAdapterOf(const QWidget* control)
{
    if (!control)
        return nullptr;
    const auto it = std::find_if(std::begin(kAdapters), std::end(kAdapters),
                                 [&](const KtControlAdapter& a) { return a.kind->cast(control) != nullptr; });
    return it == std::end(kAdapters) ? nullptr : it;
}

void KtSetControlText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        // A fixed-width field shows where its text begins; setText leaves the cursor, and
        // with it the visible part, at the end.
        edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else {
        KtRaise(KtErr::BadControlType);
    }
}

QString KtControlText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    KtRaise(KtErr::BadControlType);
}
