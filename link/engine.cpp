#include "link/engine.h"

#include <algorithm>

#include "core/datafiles.h"
#include "core/fixedtext.h"
#include "core/models.h"
#include "link/codec.h"
#include "link/image.h"

namespace rp {

namespace {
constexpr long kReadStart = 0x0010;
constexpr long kWriteStart = 0x0100;
constexpr long kLastBlock = 0x3F70;
constexpr long kInfoEnd = 0x00FF;
constexpr long kSecondPhase = 0x03A0;
}  // namespace

CommEngine::CommEngine(AppData& d, CommPorts ports) : d_(d), p_(ports) {}

// ---- small helpers ---------------------------------------------------------------

std::string CommEngine::Text(int key) const { return d_.Ui.Texts->Text(key); }

void CommEngine::PostText(const std::string& text, MsgIcon icon) {
    if (p_.Messages) p_.Messages->Post(text, icon);
}

void CommEngine::Post(int textKey, MsgIcon icon) { PostText(Text(textKey), icon); }

void CommEngine::TimerOn() {
    timerOn_ = true;
    p_.Timer->Start(kReplyTimeoutMs);
}

void CommEngine::TimerOff() {
    timerOn_ = false;
    p_.Timer->Stop();
}

void CommEngine::ClosePort() {
    if (p_.Port->IsOpen()) p_.Port->Close();
}

void CommEngine::ShowOpenError(OpenResult r) {
    std::string text = Text(commtext::PortError);
    if (r == OpenResult::AccessDenied) text += "\n" + LangText(d_, kDialoutText);
    PostText(text);
}

PortSettings CommEngine::TransferSettings() const {
    PortSettings s;
    s.Device = d_.ComDevice;
    return s;  // 9600, 8N1, no flow control
}

// A port that failed under a running transfer: text 2002, then the transfer
// ends as failed with its mode's text.
void CommEngine::PortFailed() {
    if (CommMode == CommModeIdle) return;
    Post(commtext::PortError);
    if (CommMode == CommModeSearch) CommMode = Search.SearchSavedMode;
    FinishComm(false);
}

// Every send: empty the held bytes and both buffers, set the awaited
// length, write, start a fresh reply wait.
bool CommEngine::Send(const Bytes& frame, int replyLen, Await what) {
    d_.EchoLen = d_.NoEcho ? 0 : static_cast<Integer>(frame.size());
    rx_.clear();
    // The 0x0A count belongs to one frame: a repeat of the same frame (after
    // a time-out or a 0x0A) keeps it, any other frame starts it again.
    if (frame != lastFrame_) {
        resendReplies_ = 0;
        repeatedAfterTimeout_ = false;
        lastFrame_ = frame;
    }
    awaiting_ = what;
    awaitLen_ = static_cast<std::size_t>(replyLen + d_.EchoLen);
    const bool ok = p_.Port->IsOpen() && (p_.Port->Flush(), p_.Port->Write(frame));
    if (!ok && CommMode != CommModeSearch) {
        PortFailed();
        return false;
    }
    TimerOn();  // in a search a failed send just waits for its time-out
    return true;
}

// ---- starting a transfer -------------------------------------------------------

void CommEngine::SetUpTransferAddresses() {
    switch (CommMode) {
        case CommModeRead:
            CommStartAddress = kReadStart;
            CommEndAddress = kLastBlock;
            CommAddress = kReadStart - d_.ReadBlockSize;
            break;
        case CommModeWrite:
            CommStartAddress = kWriteStart;
            CommEndAddress = kLastBlock;
            CommAddress = kWriteStart - d_.WriteBlockSize;
            break;
        case CommModeInfo:
            CommStartAddress = kReadStart;
            CommEndAddress = kInfoEnd;
            CommAddress = kReadStart - d_.ReadBlockSize;
            break;
        default: break;
    }
    blockStarted_ = false;
    resumeBlock_ = false;
    factoryPart_ = false;
    testDataDone_ = false;
    testDataSkipped_ = false;
    resendReplies_ = 0;
    repeatedAfterTimeout_ = false;
    lastFrame_.clear();
    question_ = Question::None;
    awaiting_ = Await::Nothing;
    awaitLen_ = 0;
    rx_.clear();
    std::copy(d_.TestDataBuf.begin(), d_.TestDataBuf.begin() + 32, pendingTestData_.begin());
}

bool CommEngine::OpenCommPort() {
    if (!IsTransferMode(CommMode)) return false;
    SetUpTransferAddresses();
    TimerOff();
    CommState = CommStateIdle;
    ClosePort();
    ResetCommRetries();
    if (!OpenTransferPort()) return false;
    d_.ProgressPercent = 0;
    return true;
}

bool CommEngine::OpenTransferPort() {
    const PortSettings s = TransferSettings();
    const OpenResult r = s.Device.empty() ? OpenResult::Failed : p_.Port->Open(s);
    if (r != OpenResult::Ok) ShowOpenError(r);
    return r == OpenResult::Ok;
}

// Takes the engine for a transfer of this mode and opens the port; refused
// while another transfer runs, and the engine is idle again when the port
// cannot be opened.
bool CommEngine::ClaimAndOpen(long mode) {
    if (CommMode != CommModeIdle) return false;
    CommMode = mode;
    if (!OpenCommPort()) {
        CommMode = CommModeIdle;
        return false;
    }
    return true;
}

bool CommEngine::PrepareRead() {
    return ClaimAndOpen(CommModeRead);
}

bool CommEngine::BeginRead() {
    if (CommMode != CommModeRead || CommState != CommStateIdle) return false;
    ClearCommImage(d_);
    PrepareReadProgress(d_, 0);
    SendProgramCommand();
    return CommMode != CommModeIdle;
}

bool CommEngine::PrepareWrite() {
    return ClaimAndOpen(CommModeWrite);
}

bool CommEngine::BeginWrite() {
    if (CommMode != CommModeWrite || CommState != CommStateIdle) return false;
    ClearCommImage(d_);
    d_.CommDataOK = true;
    SetCommDataByAll(d_);
    PrepareWriteProgress(d_);
    if (!d_.CommDataOK) {
        CancelStart();
        return false;
    }
    DecideFactoryPart();
    SendTransferEntry();
    return CommMode != CommModeIdle;
}

// A factory write carries the test-data block only when one has been
// loaded, read or entered since start-up; otherwise it runs without its
// factory part and says so at the end.
void CommEngine::DecideFactoryPart() {
    factoryPart_ = CommMode == CommModeWrite && d_.FactoryTestMode &&
                   d_.TestDataOrigin != AppData::TestDataSource::None;
    testDataSkipped_ = CommMode == CommModeWrite && d_.FactoryTestMode && !factoryPart_;
}

void CommEngine::CancelStart() {
    TimerOff();
    ClosePort();
    CommMode = CommModeIdle;
    CommState = CommStateIdle;
    awaiting_ = Await::Nothing;
}

bool CommEngine::StartInformationRead() {
    if (!ClaimAndOpen(CommModeInfo)) return false;
    ClearCommImage(d_);
    SendProgramCommand();
    return CommMode != CommModeIdle;
}

// ---- sends -------------------------------------------------------------------------

void CommEngine::SendProgramCommand() { SendEntryFrame(false); }

void CommEngine::SendFactoryModeEntry() { SendEntryFrame(true); }

// A factory write enters with the entry word until both test-data blocks
// are written; everything else with ProgramCommand.
bool CommEngine::FactoryEntryDue() const {
    return CommMode == CommModeWrite && factoryPart_ && !testDataDone_;
}

void CommEngine::SendTransferEntry() { SendEntryFrame(FactoryEntryDue()); }

// Enters programming mode with ProgramCommand, or with the factory entry
// word; opens the port first when it is closed.
void CommEngine::SendEntryFrame(bool factory) {
    if (!p_.Port->IsOpen() && !OpenTransferPort()) {
        if (CommMode != CommModeIdle) FinishComm(false);
        return;
    }
    d_.ProgressPercent = 0;
    CommState = CommStateProgram;
    FactoryEntrySent = factory;
    Send(factory ? BuildFactoryModeEntry() : BuildProgramCommand(), kProgramAckLen,
         Await::ProgramAck);
}

void CommEngine::SendIdentRequest() { Send(BuildIdentRequest(), kIdentReplyLen, Await::Ident); }

void CommEngine::SendPassWordBlockRead() {
    Send(BuildReadRequest(kPassWordBlockAddress, d_.ReadBlockSize), d_.ReadBlockSize + 6,
         Await::PassWord);
}

void CommEngine::SendTestDataReadRequest(int block) {
    awaitAddress_ = 16 * block;
    Send(BuildReadRequest(awaitAddress_, d_.ReadBlockSize), d_.ReadBlockSize + 6, Await::TestData);
}

void CommEngine::SendTestDataWriteBlock(int block) {
    testWriteBlock_ = block;
    const ByteView data(d_.TestDataBuf.data() + 16 * block, static_cast<std::size_t>(d_.WriteBlockSize));
    Send(BuildWriteFrame(16 * block, data), kAckLen, Await::TestWriteAck);
}

void CommEngine::ReadNextBlock() {
    CommAddress += d_.ReadBlockSize;
    if (CommAddress == kSecondPhase) PrepareReadProgress(d_, 1);
    CommAddress = SkipUnusedAddress(d_, CommAddress);
    if (CommAddress > CommEndAddress) {
        EndTransferOK();
        return;
    }
    if (CommMode != CommModeInfo) UpdateCommProgress(d_, p_.Progress);
    blockStarted_ = true;
    Send(BuildReadRequest(CommAddress, d_.ReadBlockSize), d_.ReadBlockSize + 6, Await::BlockData);
}

void CommEngine::ResendReadBlock() {
    if (CommAddress <= kLastBlock)
        Send(BuildReadRequest(CommAddress, d_.ReadBlockSize), d_.ReadBlockSize + 6, Await::BlockData);
    else
        EndTransferOK();
}

void CommEngine::StoreReadBlock(ByteView reply) {
    for (int k = 0; k < d_.ReadBlockSize; ++k) {
        const long a = CommAddress + k;
        if (a >= 0 && a < static_cast<long>(d_.CommData.size()) && 4u + k < reply.size())
            d_.CommData[static_cast<std::size_t>(a)] = reply[4 + k];
    }
}

void CommEngine::WriteNextBlock() {
    CommAddress = SkipUnusedAddress(d_, CommAddress + d_.WriteBlockSize);
    UpdateCommProgress(d_, p_.Progress);
    if (CommAddress > kLastBlock) {
        EndTransferOK();
        return;
    }
    blockStarted_ = true;
    ResendWriteBlock();
}

void CommEngine::ResendWriteBlock() {
    if (CommAddress > kLastBlock) {
        EndTransferOK();
        return;
    }
    const ByteView data(d_.CommData.data() + CommAddress, static_cast<std::size_t>(d_.WriteBlockSize));
    Send(BuildWriteFrame(static_cast<int>(CommAddress), data), kAckLen, Await::BlockAck);
}

// The next image block, or after a restart the block whose reply was
// missing (not advanced and not counted again).
void CommEngine::SendBlockOrResume() {
    const bool write = CommMode == CommModeWrite;
    if (resumeBlock_) {
        resumeBlock_ = false;
        if (write)
            ResendWriteBlock();
        else
            ResendReadBlock();
        return;
    }
    if (write)
        WriteNextBlock();
    else
        ReadNextBlock();
}

void CommEngine::SendEndCommand() { Send(BuildEndCommand(), kAckLen, Await::EndAck); }

void CommEngine::EndTransferOK() {
    CommState = CommStateFinish;
    SendEndCommand();
}

void CommEngine::EndTransferRestart() {
    CommState = CommStateRestart;
    resumeBlock_ = blockStarted_;
    SendEndCommand();
}

void CommEngine::ResetCommRetries() {
    ProgramRetries = kFrameTries;
    IdentRetries = kFrameTries;
    PassWordRetries = kFrameTries;
    std::size_t n = 0;
    switch (CommMode == CommModeSearch ? Search.SearchSavedMode : CommMode) {
        case CommModeWrite: n = static_cast<std::size_t>(15984 / d_.WriteBlockSize + 1); break;
        case CommModeInfo: n = 15; break;
        default: n = static_cast<std::size_t>(16224 / d_.ReadBlockSize + 1); break;
    }
    BlockRetries.assign(n, kFrameTries);
}

// ---- identity --------------------------------------------------------------------

bool CommEngine::CheckRadioIdentity() {
    TimerOff();
    bool result = true;
    const bool modelOK = IsModelMatch(d_.CurModel, d_.RadioModel, CommMode);
    if (!modelOK || !IsSameText(kPcVersion, d_.RadioVersion)) {
        if (modelOK)
            PostText(LangText(d_, d_.Msg.MsgVersionWrong) + "\r\nPC is " + kPcVersion +
                     "\r\nRadio is " + d_.RadioVersion);
        else
            PostText(LangText(d_, d_.Msg.MsgModelWrong) + "\r\nPC is " + GetShowModelName(d_.CurModel) +
                     "\r\nRadio is " + GetShowModelName(d_.RadioModel));
        result = false;
    }
    // A write needs the edited band; a read cannot take a band without a
    // band-range text (index 8 or more).
    if ((CommMode == CommModeWrite && d_.RadioBandIndex != d_.CurBandIndex) ||
        (CommMode == CommModeRead && d_.RadioBandIndex >= 8)) {
        PostText(LangText(d_, d_.Msg.MsgFrequencyWrong), MsgIcon::Warning);
        result = false;
    }
    if (result && CommMode == CommModeWrite) {
        if (d_.RadioKilled) {
            PostText(LangText(d_, d_.Msg.MsgRadioKilled));
            result = false;
        } else if (d_.RadioStunned) {
            PostText(LangText(d_, d_.Msg.MsgRadioStunned));
            result = false;
        }
    }
    return result;
}

// ---- step machine -------------------------------------------------------------

void CommEngine::NextCommStep(int state) {
    TimerOff();
    awaiting_ = Await::Nothing;
    if (state > 0) CommState = state;
    const long m = CommMode;
    const bool transfer = IsTransferMode(m);
    switch (CommState) {
        case CommStateProgram:
            CommState = CommStateIdent;
            if (!transfer) return;
            if (m != CommModeInfo && p_.Progress) p_.Progress->SetProgressValue(0);
            SendIdentRequest();
            return;
        case CommStateIdent:
            CommState = CommStatePassWord;
            if (transfer) SendPassWordBlockRead();
            return;
        case CommStatePassWord:
            if (m == CommModeRead && d_.FactoryTestMode) {
                CommState = CommStateTestRead0;
                SendTestDataReadRequest(0);
            } else if (m == CommModeWrite && d_.FactoryTestMode && FactoryEntrySent) {
                CommState = CommStateTestRead0;
                SendTestDataReadRequest(0);
            } else {
                CommState = CommStateBlocks;
                if (transfer) SendBlockOrResume();
            }
            return;
        case CommStateBlocks:
            if (m == CommModeWrite && FactoryEntrySent) {
                // Both test-data blocks written: programming mode again, for the image.
                testDataDone_ = true;
                CommState = CommStateProgram;
                ResetCommRetries();
                SendProgramCommand();
            } else if (transfer) {
                SendBlockOrResume();
            }
            return;
        case CommStateTestRead0:
            if (m == CommModeRead) {
                CommState = CommStateBlocks;
                SendTestDataReadRequest(1);
            } else if (m == CommModeWrite) {
                CommState = CommStateTestRead1;
                SendTestDataReadRequest(1);
            }
            return;
        case CommStateTestRead1:
            if (m == CommModeWrite) {
                CommState = CommStateTestWrite0;
                SendTestDataWriteBlock(0);
            }
            return;
        case CommStateTestWrite0:
            if (m == CommModeWrite) {
                CommState = CommStateBlocks;
                SendTestDataWriteBlock(1);
            }
            return;
        case CommStateRestart:
            CommState = CommStateProgram;
            // A factory write whose test-data part had not finished enters
            // with the entry word again and repeats it.
            SendTransferEntry();
            return;
        case CommStateFinish:
            FinishComm(true);
            return;
        default: return;
    }
}

// ---- receive dispatch ---------------------------------------------------------

void CommEngine::OnBytesReceived(ByteView bytes) {
    if (CommMode == CommModeIdle || question_ != Question::None || inHandler_ || awaitLen_ == 0)
        return;
    if (awaiting_ == Await::Settle) {
        rx_.clear();  // a second reply to a frame already acknowledged
        return;
    }
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    if (rx_.size() < awaitLen_) return;
    Bytes all;
    all.swap(rx_);
    const std::size_t echo = std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(d_.EchoLen, 0)),
                                                   all.size());
    inHandler_ = true;
    MSComm1_OnComm(ByteView(all).subspan(echo));
    inHandler_ = false;
}

