#include "shell/ConnectForm.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtValueCodec.h"
#include "shell/Mainunit.h"
#include "snmp/SnmpSession.h"
#include "views/FormKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// sysDescr.0, sysObjectID.0, sysUpTime.0
const snmp::Oid kSysDescr{1, 3, 6, 1, 2, 1, 1, 1, 0};
const snmp::Oid kSysObjectID{1, 3, 6, 1, 2, 1, 1, 2, 0};
const snmp::Oid kSysUpTime{1, 3, 6, 1, 2, 1, 1, 3, 0};

struct Choice {
    const char* text;
    int code;
};
constexpr Choice kVersions[] = {{"1", 0}, {"2c", 1}, {"3", 3}};
constexpr Choice kLevels[] = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
constexpr Choice kAuthProtocols[] = {{"MD5", 2}, {"SHA", 3}, {"SHA-224", 4}, {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}};
constexpr Choice kPrivProtocols[] = {{"DES", 2}, {"AES-128", 5}, {"AES-192", 6}, {"AES-256", 7}};

template <std::size_t N>
QComboBox* ChoiceBox(QWidget* parent, const char* name, const Choice (&choices)[N])
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (const Choice& c : choices)
        box->addItem(QLatin1String(c.text), c.code);
    return box;
}

int CodeOf(const QComboBox* box)
{
    return box->currentData().toInt();
}

void SelectCode(QComboBox* box, int code)
{
    const int index = box->findData(code);
    if (index >= 0)
        box->setCurrentIndex(index);
}

QLineEdit* Edit(QWidget* parent, const char* name, bool secret = false)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QString ValueText(const snmp::Varbind& vb)
{
    switch (vb.syntax) {
    case snmp::Syntax::OctetString:
        return QString::fromUtf8(vb.bytes.data(), qsizetype(vb.bytes.size()));
    case snmp::Syntax::ObjectId:
        return QString::fromStdString(snmp::oidToText(vb.objectId));
    case snmp::Syntax::TimeTicks:
        return KtTicksToText(std::uint32_t(vb.integer));
    case snmp::Syntax::NoSuchObject:
    case snmp::Syntax::NoSuchInstance:
    case snmp::Syntax::EndOfMibView:
    case snmp::Syntax::Null:
        return QStringLiteral("(no such object)");
    default:
        return QString::number(vb.integer);
    }
}

} // namespace

TConnectForm::TConnectForm(const QString& recentFile, QWidget* parent) : QDialog(parent), m_recent(recentFile)
{
    Build();
    m_recent.Load();
    FillRecent();
    UpdateEnabled();
}

TConnectForm::~TConnectForm()
{
    // A Test still waiting must not call back into a form that is going.
    if (m_session) {
        m_session->cancel(this);
        m_session.reset();
    }
}

