#include "dialogs/CompanionEditor.h"

#include "KtNML/KtBoundRow.h"

#include "dialogs/FormControls.h"


#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using FormControls::Button;

// ---- the editor ---------------------------------------------------------------------------

TCompanionEditor::TCompanionEditor(QWidget* table) : QDialog(table)
{
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    m_fields = new QFormLayout;
    outer->addLayout(m_fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    SetButton = Button(this, "SetButton", "Set");
    CloseButton = Button(this, "CloseButton", "Close");
    buttons->addWidget(SetButton);
    buttons->addWidget(CloseButton);
    outer->addLayout(buttons);
    connect(SetButton, &QPushButton::clicked, this, [this] { SetButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
}

int TCompanionEditor::ShowModal(int mode, const QString& caption)
{
    EditMode = mode;
    setWindowTitle(caption);
    FormActivate();
    return exec();
}

void TCompanionEditor::SetButtonClick()
{
    if (OnSet && OnSet())
        accept();
}

void TCompanionEditor::CloseButtonClick()
{
    reject();
}

// ---- the table dialog ---------------------------------------------------------------------

TCompanionTableBase::TCompanionTableBase(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    top->addWidget(ListView1, 1);

    auto* buttons = m_buttons = new QVBoxLayout;
    GetButton = Button(this, "GetButton", "Refresh");
    AddButton = Button(this, "AddButton", "Add");
    EditButton = Button(this, "EditButton", "Edit");
    DeleteButton = Button(this, "DeleteButton", "Delete");
    for (QPushButton* b : {GetButton, AddButton, EditButton, DeleteButton})
        buttons->addWidget(b);
    buttons->addStretch();
    StaticText1 = FormControls::CountBox(this, "StaticText1");
    buttons->addWidget(StaticText1);
    top->addLayout(buttons);

    Memo1 = FormControls::StatusMemo(this, "Memo1");
    outer->addWidget(Memo1);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}


void TCompanionTableBase::StartTable(const KtSNMPVarDef* defs, const QString& listName, TCompanionEditor* editor,
                                     const std::function<void(KtSNMPRequest2Edits&)>& bind,
                                     std::uint8_t itemType, int keyCount)
{
    m_editor = editor;
    m_table = &AddRequest(defs, itemType, keyCount, listName);
    m_table->SetStatusTarget(Memo1);
    RunOperation(*m_table, [&] {
        m_table->BindListView(ListView1, false);
        bind(*m_table);
        WatchGetDone(*m_table);
        // After the binding's own handler, which has loaded the row into the editor.
        connect(KtBoundRow::Track(ListView1), &KtBoundRow::Changed, this, [this] { SelectionChanged(); });
        connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { EditButtonClick(); });
        WatchRowCount(ListView1, StaticText1);
        m_table->Get();
    });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

QPushButton* TCompanionTableBase::AddColumnButton(const char* name, const char* text)
{
    QPushButton* button = Button(this, name, text);
    // Above the stretch and the row count.
    m_buttons->insertWidget(m_buttons->count() - 2, button);
    return button;
}

void TCompanionTableBase::FreeControls()
{
    // The constraints watch the editor's edits: they go before the edits do.
    if (m_table)
        for (int i = 0; i < m_table->VarList().Count(); ++i)
            m_table->Unbind(i);
    delete m_editor;
    m_editor = nullptr;
}

void TCompanionTableBase::SelectionChanged()
{
    const bool selected = KtBoundRow::Of(ListView1) != nullptr;
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TCompanionTableBase::EndOfCommand()
{
    ListView1->clearSelection();
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    ShowRowCounts();
}

void TCompanionTableBase::GetButtonClick()
{
    // Refresh is quietly ignored while anything runs.
    if (!m_table || !GetComplete() || m_table->Busy())
        return;
    RunOperation(*m_table, [this] { m_table->Get(); });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TCompanionTableBase::AddButtonClick()
{
    OpenEditor(TCompanionEditor::kAddMode);
}

void TCompanionTableBase::EditButtonClick()
{
    // A double click obeys Edit's state, as the button does.
    if (!EditButton->isEnabled() || !KtBoundRow::Of(ListView1))
        return;
    OpenEditor(TCompanionEditor::kEditMode);
}

QString TCompanionTableBase::EditorCaption(int mode) const
{
    return mode == TCompanionEditor::kAddMode ? windowTitle() + QStringLiteral(" (Add)") : windowTitle();
}

void TCompanionTableBase::OpenEditor(int mode)
{
    if (!m_table || !m_editor)
        return;
    // A walk or write outstanding: what the editor would show or send may be gone already.
    if (!GetComplete() || m_table->Busy()) {
        ShowMessage(GuardMessage());
        return;
    }
    try {
        QTreeWidgetItem* row = KtBoundRow::Of(ListView1);
        if (mode == TCompanionEditor::kEditMode && row)
            m_table->OnRowSelected(row, true);
        m_editor->ShowModal(mode, EditorCaption(mode));
    } catch (const KtException& e) {
        m_table->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        m_table->ShowStatus(QString::fromLocal8Bit(e.what()));
    }
    EndOfCommand();
}

void TCompanionTableBase::DeleteSelected(int statusColumn, QComboBox* statusCombo, int destroyPosition)
{
    if (!m_table)
        return;
    if (QTreeWidgetItem* row = KtBoundRow::Of(ListView1); !row) {
        ShowMessage(kChooseFirst);
    } else {
        RunOperation(*m_table, [&] {
            // The keys come from the row itself, whatever the editor last showed.
            m_table->OnRowSelected(row, true);
            DestroyRow(*m_table, statusColumn, statusCombo, destroyPosition);
            m_table->Get();
        });
    }
    EndOfCommand();
}

QString TCompanionTableBase::Cell(const QTreeWidgetItem* item, int i) const
{
    if (!item || !m_table || i < 0 || i >= m_table->VarList().Count())
        return QString();
    const QString label = m_table->VarList().Item(i).Label;
    const QTreeWidgetItem* header = ListView1->headerItem();
    for (int c = 0; header && c < header->columnCount(); ++c)
        if (header->text(c) == label)
            return item->text(c);
    return QString();
}

QTreeWidgetItem* TCompanionTableBase::RowWithKey(const QString& key) const
{
    for (int r = 0; r < ListView1->topLevelItemCount(); ++r)
        if (ListView1->topLevelItem(r)->text(0) == key)
            return ListView1->topLevelItem(r);
    return nullptr;
}
