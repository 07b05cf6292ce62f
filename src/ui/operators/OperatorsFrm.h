#pragma once

#include "app/AInfoDlgFrm.h"

#include <QList>
#include <QPair>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class TOperatorEditorFrm;
class TOperatorSet;

// The operators and rights window: one icon per operator (never sa) and the
// commands to edit, add and delete operators with their rights. The editor is
// made once and reused for every command.
class TOperatorsFrm : public TAInfoDlgFrm {
    Q_OBJECT
  public:
    // (caption, right number) pairs of the business rights, in the order the
    // editor lists them; the system rights follow them.
    using TRightList = QList<QPair<QString, int>>;

    explicit TOperatorsFrm(const TRightList& businessRights, QWidget* parent = nullptr);
    ~TOperatorsFrm() override;

    TOperatorEditorFrm* Editor() const { return m_editor; }
    TOperatorSet* Operators() const { return m_operators; }
    QListWidget* List() const { return lvUsers1; }

    // The selected operator's properties; saved when the editor ends with OK.
    void PropertiesClick();
    // A new operator; its icon is added when it was saved.
    void AddClick();
    // Deletes the selected operator after the confirmation.
    void DeleteClick();

  private:
    void FillList();
    void AddItem(const QString& loginId);
    QString SelectedLoginId() const;
    void SelectionChanged();

    TOperatorSet* m_operators;
    TOperatorEditorFrm* m_editor;
    QListWidget* lvUsers1;
    QPushButton* btnProperties1;
    QPushButton* btnAdd1;
    QPushButton* btnDelete1;
};

// The command "操作员与权限": needs right 100001 (refused with its message),
// then shows the operators window modally. `businessRights` are the rights the
// program hands to the editor: (caption, right number) in the editor's order.
void ShowOperators(QWidget* parent, const TOperatorsFrm::TRightList& businessRights);
