// KtSNMPRequest2Edits: binding variables, fields and bits to controls, the values shown in them
// after a read and read back from them before a write; a table read row by row into a report
// view, its columns, and the selected row copied into the values and shown in the bound
// controls. What each kind of control does is in its adapter (KtControlAdapters).
#include "KtNML/KtSNMPRequest2Edits.h"

#include "KtNML/KtBoundRow.h"
#include "KtNML/KtControlAdapters.h"
#include "KtNML/KtOptionList.h"
#include "KtNML/KtSupport.h"
#include "KtNML/KtSyncWait.h"
#include "KtNML/KtValueCodec.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPalette>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

namespace {

constexpr int kOutOfRange = -12;  // "Out of range at index of array or list!"
// Item data of a key cell: the key's bytes as read (KtSNMPVar::KeyBytes).
constexpr int kKeyBytesRole = Qt::UserRole + 1;

std::vector<QWidget*> Widgets(const KtControlBinding& rec)
{
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& c : rec.Controls)
        out.push_back(c.data());
    return out;
}

// A control of the binding has gone with its form: the binding no longer shows or gives anything.
bool ControlsGone(const KtControlBinding& rec)
{
    return rec.Controls.empty()
        || std::any_of(rec.Controls.begin(), rec.Controls.end(), [](const QPointer<QWidget>& c) { return c.isNull(); });
}

} // namespace

// ==== KtSNMPRequest2Edits ==================================================================

KtSNMPRequest2Edits::KtSNMPRequest2Edits(QWidget* ownerForm, std::unique_ptr<KtSNMPRequest> request)
    : KtSNMPRequest2Controls(ownerForm, std::move(request)),
      m_constraints(std::make_unique<KtEditConstraint>(ownerForm, true))
{
}

// The controls' own handlers are not put back: the binding object goes with the form's
// controls. Our hooks go first, so that nothing reaches this object while the request below
// waits for its outstanding replies.
KtSNMPRequest2Edits::~KtSNMPRequest2Edits()
{
    qDeleteAll(m_pendingRows);
    QObject::disconnect(m_selectionConnection);
    for (auto& rec : m_bindings)
        Disconnect(*rec);
}

KtSNMPVar& KtSNMPRequest2Edits::Var(int i)
{
    if (i < 0 || i >= VarList().Count())
        KtRaise(kOutOfRange);
    return VarList().Item(i);
}

// ---- binding ------------------------------------------------------------------------------

KtControlBinding& KtSNMPRequest2Edits::AddBinding(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                                  std::vector<QWidget*> controls, std::vector<int> bits)
{
    Var(i);
    if (controls.empty() || std::find(controls.begin(), controls.end(), nullptr) != controls.end())
        KtRaise(KtErr::BadControlType);
    auto rec = std::make_unique<KtControlBinding>();
    rec->Index = i;
    rec->ByteIndex = byteIndex;
    rec->Syntax = syntax;
    rec->Options = optionList;
    rec->ControlCount = int(controls.size());
    rec->Bits = std::move(bits);
    for (QWidget* c : controls)
        rec->Controls.emplace_back(c);
    HookChanges(*rec);
    m_bindings.push_back(std::move(rec));
    return *m_bindings.back();
}

void KtSNMPRequest2Edits::HookChanges(KtControlBinding& rec)
{
    const std::function<void()> setModified = [this] { Modified = true; };
    for (const QPointer<QWidget>& c : rec.Controls) {
        const KtControlAdapter* adapter = KtAdapterOf(c.data());
        rec.Handlers.push_back(adapter && adapter->hook ? adapter->hook(c.data(), this, setModified)
                                                        : QMetaObject::Connection());
    }
}

void KtSNMPRequest2Edits::Disconnect(KtControlBinding& rec)
{
    for (QMetaObject::Connection& connection : rec.Handlers)
        QObject::disconnect(connection);
    rec.Handlers.clear();
}

void KtSNMPRequest2Edits::Bind(int i, QWidget* control)
{
    const KtSNMPVar& var = Var(i);
    BindField(i, 0, var.Syntax, var.Options, control);
}

void KtSNMPRequest2Edits::BindDropDown(int i, QComboBox* comboBox)
{
    if (comboBox)
        comboBox->setEditable(false);
    Bind(i, comboBox);
}

