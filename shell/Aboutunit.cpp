#include "shell/Aboutunit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int kClientWidth = 323;
constexpr int kClientHeight = 105;
constexpr int kTextLeft = 65;
constexpr int kRightMargin = 16;

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(kTextLeft, top);
    label->adjustSize();
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    // Single border with the system menu only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QLatin1String(kAboutCaption));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 20, 32, 32);
    const QIcon icon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                                           : QApplication::windowIcon();
    ProgramIcon->setPixmap(icon.pixmap(32, 32));

    AboutLabel = AddLabel(this, "AboutLabel", QString(), 16);
    QFont bold = AboutLabel->font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    AboutLabel->setText(QLatin1String(kAboutTitle));
    AboutLabel->adjustSize();
    VersionLabel = AddLabel(this, "VersionLabel", QLatin1String(kReleaseText), 39);
    CopyrightLabel = AddLabel(this, "CopyrightLabel", QStringLiteral("Copyright (C) 2007 Norvale. All rights reserved."), 61);

    BT_Ok = new QPushButton(QStringLiteral("OK"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry(136, 81, 51, 20);
    BT_Ok->setDefault(true);
    BT_Ok->installEventFilter(this);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);

    // The texts keep their design positions; a larger font widens the box rather than cut them.
    int width = kClientWidth;
    for (const QLabel* label : {AboutLabel, VersionLabel, CopyrightLabel})
        width = std::max(width, label->x() + label->width() + kRightMargin);
    setFixedSize(width, kClientHeight);
    if (width != kClientWidth)
        BT_Ok->move((width - BT_Ok->width()) / 2, BT_Ok->y());
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (key->key() == Qt::Key_F3 && held.testFlag(Qt::ShiftModifier) && held.testFlag(Qt::AltModifier)) {
            VersionLabel->setText(QLatin1String(kDebugReleaseText));
            VersionLabel->adjustSize();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
