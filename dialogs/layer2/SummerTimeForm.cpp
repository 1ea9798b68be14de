#include "dialogs/layer2/SummerTimeForm.h"
#include "dialogs/tables/Layer2Tables.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtOptionList.h"
#include "views/CtrlPanels.h"
#include "views/SNMPEditorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

using namespace Layer2Tables::SummerTime;

const QString kRepeating = QStringLiteral("repeating");
const QString kAnnual = QStringLiteral("annual");

// An edit's text as a number; empty or anything else that is no whole number counts as -1.
int NumberOf(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : -1;
}

QComboBox* MakeList(const char* name)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QLineEdit* MakeEdit(const char* name, const char* hint)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(QLatin1String(hint));
    edit->setPlaceholderText(QLatin1String(hint));
    return edit;
}

// The bold ":" between the hour and the minute.
void AddColon(QWidget* panel, const QLineEdit* hour)
{
    auto* colon = new QLabel(QStringLiteral(":"), panel);
    colon->setObjectName(QStringLiteral("Colon"));
    QFont bold = colon->font();
    bold.setBold(true);
    colon->setFont(bold);
    colon->adjustSize();
    colon->move(hour->x() + hour->width(), 2);
    colon->show();
}

} // namespace

const KtDialogType TSummerTimeForm::Type = KtDialogType::Of<TSummerTimeForm>("Summer Time: ");

TSummerTimeForm::TSummerTimeForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("SummerTimeForm"));
    // Both reads and writes run synchronously.
    SetSynchronous(true);
    FormCreate();
}


void TSummerTimeForm::FormCreate()
{
    m_request = &AddRequest(kSummerTime, KtItem::SVT_SV, 0, QStringLiteral("summerTime"));
    m_request->Mode = 0;

    Editor = HostEditorPanel(this, m_request);
    Editor->SetEditWidth(kEditWidth);
    Editor->SetVarFormat(kOffsetRow, QStringLiteral("%i{n30x120l3}"));
    BuildRepeatingRow(kRepeatStart);
    BuildRepeatingRow(kRepeatEnd);
    BuildAnnualRow(kAnnualStart);
    BuildAnnualRow(kAnnualEnd);

    StatusCombo = qobject_cast<QComboBox*>(Editor->EditsPanel()->RowAt(kStatusRow).Value);
    Editor->SetRefreshHandler([this] { Refresh(); });
    Editor->SetSetHandler([this](QPushButton* pressed) { Set(pressed); });
    connect(StatusCombo, &QComboBox::currentIndexChanged, this, [this] {
        // A read shows the rows of what it read once it has ended.
        if (!m_reading)
            ShowModeRows();
    });

    StatusCombo->setCurrentIndex(StatusCombo->findText(kRepeating));
    m_request->VarList().Item(kStatusRow).Value = kRepeating;
    ShowModeRows();
    Editor->EditsPanel()->Layout(true);
    Editor->ShowContent(Editor->EditsPanel());
    const QSize frame = Editor->FrameSize();
    SetFormSize(frame.width(), frame.height());
    FitPanelIntoHost(this, Editor);
    Refresh();
}

// Week, weekday (two octets), month, hour and minute; shown month first.
void TSummerTimeForm::BuildRepeatingRow(int row)
{
    TEditsPanel* edits = Editor->EditsPanel();
    TCompositePanel* panel = edits->MakeCompositeRow(row);
    RuleControls& rule = Rule(row);
    rule.Month = MakeList("Month");
    rule.Week = MakeList("Week");
    rule.Weekday = MakeList("Weekday");
    rule.Hour = MakeEdit("Hour", "Hour");
    rule.Minute = MakeEdit("Minute", "Minute");
    const int w = panel->width();
    const QWidget* order[] = {rule.Month, rule.Week, rule.Weekday, rule.Hour, rule.Minute};
    for (int l = 0; l < 5; ++l) {
        QWidget* c = const_cast<QWidget*>(order[l]);
        edits->AddCompositeControl(row, c);
        const bool edit = l >= 3;
        c->setGeometry(w * l / 5 + (edit ? 4 : 0), 0, edit ? w / 5 - 4 : w / 5, panel->height());
    }
    AddColon(panel, rule.Hour);
    m_request->BindFieldDropDown(row, 0, KtSyn::UInt8, &olWeeks, rule.Week);
    m_request->BindFieldDropDown(row, 1, KtSyn::UInt16, &olWeekdays, rule.Weekday);
    m_request->BindFieldDropDown(row, 3, KtSyn::UInt8, &olMonths, rule.Month);
    m_request->BindFieldFormatted(row, 4, KtSyn::UInt8, nullptr, QStringLiteral("%i"), {rule.Hour});
    m_request->BindFieldFormatted(row, 5, KtSyn::UInt8, nullptr, QStringLiteral("%i"), {rule.Minute});
}

