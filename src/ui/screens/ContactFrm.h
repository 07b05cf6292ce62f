#pragma once

#include "app/aFrm.h"
#include "operations/ContactCard.h"
#include "screens/PropertyDialog.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QLineEdit;

// The contact card of an operator ("联系信息"): read-only boxes for the login id,
// name, contact and note, and "关闭". It is shown centred on the mouse pointer but
// kept inside the screen.
class TContactFrm : public TPropertyDialog<TContactCard, TaFrm> {
    Q_OBJECT
  public:
    explicit TContactFrm(QWidget* parent = nullptr);

    // Where the card goes: its centre on the pointer, the top at least 0 and at
    // most the screen height minus its height minus 20, the left at least 0 and
    // at most the screen width minus its width minus 10. Coordinates are measured
    // from the screen's own top-left corner.
    static QPoint Placement(const QSize& card, const QPoint& pointer, const QRect& screen);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* AddBox(const QString& caption, const QString& name, const char* objectName);
    void MoveToPointer();

    QWidget* m_body;
};