void TConnectForm::Build()
{
    setObjectName(QStringLiteral("ConnectForm"));
    setWindowTitle(QStringLiteral("Connect to a VKR-2207"));
    // Room for an IPv6 address or a long host name without scrolling.
    setMinimumWidth(460);

    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);

    CB_Recent = new QComboBox(this);
    CB_Recent->setObjectName(QStringLiteral("CB_Recent"));
    form->addRow(QStringLiteral("Recent devices:"), CB_Recent);

    ED_Address = Edit(this, "ED_Address");
    ED_Address->setPlaceholderText(QStringLiteral("IPv4 or IPv6 address, or host name"));
    form->addRow(QStringLiteral("Address:"), ED_Address);
    ED_Port = Edit(this, "ED_Port");
    ED_Port->setText(QStringLiteral("161"));
    form->addRow(QStringLiteral("Agent port:"), ED_Port);
    CB_Version = ChoiceBox(this, "CB_Version", kVersions);
    form->addRow(QStringLiteral("SNMP version:"), CB_Version);
    ED_ReadCommunity = Edit(this, "ED_ReadCommunity", true);
    form->addRow(QStringLiteral("Read community:"), ED_ReadCommunity);
    ED_WriteCommunity = Edit(this, "ED_WriteCommunity", true);
    form->addRow(QStringLiteral("Write community:"), ED_WriteCommunity);
    ED_User = Edit(this, "ED_User");
    form->addRow(QStringLiteral("SNMPv3 user:"), ED_User);
    CB_SecurityLevel = ChoiceBox(this, "CB_SecurityLevel", kLevels);
    form->addRow(QStringLiteral("Security level:"), CB_SecurityLevel);
    CB_AuthProtocol = ChoiceBox(this, "CB_AuthProtocol", kAuthProtocols);
    form->addRow(QStringLiteral("Authentication protocol:"), CB_AuthProtocol);
    ED_AuthPassword = Edit(this, "ED_AuthPassword", true);
    form->addRow(QStringLiteral("Authentication password:"), ED_AuthPassword);
    CB_PrivProtocol = ChoiceBox(this, "CB_PrivProtocol", kPrivProtocols);
    form->addRow(QStringLiteral("Privacy protocol:"), CB_PrivProtocol);
    ED_PrivPassword = Edit(this, "ED_PrivPassword", true);
    form->addRow(QStringLiteral("Privacy password:"), ED_PrivPassword);
    ED_Context = Edit(this, "ED_Context");
    form->addRow(QStringLiteral("Context:"), ED_Context);

    CK_SaveSecrets = new QCheckBox(QStringLiteral("Save communities and passwords"), this);
    CK_SaveSecrets->setObjectName(QStringLiteral("CK_SaveSecrets"));
    outer->addWidget(CK_SaveSecrets);

    MM_TestResult = new QPlainTextEdit(this);
    MM_TestResult->setObjectName(QStringLiteral("MM_TestResult"));
    MM_TestResult->setReadOnly(true);
    MM_TestResult->setMaximumHeight(90);
    MM_TestResult->setTabChangesFocus(true);  // Tab goes on to the buttons
    outer->addWidget(MM_TestResult);
    LB_Identity = new QLabel(this);
    LB_Identity->setObjectName(QStringLiteral("LB_Identity"));
    LB_Identity->setWordWrap(true);
    // Dark red, or a light red on a dark palette where dark red would hardly show.
    LB_Identity->setStyleSheet(palette().color(QPalette::Window).lightnessF() < 0.5 ? QStringLiteral("color: #ff7070")
                                                                                      : QStringLiteral("color: #b00000"));
    LB_Identity->hide();
    outer->addWidget(LB_Identity);

    auto* buttons = new QHBoxLayout;
    btnTest = new QPushButton(QStringLiteral("Test"), this);
    btnTest->setObjectName(QStringLiteral("btnTest"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnTest, btnOK, btnCancel})
        b->setAutoDefault(false);
    btnOK->setDefault(true);
    buttons->addWidget(btnTest);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    outer->addLayout(buttons);

    connect(CB_Version, &QComboBox::currentIndexChanged, this, &TConnectForm::UpdateEnabled);
    connect(CB_SecurityLevel, &QComboBox::currentIndexChanged, this, &TConnectForm::UpdateEnabled);
    connect(CB_Recent, &QComboBox::activated, this, &TConnectForm::RecentChosen);
    connect(btnTest, &QPushButton::clicked, this, &TConnectForm::StartTest);
    connect(btnOK, &QPushButton::clicked, this, &TConnectForm::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TConnectForm::reject);

    // Start as most switches are reached: SNMPv2c with the usual communities.
    SetSettings(ConnectSettings{});
    FormKeys::OrderTabsAsShown(this);
}

void TConnectForm::UpdateEnabled()
{
    const bool v3 = CodeOf(CB_Version) == 3;
    const int level = CodeOf(CB_SecurityLevel);
    ED_ReadCommunity->setEnabled(!v3);
    ED_WriteCommunity->setEnabled(!v3);
    for (QWidget* w : std::initializer_list<QWidget*>{ED_User, CB_SecurityLevel, ED_Context})
        w->setEnabled(v3);
    CB_AuthProtocol->setEnabled(v3 && level >= 2);
    ED_AuthPassword->setEnabled(v3 && level >= 2);
    CB_PrivProtocol->setEnabled(v3 && level == 3);
    ED_PrivPassword->setEnabled(v3 && level == 3);
}

ConnectSettings TConnectForm::Settings() const
{
    ConnectSettings s;
    s.address = ED_Address->text().trimmed();
    s.port = ED_Port->text().trimmed();
    s.version = CodeOf(CB_Version);
    s.readCommunity = ED_ReadCommunity->text();
    s.writeCommunity = ED_WriteCommunity->text();
    s.securityName = ED_User->text();
    s.securityLevel = CodeOf(CB_SecurityLevel);
    s.authProtocol = CodeOf(CB_AuthProtocol);
    s.authPassword = ED_AuthPassword->text();
    s.privProtocol = CodeOf(CB_PrivProtocol);
    s.privPassword = ED_PrivPassword->text();
    s.contextName = ED_Context->text();
    return s;
}

void TConnectForm::SetSettings(const ConnectSettings& s)
{
    ED_Address->setText(s.address);
    ED_Port->setText(s.port);
    SelectCode(CB_Version, s.version);
    ED_ReadCommunity->setText(s.readCommunity);
    ED_WriteCommunity->setText(s.writeCommunity);
    ED_User->setText(s.securityName);
    SelectCode(CB_SecurityLevel, s.securityLevel);
    SelectCode(CB_AuthProtocol, s.authProtocol);
    ED_AuthPassword->setText(s.authPassword);
    SelectCode(CB_PrivProtocol, s.privProtocol);
    ED_PrivPassword->setText(s.privPassword);
    ED_Context->setText(s.contextName);
    UpdateEnabled();
}