void CommEngine::MSComm1_OnComm(ByteView r) {
    if (CommMode == CommModeSearch) {
        if (IsProgramAck(r) || ParseRadioIdentity(d_, r)) OnSearchReply();
        return;
    }
    // A reply counts only in the state that awaits it.
    switch (awaiting_) {
        case Await::ProgramAck:
            if (IsProgramAck(r)) NextCommStep(-1);
            return;
        case Await::Ident:
            if (ParseRadioIdentity(d_, r)) {
                if (CheckRadioIdentity()) {
                    NextCommStep(-1);
                } else {
                    TimerOff();
                    FinishComm(false);
                }
            }
            return;
        case Await::PassWord:
            if (IsDataFrame(r) && DataFrameAddress(r) == kPassWordBlockAddress &&
                DataFrameLen(r) == d_.ReadBlockSize) {
                if (IsPassWordOK(r, d_.InputPassWord)) {
                    NextCommStep(-1);
                } else {
                    TimerOff();
                    passWordBlock_.assign(r.begin(), r.end());
                    question_ = Question::PassWord;
                    p_.Questions->AskPassWord(d_.InputPassWord);
                }
            }
            return;
        case Await::TestData:
            if (IsTestDataReplyValid(r, awaitAddress_)) {
                if (CommMode == CommModeRead)
                    StoreTestDataReply(r, pendingTestData_);  // taken over when the read ends well
                else
                    StoreTestDataReplyPartial(r, std::span<Byte>(d_.TestDataBuf.data(), 32));
                NextCommStep(-1);
            }
            return;
        case Await::BlockData:
            if (IsReadBlockReply(r, static_cast<int>(CommAddress), d_.ReadBlockSize)) {
                StoreReadBlock(r);
                NextCommStep(-1);
            }
            return;
        case Await::BlockAck:
        case Await::TestWriteAck:
            if (IsAckReply(r)) {
                if (repeatedAfterTimeout_)
                    Settle();
                else
                    NextCommStep(-1);
            } else if (IsResendReply(r)) {
                OnResend();
            }
            return;
        case Await::EndAck:
            if (IsAckReply(r)) NextCommStep(-1);
            return;
        case Await::Settle:
        case Await::Nothing: return;
    }
}

