#include "shell/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocalSocket>

#include "shell/instance_socket.h"

namespace velloran {

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            // The whole command line has arrived when the other start hangs up.
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                received(QString::fromUtf8(socket->readAll()));
                socket->deleteLater();
            });
        }
    });
}

QString SingleInstance::defaultName() {
    const InstancePlace place{
        .runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
        .tempDir = QDir::tempPath().toStdString(),
        .userId = getuid(),
        .platform = QGuiApplication::platformName().toStdString(),
        .x11Display = qEnvironmentVariable("DISPLAY").toStdString(),
        .waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
    };
    return QString::fromStdString(instanceSocketPath(place));
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

bool SingleInstance::handOverOrListen(const QString& commandLine) {
    // Taking the name first leaves no moment in which two starts both find no editor. (The
    // server's access options would replace a live socket instead of failing: the socket is
    // made the user's own afterwards.)
    if (!server_.listen(name_)) {
        if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
        if (handOver(commandLine)) return true;
        QLocalServer::removeServer(name_);
        if (!server_.listen(name_)) return false;
    }
    QFile::setPermissions(server_.fullServerName(), QFile::ReadOwner | QFile::WriteOwner);
    return false;
}

void SingleInstance::deliverTo(std::function<void(const QString&)> receiver) {
    receiver_ = std::move(receiver);
    for (const QString& line : std::exchange(pending_, {})) receiver_(line);
}

void SingleInstance::received(const QString& commandLine) {
    if (receiver_) {
        receiver_(commandLine);
    } else {
        pending_.append(commandLine);
    }
}

}  // namespace velloran
