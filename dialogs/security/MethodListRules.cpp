#include "dialogs/security/MethodListRules.h"

namespace MethodListRules {

namespace {

bool EndsTheList(int position)
{
    return position == kLocalPosition || position == kNonePosition;
}

} // namespace

int MethodPosition(int comboIndex, const QString& text)
{
    if (comboIndex < 0 || text.isEmpty() || text == QLatin1String("other") || comboIndex == kOtherPosition)
        return kUnset;
    return comboIndex;
}

bool CheckMethodOrder(const Positions& positions)
{
    bool ended = false;
    for (int position : positions) {
        if (position == kUnset)
            continue;
        if (ended)
            return false;
        ended = EndsTheList(position);
    }
    return true;
}

Positions TruncateMethods(const Positions& positions)
{
    Positions out = positions;
    bool ended = false;
    for (int& position : out) {
        if (ended)
            position = kUnset;
        else if (position != kUnset && EndsTheList(position))
            ended = true;
    }
    return out;
}

std::set<int> LeftOutByMethods(const Positions& positions)
{
    std::set<int> out;
    for (int n = 1; n <= kMethodCount; ++n) {
        const int position = positions[std::size_t(n - 1)];
        if (position == kUnset)
            out.insert(2 * n - 1);
        if (position != kServerGroupPosition)
            out.insert(2 * n);
    }
    return out;
}

int FirstEmptyGroup(const Positions& positions, const std::array<QString, kMethodCount>& groups)
{
    const Positions written = TruncateMethods(positions);
    for (int n = 1; n <= kMethodCount; ++n)
        if (written[std::size_t(n - 1)] == kServerGroupPosition && groups[std::size_t(n - 1)].trimmed().isEmpty())
            return n;
    return 0;
}

} // namespace MethodListRules
