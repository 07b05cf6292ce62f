#pragma once

#include <QTemporaryDir>

// A temporary embedded database with the delivered rows and the demonstration
// agency, connected as the program's connection for the tool's lifetime.
class TDemoDatabase {
  public:
    TDemoDatabase();
    ~TDemoDatabase();
    bool Ok() const { return m_ok; }

  private:
    void AddSampleRows();

    QTemporaryDir m_dir;
    bool m_ok = false;
};
