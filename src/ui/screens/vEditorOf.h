#pragma once

#include "screens/vEditorFrm.h"

// An editor window serving the property interface `TIntf` of the business
// operations (THouseEditor, TClientEditor): the caption is the window title, the
// modal show ends with OK or not, and the properties are those bound by the window.
template <class TIntf> class TvEditorOf : public TvEditorFrm, public TIntf {
  public:
    explicit TvEditorOf(QWidget* parent = nullptr) : TvEditorFrm(TIntf::Published(), parent) {}

    QString Caption() const override { return windowTitle(); }
    void SetCaption(const QString& caption) override { setWindowTitle(caption); }
    bool Execute() override { return exec() == QDialog::Accepted; }
    QVariant Property(const QString& name) const override { return ReadProperty(name); }
    void SetProperty(const QString& name, const QVariant& value) override {
        WriteProperty(name, value);
    }
};
