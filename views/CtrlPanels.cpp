#include "views/CtrlPanels.h"

#include "KtNML/KtSNMPRequest2Edits.h"
#include "views/ListViewTools.h"
#include "views/ViewDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

// ---- TCtrlBtnPanel ------------------------------------------------------------------------

namespace {

QPushButton* MakeButton(QWidget* parent, const char* caption)
{
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(caption));
    // No button of a view is a default button: Enter in a field would press it ("Refresh"
    // would read the switch over what was typed).
    b->setAutoDefault(false);
    return b;
}

void Fill(QWidget* parent, QWidget* child)
{
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(child);
}

} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CtrlBtnPanel"));
    Counter = new QLabel(QStringLiteral("0"), this);
    Counter->setObjectName(QStringLiteral("Counter"));
    Counter->setAlignment(Qt::AlignCenter);
    Counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Counter->setFixedHeight(Counter->sizeHint().height() + 4);
    Samples = new QLabel(QStringLiteral("Samples"), this);
    Samples->setObjectName(QStringLiteral("Samples"));
    Samples->setAlignment(Qt::AlignCenter);
    btnRefresh = MakeButton(this, "Refresh");
    RefreshLabel = new QLabel(QStringLiteral("Refresh every"), this);
    RefreshLabel->setObjectName(QStringLiteral("LB_RefreshInterval"));
    RefreshInterval = new QComboBox(this);
    RefreshInterval->setObjectName(QStringLiteral("CB_RefreshInterval"));
    RefreshLabel->setBuddy(RefreshInterval);
    RefreshLabel->hide();
    RefreshInterval->hide();
    btnEdit = MakeButton(this, "Edit");
    btnSetChecked = MakeButton(this, "Set Checked");
    btnAdd = MakeButton(this, "Add");
    btnDelete = MakeButton(this, "Delete");
    btnCheckAll = MakeButton(this, "Check All");
    btnClearChecks = MakeButton(this, "Clear Checks");
    btnClose = MakeButton(this, "Close");
    btnAdd->hide();
    btnDelete->hide();
    LoadPictures();
    Arrange();
}

std::vector<QWidget*> TCtrlBtnPanel::Column() const
{
    return {Counter,       Samples, btnRefresh,  RefreshLabel,   RefreshInterval, btnEdit,
            btnSetChecked, btnAdd,  btnDelete,   btnCheckAll,    btnClearChecks,  btnClose};
}

// Pictures come from the working folder; a button keeps its caption unless its picture loads.
void TCtrlBtnPanel::LoadPictures()
{
    const std::pair<const char*, QPushButton*> pictures[] = {
        {"Get.bmp", btnRefresh},     {"Set.bmp", btnEdit},          {"SetCheck.bmp", btnSetChecked},
        {"Add.bmp", btnAdd},         {"Delete.bmp", btnDelete},     {"SelectAll.bmp", btnCheckAll},
        {"SelectNone.bmp", btnClearChecks}, {"Close.bmp", btnClose},
    };
    const QDir work = QDir::current();
    for (const auto& [file, button] : pictures) {
        const QString path = work.filePath(QLatin1String(file));
        if (!QFileInfo::exists(path))
            continue;
        const QPixmap picture(path);
        if (picture.isNull())
            continue;
        button->setText(QString());
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
}

void TCtrlBtnPanel::Arrange()
{
    int top = kMargin;
    for (QWidget* w : Column()) {
        const int height = w == Counter ? Counter->height() : w->sizeHint().height();
        w->setGeometry(kMargin, top, kControlWidth, height);
        if (!w->isHidden())
            top = w->y() + w->height() + kGap;
    }
    m_columnHeight = top + kMargin;
    setFixedWidth(2 * kMargin + btnRefresh->width());
    setMinimumHeight(m_columnHeight);
}

void TCtrlBtnPanel::SetTag(QPushButton* button, int tag)
{
    button->setProperty("tag", tag);
}

int TCtrlBtnPanel::Tag(const QPushButton* button)
{
    return button->property("tag").toInt();
}

// ---- TMsgPanel ----------------------------------------------------------------------------

TMsgPanel::TMsgPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("MsgPanel"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Fill(this, Memo);
    setFixedHeight(Height(Memo));
}

// Room for the last few status lines: an error stays in sight under the line of the refresh
// that follows it.
int TMsgPanel::Height(const QPlainTextEdit* memo)
{
    const int margins = 2 * memo->frameWidth() + 2 * int(memo->document()->documentMargin()) + 2;
    return std::max(kMinHeight, memo->fontMetrics().lineSpacing() * kVisibleLines + margins);
}

// ---- TEditsPanel --------------------------------------------------------------------------

namespace {

constexpr int kFirstTop = 20;
constexpr int kMinRowHeight = 20;
constexpr int kRaisedRowHeight = 21;
constexpr int kEdgeRoom = 40;

void SetColours(QWidget* w, const QColor& text, const QColor& base)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}

} // namespace

