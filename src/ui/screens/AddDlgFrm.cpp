#include "screens/AddDlgFrm.h"

#include "app/Error.h"
#include "app/Messenger.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TAddDlgFrm::TAddDlgFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_current(new QLabel(this)), m_icons(new QListWidget(this)), m_main(new QPushButton(this)),
      m_close(new QPushButton(QStringLiteral("关闭"), this)) {
    setObjectName(QStringLiteral("AddDlgFrm"));
    setWindowTitle(QStringLiteral("新建"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetPlaceOnShow(false);
    SetEscCancels(true);

    m_current->setObjectName(QStringLiteral("lblCurrent1"));
    m_icons->setObjectName(QStringLiteral("lvIcons1"));
    m_icons->setViewMode(QListView::IconMode);
    m_icons->setIconSize(QSize(32, 32));
    m_icons->setGridSize(QSize(84, 64));
    m_icons->setMovement(QListView::Static);
    m_icons->setResizeMode(QListView::Adjust);
    m_main->setObjectName(QStringLiteral("btnNew1"));
    m_close->setObjectName(QStringLiteral("btnClose1"));
    connect(m_icons, &QListWidget::itemDoubleClicked, this, &TAddDlgFrm::IconActivated);
    connect(m_icons, &QListWidget::itemActivated, this, &TAddDlgFrm::IconActivated);
    connect(m_main, &QPushButton::clicked, this, [this] { Run(m_mainCommand); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_main);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(new QLabel(QStringLiteral("双击框内项目可添加相应信息："), this));
    layout->addWidget(m_current);
    layout->addWidget(m_icons, 1);
    layout->addLayout(buttons);
    resize(260, 210);
}

void TAddDlgFrm::AddIcon(const QString& caption, const QIcon& icon, TCommand command) {
    auto* item = new QListWidgetItem(icon, caption, m_icons);
    item->setData(Qt::UserRole, int(m_commands.size()));
    m_commands << std::move(command);
}

void TAddDlgFrm::SetMainCommand(const QString& caption, TCommand command) {
    m_main->setText(caption);
    m_mainCommand = std::move(command);
}

void TAddDlgFrm::IconActivated(QListWidgetItem* item) {
    if (item)
        Run(m_commands.value(item->data(Qt::UserRole).toInt()));
}

void TAddDlgFrm::Run(const TCommand& command) {
    // A double click also activates the item: the first choice wins.
    if (m_chosen)
        return;
    m_chosen = true;
    close();
    if (!command)
        return;
    QTimer::singleShot(0, qApp, [command] {
        try {
            command();
        } catch (const EAbort&) {
        } catch (const EOrbelError& e) {
            ShowInfo(e.Message());
        }
    });
}

QPoint TAddDlgFrm::Placement(const QSize& dialog, const QPoint& pointer) {
    return pointer - QPoint(dialog.width() / 8, 0);
}

void TAddDlgFrm::Popup() {
    show();
    move(Placement(frameGeometry().size(), QCursor::pos()));
    raise();
    activateWindow();
}

void TAddDlgFrm::changeEvent(QEvent* event) {
    TaFrm::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        close();
}
