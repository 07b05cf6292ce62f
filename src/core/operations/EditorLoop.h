#pragma once

#include <functional>

class QString;
class TModalDialog;

// Shows `editor` until the operator cancels it or `save` succeeds. When `save`
// fails, `cancel` drops the pending change, the error's message is shown through
// `show` (a silent stop shows nothing) and the editor comes back with everything
// the operator entered. True when a save succeeded.
bool RunEditor(TModalDialog& editor, const std::function<void()>& save,
               const std::function<void()>& cancel, void (*show)(const QString&) = nullptr);
