#include "data/DBConfigFrm.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "toolkit/EnterMovesFocus.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 516;
constexpr int kClientHeight = 368;

QLabel* Caption(const QString& text) {
    return new QLabel(text);
}

} // namespace

TDBConfigFrm::TDBConfigFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QString());
    setFixedSize(kClientWidth, kClientHeight);

    auto* warning = new QLabel;
    warning->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    warning->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* notes =
        new QLabel(QStringLiteral("注意，程序无法正常连接到指定的数据库。<br>"
                                  "1.单机版用户，请检查数据库文件是否存在或者已被破坏；<br>"
                                  "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。<br>"
                                  "另外，请检查以下连接参数是否正确："));
    notes->setTextFormat(Qt::RichText);
    auto* top = new QHBoxLayout;
    top->addWidget(warning);
    top->addWidget(notes, 1);

    cbProvider1 = new QComboBox;
    cbProvider1->setObjectName(QStringLiteral("cbProvider1"));
    cbProvider1->addItems(TConfiger::ProviderNames());
    auto* providerRow = new QHBoxLayout;
    providerRow->addWidget(Caption(QStringLiteral("提供者")));
    providerRow->addWidget(cbProvider1, 1);

    pages1 = new QStackedWidget;
    pages1->setObjectName(QStringLiteral("pages1"));
    pages1->addWidget(CreateServerPage());
    pages1->addWidget(CreateFilePage());
    pages1->addWidget(CreateServicePage());
    auto* group = new QGroupBox(QStringLiteral("参数"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(pages1);
    connect(cbProvider1, &QComboBox::currentIndexChanged, pages1, &QStackedWidget::setCurrentIndex);

    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"));
    ok->setObjectName(QStringLiteral("btnOk1"));
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("btnCancel1"));
    connect(ok, &QPushButton::clicked, this, &TDBConfigFrm::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(providerRow);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QCheckBox*>(w))
            w->installEventFilter(this);
    }
    LoadFromConfig();
}

QLineEdit* TDBConfigFrm::AddEdit(const QString& name, bool masked) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    if (masked) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }
    return edit;
}

