#pragma once

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QLineEdit>
#include <QVariant>

// The edit box of the record dialogs: Enter moves to the next field (Shift+Enter to
// the previous one), the focused box is painted in a highlight colour, typing can be
// limited to numbers, and the content reads and writes as a typed value. A read of
// text that is not a valid value raises EOrbelError with a fixed message.
class TzyEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor ColorOnEnter READ ColorOnEnter WRITE SetColorOnEnter)
    Q_PROPERTY(QColor ColorOnReadOnly READ ColorOnReadOnly WRITE SetColorOnReadOnly)
    Q_PROPERTY(bool TabOnEnter READ TabOnEnter WRITE SetTabOnEnter)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(int EditType READ EditType WRITE SetEditType)
  public:
    // Which keys typing accepts.
    enum { etText = 0, etFloat = 1, etInteger = 2 };

    explicit TzyEdit(QWidget* parent = nullptr);

    QColor ColorOnEnter() const { return m_colorOnEnter; }
    void SetColorOnEnter(const QColor& c) { m_colorOnEnter = c; }
    QColor ColorOnReadOnly() const { return m_colorOnReadOnly; }
    void SetColorOnReadOnly(const QColor& c) { m_colorOnReadOnly = c; }
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool on) { m_tabOnEnter = on; }
    // A box that takes its colour from its parent keeps it while focused.
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on) { m_parentColor = on; }
    int EditType() const { return m_editType; }
    void SetEditType(int type) { m_editType = type; }

    // An empty box reads 0; writing 0 empties it.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    // An empty box reads a null date; writing a null date empties it.
    QDate AsDate() const;
    void SetAsDate(const QDate& value);
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime& value);
    // By EditType: a double, an int or the text; an empty box reads null.
    QVariant AsVariant() const;
    void SetAsVariant(const QVariant& value);

    // Whether typing `text` into a box of this type holding `current` is accepted.
    static bool AcceptsTyped(int editType, const QString& current, QChar typed);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QColor m_colorOnEnter;
    QColor m_colorOnReadOnly;
    QColor m_savedColor;
    bool m_painted = false;
    bool m_tabOnEnter = true;
    bool m_parentColor = false;
    int m_editType = etText;
};
