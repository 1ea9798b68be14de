#include "dialogs/security/SSLManagementForm.h"
#include "dialogs/tables/SecurityTables.h"

#include "dialogs/FormControls.h"

#include "KtNML/KtOptionList.h"
#include "dialogs/InputChecks.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

using namespace SecurityTables::Ssl;

constexpr int kState = 0, kSuites = 1, kCacheTimeOut = 2;
// The weight of each suite in the octet's first hexadecimal digit.
constexpr int kWeights[4] = {8, 4, 2, 1};
constexpr const char* kSuiteLabels[4] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                                         "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};
constexpr int kDisabled = 0, kEnabled = 1;

using FormControls::Button;

} // namespace

const KtDialogType TSSLManagementForm::Type = KtDialogType::Of<TSSLManagementForm>("SSL Management: ");

TSSLManagementForm::TSSLManagementForm(QWidget* owner, bool enlarge) : TDialogBase(owner, enlarge)
{
    setObjectName(QStringLiteral("SSLManagementForm"));
    BuildControls();
    SetFormSize(380, 260);
    FormCreate();
}

void TSSLManagementForm::BuildControls()
{
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    cbxSSLVersion = FormControls::Combo(this, form, "cbxSSLVersion", "SSL Status");
    for (int k = 0; k < 4; ++k) {
        const QByteArray name = "cbxciphersuites" + QByteArray::number(k + 1);
        QComboBox* list = FormControls::Combo(this, form, name.constData(), kSuiteLabels[k]);
        list->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
        // Nothing is known until a read has shown the octet.
        list->setCurrentIndex(-1);
        cbxciphersuites[k] = list;
    }
    edtCacheTimeOut = FormControls::Edit(this, form, "edtCacheTimeOut", "Cache Time Out");
    outer->addLayout(form);

    edtciphersuites = new QLineEdit(this);
    edtciphersuites->setObjectName(QStringLiteral("edtciphersuites"));
    edtciphersuites->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnGet = Button(this, "btnGet", "Refresh");
    btnSet = Button(this, "btnSet", "Set");
    buttons->addWidget(btnGet);
    buttons->addWidget(btnSet);
    outer->addLayout(buttons);
    outer->addStretch();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    outer->addWidget(StatusBar1);

    connect(btnGet, &QPushButton::clicked, this, [this] { btnGetClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
}

void TSSLManagementForm::FormCreate()
{
    m_request = &AddRequest(kSsl, KtItem::SVT_SV, 0, QStringLiteral("sslManagement"));
    m_request->SetStatusTarget(StatusBar1);
    Send([this] {
        m_request->BindDropDown(kState, cbxSSLVersion);
        m_request->BindFormatted(kSuites, QStringLiteral("%s{l2}"), {edtciphersuites});
        m_request->BindFormatted(kCacheTimeOut, QStringLiteral("%s"), {edtCacheTimeOut});
        m_request->GetDone = [this](KtSNMPRequest2Controls&, const KtSNMPError& error) { GetDone(error); };
        m_request->Get();
    });
}

void TSSLManagementForm::Send(const std::function<void()>& send)
{
    try {
        m_request->Request().Alive = true;
        send();
    } catch (const KtException& e) {
        m_request->ShowStatus(e.Message());
    } catch (const std::exception& e) {
        m_request->ShowStatus(QString::fromLocal8Bit(e.what()));
    }
}

std::optional<std::array<bool, 4>> TSSLManagementForm::SuitesFromText(const QString& text)
{
    if (text.size() != 2)
        return std::nullopt;
    bool ok = false;
    const int value = QString(text[0]).toInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    std::array<bool, 4> enabled{};
    for (int k = 0; k < 4; ++k)
        enabled[k] = (value & kWeights[k]) != 0;
    return enabled;
}

QString TSSLManagementForm::TextFromSuites(const std::array<bool, 4>& enabled)
{
    int value = 0;
    for (int k = 0; k < 4; ++k)
        if (enabled[k])
            value += kWeights[k];
    // One octet: the suites in the high digit, the low digit unused.
    return QString::number(value, 16).toUpper() + u'0';
}

void TSSLManagementForm::GetDone(const KtSNMPError& error)
{
    if (error.code != 0)
        return;
    const auto enabled = SuitesFromText(edtciphersuites->text());
    if (!enabled)
        return;
    for (int k = 0; k < 4; ++k)
        cbxciphersuites[k]->setCurrentIndex((*enabled)[k] ? kEnabled : kDisabled);
}

void TSSLManagementForm::btnGetClick()
{
    // The answer to the last command is on its way.
    if (m_request->Busy())
        return;
    Send([this] { m_request->Get(); });
}

void TSSLManagementForm::btnSetClick()
{
    if (m_request->Busy())
        return;
    bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
    for (QComboBox* list : cbxciphersuites)
        empty = empty || list->currentText().isEmpty();
    if (empty) {
        ShowMessage(kEmptyItems);
        btnSet->setFocus();
        return;
    }
    // Digits only: "abc" would otherwise go out as 0, "-0" as a signed number.
    const QString timeOut = edtCacheTimeOut->text();
    if (timeOut.startsWith(u'-') || !InputChecks::IsWholeNumberIn(timeOut, 0, 4294967295LL)) {
        ShowMessage(kBadCacheTimeOut);
        edtCacheTimeOut->setFocus();
        return;
    }
    std::array<bool, 4> enabled{};
    for (int k = 0; k < 4; ++k)
        enabled[k] = cbxciphersuites[k]->currentIndex() == kEnabled;
    edtciphersuites->setText(TextFromSuites(enabled));
    // A scalar group: nothing is read back after the write.
    Send([this] { SendRow(*m_request, {kState, kSuites, kCacheTimeOut}); });
}
