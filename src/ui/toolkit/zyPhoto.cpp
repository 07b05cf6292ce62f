#include "toolkit/zyPhoto.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Rounds halves to the even neighbour, as the picture fitting has always done.
int RoundEven(double v) {
    return int(std::lrint(v));
}

// The grey rectangle one pixel inside the frame; filled while selected.
class TPhotoBorder : public QWidget {
  public:
    using QWidget::QWidget;
    bool selected = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (selected)
            painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
        painter.setPen(QColor(192, 192, 192));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The picture stretched to the part's size, or a short note when there is none.
class TPhotoPicture : public QWidget {
  public:
    using QWidget::QWidget;
    QImage image;
    QString note;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!image.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), image);
        } else if (!note.isEmpty()) {
            painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
            painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, note);
        }
    }
};

} // namespace

TzyPhoto::TzyPhoto(QWidget* parent) : QObject(nullptr), m_parent(parent) {
    CreateParts();
}

TzyPhoto::~TzyPhoto() {
    delete m_caption;
    delete m_pictureBox;
    delete m_border;
    delete m_frame;
}

void TzyPhoto::CreateParts() {
    m_frame = new QFrame(m_parent);
    m_frame->setFrameShape(QFrame::NoFrame);
    m_border = new TPhotoBorder(m_parent);
    m_pictureBox = new TPhotoPicture(m_parent);
    m_caption = new QLabel(m_parent);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_caption->setAutoFillBackground(true);
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::Window, QColor(255, 251, 240));
    m_caption->setPalette(palette);
    Watch(m_border);
    Watch(m_pictureBox);
    Arrange();
    SetVisible(m_visible);
}

void TzyPhoto::Watch(QWidget* part) {
    part->installEventFilter(this);
}

void TzyPhoto::SetParent(QWidget* parent) {
    if (parent == m_parent)
        return;
    m_parent = parent;
    for (QWidget* part : {static_cast<QWidget*>(m_frame), m_border.data(), m_pictureBox.data(),
                          static_cast<QWidget*>(m_caption)})
        part->setParent(parent);
    SetVisible(m_visible);
}

QRect TzyPhoto::FitPicture(const QSize& frame, const QSize& picture) {
    const int w = picture.width(), h = picture.height();
    const int room_w = std::max(1, frame.width() - kMargin);
    const int room_h = std::max(1, frame.height() - kMargin);
    if (w <= 0 || h <= 0)
        return QRect();
    // The exact ratios decide which side limits: comparing them rounded let a
    // small wide picture grow past its frame into the next thumbnail.
    int pw, ph;
    if (double(w) / room_w > double(h) / room_h) {
        pw = room_w;
        ph = RoundEven(double(h) * room_w / w);
    } else {
        ph = room_h;
        pw = RoundEven(double(w) * room_h / h);
    }
    const int left = std::max(2, RoundEven((frame.width() - pw) / 2.0));
    const int top = std::max(2, RoundEven((frame.height() - ph) / 2.0));
    return QRect(left, top, pw, ph);
}

void TzyPhoto::Arrange() {
    m_frame->setGeometry(m_rect);
    const QRect border = m_rect.adjusted(1, 1, -1, -1);
    m_border->setGeometry(border);
    QRect picture = FitPicture(m_rect.size(), m_picture.size());
    if (picture.isEmpty()) // room for the note
        picture = QRect(QPoint(kMargin / 2, kMargin / 2), m_rect.size() - QSize(kMargin, kMargin));
    m_pictureBox->setGeometry(picture.translated(m_rect.topLeft()));
    m_caption->setGeometry(border.left(), border.bottom() + 1, border.width() + 1, kCaptionHeight);
}

void TzyPhoto::SetLeft(int left) {
    m_rect.moveLeft(left);
    Arrange();
}

void TzyPhoto::SetTop(int top) {
    m_rect.moveTop(top);
    Arrange();
}

void TzyPhoto::SetWidth(int width) {
    m_rect.setWidth(width);
    Arrange();
}

void TzyPhoto::SetHeight(int height) {
    m_rect.setHeight(height);
    Arrange();
}

void TzyPhoto::SetPicture(const QImage& picture) {
    m_picture = picture;
    static_cast<TPhotoPicture*>(m_pictureBox.data())->image = picture;
    Arrange();
    m_pictureBox->update();
}

QString TzyPhoto::Caption() const {
    return m_caption->text();
}

void TzyPhoto::SetCaption(const QString& caption) {
    m_caption->setText(caption);
}

void TzyPhoto::SetPictureNote(const QString& note) {
    m_note = note;
    static_cast<TPhotoPicture*>(m_pictureBox.data())->note = note;
    m_pictureBox->update();
}

void TzyPhoto::SetSelected(bool selected) {
    m_selected = selected;
    static_cast<TPhotoBorder*>(m_border.data())->selected = selected;
    m_border->update();
}

void TzyPhoto::SetVisible(bool visible) {
    m_visible = visible;
    for (QWidget* part : {static_cast<QWidget*>(m_frame), m_border.data(), m_pictureBox.data(),
                          static_cast<QWidget*>(m_caption)})
        part->setVisible(visible && m_parent);
}

bool TzyPhoto::eventFilter(QObject* watched, QEvent* event) {
    auto* part = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = part->mapToParent(mouse->position().toPoint());
        emit MouseDown(this, mouse->button(), pos);
        if (mouse->button() == Qt::RightButton)
            emit RightClick(this, pos);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            part->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            emit Click(this);
        return true;
    case QEvent::MouseButtonDblClick:
        emit DblClick(this);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
