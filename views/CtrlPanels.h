#pragma once
// Building blocks of the generic views: the column of command buttons, the status memo, the
// labelled rows of a variable list (each with a tick box that selects it for setting) and the
// list view of a table.
#include "KtNML/KtSNMPRequest2Edits.h"

#include <QFrame>
#include <QPointer>
#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;

// The right-hand column: row counter, "Samples" label and eight buttons. Buttons carry their
// caption as object name ("Refresh", "Edit", "Set Checked", ...); that name stays when a view
// renames a button.
class TCtrlBtnPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kMargin = 10;
    static constexpr int kControlWidth = 96;
    static constexpr int kGap = 5;

    explicit TCtrlBtnPanel(QWidget* parent);

    // Lays the column out: visible controls one under the other, invisible ones take no room.
    void Arrange();
    // The height the column needs (lowest visible control + margin).
    int ColumnHeight() const { return m_columnHeight; }

    QLabel* Counter = nullptr;
    QLabel* Samples = nullptr;
    QPushButton* btnRefresh = nullptr;
    // "Refresh every" and its interval list, under "Refresh": hidden but in counter views.
    QLabel* RefreshLabel = nullptr;
    QComboBox* RefreshInterval = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnSetChecked = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnClearChecks = nullptr;
    QPushButton* btnClose = nullptr;

    // Column order.
    std::vector<QWidget*> Column() const;
    // Tag 1 marks a "Set Checked" that closes its form after setting (add and edit forms).
    static void SetTag(QPushButton* button, int tag);
    static int Tag(const QPushButton* button);

private:
    void LoadPictures();
    int m_columnHeight = 0;
};

// The status memo of a view (read-only), tall enough for the last few status lines.
class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kMinHeight = 50;
    static constexpr int kVisibleLines = 6;
    explicit TMsgPanel(QWidget* parent);
    // The panel's height for kVisibleLines lines of memo text.
    static int Height(const QPlainTextEdit* memo);
    QPlainTextEdit* Memo = nullptr;
};

// A content control of a view: sets the button column for its kind of view.
class TContentPanel : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) = 0;
};

// The value control of a composite row: a borderless panel whose controls each show one field
// of the row's value. Its text is a marker the editor's emptiness test reads: empty while any
// of its controls is empty, "-" otherwise (UpdateMarker).
class TCompositePanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString text READ Text WRITE SetText)
public:
    // rowHeight: the height of the edit the panel replaces (rows are laid out by it).
    TCompositePanel(QWidget* parent, int rowHeight);
    QString Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    QSize sizeHint() const override { return QSize(width(), m_rowHeight); }

    // The sub-controls, left to right.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    // Takes control into the panel, at the panel's height.
    void AddControl(QWidget* control);
    // Whether any sub-control is empty (an edit without text, a list without a selection).
    bool AnyEmpty() const;
    // The marker: empty when AnyEmpty, else "-".
    void UpdateMarker();
    // Empties every edit and deselects every list.
    void ClearControls();

private:
    QString m_text;
    int m_rowHeight = 0;
    std::vector<QWidget*> m_controls;
};

// One labelled row per variable of a request's list, in list order, in a scroll box.
class TEditsPanel : public TContentPanel {
    Q_OBJECT
public:
    // Row kinds: 1 read-only edit, 2 writable edit, 3 drop-down list, 4 read-only option text,
    // 5 composite (a panel of controls bound to fields of the value, made by MakeCompositeRow).
    struct Row {
        int Kind = 0;
        QString Format;
        QWidget* Value = nullptr;  // QLineEdit, QComboBox or TCompositePanel
        QCheckBox* Tick = nullptr;
        QLabel* Label = nullptr;
        // Composite rows: the panel first, then its sub-controls left to right.
        std::vector<QWidget*> Controls;
        // A counter's change per second, right of the value (counter views only).
        QLabel* Rate = nullptr;
    };
    static constexpr int kRateWidth = 90;
    static constexpr int kTickWidth = 20;
    static constexpr int kDefaultValueWidth = 121;

    TEditsPanel(QWidget* parent, KtSNMPRequest2Edits* request);

    KtSNMPRequest2Edits* Request() const { return m_request.data(); }
    int RowCount() const { return int(m_rows.size()); }
    Row& RowAt(int i) { return m_rows[std::size_t(i)]; }
    const Row& RowAt(int i) const { return m_rows[std::size_t(i)]; }
    QScrollArea* ScrollBox() const { return m_scroll; }

    void SetRowReadOnly(int i);
    void SetRowEditable(int i);
    // Keys and variables that cannot be set become read-only, the others editable.
    void SetEditableState(bool defaultTick);
    // Empties every edit, deselects every list and empties every variable's value.
    void ClearValues();
    void HideRow(int i);
    void ShowRow(int i);
    void Layout(bool resize);

    // Puts a composite panel in the place of edit row i (parent, geometry, enabled and shown
    // state): the edit is unbound and destroyed and the row becomes kind 5. The caller adds
    // the sub-controls (AddCompositeControl) and binds them to fields of the variable.
    // Only an edit row can become composite ("Unknow UI Control type!").
    TCompositePanel* MakeCompositeRow(int i);
    void AddCompositeControl(int i, QWidget* control);
    TCompositePanel* CompositeAt(int i) const;
    // The marker text of every composite row, from what its controls hold now.
    void UpdateCompositeMarkers();

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;

    int EnabledTickCount() const;
    int TickedCount() const;
    bool NoneEditable() const;
    bool IsKeyOrFixed(int i) const;

    int ValueWidth = kDefaultValueWidth;
    bool DefaultTick = false;

signals:
    // A tick box was clicked by the operator.
    void TickClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The edits take the room the window gives beyond the rows' own width (long texts such as
    // a system description are read in full when the window is widened); lists keep theirs.
    void GrowEdits();
    int m_rowsRight = 0;  // the rows' own right edge (Layout)

    QPointer<KtSNMPRequest2Edits> m_request;  // gone once the host form released it
    QScrollArea* m_scroll = nullptr;
    QWidget* m_box = nullptr;
    std::vector<Row> m_rows;
};

// The list view of a table; also carries the view's add and delete status.
class TListViewPanel : public TContentPanel {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 450;
    static constexpr int kHeight = 350;

    TListViewPanel(QWidget* parent, KtSNMPRequest2Edits* request);
    QTreeWidget* ListView = nullptr;

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;

    int AddStatusIndex = -1;
    QString AddStatusText;
    int DeleteStatusIndex = -1;
    QString DeleteStatusText;

private:
    QPointer<KtSNMPRequest2Edits> m_request;
};
