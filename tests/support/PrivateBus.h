// PrivateBus: a session bus of its own for one test, gone with the object. It starts no
// services, so the ones a test stands in for never meet the desktop's real ones (a session bus
// would start the real portal on the first call to its name).
#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zelvane::testing {

class PrivateBus {
  public:
    PrivateBus() {
        const QString config = folder_.filePath("bus.conf");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) || file.write(configuration) < 0)
            return;
        file.close();
        daemon_.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address=1"});
        if (daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        for (const QString& name : names_)
            QDBusConnection::disconnectFromBus(name);
        daemon_.terminate();
        daemon_.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    /// Empty when dbus-daemon did not start.
    const QString& address() const { return address_; }
    /// A new connection to the bus, with a unique name of its own.
    QDBusConnection connect() {
        static int count = 0;
        names_ << QString("private-bus-%1").arg(++count);
        return QDBusConnection::connectToBus(address_, names_.back());
    }

  private:
    // A session bus without service folders.
    static constexpr const char* configuration = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

} // namespace zelvane::testing
