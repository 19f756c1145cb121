#pragma once
// The transfer engine: a step machine that moves the memory image between
// the program and the radio one 16-byte block at a time.
//
// What a window sees of it:
//   commands   PrepareRead / BeginRead, PrepareWrite / BeginWrite (the
//              read and write commands, split around their confirmation),
//              CancelStart (undoes a prepare), StartRead / StartWrite (both
//              halves at once), StartInformationRead, StopInformationRead
//              (the quiet stop); StartCommSearch (the dormant port search).
//   events     OnBytesReceived, OnReplyTimeout and OnPortLost come from the
//              transport and the reply timer; OnRetryAnswer and
//              OnPassWordAnswer from the question port. The engine connects
//              all of them itself when it is built, so no port can be left
//              unconnected.
//   state      CommMode, CommState, CommAddress, ... read-only.
//   output     messages as a key and an added line (CommMessage, shown with
//              CommMessageText), questions, progress, and exactly one
//              TransferEnd per transfer that began, with its outcome and
//              reason.
//
// It never blocks and shows nothing synchronously: messages and questions
// are queued by the ports; while a question is open the reply timer is off
// and received bytes and stale timer ticks are dropped.
//
// Every copy of a frame that went out owes one reply, and a reply is matched
// to the oldest copy that still owes one. A reply goes on with the transfer
// at once, whatever other copies still owe: a late copy of a reply that
// names its block (a data frame, the identity, PROGRAM's answer) fits no
// test for the next step and is dropped whole when it comes.
//
// A bare 0x06 names no frame, so a write proves its blocks. A write whose
// every frame went out once and was answered by exactly one reply, with
// nothing else on the line, needs no proof: the radio answers in order, so
// each 0x06 is the answer to its own frame. Anything else is accounted
// for. The engine counts the bytes its frames may still bring; a reply that
// names its frame settles the count, since whatever the radio owed for the
// frames before it came first. Then:
//   - a block acknowledged while another copy's reply may still come (the
//     frame went out again, or bytes are still owed) is read back at once
//     (the check read); a difference writes it again and reads it again;
//   - bytes the engine cannot place (more than its frames may bring: a
//     stray, doubled or early byte, junk, a reply that fits no test) may
//     have passed for any acknowledgement since the last settled count, so
//     before END the write reads back every block it wrote (the check pass),
//     writes again each block that differs and reads those back again. Such
//     bytes after END went out send the write back into programming mode
//     for the check pass.
// A block still different after its tries ends the write as a failure
// (text 2007 and how many blocks could not be confirmed), never as 2005.
//
// On a paced line a reply counts only once the frame it answers has crossed
// the wire: bytes that arrive before the frame's wire time plus one byte
// since it was written are dropped, so a stray byte left over from the
// previous reply never passes for the next one. Whether the line is paced is
// judged from its replies, not from the kind of device: a reply of several
// bytes complete well before it could have crossed the wire proves a line
// that carries bytes at once; until then the rule holds.
#include <array>
#include <string>
#include <vector>

#include "core/appdata.h"
#include "core/seams.h"
#include "link/protocol.h"
#include "link/skiplist.h"

