#pragma once
// The transfer engine: a step machine that moves the memory image between
// the program and the radio one 16-byte block at a time. It is driven by
// events (bytes received, reply timer fired, the answer to a question, the
// port lost) and acts through the small interfaces below. It never blocks
// and shows nothing synchronously: messages and questions are queued by the
// ports; while a question is open the reply timer is off and received bytes
// and stale timer ticks are dropped.
#include <array>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/seams.h"
#include "link/protocol.h"
#include "link/skiplist.h"

namespace rp {

enum CommModeKind : long {
    CommModeIdle = 0,
    CommModeRead = 1,
    CommModeWrite = 2,
    CommModeInfo = 3,
    CommModeSearch = 9,
};

enum CommStateKind : int {
    CommStateIdle = 0,
    CommStateProgram = 1,
    CommStateIdent = 2,
    CommStatePassWord = 3,
    CommStateBlocks = 4,
    CommStateTestRead0 = 30,
    CommStateTestRead1 = 31,
    CommStateTestWrite0 = 32,
    CommStateRestart = 45,
    CommStateFinish = 69,
};

inline bool IsTransferMode(long m) {
    return m == CommModeRead || m == CommModeWrite || m == CommModeInfo;
}

inline constexpr int kReplyTimeoutMs = 300;
inline constexpr int kFrameTries = 3;       // sends per frame before the user is asked
inline constexpr int kMaxResendReplies = 5;  // consecutive 0x0A to one frame

// Text keys of the language file's [OTHER] section.
namespace commtext {
inline constexpr int PortError = 2002;
inline constexpr int NoAnswer = 2003;
inline constexpr int ReadOK = 2004;
inline constexpr int WriteOK = 2005;
inline constexpr int ReadFailed = 2006;
inline constexpr int WriteFailed = 2007;
inline constexpr int InfoFailed = 2008;
}  // namespace commtext

// Added on a new line to text 2002 when the port was refused for lack of
// permission (our own access check).
inline const LangTexts kDialoutText = {
    "",
    "Access to the serial port was refused: the user must be a member of the dialout group "
    "(log in again after joining it).",
    "串口访问被拒绝：用户必须属于 dialout 组（加入后需重新登录）。"};
// Added on a new line to text 2005 when a factory write ran without its
// test-data part.
inline const LangTexts kTestDataNotWrittenText = {
    "",
    "The test data was not written: none had been loaded, read from a radio or entered.",
    "未写入测试数据：尚未加载、从对讲机读取或输入测试数据。"};

// ---- interfaces --------------------------------------------------------------

struct PortSettings {
    std::string Device;   // device path
    int BaudRate = 9600;
    int DataBits = 8;
    int StopBits = 1;     // 1 or 2
    int Handshaking = 0;  // 0 none, 1 software, 2 and 3 hardware
};

enum class OpenResult { Ok, Failed, AccessDenied };

// What a port and a reply timer report: the transfer engine, or the link
// test (link/search.h).
class LinkEvents {
public:
    virtual ~LinkEvents() = default;
    virtual void OnBytesReceived(ByteView bytes) = 0;
    virtual void OnReplyTimeout() = 0;
    virtual void OnPortLost() = 0;
};

// The serial port. Received bytes come back as CommEngine::OnBytesReceived,
// a lost port as CommEngine::OnPortLost; neither may be delivered from
// inside one of these calls.
class Transport {
public:
    virtual ~Transport() = default;
    virtual OpenResult Open(const PortSettings& s) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual void Flush() = 0;                // empties both buffers
    virtual bool Write(ByteView bytes) = 0;  // false: the port failed
};

// The 300 ms reply timer; its tick comes back as CommEngine::OnReplyTimeout.
class ReplyTimer {
public:
    virtual ~ReplyTimer() = default;
    virtual void Start(int ms) = 0;
    virtual void Stop() = 0;
};

// Queued message boxes with an OK button and the application title.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void Post(const std::string& text, MsgIcon icon) = 0;
};

// The ends of a transfer that concern the windows.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    virtual void CloseProgress() {}                   // unload the progress dialog
    virtual void ShowInformation() {}                 // the information view
    virtual void SetProgressCaption(const std::string&) {}  // restored after a search
    virtual void TransferEnded(long mode, bool ok) { (void)mode; (void)ok; }
};

// Questions answered by a later event: AskRetry (text 2003, Retry/Cancel) by
// CommEngine::OnRetryAnswer, AskPassWord (the password dialog, offering the
// password entered last) by CommEngine::OnPassWordAnswer. CloseQuestion: the
// transfer ended while a question was open (the port was lost, say); the
// window closes its dialog, and a late answer is ignored.
class QuestionPort {
public:
    virtual ~QuestionPort() = default;
    virtual void AskRetry() = 0;
    virtual void AskPassWord(const std::string& current) = 0;
    virtual void CloseQuestion() {}
};

struct CommPorts {
    Transport* Port = nullptr;
    ReplyTimer* Timer = nullptr;
    ProgressSink* Progress = nullptr;  // null: no progress dialog
    MessagePort* Messages = nullptr;
    TransferListener* Events = nullptr;  // may be null
    QuestionPort* Questions = nullptr;
};

// The port search's state (dormant; see link/search.h).
struct CommSearchState {
    long SearchSavedMode = 0;
    std::string SearchSavedCaption;
    std::vector<std::string> SearchPorts;  // candidate device paths, in trial order
    int SearchPortIndex = 0;
    std::string SearchPort;
    int SearchHandshaking = 0;
    int SearchStopBit = 1;
    bool SearchFound = false;
    std::string FoundPort;
    int FoundHandshaking = 0;
    int FoundStopBit = 1;
};

// ---- the engine ----------------------------------------------------------------

