#pragma once

#include <QByteArray>
#include <QString>

// A blocking HTTP request for the few places that ask a server and wait for the
// answer. It runs a local event loop until the answer is complete, an error
// occurs or the time-out passes.
class THttpClient {
  public:
    struct TResult {
        bool ok = false;
        QByteArray body;
        QString contentType;
        QString error; // the network error when not ok
    };

    static TResult Get(const QString& address, int timeoutMs);
};
