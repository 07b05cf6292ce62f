#include "screens/ImageBox.h"

#include "app/Error.h"
#include "app/GuardedCommand.h"
#include "app/Messenger.h"
#include "data/KeyValue.h"
#include "operations/HouseMgr.h"
#include "operators/Operator.h"
#include "operators/Rights.h"
#include "screens/ImageDlgFrm.h"
#include "screens/PictureFiles.h"
#include "toolkit/zyPhoto.h"

#include <QMenu>
#include <QMouseEvent>

namespace {

const QString kUndecodable = QStringLiteral("无法显示");

} // namespace

std::function<bool(TImageDlgFrm&)> TImageBox::ExecImageDialog = [](TImageDlgFrm& dialog) {
    return dialog.exec() == QDialog::Accepted;
};

TImageBox::TImageBox(THouseMgr& houses, QWidget* parent)
    : QScrollArea(parent), m_houses(houses), m_panel(new QWidget), m_photoMenu(new QMenu(this)),
      m_spaceMenu(new QMenu(this)) {
    setWidget(m_panel);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_panel->installEventFilter(this);
    BuildMenus();
    Reload();
}

TImageBox::~TImageBox() = default;

void TImageBox::BuildMenus() {
    auto item = [this](QMenu* menu, const QString& caption, void (TImageBox::*command)()) {
        // Queued: a command may free the thumbnail whose press opened the menu.
        connect(menu->addAction(caption), &QAction::triggered, this, [this, command] {
            QMetaObject::invokeMethod(
                this, [this, command] { Run(command); }, Qt::QueuedConnection);
        });
    };
    item(m_photoMenu, QStringLiteral("打开"), &TImageBox::OpenClick);
    m_photoMenu->addSeparator();
    item(m_photoMenu, QStringLiteral("添加"), &TImageBox::AddClick);
    item(m_photoMenu, QStringLiteral("重命名"), &TImageBox::RenameClick);
    m_photoMenu->addSeparator();
    item(m_photoMenu, QStringLiteral("删除"), &TImageBox::DeleteClick);
    item(m_spaceMenu, QStringLiteral("添加"), &TImageBox::AddClick);
}

void TImageBox::Run(void (TImageBox::*command)()) {
    RunGuarded([this, command] { (this->*command)(); });
}

void TImageBox::Reload() {
    m_photos.clear();
    THouseImageSet* images = m_houses.Images();
    images->OpenByHouse(m_houses.CurrentId());
    TDataSet* ds = images->DataSet();
    for (int row = 0; row < ds->RecordCount(); ++row) {
        ds->SetCurrentRow(row);
        AddThumbnail(row);
    }
    FitPanel();
}

// One thumbnail for the images set's current row. A picture that cannot be
// decoded leaves its thumbnail with a note instead, and the others still show.
void TImageBox::AddThumbnail(int index) {
    THouseImageSet* images = m_houses.Images();
    auto photo = std::make_unique<TzyPhoto>(m_panel);
    photo->SetLeft(kFirstLeft + index * (TzyPhoto::kDefaultWidth + kGap));
    photo->SetTop(kTop);
    photo->SetTag(images->IdFld()->AsInteger());
    photo->SetCaption(images->SubjectFld()->AsString());
    photo->SetExt(images->ExtFld()->AsString());
    try {
        photo->SetPicture(images->Photo());
    } catch (const EOrbelError&) {
        photo->SetPictureNote(kUndecodable);
    }
    connect(photo.get(), &TzyPhoto::MouseDown, this, &TImageBox::PhotoPressed);
    connect(photo.get(), &TzyPhoto::DblClick, this, [this](TzyPhoto* clicked) {
        Select(clicked);
        QMetaObject::invokeMethod(
            this, [this] { Run(&TImageBox::OpenClick); }, Qt::QueuedConnection);
    });
    m_photos.push_back(std::move(photo));
}

void TImageBox::FitPanel() {
    const int count = int(m_photos.size());
    const int width = kFirstLeft + count * (TzyPhoto::kDefaultWidth + kGap);
    const int height = kTop + TzyPhoto::kDefaultHeight + TzyPhoto::kCaptionHeight + kTop;
    m_panel->setMinimumSize(width, height);
}

QList<TzyPhoto*> TImageBox::Photos() const {
    QList<TzyPhoto*> photos;
    for (const auto& p : m_photos)
        photos << p.get();
    return photos;
}

TzyPhoto* TImageBox::SelectedPhoto() const {
    for (const auto& p : m_photos) {
        if (p->Selected())
            return p.get();
    }
    return nullptr;
}

