#include "dialogs/tables/Layer2Tables.h"

namespace Layer2Tables {

namespace {

constexpr KtOptionPair kRowStatusPairs[] = {{1, "Active"},      {2, "NotInService"}, {3, "NotReady"},
                                            {4, "CreateAndGo"}, {5, "CreateAndWait"}, {6, "Destroy"}, {}};

} // namespace

const KtOptionList olVlanRowStatus(kRowStatusPairs);

} // namespace Layer2Tables
