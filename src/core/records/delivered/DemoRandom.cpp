#include "records/delivered/DemoRandom.h"

quint64 TDemoRandom::Next() {
    // splitmix64
    quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int TDemoRandom::Range(int lo, int hi) {
    return lo + int(Next() % quint64(hi - lo + 1));
}

bool TDemoRandom::Chance(int percent) { return Range(1, 100) <= percent; }

double TDemoRandom::Real(double lo, double hi) {
    return lo + (hi - lo) * double(Next() >> 11) / double(1ULL << 53);
}

QString TDemoRandom::Pick(const QStringList& items) {
    return items.at(Range(0, int(items.size()) - 1));
}

QString TDemoRandom::Pick(const char* items) {
    return Pick(QString::fromUtf8(items).split(u'|'));
}

QString TDemoRandom::PickSome(const char* items, int count) {
    const QStringList all = QString::fromUtf8(items).split(u'|');
    QList<bool> chosen(all.size(), false);
    for (int n = 0; n < count && n < all.size(); ++n) {
        int i = Range(0, int(all.size()) - 1);
        while (chosen[i])
            i = (i + 1) % int(all.size());
        chosen[i] = true;
    }
    QStringList picked;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (chosen[i])
            picked << all[i];
    }
    return picked.join(u',');
}
