#pragma once

#include <QString>

// The login name of the operator using the program. Bookmarks are kept per login
// name; the login sets it once the operator is known, and it is empty before.
QString CurrentLoginId();
void SetCurrentLoginId(const QString& loginId);
