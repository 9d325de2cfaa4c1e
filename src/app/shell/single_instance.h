#pragma once
// One editor per user and display: the first start listens on a local socket from the moment
// it knows it is the first; a later start hands it its command line and ends. What arrives
// while the first is still starting (splash, a start-up message) waits until its main window
// is ready.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace velloran {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // The socket path for this user's editor on the display this process shows on.
    static QString defaultName();

    // MultiInst: true when a running editor took `commandLine` (the full path of the file to
    // open, or empty); this start then ends. False when this start is the editor: it now
    // answers later starts. A socket left behind by an editor that ended without closing it
    // is taken over.
    bool handOverOrListen(const QString& commandLine);

    // Hands every command line received so far, and each later one, to `receiver`.
    void deliverTo(std::function<void(const QString&)> receiver);

private:
    bool handOver(const QString& commandLine, int timeoutMs = 2000) const;
    void received(const QString& commandLine);

    QString name_;
    QLocalServer server_;
    QStringList pending_;
    std::function<void(const QString&)> receiver_;
};

}  // namespace velloran
