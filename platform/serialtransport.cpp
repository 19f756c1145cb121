#include "platform/serialtransport.h"

#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFileInfo>

namespace rp {

OpenResult CheckDeviceAccess(const std::string& path) {
    if (path.empty()) return OpenResult::Failed;
    if (access(path.c_str(), R_OK | W_OK) == 0) return OpenResult::Ok;
    return errno == EACCES ? OpenResult::AccessDenied : OpenResult::Failed;
}

QtSerialTransport::QtSerialTransport(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialTransport::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialTransport::OnError);
}

OpenResult QtSerialTransport::Open(const PortSettings& s) {
    Close();
    // A /dev/serial/by-id name is a link: open the device it names.
    const QFileInfo info(QString::fromStdString(s.Device));
    QString path = info.canonicalFilePath();
    if (path.isEmpty()) path = QString::fromStdString(s.Device);
    reason_.clear();
    errno = 0;
    const OpenResult access = CheckDeviceAccess(path.toStdString());
    if (access != OpenResult::Ok) {
        reason_ = errno != 0 ? std::strerror(errno) : std::string();
        return access;
    }

    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite)) {
        // QSerialPort reports a busy port, a held lock and a forbidden port
        // alike as a permission error: all are "cannot be opened".
        reason_ = port_.errorString().toStdString();
        port_.clearError();
        return OpenResult::Failed;
    }
    lostReported_ = false;
    ++session_;
    // Setting failures (a pseudo-terminal refusing a modem-line call, say)
    // do not stop the transfer.
    port_.setBaudRate(s.BaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(s.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(s.Handshaking == 1   ? QSerialPort::SoftwareControl
                         : s.Handshaking >= 2 ? QSerialPort::HardwareControl
                                              : QSerialPort::NoFlowControl);
    port_.clearError();
    if (!port_.isOpen()) return OpenResult::Failed;  // gone while being set up
    opened_ = path;
    byteMs_ = (1.0 + s.DataBits + (s.StopBits == 2 ? 2 : 1)) * 1000.0 / (s.BaudRate > 0 ? s.BaudRate : 9600);
    return OpenResult::Ok;
}

void QtSerialTransport::Close() {
    if (!port_.isOpen()) return;
    // Unsent bytes are dropped first: a serial driver would otherwise hold
    // the close until they leave, which under stopped flow control (a
    // search trying hardware handshaking on an idle port) can take
    // half a minute.
    closing_ = true;
    port_.clear(QSerialPort::AllDirections);
    port_.close();
    closing_ = false;
}

bool QtSerialTransport::IsOpen() const { return port_.isOpen(); }

void QtSerialTransport::ClearInput() {
    if (!port_.isOpen()) return;
    // Input only: a frame still leaving must not be cut off.
    port_.clear(QSerialPort::Input);
    port_.readAll();  // and whatever Qt already holds
}

double QtSerialTransport::ByteTimeMs() const {
    return port_.isOpen() ? byteMs_ : 0;
}

// A frame goes to the line inside this call, in the event-loop pass that
// read the reply before it: QSerialPort only queues what it is given and
// sends it on a later pass, which on a busy machine can come a time slice
// later. The descriptor is non-blocking, so the line takes what it can at
// once; the rest, and anything written while earlier bytes still wait, goes
// through QSerialPort's queue in order. No flush(): it waits in tcdrain()
// until the bytes have left, for ever when flow control holds them.
bool QtSerialTransport::Write(ByteView bytes) {
    if (!port_.isOpen()) return false;
    const char* data = reinterpret_cast<const char*>(bytes.data());
    const qint64 size = static_cast<qint64>(bytes.size());
    qint64 sent = 0;
    if (port_.bytesToWrite() == 0) {
        ssize_t n = 0;
        do {
            n = ::write(port_.handle(), data, bytes.size());
        } while (n < 0 && errno == EINTR);
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // The port failed. A device that hung up or vanished says so in
            // the engine's own words; anything else in the system's.
            const int err = errno;
            reason_ = DeviceGone() ? std::string() : std::strerror(err);
            return false;
        }
        if (n > 0) sent = n;
    }
    if (sent == size) return true;
    return port_.write(data + sent, size - sent) == size - sent;
}

void QtSerialTransport::OnReadyRead() {
    const QByteArray data = port_.readAll();
    LinkEvents* events = Connected();
    if (data.isEmpty() || !events) return;
    events->OnBytesReceived(ByteView(reinterpret_cast<const Byte*>(data.constData()),
                                      static_cast<std::size_t>(data.size())));
}

bool QtSerialTransport::DeviceGone() const {
    const int fd = port_.handle();
    if (fd < 0) return true;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) return true;
    termios t{};
    return tcgetattr(fd, &t) != 0;  // a hung-up terminal refuses even this
}

void QtSerialTransport::OnError(QSerialPort::SerialPortError e) {
    if (e == QSerialPort::NoError || closing_ || lostReported_ || !port_.isOpen()) return;
    const unsigned session = session_;
    const bool ioError =
        e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::WriteError;
    if (!ioError || !DeviceGone()) {
        // Ignored: a modem-line call the device refuses, or a read that
        // found the bytes already emptied by a send in the same event-loop
        // turn (QSerialPort reports that as a resource error and stops
        // reading). Reading is switched on again, as an event of its own.
        QMetaObject::invokeMethod(
            this,
            [this, session] {
                if (session == session_ && port_.isOpen()) OnReadyRead();
            },
            Qt::QueuedConnection);
        return;
    }
    lostReported_ = true;
    closing_ = true;
    port_.close();
    closing_ = false;
    // Reported as an event of its own, never from inside an engine call.
    QMetaObject::invokeMethod(
        this,
        [this, session] {
            if (session != session_) return;
            if (LinkEvents* events = Connected()) events->OnPortLost();
        },
        Qt::QueuedConnection);
}

QtReplyTimer::QtReplyTimer(QObject* parent) : QObject(parent) {
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (LinkEvents* events = Connected()) events->OnReplyTimeout();
    });
}

double QtReplyTimer::NowMs() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

void QtReplyTimer::Start(int ms) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.start(ms);
}

void QtReplyTimer::Stop() { timer_.stop(); }

}  // namespace rp
