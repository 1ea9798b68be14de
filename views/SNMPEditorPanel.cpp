#include "views/SNMPEditorPanel.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "views/FormSetup.h"
#include "views/Guiconfigform.h"
#include "views/ViewDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;

QVBoxLayout* FillLayout(QWidget* w)
{
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// A value control without text: an edit, a drop-down list, or a composite panel a dialog put
// in place of an edit.
bool IsEmptyControl(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text().isEmpty();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentIndex() < 0 || combo->currentText().isEmpty();
    const QVariant text = w->property("text");
    return text.isValid() && text.toString().isEmpty();
}

// Whether the panel's host form is on its way out (waiting for a walk to stop): no new read
// starts then, and a second close is not refused.
bool HostClosing(const QWidget* host)
{
    const auto* form = qobject_cast<const TConfigForm*>(host);
    return form && form->Closing();
}

} // namespace

void FitPanelIntoHost(QDialog* form, TSNMPPanel* panel)
{
    panel->SetHostForm(form);
    KtSetUpForm(form);
    const QSize want = panel->FrameSize().isValid() ? panel->FrameSize() : panel->size();
    const int width = std::min(std::max(form->width(), want.width()), kMaxClientWidth);
    const int height = std::min(std::max(form->height(), want.height()), kMaxClientHeight);
    if (!form->layout())
        FillLayout(form);
    if (form->layout()->indexOf(panel) < 0)
        form->layout()->addWidget(panel);
    form->resize(width, height);
    // Centred on the main window (else on the screen).
    QRect area;
    if (const QWidget* main = ViewMainWindow())
        area = main->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect frame = form->frameGeometry();
        frame.moveCenter(area.center());
        form->move(frame.topLeft());
    }
}

// ---- TSNMPPanel ---------------------------------------------------------------------------

TSNMPPanel::TSNMPPanel(QWidget* parent, QPlainTextEdit* memo, KtSNMPRequest2Edits* request)
    : QFrame(parent), m_request(request)
{
    setObjectName(QStringLiteral("SNMPPanel"));
    m_vsplit = new QSplitter(Qt::Horizontal, this);
    m_vsplit->setHandleWidth(kVSplitterWidth);
    m_vsplit->setChildrenCollapsible(false);
    FillLayout(this)->addWidget(m_vsplit);

    // Content on top, the status memo under it, 5 pixels apart.
    m_contentArea = new QWidget;
    m_contentArea->setObjectName(QStringLiteral("ContentArea"));
    QVBoxLayout* column = FillLayout(m_contentArea);
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("Notice"));
    m_notice->setWordWrap(true);
    m_notice->setContentsMargins(4, 2, 4, 2);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice->hide();
    column->addWidget(m_notice, 0);
    m_contentHolder = new QWidget;
    m_contentHolder->setObjectName(QStringLiteral("ContentHolder"));
    FillLayout(m_contentHolder);
    column->addWidget(m_contentHolder, 1);
    column->addSpacing(kHSplitterHeight);
    if (memo) {
        m_memo = memo;
    } else {
        m_msgPanel = new TMsgPanel(nullptr);
        column->addWidget(m_msgPanel, 0);
        m_memo = m_msgPanel->Memo;
    }
    m_vsplit->addWidget(m_contentArea);
    m_buttons = new TCtrlBtnPanel(nullptr);
    m_vsplit->addWidget(m_buttons);
    m_vsplit->setStretchFactor(0, 1);
    m_vsplit->setStretchFactor(1, 0);

    if (m_request && m_memo)
        m_request->SetStatusTarget(m_memo.data());
    connect(m_buttons->btnRefresh, &QPushButton::clicked, this, [this] {
        if (m_refreshHandler)
            RunGuarded(m_refreshHandler);
        else
            Refresh();
    });
    connect(m_buttons->btnClose, &QPushButton::clicked, this, [this] { CloseHost(); });
}

void TSNMPPanel::ShowContent(QWidget* control)
{
    if (m_content && m_content != control)
        m_content->hide();
    const QSize contentSize = control->size();
    m_content = control;
    if (m_contentHolder->layout()->indexOf(control) < 0)
        m_contentHolder->layout()->addWidget(control);
    control->show();
    const int width = contentSize.width() + m_buttons->width() + kVSplitterWidth + 3;
    const int height = std::max(contentSize.height() + (m_msgPanel ? m_msgPanel->height() : 0) + kHSplitterHeight,
                                m_buttons->ColumnHeight());
    m_frameSize = QSize(width, height);
    resize(m_frameSize);
}

void TSNMPPanel::SetNotice(const QString& text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void TSNMPPanel::Refresh()
{
    if (!m_request || HostClosing(window()))
        return;
    m_request->Request().Alive = true;
    if (m_request->Busy())
        return;
    try {
        m_request->Get();
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    }
}

void TSNMPPanel::RunGuarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const KtException& e) {
        if (m_request)
            m_request->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        if (m_request)
            m_request->ShowStatus(QString::fromLocal8Bit(e.what()));
    }
}

void TSNMPPanel::CloseHost()
{
    QWidget* host = m_hostForm ? m_hostForm.data() : window();
    if (HostClosing(host))
        return;  // already on its way (waiting for a walk to stop)
    if (!host || host == this || (!host->close() && !HostClosing(host)))
        KtMessageService().Information(this, KtMessages::DisplayCaption(), QStringLiteral("Please initial close form"));
}