void KtSNMPRequest2Edits::BindField(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                    QWidget* control, QWidget* secondControl, int /*columns*/)
{
    const KtSNMPVar& var = Var(i);
    const KtOptionList* list = optionList ? optionList : var.Options;
    if (const KtControlAdapter* adapter = KtAdapterOf(control); adapter && adapter->fill)
        adapter->fill(control, list, secondControl != nullptr);
    std::vector<QWidget*> controls{control};
    if (secondControl)
        controls.push_back(secondControl);
    AddBinding(i, byteIndex, syntax, optionList, std::move(controls), {});
}

void KtSNMPRequest2Edits::BindFieldDropDown(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                            QComboBox* comboBox)
{
    if (comboBox)
        comboBox->setEditable(false);
    BindField(i, byteIndex, syntax, optionList, comboBox);
}

void KtSNMPRequest2Edits::BindFormatted(int i, const QString& format, const std::vector<QWidget*>& controls)
{
    BindFieldFormatted(i, 0, Var(i).Syntax, nullptr, format, controls);
}

void KtSNMPRequest2Edits::BindFieldFormatted(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                             const QString& format, const std::vector<QWidget*>& controls)
{
    Var(i);
    // One control per "%" followed by a field type letter.
    int count = 0;
    for (qsizetype k = 0; k + 1 < format.size(); ++k)
        if (format[k] == u'%' && QStringLiteral("shiufn").contains(format[k + 1]))
            ++count;
    if (count == 0)
        KtRaise(KtErr::BadConstraintFormat);
    if (int(controls.size()) < count)
        KtRaise(KtErr::NotEnoughControls);
    std::vector<QLineEdit*> edits;
    for (int k = 0; k < count; ++k) {
        auto* edit = qobject_cast<QLineEdit*>(controls[std::size_t(k)]);
        if (!edit)
            KtRaise(KtErr::BadControlType);
        edits.push_back(edit);
    }
    m_constraints->AddConstraints(format, edits);
    AddBinding(i, byteIndex, syntax, optionList, std::vector<QWidget*>(edits.begin(), edits.end()), {});
}

void KtSNMPRequest2Edits::BindBits(int i, const QString& bitList, std::initializer_list<QCheckBox*> checkBoxes)
{
    BindBitsList(i, bitList, std::vector<QCheckBox*>(checkBoxes));
}

void KtSNMPRequest2Edits::BindBitsList(int i, const QString& bitList, const std::vector<QCheckBox*>& checkBoxes)
{
    const KtSNMPVar& var = Var(i);
    KtNumList<int> numbers;
    numbers.SetDelimiter(u',');
    numbers.Parse(bitList);
    std::vector<int> bits;
    for (std::size_t k = 0; k < checkBoxes.size(); ++k)
        bits.push_back(numbers.Item(int(k)));  // -12 when the list names fewer bits than boxes
    AddBinding(i, 0, var.Syntax, nullptr, std::vector<QWidget*>(checkBoxes.begin(), checkBoxes.end()),
               std::move(bits));
}

void KtSNMPRequest2Edits::Unbind(int i)
{
    for (auto it = m_bindings.begin(); it != m_bindings.end();) {
        KtControlBinding& rec = **it;
        if (rec.Index != i) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& c : rec.Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                m_constraints->RemoveConstraint(edit);
        Disconnect(rec);
        it = m_bindings.erase(it);
    }
    SetLeftOut(i, false);
}

void KtSNMPRequest2Edits::SetConstraintOwner(QWidget* window)
{
    m_constraints->SetOwner(window);
}

void KtSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto& rec : m_bindings)
        for (const QPointer<QWidget>& c : rec->Controls)
            if (c)
                c->setEnabled(enabled);
}

// ---- values to controls -------------------------------------------------------------------

void KtSNMPRequest2Edits::ShowValues(int i)
{
    for (const auto& rec : m_bindings) {
        if (i != -1 && rec->Index != i)
            continue;
        if (Var(rec->Index).Access & KtAcc::Invalid)
            continue;
        ShowBinding(*rec);
    }
}

