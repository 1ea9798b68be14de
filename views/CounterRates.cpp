#include "views/CounterRates.h"

#include "KtNML/KtBoundRow.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "views/Guiconfigform.h"
#include "views/SNMPEditorPanel.h"
#include "views/SNMPListViewPanel.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

bool IsCounter(const KtSNMPVar& var)
{
    return var.Syntax == KtSyn::Counter || var.Syntax == KtSyn::Counter64;
}

} // namespace

TCounterRates* TCounterRates::Of(const TSNMPEditorPanel* panel)
{
    return panel ? panel->findChild<TCounterRates*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TCounterRates* TCounterRates::Attach(TSNMPEditorPanel* panel)
{
    if (TCounterRates* existing = Of(panel))
        return existing;
    return new TCounterRates(panel);
}

TCounterRates::TCounterRates(TSNMPEditorPanel* panel)
    : QObject(panel), m_panel(panel), m_table(qobject_cast<TSNMPListViewPanel*>(panel))
{
    setObjectName(QStringLiteral("CounterRates"));
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { Tick(); });

    TCtrlBtnPanel* buttons = panel->Buttons();
    QComboBox* box = buttons->RefreshInterval;
    box->clear();
    for (int seconds : kIntervals)
        box->addItem(seconds == 0 ? QStringLiteral("Off") : QStringLiteral("%1 s").arg(seconds), seconds);
    box->setCurrentIndex(0);
    connect(box, &QComboBox::currentIndexChanged, this, &TCounterRates::IntervalChosen);
    buttons->RefreshLabel->show();
    box->show();
    buttons->Arrange();

    KtSNMPRequest2Edits* request = panel->Request();
    if (!request)
        return;
    const KtSNMPVarList& list = request->VarList();
    for (int i = 0; i < list.Count(); ++i)
        if (IsCounter(list.Item(i)) && list.IsDisplayed(i))
            m_counters.push_back(i);

    if (m_table && !m_counters.empty()) {
        std::vector<KtSNMPRequest2Edits::ExtraColumn> columns;
        for (int i : m_counters)
            columns.push_back({i, list.Item(i).Label + QStringLiteral("/s")});
        const QPointer<TCounterRates> self(this);
        request->ExtraCells = [self] { return self ? self->RowRates() : QStringList(); };
        request->SetExtraColumns(std::move(columns));
    } else if (!m_table) {
        TEditsPanel* edits = panel->EditsPanel();
        m_labels.assign(std::size_t(list.Count()), nullptr);
        for (int i : m_counters) {
            if (i >= edits->RowCount())
                continue;
            TEditsPanel::Row& row = edits->RowAt(i);
            auto* label = new QLabel(row.Value->parentWidget());
            label->setObjectName(QStringLiteral("LB_Rate%1").arg(i));
            label->setToolTip(QStringLiteral("Change per second"));
            label->setVisible(!row.Value->isHidden());
            row.Rate = label;
            m_labels[std::size_t(i)] = label;
        }
        edits->Layout(true);
    }
    connect(request, &KtSNMPRequest2Controls::ReadDone, this, &TCounterRates::ReadDone);
    panel->ShowContent(panel->ContentControl());
    if (auto* host = qobject_cast<QDialog*>(panel->HostForm())) {
        FitPanelIntoHost(host, panel);
        // The timer goes with the view: nothing ticks once it is closing.
        connect(host, &QDialog::finished, m_timer, &QTimer::stop);
    }
}

QComboBox* TCounterRates::IntervalBox() const
{
    return m_panel ? m_panel->Buttons()->RefreshInterval : nullptr;
}

QLabel* TCounterRates::RateLabel(int i) const
{
    return i >= 0 && i < int(m_labels.size()) ? m_labels[std::size_t(i)] : nullptr;
}

void TCounterRates::IntervalChosen()
{
    const int seconds = IntervalBox() ? IntervalBox()->currentData().toInt() : 0;
    if (seconds <= 0) {
        m_timer->stop();
        return;
    }
    m_timer->start(seconds * 1000);
}

