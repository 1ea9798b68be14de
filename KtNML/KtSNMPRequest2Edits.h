#pragma once
// KtSNMPRequest2Edits ties variables, or fields and bits of octet-string variables, to edits,
// labels, check boxes, combo boxes and radio groups, and a whole table to a list view: after a
// read it writes the values into the controls, before a write it reads them back.
//
//   KtSNMPRequest2Edits bind(this);
//   bind.Request().VarList.Assign(list);
//   bind.Bind(1, ui->ED_Name);
//   bind.BindBits(3, "0,1,2,3,4,5,6,7", {box1, box2, box3, box4, box5, box6, box7, box8});
//   bind.SetStatusTarget(ui->Memo1);
//   bind.Get();
#include "KtNML/KtEditConstraint.h"
#include "KtNML/KtSNMPRequest2Controls.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class KtOptionList;
class QCheckBox;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// One binding of a variable (or a field of it) to its control(s).
struct KtControlBinding {
    int Index = 0;                          // variable index
    int ByteIndex = 0;                      // where the field starts in the variable's byte form
    int Syntax = 0;                         // field syntax
    const KtOptionList* Options = nullptr;  // as passed (none: the variable's rules apply)
    int ControlCount = 0;
    std::vector<int> Bits;                  // one bit index per control, or empty
    std::vector<QPointer<QWidget>> Controls;
    // The handlers hooked onto the controls (one per control; empty where none was hooked):
    // the operator's changes of a choice set Modified, an edit's text becomes its tooltip.
    std::vector<QMetaObject::Connection> Handlers;
};

class KtSNMPRequest2Edits : public KtSNMPRequest2Controls {
    Q_OBJECT
public:
    using SelectItemHandler = std::function<void(QTreeWidgetItem* item, bool selected)>;

    explicit KtSNMPRequest2Edits(QWidget* ownerForm, std::unique_ptr<KtSNMPRequest> request = nullptr);
    ~KtSNMPRequest2Edits() override;

    // Makes the view a read-only, whole-row selecting report with grid lines, builds its columns
    // and routes its row selection to OnRowSelected.
    void BindListView(QTreeWidget* listView, bool autoDisable = true);
    QTreeWidget* ListView() const;

    // Display-only columns of the list view, each right after the column of variable after
    // (several after one variable keep their order). Their cells come from ExtraCells, called
    // for each row read with the row's values in the list; they are never copied into a value,
    // so a selected row or a write never sees them. A hidden or undisplayed variable gets none.
    struct ExtraColumn {
        int after = -1;
        QString caption;
    };
    void SetExtraColumns(std::vector<ExtraColumn> columns);
    // The list-view column of extra column k, -1 for none.
    int ExtraColumnPosition(int k) const;
    // The list-view column of variable i, -1 for none.
    int ColumnOf(int i) const;
    std::function<QStringList()> ExtraCells;

    // Variable i, whole value, its syntax and option list: an edit, label, check box, combo box
    // or radio group.
    void Bind(int i, QWidget* control);
    // Makes the combo box a drop-down list first.
    void BindDropDown(int i, QComboBox* comboBox);
    // A field of variable i; secondControl may be null (it takes the rest of a prefix value);
    // columns has no effect.
    void BindField(int i, int byteIndex, int syntax, const KtOptionList* optionList, QWidget* control,
                   QWidget* secondControl = nullptr, int columns = 0);
    void BindFieldDropDown(int i, int byteIndex, int syntax, const KtOptionList* optionList, QComboBox* comboBox);
    // Several edits to one value or field, one per "%" field of format, with its edit
    // constraints attached.
    void BindFormatted(int i, const QString& format, const std::vector<QWidget*>& controls);
    void BindFieldFormatted(int i, int byteIndex, int syntax, const KtOptionList* optionList, const QString& format,
                            const std::vector<QWidget*>& controls);
    // One check box per bit; bitList is "0,1,2": the k-th box shows the k-th bit.
    void BindBits(int i, const QString& bitList, std::initializer_list<QCheckBox*> checkBoxes);
    void BindBitsList(int i, const QString& bitList, const std::vector<QCheckBox*>& checkBoxes);
    // Removes every binding of variable i, the constraints of its edits and its handlers.
    void Unbind(int i);
    void SetConstraintOwner(QWidget* window);

    // Values of variable i (-1: all) into their controls, or back from them.
    void ShowValues(int i);
    void ReadValues(int i);
    void EnableControls(bool enabled);

    const std::vector<std::unique_ptr<KtControlBinding>>& Bindings() const { return m_bindings; }
    KtEditConstraint& Constraints() { return *m_constraints; }

    // Overrides.
    void BeforeGet() override;
    void ShowRow() override;
    void PrepareSet() override;
    void AfterGet() override;
    void OnGetError(const KtSNMPError& error) override;
    void ReadEnded() override { FlushRows(); }
    // Slot 8: the list view's row selection.
    virtual void OnRowSelected(QTreeWidgetItem* item, bool selected);

    SelectItemHandler SavedSelectItem;  // runs first in OnRowSelected
    bool Modified = false;              // the operator changed a bound combo box, radio group or check box
    bool AutoDisable = true;

private:
    KtControlBinding& AddBinding(int i, int byteIndex, int syntax, const KtOptionList* optionList,
                                 std::vector<QWidget*> controls, std::vector<int> bits);
    void HookChanges(KtControlBinding& rec);
    void Disconnect(KtControlBinding& rec);
    KtSNMPVar& Var(int i);
    void BuildColumns();
    // Column of each variable in the list view, -1 for none.
    // extras, when given, receives the column of each extra column (-1 for none).
    std::vector<int> ColumnMap(std::vector<int>* extras = nullptr) const;
    // The columns as built (or as they would be, before they are): variables, extra columns.
    void Columns(std::vector<int>& map, std::vector<int>& extras) const;
    void CopySelectedRow();
    void ShowBinding(const KtControlBinding& rec);
    // False when the binding gave nothing (the field is left out of the write).
    // whole, when given, receives the control's text instead of its bytes being written.
    bool ReadBinding(const KtControlBinding& rec, QByteArray& bytes, QString* whole = nullptr);
    void RowSelectionChanged();
    // Whether the rows read since the last flush are to go into the list view now.
    bool FlushDue() const;
    // Puts the rows read since the last flush into the list view.
    void FlushRows();
    // The one place a walk hands its rows to the view and lets the window run its events.
    void FlushRowsAndProcessEvents();

    QPointer<QTreeWidget> m_listView;
    std::vector<int> m_columnMap;  // variable -> column, fixed when the columns are built
    std::vector<ExtraColumn> m_extraColumns;
    std::vector<int> m_extraMap;  // extra column -> column, fixed with m_columnMap
    bool m_columnsChanged = false;  // extra columns came or went: build the columns anew
    // Rows of a running walk not yet in the view: inserting them in batches keeps the view's
    // layout and painting from running once per row, which made long walks quadratic.
    QList<QTreeWidgetItem*> m_pendingRows;
    QElapsedTimer m_sinceFlush;
    static constexpr qint64 kFlushIntervalMs = 50;
    static constexpr qint64 kMaxFlushIntervalMs = 1000;
    qint64 m_flushInterval = kFlushIntervalMs;  // until the next batch, from the end of the last
    QMetaObject::Connection m_selectionConnection;
    std::vector<std::unique_ptr<KtControlBinding>> m_bindings;
    std::unique_ptr<KtEditConstraint> m_constraints;
};
