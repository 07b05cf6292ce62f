#pragma once

#include <QLabel>

#include <functional>

// A panel over the whole of a page with the refusal text "对不起，您没有权限查看
// 此信息！". While it covers the page, the page's content is hidden, so that
// nothing under it can be read or reached with the keyboard.
class TCoverPanel : public QLabel {
    Q_OBJECT
  public:
    // `content` is what the page's layout holds and the panel hides; `allowed`
    // tells whether the operator may see the page's record.
    TCoverPanel(QWidget* page, QWidget* content, std::function<bool()> allowed);

    // Covers the page exactly when the record may not be seen.
    void Update() { SetCovering(!m_allowed()); }
    void SetCovering(bool covering);
    bool Covering() const { return !isHidden(); }

    static QString RefusalText() { return QStringLiteral("对不起，您没有权限查看此信息！"); }

  private:
    QWidget* m_content;
    std::function<bool()> m_allowed;
};
