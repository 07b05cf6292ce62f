#pragma once

#include <QString>
#include <QVariant>

// Switches and remembered texts in the [Value] column of table keyvalue. Holds no
// state: every call runs its own statement, so any instance serves.
class TKeyValue {
  public:
    // Keys the program uses.
    enum TKey {
        kBrokerMayEdit = 3,      // a broker may edit the houses and clients assigned to him
        kLeftAlignLists = 5,     // every field of the house and client lists left-aligned
        kHouseExportFields = 6,  // field list last chosen when exporting houses
        kClientExportFields = 7, // field list last chosen when exporting clients
        kOperatorAsBroker = 8,   // new houses and clients get the operator as broker
        kAutomaticCodes = 9,     // codes are always generated, never typed
    };

    // The stored value; NULL when the key has no row.
    QVariant GetValue(int key) const;
    // The stored text, or `defaultText` when the value is NULL.
    QString GetText(int key, const QString& defaultText = QString()) const;
    // The stored flag; NULL or a value that is not a flag gives `defaultFlag`.
    bool GetFlag(int key, bool defaultFlag) const;
    // Stores the value (a flag as "1" or "0"), inserting the row when missing.
    void SetValue(int key, const QVariant& value) const;
    void SetFlag(int key, bool flag) const { SetValue(key, flag); }

    // Reads a stored text as a flag; false in *ok when it is none.
    static bool TextToFlag(const QString& text, bool* ok);
};
