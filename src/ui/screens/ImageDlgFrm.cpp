#include "screens/ImageDlgFrm.h"

#include "app/GuardedCommand.h"

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

TImageDlgFrm::TImageDlgFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_toolBar(new QToolBar(this)), m_area(new QScrollArea(this)), m_label(new QLabel) {
    setObjectName(QStringLiteral("ImageDlgFrm"));
    setWindowTitle(QStringLiteral("图像"));
    SetEscCancels(true);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(m_toolBar->addAction(QStringLiteral("载入    ")), &QAction::triggered, this,
            [this] { Guarded(&TImageDlgFrm::LoadClick); });
    connect(m_toolBar->addAction(QStringLiteral("输出")), &QAction::triggered, this,
            [this] { Guarded(&TImageDlgFrm::SaveClick); });
    connect(m_toolBar->addAction(QStringLiteral("清除")), &QAction::triggered, this,
            [this] { Guarded(&TImageDlgFrm::ClearClick); });
    m_toolBar->addSeparator();
    connect(m_toolBar->addAction(QStringLiteral("取消")), &QAction::triggered, this,
            &QDialog::reject);
    connect(m_toolBar->addAction(QStringLiteral("确定")), &QAction::triggered, this,
            &QDialog::accept);

    m_area->setBackgroundRole(QPalette::Base);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_area->setWidget(m_label);
    m_area->setWidgetResizable(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_area, 1);
    resize(420, 320);
}

void TImageDlgFrm::Guarded(void (TImageDlgFrm::*command)()) {
    RunGuarded([this, command] { (this->*command)(); });
}

void TImageDlgFrm::SetPicture(const TPictureFile& picture) {
    m_picture = picture;
    if (picture.Image.isNull()) {
        m_label->setPixmap(QPixmap());
        m_label->resize(0, 0);
        return;
    }
    m_label->setPixmap(QPixmap::fromImage(picture.Image));
    m_label->resize(picture.Image.size());
    FitWindow(picture.Image.size());
}

void TImageDlgFrm::FitWindow(const QSize& picture) {
    QSize size = this->size();
    if (size.width() < picture.width())
        size.setWidth(picture.width() + 30);
    if (size.height() - 50 < picture.height())
        size.setHeight(picture.height() + 100);
    resize(size);
}

void TImageDlgFrm::LoadClick() {
    const QString file = TPictureFiles::OpenFile(this, TPictureFiles::JpegFilter());
    if (!file.isEmpty())
        SetPicture(TPictureFiles::Read(file));
}

void TImageDlgFrm::SaveClick() {
    if (m_picture.Image.isNull())
        return;
    const QString file = TPictureFiles::SaveFile(this, TPictureFiles::JpegFilter());
    if (!file.isEmpty())
        TPictureFiles::Write(file, m_picture);
}

void TImageDlgFrm::ClearClick() {
    // The extension stays: storing no picture keeps the stored one as it is.
    SetPicture(TPictureFile{QByteArray(), m_picture.Ext, QImage()});
}