namespace rp {

inline bool IsTransferMode(long m) {
    return m == CommModeRead || m == CommModeWrite || m == CommModeInfo;
}

inline constexpr int kReplyTimeoutMs = 300;
inline constexpr int kFrameTries = 3;       // sends per frame before the user is asked
inline constexpr int kMaxResendReplies = 5;  // consecutive 0x0A to one frame

// Text keys of the language file's [OTHER] section.
namespace commtext {
inline constexpr int PortError = 2002;
inline constexpr int NoAnswer = 2003;  // the retry prompt
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
// Added on a new line to text 2002 after the device ("/dev/ttyUSB0: ..."):
// the port failed under a running transfer without a reason of its own.
inline const LangTexts kDeviceLostText = {"", "the device was lost", "设备已断开"};
// Added to text 2002 when no port has been chosen at all.
inline const LangTexts kNoPortText = {"", "No serial port has been chosen.", "尚未选择串口。"};

// Added on a new line to text 2005 when a factory write ran without its
// test-data part.
inline const LangTexts kTestDataNotWrittenText = {
    "",
    "The test data was not written: none had been loaded, read from a radio or entered.",
    "未写入测试数据：尚未加载、从对讲机读取或输入测试数据。"};

// Added on a new line to text 2007 when the write failed after the radio
// had taken at least one block: what it holds is no longer what it held.
inline const LangTexts kPartlyWrittenText = {
    "",
    "Part of the data was already written: the radio may now hold a mix of old and new data.",
    "部分数据已写入：对讲机中的数据可能新旧混杂。"};

// Added on a new line to text 2007 when the write ended while blocks it had
// written could not be read back equal: "<n> ..." with the count.
inline const LangTexts kUnconfirmedText = {
    "",
    "block(s) could not be confirmed on the radio: read back, they differ from the data written.",
    "个数据块未能在对讲机上确认：读回的数据与写入的不同。"};
std::string UnconfirmedLine(const AppData& d, int blocks);

// ---- messages ----------------------------------------------------------------------

// What a message of the link says. The first six are texts of [OTHER]
// (CommTextKey), then the built-in identity messages and the link test's
// two fixed texts.
enum class CommMsg {
    PortError,     // 2002
    ReadOK,        // 2004
    WriteOK,       // 2005
    ReadFailed,    // 2006
    WriteFailed,   // 2007
    InfoFailed,    // 2008
    ModelWrong,    // MsgModelWrong, added "PC is ..." and "Radio is ..." lines
    VersionWrong,  // MsgVersionWrong, added lines as for ModelWrong
    FrequencyWrong,
    RadioKilled,
    RadioStunned,
    LinkOpenFailed,  // the link test: "Cannot Open Communication Port."
    LinkNoAnswer,    // the link test: "Communication Error!"
};

// A message box with an OK button: its key, an added line (already in the
// user's language; may hold a line break of its own) and its icon.
struct CommMessage {
    CommMsg Key = CommMsg::PortError;
    std::string AddedLine;
    MsgIcon Icon = MsgIcon::None;
    bool operator==(const CommMessage&) const = default;
};

// The [OTHER] key of a message (2002, 2004..2008); 0 for the identity ones.
int CommTextKey(CommMsg key);
// The message as the user reads it: its text in the current language, then
// the added line after a line break (CR LF after the identity messages).
std::string CommMessageText(const AppData& d, const CommMessage& m);

// ---- the end of a transfer --------------------------------------------------------

enum class EndReason {
    Success,
    Cancelled,        // Cancel at the retry prompt or in the password dialog
    IdentityRefused,  // wrong model, version or band, or a killed or stunned radio
    PassWord,         // the password entered in the dialog is wrong too
    PortLost,         // the port failed, vanished or could not be opened again
    TimeOut,          // no answer (information read, search, second test-data block)
    Stopped,          // StopInformationRead: no message, no information view
};

struct TransferEnd {
    long Mode = CommModeIdle;  // CommModeRead, CommModeWrite or CommModeInfo
    bool Ok = false;
    EndReason Reason = EndReason::Success;
    bool operator==(const TransferEnd&) const = default;
};

// ---- ports ---------------------------------------------------------------------------

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

// The answers to the questions of a QuestionPort.
class QuestionAnswers {
public:
    virtual ~QuestionAnswers() = default;
    virtual void OnRetryAnswer(bool retry) = 0;
    virtual void OnPassWordAnswer(bool ok, const std::string& text) = 0;
};

// A port's link to whoever takes its events; set by its user's constructor
// (the engine, the link test), never by hand.
template <class Target>
class Connectable {
public:
    void Connect(Target* t) { target_ = t; }
    // Undoes Connect(t), unless another user has connected since.
    void Disconnect(const Target* t) {
        if (target_ == t) target_ = nullptr;
    }
    Target* Connected() const { return target_; }

private:
    Target* target_ = nullptr;
};

// The serial port. Received bytes go to Connected()->OnBytesReceived, a lost
// port to OnPortLost; neither may be delivered from inside one of these
// calls.
class Transport : public Connectable<LinkEvents> {
public:
    virtual ~Transport() = default;
    virtual OpenResult Open(const PortSettings& s) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Empties the receive buffer. Bytes still waiting to be sent are kept:
    // a frame is never dropped before it has left.
    virtual void ClearInput() = 0;
    virtual bool Write(ByteView bytes) = 0;  // false: the port failed
    // Milliseconds one byte takes at the line's settings; 0 when the
    // transport knows the line carries bytes at once. (The engine judges
    // from the replies whether a line really is paced.)
    virtual double ByteTimeMs() const = 0;
    // The system's reason for the last failed open or the failure of the
    // open line ("No such file or directory"); empty when not known.
    virtual std::string FailureReason() const { return {}; }
};

// The 300 ms reply timer; its tick goes to Connected()->OnReplyTimeout.
// NowMs is a monotonic clock (any origin), read when a frame is written and
// when bytes arrive.
class ReplyTimer : public Connectable<LinkEvents> {
public:
    virtual ~ReplyTimer() = default;
    virtual void Start(int ms) = 0;
    virtual void Stop() = 0;
    virtual double NowMs() const = 0;
};

// Queued message boxes with an OK button and the application title.
class MessagePort {
public:
    virtual ~MessagePort() = default;
    virtual void Post(const CommMessage& m) = 0;
};

// The ends of a transfer that concern the windows.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    virtual void CloseProgress() {}                   // unload the progress dialog
    virtual void ShowInformation() {}                 // the information view
    virtual void SetProgressCaption(const std::string&) {}  // restored after a search
    // Called once per transfer that began, after its message.
    virtual void TransferEnded(const TransferEnd&) {}
};

// Questions answered by a later event: AskRetry (text 2003, Retry/Cancel)
// by Connected()->OnRetryAnswer, AskPassWord (the password dialog, offering
// the password entered last) by OnPassWordAnswer. CloseQuestion: the
// transfer ended while a question was open (the port was lost, say); the
// window closes its dialog, and a late answer is ignored.
class QuestionPort : public Connectable<QuestionAnswers> {
public:
    virtual ~QuestionPort() = default;
    virtual void AskRetry() = 0;
    virtual void AskPassWord(const std::string& current) = 0;
    virtual void CloseQuestion() {}
};

struct CommPorts {
    Transport& Port;
    ReplyTimer& Timer;
    MessagePort& Messages;
    QuestionPort& Questions;
    ProgressSink* Progress = nullptr;    // null: no progress dialog
    TransferListener* Events = nullptr;  // may be null
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

// The identity check after ParseRadioIdentity: true when the transfer of
// commMode may go on; otherwise the messages to show, in order (a wrong
// model and a wrong version together give only the model message).
bool CheckRadioIdentity(const AppData& d, long commMode, std::vector<CommMessage>& refusals);

// ---- the engine ----------------------------------------------------------------

class CommEngine : public LinkEvents, public QuestionAnswers {
public:
    // Connects the transport, the reply timer and the question port to
    // this engine; the destructor disconnects them.
    CommEngine(AppData& d, CommPorts ports);
    ~CommEngine() override;
    CommEngine(const CommEngine&) = delete;
    CommEngine& operator=(const CommEngine&) = delete;

