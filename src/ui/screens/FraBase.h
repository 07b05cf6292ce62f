#pragma once

#include "screens/FieldBinder.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class TDataSet;
class TField;

// Base of the form pages under the house and client lists: a read-only form
// over the current row of one data set, laid out as rows of caption-box pairs
// in a scroll area (the detail panel is low), with an optional line below the
// form that always stays in sight.
class TFraBase : public QWidget {
    Q_OBJECT
  public:
    // `pairs` caption-box pairs make one form row.
    TFraBase(TDataSet* data, QWidget* parent, int pairs = 4);

    TFieldBinder& Binder() { return *m_binder; }

  protected:
    int Pairs() const { return m_pairs; }
    // Places a caption and a widget in a form row at pair position `pair`; the
    // widget spans `span` pairs. Returns the caption.
    QLabel* Place(int row, int pair, const QString& caption, QWidget* widget, int span = 1);
    // A bound box, placed.
    QLineEdit* AddBox(int row, int pair, const QString& caption, TField* field, int span = 1,
                      TFieldBinder::TFormat format = {});
    // A bound box of several lines, placed.
    QPlainTextEdit* AddMemo(int row, int pair, const QString& caption, TField* field, int span,
                            int lines);
    // A bound box, not placed.
    QLineEdit* NewBox(TField* field, TFieldBinder::TFormat format = {});
    // How much of the spare width the boxes of pair position `pair` take (1 at first).
    void SetBoxStretch(int pair, int stretch);
    // The line below the form.
    void SetBottomLine(QWidget* line);
    // The scroll area holding the form.
    QWidget* FormArea() const;

  private:
    TFieldBinder* m_binder;
    QScrollArea* m_area;
    QGridLayout* m_form;
    int m_pairs;
};
