#pragma once
// The dormant port search (CommMode 9) and the link test. Nothing in the
// program starts either; the search's steps are CommEngine methods (they
// share the engine's two event handlers), defined in search.cpp.
//
// Trial order: the candidate devices in order; for each, handshaking 0, 1,
// 2, 3 with 1 stop bit, then 0, 1, 2, 3 with 2 stop bits. Each setting gets
// three ProgramCommands and, after a ProgramAck, three IdentRequests.
// Handshaking 0 is none, 1 software (XON/XOFF: the data bytes 0x11 and 0x13
// are taken by the flow control), 2 and 3 hardware (RTS/CTS).
#include "link/engine.h"
#include "link/protocol.h"

namespace rp {

// The link test's reply check: 3 bytes or more beginning "R", "Z", 06.
bool IsLink2(ByteView bytes);

// The link test's logic, on a port and timer of its own: sends
// ProgramCommand on the chosen device and tells whether the radio
// acknowledged it. No END follows. The window (device list, buttons, the
// 100 ms close after an acknowledgement) lives with the windows.
class LinkTest : public LinkEvents {
public:
    // Connects the port and the timer to this test; the destructor
    // disconnects them.
    LinkTest(AppData& d, Transport& port, ReplyTimer& timer, MessagePort& messages);
    ~LinkTest() override;
    LinkTest(const LinkTest&) = delete;
    LinkTest& operator=(const LinkTest&) = delete;

    // Opens d.ComDevice (9600, 8N1, no flow control); on failure shows
    // "Cannot Open Communication Port." (LinkOpenFailed) and gives false.
    bool initComm2();
    // Empties the receive buffer, sends ProgramCommand, starts the 300 ms wait.
    void WriteLink2();
    // initComm2, then WriteLink2 when the port opened.
    void Run();
    void Close();

    void OnBytesReceived(ByteView bytes) override;
    // No acknowledgement: "Communication Error!" (LinkNoAnswer); the port
    // stays open.
    void OnReplyTimeout() override;
    void OnPortLost() override;

    bool Acknowledged() const { return acknowledged_; }

private:
    AppData& d_;
    Transport& port_;
    ReplyTimer& timer_;
    MessagePort& messages_;
    Bytes rx_;
    bool waiting_ = false;
    bool acknowledged_ = false;
};

}  // namespace rp