void KtSNMPRequest2Edits::ShowBinding(const KtControlBinding& rec)
{
    if (ControlsGone(rec))
        return;
    const KtSNMPVar& var = Var(rec.Index);
    const std::vector<QWidget*> controls = Widgets(rec);
    const KtControlAdapter* adapter = rec.Bits.empty() ? KtAdapterOf(controls.front()) : nullptr;
    const bool uncut = rec.ByteIndex == 0 && rec.Syntax == var.Syntax;
    const bool spread = adapter && adapter->spreads && controls.size() > 1;
    // The byte form only where the controls show bytes: turning a marker text such as
    // "(NOTDONE)" into bytes may fail for syntaxes that a single edit shows as text.
    KtShownField field;
    field.syntax = rec.Syntax;
    field.text = (!rec.Bits.empty() || spread || !uncut) ? FieldText(var, rec.ByteIndex, rec.Syntax, &field.bytes)
                                                         : FieldText(var, rec.ByteIndex, rec.Syntax);
    field.textList = rec.Options ? rec.Options : (uncut ? var.Options : nullptr);
    field.choiceList = rec.Options ? rec.Options : var.Options;
    if (field.textList)
        field.text = field.textList->ValueToText(field.text);

    if (!rec.Bits.empty()) {
        for (std::size_t k = 0; k < controls.size(); ++k) {
            auto* box = qobject_cast<QCheckBox*>(controls[k]);
            if (!box)
                KtRaise(KtErr::BadControlType);
            // A port list shorter than the bound bits: the missing octets hold no ports.
            box->setChecked(GetBit(field.bytes, rec.Bits[k]));
        }
        return;
    }
    if (!adapter)
        KtRaise(KtErr::BadControlType);
    adapter->show(controls, field);
    if (!adapter->spreads)
        return;
    for (QWidget* c : controls)
        if (auto* edit = qobject_cast<QLineEdit*>(c); edit && m_constraints->Find(edit))
            m_constraints->SaveLastGood(edit);
}

// ---- controls to values -------------------------------------------------------------------

void KtSNMPRequest2Edits::ReadValues(int i)
{
    KtSNMPVarList& list = VarList();
    for (int v = 0; v < list.Count(); ++v) {
        if ((i != -1 && v != i) || !list.IsSettable(v))
            continue;
        std::vector<const KtControlBinding*> records;
        for (const auto& rec : m_bindings)
            if (rec->Index == v)
                records.push_back(rec.get());
        if (records.empty())
            continue;
        KtSNMPVar& var = list.Item(v);
        // One control for the whole variable gives its text as typed: the codec checks it when
        // it is sent, so text that is no value is refused naming the variable (never sent as
        // another number), and only when the variable takes part in the write.
        const KtControlBinding& only = *records.front();
        const bool takesWhole = records.size() == 1 && only.Bits.empty() && only.ByteIndex == 0
            && only.Syntax == var.Syntax;
        QString whole;
        // A display string is rebuilt from its controls alone; an empty value (as PrepareSet
        // leaves it) has no bytes to start from.
        QByteArray bytes;
        if (!takesWhole && var.Syntax != KtSyn::DisplayStr && !var.Value.isEmpty())
            bytes = TextToBytes(var.Options ? var.Options->TextToValue(var.Value) : var.Value, var.Syntax, var.Label);
        bool given = false;
        for (const KtControlBinding* rec : records)
            given = ReadBinding(*rec, bytes, takesWhole ? &whole : nullptr) || given;
        if (!given) {
            // Nothing to write: the variable keeps its value and stays out of the next write
            // (keys only build the instance and are never written).
            SetLeftOut(v, !(IsTable() && v < list.KeyCount));
            continue;
        }
        SetLeftOut(v, false);
        QString text;
        if (!takesWhole) {
            text = BytesToText(bytes, var.Syntax);
        } else if (whole == KtNotDoneText) {
            text = whole;  // a cell the walk passed is no value to send either
        } else {
            // In the variable's own form when it is a value; as typed when it is none.
            try {
                text = BytesToText(TextToBytes(whole, var.Syntax, var.Label), var.Syntax);
            } catch (const KtException& e) {
                // Too few digits for an address is no value either.
                if (e.Code() != KtErr::BadValue && e.Code() != KtErr::BadPartialValue)
                    throw;
                text = whole;
            }
        }
        var.Value = var.Options ? var.Options->ValueToText(text) : text;
    }
}

