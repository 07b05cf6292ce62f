#include "data/DatabaseConnector.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/ConfigEditor.h"
#include "data/Configer.h"
#include "data/ConnectionString.h"
#include "data/Database.h"
#include "records/DeliveredDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

bool TDatabaseConnector::Connect(TConfigEditor& editor) {
    while (!TryConnect(editor.Configer().ConnectionString())) {
        if (!editor.Execute())
            break;
        QCoreApplication::processEvents();
    }
    return m_db.Connected();
}

bool TDatabaseConnector::TryConnect(const QString& connectionString) {
    QString file;
    const bool create = IsMissingDefaultFile(connectionString, &file);
    m_db.SetCreateMissingFile(create);
    const bool connected = m_db.Connect(connectionString);
    m_db.SetCreateMissingFile(false);
    if (!connected)
        return false;
    if (m_db.EnsureOpen().tables().isEmpty())
        return Install(create ? file : QString());
    return true;
}

bool TDatabaseConnector::IsMissingDefaultFile(const QString& connectionString,
                                              QString* file) const {
    const auto pairs = ParseConnectionString(connectionString);
    if (pairs.value(QStringLiteral("provider")) != QLatin1String(kProviderSqlite))
        return false;
    *file = pairs.value(QStringLiteral("data source"));
    const QFileInfo wanted(*file);
    const QFileInfo standard(TConfiger::DefaultDatabaseFile());
    return !wanted.exists() && wanted.absoluteFilePath() == standard.absoluteFilePath();
}

bool TDatabaseConnector::Install(const QString& createdFile) {
    try {
        TDeliveredDatabase::InstallAll(m_db);
        return true;
    } catch (const EOrbelError& e) {
        if (!e.Message().isEmpty())
            ShowInfo(e.Message());
    }
    // A half-made database is not left behind: the next attempt starts afresh.
    m_db.Close();
    if (!createdFile.isEmpty()) {
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(createdFile + suffix);
    }
    return false;
}