void TConnectForm::FillRecent()
{
    CB_Recent->clear();
    for (const RecentDevices::Entry& e : m_recent.Entries())
        CB_Recent->addItem(RecentDevices::Caption(e.settings));
    // Nothing is picked until the operator picks it.
    CB_Recent->setCurrentIndex(-1);
    CB_Recent->setEnabled(CB_Recent->count() > 0);
}

void TConnectForm::RecentChosen(int index)
{
    if (index < 0 || index >= int(m_recent.Entries().size()))
        return;
    const RecentDevices::Entry& e = m_recent.Entries()[std::size_t(index)];
    SetSettings(e.settings);
    CK_SaveSecrets->setChecked(e.withSecrets);
}

bool TConnectForm::CheckSettings(const ConnectSettings& settings)
{
    const QString fault = ConnectSettingsFault(settings);
    if (fault.isEmpty())
        return true;
    KtMessageService().Warning(this, KtMessages::DisplayCaption(), fault);
    return false;
}

void TConnectForm::accept()
{
    const ConnectSettings settings = Settings();
    if (!CheckSettings(settings))
        return;
    m_arguments = ConnectArguments(settings);
    // The list is a convenience: a file that cannot be written does not keep the module from
    // starting.
    m_recent.Remember(settings, CK_SaveSecrets->isChecked());
    QDialog::accept();
}

void TConnectForm::StartTest()
{
    if (m_testing)
        return;
    const ConnectSettings settings = Settings();
    if (!CheckSettings(settings))
        return;
    LB_Identity->hide();
    MM_TestResult->setPlainText(QStringLiteral("Testing %1 ...").arg(RecentDevices::Caption(settings)));

    try {
        // The Test's own session: it goes once the answer is in, and the module's start-up
        // opens the global one as usual.
        const snmp::Target target = KtSNMPBuildTarget(ConnectParams(settings), 1);
        if (m_session)
            m_session->cancel(this);
        int status = 0;
        m_session = std::make_unique<snmp::Session>(kKtLocalEngineID, KtSNMPNextEngineBoots(QString()), status);
        if (status != 0)
            KtRaise(KtErr::CannotCreateSession);
        m_session->startPump();

        snmp::Pdu pdu;
        pdu.type = snmp::PduType::Get;
        for (const snmp::Oid& oid : {kSysDescr, kSysObjectID, kSysUpTime}) {
            snmp::Varbind vb;
            vb.oid = oid;
            pdu.varbinds.push_back(vb);
        }
        m_testing = true;
        btnTest->setEnabled(false);
        status = m_session->sendAsync(
            target, pdu, [this](int st, const snmp::Pdu& response) { TestDone(st, response); }, this);
        if (status != 0)
            TestDone(status, snmp::Pdu{});
    } catch (const KtException& e) {
        MM_TestResult->setPlainText(QStringLiteral("Test failed: ") + e.Message());
        EndTest();
    }
}

void TConnectForm::TestDone(int status, const snmp::Pdu& response)
{
    if (status != 0) {
        MM_TestResult->setPlainText(QStringLiteral("Test failed: ") + MapStatus(status).message);
        EndTest();
        return;
    }
    QString descr, objectID, upTime;
    for (const snmp::Varbind& vb : response.varbinds) {
        if (vb.oid == kSysDescr)
            descr = ValueText(vb);
        else if (vb.oid == kSysObjectID)
            objectID = ValueText(vb);
        else if (vb.oid == kSysUpTime)
            upTime = ValueText(vb);
    }
    MM_TestResult->setPlainText(QStringLiteral("Description: %1\nObject ID: %2\nUp time: %3").arg(descr, objectID, upTime));
    // The module knows this one model: against another device most views would show only
    // "(NULL)" while their status says "Ok!".
    const QString expected = QLatin1String(kHelpPathValue);
    if (objectID != expected) {
        LB_Identity->setText(QStringLiteral("This device does not identify as a VKR-2207 (its sysObjectID is %1, "
                                            "not %2): most views will show no values.")
                                 .arg(objectID.isEmpty() ? QStringLiteral("missing") : objectID, expected));
        LB_Identity->show();
    }
    EndTest();
}

void TConnectForm::EndTest()
{
    m_testing = false;
    btnTest->setEnabled(true);
    // Not from inside the session's own callback: it goes on the next turn of the loop.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_testing)
                m_session.reset();
        },
        Qt::QueuedConnection);
}
