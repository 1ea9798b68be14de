#include "dialogs/ProgressForm.h"

#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Edits.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

int g_defaultTickMs = TProgressBase::kDefaultTickMs;

} // namespace

void TProgressBase::SetDefaultTickInterval(int ms)
{
    g_defaultTickMs = ms;
}

int TProgressBase::DefaultTickInterval()
{
    return g_defaultTickMs;
}

TProgressBase::TProgressBase(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgressForm"));
    // A title bar and nothing to close the window with.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Progress"));
    setFixedSize(358, 66);

    LB_Prompt = new QLabel(this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    LB_Prompt->setGeometry(16, 7, 329, 20);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(16, 32, 329, 16);
    ProgressBar->setRange(0, kBarMaximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    ProgressTimer = new QTimer(this);
    ProgressTimer->setObjectName(QStringLiteral("ProgressTimer"));
    ProgressTimer->setInterval(g_defaultTickMs);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { Tick(); });
}

void TProgressBase::SetTickInterval(int ms)
{
    ProgressTimer->setInterval(ms);
}

void TProgressBase::SetPrompt(const QString& text)
{
    LB_Prompt->setText(text);
}

int TProgressBase::ShowModal()
{
    if (m_writeFailed)
        return QDialog::Rejected;
    if (parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
    ProgressTimer->start();
    return exec();
}

void TProgressBase::WatchWrite(KtSNMPRequest2Controls& request)
{
    connect(&request, &KtSNMPRequest2Controls::WriteDone, this, [this](const KtSNMPError& error) {
        if (error.code == KtErr::Ok)
            return;
        m_writeFailed = true;
        if (isVisible())
            Finish();
    });
}

void TProgressBase::Tick()
{
    if (ProgressBar->value() >= m_limit) {
        Finish();
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
    if (ProgressBar->value() == ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TProgressBase::Finish()
{
    ProgressTimer->stop();
    m_finishing = true;
    done(QDialog::Accepted);
    m_finishing = false;
}

// The window manager's close: only the window itself ends the wait.
void TProgressBase::closeEvent(QCloseEvent* event)
{
    if (!m_finishing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

TProgressForm::TProgressForm(QWidget* parent, KtSNMPRequest2Edits& binding) : TProgressBase(parent)
{
    WatchWrite(binding);
    try {
        binding.Set(true, true);
    } catch (const KtException& e) {
        MarkWriteFailed();
        binding.ShowStatus(1, e.Message());
    } catch (const std::exception& e) {
        MarkWriteFailed();
        binding.ShowStatus(1, QString::fromLocal8Bit(e.what()));
    }
}

TProgressForm2::TProgressForm2(QWidget* parent) : TProgressBase(parent) {}
