#pragma once

#include <QString>

#include <functional>
#include <memory>

class TConfigEditor;
class TSplashFrm;
class TmainFrm;

// The program's start: the application's identity, language and font, the
// splash window with its progress texts, the connection to the database
// (offering the configuration dialog until it succeeds or the operator gives
// up) and the first-run flag.
class TStartup {
  public:
    using TEditorFactory = std::function<std::unique_ptr<TConfigEditor>()>;

    // The configuration dialog by default; tests put a scripted editor here.
    explicit TStartup(TEditorFactory editorFactory = {});
    ~TStartup();

    // Runs the sequence and returns the process's exit code: 0 also when the
    // operator gives up connecting, 1 when a step after the connection fails.
    int Run();

    // Title, translations of the standard dialogs and the font.
    static void InitApplication();

  private:
    void ShowSplash();
    void Progress(const QString& message);
    bool ConnectDatabase();
    // The steps after a successful connection; raises what they raise.
    int RunConnected();
    void CreateCommonObjects();
    void FirstRunCheck();
    void ShowMainWindow(TmainFrm& main);

    TEditorFactory m_editorFactory;
    std::unique_ptr<TSplashFrm> m_splash;
};