TEditsPanel::TEditsPanel(QWidget* parent, KtSNMPRequest2Edits* request) : TContentPanel(parent), m_request(request)
{
    setObjectName(QStringLiteral("EditsPanel"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setWidgetResizable(false);
    m_box = new QWidget;
    m_box->setObjectName(QStringLiteral("RowBox"));
    m_scroll->setWidget(m_box);
    Fill(this, m_scroll);
    if (!m_request)
        return;

    KtSNMPVarList& list = m_request->VarList();
    for (int i = 0; i < list.Count(); ++i) {
        const KtSNMPVar& var = list.Item(i);
        const bool settable = list.IsSettable(i);
        Row row;
        row.Kind = settable ? (var.Options ? 3 : 2) : (var.Options ? 4 : 1);
        row.Format = QStringLiteral("%s");
        row.Tick = new QCheckBox(m_box);
        row.Tick->setObjectName(QStringLiteral("CB_%1").arg(i));
        row.Tick->setFixedWidth(kTickWidth);
        row.Label = new QLabel(var.Label, m_box);
        row.Label->setObjectName(QStringLiteral("LB_%1").arg(i));
        row.Label->adjustSize();
        if (row.Kind == 3) {
            auto* combo = new QComboBox(m_box);
            combo->setObjectName(QStringLiteral("ED_%1").arg(i));
            m_request->BindDropDown(i, combo);
            row.Value = combo;
        } else {
            auto* edit = new QLineEdit(m_box);
            edit->setObjectName(QStringLiteral("ED_%1").arg(i));
            m_request->BindFormatted(i, row.Format, {edit});
            row.Value = edit;
        }
        connect(row.Tick, &QCheckBox::clicked, this, &TEditsPanel::TickClicked);
        m_rows.push_back(row);
    }
    for (int i = 0; i < RowCount(); ++i)
        SetRowReadOnly(i);
    SetEditableState(DefaultTick);
    Layout(true);
}

bool TEditsPanel::IsKeyOrFixed(int i) const
{
    if (!m_request)
        return true;
    const KtSNMPVarList& list = m_request->VarList();
    return !list.IsSettable(i) || i < list.KeyCount;
}

void TEditsPanel::SetRowReadOnly(int i)
{
    Row& row = RowAt(i);
    row.Tick->setEnabled(false);
    row.Tick->hide();
    row.Tick->setChecked(false);
    if (auto* edit = qobject_cast<QLineEdit*>(row.Value)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.Value->setEnabled(false);
    }
    // Black on the button face; with a dark palette its own text colour (black would not show).
    const QColor face = palette().color(QPalette::Button);
    SetColours(row.Value, face.lightnessF() < 0.5 ? palette().color(QPalette::ButtonText) : QColor(Qt::black), face);
}

void TEditsPanel::SetRowEditable(int i)
{
    Row& row = RowAt(i);
    row.Tick->setEnabled(true);
    row.Tick->setVisible(m_request && !(m_request->VarList().Item(i).Access & KtAcc::Hidden));
    row.Tick->setChecked(DefaultTick);
    if (auto* edit = qobject_cast<QLineEdit*>(row.Value)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
    } else {
        row.Value->setEnabled(true);
    }
    SetColours(row.Value, Qt::black, Qt::white);
}

void TEditsPanel::SetEditableState(bool defaultTick)
{
    DefaultTick = defaultTick;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsKeyOrFixed(i))
            SetRowReadOnly(i);
        else
            SetRowEditable(i);
    }
}

void TEditsPanel::ClearValues()
{
    if (!m_request)
        return;
    KtSNMPVarList& list = m_request->VarList();
    for (int i = 0; i < RowCount(); ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(RowAt(i).Value))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(RowAt(i).Value))
            combo->setCurrentIndex(-1);
        else if (auto* composite = qobject_cast<TCompositePanel*>(RowAt(i).Value))
            composite->ClearControls();
        list.Item(i).Value.clear();
    }
}

void TEditsPanel::HideRow(int i)
{
    if (!m_request)
        return;
    m_request->VarList().Item(i).Access |= KtAcc::Hidden;
    Row& row = RowAt(i);
    row.Tick->hide();
    row.Label->hide();
    row.Value->hide();
    if (row.Rate)
        row.Rate->hide();
}

