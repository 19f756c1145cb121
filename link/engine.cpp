#include "link/engine.h"

#include <algorithm>
#include <limits>

#include "core/datafiles.h"
#include "core/fixedtext.h"
#include "core/models.h"
#include "link/codec.h"
#include "link/image.h"

namespace rp {

// ---- messages ------------------------------------------------------------------------

int CommTextKey(CommMsg key) {
    switch (key) {
        case CommMsg::PortError: return commtext::PortError;
        case CommMsg::ReadOK: return commtext::ReadOK;
        case CommMsg::WriteOK: return commtext::WriteOK;
        case CommMsg::ReadFailed: return commtext::ReadFailed;
        case CommMsg::WriteFailed: return commtext::WriteFailed;
        case CommMsg::InfoFailed: return commtext::InfoFailed;
        default: return 0;
    }
}

std::string CommMessageText(const AppData& d, const CommMessage& m) {
    const MessageTexts& t = d.Msg;
    std::string text;
    const char* lineBreak = "\r\n";
    switch (m.Key) {
        case CommMsg::ModelWrong: text = LangText(d, t.MsgModelWrong); break;
        case CommMsg::VersionWrong: text = LangText(d, t.MsgVersionWrong); break;
        case CommMsg::FrequencyWrong: text = LangText(d, t.MsgFrequencyWrong); break;
        case CommMsg::RadioKilled: text = LangText(d, t.MsgRadioKilled); break;
        case CommMsg::RadioStunned: text = LangText(d, t.MsgRadioStunned); break;
        case CommMsg::LinkOpenFailed: text = "Cannot Open Communication Port."; break;
        case CommMsg::LinkNoAnswer: text = "Communication Error!"; break;
        default:
            text = d.Ui.Texts->Text(CommTextKey(m.Key));
            lineBreak = "\n";
            break;
    }
    if (!m.AddedLine.empty()) text += lineBreak + m.AddedLine;
    return text;
}

std::string UnconfirmedLine(const AppData& d, int blocks) {
    if (blocks <= 0) return {};
    return std::to_string(blocks) + (d.LanguageIndex == 1 ? " " : "") + LangText(d, kUnconfirmedText);
}

bool CheckRadioIdentity(const AppData& d, long commMode, std::vector<CommMessage>& refusals) {
    refusals.clear();
    const bool modelOK = IsModelMatch(d.CurModel, d.RadioModel, commMode);
    if (!modelOK)
        refusals.push_back({CommMsg::ModelWrong,
                            "PC is " + GetShowModelName(d.CurModel) + "\r\nRadio is " +
                                GetShowModelName(d.RadioModel)});
    else if (!IsSameText(kPcVersion, d.RadioVersion))
        refusals.push_back(
            {CommMsg::VersionWrong, std::string("PC is ") + kPcVersion + "\r\nRadio is " + d.RadioVersion});
    // A write needs the edited band; a read cannot take a band without a
    // band-range text (index 8 or more).
    if ((commMode == CommModeWrite && d.RadioBandIndex != d.CurBandIndex) ||
        (commMode == CommModeRead && d.RadioBandIndex >= 8))
        refusals.push_back({CommMsg::FrequencyWrong, "", MsgIcon::Warning});
    if (refusals.empty() && commMode == CommModeWrite) {
        if (d.RadioKilled)
            refusals.push_back({CommMsg::RadioKilled, "", MsgIcon::None});
        else if (d.RadioStunned)
            refusals.push_back({CommMsg::RadioStunned, "", MsgIcon::None});
    }
    return refusals.empty();
}

// ---- the engine ---------------------------------------------------------------------

CommEngine::CommEngine(AppData& d, CommPorts ports) : d_(d), p_(ports) {
    p_.Port.Connect(this);
    p_.Timer.Connect(this);
    p_.Questions.Connect(this);
}

CommEngine::~CommEngine() {
    p_.Port.Disconnect(this);
    p_.Timer.Disconnect(this);
    p_.Questions.Disconnect(this);
}

// ---- small helpers ---------------------------------------------------------------

void CommEngine::Post(CommMsg key, std::string addedLine, MsgIcon icon) {
    p_.Messages.Post(CommMessage{key, std::move(addedLine), icon});
}

void CommEngine::TimerOn(int ms) {
    timerOn_ = true;
    p_.Timer.Start(ms);
}

void CommEngine::TimerOff() {
    timerOn_ = false;
    p_.Timer.Stop();
}

void CommEngine::ClosePort() {
    if (p_.Port.IsOpen()) p_.Port.Close();
}

// "<device>: <the system's reason>", the line added to text 2002.
std::string CommEngine::PortFailureLine(const std::string& fallback) const {
    std::string reason = p_.Port.FailureReason();
    if (reason.empty()) reason = fallback;
    if (portDevice_.empty()) return reason;
    return reason.empty() ? portDevice_ : portDevice_ + ": " + reason;
}

void CommEngine::ShowOpenError(OpenResult r) {
    std::string added = PortFailureLine(portDevice_.empty() ? LangText(d_, kNoPortText) : std::string());
    if (r == OpenResult::AccessDenied) added += (added.empty() ? "" : "\n") + LangText(d_, kDialoutText);
    Post(CommMsg::PortError, added);
}

PortSettings CommEngine::TransferSettings() const {
    PortSettings s;
    s.Device = d_.ComDevice;
    return s;  // 9600, 8N1, no flow control
}

// A port that failed under a running transfer: text 2002, then the transfer
// ends as failed with its mode's text.
void CommEngine::PortFailed() {
    if (commMode_ == CommModeIdle) return;
    Post(CommMsg::PortError, PortFailureLine(LangText(d_, kDeviceLostText)));
    if (commMode_ == CommModeSearch) commMode_ = search_.SearchSavedMode;
    FinishComm(false, EndReason::PortLost);
}

// Every send: empty the held bytes and the receive buffer, set the awaited
// length, count the copy, note when a reply may begin to count, write, start
// a fresh reply wait.
bool CommEngine::Send(const Bytes& frame, int replyLen, Await what) {
    d_.EchoLen = d_.NoEcho ? 0 : static_cast<Integer>(frame.size());
    Drop(rx_.size() + early_.size());  // held and never taken: they answered nothing
    rx_.clear();
    early_.clear();
    // The 0x0A count and the copies belong to one frame: a repeat of the
    // same frame (after a time-out or a 0x0A) adds a copy, any other frame
    // starts again. What older frames still owe stays in the byte count.
    if (frame != lastFrame_) {
        resendReplies_ = 0;
        owed_ = 0;
        copies_ = 0;
        frameDirty_ = false;
        lastFrame_ = frame;
    }
    ++owed_;
    ++copies_;
    ++sends_;
    awaiting_ = what;
    awaitLen_ = static_cast<std::size_t>(replyLen + d_.EchoLen);
    owedBytes_ += static_cast<long>(awaitLen_);
    // The first byte of the reply cannot be complete before the frame and
    // that byte have crossed a paced line; anything earlier is left over
    // from before. A whole reply well inside its wire time shows the line is
    // not paced. (An echoing cable, never used, shows the frame itself.)
    const double byteMs = p_.Port.ByteTimeMs();
    const double now = p_.Timer.NowMs();
    constexpr double kNever = -std::numeric_limits<double>::infinity();
    sentAt_ = now;
    acceptFrom_ = RuleOn() ? now + static_cast<double>(frame.size() + 1) * byteMs : kNever;
    provenBy_ = byteMs > 0 && d_.EchoLen == 0
                    ? now + 0.9 * static_cast<double>(frame.size() + static_cast<std::size_t>(replyLen)) * byteMs
                    : kNever;
    const bool ok = p_.Port.IsOpen() && (p_.Port.ClearInput(), p_.Port.Write(frame));
    if (!ok && commMode_ != CommModeSearch) {
        PortFailed();
        return false;
    }
    TimerOn();  // in a search a failed send just waits for its time-out
    return true;
}

bool CommEngine::RuleOn() const { return p_.Port.ByteTimeMs() > 0 && !unpaced_ && d_.EchoLen == 0; }

// Only a reply of several bytes to the one copy of a frame, with nothing
// else owed, can prove it: a lone byte may be a stray, and a second copy's
// reply may be the first's.
bool CommEngine::ProvesUnpaced(const Bytes& held, double now) const {
    if (owed_ != 1 || owedBytes_ != static_cast<long>(awaitLen_) || now >= provenBy_) return false;
    if (awaitLen_ < static_cast<std::size_t>(kProgramAckLen)) return false;
    std::size_t at = 0;
    return FindReply(held, awaiting_, at);
}

// ---- starting a transfer -------------------------------------------------------

void CommEngine::SetUpTransferAddresses() {
    switch (commMode_) {
        case CommModeRead:
            commStartAddress_ = addr::ReadFirstBlock;
            commEndAddress_ = addr::LastBlock;
            commAddress_ = addr::ReadFirstBlock - d_.ReadBlockSize;
            break;
        case CommModeWrite:
            commStartAddress_ = addr::WriteFirstBlock;
            commEndAddress_ = addr::LastBlock;
            commAddress_ = addr::WriteFirstBlock - d_.WriteBlockSize;
            break;
        case CommModeInfo:
            commStartAddress_ = addr::ReadFirstBlock;
            commEndAddress_ = addr::InfoBlockEnd;
            commAddress_ = addr::ReadFirstBlock - d_.ReadBlockSize;
            break;
        default: break;
    }
    blockStarted_ = false;
    resumeBlock_ = false;
    factoryPart_ = false;
    testDataDone_ = false;
    testDataSkipped_ = false;
    blockWritten_ = false;
    resendReplies_ = 0;
    owed_ = 0;
    copies_ = 0;
    owedBytes_ = 0;
    ackedSinceSettle_ = false;
    proofAll_ = false;
    recheck_ = false;
    passDue_ = false;
    writtenSincePass_ = false;
    check_ = Check::None;
    checkRewrites_ = 0;
    passList_.clear();
    differing_.clear();
    unfixable_.clear();
    lastFrame_.clear();
    question_ = Question::None;
    awaiting_ = Await::Nothing;
    awaitLen_ = 0;
    rx_.clear();
    early_.clear();
    std::copy(d_.TestDataBuf.begin(), d_.TestDataBuf.begin() + 32, pendingTestData_.begin());
}

bool CommEngine::OpenCommPort() {
    if (!IsTransferMode(commMode_)) return false;
    SetUpTransferAddresses();
    TimerOff();
    commState_ = CommStateIdle;
    ClosePort();
    ResetCommRetries();
    if (!OpenTransferPort()) return false;
    d_.ProgressPercent = 0;
    return true;
}

bool CommEngine::OpenTransferPort() {
    const PortSettings s = TransferSettings();
    portDevice_ = s.Device;
    unpaced_ = false;  // judged again for every port session
    const OpenResult r = s.Device.empty() ? OpenResult::Failed : p_.Port.Open(s);
    if (r != OpenResult::Ok) ShowOpenError(r);
    return r == OpenResult::Ok;
}

// Takes the engine for a transfer of this mode and opens the port; refused
// while another transfer runs, and the engine is idle again when the port
// cannot be opened.
bool CommEngine::ClaimAndOpen(long mode) {
    if (commMode_ != CommModeIdle) return false;
    commMode_ = mode;
    if (!OpenCommPort()) {
        commMode_ = CommModeIdle;
        return false;
    }
    return true;
}

bool CommEngine::PrepareRead() {
    return ClaimAndOpen(CommModeRead);
}

bool CommEngine::BeginRead() {
    if (commMode_ != CommModeRead || commState_ != CommStateIdle) return false;
    ClearCommImage(d_);
    PrepareReadProgress(d_, 0);
    SendProgramCommand();
    return commMode_ != CommModeIdle;
}

bool CommEngine::PrepareWrite() {
    return ClaimAndOpen(CommModeWrite);
}

bool CommEngine::BeginWrite() {
    if (commMode_ != CommModeWrite || commState_ != CommStateIdle) return false;
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
    return commMode_ != CommModeIdle;
}

// A factory write carries the test-data block only when one has been
// loaded, read or entered since start-up; otherwise it runs without its
// factory part and says so at the end.
void CommEngine::DecideFactoryPart() {
    factoryPart_ = commMode_ == CommModeWrite && d_.FactoryTestMode &&
                   d_.TestDataOrigin != AppData::TestDataSource::None;
    testDataSkipped_ = commMode_ == CommModeWrite && d_.FactoryTestMode && !factoryPart_;
}

void CommEngine::CancelStart() {
    TimerOff();
    ClosePort();
    commMode_ = CommModeIdle;
    commState_ = CommStateIdle;
    awaiting_ = Await::Nothing;
}

bool CommEngine::StartInformationRead() {
    if (!ClaimAndOpen(CommModeInfo)) return false;
    ClearCommImage(d_);
    SendProgramCommand();
    return commMode_ != CommModeIdle;
}

// ---- sends -------------------------------------------------------------------------

void CommEngine::SendProgramCommand() { SendEntryFrame(false); }

void CommEngine::SendFactoryModeEntry() { SendEntryFrame(true); }

// A factory write enters with the entry word until both test-data blocks
// are written; everything else with ProgramCommand.
bool CommEngine::FactoryEntryDue() const {
    return commMode_ == CommModeWrite && factoryPart_ && !testDataDone_;
}

void CommEngine::SendTransferEntry() { SendEntryFrame(FactoryEntryDue()); }

// Enters programming mode with ProgramCommand, or with the factory entry
// word; opens the port first when it is closed.
void CommEngine::SendEntryFrame(bool factory) {
    if (!p_.Port.IsOpen() && !OpenTransferPort()) {
        if (commMode_ != CommModeIdle) FinishComm(false, EndReason::PortLost);
        return;
    }
    d_.ProgressPercent = 0;
    commState_ = CommStateProgram;
    factoryEntrySent_ = factory;
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
    commAddress_ += d_.ReadBlockSize;
    if (commAddress_ == addr::ReadSecondPhase) PrepareReadProgress(d_, 1);
    commAddress_ = SkipUnusedAddress(d_, commAddress_);
    if (commAddress_ > commEndAddress_) {
        EndTransferOK();
        return;
    }
    if (commMode_ != CommModeInfo) UpdateCommProgress(d_, p_.Progress);
    blockStarted_ = true;
    Send(BuildReadRequest(commAddress_, d_.ReadBlockSize), d_.ReadBlockSize + 6, Await::BlockData);
}

void CommEngine::ResendReadBlock() {
    if (commAddress_ <= addr::LastBlock)
        Send(BuildReadRequest(commAddress_, d_.ReadBlockSize), d_.ReadBlockSize + 6, Await::BlockData);
    else
        EndTransferOK();
}

void CommEngine::StoreReadBlock(ByteView reply) {
    for (int k = 0; k < d_.ReadBlockSize; ++k) {
        const long a = commAddress_ + k;
        if (a >= 0 && a < static_cast<long>(d_.CommData.size()) && 4u + k < reply.size())
            d_.CommData[static_cast<std::size_t>(a)] = reply[4 + k];
    }
}

void CommEngine::WriteNextBlock() {
    checkRewrites_ = 0;
    commAddress_ = SkipUnusedAddress(d_, commAddress_ + d_.WriteBlockSize);
    UpdateCommProgress(d_, p_.Progress);
    if (commAddress_ > addr::LastBlock) {
        EndTransferOK();
        return;
    }
    blockStarted_ = true;
    ResendWriteBlock();
}

void CommEngine::ResendWriteBlock() {
    if (commAddress_ > addr::LastBlock) {
        EndTransferOK();
        return;
    }
    WriteBlockAt(commAddress_);
}

void CommEngine::WriteBlockAt(long address) {
    const ByteView data(d_.CommData.data() + address, static_cast<std::size_t>(d_.WriteBlockSize));
    Send(BuildWriteFrame(static_cast<int>(address), data), kAckLen, Await::BlockAck);
}

// The next image block, or after a restart the block whose reply was
// missing (not advanced and not counted again), or a write's check pass.
void CommEngine::SendBlockOrResume() {
    const bool write = commMode_ == CommModeWrite;
    if (write && passDue_) {
        resumeBlock_ = false;
        StartPass();
        return;
    }
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

// Every block sent: END, unless a write owes its check pass first.
void CommEngine::EndTransferOK() {
    if (commMode_ == CommModeWrite && proofAll_ && writtenSincePass_) {
        StartPass();
        return;
    }
    commState_ = CommStateFinish;
    SendEndCommand();
}

void CommEngine::EndTransferRestart() {
    commState_ = CommStateRestart;
    resumeBlock_ = blockStarted_;
    SendEndCommand();
}

void CommEngine::ResetCommRetries() {
    programRetries_ = kFrameTries;
    identRetries_ = kFrameTries;
    passWordRetries_ = kFrameTries;
    std::size_t n = 0;
    switch (commMode_ == CommModeSearch ? search_.SearchSavedMode : commMode_) {
        case CommModeWrite: n = static_cast<std::size_t>(15984 / d_.WriteBlockSize + 1); break;
        case CommModeInfo: n = 15; break;
        default: n = static_cast<std::size_t>(16224 / d_.ReadBlockSize + 1); break;
    }
    blockRetries_.assign(n, kFrameTries);
}

// ---- identity --------------------------------------------------------------------

bool CommEngine::CheckRadioIdentity() {
    TimerOff();
    std::vector<CommMessage> refusals;
    const bool ok = rp::CheckRadioIdentity(d_, commMode_, refusals);
    for (const CommMessage& m : refusals) p_.Messages.Post(m);
    return ok;
}

// ---- step machine -------------------------------------------------------------

void CommEngine::NextCommStep(int state) {
    TimerOff();
    awaiting_ = Await::Nothing;
    if (state > 0) commState_ = state;
    const long m = commMode_;
    const bool transfer = IsTransferMode(m);
    switch (commState_) {
        case CommStateProgram:
            commState_ = CommStateIdent;
            if (!transfer) return;
            if (m != CommModeInfo && p_.Progress) p_.Progress->SetProgressValue(0);
            SendIdentRequest();
            return;
        case CommStateIdent:
            commState_ = CommStatePassWord;
            if (transfer) SendPassWordBlockRead();
            return;
        case CommStatePassWord:
            if (m == CommModeRead && d_.FactoryTestMode) {
                commState_ = CommStateTestRead0;
                SendTestDataReadRequest(0);
            } else if (m == CommModeWrite && d_.FactoryTestMode && factoryEntrySent_) {
                commState_ = CommStateTestRead0;
                SendTestDataReadRequest(0);
            } else {
                commState_ = CommStateBlocks;
                if (transfer) SendBlockOrResume();
            }
            return;
        case CommStateBlocks:
            if (m == CommModeWrite && factoryEntrySent_) {
                // Both test-data blocks written: programming mode again, for the image.
                testDataDone_ = true;
                commState_ = CommStateProgram;
                ResetCommRetries();
                SendProgramCommand();
            } else if (transfer) {
                SendBlockOrResume();
            }
            return;
        case CommStateTestRead0:
            if (m == CommModeRead) {
                commState_ = CommStateBlocks;
                SendTestDataReadRequest(1);
            } else if (m == CommModeWrite) {
                commState_ = CommStateTestRead1;
                SendTestDataReadRequest(1);
            }
            return;
        case CommStateTestRead1:
            if (m == CommModeWrite) {
                commState_ = CommStateTestWrite0;
                SendTestDataWriteBlock(0);
            }
            return;
        case CommStateTestWrite0:
            if (m == CommModeWrite) {
                commState_ = CommStateBlocks;
                SendTestDataWriteBlock(1);
            }
            return;
        case CommStateRestart:
            commState_ = CommStateProgram;
            // A factory write whose test-data part had not finished enters
            // with the entry word again and repeats it.
            SendTransferEntry();
            return;
        case CommStateFinish:
            if (!FinishWithProof()) FinishComm(true, EndReason::Success);
            return;
        default: return;
    }
}

// ---- the end ------------------------------------------------------------------------

// Everything off: question, progress dialog, timer, port, reply wait.
void CommEngine::StopAll() {
    CloseOpenQuestion();
    if (p_.Events) p_.Events->CloseProgress();
    TimerOff();
    ClosePort();
    awaiting_ = Await::Nothing;
    owed_ = 0;
    owedBytes_ = 0;
    awaitLen_ = 0;
    rx_.clear();
    early_.clear();
}

void CommEngine::FinishComm(bool result, EndReason why) {
    const long mode = commMode_;
    StopAll();
    switch (mode) {
        case CommModeRead:
            if (!result) {
                Post(CommMsg::ReadFailed);
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
            Post(CommMsg::ReadOK);
            break;
        case CommModeWrite:
            if (!result) {
                std::string added = UnconfirmedLine(d_, Unconfirmed());
                if (blockWritten_) added += (added.empty() ? "" : "\n") + LangText(d_, kPartlyWrittenText);
                Post(CommMsg::WriteFailed, added);
            } else
                Post(CommMsg::WriteOK, testDataSkipped_ ? LangText(d_, kTestDataNotWrittenText) : std::string());
            break;
        case CommModeInfo:
            if (!result) {
                Post(CommMsg::InfoFailed);
                break;
            }
            GetInfoDataFromComm(d_);
            if (p_.Events) p_.Events->ShowInformation();
            break;
        default: break;
    }
    commState_ = CommStateIdle;
    commMode_ = CommModeIdle;
    if (p_.Events && IsTransferMode(mode)) p_.Events->TransferEnded(TransferEnd{mode, result, why});
}

bool CommEngine::StopInformationRead() {
    if (commMode_ != CommModeInfo) return false;
    StopAll();
    commState_ = CommStateIdle;
    commMode_ = CommModeIdle;
    if (p_.Events) p_.Events->TransferEnded(TransferEnd{CommModeInfo, false, EndReason::Stopped});
    return true;
}

}  // namespace rp
