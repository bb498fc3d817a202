#include "BusProbe.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvane {

namespace {

// Longer than any address a bus daemon prints.
constexpr qsizetype maxAddressLength = 1024;
// The bus answers the first step in one short line.
constexpr qsizetype maxReplyLength = 512;

QString unescaped(const QString& value) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value.toUtf8()));
}

// D-Bus leaves letters, digits and "-_/.*" as they are and escapes the rest as %XX.
QString escaped(const QString& value) {
    return QString::fromLatin1(value.toUtf8().toPercentEncoding("/*", "~"));
}

bool isSocketOfThisUser(const QString& path) {
    struct stat info {};
    return ::lstat(path.toLocal8Bit().constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::getuid();
}

} // namespace

ravodozu::Result<QString, QString> BusProbe::check(const QString& address) {
    auto refused = [&](const QString& why) {
        return ravodozu::fail(
            QString("the bus address %1 is refused: %2").arg(address.left(100), why));
    };
    if (address.size() > maxAddressLength)
        return refused("too long");
    if (!address.startsWith("unix:") || address.contains(';'))
        return refused("only one local socket is taken");
    QString path;
    QString abstract;
    for (const QString& pair : address.mid(5).split(',')) {
        const QString key = pair.section('=', 0, 0);
        const QString value = unescaped(pair.section('=', 1));
        if (key == "path")
            path = value;
        else if (key == "abstract")
            abstract = value;
        else if (key != "guid")
            return refused("no socket to connect to");
    }
    if (path.isEmpty() == abstract.isEmpty())
        return refused("no socket to connect to");
    if (!abstract.isEmpty())
        return "unix:abstract=" + escaped(abstract);
    if (!path.startsWith('/') || !isSocketOfThisUser(path))
        return refused("not a socket of this user");
    return "unix:path=" + escaped(path);
}

BusProbe::BusProbe(const QString& checkedAddress, QObject* parent)
    : QObject(parent), address_(checkedAddress) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this,
            [this] { finish(false, "the bus does not answer"); });
    connect(&socket_, &QLocalSocket::connected, this, &BusProbe::greet);
    connect(&socket_, &QLocalSocket::readyRead, this, &BusProbe::readReply);
    connect(&socket_, &QLocalSocket::errorOccurred, this,
            [this] { finish(false, socket_.errorString()); });
    deadline_.start(timeoutMs);
    // Connecting may fail at once: after the caller has connected to finished().
    QTimer::singleShot(0, this, [this] {
        const bool abstract = address_.startsWith("unix:abstract=");
        socket_.setSocketOptions(abstract ? QLocalSocket::AbstractNamespaceOption
                                          : QLocalSocket::NoOptions);
        socket_.connectToServer(unescaped(address_.section('=', 1)));
    });
}

void BusProbe::greet() {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                     &size) != 0 ||
        peer.uid != ::getuid())
        return finish(false, "the bus is not this user's");
    socket_.write(QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() +
                  "\r\n");
}

void BusProbe::readReply() {
    reply_ += socket_.read(maxReplyLength);
    if (reply_.contains("\r\n"))
        return finish(reply_.startsWith("OK "), "the bus does not accept this user");
    if (reply_.size() >= maxReplyLength)
        finish(false, "the bus does not speak D-Bus");
}

void BusProbe::finish(bool accepted, const QString& why) {
    if (finished_)
        return;
    finished_ = true;
    deadline_.stop();
    socket_.abort();
    emit finished(accepted, accepted ? QString() : why);
}

} // namespace zelvane
