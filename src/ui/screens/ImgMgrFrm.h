#pragma once

#include "app/aFrm.h"
#include "operations/PhotoManager.h"

class QLabel;
class QToolBar;
class THouseMgr;
class TImageBox;

// The image manager window ("图片管理") of the house manager's current house:
// a tool bar with the image commands over an image box filling the window.
class TImgMgrFrm : public TaFrm, public TPhotoManager {
    Q_OBJECT
  public:
    explicit TImgMgrFrm(THouseMgr& houses, QWidget* parent = nullptr);

    QString Caption() const override { return windowTitle(); }
    void SetCaption(const QString& caption) override { setWindowTitle(caption); }
    // Shows the window modally. Afterwards the page following the house list's
    // rows is told to reload, so that a shown 图片信息 page has the changes.
    bool Execute() override;

    TImageBox* ImageBox() const { return m_box; }
    QToolBar* ToolBar() const { return m_toolBar; }

  private:
    THouseMgr& m_houses;
    QToolBar* m_toolBar;
    TImageBox* m_box;
    QLabel* m_captionLine;
};