bool KtSNMPRequest2Edits::ReadBinding(const KtControlBinding& rec, QByteArray& bytes, QString* whole)
{
    if (ControlsGone(rec))
        return false;
    const KtSNMPVar& var = Var(rec.Index);
    const std::vector<QWidget*> controls = Widgets(rec);
    const KtOptionList* list = rec.Options ? rec.Options : var.Options;

    if (!rec.Bits.empty()) {
        QByteArray chunk;
        for (std::size_t k = 0; k < controls.size(); ++k) {
            auto* box = qobject_cast<QCheckBox*>(controls[k]);
            if (!box)
                return false;
            // Bits of the covered bytes that no box stands for are written as 0.
            PutBit(chunk, rec.Bits[k], box->isChecked());
        }
        PutChunk(bytes, rec.ByteIndex, chunk);
        return true;
    }

    const KtControlAdapter* adapter = KtAdapterOf(controls.front());
    if (!adapter)
        return false;  // a kind of control that gives no value
    std::optional<QString> text = adapter->read(controls, rec.Syntax, list);
    if (!text)
        return false;  // nothing chosen: left out of the write
    if (list)
        *text = list->TextToValue(*text);
    if (whole) {
        *whole = *text;
        return true;
    }
    PutChunk(bytes, rec.ByteIndex, TextToBytes(*text, rec.Syntax, var.Label));
    return true;
}

// ---- list view ----------------------------------------------------------------------------

QTreeWidget* KtSNMPRequest2Edits::ListView() const
{
    return m_listView;
}

void KtSNMPRequest2Edits::BindListView(QTreeWidget* listView, bool autoDisable)
{
    QObject::disconnect(m_selectionConnection);
    m_listView = listView;
    m_columnMap.clear();
    m_extraMap.clear();
    AutoDisable = autoDisable;
    if (!listView)
        return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be selected to copy them; the controls follow the bound row only.
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setAllColumnsShowFocus(true);
    listView->setUniformRowHeights(true);
    // The selected row stays marked when the view loses the focus.
    QPalette palette = listView->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    listView->setPalette(palette);
    // The grid lines come from an item border; a style sheet that styles items takes over their
    // selection colours too, so the selected row gets the palette's highlight back explicitly.
    listView->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    m_selectionConnection =
        connect(KtBoundRow::Track(listView), &KtBoundRow::Changed, this, &KtSNMPRequest2Edits::RowSelectionChanged);
    BuildColumns();
}

std::vector<int> KtSNMPRequest2Edits::ColumnMap(std::vector<int>* extras) const
{
    const KtSNMPVarList& list = VarList();
    std::vector<int> map(std::size_t(list.Count()), -1);
    if (extras)
        extras->assign(m_extraColumns.size(), -1);
    int column = 0;
    // Hidden columns first, then the displayed ones, each group in list order; the extra
    // columns of a displayed variable right after it.
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHiddenColumn(i))
            map[std::size_t(i)] = column++;
    for (int i = 0; i < list.Count(); ++i) {
        if (map[std::size_t(i)] >= 0 || !list.IsDisplayed(i))
            continue;
        map[std::size_t(i)] = column++;
        for (std::size_t k = 0; k < m_extraColumns.size(); ++k) {
            if (m_extraColumns[k].after != i)
                continue;
            if (extras)
                (*extras)[k] = column;
            ++column;
        }
    }
    return map;
}

void KtSNMPRequest2Edits::Columns(std::vector<int>& map, std::vector<int>& extras) const
{
    if (int(m_columnMap.size()) == VarList().Count() && m_extraMap.size() == m_extraColumns.size()) {
        map = m_columnMap;
        extras = m_extraMap;
    } else {
        map = ColumnMap(&extras);
    }
}

void KtSNMPRequest2Edits::SetExtraColumns(std::vector<ExtraColumn> columns)
{
    m_extraColumns = std::move(columns);
    m_columnsChanged = true;
    m_columnMap.clear();
    m_extraMap.clear();
    BuildColumns();
}

int KtSNMPRequest2Edits::ColumnOf(int i) const
{
    std::vector<int> map, extras;
    Columns(map, extras);
    return i >= 0 && i < int(map.size()) ? map[std::size_t(i)] : -1;
}

