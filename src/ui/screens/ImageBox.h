#pragma once

#include <QList>
#include <QScrollArea>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class THouseMgr;
class TImageDlgFrm;
class TzyPhoto;

// The photos of the house manager's current house as a row of thumbnails in a
// horizontally scrolling panel, with the commands that open, add, retitle,
// replace and delete them. Adding, deleting and storing a replaced picture need
// the permission to change the house's images; retitling needs none.
class TImageBox : public QScrollArea {
    Q_OBJECT
  public:
    static constexpr int kFirstLeft = 10;
    static constexpr int kTop = 10;
    static constexpr int kGap = 20;

    explicit TImageBox(THouseMgr& houses, QWidget* parent = nullptr);
    ~TImageBox() override;

    // Shows the image dialog modally; true when it ended with OK. Tests replace it.
    static std::function<bool(TImageDlgFrm& dialog)> ExecImageDialog;

    // Frees the thumbnails and shows the images of the current house.
    void Reload();
    QList<TzyPhoto*> Photos() const;
    TzyPhoto* SelectedPhoto() const;
    // Selects one thumbnail (none: nullptr) and deselects the others.
    void Select(TzyPhoto* photo);
    // The panel the thumbnails sit on.
    QWidget* Panel() const { return m_panel; }
    QMenu* PhotoMenu() const { return m_photoMenu; }
    QMenu* SpaceMenu() const { return m_spaceMenu; }

    // The commands; each raises its errors to the caller.
    void OpenClick();
    void AddClick();
    void RenameClick();
    void DeleteClick();
    // Runs a command and shows its error; a silent stop shows nothing.
    void Run(void (TImageBox::*command)());

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void AddThumbnail(int index);
    void PhotoPressed(TzyPhoto* photo, Qt::MouseButton button, const QPoint& pos);
    void FitPanel();
    // May the operator change the images of the current house? Shows the
    // rights message and stops the command when not.
    void RequireImageRight() const;
    // Refuses a title longer than the stored one can be.
    void CheckTitle(const QString& title) const;
    bool AskTitle(QString& title) const;
    // Stores the dialog's picture for the thumbnail's image.
    void StorePicture(TzyPhoto* photo, const TImageDlgFrm& dialog);
    QByteArray StoredBytes(int id) const;

    THouseMgr& m_houses;
    QWidget* m_panel;
    QMenu* m_photoMenu;
    QMenu* m_spaceMenu;
    std::vector<std::unique_ptr<TzyPhoto>> m_photos;
};
