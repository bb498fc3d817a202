// BusProbe: whether an offered session bus address is one of this user's buses, asked without
// trusting it and without blocking the event loop.
#pragma once

#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QTimer>

#include "RavoDozu/Result.h"

namespace zelvane {

/// A later start of the panel may pass on any text as its session bus. Only a local socket is
/// taken: `unix:path=` naming a socket file of this user, or `unix:abstract=`; never a program
/// to run (`unixexec:`), a network address or a list of addresses. The probe then connects,
/// checks that the process listening runs as this user, and waits for the bus to accept the
/// user (the first step of the D-Bus handshake), for at most `timeoutMs`.
class BusProbe : public QObject {
    Q_OBJECT

  public:
    static constexpr int timeoutMs = 1500;

    /// The address as it is connected to ("unix:path=/run/user/1000/bus"), keys other than the
    /// socket's dropped; why not, when it is refused.
    static ravodozu::Result<QString, QString> check(const QString& address);

    /// Starts probing an address `check` returned.
    explicit BusProbe(const QString& checkedAddress, QObject* parent = nullptr);

  signals:
    /// Once: the bus accepted this user, or why it is not used.
    void finished(bool accepted, const QString& why);

  private:
    void greet();
    void readReply();
    void finish(bool accepted, const QString& why);

    QString address_;
    QLocalSocket socket_;
    QTimer deadline_;
    QByteArray reply_;
    bool finished_ = false;
};

} // namespace zelvane
