#pragma once
// The transfer engine's serial port and reply timer over Qt: QSerialPort
// (9600 baud, 8N1, no flow control unless a search asks for it, raw bytes)
// and a single-shot QTimer. Received bytes, a lost port and timer ticks
// reach whoever is connected (the engine, the link test) as events of
// their own, never from inside one of its calls.
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "link/engine.h"

namespace rp {

class QtSerialTransport : public QObject, public Transport {
    Q_OBJECT
public:
    explicit QtSerialTransport(QObject* parent = nullptr);

    OpenResult Open(const PortSettings& s) override;
    void Close() override;
    bool IsOpen() const override;
    void ClearInput() override;
    bool Write(ByteView bytes) override;
    // The byte time of the line's settings (start bit, 8 data bits, the stop
    // bits), whatever the device: a pseudo-terminal may have a paced line at
    // its far end (a network serial bridge), so the engine judges from the
    // replies whether the line is paced.
    double ByteTimeMs() const override;
    std::string FailureReason() const override { return reason_; }

    // The device path the last Open used, after resolving links.
    const QString& OpenedPath() const { return opened_; }

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError e);
    // True when the open device has hung up or vanished (not merely had
    // nothing to read).
    bool DeviceGone() const;

    QSerialPort port_;
    QString opened_;
    double byteMs_ = 0;      // of the open line
    std::string reason_;     // the system's word on the last failure
    bool lostReported_ = false;
    bool closing_ = false;
    unsigned session_ = 0;  // counts opens: a queued report names its port
};

class QtReplyTimer : public QObject, public ReplyTimer {
    Q_OBJECT
public:
    explicit QtReplyTimer(QObject* parent = nullptr);
    void Start(int ms) override;
    void Stop() override;
    double NowMs() const override;

private:
    QTimer timer_;
    QElapsedTimer clock_;
};

// Our own access check of a device path before it is opened: AccessDenied
// when the system refuses read-write access (EACCES), Failed when the
// device does not exist, Ok otherwise.
OpenResult CheckDeviceAccess(const std::string& path);

}  // namespace rp
