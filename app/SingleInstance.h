#pragma once
// One running program per user and program folder: a second start hands its files to the
// running one over a local socket that only the user can reach, and ends.
#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket of the program keeping its files in `programFolder`: in the user's runtime
    // folder, else in the temporary folder under a name with the user id.
    static QString socketPath(const QString& programFolder);

    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands `files` (possibly none: the running frame just comes to the front) to the running
    // program; true when it confirmed them, false when none runs or it does not answer.
    bool forwardToRunning(const QStringList& files, int timeoutMs = 5000);
    // Becomes the running program; a socket left by a program that ended is replaced.
    bool listen();
    // Receives the files of later starts; lists that came before are handed over at once.
    void setHandler(std::function<void(const QStringList&)> handler);

private:
    void readFrom(QLocalSocket* socket);
    void deliver(const QStringList& files);

    QString m_path;
    QLocalServer* m_server = nullptr;
    std::function<void(const QStringList&)> m_handler;
    QList<QStringList> m_pending;
};