void TEditsPanel::ShowRow(int i)
{
    if (!m_request)
        return;
    m_request->VarList().Item(i).Access &= ~KtAcc::Hidden;
    Row& row = RowAt(i);
    row.Tick->show();
    row.Label->show();
    row.Value->show();
    if (row.Rate)
        row.Rate->show();
}

void TEditsPanel::Layout(bool resize)
{
    const KtSNMPVarList& list = m_request ? m_request->VarList() : KtSNMPVarList();
    int widestLabel = 0;
    for (const Row& row : m_rows)
        widestLabel = std::max(widestLabel, row.Label->width());
    int top = kFirstTop;
    int previousHeight = -1;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (list.Item(i).Access & KtAcc::Hidden)
            continue;
        Row& row = RowAt(i);
        int height = row.Value->sizeHint().height();
        if (height < kMinRowHeight)
            height = kRaisedRowHeight;
        // Each row sits under the previous one's value control.
        if (previousHeight >= 0)
            top += previousHeight + 5;
        previousHeight = height;
        const int tickLeft = 20;
        const int labelLeft = tickLeft + kTickWidth + 5;
        const int valueLeft = labelLeft + widestLabel + 5;
        row.Value->setGeometry(valueLeft, top, ValueWidth, height);
        const int tickHeight = row.Tick->sizeHint().height();
        row.Tick->setGeometry(tickLeft, top + (height - tickHeight) / 2, kTickWidth, tickHeight);
        row.Label->move(labelLeft, top + (height - row.Label->height()) / 2);
        int rowRight = valueLeft + ValueWidth;
        if (row.Rate) {
            row.Rate->setGeometry(rowRight + 5, top, kRateWidth, height);
            rowRight += 5 + kRateWidth;
        }
        right = std::max(right, rowRight);
        bottom = std::max(bottom, top + height);
    }
    m_box->resize(right + kEdgeRoom, bottom + kEdgeRoom);
    m_rowsRight = right;
    // The scroll box's frame comes on top, so that the rows fit without scroll bars.
    const int frame = 2 * m_scroll->frameWidth();
    if (resize)
        this->resize(right + kEdgeRoom + frame, bottom + kEdgeRoom + frame);
    GrowEdits();
}

void TEditsPanel::resizeEvent(QResizeEvent* event)
{
    TContentPanel::resizeEvent(event);
    GrowEdits();
}

void TEditsPanel::GrowEdits()
{
    const int frame = 2 * m_scroll->frameWidth();
    const int extra = std::max(0, width() - frame - (m_rowsRight + kEdgeRoom));
    const KtSNMPVarList& list = m_request ? m_request->VarList() : KtSNMPVarList();
    for (int i = 0; i < RowCount() && i < list.Count(); ++i) {
        Row& row = RowAt(i);
        if (!qobject_cast<QLineEdit*>(row.Value) || (list.Item(i).Access & KtAcc::Hidden))
            continue;
        row.Value->resize(ValueWidth + extra, row.Value->height());
        if (row.Rate)
            row.Rate->move(row.Value->geometry().right() + 1 + 5, row.Rate->y());
    }
    m_box->resize(m_rowsRight + extra + kEdgeRoom, m_box->height());
}

TCompositePanel* TEditsPanel::MakeCompositeRow(int i)
{
    if (!m_request || i < 0 || i >= RowCount())
        throw TViewError(QStringLiteral("Unknow UI Control type!"));
    Row& row = RowAt(i);
    auto* edit = qobject_cast<QLineEdit*>(row.Value);
    if (!edit || (row.Kind != 1 && row.Kind != 2))
        throw TViewError(QStringLiteral("Unknow UI Control type!"));
    m_request->Unbind(i);
    int height = edit->height();
    if (height < kMinRowHeight)
        height = std::max(edit->sizeHint().height(), kRaisedRowHeight);
    auto* panel = new TCompositePanel(edit->parentWidget(), height);
    panel->setObjectName(edit->objectName());
    panel->setGeometry(edit->x(), edit->y(), edit->width(), height);
    panel->setEnabled(edit->isEnabled());
    panel->setVisible(!edit->isHidden());
    panel->setPalette(edit->palette());
    delete edit;
    row.Kind = 5;
    row.Format.clear();
    row.Value = panel;
    row.Controls = {panel};
    return panel;
}

void TEditsPanel::AddCompositeControl(int i, QWidget* control)
{
    TCompositePanel* panel = CompositeAt(i);
    if (!panel)
        throw TViewError(QStringLiteral("Unknow UI Control type!"));
    panel->AddControl(control);
    RowAt(i).Controls.push_back(control);
}

