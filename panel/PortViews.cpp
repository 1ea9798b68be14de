#include "panel/PortViews.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "panel/PanelHost.h"
#include "views/Guiconfigform.h"

#include "views/WindowTitle.h"

#include <QToolButton>

namespace {

constexpr KtOptionPair kTypePairs[] = {{0, "portType-none"},        {2, "portType-100Base-T"},
                                       {3, "portType-100Base-X"},   {4, "portType-1000Base-T"},
                                       {5, "portType-1000Base-X"},  {6, "portType-10GBase-R"},
                                       {7, "portType-10GBase-CX4"}, {8, "portType-SIO"},
                                       {9, "portType-module-empty"}, {10, "portType-user-last"},
                                       {}};
constexpr KtOptionPair kLinkPairs[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
constexpr KtOptionPair kNwayStatusPairs[] = {
    {0, "link-down"},           {1, "full-10Mbps-8023x"},     {2, "full-10Mbps-none"},     {3, "half-10Mbps-backp"},
    {4, "half-10Mbps-none"},    {5, "full-100Mbps-8023x"},    {6, "full-100Mbps-none"},    {7, "half-100Mbps-backp"},
    {8, "half-100Mbps-none"},   {9, "full-1Gigabps-8023x"},   {10, "full-1Gigabps-none"},  {11, "half-1Gigabps-backp"},
    {12, "half-1Gigabps-none"}, {13, "full-10Gigabps-8023x"}, {14, "full-10Gigabps-none"}, {15, "half-10Gigabps-8023x"},
    {16, "half-10Gigabps-none"}, {17, "empty"},               {18, "err-disabled"},        {}};
constexpr KtOptionPair kErrDisablePairs[] = {{0, "none"}, {1, "storm"}, {2, "lbd"}, {3, "unknow"}, {}};
constexpr KtOptionPair kStatePairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
constexpr KtOptionPair kNwayPairs[] = {{1, "other"},
                                       {2, "nway-enabled"},
                                       {3, "nway-disabled-10Mbps-Half"},
                                       {4, "nway-disabled-10Mbps-Full"},
                                       {5, "nway-disabled-100Mbps-Half"},
                                       {6, "nway-disabled-100Mbps-Full"},
                                       {8, "nway-disabled-1Gigabps-Full"},
                                       {9, "nway-disabled-1Gigabps-Full-master"},
                                       {10, "nway-disabled-1Gigabps-Full-slave"},
                                       {}};
const KtOptionList olPortType(kTypePairs);
const KtOptionList olLinkStatus(kLinkPairs);
const KtOptionList olNwayStatus(kNwayStatusPairs);
const KtOptionList olErrDisable(kErrDisablePairs);
const KtOptionList olState(kStatePairs);
const KtOptionList olNway(kNwayPairs);

const KtSNMPVarDef kPortInfo[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.3", "Port Info Unit ID", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.4", "Port Info Type", KtSyn::Integer, KtAcc::ReadOnly, &olPortType},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.5", "Port Info Link Status", KtSyn::Integer, KtAcc::ReadOnly, &olLinkStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.6", "Port Info Nway Status", KtSyn::Integer, KtAcc::ReadOnly, &olNwayStatus},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.1.1.8", "Port Info Error Disable", KtSyn::Integer, KtAcc::ReadOnly, &olErrDisable},
    {},
};
const KtSNMPVarDef kPortCtrl[] = {
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.3", "Unit Index", KtSyn::Integer, KtAcc::ReadOnly},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.4", "Admin State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.5", "Nway State", KtSyn::Integer, KtAcc::ReadWrite, &olNway},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.6", "Flow Control State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.7", "Learning State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {"1.3.6.1.4.1.32473.11.101.1.2.3.2.1.8", "MAC Notify State", KtSyn::Integer, KtAcc::ReadWrite, &olState},
    {},
};

} // namespace

QString PortViewCaption(TPortView kind)
{
    return kind == TPortView::Information ? QStringLiteral("Port Information Table") : QStringLiteral("Port Configuration");
}

std::unique_ptr<TConfigForm> BuildPortView(TPortView kind, const QString& instance, const QString& deviceAddress)
{
    auto form = std::make_unique<TConfigForm>();
    auto request = std::make_unique<KtSNMPRequest2Edits>(form.get());
    request->VarList().Assign(
        KtSNMPVarList(kind == TPortView::Information ? kPortInfo : kPortCtrl, KtItem::MVT_SV, 0));
    request->VarList().Suffix = instance;
    form->AddEditorPanel(std::move(request));
    const int dot = int(instance.indexOf(u'.'));
    const QString port = dot < 0 ? instance : instance.left(dot);
    const QString medium = dot < 0 ? QString() : instance.mid(dot + 1, 1);
    if (medium == QLatin1String("1") || medium == QLatin1String("2"))
        form->setWindowTitle(KtWindowTitle(PortViewCaption(kind), deviceAddress) + QStringLiteral(" / Port ") + port);
    return form;
}

void OpenPortView(TPanelHost& host, TPortView kind, const QString& deviceAddress,
                  const std::function<int(QDialog*)>& showModal)
{
    QToolButton* source = host.PopupSource();
    if (!source)
        return;
    for (QToolButton* b : host.PortButtons())
        b->setChecked(false);
    source->setChecked(true);
    std::unique_ptr<TConfigForm> form = BuildPortView(kind, source->toolTip(), deviceAddress);
    if (showModal)
        showModal(form.get());
    else
        form->exec();
}
