#include "shell/SnapshotForm.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSnapshotIo.h"
#include "shell/SnapshotSources.h"
#include "views/ListViewTools.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRetries = 1;

QPushButton* Button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QString Caption(TSnapshotForm::Mode mode)
{
    switch (mode) {
    case TSnapshotForm::Mode::Save:
        return QStringLiteral("Save Snapshot");
    case TSnapshotForm::Mode::Compare:
        return QStringLiteral("Compare with Snapshot");
    case TSnapshotForm::Mode::Restore:
        return QStringLiteral("Restore from Snapshot");
    }
    return QString();
}

} // namespace

TSnapshotForm::TSnapshotForm(QWidget* owner, Mode mode, const QString& fileName, const KtSNMPDefaultParams& params)
    : QDialog(owner), m_mode(mode), m_fileName(fileName), m_params(params)
{
    setObjectName(QStringLiteral("SnapshotForm"));
    setWindowTitle(Caption(mode) + QStringLiteral(": ") + params.device.address);
    resize(760, 480);

    auto* layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SnapshotStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("SnapshotProgress"));
    layout->addWidget(m_progress);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("SnapshotDifferences"));
    m_list->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("Instance"), QStringLiteral("In file"),
                             QStringLiteral("On switch"), QStringLiteral("Difference"), QStringLiteral("Result")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setVisible(mode != Mode::Save);
    if (mode != Mode::Restore)
        m_list->hideColumn(kResultColumn);
    layout->addWidget(m_list, 1);
    TListViewTools::Attach(m_list);

    auto* buttons = new QHBoxLayout;
    m_stopAtError = new QCheckBox(QStringLiteral("Stop at the first error"), this);
    m_stopAtError->setObjectName(QStringLiteral("StopAtFirstError"));
    m_stopAtError->setVisible(mode == Mode::Restore);
    buttons->addWidget(m_stopAtError);
    buttons->addStretch(1);
    m_stop = Button(QStringLiteral("Stop"), "StopButton", this);
    m_restore = Button(QStringLiteral("Restore"), "RestoreButton", this);
    m_restore->setVisible(mode == Mode::Restore);
    m_restore->setEnabled(false);
    m_close = Button(QStringLiteral("Close"), "CloseButton", this);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_restore);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_reader && !m_reader->Done())
            m_reader->Stop();
        if (m_writer && !m_writer->Done())
            m_writer->Stop();
    });
    connect(m_restore, &QPushButton::clicked, this, [this] { Restore(); });
    connect(m_close, &QPushButton::clicked, this, [this] { reject(); });

    try {
        m_target = KtSNMPBuildTarget(m_params, kRetries);
    } catch (const KtException& e) {
        Fail(e.Message());
        return;
    }
    if (mode != Mode::Save) {
        // The file first: one that does not parse sends nothing.
        try {
            m_file = KtSnapshotLoad(fileName);
        } catch (const KtSnapshotParseError& e) {
            Fail(e.Line() > 0 ? QStringLiteral("%1, line %2: %3").arg(fileName).arg(e.Line()).arg(e.Message())
                              : e.Message());
            return;
        }
        if (mode == Mode::Restore && !m_file.header.sysObjectId.isEmpty()
            && m_file.header.sysObjectId != QLatin1String(kKtSnapshotObjectId)) {
            Fail(QStringLiteral("%1 is the snapshot of another device (sysObjectID %2).")
                     .arg(fileName, m_file.header.sysObjectId));
            return;
        }
    }
    SetBusy(false);
}

TSnapshotForm::~TSnapshotForm() = default;

bool TSnapshotForm::Busy() const
{
    return m_working;
}

void TSnapshotForm::SetBusy(bool busy)
{
    m_working = busy;
    m_stop->setEnabled(busy);
    m_close->setEnabled(!busy);
    m_restore->setEnabled(!busy && !m_failed && m_mode == Mode::Restore && !m_diffs.empty() && !m_writer);
    m_stopAtError->setEnabled(!busy && !m_writer);
    m_progress->setVisible(busy);
}

void TSnapshotForm::Fail(const QString& message)
{
    m_failed = true;
    m_status->setText(message);
    SetBusy(false);
    KtMessageService().Error(this, Caption(m_mode), message);
}

void TSnapshotForm::Start()
{
    snmp::Session* session = KtSNMPGlobalSession();
    if (m_failed || Busy() || !session)
        return;
    KtSnapshotReader::Options options;
    options.getBulk = m_params.getBulk;
    m_reader = std::make_unique<KtSnapshotReader>(*session, m_target, KtSnapshotModulePlan(), options);
    m_reader->progress = [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    };
    m_status->setText(QStringLiteral("Reading the switch's settings..."));
    SetBusy(true);
    // The callback runs from the event pump; the window's own timer finishes the work, so a
    // window closed meanwhile is never touched.
    QPointer<TSnapshotForm> self(this);
    m_reader->Start([self] {
        QTimer::singleShot(0, self, [self] {
            if (self)
                self->Read();
        });
    });
}

void TSnapshotForm::Read()
{
    if (m_reader->Failed()) {
        Fail(m_reader->Error());
        return;
    }
    KtSnapshot now = m_reader->Result();
    if (m_mode == Mode::Save) {
        now.header.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        now.header.release = KtModuleRelease();
        QString error;
        if (!KtSnapshotSave(m_fileName, now, error)) {
            Fail(error);
            return;
        }
        SetBusy(false);
        m_status->setText(QStringLiteral("Saved %1 objects to %2 (%3 not saved: write-only or secret).")
                              .arg(now.entries.size())
                              .arg(m_fileName)
                              .arg(now.notSaved.size()));
        return;
    }
    m_diffs = KtSnapshotCompare(KtSnapshotModulePlan(), m_file, now);
    Fill();
    SetBusy(false);
}