    // ---- commands ----
    // Each refuses (false, nothing sent) unless CommMode is 0.
    // Read and write run in two halves around the confirmation: Prepare*
    // sets the mode and opens the port (text 2002 and false on failure);
    // Begin* presets the image and sends the first frame. CancelStart closes
    // the port and leaves the engine idle (no end is reported: no transfer
    // began).
    bool PrepareRead();
    bool BeginRead();
    bool PrepareWrite();
    // False when an image encoder failed (its message shown; port closed).
    bool BeginWrite();
    void CancelStart();
    bool StartRead() { return PrepareRead() && BeginRead(); }
    bool StartWrite() { return PrepareWrite() && BeginWrite(); }
    bool StartInformationRead();
    // Ends a running information read at once and quietly: port closed,
    // timer off, an open question closed, CommMode 0, no text 2008 and no
    // information view; the end is reported as Stopped. False (nothing
    // done) when no information read runs.
    bool StopInformationRead();
    // Sets up a search for a transfer of `mode` over `ports` and starts it.
    bool StartCommSearch(long mode, const std::vector<std::string>& ports,
                         const std::string& progressCaption);

    // ---- events ----
    void OnBytesReceived(ByteView bytes) override;
    void OnReplyTimeout() override;
    void OnPortLost() override;
    void OnRetryAnswer(bool retry) override;
    void OnPassWordAnswer(bool ok, const std::string& text) override;

