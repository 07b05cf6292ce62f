#pragma once

#include <QList>
#include <QWidget>

class TzyGridBase;

// The footer row of a grid: under each column marked for it, the sum of the
// column's field over all rows. Sums are worked out when the row is painted,
// once per change of the data, so a run of changes costs one summing.
class TGridFooter : public QWidget {
    Q_OBJECT
  public:
    explicit TGridFooter(TzyGridBase* grid);

    QSize sizeHint() const override;
    // The text shown under a column; empty when the column shows no sum.
    QString Text(int column);
    void Invalidate();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TzyGridBase* m_grid;
    QList<QString> m_texts; // per column; empty list when out of date
    bool m_valid = false;
};
