#include "app/HttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

THttpClient::TResult THttpClient::Get(const QString& address, int timeoutMs) {
    TResult result;
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty()) {
        result.error = QStringLiteral("无效的地址: %1").arg(address);
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (reply->error() != QNetworkReply::NoError || timedOut) {
        result.error = timedOut ? QStringLiteral("请求超时.") : reply->errorString();
    } else {
        result.ok = true;
        result.body = reply->readAll();
        result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    }
    delete reply;
    return result;
}
