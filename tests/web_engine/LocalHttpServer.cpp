#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer()
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = nextPendingConnection())
            connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
    });
}

QString LocalHttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void LocalHttpServer::answer(QTcpSocket* socket)
{
    const QByteArray request = socket->readAll();
    const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
    if (first.size() < 2)
        return;
    const QByteArray path = first[1];
    if (path == "/silent") {
        silent_.append(socket); // held open, never answered
        return;
    }
    const Reply reply = routes_.value(path, Reply{404, "text/html", "<html><body>no such page</body></html>", {}});
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\nContent-Type: " + reply.contentType
                      + "\r\nContent-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    socket->write(head + "\r\n" + reply.body);
    socket->disconnectFromHost();
}
