#pragma once
// The transfer engine's serial port and reply timer over Qt: QSerialPort
// (9600 baud, 8N1, no flow control unless a search asks for it, raw bytes)
// and a single-shot QTimer. Received bytes, a lost port and timer ticks
// reach the engine as queued events, never from inside an engine call.
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "link/engine.h"

namespace rp {

class QtSerialTransport : public QObject, public Transport {
    Q_OBJECT
public:
    explicit QtSerialTransport(QObject* parent = nullptr);
    void SetEngine(LinkEvents* e) { engine_ = e; }

    OpenResult Open(const PortSettings& s) override;
    void Close() override;
    bool IsOpen() const override;
    void Flush() override;
    bool Write(ByteView bytes) override;

    // The device path the last Open used, after resolving links.
    const QString& OpenedPath() const { return opened_; }

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError e);
    // True when the open device has hung up or vanished (not merely had
    // nothing to read).
    bool DeviceGone() const;

    QSerialPort port_;
    LinkEvents* engine_ = nullptr;
    QString opened_;
    bool lostReported_ = false;
    bool closing_ = false;
    unsigned session_ = 0;  // counts opens: a queued report names its port
};

class QtReplyTimer : public QObject, public ReplyTimer {
    Q_OBJECT
public:
    explicit QtReplyTimer(QObject* parent = nullptr);
    void SetEngine(LinkEvents* e) { engine_ = e; }
    void Start(int ms) override;
    void Stop() override;

private:
    QTimer timer_;
    LinkEvents* engine_ = nullptr;
};

// Our own access check of a device path before it is opened: AccessDenied
// when the system refuses read-write access (EACCES), Failed when the
// device does not exist, Ok otherwise.
OpenResult CheckDeviceAccess(const std::string& path);

}  // namespace rp