    // ---- state, by the names of the transfer (read-only) ----
    long CommMode() const { return commMode_; }
    int CommState() const { return commState_; }
    long CommAddress() const { return commAddress_; }
    long CommStartAddress() const { return commStartAddress_; }
    long CommEndAddress() const { return commEndAddress_; }
    int ProgramRetries() const { return programRetries_; }
    int IdentRetries() const { return identRetries_; }
    int PassWordRetries() const { return passWordRetries_; }
    const std::vector<int>& BlockRetries() const { return blockRetries_; }
    bool FactoryEntrySent() const { return factoryEntrySent_; }
    const CommSearchState& Search() const { return search_; }
    bool Busy() const { return commMode_ != CommModeIdle; }

    // What the engine is waiting for right now. CheckData: the data frame
    // of a check read (a written block read back).
    enum class Await {
        Nothing, ProgramAck, Ident, PassWord, TestData, TestWriteAck, BlockData, BlockAck, EndAck, CheckData
    };
    Await Awaiting() const { return awaiting_; }
    bool QuestionOpen() const { return question_ != Question::None; }
    bool WaitTimerOn() const { return timerOn_; }
    // Replies still owed by copies of the frame sent last.
    int RepliesOwed() const { return owed_; }
    // A write's proof: a block read back at once (Block), or every block
    // written read back before END (Pass).
    enum class Check { None, Block, Pass };
    Check Checking() const { return check_; }
    // True once this write has met bytes it could not place: it reads back
    // every block before END.
    bool ProofDue() const { return proofAll_; }
    // True once this port session's replies have shown a line that carries
    // bytes at once: the wire-time rule is off.
    bool LineUnpaced() const { return unpaced_; }
    // Test data of a factory read, kept until the read has ended well.
    const std::array<Byte, 32>& PendingTestData() const { return pendingTestData_; }

private:
    enum class Question { None, Retry, PassWord };

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
    void FinishComm(bool result, EndReason why);
    bool CheckRadioIdentity();
    // The receive dispatch and the reply time-out.
    void MSComm1_OnComm(ByteView reply);
    void WaitTimer_Timer();
    void OnSearchTimeout();
    void OnBlockTimeout();

    // ---- port search (search.cpp; dormant) ----
    bool OpenCommPortWith(const std::string& port, int handshaking, int stopBits);
    void ResendProgramCommand();
    void RestartProgramCommand();
    void TryNextCommSetting(bool advance);
    bool IsSearchedRadio();
    void OnSearchReply();
    void EndCommSearch();
    void SaveCommSettings();

    // ---- helpers ----
    bool Send(const Bytes& frame, int replyLen, Await what);
    void TimerOn(int ms = kReplyTimeoutMs);
    void TimerOff();
    void ClosePort();
    void Post(CommMsg key, std::string addedLine = {}, MsgIcon icon = MsgIcon::None);
    void PortFailed();
    void AskRetry(bool reopen);
    void TriesUsedUp(bool closePort);
    void SendBlockOrResume();
    void OnResend();
    void SetUpTransferAddresses();
    PortSettings TransferSettings() const;
    void ShowOpenError(OpenResult r);
    std::string PortFailureLine(const std::string& fallback) const;
    bool OpenTransferPort();
    bool ClaimAndOpen(long mode);
    void SendEntryFrame(bool factory);
    bool FactoryEntryDue() const;
    void SendTransferEntry();
    void DecideFactoryPart();
    void Advance();
    // ---- a write's proof (engine_proof.cpp) ----
    void Spend(std::size_t bytes);
    void Drop(std::size_t bytes);
    void Settled();
    void OnBlockAck();
    void CheckBlock();
    void SendCheckRead();
    void OnCheckData(ByteView reply);
    void OnCheckTimeout();
    bool FinishWithProof();
    void StartPass();
    void PassSend();
    void PassNext(bool differs);
    void PassDone();
    void WriteBlockAt(long address);
    std::vector<long> WrittenBlocks() const;
    const Byte* Written(long address) const;
    int Unconfirmed() const;
    void ResumeProofAfterRestart();
    void TakeReplies();
    bool Fits(Await what, ByteView window) const;
    bool FindReply(const Bytes& buf, Await what, std::size_t& at) const;
    bool RuleOn() const;
    bool ProvesUnpaced(const Bytes& held, double now) const;
    void CloseOpenQuestion();
    void StopAll();