// A write frame sent again after a time-out may be acknowledged once per
// copy; the late reply to one copy must not count for the next frame. One
// reply wait passes, in which anything received is dropped; its tick goes
// on with the next step.
void CommEngine::Settle() {
    TimerOff();
    repeatedAfterTimeout_ = false;
    awaiting_ = Await::Settle;
    rx_.clear();
    TimerOn();
}

// 0x0A: the same frame again at once, without using a try; after five in a
// row the frame counts as unanswered.
void CommEngine::OnResend() {
    TimerOff();
    if (++resendReplies_ >= kMaxResendReplies) {
        TriesUsedUp(awaiting_ == Await::TestWriteAck);
        return;
    }
    if (awaiting_ == Await::TestWriteAck)
        SendTestDataWriteBlock(testWriteBlock_);
    else
        ResendWriteBlock();
}

// ---- time-outs and questions -----------------------------------------------------

void CommEngine::OnReplyTimeout() {
    if (!timerOn_ || question_ != Question::None || inHandler_) return;  // a stale tick
    timerOn_ = false;
    inHandler_ = true;
    WaitTimer_Timer();
    inHandler_ = false;
}

void CommEngine::AskRetry(bool reopen) {
    TimerOff();
    question_ = Question::Retry;
    reopenOnRetry_ = reopen;
    p_.Questions->AskRetry();
}

