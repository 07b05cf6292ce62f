#pragma once

#include "app/aFrm.h"

#include <QString>

#include <exception>
#include <functional>

class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;

// The program's main window without its commands: the menu bar, the tool bar,
// the vertical view bar, the client panel and the status bar with its four
// panels; the handler of errors no command handled; the menus of stored tools
// and documents; the title; and what happens when the window closes.
class TCustomMainFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit TCustomMainFrm(QWidget* parent = nullptr);
    ~TCustomMainFrm() override;

    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar1() const { return m_toolBar; }
    QToolBar* ToolBar2() const { return m_viewBar; }
    QWidget* ClientPanel1() const { return m_clientPanel; }
    QStatusBar* StatusBar1() const { return m_statusBar; }
    // Status panel 0..3: hint, operator id, and two empty ones.
    QLabel* StatusPanel(int index) const;

    // Reports an error that reached the program's event loop: an error box with
    // OK and Cancel; OK hands the error to the problem report, when there is one.
    void AppException(const QString& message, const QString& errorClass);
    // The problem report form ("错误与缺陷报告"); empty until it exists.
    static std::function<void(const QString& message, const QString& errorClass)> ProblemReport;
    // Run while the window closes: the feedback form (only when the operator
    // asked for it at exit) and the automatic backup.
    static std::function<void()> FeedbackForm;
    static std::function<void()> AutoBackup;

    // Refills a menu after its first `keep` items with one item per row of a
    // stored list (tools: table link; documents: table doc), in Id order.
    static void RebuildStoredMenu(QMenu* menu, int keep, const QString& table,
                                  const std::function<void(int id)>& open);
    // Opens a stored tool link or a stored document by its Id.
    static void RunLink(int id);
    static void OpenDoc(int id);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateStatusBar();

    QMenuBar* m_menuBar;
    QToolBar* m_toolBar;
    QToolBar* m_viewBar;
    QWidget* m_clientPanel;
    QStatusBar* m_statusBar;
    QLabel* m_panels[4];
};