    AppData& d_;
    CommPorts p_;

    long commMode_ = CommModeIdle;
    int commState_ = CommStateIdle;
    long commAddress_ = 0;
    long commStartAddress_ = 0;
    long commEndAddress_ = 0;
    int programRetries_ = 0;
    int identRetries_ = 0;
    int passWordRetries_ = 0;
    std::vector<int> blockRetries_;
    bool factoryEntrySent_ = false;
    CommSearchState search_;

    Bytes rx_;
    Bytes early_;                // bytes before acceptFrom_, kept only to judge the line
    std::size_t awaitLen_ = 0;
    double acceptFrom_ = 0;      // clock time before which received bytes are dropped
    double sentAt_ = 0;          // clock time the frame was written last
    double provenBy_ = 0;        // a whole reply before this proves an unpaced line
    bool unpaced_ = false;       // proven for this port session
    int owed_ = 0;               // replies owed by copies of the frame sent last
    int copies_ = 0;             // copies of the frame sent last
    bool frameDirty_ = false;    // bytes were dropped while the frame sent last awaited its reply
    unsigned sends_ = 0;         // counts sends: a reply handler that sent drops the rest
    // A write's proof (see the class comment).
    long owedBytes_ = 0;         // bytes the frames since the last settled count may still bring
    bool proofAll_ = false;      // bytes that could not be placed: the check pass is due
    bool recheck_ = false;       // the next image block acknowledged is read back
    bool passDue_ = false;       // the next block step (after a restart) is the check pass
    bool writtenSincePass_ = false;  // a block was acknowledged after the last check pass
    bool ackedSinceSettle_ = false;  // a block was acknowledged after the count was last settled
    Check check_ = Check::None;
    long checkAddress_ = -1;     // the block the check read asks for
    int checkTries_ = 0;         // sends left for the check read
    int checkRewrites_ = 0;      // writes of the block after a check found it different
    std::vector<long> passList_;  // the pass's blocks, in order
    std::size_t passAt_ = 0;
    bool passRewriting_ = false;  // writing passList_ again, else reading it back
    int passRound_ = 0;           // rounds of writing again
    std::vector<long> differing_;  // read back different in this round
    std::vector<long> unfixable_;  // test-data blocks read back different (written in a factory entry only)
    std::string portDevice_;     // the device of the open (or last tried) port
    Await awaiting_ = Await::Nothing;
    int awaitAddress_ = -1;      // test-data address just requested
    int testWriteBlock_ = -1;    // test-data block just sent
    bool timerOn_ = false;
    bool inHandler_ = false;
    Question question_ = Question::None;
    bool reopenOnRetry_ = false;
    int resendReplies_ = 0;       // consecutive 0x0A to the current frame
    Bytes lastFrame_;             // the frame sent last (a new one restarts the count)
    bool blockStarted_ = false;   // an image block has been requested or sent
    bool resumeBlock_ = false;    // the next block step repeats CommAddress
    Bytes passWordBlock_;         // kept for the check after the dialog
    std::array<Byte, 32> pendingTestData_{};
    bool factoryPart_ = false;    // this write runs the factory test-data part
    bool testDataDone_ = false;   // both test-data blocks written
    bool testDataSkipped_ = false;  // factory write without a test-data block
    bool blockWritten_ = false;   // the radio has acknowledged a written block
};

}  // namespace rp