// The tries of a frame are used up: an information read fails, anything
// else asks (the port closed first where the state wants it).
void CommEngine::TriesUsedUp(bool closePort) {
    if (CommMode == CommModeInfo) {
        FinishComm(false);
        return;
    }
    if (closePort) ClosePort();
    AskRetry(closePort);
}

void CommEngine::WaitTimer_Timer() {
    TimerOff();
    if (CommMode == CommModeSearch) {
        if (CommState == CommStateProgram) {
            if (--ProgramRetries > 0)
                ResendProgramCommand();
            else
                TryNextCommSetting(true);
        } else if (CommState == CommStateIdent) {
            if (--IdentRetries > 0)
                SendIdentRequest();
            else
                TryNextCommSetting(true);
        }
        return;
    }
    if (!IsTransferMode(CommMode)) return;
    if (awaiting_ == Await::Settle) {
        NextCommStep(-1);  // the acknowledged frame's step, unchanged
        return;
    }
    switch (CommState) {
        case CommStateProgram:
            if (--ProgramRetries > 0) {
                if (FactoryEntrySent)
                    SendFactoryModeEntry();
                else
                    SendProgramCommand();
            } else {
                TriesUsedUp(true);
            }
            return;
        case CommStateIdent:
            if (--IdentRetries > 0)
                SendIdentRequest();
            else
                TriesUsedUp(true);
            return;
        case CommStatePassWord:
            if (--PassWordRetries > 0)
                SendPassWordBlockRead();
            else
                TriesUsedUp(false);
            return;
        case CommStateBlocks: {
            if (awaiting_ == Await::TestData || awaiting_ == Await::TestWriteAck) {
                // The second test-data block: no repeat, asked like states 30-32.
                ClosePort();
                AskRetry(true);
                return;
            }
            const int bs = CommMode == CommModeWrite ? d_.WriteBlockSize : d_.ReadBlockSize;
            const long i = (CommAddress - CommStartAddress) / bs;
            if (CommAddress < CommStartAddress || i >= static_cast<long>(BlockRetries.size())) {
                FinishComm(false);
                return;
            }
            if (--BlockRetries[static_cast<std::size_t>(i)] > 0) {
                repeatedAfterTimeout_ = true;
                if (CommMode == CommModeWrite)
                    ResendWriteBlock();
                else
                    ResendReadBlock();
            } else {
                TriesUsedUp(false);
            }
            return;
        }
        case CommStateTestRead0:
        case CommStateTestRead1:
        case CommStateTestWrite0:
            ClosePort();
            AskRetry(true);
            return;
        case CommStateRestart:
            // A radio may ignore END outside programming mode: go on with
            // ProgramCommand; its own tries decide.
            NextCommStep(-1);
            return;
        case CommStateFinish:
            FinishComm(true);  // an unanswered final END still ends well
            return;
        default: return;
    }
}

