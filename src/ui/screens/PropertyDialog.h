#pragma once

#include "app/ADlgFrm.h"
#include "screens/DialogProperties.h"

// A window of the program that serves one of the editor interfaces the business
// operations open (TIntf): its caption is the window title, Execute shows it
// modally, and its published properties are read and written through the
// controls bound in Props().
template <class TIntf, class TBase = TADlgFrm> class TPropertyDialog : public TBase, public TIntf {
  public:
    QString Caption() const override { return this->windowTitle(); }
    void SetCaption(const QString& caption) override { this->setWindowTitle(caption); }
    bool Execute() override { return this->exec() == QDialog::Accepted; }
    QVariant Property(const QString& name) const override { return m_props.Get(name); }
    void SetProperty(const QString& name, const QVariant& value) override {
        m_props.Set(name, value);
    }
    // Published properties without a control; empty for a complete dialog.
    QStringList UnboundProperties() const { return m_props.Unbound(); }

  protected:
    explicit TPropertyDialog(QWidget* parent) : TBase(parent), m_props(*this) {}
    TPropertyDialog(QWidget* parent, Qt::WindowFlags flags)
        : TBase(parent, flags), m_props(*this) {}

    TDialogProperties& Props() { return m_props; }

  private:
    TDialogProperties m_props;
};
