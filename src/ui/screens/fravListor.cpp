#include "screens/fravListor.h"

#include "app/Error.h"
#include "data/KeyValue.h"
#include "operators/Operator.h"
#include "toolkit/zyDBGrid.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Runs a command of the frame; a refusal that was already explained ends it quietly.
void Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    }
}

class TFocusReloader : public QObject {
  public:
    TFocusReloader(QComboBox* combo, std::function<QStringList()> items)
        : QObject(combo), m_items(std::move(items)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* combo = static_cast<QComboBox*>(watched);
            const QString text = combo->currentText();
            combo->clear();
            combo->addItems(m_items());
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
        return false;
    }

  private:
    std::function<QStringList()> m_items;
};

} // namespace

std::function<bool(QWidget*, TDataSet*, QString&)> TfravListor::ExportDialog;

TfravListor::TfravListor(QWidget* parent)
    : QWidget(parent), m_grid(new TzyDBGrid(this)), m_topPanel(new QFrame(this)),
      m_btmPanel(new QFrame(this)), m_popup(new QMenu(this)), m_tree(new QTreeWidget(this)),
      m_pageHost(new QWidget(this)) {
    m_grid->SetPopupMenu(m_popup);
    m_topPanel->setObjectName(QStringLiteral("TopPanel1"));
    m_btmPanel->setObjectName(QStringLiteral("BtmPanel1"));
    m_btmPanel->setFrameShape(QFrame::Box);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setFixedWidth(100);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            SelectDetailNode(m_tree->indexOfTopLevelItem(item));
    });
}

// The page goes first: it unhooks itself from the manager it follows.
TfravListor::~TfravListor() {
    FreePage();
}

void TfravListor::Build(QWidget* searchPanel, const QList<TDetailNode>& nodes) {
    auto* top = new QVBoxLayout(m_topPanel);
    top->setContentsMargins(4, 4, 4, 4);
    top->addWidget(searchPanel);

    auto* bottom = new QHBoxLayout(m_btmPanel);
    bottom->setContentsMargins(1, 1, 1, 1);
    bottom->setSpacing(2);
    bottom->addWidget(m_tree);
    bottom->addWidget(m_pageHost, 1);
    new QVBoxLayout(m_pageHost);
    m_pageHost->layout()->setContentsMargins(0, 0, 0, 0);
    m_btmPanel->setMinimumHeight(220);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_topPanel);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_btmPanel);

    m_nodes = nodes;
    for (const TDetailNode& node : nodes)
        m_tree->addTopLevelItem(new QTreeWidgetItem(QStringList{node.Caption}));
}

void TfravListor::SelectDetailNode(int index) {
    if (index < 0 || index >= m_nodes.size())
        return;
    FreePage();
    m_page = m_nodes[index].Create(m_pageHost);
    if (m_page)
        m_pageHost->layout()->addWidget(m_page);
    if (m_tree->currentItem() != m_tree->topLevelItem(index)) {
        const QSignalBlocker block(m_tree);
        m_tree->setCurrentItem(m_tree->topLevelItem(index));
    }
}

void TfravListor::FreePage() {
    delete m_page;
    m_page = nullptr;
}

void TfravListor::ResetFinder() {
    for (QComboBox* combo : m_topPanel->findChildren<QComboBox*>())
        combo->setCurrentIndex(-1);
    for (QLineEdit* edit : m_topPanel->findChildren<QLineEdit*>()) {
        QWidget* owner = edit->parentWidget();
        if (!qobject_cast<QComboBox*>(owner) && !qobject_cast<QAbstractSpinBox*>(owner))
            edit->clear();
    }
    for (QCheckBox* box : m_topPanel->findChildren<QCheckBox*>())
        box->setChecked(false);
}

QAction* TfravListor::AddCommand(const QString& caption, std::function<void()> command,
                                 const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { Run(command); });
    m_popup->addAction(action);
    return action;
}

void TfravListor::AddSeparator() {
    m_popup->addSeparator();
}

void TfravListor::AddGridCommands() {
    AddCommand(QStringLiteral("排序"), [this] {
        m_grid->SortClick();
    })->setEnabled(m_grid->ActionSort()->isEnabled());
    auto saOnly = [](std::function<void()> command) {
        return [command = std::move(command)] {
            CurrentOperator().RequireSa();
            command();
        };
    };
    AddCommand(QStringLiteral("选择列栏目"), saOnly([this] { m_grid->PickColumnsClick(); }))
        ->setEnabled(m_grid->ActionColVisible()->isEnabled());
    AddCommand(QStringLiteral("保存当前表格样式"), saOnly([this] { m_grid->SaveLayoutClick(); }));
}

void TfravListor::ReloadOnFocus(QComboBox* combo, std::function<QStringList()> items) {
    combo->installEventFilter(new TFocusReloader(combo, std::move(items)));
}

void TfravListor::ExportWith(int key) {
    if (!ExportDialog)
        return;
    const TKeyValue values;
    QString fields = values.GetText(key);
    if (ExportDialog(this, m_grid->DataSet(), fields))
        values.SetValue(key, fields);
}
