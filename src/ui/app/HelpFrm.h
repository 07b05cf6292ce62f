#pragma once

#include <QPointer>
#include <QWidget>

class QTextBrowser;

// The program's help window: shows the page help/<topic>.htm from the program's
// folder, or a short note when there is no page for the topic. One window serves
// the whole program; opening a topic brings it to the front without waiting.
class THelpFrm : public QWidget {
    Q_OBJECT
  public:
    // Shows a topic in the help window, creating the window on first use.
    static THelpFrm* Open(const QString& topic);
    // The help window when one is open.
    static THelpFrm* Current() { return s_current; }
    // The file that holds a topic's page.
    static QString PagePath(const QString& topic);

    void ShowTopic(const QString& topic);
    QString Topic() const { return m_topic; }
    QTextBrowser* Browser() const { return m_browser; }

  private:
    THelpFrm();
    void ShowMissing(const QString& topic);

    QTextBrowser* m_browser;
    QString m_topic;
    static QPointer<THelpFrm> s_current;
};
