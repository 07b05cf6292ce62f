#include "screens/ContactFrm.h"

#include "app/DlgButtonBar.h"

#include <QCursor>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

TContactFrm::TContactFrm(QWidget* parent)
    : TPropertyDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowCloseButtonHint),
      m_body(new QWidget(this)) {
    setObjectName(QStringLiteral("ContactFrm"));
    setWindowTitle(QStringLiteral("联系信息"));
    SetEscCancels(true);
    SetPlaceOnShow(false);

    auto* form = new QFormLayout(m_body);
    form->setContentsMargins(16, 14, 16, 8);
    form->setVerticalSpacing(8);
    AddBox(QStringLiteral("登陆名"), QStringLiteral("LoginId"), "edtLoginId1");
    AddBox(QStringLiteral("姓名"), QStringLiteral("Name"), "edtName1");
    AddBox(QStringLiteral("联系方式"), QStringLiteral("Contact"), "edtContact1");
    AddBox(QStringLiteral("备注"), QStringLiteral("Note"), "edtNote1");

    auto* bar = new TDlgButtonBar(this);
    QPushButton* close = bar->AddButton(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("btnClose1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_body, 1);
    layout->addWidget(bar);
    resize(320, 200);
}

QLineEdit* TContactFrm::AddBox(const QString& caption, const QString& name,
                               const char* objectName) {
    auto* box = new QLineEdit(m_body);
    box->setObjectName(QLatin1String(objectName));
    box->setReadOnly(true);
    static_cast<QFormLayout*>(m_body->layout())->addRow(caption, box);
    Props().BindText(name, box);
    return box;
}

QPoint TContactFrm::Placement(const QSize& card, const QPoint& pointer, const QRect& screen) {
    const QPoint p = pointer - screen.topLeft();
    int top = p.y() - card.height() / 2;
    if (top < 0)
        top = 0;
    if (top > screen.height() - card.height() - 20)
        top = screen.height() - card.height() - 20;
    int left = p.x() - card.width() / 2;
    if (left < 0)
        left = 0;
    if (left > screen.width() - card.width() - 10)
        left = screen.width() - card.width() - 10;
    return screen.topLeft() + QPoint(left, top);
}

void TContactFrm::showEvent(QShowEvent* event) {
    TPropertyDialog::showEvent(event);
    if (!event->spontaneous())
        MoveToPointer();
}

void TContactFrm::MoveToPointer() {
    const QPoint pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = this->screen();
    if (screen)
        move(Placement(frameGeometry().size(), pointer, screen->geometry()));
}
