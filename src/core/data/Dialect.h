#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>

// Statements are written once in a common subset and rendered for the engine:
//   top N                 → LIMIT N
//   [Name]                → a quoted identifier
//   now, getdate()        → the engine's current local moment
//   #yyyy-mm-dd#          → a date literal of the engine
//   X-YDays (a date column minus a column of days) → the engine's date arithmetic
// Named parameters :Name are turned into positional ones by the caller (SqlText.h).
class TDialect {
  public:
    virtual ~TDialect() = default;

    // True for the server engine; the embedded engine answers false.
    virtual bool IsServer() const = 0;
    // The statement in this engine's SQL.
    virtual QString Render(const QString& sql) const = 0;
    // A day written into SQL text; compares as midnight of that day.
    virtual QString DateLiteral(const QDate& day) const = 0;
    // The statement that returns the engine's current local date and time.
    virtual QString ServerNowQuery() const = 0;
    // A bound value as the engine stores it (booleans as 0/1, date-times as the
    // engine's date-time text).
    virtual QVariant BindValue(const QVariant& value) const = 0;

    static std::unique_ptr<TDialect> ForServer(bool server);
};

// The fixed text form of a date-time inside the database.
inline constexpr const char* kDbDateTimeFormat = "yyyy-MM-dd hh:mm:ss";