// The operator has typed into a value or changed a choice: a read would overwrite it.
bool TCounterRates::OperatorBusy() const
{
    KtSNMPRequest2Edits* request = m_panel->Request();
    if (request->Modified)
        return true;
    TEditsPanel* edits = m_panel->EditsPanel();
    for (int i = 0; i < edits->RowCount(); ++i)
        if (const auto* edit = qobject_cast<const QLineEdit*>(edits->RowAt(i).Value))
            if (!edit->isReadOnly() && edit->isModified())
                return true;
    return false;
}

bool TCounterRates::Tick()
{
    if (!m_panel || !m_panel->Request())
        return false;
    const auto* form = qobject_cast<const TConfigForm*>(m_panel->window());
    if (form && form->Closing()) {
        m_timer->stop();
        return false;
    }
    if (m_panel->Request()->Busy() || !m_panel->isEnabled() || (m_table && m_table->OpenForm()) || OperatorBusy())
        return false;
    if (m_table) {
        QTreeWidget* view = m_table->ListView();
        // The row the operator chose, not the first of several selected for copying.
        const QTreeWidgetItem* chosen = KtBoundRow::Of(view);
        m_reselect = chosen ? RowIdentity(chosen) : QString();
        m_scrollBack = view->verticalScrollBar()->value();
    }
    m_panel->Refresh();
    return true;
}

QString TCounterRates::RowKey(int variable) const
{
    if (!m_table || !m_panel || !m_panel->Request())
        return QString();
    const KtSNMPVar& var = m_panel->Request()->VarList().Item(variable);
    const QString prefix = var.Oid + QLatin1Char('.');
    return var.InstanceOid.startsWith(prefix) ? var.InstanceOid.mid(prefix.size()) : var.InstanceOid;
}

QString TCounterRates::RowIdentity(const QTreeWidgetItem* item) const
{
    KtSNMPRequest2Edits* request = m_panel ? m_panel->Request() : nullptr;
    if (!request)
        return QString();
    // The cells of the index columns (the first column where the list names no index).
    const KtSNMPVarList& list = request->VarList();
    if (list.KeyCount <= 0)
        return item->text(0);
    QStringList parts;
    for (int i = 0; i < list.KeyCount && i < list.Count(); ++i) {
        const int column = request->ColumnOf(i);
        parts << (column >= 0 ? item->text(column) : QString());
    }
    return parts.join(QChar(0x1F));
}

QStringList TCounterRates::RowRates()
{
    QStringList texts;
    if (!m_panel || !m_panel->Request())
        return texts;
    const KtSNMPVarList& list = m_panel->Request()->VarList();
    for (int i : m_counters) {
        const KtSNMPVar& var = list.Item(i);
        const auto width = var.Syntax == KtSyn::Counter64 ? KtCounterRate::Width::Bits64 : KtCounterRate::Width::Bits32;
        texts << KtCounterRateTable::Format(m_rates.Add(RowKey(i), i, var.Value, width));
    }
    return texts;
}

void TCounterRates::ClearLabels()
{
    for (QLabel* label : m_labels)
        if (label)
            label->clear();
}

void TCounterRates::ReadDone(const KtSNMPError& error)
{
    if (!m_panel || !m_panel->Request())
        return;
    if (error.code != 0) {
        // Shown as the view shows errors; the rates start again with the next good reading.
        m_rates.Reset();
        ClearLabels();
        m_reselect.clear();
        return;
    }
    if (!m_table) {
        const QStringList texts = RowRates();
        for (std::size_t k = 0; k < m_counters.size(); ++k) {
            QLabel* label = RateLabel(m_counters[k]);
            const QString text = texts.value(qsizetype(k));
            if (label)
                label->setText(text.isEmpty() ? QString() : text + QStringLiteral(" /s"));
        }
    }
    m_rates.EndPass();
    if (m_table && !m_reselect.isNull()) {
        QTreeWidget* view = m_table->ListView();
        for (int r = 0; r < view->topLevelItemCount(); ++r) {
            if (RowIdentity(view->topLevelItem(r)) == m_reselect) {
                view->setCurrentItem(view->topLevelItem(r));
                break;
            }
        }
        if (m_scrollBack >= 0)
            view->verticalScrollBar()->setValue(m_scrollBack);
    }
    m_reselect.clear();
    m_scrollBack = -1;
}
