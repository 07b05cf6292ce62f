#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>


// One thumbnail of a picture with its title. It is not a widget of its own: it
// places four controls on its parent, a frame of Width × Height, a border one
// pixel inside the frame (filled while selected), the picture fitted inside the
// frame and the caption just below the border. Presses on the border or the
// picture are reported; the tag carries whatever number the owner gives it.
class TzyPhoto : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultWidth = 120;
    static constexpr int kDefaultHeight = 100;
    static constexpr int kMargin = 16;
    static constexpr int kCaptionHeight = 17;

    explicit TzyPhoto(QWidget* parent);
    ~TzyPhoto() override;

    QWidget* Parent() const { return m_parent; }
    void SetParent(QWidget* parent);

    int Left() const { return m_rect.left(); }
    int Top() const { return m_rect.top(); }
    int Width() const { return m_rect.width(); }
    int Height() const { return m_rect.height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    QString Caption() const;
    void SetCaption(const QString& caption);
    const QString& Ext() const { return m_ext; }
    void SetExt(const QString& ext) { m_ext = ext; }
    // Shown in place of the picture when there is none.
    QString PictureNote() const { return m_note; }
    void SetPictureNote(const QString& note);
    bool Selected() const { return m_selected; }
    void SetSelected(bool selected);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Where the picture goes inside a frame of `frame` (relative to the frame's
    // top left): 16 pixels less than the frame in its limiting direction,
    // keeping the aspect ratio, centred. An empty picture gets an empty rectangle.
    static QRect FitPicture(const QSize& frame, const QSize& picture);

    // The placed parts, for whoever must look at them.
    QFrame* FramePart() const { return m_frame; }
    QWidget* BorderPart() const { return m_border; }
    QWidget* PicturePart() const { return m_pictureBox; }
    QLabel* CaptionPart() const { return m_caption; }

  signals:
    // A mouse button went down on the border or the picture; `pos` in the
    // parent's coordinates.
    void MouseDown(TzyPhoto* photo, Qt::MouseButton button, const QPoint& pos);
    void Click(TzyPhoto* photo);
    void DblClick(TzyPhoto* photo);
    void RightClick(TzyPhoto* photo, const QPoint& pos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateParts();
    void Arrange();
    void Watch(QWidget* part);

    QPointer<QWidget> m_parent;
    QRect m_rect{0, 0, kDefaultWidth, kDefaultHeight};
    QImage m_picture;
    QString m_ext;
    QString m_note;
    bool m_selected = false;
    bool m_visible = true;
    int m_tag = 0;
    QPointer<QFrame> m_frame;
    QPointer<QWidget> m_border;
    QPointer<QWidget> m_pictureBox;
    QPointer<QLabel> m_caption;
};
