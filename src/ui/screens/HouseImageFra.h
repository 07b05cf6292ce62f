#pragma once

#include <QWidget>

#include <memory>

class THouseMgr;
class TImageBox;
class TRowFollower;

// The detail page "图片信息": the image box of the house list's current house,
// reloaded whenever the current house changes. While it lives it holds the
// house manager's row-change slot.
class THouseImageFra : public QWidget {
    Q_OBJECT
  public:
    THouseImageFra(THouseMgr& houses, QWidget* parent);
    ~THouseImageFra() override;

    TImageBox* ImageBox() const { return m_box; }

  private:
    TImageBox* m_box;
    std::unique_ptr<TRowFollower> m_follower;
};
