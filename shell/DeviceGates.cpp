#include "shell/DeviceGates.h"

#include "KtNML/KtOptionList.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSNMPRequest2Edits.h"
#include "KtNML/KtSNMPVarList.h"

#include <QLabel>

namespace {

constexpr KtOptionPair kRmonStatePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
constexpr KtOptionPair kStpVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
constexpr KtOptionPair kDot1xStatusPairs[] = {{1, "enabled"}, {2, "disabled"}, {}};

const KtOptionList& RmonStateOptions()
{
    static const KtOptionList list(kRmonStatePairs);
    return list;
}

const KtOptionList& StpVersionOptions()
{
    static const KtOptionList list(kStpVersionPairs);
    return list;
}

const KtOptionList& Dot1xStatusOptions()
{
    static const KtOptionList list(kDot1xStatusPairs);
    return list;
}

struct ModelPorts {
    const char* model;
    int ports;
};
constexpr ModelPorts kModelTable[] = {
    {"VKR-2207", 10},
    {"QTR-5528P", 28},
    {"QTR-5552", 52},
    {"QTR-5552P", 52},
};

} // namespace

int ModelPortCount(const QString& model)
{
    for (const ModelPorts& m : kModelTable)
        if (model.compare(QLatin1String(m.model), Qt::CaseInsensitive) == 0)
            return m.ports;
    return 0;
}

TDeviceStatus::TDeviceStatus(QWidget* owner, QLabel* rmonState, QLabel* stpVersion, QLabel* dot1xStatus,
                             ErrorSink sink)
    : m_labels{rmonState, stpVersion, dot1xStatus}, m_sink(std::move(sink))
{
    const KtSNMPVarDef defs[3][2] = {
        {{"1.3.6.1.4.1.32473.11.101.1.2.1.2.4", "RMON State", KtSyn::Integer, KtAcc::ReadWrite, &RmonStateOptions()},
         {}},
        {{"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", KtSyn::Integer, KtAcc::ReadWrite, &StpVersionOptions()}, {}},
        {{"1.0.8802.1.1.1.1.1.1", "System Authentication Control", KtSyn::Integer, KtAcc::ReadWrite,
          &Dot1xStatusOptions()},
         {}},
    };
    const char* names[3] = {"RmonState", "STPVersion", "8021xStatus"};
    for (int i = 0; i < 3; ++i) {
        auto request = std::make_unique<KtSNMPRequest2Edits>(owner);
        KtSNMPVarList list(defs[i], KtItem::SVT_SV, 0);
        list.Name = QLatin1String(names[i]);
        request->VarList().Assign(list);
        request->Bind(0, m_labels[i]);
        request->Mode = 0;
        m_requests[i] = std::move(request);
    }
}

TDeviceStatus::~TDeviceStatus() = default;

bool TDeviceStatus::Read(Item item)
{
    KtSNMPRequest2Edits& request = *m_requests[item];
    // A request copies the session's parameters when made; the address may have changed since.
    request.Request().Params = KtSNMPDefaults;
    try {
        request.Get();
        return true;
    } catch (const KtException& e) {
        if (m_sink)
            m_sink(e.Message());
        return false;
    }
}

QString TDeviceStatus::Text(Item item) const
{
    return m_labels[item]->text();
}

KtSNMPRequest2Edits& TDeviceStatus::Request(Item item)
{
    return *m_requests[item];
}
