#include "app/CustomMainFrm.h"

#include "app/AppInfo.h"
#include "app/Messenger.h"
#include "app/OrbelApplication.h"
#include "data/Database.h"
#include "data/KeyValue2.h"
#include "data/RecordSet.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

std::function<void(const QString&, const QString&)> TCustomMainFrm::ProblemReport;
std::function<void()> TCustomMainFrm::FeedbackForm;
std::function<void()> TCustomMainFrm::AutoBackup;

TCustomMainFrm::TCustomMainFrm(QWidget* parent)
    : TaFrm(parent, Qt::Window), m_menuBar(new QMenuBar(this)),
      m_toolBar(new QToolBar(QStringLiteral("工具栏"), this)), m_viewBar(new QToolBar(this)),
      m_clientPanel(new QWidget(this)), m_statusBar(new QStatusBar(this)) {
    setObjectName(QStringLiteral("mainFrm"));
    SetPlaceOnShow(false);
    m_menuBar->setNativeMenuBar(false);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(32, 32));
    m_viewBar->setObjectName(QStringLiteral("ToolBar2"));
    m_viewBar->setOrientation(Qt::Vertical);
    m_viewBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_viewBar->setIconSize(QSize(32, 32));
    m_clientPanel->setObjectName(QStringLiteral("ClientPanel1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(2);
    middle->addWidget(m_viewBar);
    middle->addWidget(m_clientPanel, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(m_statusBar);
    CreateStatusBar();

    if (auto* app = qobject_cast<TOrbelApplication*>(QCoreApplication::instance())) {
        app->SetErrorHandler([this](const QString& message, const QString& errorClass) {
            AppException(message, errorClass);
        });
    }
}

TCustomMainFrm::~TCustomMainFrm() {
    if (auto* app = qobject_cast<TOrbelApplication*>(QCoreApplication::instance()))
        app->SetErrorHandler({});
}

// Panel 0 takes whatever the other three leave; the status bar's layout does
// the recomputing whenever the bar is resized.
void TCustomMainFrm::CreateStatusBar() {
    m_statusBar->setSizeGripEnabled(false);
    const int widths[4] = {0, 65, 120, 200};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(m_statusBar);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        if (widths[i] > 0)
            m_panels[i]->setFixedWidth(widths[i]);
        m_statusBar->addPermanentWidget(m_panels[i], i == 0 ? 1 : 0);
    }
}

QLabel* TCustomMainFrm::StatusPanel(int index) const {
    return m_panels[index];
}

void TCustomMainFrm::AppException(const QString& message, const QString& errorClass) {
    const QString text = QStringLiteral("\r\n对不起,系统遇到如下异常:\r\n\r\n") + message +
                         QStringLiteral("\r\n\r\n请点击\"确定\"将此问题报告给我们!");
    if (Messenger().Message(TMsgKind::Error, text, TMsgButtons::OkCancel) == TMsgResult::Ok &&
        ProblemReport)
        ProblemReport(message, errorClass);
}

void TCustomMainFrm::showEvent(QShowEvent* event) {
    QApplication::setApplicationDisplayName(TAppInfo::Title());
    setWindowTitle(TAppInfo::Title() + QStringLiteral(" - ") + TAppInfo::Edition());
    TaFrm::showEvent(event);
}

void TCustomMainFrm::closeEvent(QCloseEvent* event) {
    hide();
    if (DbConnection().Connected() && FeedbackForm && TKeyValue2().FeedbackPrompt())
        FeedbackForm();
    if (AutoBackup)
        AutoBackup();
    DbConnection().Close();
    event->accept();
}

void TCustomMainFrm::RebuildStoredMenu(QMenu* menu, int keep, const QString& table,
                                       const std::function<void(int)>& open) {
    const QList<QAction*> actions = menu->actions();
    for (int i = keep; i < actions.size(); ++i) {
        menu->removeAction(actions[i]);
        delete actions[i];
    }
    TRecordSet& rows = ScratchSet();
    rows.Open(QStringLiteral("select Id, Title, [Note] from %1 order by Id").arg(table));
    for (TDataSet* data = rows.DataSet(); !data->Eof(); data->Next()) {
        const int id = data->Field(0)->AsInteger();
        QAction* item = menu->addAction(data->Field(1)->AsString());
        item->setData(id);
        item->setStatusTip(data->Field(2)->AsString());
        QObject::connect(item, &QAction::triggered, menu, [open, id] { open(id); });
    }
}

void TCustomMainFrm::RunLink(int id) {
    TRecordSet& link = ScratchSet();
    link.Open(QStringLiteral("select lpFile, lpParameters from link where Id=:Id"),
              {Param("Id", id)});
    if (link.DataSet()->IsEmpty())
        return;
    const QString file = link.DataSet()->Field(0)->AsString();
    const QString parameters = link.DataSet()->Field(1)->AsString();
    if (parameters.trimmed().isEmpty() ||
        !QProcess::startDetached(file, QProcess::splitCommand(parameters)))
        QDesktopServices::openUrl(
            QUrl::fromUserInput(file, QDir::currentPath(), QUrl::AssumeLocalFile));
}

// The document is written under its own file name into the temporary folder
// and opened with the program the desktop associates with it.
void TCustomMainFrm::OpenDoc(int id) {
    TRecordSet& doc = ScratchSet();
    doc.Open(QStringLiteral("select Source, DocData from doc where Id=:Id"), {Param("Id", id)});
    if (doc.DataSet()->IsEmpty())
        return;
    const QString name =
        QFileInfo(doc.DataSet()->Field(0)->AsString().replace(QLatin1Char('\\'), QLatin1Char('/')))
            .fileName();
    const QString path = QDir::temp().filePath(name.isEmpty() ? QStringLiteral("doc") : name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(doc.DataSet()->Field(1)->AsBytes()) < 0) {
        ShowInfo(QStringLiteral("无法写入文件 %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    file.close();
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
