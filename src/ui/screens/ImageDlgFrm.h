#pragma once

#include "app/aFrm.h"
#include "screens/PictureFiles.h"

class QAction;
class QLabel;
class QScrollArea;
class QToolBar;

// The image dialog ("图像"): one picture at its natural size in a scrolling
// area, loaded from a file, written to a file or cleared; "确定" closes with OK
// and "取消" with Cancel. The dialog keeps the picture's bytes and extension, so
// an unchanged picture is handed back exactly as it came.
class TImageDlgFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit TImageDlgFrm(QWidget* parent = nullptr);

    const TPictureFile& Picture() const { return m_picture; }
    // Shows the picture, widening and heightening the window to fit it.
    void SetPicture(const TPictureFile& picture);
    QString Ext() const { return m_picture.Ext; }

    // "载入    ": a JPEG file becomes the picture.
    void LoadClick();
    // "输出": writes the picture to a chosen file.
    void SaveClick();
    // "清除": no picture.
    void ClearClick();

    QToolBar* ToolBar() const { return m_toolBar; }
    QLabel* PictureLabel() const { return m_label; }

  private:
    void Guarded(void (TImageDlgFrm::*command)());
    void FitWindow(const QSize& picture);

    QToolBar* m_toolBar;
    QScrollArea* m_area;
    QLabel* m_label;
    TPictureFile m_picture;
};
