#pragma once

#include <QStringList>
#include <QtGlobal>

// A small random generator with its own arithmetic, so the demonstration agency
// comes out the same on every machine and library for the same seed.
class TDemoRandom {
public:
    explicit TDemoRandom(quint64 seed) : m_state(seed) {}
    // A whole number from lo to hi, both included.
    int Range(int lo, int hi);
    // True in `percent` of the calls.
    bool Chance(int percent);
    // A number from lo to hi.
    double Real(double lo, double hi);
    // One of the items.
    QString Pick(const QStringList& items);
    // One of the items of a '|'-separated list.
    QString Pick(const char* items);
    // `count` different items of a '|'-separated list, in list order, joined by commas.
    QString PickSome(const char* items, int count);

private:
    quint64 Next();
    quint64 m_state;
};
