#pragma once

#include <QList>
#include <QString>

// Right numbers tested by the program's commands.
enum TRightNumber : int {
    rtRegister = 0,           // register or copy a house, register a client
    rtAssignBroker = 1,       // assign a broker from the house and client lists
    rtOthersRecords = 4,      // act on records of other operators; stands in for 24, 25, 26
    rtClearData = 5,          // clear the business data (never offered in the editor)
    rtOptions = 6,            // the options window
    rtDocuments = 12,         // the documents window
    rtRecycleBox = 20,        // the recycle box window
    rtImport = 23,            // import houses and clients
    rtHouseContact = 24,      // a house's contact when the house has no broker
    rtSecretAddress = 25,     // a house's confidential address when it has no broker
    rtClientContact = 26,     // a client's contact details when the client has no broker
    rtStatistics = 29,        // the statistics window
    rtHelpMenu = 30,          // the help menu
    rtCompanyInfo = 10000,    // the company information dialog
    rtPrint = 10002,          // the report list and direct printing
    rtPrintDesign = 10003,    // template commands of the report list
    rtExport = 10004,         // every export command
    rtBackupSettings = 10005, // offered and stored only
    rtSaveLayout = 10006,     // save a grid layout
    rtToolsMenu = 10007,      // the tools menu set-up
    rtChooseColumns = 10008,  // choose visible grid columns
    rtOperators = 100001,     // the operators and rights window
};

// One right as the operator editor offers it.
struct TRight {
    int Number;
    QString Caption;
};

// The rights the operator editor offers, in its order: first the business
// rights, then the system rights.
const QList<TRight>& RightsTable();
// The caption of a right number; empty for a number the editor does not offer.
QString RightCaption(int number);
// The stored rights text of the granted numbers: ",n," for each, in the given order.
QString RightsText(const QList<int>& numbers);
// True when the rights text grants `number` (",number," occurs in it).
bool RightsGrant(const QString& rights, int number);
