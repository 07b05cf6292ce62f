#pragma once

#include <functional>

class QWidget;

// The windows of the main window's commands that other parts of the program
// provide. Each is installed at start-up by the part that owns the window; a
// command whose window is not installed is offered disabled.
struct TMainHooks {
    using TWindow = std::function<void(QWidget* parent)>;
    // A wizard that changes the lists; true when it ended with OK.
    using TWizard = std::function<bool(QWidget* parent)>;

    static TWindow Options;
    static TWindow ClearData;
    static TWindow Backup;
    static TWizard ImportHouses;
    static TWizard ImportClients;
    static TWindow Statistics;
    static TWindow Documents;
    static TWindow ToolsSetup;
    static TWindow Calculator;
    static TWindow DailyTip;
    static TWindow Feedback;
    static TWindow About;
};