void TImageBox::Select(TzyPhoto* photo) {
    for (const auto& p : m_photos)
        p->SetSelected(p.get() == photo);
}

void TImageBox::PhotoPressed(TzyPhoto* photo, Qt::MouseButton button, const QPoint& pos) {
    if (!photo->Selected())
        Select(photo);
    if (button == Qt::RightButton)
        m_photoMenu->popup(m_panel->mapToGlobal(pos + QPoint(10, 15)));
}

bool TImageBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_spaceMenu->popup(m_panel->mapToGlobal(mouse->position().toPoint()));
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void TImageBox::RequireImageRight() const {
    const QString me = CurrentOperator().LoginId;
    const QString broker = m_houses.BrokerFld()->AsString();
    if (!broker.isEmpty() && broker == me && TKeyValue().GetFlag(TKeyValue::kBrokerMayEdit, true))
        return;
    if (broker.isEmpty() && !me.isEmpty() && m_houses.AddorFld()->AsString() == me)
        return;
    CurrentOperator().RequireRight(rtOthersRecords);
}

void TImageBox::CheckTitle(const QString& title) const {
    const int size = m_houses.Images()->SubjectFld()->Size();
    if (title.size() > size)
        throw EOrbelError(QStringLiteral("图片名称不能超过%1个字.").arg(size));
}

bool TImageBox::AskTitle(QString& title) const {
    if (!Messenger().InputQuery(QStringLiteral("提示"), QStringLiteral("请输入图片名称"), title))
        return false;
    CheckTitle(title);
    return true;
}

void TImageBox::AddClick() {
    if (!m_houses.HasCurrent())
        return;
    RequireImageRight();
    const QString file = TPictureFiles::OpenFile(this, TPictureFiles::StoredFilter());
    if (file.isEmpty())
        return;
    QString title;
    if (!AskTitle(title))
        return;
    const TPictureFile picture = TPictureFiles::Read(file);
    int id = 0;
    try {
        id = m_houses.Images()->AddImage(m_houses.CurrentId(), picture.Ext, title, picture.Bytes);
    } catch (...) {
        Reload(); // drops what the failed insert left in the list
        throw;
    }
    Reload();
    for (const auto& p : m_photos) {
        if (p->Tag() == id)
            Select(p.get());
    }
}

void TImageBox::RenameClick() {
    TzyPhoto* photo = SelectedPhoto();
    if (!photo)
        return;
    QString title = photo->Caption();
    if (!AskTitle(title))
        return;
    if (m_houses.Images()->RenameImage(photo->Tag(), title))
        photo->SetCaption(title);
}

void TImageBox::DeleteClick() {
    TzyPhoto* photo = SelectedPhoto();
    if (!photo)
        return;
    RequireImageRight();
    m_houses.Images()->DeleteImage(photo->Tag());
    Reload();
}

QByteArray TImageBox::StoredBytes(int id) const {
    THouseImageSet* images = m_houses.Images();
    if (!images->DataSet()->Locate(QStringLiteral("Id"), id))
        return QByteArray();
    return images->PhotoFld()->AsBytes();
}

void TImageBox::OpenClick() {
    TzyPhoto* photo = SelectedPhoto();
    if (!photo || !m_houses.HasCurrent())
        return;
    TImageDlgFrm dialog(this);
    // The stored bytes go along even when they cannot be shown, so that OK on an
    // unchanged dialog stores them again as they were.
    dialog.SetPicture(TPictureFile{StoredBytes(photo->Tag()), photo->Ext(), photo->Picture()});
    while (ExecImageDialog(dialog)) {
        RequireImageRight();
        try {
            StorePicture(photo, dialog);
            return;
        } catch (const EAbort&) {
            throw;
        } catch (const EOrbelError& e) {
            ShowInfo(e.Message());
        }
    }
}

void TImageBox::StorePicture(TzyPhoto* photo, const TImageDlgFrm& dialog) {
    const TPictureFile& picture = dialog.Picture();
    QByteArray bytes = picture.Bytes;
    if (bytes.isEmpty() && !picture.Image.isNull())
        bytes = THouseImageSet::EncodePicture(picture.Image, picture.Ext);
    m_houses.Images()->SetImage(photo->Tag(), picture.Ext, bytes);
    if (bytes.isEmpty()) {
        photo->SetPicture(QImage());
        photo->SetPictureNote(QString());
        return;
    }
    photo->SetExt(picture.Ext);
    photo->SetPicture(picture.Image);
    if (!picture.Image.isNull())
        photo->SetPictureNote(QString());
}
