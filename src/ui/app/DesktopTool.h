#pragma once

// The desktop's own small programs offered in the tools menu.
enum class TDesktopTool { TextEditor, Calculator };

// Starts the first program of the kind found on the PATH; does nothing when
// the desktop has none. Returns whether one was started.
bool StartDesktopTool(TDesktopTool tool);
