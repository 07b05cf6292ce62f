#include "records/RecordContext.h"

namespace {

QString& LoginIdStore() {
    static QString loginId;
    return loginId;
}

} // namespace

QString CurrentLoginId() {
    return LoginIdStore();
}

void SetCurrentLoginId(const QString& loginId) {
    LoginIdStore() = loginId;
}