void CommEngine::OnRetryAnswer(bool retry) {
    if (question_ != Question::Retry) return;
    question_ = Question::None;
    if (!retry) {
        FinishComm(false);
        return;
    }
    if (reopenOnRetry_ && !p_.Port->IsOpen() && !OpenTransferPort()) {
        FinishComm(false);
        return;
    }
    ResetCommRetries();
    EndTransferRestart();
}

void CommEngine::OnPassWordAnswer(bool ok, const std::string& text) {
    if (question_ != Question::PassWord) return;
    question_ = Question::None;
    if (!ok) {
        FinishComm(false);
        return;
    }
    d_.InputPassWord = TrimNullStr(text);
    if (IsPassWordOK(passWordBlock_, d_.InputPassWord)) {
        ResetCommRetries();
        EndTransferRestart();
    } else {
        FinishComm(false);
    }
}

void CommEngine::OnPortLost() {
    if (CommMode == CommModeIdle) return;
    TimerOff();
    if (CommMode == CommModeSearch) {
        // The search passes the setting over and goes on in its order; a
        // device that is gone then fails to open and is skipped.
        ClosePort();
        TryNextCommSetting(true);
        return;
    }
    PortFailed();  // FinishComm closes an open question
}

void CommEngine::CloseOpenQuestion() {
    if (question_ == Question::None) return;
    question_ = Question::None;  // a late answer is ignored
    p_.Questions->CloseQuestion();
}

