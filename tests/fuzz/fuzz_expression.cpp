// The number, logic and comparison evaluators and conditions over a small variable list, on
// arbitrary text. Byte 0 picks the entry point; the rest is the text. Only framework errors
// may come out.
#include "KtNML/KtExpression.h"
#include "KtNML/KtSNMPError.h"

#include <cstdint>

namespace {

const KtOptionList olState{{1, "other"}, {2, "disabled"}, {3, "enabled"}};

KtSNMPVarList& List()
{
    static KtSNMPVarList list = [] {
        const KtSNMPVarDef defs[] = {
            {"1.1", "n", KtSyn::Integer, KtAcc::ReadOnly},
            {"1.2", "s", KtSyn::DisplayStr, KtAcc::ReadOnly},
            {"1.3", "b", KtSyn::Boolean, KtAcc::ReadOnly},
            {"1.4", "t", KtSyn::TimeTicks, KtAcc::ReadOnly},
            {"1.5", "e", KtSyn::Integer, KtAcc::ReadWrite, &olState},
            {"1.6", "d", KtSyn::BcDateTime, KtAcc::ReadOnly},
            {"1.7", "x", KtSyn::Gauge, KtAcc::ReadOnly},
            {},
        };
        KtSNMPVarList l(defs, KtItem::MVT_UMV, 0);
        l.Item(0).Value = "7";
        l.Item(1).Value = "a$1\"(|";
        l.Item(2).Value = "true";
        l.Item(3).Value = "1 day 0:00:00.01";
        l.Item(4).Value = "enabled";
        l.Item(5).Value = "2007/05/26 01:30:00 pm";
        l.Item(6).Value = "(NULL)";
        return l;
    }();
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        switch (data[0] % 5) {
        case 0: EvaluateNumber(text); break;
        case 1: EvaluateLogic(text); break;
        case 2: EvaluateComparison(text); break;
        case 3: EvaluateCondition(List(), text); break;
        default: {
            KtSNMPVarList copy(List());
            copy.Item(4).GetExpression = text;
            ApplyExpression(copy, 4, true);
            break;
        }
        }
    } catch (const KtException&) {
    }
    return 0;
}
