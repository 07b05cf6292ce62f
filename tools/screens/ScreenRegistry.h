#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// One picture: the window to show and, when the picture is of something the
// window opens (a menu, a page), a step run after the window is shown that
// returns the widget to grab.
struct TScreen {
    std::unique_ptr<QWidget> window;
    std::function<QWidget*()> shot;
};

// The named windows the screenshot tool renders. Each entry makes its window
// (with whatever data it needs from the demonstration database) when its turn
// comes; the tool writes <name>.png.
class TScreenRegistry {
  public:
    using TFactory = std::function<TScreen()>;
    struct TEntry {
        QString name;
        TFactory make;
    };

    void Add(const QString& name, TFactory make) { m_entries << TEntry{name, std::move(make)}; }
    // A window that needs nothing but to be created.
    template <class T> void Add(const QString& name) {
        Add(name, [] { return TScreen{std::make_unique<T>(), {}}; });
    }
    const QList<TEntry>& Entries() const { return m_entries; }

  private:
    QList<TEntry> m_entries;
};

// Fills the registry; one line per window (Screens.cpp).
void RegisterScreens(TScreenRegistry& registry);
