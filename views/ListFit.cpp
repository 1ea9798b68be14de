#include "views/ListFit.h"
#include "views/ListAttachment.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr const char* kFitName = "vkrListFit";
// Room beside a cell's text (the style's margins and a little air).
constexpr int kCellPadding = 12;
// The rows measured: the first batch of a walk, enough to know the contents' widths.
constexpr int kRowsMeasured = 200;

bool Shown(const QTreeWidget* list, int column)
{
    return !list->isColumnHidden(column) && list->columnWidth(column) > 0;
}

} // namespace

TListFit* TListFit::Of(const QTreeWidget* list)
{
    return ListAttachment::Of<TListFit>(list, kFitName);
}

TListFit* TListFit::Attach(QTreeWidget* list)
{
    return ListAttachment::Attach<TListFit>(list, kFitName, [](QTreeWidget* l) { return new TListFit(l); });
}

void TListFit::AttachAll(QWidget* root)
{
    ListAttachment::ForEveryList(root, &TListFit::Attach);
}

TListFit::TListFit(QTreeWidget* list) : QObject(list), m_list(list)
{
    setObjectName(QLatin1String(kFitName));
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (!parent.isValid() && !m_fitted)
            ScheduleFit();
    });
    // A width the operator drags is the column's own from then on.
    connect(list->header(), &QHeaderView::sectionResized, this, [this](int section, int, int width) {
        if (m_stretching || !m_fitted)
            return;
        if (section == LastShownColumn())
            m_lastNatural = width;
        else
            QTimer::singleShot(0, this, [this] { Stretch(); });
    });
    m_viewport = list->viewport();
    m_viewport->installEventFilter(this);
    if (list->topLevelItemCount() > 0)
        ScheduleFit();
}

// After the event loop has delivered the batch of rows that came in.
void TListFit::ScheduleFit()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QTimer::singleShot(0, this, [this] {
        m_fitPending = false;
        if (!m_fitted && m_list && m_list->topLevelItemCount() > 0)
            Fit();
    });
}

int TListFit::LastShownColumn() const
{
    const QHeaderView* header = m_list->header();
    for (int visual = header->count() - 1; visual >= 0; --visual) {
        const int column = header->logicalIndex(visual);
        if (Shown(m_list, column))
            return column;
    }
    return -1;
}

void TListFit::Fit()
{
    if (!m_list)
        return;
    m_fitted = true;
    QHeaderView* header = m_list->header();
    const QFontMetrics cells(m_list->font());
    const QFontMetrics captions(header->font());
    int total = 0;
    m_stretching = true;
    for (int c = 0; c < m_list->columnCount(); ++c) {
        if (!Shown(m_list, c))
            continue;
        int width = captions.horizontalAdvance(m_list->headerItem()->text(c)) + 2 * kCellPadding;
        for (int r = 0; r < std::min(m_list->topLevelItemCount(), kRowsMeasured); ++r)
            width = std::max(width, cells.horizontalAdvance(m_list->topLevelItem(r)->text(c)) + kCellPadding);
        m_list->setColumnWidth(c, width);
        total += width;
    }
    m_stretching = false;
    const int last = LastShownColumn();
    m_lastNatural = last >= 0 ? m_list->columnWidth(last) : -1;

    // The window grows by what the columns lack, within the screen.
    const int scrollBar = m_list->verticalScrollBar()->sizeHint().width();
    const int need = total + 2 * m_list->frameWidth() + scrollBar;
    const int lack = need - m_list->width();
    QWidget* window = m_list->window();
    if (lack > 0 && window && window != m_list) {
        const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        const int frameExtra = window->frameGeometry().width() - window->width();
        int width = window->width() + lack;
        if (available.isValid())
            width = std::min(width, available.width() - std::max(frameExtra, 0));
        if (width > window->width()) {
            window->resize(width, window->height());
            if (available.isValid()) {
                // Kept on the screen: a wider window moves left where it would leave it.
                QRect frame = window->frameGeometry();
                if (frame.right() > available.right())
                    frame.moveRight(available.right());
                if (frame.left() < available.left())
                    frame.moveLeft(available.left());
                window->move(frame.topLeft());
            }
        }
    }
    Stretch();
}

void TListFit::Stretch()
{
    if (!m_list || m_lastNatural < 0)
        return;
    const int last = LastShownColumn();
    if (last < 0)
        return;
    int others = 0;
    for (int c = 0; c < m_list->columnCount(); ++c)
        if (c != last && Shown(m_list, c))
            others += m_list->columnWidth(c);
    const int room = m_list->viewport()->width() - others;
    const int width = std::max(m_lastNatural, room);
    if (width == m_list->columnWidth(last))
        return;
    m_stretching = true;
    m_list->setColumnWidth(last, width);
    m_stretching = false;
}

bool TListFit::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: while the list is destroyed its parts still send events.
    if (event->type() == QEvent::Resize && m_fitted && m_viewport && watched == m_viewport.data())
        Stretch();
    return QObject::eventFilter(watched, event);
}
