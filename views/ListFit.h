#pragma once
// Sizes that fit a list view's contents. Once the first rows of a list have arrived its shown
// columns take the width of their captions and contents, and its window grows (never shrinks)
// until the columns fit, up to the screen's available width; afterwards the widths are the
// operator's and are kept through refreshes. The last shown column takes whatever room the
// window gives beyond the columns (index columns the binding keeps at width 0 stay hidden).
//
// Separate from the list's binding and tools: it only reads rows and sets widths.
#include <QObject>
#include <QPointer>

class QTreeWidget;
class QWidget;

class TListFit : public QObject {
    Q_OBJECT
public:
    // The fitting of list, attached now if it was not yet.
    static TListFit* Attach(QTreeWidget* list);
    // Attaches it to every list view under root.
    static void AttachAll(QWidget* root);
    static TListFit* Of(const QTreeWidget* list);

    // Whether the first rows have been fitted (the widths are the operator's from then on).
    bool Fitted() const { return m_fitted; }
    // Fits the columns and grows the window now (the first rows do this on their own).
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TListFit(QTreeWidget* list);
    void ScheduleFit();
    // The last column with a width gets the room the viewport has beyond the others.
    void Stretch();
    int LastShownColumn() const;

    QPointer<QTreeWidget> m_list;
    QPointer<QWidget> m_viewport;
    bool m_fitted = false;
    bool m_fitPending = false;
    bool m_stretching = false;
    int m_lastNatural = -1;  // the last shown column's own width (without the stretch)
};
