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
    // A real serial line is paced by its baud rate (start bit, 8 data bits,
    // the stop bits); a pseudo-terminal carries bytes at once (0).
    double ByteTimeMs() const override;

    // A pseudo-terminal that stands in for a paced line (the simulated
    // radio pacing itself at 9600 baud) counts as paced.
    void SetPseudoTerminalPaced(bool paced) { ptyPaced_ = paced; }

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
    bool pseudoTerminal_ = false;
    bool ptyPaced_ = false;
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

// True when the open descriptor is the slave end of a pseudo-terminal.
bool IsPseudoTerminal(int fd);

}  // namespace rp
