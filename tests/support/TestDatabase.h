#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QObject;

// The engines a database test runs on: the embedded engine always, the server
// engine when ORBEL_TEST_PG holds a connection ("host=… port=… user=… dbname=…").
struct TTestEngine {
    QString name; // "sqlite" or "postgresql"
    bool server = false;
};
QList<TTestEngine> TestEngines();
// The engine the running pass of a database test is on.
const TTestEngine& CurrentEngine();

// Empty: no tables; Tables: the schema only; Delivered: schema and settings rows;
// Demo: also the demonstration agency.
enum class TTestContent { Empty, Tables, Delivered, Demo };

// Connects DbConnection to a new, empty database of the current engine and fills
// it as asked; returns its connection string. Every call gives a new database.
QString FreshDatabase(TTestContent content = TTestContent::Tables);
// A connection string to a new, empty database of the current engine, without
// connecting; for tests of connection handling.
QString NewDatabaseString();

// Runs the test object once per engine; the exit code is the sum of failures.
int RunOnEngines(QObject* test, int argc, char** argv);

// A database test of the core library; ui tests use ORBEL_DB_UI_TEST_MAIN with a
// QApplication instead.
#define ORBEL_DB_TEST_MAIN_WITH(AppClass, TestClass)                                               \
    int main(int argc, char** argv) {                                                              \
        AppClass app(argc, argv);                                                                  \
        TestClass test;                                                                            \
        return RunOnEngines(&test, argc, argv);                                                    \
    }
#define ORBEL_DB_TEST_MAIN(TestClass) ORBEL_DB_TEST_MAIN_WITH(QCoreApplication, TestClass)
#define ORBEL_DB_UI_TEST_MAIN(TestClass) ORBEL_DB_TEST_MAIN_WITH(QApplication, TestClass)
