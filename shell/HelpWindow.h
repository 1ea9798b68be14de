#pragma once
// The module's help: an HTML document shipped beside the program, shown in a window of its
// own that stays open beside the main window until it or the main window closes.
#include <QDialog>
#include <QString>

class QTextBrowser;

// The help document of the program in programFolder: beside it in a build folder, in its
// installed data folder otherwise.
QString HelpFileIn(const QString& programFolder);

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows fileName (which must exist) from its start.
    THelpWindow(QWidget* parent, const QString& fileName);

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
