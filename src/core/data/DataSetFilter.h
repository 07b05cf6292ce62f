#pragma once

#include "data/Field.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class TDataSet;

// A row filter in the usual text form: comparisons "Field op value" joined with
// AND and OR, with parentheses. Operators: = <> < > <= >= LIKE (with * or % as
// wildcards); values: 'text', numbers, #yyyy-mm-dd# dates and NULL. Field names
// may be written in brackets. Text compares without regard to letter case.
class TDataSetFilter {
  public:
    virtual ~TDataSetFilter() = default;
    // Raises an error with a Chinese message when the text is not a filter or
    // names a field the data set does not have.
    static std::unique_ptr<TDataSetFilter> Parse(const QString& text, const TDataSet& dataSet);
    // `value(i)` gives the value of field i of the row being tested.
    virtual bool Matches(const std::function<QVariant(int)>& value) const = 0;
};