void TSnapshotForm::Fill()
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < m_diffs.size(); ++i) {
        const KtSnapshotDiff& d = m_diffs[i];
        auto* item = new QTreeWidgetItem(
            QStringList{d.caption, d.instance, d.inFile, d.onSwitch, KtDiffKindText(d.kind), QString()});
        item->setData(0, Qt::UserRole, int(i));
        if (m_mode == Mode::Restore) {
            // A row only on the switch goes only when ticked; an object only on the switch has
            // nothing to write.
            const bool writable = !(d.kind == KtDiffKind::OnlyOnSwitch && d.table < 0);
            item->setFlags(writable ? item->flags() | Qt::ItemIsUserCheckable : item->flags() & ~Qt::ItemIsUserCheckable);
            if (writable)
                item->setCheckState(0, d.kind == KtDiffKind::OnlyOnSwitch ? Qt::Unchecked : Qt::Checked);
        }
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    m_status->setText(m_diffs.empty() ? QStringLiteral("No differences: the switch holds the snapshot's settings.")
                                      : QStringLiteral("%1 differences.").arg(m_diffs.size()));
}

void TSnapshotForm::Restore()
{
    snmp::Session* session = KtSNMPGlobalSession();
    if (m_mode != Mode::Restore || Busy() || m_writer || !session)
        return;
    std::vector<int> chosen;
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = m_list->topLevelItem(r);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(0) == Qt::Checked)
            chosen.push_back(item->data(0, Qt::UserRole).toInt());
    }
    QStringList refused;
    std::vector<KtRestoreStep> steps = KtSnapshotRestoreSteps(KtSnapshotModulePlan(), m_diffs, chosen, &refused);
    if (steps.empty()) {
        KtMessageService().Information(this, Caption(m_mode),
                                       refused.isEmpty() ? QStringLiteral("No difference is ticked.")
                                                         : QStringLiteral("Nothing can be written:\n") + refused.join('\n'));
        return;
    }
    QStringList sets;
    for (const KtRestoreStep& s : steps) {
        sets << QStringLiteral("SET ") + s.description;
        for (const KtRestoreStep& f : s.fallback)
            sets << QStringLiteral("    if refused: SET ") + f.description;
    }
    QString question = QStringLiteral("Send these %1 SETs to %2?\n\n").arg(steps.size()).arg(m_params.device.address)
                     + sets.join('\n');
    if (!refused.isEmpty())
        question += QStringLiteral("\n\nNot restorable:\n") + refused.join('\n');
    QPointer<TSnapshotForm> self(this);
    const bool yes = KtMessageService().AskYesNo(this, Caption(m_mode), question);
    if (!self || !yes || Busy() || m_writer)
        return;
    m_writer = std::make_unique<KtSnapshotWriter>(*session, m_target, std::move(steps), m_stopAtError->isChecked());
    m_writer->progress = [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    };
    m_status->setText(QStringLiteral("Writing..."));
    SetBusy(true);
    m_writer->Start([self] {
        QTimer::singleShot(0, self, [self] {
            if (self)
                self->Written();
        });
    });
}

void TSnapshotForm::Written()
{
    // One result per line: a difference restored in several SETs shows the first refusal.
    std::map<int, QString> result;
    int failed = 0, applied = 0;
    for (std::size_t i = 0; i < m_writer->Steps().size(); ++i) {
        const KtSnapshotWriter::Result& r = m_writer->Results()[i];
        const int diff = m_writer->Steps()[i].diff;
        const QString text = r.sent ? r.message : QStringLiteral("not sent");
        (r.sent && r.ok ? applied : failed)++;
        auto [it, fresh] = result.emplace(diff, text);
        if (!fresh && !(r.sent && r.ok))
            it->second = text;
    }
    for (int r = 0; r < m_list->topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = m_list->topLevelItem(r);
        const auto it = result.find(item->data(0, Qt::UserRole).toInt());
        if (it != result.end())
            item->setText(kResultColumn, it->second);
    }
    m_status->setText(QStringLiteral("%1 of %2 SETs applied%3.")
                          .arg(applied)
                          .arg(m_writer->Steps().size())
                          .arg(failed ? QStringLiteral(", %1 refused or not sent").arg(failed) : QString()));
    SetBusy(false);
}

void TSnapshotForm::closeEvent(QCloseEvent* event)
{
    // While requests are out the window stays: Stop ends them first.
    if (Busy()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TSnapshotForm::reject()
{
    if (!Busy())
        QDialog::reject();
}

void TSnapshotForm::RunCommand(QWidget* owner, Mode mode, const KtSNMPDefaultParams& params)
{
    const QString filter = QStringLiteral("Snapshots (*.snap);;All files (*)");
    const QString file = mode == Mode::Save
                             ? QFileDialog::getSaveFileName(owner, Caption(mode), params.device.address + QStringLiteral(".snap"), filter)
                             : QFileDialog::getOpenFileName(owner, Caption(mode), QString(), filter);
    if (file.isEmpty())
        return;
    TSnapshotForm form(owner, mode, file, params);
    if (!form.Failed())
        form.Start();
    form.exec();
}
