#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class Clock;
class QSocketNotifier;
class SimBus;
class SimPort;

// The bus on a pseudo-terminal: a master program opens the slave device (slavePath()) as
// it would a serial port. The pseudo-terminal stays usable when the master closes the device
// and opens it again. Requests are read no further while the master leaves
// SimPort::MaxUnreadReplyBytes of replies unread. Available where the system has pseudo-terminals
// (Unix); elsewhere open() fails with a message.
class SimPtyEndpoint : public QObject {
    Q_OBJECT
public:
    SimPtyEndpoint(SimBus& bus, Clock& clock, QObject* parent = nullptr);
    ~SimPtyEndpoint() override;

    bool open(QString* error);
    void close();
    QString slavePath() const { return m_slavePath; }
    // Makes `linkPath` a symbolic link to the slave device, removed again by close().
    bool createLink(const QString& linkPath, QString* error);
    SimPort& port() { return *m_port; }

private:
    void onReadable();
    qint64 unreadReplies() const;
    void send(const QByteArray& bytes);
    void flush();

    std::unique_ptr<SimPort> m_port;
    int m_master = -1;
    int m_slaveHold = -1;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_out;
    QString m_slavePath;
    QString m_linkPath;
};