// Day, month, hour and minute, in octet order.
void TSummerTimeForm::BuildAnnualRow(int row)
{
    TEditsPanel* edits = Editor->EditsPanel();
    TCompositePanel* panel = edits->MakeCompositeRow(row);
    RuleControls& rule = Rule(row);
    rule.Day = MakeEdit("Day", "Day");
    rule.Month = MakeList("Month");
    rule.Hour = MakeEdit("Hour", "Hour");
    rule.Minute = MakeEdit("Minute", "Minute");
    const int w = panel->width();
    QWidget* order[] = {rule.Day, rule.Month, rule.Hour, rule.Minute};
    for (int n = 0; n < 4; ++n) {
        edits->AddCompositeControl(row, order[n]);
        order[n]->setGeometry(w * n / 4 + (n > 1 ? 4 : 0), 0, w / 4 - 4, panel->height());
    }
    AddColon(panel, rule.Hour);
    m_request->BindFieldFormatted(row, 0, KtSyn::UInt8, nullptr, QStringLiteral("%i"), {rule.Day});
    m_request->BindFieldDropDown(row, 1, KtSyn::UInt8, &olMonths, rule.Month);
    m_request->BindFieldFormatted(row, 2, KtSyn::UInt8, nullptr, QStringLiteral("%i"), {rule.Hour});
    m_request->BindFieldFormatted(row, 3, KtSyn::UInt8, nullptr, QStringLiteral("%i"), {rule.Minute});
}

std::vector<int> TSummerTimeForm::ModeRows() const
{
    const QString mode = StatusCombo ? StatusCombo->currentText() : QString();
    if (mode == kRepeating)
        return {kRepeatStart, kRepeatEnd};
    if (mode == kAnnual)
        return {kAnnualStart, kAnnualEnd};
    return {};
}

void TSummerTimeForm::ShowModeRows()
{
    TEditsPanel* edits = Editor->EditsPanel();
    const std::vector<int> shown = ModeRows();
    for (int row = kRepeatStart; row <= kAnnualEnd; ++row) {
        if (std::find(shown.begin(), shown.end(), row) != shown.end()) {
            edits->ShowRow(row);
        } else {
            edits->HideRow(row);
            edits->RowAt(row).Tick->setChecked(false);
        }
    }
    edits->Layout(false);
}

void TSummerTimeForm::Include(int row, bool included)
{
    std::int32_t& access = m_request->VarList().Item(row).Access;
    if (included)
        access &= ~KtAcc::Invalid;
    else
        access |= KtAcc::Invalid;
}

bool TSummerTimeForm::Ticked(int row) const
{
    return Editor->EditsPanel()->RowAt(row).Tick->isChecked();
}

void TSummerTimeForm::Refresh()
{
    if (!m_request)
        return;
    m_request->Request().Alive = true;
    if (m_request->Busy())
        return;
    // The status alone first: which rule to read depends on it.
    m_reading = true;
    for (int row = 0; row < kRowCount; ++row)
        Include(row, row == kStatusRow);
    try {
        m_request->Get();
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    }
    m_reading = false;
    ShowModeRows();
    const QString mode = StatusCombo->currentText();

    m_reading = true;
    Include(kOffsetRow, true);
    for (int row : ModeRows())
        Include(row, true);
    try {
        m_request->Get();
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    }
    m_reading = false;
    // The status read again may name another rule by now.
    if (StatusCombo->currentText() != mode)
        ShowModeRows();
}

