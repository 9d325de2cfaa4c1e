#pragma once
// One editor per user: a start finds a running editor by a local socket named after the main
// window's title, hands it its command line and ends; the running editor comes to the front
// and opens the file.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace velloran {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // The main window's title and the user's id: another version of the program, or another
    // user's editor, is not this user's running editor.
    static QString defaultName();

    // MultiInst: true when a running editor took `commandLine` (the full path of the file to
    // open, or empty), false when none answers.
    bool handOver(const QString& commandLine, int timeoutMs = 2000) const;

    // Answers later starts from now on; false when the name cannot be taken. A name left behind
    // by an editor that ended without closing its socket is taken over.
    bool listen();

signals:
    void secondStart(const QString& commandLine);

private:
    QString name_;
    QLocalServer server_;
};

}  // namespace velloran
