#include "operations/HintSet.h"

THintSet::THintSet(const QString& dueSql, QObject* parent) : m_dueSql(dueSql) {
    setParent(parent);
}
