#include "dialogs/security/AclDialogBase.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/InputChecks.h"
#include "dialogs/security/AclOptions.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QStatusBar>
#include <QTreeWidget>

TAclDialogBase::TAclDialogBase(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    SetSynchronous(true);
}

bool TAclDialogBase::IsListedKey(const QTreeWidget* view, const QStringList& keys)
{
    if (!view || keys.isEmpty())
        return false;
    std::vector<qint64> wanted;
    for (const QString& key : keys) {
        if (!InputChecks::IsWholeNumberIn(key.trimmed(), 0, 4294967295LL))
            return false;
        wanted.push_back(key.trimmed().toLongLong());
    }
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = view->topLevelItem(r);
        bool same = true;
        for (std::size_t k = 0; k < wanted.size() && same; ++k) {
            bool ok = false;
            const qint64 listed = row->text(int(k)).trimmed().toLongLong(&ok);
            same = ok && listed == wanted[k];
        }
        if (same)
            return true;
    }
    return false;
}

std::vector<int> TAclDialogBase::WritableExcept(const KtSNMPVarList& list, const std::set<int>& leftOut)
{
    std::vector<int> columns;
    // Keys name the row in the instance; they are never values of the write.
    for (int i = list.KeyCount; i < list.Count(); ++i)
        if (list.IsSettable(i) && !leftOut.contains(i))
            columns.push_back(i);
    return columns;
}

QStatusBar* TAclDialogBase::AddStatusBar(QBoxLayout* layout)
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    layout->addWidget(StatusBar1);
    return StatusBar1;
}

KtSNMPRequest2Edits& TAclDialogBase::AddTableRequest(const KtSNMPVarDef* defs, int keyCount, const QString& listName,
                                                     QTreeWidget* listView)
{
    m_table = &AddRequest(defs, KtItem::MVT_UMV, keyCount, listName);
    m_table->Mode = 0;
    m_table->RefreshAfterSet = false;
    m_table->BindListView(listView, false);
    if (StatusBar1)
        m_table->SetStatusTarget(StatusBar1);
    // After the binding's own handler, which has loaded the row into the controls; rows added
    // to the selection for copying change nothing.
    connect(KtBoundRow::Track(listView), &KtBoundRow::Changed, this, [this] {
        // Once closed, the request is gone; the view may still signal while it is destroyed.
        if (Requests().empty())
            return;
        try {
            OnSelectionChanged(RowSelected());
        } catch (const KtException& e) {
            m_table->ShowStatus(e.Message());
        }
    });
    return *m_table;
}

bool TAclDialogBase::RowSelected() const
{
    const QTreeWidget* view = m_table && !Requests().empty() ? m_table->ListView() : nullptr;
    return KtBoundRow::Of(view) != nullptr;
}

void TAclDialogBase::SetStateControls(std::vector<QWidget*> whenRowSelected, std::vector<QWidget*> whenNoRow)
{
    m_whenRowSelected = std::move(whenRowSelected);
    m_whenNoRow = std::move(whenNoRow);
}

void TAclDialogBase::ShowState(bool rowSelected)
{
    for (QWidget* w : m_whenRowSelected)
        w->setEnabled(rowSelected);
    for (QWidget* w : m_whenNoRow)
        w->setEnabled(!rowSelected);
}

void TAclDialogBase::OnSelectionChanged(bool rowSelected)
{
    ShowState(rowSelected);
    if (!rowSelected)
        ClearInputs();
}

void TAclDialogBase::Reload()
{
    // The list empties as the walk starts: no row stays selected.
    RunOperation(*m_table, [this] {
        try {
            m_table->Get();
        } catch (...) {
            ShowState(false);
            ClearInputs();
            throw;
        }
        ShowState(false);
        ClearInputs();
    });
}

bool TAclDialogBase::RunCommand(const std::function<void()>& send, const std::function<bool()>& check)
{
    bool sent = false;
    RunOperation(
        *m_table,
        [&] {
            try {
                send();
                sent = true;
                m_table->Get();
            } catch (...) {
                ShowState(false);
                ClearInputs();
                throw;
            }
            ShowState(false);
            ClearInputs();
        },
        check);
    return sent;
}

void TAclDialogBase::Focus(QWidget* control)
{
    if (control && control->isEnabled())
        control->setFocus();
}

bool TAclDialogBase::RequireAt(bool ok, const QString& message, QWidget* focus)
{
    if (ok)
        return true;
    ShowMessage(message);
    Focus(focus);
    return false;
}

bool TAclDialogBase::RequireNewKey(const QStringList& keys, const QString& message, QWidget* focus)
{
    return RequireAt(!IsListedKey(m_table ? m_table->ListView() : nullptr, keys), message, focus);
}

bool TAclDialogBase::RequireCreateAndGo(QComboBox* rowStatus, const QString& message, const QCheckBox* tick)
{
    const bool ok = rowStatus->currentIndex() == AclOptions::kCreateAndGoPosition && (!tick || tick->isChecked());
    return RequireAt(ok, message, rowStatus);
}
