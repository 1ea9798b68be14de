#include "dialogs/tables/SecurityTables.h"

namespace SecurityTables {

const KtOptionList olLogHostIndex({{1, "swSysLogServerIndex-1"},
                                   {2, "swSysLogServerIndex-2"},
                                   {3, "swSysLogServerIndex-3"},
                                   {4, "swSysLogServerIndex-4"}});
const KtOptionList olFacility({{0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"},
                               {4, "local4"}, {5, "local5"}, {6, "local6"}, {7, "local7"}});
const KtOptionList olSeverity({{1, "all"}, {2, "warning"}, {3, "informational"}});
const KtOptionList olHostState({{2, "disabled"}, {3, "enabled"}});
const KtOptionList olRadiusIndex({{1, "RadiusServerIndex-1"}, {2, "RadiusServerIndex-2"}, {3, "RadiusServerIndex-3"}});

} // namespace SecurityTables
