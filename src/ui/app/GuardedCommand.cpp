#include "app/GuardedCommand.h"

#include "app/Error.h"
#include "app/Messenger.h"

void RunGuarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
    }
}
