#pragma once

#include <QString>

// The tax editor dialog as the tax table drives it; the window implements it.
class TTaxEditor {
  public:
    // What the dialog edits. Unit codes: 0 "%", 1 "元/平方米", 2 "元".
    struct TValues {
        QString TaxName;
        double LiveRate = 0;
        int LiveUnitId = 0;
        double UnLiveRate = 0;
        int UnLiveUnitId = 0;
    };

    virtual ~TTaxEditor() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetValues(const TValues& values) = 0;
    // Shows the dialog modally; true when confirmed. The boxes keep what was
    // entered between calls.
    virtual bool Execute() = 0;
    virtual TValues Values() const = 0;
};