int TSummerTimeForm::MonthLength(int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

bool TSummerTimeForm::CheckRule(int row, bool annual)
{
    if (!Ticked(row))
        return true;
    const RuleControls& rule = Rule(row);
    for (const QComboBox* list : {rule.Week, rule.Weekday, rule.Month})
        if (list && list->currentIndex() < 0)
            return Require(false, kTimeError);
    const int hour = NumberOf(rule.Hour);
    const int minute = NumberOf(rule.Minute);
    if (hour < 0 || minute < 0)
        return Require(false, kTimeError);
    if (annual) {
        // Day 0 is no date either.
        const int day = NumberOf(rule.Day);
        const int month = olMonths.TextToValue(rule.Month->currentText()).toInt();
        if (day < 1 || day > MonthLength(month))
            return Require(false, kTimeError);
    }
    return Require(hour <= 23 && minute < 60, kTimeError);
}

bool TSummerTimeForm::CheckRulePair(int start, int end, bool annual)
{
    if (!CheckRule(start, annual) || !CheckRule(end, annual))
        return false;
    return Require(!(Ticked(start) && Ticked(end)
                     && Rule(start).Month->currentIndex() == Rule(end).Month->currentIndex()),
                   kSameMonth);
}

bool TSummerTimeForm::CheckInput()
{
    const int status = StatusCombo->currentIndex();
    if (Ticked(kStatusRow) && status < 0)
        return Require(false, kChooseStatus);
    const auto* offset = qobject_cast<QLineEdit*>(Editor->EditsPanel()->RowAt(kOffsetRow).Value);
    if (Ticked(kOffsetRow) && offset && !offset->text().isEmpty()) {
        const int minutes = NumberOf(offset);
        if (!Require(minutes >= 30 && minutes <= 120 && minutes % 30 == 0, kBadOffset))
            return false;
    }
    switch (status) {
    case 0:
        return true;
    case 1:
        return CheckRulePair(kRepeatStart, kRepeatEnd, false);
    case 2:
        return CheckRulePair(kAnnualStart, kAnnualEnd, true);
    default:
        // No status chosen and its row unticked: the rule's rows are not on show, and what
        // else is ticked has no rule to go with; the operator is told rather than left guessing.
        return Require(false, kChooseStatus);
    }
}

void TSummerTimeForm::Set(QPushButton* pressed)
{
    if (!m_request || m_request->Busy() || !CheckInput())
        return;
    TEditsPanel* edits = Editor->EditsPanel();
    edits->UpdateCompositeMarkers();
    // Every row either pass would send is checked before the first: a status written without
    // the times of its rule would leave the switch in the new mode with the old times.
    std::vector<int> sent = {kStatusRow, kOffsetRow};
    for (int row : ModeRows())
        sent.push_back(row);
    for (int row : sent) {
        if (Ticked(row) && Editor->RowEmpty(row)) {
            KtMessageService().Warning(this, KtMessages::DisplayCaption(), kEmptyItems);
            return;
        }
    }

    // Unticked rows are left out before the editor reads the controls back: an incomplete rule
    // that is not being written must not fail the write of the others.
    for (int row = 0; row < kRowCount; ++row)
        Include(row, row == kStatusRow && Ticked(row));
    // A status the switch refused leaves its times as they are.
    if (Ticked(kStatusRow) && !Editor->SetChecked(pressed))
        return;

    const std::vector<int> rule = ModeRows();
    bool any = false;
    for (int row = 0; row < kRowCount; ++row) {
        const bool sent = (row == kOffsetRow || std::find(rule.begin(), rule.end(), row) != rule.end()) && Ticked(row);
        Include(row, sent);
        any = any || sent;
    }
    if (any)
        Editor->SetChecked(pressed);
}