class CommEngine : public LinkEvents {
public:
    CommEngine(AppData& d, CommPorts ports);

    // What the engine is waiting for right now.
    // Settle: a write frame sent again after a time-out was acknowledged;
    // for one reply wait, a second reply to its other copy is dropped before
    // the next frame goes out.
    enum class Await {
        Nothing, ProgramAck, Ident, PassWord, TestData, TestWriteAck, BlockData, BlockAck, EndAck, Settle
    };

    // ---- state, by the names of the transfer ----
    long CommMode = CommModeIdle;
    int CommState = CommStateIdle;
    long CommAddress = 0;
    long CommStartAddress = 0;
    long CommEndAddress = 0;
    int ProgramRetries = 0;
    int IdentRetries = 0;
    int PassWordRetries = 0;
    std::vector<int> BlockRetries;
    bool FactoryEntrySent = false;
    CommSearchState Search;

    // ---- starting a transfer (the commands without their questions) ----
    // Each refuses (false, nothing sent) unless CommMode is 0.
    // Read and write run in two halves around the confirmation: Prepare*
    // sets the mode and opens the port (text 2002 and false on failure);
    // Begin* presets the image and sends the first frame. CancelStart closes
    // the port and leaves the engine idle.
    bool PrepareRead();
    bool BeginRead();
    bool PrepareWrite();
    // False when an image encoder failed (its message shown; port closed).
    bool BeginWrite();
    void CancelStart();
    bool StartRead() { return PrepareRead() && BeginRead(); }
    bool StartWrite() { return PrepareWrite() && BeginWrite(); }
    bool StartInformationRead();

    // ---- events ----
    void OnBytesReceived(ByteView bytes) override;
    void OnReplyTimeout() override;
    void OnRetryAnswer(bool retry);
    void OnPassWordAnswer(bool ok, const std::string& text);
    void OnPortLost() override;

    // ---- the steps ----
    bool OpenCommPort();
    void SendProgramCommand();
    void SendFactoryModeEntry();
    void SendIdentRequest();
    void SendPassWordBlockRead();
    void SendTestDataReadRequest(int block);
    void SendTestDataWriteBlock(int block);
    void ReadNextBlock();
    void ResendReadBlock();
    void WriteNextBlock();
    void ResendWriteBlock();
    void StoreReadBlock(ByteView reply);
    void SendEndCommand();
    void EndTransferOK();
    void EndTransferRestart();
    void ResetCommRetries();
    void NextCommStep(int state);
    void FinishComm(bool result);
    bool CheckRadioIdentity();
    // The receive dispatch and the reply time-out.
    void MSComm1_OnComm(ByteView reply);
    void WaitTimer_Timer();

    // ---- port search (link/search.cpp; dormant) ----
    bool OpenCommPortWith(const std::string& port, int handshaking, int stopBits);
    void ResendProgramCommand();
    void RestartProgramCommand();
    void TryNextCommSetting(bool advance);
    bool IsSearchedRadio();
    void OnSearchReply();
    void EndCommSearch();
    void SaveCommSettings();
    // Sets up a search for a transfer of `mode` over `ports` and starts it.
    bool StartCommSearch(long mode, const std::vector<std::string>& ports,
                         const std::string& progressCaption);

    // ---- inspection ----
    Await Awaiting() const { return awaiting_; }
    bool QuestionOpen() const { return question_ != Question::None; }
    bool WaitTimerOn() const { return timerOn_; }
    // Test data of a factory read, kept until the read has ended well.
    const std::array<Byte, 32>& PendingTestData() const { return pendingTestData_; }

private:
    enum class Question { None, Retry, PassWord };

    bool Send(const Bytes& frame, int replyLen, Await what);
    void TimerOn();
    void TimerOff();
    void ClosePort();
    void Post(int textKey, MsgIcon icon = MsgIcon::None);
    void PostText(const std::string& text, MsgIcon icon = MsgIcon::None);
    std::string Text(int key) const;
    void PortFailed();
    void AskRetry(bool reopen);
    void TriesUsedUp(bool closePort);
    void SendBlockOrResume();
    void OnResend();
    void SendTestDataWriteFrame();
    void SetUpTransferAddresses();
    PortSettings TransferSettings() const;
    void ShowOpenError(OpenResult r);
    bool OpenTransferPort();
    bool ClaimAndOpen(long mode);
    void SendEntryFrame(bool factory);
    bool FactoryEntryDue() const;
    void SendTransferEntry();
    void DecideFactoryPart();
    void Settle();
    void CloseOpenQuestion();

    AppData& d_;
    CommPorts p_;
    Bytes rx_;
    std::size_t awaitLen_ = 0;
    Await awaiting_ = Await::Nothing;
    int awaitAddress_ = -1;      // test-data address just requested
    int testWriteBlock_ = -1;    // test-data block just sent
    bool timerOn_ = false;
    bool inHandler_ = false;
    Question question_ = Question::None;
    bool reopenOnRetry_ = false;
    int resendReplies_ = 0;       // consecutive 0x0A to the current frame
    Bytes lastFrame_;             // the frame sent last (a new one restarts the count)
    bool repeatedAfterTimeout_ = false;  // lastFrame_ was sent again after a time-out
    bool blockStarted_ = false;   // an image block has been requested or sent
    bool resumeBlock_ = false;    // the next block step repeats CommAddress
    Bytes passWordBlock_;         // kept for the check after the dialog
    std::array<Byte, 32> pendingTestData_{};
    bool factoryPart_ = false;    // this write runs the factory test-data part
    bool testDataDone_ = false;   // both test-data blocks written
    bool testDataSkipped_ = false;  // factory write without a test-data block
    bool searchOpenedAtStart_ = false;
};

}  // namespace rp
