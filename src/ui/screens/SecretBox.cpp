#include "screens/SecretBox.h"

#include "data/Field.h"

TSecretBox::TSecretBox(TField* field, std::function<QString()> reveal, QWidget* parent)
    : QLineEdit(parent), m_field(field), m_reveal(std::move(reveal)) {
    setReadOnly(true);
    Mask();
}

void TSecretBox::Mask() {
    setText(m_field->AsString().isEmpty() ? QString() : MaskText());
}

void TSecretBox::focusInEvent(QFocusEvent* event) {
    setText(m_reveal());
    setCursorPosition(0);
    QLineEdit::focusInEvent(event);
}

void TSecretBox::focusOutEvent(QFocusEvent* event) {
    Mask();
    QLineEdit::focusOutEvent(event);
}
