#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TDataSet;
class TField;

// Shows fields of a data set's current row in read-only boxes and labels and
// keeps them in step: every change of the current row or of its values, and
// opening or closing the data set, refreshes every bound widget. Without a
// current row the widgets are empty.
class TFieldBinder : public QObject {
    Q_OBJECT
  public:
    // The text a widget shows for a field; the field's display text by default.
    using TFormat = std::function<QString(const TField&)>;

    TFieldBinder(TDataSet* data, QObject* parent);

    void Bind(QLineEdit* box, TField* field, TFormat format = {});
    void Bind(QLabel* label, TField* field, TFormat format = {});
    // The whole text of the field, every line of it.
    void Bind(QPlainTextEdit* memo, TField* field);

    // Rewrites every bound widget from the current row.
    void Refresh();

    // A date-time shown as its day, "yyyy-mm-dd".
    static QString DateText(const TField& field);
    // A number with at most two decimals and no trailing zeros.
    static QString AmountText(const TField& field);

  private:
    void Add(std::function<void()> update);

    TDataSet* m_data;
    std::vector<std::function<void()>> m_updates;
};