int KtSNMPRequest2Edits::ExtraColumnPosition(int k) const
{
    std::vector<int> map, extras;
    Columns(map, extras);
    return k >= 0 && k < int(extras.size()) ? extras[std::size_t(k)] : -1;
}

void KtSNMPRequest2Edits::BuildColumns()
{
    if (!m_listView)
        return;
    const KtSNMPVarList& list = VarList();
    int needed = list.DisplayedCount() + list.HiddenColumnCount();
    if (!m_extraColumns.empty()) {
        std::vector<int> extras;
        ColumnMap(&extras);
        needed += int(std::count_if(extras.begin(), extras.end(), [](int c) { return c >= 0; }));
    }
    // A fresh tree widget has one column headed "1": that is no column of a view's design.
    const bool fresh = m_listView->columnCount() == 1 && m_listView->headerItem()
        && m_listView->headerItem()->text(0) == QLatin1String("1");
    const bool changed = std::exchange(m_columnsChanged, false);
    if (needed == 0 || (m_listView->columnCount() >= needed && !fresh && !changed)) {
        if (int(m_columnMap.size()) != list.Count() || m_extraMap.size() != m_extraColumns.size())
            m_columnMap = ColumnMap(&m_extraMap);
        return;
    }
    // The columns' order is fixed now: a variable marked invalid for one write later must not
    // shift the cells rows are copied from.
    m_columnMap = ColumnMap(&m_extraMap);
    const std::vector<int>& map = m_columnMap;
    const std::vector<int>& extras = m_extraMap;
    int columns = 0;
    for (int c : map)
        columns = std::max(columns, c + 1);
    for (int c : extras)
        columns = std::max(columns, c + 1);
    QStringList labels(columns);
    for (int i = 0; i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0)
            labels[map[std::size_t(i)]] = list.Item(i).Label;
    for (std::size_t k = 0; k < extras.size(); ++k)
        if (extras[k] >= 0)
            labels[extras[k]] = m_extraColumns[k].caption;
    m_listView->setColumnCount(0);
    m_listView->setColumnCount(columns);
    m_listView->setHeaderLabels(labels);
    QHeaderView* header = m_listView->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics(header->font());
    for (int i = 0; i < list.Count(); ++i) {
        const int c = map[std::size_t(i)];
        if (c < 0)
            continue;
        const bool hidden = list.IsHiddenColumn(i);
        m_listView->setColumnWidth(c, hidden ? 0 : metrics.horizontalAdvance(list.Item(i).Label) + 24);
    }
    for (std::size_t k = 0; k < extras.size(); ++k)
        if (extras[k] >= 0)
            m_listView->setColumnWidth(extras[k], metrics.horizontalAdvance(m_extraColumns[k].caption) + 24);
}

void KtSNMPRequest2Edits::CopySelectedRow()
{
    if (!m_listView)
        return;
    const QTreeWidgetItem* item = KtBoundRow::Of(m_listView);
    if (!item)
        return;
    const std::vector<int> map = int(m_columnMap.size()) == VarList().Count() ? m_columnMap : ColumnMap();
    KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i) {
        const int c = map[std::size_t(i)];
        if (c >= 0 && c < item->columnCount()) {
            list.Item(i).Value = item->text(c);
            list.Item(i).KeyBytes = item->data(c, kKeyBytesRole).toByteArray();
        }
    }
}

void KtSNMPRequest2Edits::RowSelectionChanged()
{
    if (!m_listView)
        return;
    QTreeWidgetItem* bound = KtBoundRow::Of(m_listView);
    const std::shared_ptr<bool> alive = AliveToken();
    // Errors cannot travel through the view's signal: they are shown like those of a read.
    try {
        if (!bound)
            OnRowSelected(m_listView->currentItem(), false);
        else
            OnRowSelected(bound, true);
    } catch (const KtException& e) {
        if (*alive)
            ReportError(e.Message());
    }
}

void KtSNMPRequest2Edits::OnRowSelected(QTreeWidgetItem* item, bool selected)
{
    const std::shared_ptr<bool> alive = AliveToken();
    if (SavedSelectItem) {
        SavedSelectItem(item, selected);
        if (!*alive)
            return;
    }
    if (!selected)
        return;
    if (AutoDisable)
        EnableControls(true);
    CopySelectedRow();
    ShowValues(-1);
    Modified = false;
}

