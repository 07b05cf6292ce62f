#pragma once

#include <QLineEdit>

#include <functional>

class TField;

// A read-only box for a confidential value. It shows "******" while the value
// is not empty and nothing otherwise; while it has the focus it shows what the
// operator may see of the value (the value itself or a refusal text).
class TSecretBox : public QLineEdit {
    Q_OBJECT
  public:
    TSecretBox(TField* field, std::function<QString()> reveal, QWidget* parent = nullptr);

    // Hides the value again; called when the current row changes.
    void Mask();

    static QString MaskText() { return QStringLiteral("******"); }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    TField* m_field;
    std::function<QString()> m_reveal;
};
