#include "shell/single_instance.h"

#include <unistd.h>
#include <QLocalSocket>

#include "base/version.h"

namespace velloran {

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            // The whole command line has arrived when the other start hangs up.
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                emit secondStart(QString::fromUtf8(socket->readAll()));
                socket->deleteLater();
            });
        }
    });
}

QString SingleInstance::defaultName() {
    return QString::fromStdString(mainWindowTitle()) + QStringLiteral(" %1").arg(getuid());
}

bool SingleInstance::handOver(const QString& commandLine, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(commandLine.toUtf8());
    if (!socket.waitForBytesWritten(timeoutMs) && socket.bytesToWrite() > 0) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen() {
    if (server_.listen(name_)) return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

}  // namespace velloran
