#pragma once

#include "data/ConfigEditor.h"
#include "data/Configer.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;

// The database configuration dialog, shown when the program cannot connect at
// start. It explains the likely causes and lets the operator choose the
// provider and edit its parameters; OK saves them to cfg.ini. The dialog owns
// the settings through which start-up obtains every connection string it
// tries, and keeps its contents between showings.
class TDBConfigFrm : public QDialog, public TConfigEditor {
    Q_OBJECT
  public:
    explicit TDBConfigFrm(QWidget* parent = nullptr);

    TConfiger& Configer() override { return m_configer; }
    bool Execute() override { return exec() == QDialog::Accepted; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* CreateServerPage();
    QWidget* CreateFilePage();
    QWidget* CreateServicePage();
    QLineEdit* AddEdit(const QString& name, bool masked = false);

    void LoadFromConfig();
    void ApplyDefaultConnection();
    void ChooseFile();
    void OkClick();

    TConfiger m_configer;

    QComboBox* cbProvider1 = nullptr;
    QStackedWidget* pages1 = nullptr;
    QLineEdit* edtServer1 = nullptr;
    QLineEdit* edtPort1 = nullptr;
    QLineEdit* edtDb1 = nullptr;
    QLineEdit* edtUser1 = nullptr;
    QLineEdit* edtPw1 = nullptr;
    QCheckBox* chkSmart1 = nullptr;
    QCheckBox* chkDefault1 = nullptr;
    QLineEdit* edtFile1 = nullptr;
    QPushButton* btnFile1 = nullptr;
    QLineEdit* edtJetUser1 = nullptr;
    QLineEdit* edtJetPw1 = nullptr;
    QLineEdit* edtDipUrl1 = nullptr;
    QLineEdit* edtDipUser1 = nullptr;
};