TCompositePanel* TEditsPanel::CompositeAt(int i) const
{
    return i >= 0 && i < RowCount() ? qobject_cast<TCompositePanel*>(RowAt(i).Value) : nullptr;
}

void TEditsPanel::UpdateCompositeMarkers()
{
    for (int i = 0; i < RowCount(); ++i)
        if (TCompositePanel* panel = CompositeAt(i))
            panel->UpdateMarker();
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!m_request)
        throw TViewError(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"));
    for (QWidget* w : {static_cast<QWidget*>(buttons->Counter), static_cast<QWidget*>(buttons->Samples),
                       static_cast<QWidget*>(buttons->btnEdit), static_cast<QWidget*>(buttons->btnAdd),
                       static_cast<QWidget*>(buttons->btnDelete)})
        w->hide();
    for (QWidget* w : {buttons->btnRefresh, buttons->btnSetChecked, buttons->btnCheckAll, buttons->btnClearChecks,
                       buttons->btnClose})
        w->show();
    if (NoneEditable()) {
        buttons->btnSetChecked->hide();
        buttons->btnCheckAll->hide();
        buttons->btnClearChecks->hide();
    } else if (EnabledTickCount() <= 1) {
        buttons->btnCheckAll->hide();
        buttons->btnClearChecks->hide();
        if (buttons->btnSetChecked->icon().isNull())
            buttons->btnSetChecked->setText(QStringLiteral("Set"));
        buttons->btnSetChecked->setEnabled(true);
        for (Row& row : m_rows)
            if (!row.Tick->isHidden() && row.Tick->isEnabled())
                row.Tick->setChecked(true);
        if (TickedCount() <= 1)
            for (Row& row : m_rows)
                row.Tick->hide();
    }
    buttons->Arrange();
}

int TEditsPanel::EnabledTickCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [](const Row& r) { return !r.Tick->isHidden() && r.Tick->isEnabled(); }));
}

int TEditsPanel::TickedCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [](const Row& r) { return !r.Tick->isHidden() && r.Tick->isChecked(); }));
}

bool TEditsPanel::NoneEditable() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (!IsKeyOrFixed(i))
            return false;
    return true;
}

// ---- TCompositePanel ----------------------------------------------------------------------

TCompositePanel::TCompositePanel(QWidget* parent, int rowHeight) : QFrame(parent), m_rowHeight(rowHeight)
{
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(false);
}

void TCompositePanel::AddControl(QWidget* control)
{
    control->setParent(this);
    control->resize(control->width(), height());
    control->show();
    m_controls.push_back(control);
}

bool TCompositePanel::AnyEmpty() const
{
    for (const QWidget* c : m_controls) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(c); edit && edit->text().isEmpty())
            return true;
        if (const auto* combo = qobject_cast<const QComboBox*>(c);
            combo && (combo->currentIndex() < 0 || combo->currentText().isEmpty()))
            return true;
    }
    return false;
}

void TCompositePanel::UpdateMarker()
{
    m_text = AnyEmpty() ? QString() : QStringLiteral("-");
}

void TCompositePanel::ClearControls()
{
    for (QWidget* c : m_controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(c))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            combo->setCurrentIndex(-1);
    }
    m_text.clear();
}

// ---- TListViewPanel -----------------------------------------------------------------------

TListViewPanel::TListViewPanel(QWidget* parent, KtSNMPRequest2Edits* request)
    : TContentPanel(parent), m_request(request)
{
    setObjectName(QStringLiteral("ListViewPanel"));
    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    Fill(this, ListView);
    m_request->BindListView(ListView, false);
    TListViewTools::Attach(ListView);
    int width = 0;
    const QTreeWidgetItem* header = ListView->headerItem();
    for (int c = 0; c < ListView->columnCount(); ++c)
        width += 8 * int(header->text(c).size());
    width += 2 * ListView->frameWidth();
    resize(std::min(width, kMaxWidth), kHeight);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    for (QWidget* w : {static_cast<QWidget*>(buttons->Counter), static_cast<QWidget*>(buttons->Samples),
                       static_cast<QWidget*>(buttons->btnRefresh), static_cast<QWidget*>(buttons->btnEdit),
                       static_cast<QWidget*>(buttons->btnClose)})
        w->show();
    buttons->btnEdit->setEnabled(false);
    buttons->btnDelete->setEnabled(false);
    buttons->btnSetChecked->hide();
    buttons->btnCheckAll->hide();
    buttons->btnClearChecks->hide();
    buttons->btnAdd->setVisible(AddStatusIndex >= 0);
    buttons->btnDelete->setVisible(DeleteStatusIndex >= 0);
    buttons->Arrange();
}