// ---- the end ------------------------------------------------------------------------

void CommEngine::FinishComm(bool result) {
    const long mode = CommMode;
    CloseOpenQuestion();
    if (p_.Events) p_.Events->CloseProgress();
    TimerOff();
    ClosePort();
    awaiting_ = Await::Nothing;
    awaitLen_ = 0;
    rx_.clear();
    switch (mode) {
        case CommModeRead:
            if (!result) {
                Post(commtext::ReadFailed);
                break;
            }
            AdoptReadData(d_, d_.RadioModel, d_.RadioBandText, d_.RadioBandIndex);
            d_.IsUntitled = true;
            d_.DataFilePath = "new.dat";
            if (d_.FactoryTestMode) {
                std::copy(pendingTestData_.begin(), pendingTestData_.end(), d_.TestDataBuf.begin());
                d_.TestDataOrigin = AppData::TestDataSource::Read;
            }
            CopyWorkDataToFileCopy(d_);
            d_.Ui.View->LoadShowByModel();
            d_.Ui.View->ReShowListByData(d_.ShowListType);
            d_.Ui.View->ReShowRadioListByData();
            d_.Ui.View->ReShowAMListByData();
            Post(commtext::ReadOK);
            break;
        case CommModeWrite:
            if (!result) {
                Post(commtext::WriteFailed);
            } else if (testDataSkipped_) {
                PostText(Text(commtext::WriteOK) + "\n" + LangText(d_, kTestDataNotWrittenText));
            } else {
                Post(commtext::WriteOK);
            }
            break;
        case CommModeInfo:
            if (!result) {
                Post(commtext::InfoFailed);
                break;
            }
            GetInfoDataFromComm(d_);
            if (p_.Events) p_.Events->ShowInformation();
            break;
        default: break;
    }
    CommState = CommStateIdle;
    CommMode = CommModeIdle;
    if (p_.Events) p_.Events->TransferEnded(mode, result);
}

}  // namespace rp
