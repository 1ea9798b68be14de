#pragma once
// The About box: program title, release and copyright. Shift+Alt+F3 on its OK button shows the
// build's debug release text instead of the release.
#include <QDialog>

class QLabel;
class QPushButton;

inline constexpr const char* kAboutCaption = "About VKR-2207 Module";
inline constexpr const char* kAboutTitle = "Norvale VKR-2207 Management Module";
// VKR_RELEASE is the project's version (CMakeLists.txt): the package carries the same.
inline constexpr const char* kRelease = VKR_RELEASE;
inline constexpr const char* kReleaseText = "Release Version " VKR_RELEASE "(Build 2007/08/28)";
inline constexpr const char* kDebugReleaseText = "Release Version " VKR_RELEASE "D05(Build 2007/09/28)";

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent);

    QLabel* ProgramIcon = nullptr;
    QLabel* AboutLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* CopyrightLabel = nullptr;
    QPushButton* BT_Ok = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
