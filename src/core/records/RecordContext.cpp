#include "records/RecordContext.h"

#include "operators/Operator.h"

// Bookmarks follow the logged-in operator: the login name is the one of
// CurrentOperator, so there is a single record of who is logged in.
QString CurrentLoginId() { return CurrentOperator().LoginId; }

void SetCurrentLoginId(const QString& loginId) { CurrentOperator().LoginId = loginId; }