QWidget* TDBConfigFrm::CreateServerPage() {
    auto* page = new QWidget;
    edtServer1 = AddEdit(QStringLiteral("edtServer1"));
    edtPort1 = AddEdit(QStringLiteral("edtPort1"));
    edtDb1 = AddEdit(QStringLiteral("edtDb1"));
    edtUser1 = AddEdit(QStringLiteral("edtUser1"));
    edtPw1 = AddEdit(QStringLiteral("edtPw1"), true);
    chkSmart1 = new QCheckBox(QStringLiteral("采用智能连接"));
    chkSmart1->setObjectName(QStringLiteral("chkSmart1"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(QStringLiteral("服务器")), 0, 0);
    grid->addWidget(edtServer1, 0, 1);
    grid->addWidget(Caption(QStringLiteral("端口")), 0, 2);
    grid->addWidget(edtPort1, 0, 3);
    grid->addWidget(Caption(QStringLiteral("数据库名")), 1, 0);
    grid->addWidget(edtDb1, 1, 1);
    grid->addWidget(Caption(QStringLiteral("登陆名")), 1, 2);
    grid->addWidget(edtUser1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("密 码")), 2, 0);
    grid->addWidget(edtPw1, 2, 1);
    grid->addWidget(chkSmart1, 2, 3);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TDBConfigFrm::CreateFilePage() {
    auto* page = new QWidget;
    chkDefault1 = new QCheckBox(QStringLiteral("使用默认连接"));
    chkDefault1->setObjectName(QStringLiteral("chkDefault1"));
    edtFile1 = AddEdit(QStringLiteral("edtFile1"));
    btnFile1 = new QPushButton(QStringLiteral("..."));
    btnFile1->setObjectName(QStringLiteral("btnFile1"));
    btnFile1->setFixedWidth(32);
    edtJetUser1 = AddEdit(QStringLiteral("edtJetUser1"));
    edtJetPw1 = AddEdit(QStringLiteral("edtJetPw1"), true);
    connect(chkDefault1, &QCheckBox::toggled, this, &TDBConfigFrm::ApplyDefaultConnection);
    connect(btnFile1, &QPushButton::clicked, this, &TDBConfigFrm::ChooseFile);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtFile1, 1);
    fileRow->addWidget(btnFile1);
    auto* grid = new QGridLayout(page);
    grid->addWidget(chkDefault1, 0, 0, 1, 4);
    grid->addWidget(Caption(QStringLiteral("数据库文件:")), 1, 0);
    grid->addLayout(fileRow, 1, 1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("用户名:")), 2, 0);
    grid->addWidget(edtJetUser1, 2, 1);
    grid->addWidget(Caption(QStringLiteral("密码:")), 2, 2);
    grid->addWidget(edtJetPw1, 2, 3);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* TDBConfigFrm::CreateServicePage() {
    auto* page = new QWidget;
    edtDipUrl1 = AddEdit(QStringLiteral("edtDipUrl1"));
    edtDipUser1 = AddEdit(QStringLiteral("edtDipUser1"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(QStringLiteral("DIP地址")), 0, 0);
    grid->addWidget(edtDipUrl1, 0, 1);
    grid->addWidget(Caption(QStringLiteral("DIP用户")), 1, 0);
    grid->addWidget(edtDipUser1, 1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

void TDBConfigFrm::LoadFromConfig() {
    const TConfiger& c = m_configer;
    edtServer1->setText(c.mssqlServer);
    edtPort1->setText(QString::number(c.mssqlPort));
    edtDb1->setText(c.mssqlDb);
    edtUser1->setText(c.mssqlUser);
    edtPw1->setText(c.mssqlPw);
    chkSmart1->setChecked(false);
    edtFile1->setText(c.jetfile);
    edtJetUser1->setText(c.jetUser);
    edtJetPw1->setText(c.jetPw);
    edtDipUrl1->setText(c.dipUrl);
    edtDipUser1->setText(c.dipUser);
    chkDefault1->setChecked(c.defaultCon);
    cbProvider1->setCurrentIndex(c.providerIdx);
    pages1->setCurrentIndex(c.providerIdx);
    ApplyDefaultConnection();
}

// With the default connection the file, user and password do not apply.
void TDBConfigFrm::ApplyDefaultConnection() {
    const bool own = !chkDefault1->isChecked();
    const QColor base = own ? QApplication::palette().color(QPalette::Base)
                            : QApplication::palette().color(QPalette::Button);
    for (QLineEdit* edit : {edtFile1, edtJetUser1, edtJetPw1}) {
        edit->setEnabled(own);
        QPalette p = edit->palette();
        p.setColor(QPalette::Disabled, QPalette::Base, base);
        p.setColor(QPalette::Active, QPalette::Base, base);
        p.setColor(QPalette::Inactive, QPalette::Base, base);
        edit->setPalette(p);
    }
    btnFile1->setEnabled(own);
}

void TDBConfigFrm::ChooseFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("选择数据库文件"), edtFile1->text(),
        QStringLiteral("SQLite 数据库文件 (*.db *.sqlite *.sqlite3);;所有文件 (*)"));
    if (!file.isEmpty())
        edtFile1->setText(file);
}

void TDBConfigFrm::OkClick() {
    bool isNumber = false;
    const int port = edtPort1->text().trimmed().toInt(&isNumber);
    if (!isNumber || port < 1 || port > 65535) {
        ShowInfo(QStringLiteral("数据库服务器的端口\"%1\"无效,请输入1到65535之间的整数.")
                     .arg(edtPort1->text()));
        if (edtPort1->isVisible())
            edtPort1->setFocus();
        return;
    }
    TConfiger& c = m_configer;
    c.mssqlServer = edtServer1->text();
    c.mssqlPort = port;
    c.mssqlDb = edtDb1->text();
    c.mssqlUser = edtUser1->text();
    c.mssqlPw = edtPw1->text();
    c.smartConnect = chkSmart1->isChecked();
    c.jetfile = edtFile1->text();
    c.jetUser = edtJetUser1->text();
    c.jetPw = edtJetPw1->text();
    c.dipUrl = edtDipUrl1->text();
    c.dipUser = edtDipUser1->text();
    c.defaultCon = chkDefault1->isChecked();
    c.providerIdx = cbProvider1->currentIndex();
    try {
        c.SaveConfig();
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
        return;
    }
    accept();
}

// Enter in a box moves on to the next control instead of closing the dialog.
bool TDBConfigFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        EnterMovesFocus(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}
