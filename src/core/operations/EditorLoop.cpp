#include "operations/EditorLoop.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "operations/ModalDialog.h"

namespace {

void Report(void (*show)(const QString&), const QString& message) {
    if (message.isEmpty())
        return;
    (show ? show : ShowInfo)(message);
}

} // namespace

bool RunEditor(TModalDialog& editor, const std::function<void()>& save,
               const std::function<void()>& cancel, void (*show)(const QString&)) {
    while (editor.Execute()) {
        try {
            save();
            return true;
        } catch (const EOrbelError& e) {
            cancel();
            Report(show, e.Message());
        } catch (const std::exception& e) {
            cancel();
            Report(show, QString::fromUtf8(e.what()));
        }
    }
    return false;
}
