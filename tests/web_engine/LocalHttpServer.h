#pragma once
// A small HTTP server on 127.0.0.1 for the fetch tests: each path answers with a fixed
// status, content type and body; "/silent" never answers, and a path may redirect.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QList>

class QTcpSocket;

class LocalHttpServer : public QTcpServer {
public:
    struct Reply {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        QByteArray location; // sent as Location: for a redirect
    };

    LocalHttpServer();
    void route(const QByteArray& path, const Reply& reply) { routes_[path] = reply; }
    QString url(const QString& path) const;

private:
    void answer(QTcpSocket* socket);

    QMap<QByteArray, Reply> routes_;
    QList<QTcpSocket*> silent_;
};
