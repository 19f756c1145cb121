#include "platform/serialtransport.h"

#include <unistd.h>

#include <cerrno>

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
    const OpenResult access = CheckDeviceAccess(path.toStdString());
    if (access != OpenResult::Ok) return access;

    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite)) {
        // QSerialPort reports a busy port, a held lock and a forbidden port
        // alike as a permission error: all are "cannot be opened".
        port_.clearError();
        return OpenResult::Failed;
    }
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
    opened_ = path;
    lostReported_ = false;
    return OpenResult::Ok;
}

void QtSerialTransport::Close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialTransport::IsOpen() const { return port_.isOpen(); }

void QtSerialTransport::Flush() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::AllDirections);
    port_.readAll();  // and whatever Qt already holds
}

bool QtSerialTransport::Write(ByteView bytes) {
    if (!port_.isOpen()) return false;
    const qint64 n = port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size())) return false;
    port_.flush();  // onto the line now, not at the next event-loop turn
    return true;
}

void QtSerialTransport::OnReadyRead() {
    const QByteArray data = port_.readAll();
    if (data.isEmpty() || !engine_) return;
    engine_->OnBytesReceived(ByteView(reinterpret_cast<const Byte*>(data.constData()),
                                      static_cast<std::size_t>(data.size())));
}

void QtSerialTransport::OnError(QSerialPort::SerialPortError e) {
    switch (e) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
            break;  // the port has gone
        default:
            return;  // ignored: the transfer's own time-outs decide
    }
    if (lostReported_ || !port_.isOpen()) return;
    lostReported_ = true;
    port_.close();
    // Reported as an event of its own, never from inside an engine call.
    QMetaObject::invokeMethod(
        this, [this] { if (engine_) engine_->OnPortLost(); }, Qt::QueuedConnection);
}

QtReplyTimer::QtReplyTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (engine_) engine_->OnReplyTimeout();
    });
}

void QtReplyTimer::Start(int ms) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.start(ms);
}

void QtReplyTimer::Stop() { timer_.stop(); }

}  // namespace rp