// ---- overrides ----------------------------------------------------------------------------

void KtSNMPRequest2Edits::BeforeGet()
{
    if (!m_listView)
        return;
    BuildColumns();
    qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
    m_listView->clear();
    m_flushInterval = kFlushIntervalMs;
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::FlushRows()
{
    if (m_listView && !m_pendingRows.isEmpty())
        m_listView->addTopLevelItems(m_pendingRows);
    else
        qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::ShowRow()
{
    if (!m_listView) {
        ShowValues(-1);
        return;
    }
    std::vector<int> map, extras;
    Columns(map, extras);
    int columns = 0;
    for (int c : map)
        columns = std::max(columns, c + 1);
    for (int c : extras)
        columns = std::max(columns, c + 1);
    QStringList cells(columns);
    const KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0)
            cells[map[std::size_t(i)]] = list.Item(i).Value;
    if (!extras.empty() && ExtraCells) {
        const QStringList texts = ExtraCells();
        for (std::size_t k = 0; k < extras.size() && k < std::size_t(texts.size()); ++k)
            if (extras[k] >= 0)
                cells[extras[k]] = texts[qsizetype(k)];
    }
    auto* row = new QTreeWidgetItem(cells);
    // A report's row never has children: said so, the view's every layout of the list asks the
    // row no more about them.
    row->setFlags(row->flags() | Qt::ItemNeverHasChildren);
    // A string key's bytes travel with its cell: its text may not give them back.
    for (int i = 0; i < list.KeyCount && i < list.Count(); ++i)
        if (map[std::size_t(i)] >= 0 && !list.Item(i).KeyBytes.isNull())
            row->setData(map[std::size_t(i)], kKeyBytesRole, list.Item(i).KeyBytes);
    m_pendingRows << row;
    if (FlushDue())
        FlushRowsAndProcessEvents();
}

// Every batch makes the view lay out all its rows again (and a sorted list merge the batch
// in): batches grow with the list, each at least half as many rows as the list holds, so that
// a long walk costs a few layouts of the whole list instead of one every 50 ms. A slow walk
// still shows its rows at least once a second.
bool KtSNMPRequest2Edits::FlushDue() const
{
    if (!m_sinceFlush.isValid())
        return true;
    const qint64 waited = m_sinceFlush.elapsed();
    if (waited < m_flushInterval)
        return false;
    const int shown = m_listView ? m_listView->topLevelItemCount() : 0;
    return waited >= kMaxFlushIntervalMs || m_pendingRows.size() >= shown / 2;
}

// Rows appear while a walk runs, a batch at a time, and the window repaints (a synchronous walk
// blocks the event loop but for these moments, the operator's input held back; an asynchronous
// one returns to the loop after each reply). What a batch sets off (the list's layout, a sorted
// list merging the rows in) grows with the list: the next batch waits at least 50 ms and at
// least as long as this one took, counted from its end, so that a long list never spends more
// than half a walk on showing it.
void KtSNMPRequest2Edits::FlushRowsAndProcessEvents()
{
    QElapsedTimer cost;
    cost.start();
    FlushRows();
    const std::shared_ptr<bool> alive = AliveToken();
    if (Mode == 0)
        KtSyncWait::LetEventsRun();
    // The view may have been closed in there: nothing of this object is touched then.
    if (!*alive)
        return;
    m_flushInterval = std::max<qint64>(kFlushIntervalMs, cost.elapsed());
    m_sinceFlush.start();
}

void KtSNMPRequest2Edits::OnGetError(const KtSNMPError& error)
{
    FlushRows();  // the rows read before the error stay
    KtSNMPRequest2Controls::OnGetError(error);
}

void KtSNMPRequest2Edits::PrepareSet()
{
    KtSNMPVarList& list = VarList();
    for (int i = 0; i < list.Count(); ++i) {
        list.Item(i).Value = QString();
        list.Item(i).KeyBytes = QByteArray();
    }
    CopySelectedRow();
    ReadValues(-1);
}

void KtSNMPRequest2Edits::AfterGet()
{
    FlushRows();
    Modified = false;
    if (m_listView && AutoDisable && VarList().ItemType == KtItem::MVT_FMV)
        EnableControls(false);
}