// ---- TSNMPEditorPanel ---------------------------------------------------------------------

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, KtSNMPRequest2Edits* request)
    : TSNMPPanel(parent, nullptr, request)
{
    setObjectName(QStringLiteral("SNMPEditorPanel"));
    m_edits = new TEditsPanel(nullptr, request);
    m_activeButtons = m_buttons;
    connect(m_buttons->btnSetChecked, &QPushButton::clicked, this, [this] {
        QPushButton* pressed = m_buttons->btnSetChecked;
        if (m_setHandler)
            RunGuarded([&] { m_setHandler(pressed); });
        else
            SetChecked(pressed);
    });
    m_buttons->btnSetChecked->setEnabled(false);
    connect(m_buttons->btnCheckAll, &QPushButton::clicked, this, &TSNMPEditorPanel::CheckAll);
    connect(m_buttons->btnClearChecks, &QPushButton::clicked, this, &TSNMPEditorPanel::ClearChecks);
    connect(m_edits, &TEditsPanel::TickClicked, this, &TSNMPEditorPanel::UpdateSetButton);
    m_edits->ArrangeCtrlBtn(m_buttons);
    ShowContent(m_edits);
}

void TSNMPEditorPanel::UpdateSetButton()
{
    if (m_activeButtons)
        m_activeButtons->btnSetChecked->setEnabled(m_edits->TickedCount() > 0);
}

void TSNMPEditorPanel::CheckAll()
{
    for (int i = 0; i < m_edits->RowCount(); ++i)
        if (m_edits->RowAt(i).Tick->isEnabled())
            m_edits->RowAt(i).Tick->setChecked(true);
    if (m_activeButtons && m_edits->TickedCount() > 0)
        m_activeButtons->btnSetChecked->setEnabled(true);
}

void TSNMPEditorPanel::ClearChecks()
{
    for (int i = 0; i < m_edits->RowCount(); ++i)
        if (m_edits->RowAt(i).Tick->isEnabled())
            m_edits->RowAt(i).Tick->setChecked(false);
    if (m_activeButtons && m_edits->TickedCount() == 0)
        m_activeButtons->btnSetChecked->setEnabled(false);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    m_edits->ValueWidth = width;
    m_edits->Layout(true);
    ShowContent(m_edits);
    if (auto* host = qobject_cast<QDialog*>(HostForm()))
        FitPanelIntoHost(host, this);
}

void TSNMPEditorPanel::SetVarFormat(int row, const QString& format)
{
    if (row < 0 || row >= m_edits->RowCount())
        throw TViewError(QStringLiteral("Unknow UI Control type!"));
    TEditsPanel::Row& r = m_edits->RowAt(row);
    if (r.Kind == 3)
        throw TViewError(QStringLiteral("Can not set Var format to a ComboBox!"));
    if (r.Kind != 1 && r.Kind != 2)
        throw TViewError(QStringLiteral("Unknow UI Control type!"));
    m_request->Unbind(row);
    m_request->BindFormatted(row, format, std::vector<QWidget*>{r.Value});
    r.Format = format;
}

bool TSNMPEditorPanel::RowEmpty(int i) const
{
    return i >= 0 && i < m_edits->RowCount() && IsEmptyControl(m_edits->RowAt(i).Value);
}

bool TSNMPEditorPanel::SetChecked(QPushButton* pressed)
{
    if (!m_request)
        return false;
    // A new command: a write refused by an earlier one is not repeated after this one's lines.
    if (QPlainTextEdit* memo = Memo())
        KtSNMPRequest2Controls::ForgetRefusals(memo->window());
    KtSNMPRequest2Edits& bind = *m_request;
    KtSNMPVarList& list = bind.VarList();
    const int mode = bind.Mode;
    bind.Mode = 0;
    // Access flags as they were, restored on every path so no variable stays left out.
    std::vector<std::int32_t> access;
    for (int i = 0; i < list.Count(); ++i)
        access.push_back(list.Item(i).Access);
    const auto restore = [&] {
        for (int i = 0; i < list.Count() && i < m_edits->RowCount(); ++i) {
            if (!m_edits->RowAt(i).Tick->isChecked())
                list.Item(i).Access = (list.Item(i).Access & ~KtAcc::Invalid) | (access[std::size_t(i)] & KtAcc::Invalid);
        }
        bind.Mode = mode;
    };
    bool empty = false;
    bool written = false;
    try {
        bind.PrepareSet();
        for (int i = 0; i < list.Count() && i < m_edits->RowCount(); ++i)
            if (!m_edits->RowAt(i).Tick->isChecked())
                list.Item(i).Access |= KtAcc::Invalid;
        for (int i = 0; i < list.Count() && i < m_edits->RowCount(); ++i)
            if (!(list.Item(i).Access & KtAcc::Invalid) && IsEmptyControl(m_edits->RowAt(i).Value))
                empty = true;
        if (empty)
            KtMessageService().Warning(pressed ? pressed->window() : this, KtMessages::DisplayCaption(),
                                       QStringLiteral("Some items are empty!"));
        else {
            bind.Set(false, false);
            written = true;
        }
    } catch (const KtException& e) {
        // Whether reading the controls back or sending failed, this was a write.
        bind.ShowStatus(1, e.Message());
    }
    restore();
    // A form closes once its write went through; after a failure it stays open with what the
    // operator typed, the error in the status memo, to be sent again or cancelled.
    if (written && pressed && TCtrlBtnPanel::Tag(pressed) == 1)
        pressed->window()->close();
    return written;
}

TSNMPEditorPanel* HostEditorPanel(QDialog* form, KtSNMPRequest2Edits* request)
{
    auto* panel = new TSNMPEditorPanel(form, request);
    FitPanelIntoHost(form, panel);
    return panel;
}
