// The engine's receiving side: replies taken from the bytes that arrive,
// the step they drive, the reply time-out, the retry and password answers
// and a lost port.
#include "link/engine.h"

#include <algorithm>
#include <limits>

#include "core/datafiles.h"
#include "core/fixedtext.h"
#include "core/models.h"
#include "link/codec.h"
#include "link/image.h"

namespace rp {
// ---- receive dispatch ---------------------------------------------------------

void CommEngine::OnBytesReceived(ByteView bytes) {
    if (commMode_ == CommModeIdle || inHandler_) return;
    if (question_ != Question::None || awaitLen_ == 0) {
        Drop(bytes.size());
        return;
    }
    const double now = p_.Timer.NowMs();
    if (now < acceptFrom_) {
        // Before the frame can have crossed a paced line: left over from
        // before, unless these bytes prove the line carries bytes at once.
        early_.insert(early_.end(), bytes.begin(), bytes.end());
        if (!ProvesUnpaced(early_, now)) {
            if (early_.size() > 2 * awaitLen_) {
                const std::size_t drop = early_.size() - awaitLen_;
                Drop(drop);
                early_.erase(early_.begin(), early_.begin() + static_cast<std::ptrdiff_t>(drop));
            }
            return;
        }
        unpaced_ = true;
        rx_.swap(early_);
        early_.clear();
    } else {
        Drop(early_.size());
        early_.clear();
        rx_.insert(rx_.end(), bytes.begin(), bytes.end());
        if (!unpaced_ && ProvesUnpaced(rx_, now)) unpaced_ = true;
    }
    inHandler_ = true;
    TakeReplies();
    inHandler_ = false;
}

// Whether a window of the awaited length is a whole reply of this kind
// (without the echo). Nothing is changed.
bool CommEngine::Fits(Await what, ByteView r) const {
    switch (what) {
        case Await::ProgramAck: return IsProgramAck(r);
        case Await::Ident: return r.size() == static_cast<std::size_t>(kIdentReplyLen) && r[0] == 'I' &&
                                  r[r.size() - 1] == AckByte;
        case Await::PassWord: return IsPassWordBlockReply(r, commState_, d_.ReadBlockSize);
        case Await::TestData: return IsTestDataReplyValid(r, awaitAddress_);
        case Await::BlockData: return IsReadBlockReply(r, static_cast<int>(commAddress_), d_.ReadBlockSize);
        case Await::BlockAck:
        case Await::TestWriteAck: return IsAckReply(r) || IsResendReply(r);
        case Await::EndAck: return IsAckReply(r);
        case Await::CheckData: return IsReadBlockReply(r, static_cast<int>(checkAddress_), d_.ReadBlockSize);
        case Await::Nothing: return false;
    }
    return false;
}

// The first whole reply in buf: what comes before it answers nothing.
bool CommEngine::FindReply(const Bytes& buf, Await what, std::size_t& at) const {
    const std::size_t echo = static_cast<std::size_t>(std::max<int>(d_.EchoLen, 0));
    if (awaitLen_ == 0 || awaitLen_ < echo) return false;
    for (std::size_t k = 0; k + awaitLen_ <= buf.size(); ++k) {
        const ByteView w = ByteView(buf).subspan(k + echo, awaitLen_ - echo);
        if (commMode_ == CommModeSearch ? (IsProgramAck(w) || w.size() == static_cast<std::size_t>(kIdentReplyLen))
                                        : Fits(what, w)) {
            at = k;
            return true;
        }
    }
    return false;
}

// Takes the whole replies held, oldest first: each answers the oldest copy
// that owes one. Once a reply has moved the transfer on to a new frame,
// whatever came with it answers nothing and is dropped.
void CommEngine::TakeReplies() {
    while (commMode_ != CommModeIdle && question_ == Question::None && awaitLen_ > 0) {
        std::size_t at = 0;
        if (!FindReply(rx_, awaiting_, at)) {
            // Keep only what may still become the start of a reply.
            if (rx_.size() >= awaitLen_) {
                const std::size_t drop = rx_.size() - (awaitLen_ - 1);
                Drop(drop);
                rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(drop));
            }
            return;
        }
        const auto from = rx_.begin() + static_cast<std::ptrdiff_t>(at);
        const Bytes reply(from, from + static_cast<std::ptrdiff_t>(awaitLen_));
        rx_.erase(rx_.begin(), from + static_cast<std::ptrdiff_t>(awaitLen_));
        Drop(at);  // what came before it answered nothing
        Spend(awaitLen_);
        if (owed_ > 0) --owed_;
        const std::size_t echo = std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(d_.EchoLen, 0)),
                                                       reply.size());
        const ByteView r = ByteView(reply).subspan(echo);
        const unsigned sends = sends_;
        MSComm1_OnComm(r);
        if (sends_ != sends) return;  // the reply sent a frame: the rest came before it
    }
}

void CommEngine::MSComm1_OnComm(ByteView r) {
    if (commMode_ == CommModeSearch) {
        if (IsProgramAck(r) || ParseRadioIdentity(d_, r)) OnSearchReply();
        return;
    }
    // A reply counts only in the state that awaits it.
    switch (awaiting_) {
        case Await::ProgramAck:
            if (IsProgramAck(r)) {
                Settled();
                Advance();
            }
            return;
        case Await::Ident:
            if (ParseRadioIdentity(d_, r)) {
                Settled();
                if (CheckRadioIdentity()) {
                    Advance();
                } else {
                    TimerOff();
                    FinishComm(false, EndReason::IdentityRefused);
                }
            }
            return;
        case Await::PassWord:
            if (IsPassWordBlockReply(r, commState_, d_.ReadBlockSize)) {
                Settled();
                if (IsPassWordOK(r, d_.InputPassWord)) {
                    Advance();
                } else {
                    TimerOff();
                    passWordBlock_.assign(r.begin(), r.end());
                    question_ = Question::PassWord;
                    p_.Questions.AskPassWord(d_.InputPassWord);
                }
            }
            return;
        case Await::TestData:
            if (IsTestDataReplyValid(r, awaitAddress_)) {
                Settled();
                if (commMode_ == CommModeRead)
                    StoreTestDataReply(r, pendingTestData_);  // taken over when the read ends well
                else
                    StoreTestDataReplyPartial(r, std::span<Byte>(d_.TestDataBuf.data(), 32));
                Advance();
            }
            return;
        case Await::BlockData:
            if (IsReadBlockReply(r, static_cast<int>(commAddress_), d_.ReadBlockSize)) {
                Settled();
                StoreReadBlock(r);
                Advance();
            }
            return;
        case Await::BlockAck:
        case Await::TestWriteAck:
            if (IsAckReply(r)) {
                OnBlockAck();
            } else if (IsResendReply(r)) {
                ++resendReplies_;
                OnResend();
            }
            return;
        case Await::EndAck:
            if (IsAckReply(r)) {
                // Whatever came with it counts before the write may end.
                Drop(rx_.size());
                rx_.clear();
                Advance();
            }
            return;
        case Await::CheckData:
            if (IsReadBlockReply(r, static_cast<int>(checkAddress_), d_.ReadBlockSize)) {
                Settled();
                OnCheckData(r);
            }
            return;
        case Await::Nothing: return;
    }
}

// The frame has its answer: on with the transfer at once. Late replies of
// other copies fit no test of the next step and are dropped as they come.
void CommEngine::Advance() { NextCommStep(-1); }

// 0x0A: the same frame again at once, without using a try; after five in a
// row the frame counts as unanswered.
void CommEngine::OnResend() {
    TimerOff();
    if (resendReplies_ >= kMaxResendReplies) {
        TriesUsedUp(awaiting_ == Await::TestWriteAck);
        return;
    }
    if (awaiting_ == Await::TestWriteAck)
        SendTestDataWriteBlock(testWriteBlock_);
    else if (check_ == Check::Pass)
        WriteBlockAt(checkAddress_);
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
    p_.Questions.AskRetry();
}

// The tries of a frame are used up: an information read fails, anything
// else asks (the port closed first where the state wants it).
void CommEngine::TriesUsedUp(bool closePort) {
    if (commMode_ == CommModeInfo) {
        FinishComm(false, EndReason::TimeOut);
        return;
    }
    if (closePort) ClosePort();
    AskRetry(closePort);
}

// A port search's frame went unanswered: again while it has tries, else
// the next port setting.
void CommEngine::OnSearchTimeout() {
    if (commState_ == CommStateProgram) {
        if (--programRetries_ > 0)
            ResendProgramCommand();
        else
            TryNextCommSetting(true);
    } else if (commState_ == CommStateIdent) {
        if (--identRetries_ > 0)
            SendIdentRequest();
        else
            TryNextCommSetting(true);
    }
}

// A block frame went unanswered: the test-data blocks ask at once, any other
// block is sent again while its own tries last.
void CommEngine::OnBlockTimeout() {
    if (awaiting_ == Await::TestData || awaiting_ == Await::TestWriteAck) {
        // The second test-data block: no repeat, asked like states 30-32.
        ClosePort();
        AskRetry(true);
        return;
    }
    const int bs = commMode_ == CommModeWrite ? d_.WriteBlockSize : d_.ReadBlockSize;
    const long i = (commAddress_ - commStartAddress_) / bs;
    if (commAddress_ < commStartAddress_ || i >= static_cast<long>(blockRetries_.size())) {
        FinishComm(false, EndReason::TimeOut);
        return;
    }
    if (--blockRetries_[static_cast<std::size_t>(i)] > 0) {
        if (commMode_ == CommModeWrite)
            ResendWriteBlock();
        else
            ResendReadBlock();
    } else {
        TriesUsedUp(false);
    }
}

void CommEngine::WaitTimer_Timer() {
    TimerOff();
    if (commMode_ == CommModeSearch) {
        OnSearchTimeout();
        return;
    }
    if (!IsTransferMode(commMode_)) return;
    if (check_ != Check::None) {
        OnCheckTimeout();
        return;
    }
    switch (commState_) {
        case CommStateProgram:
            if (--programRetries_ > 0) {
                if (factoryEntrySent_)
                    SendFactoryModeEntry();
                else
                    SendProgramCommand();
            } else {
                TriesUsedUp(true);
            }
            return;
        case CommStateIdent:
            if (--identRetries_ > 0)
                SendIdentRequest();
            else
                TriesUsedUp(true);
            return;
        case CommStatePassWord:
            if (--passWordRetries_ > 0)
                SendPassWordBlockRead();
            else
                TriesUsedUp(false);
            return;
        case CommStateBlocks:
            OnBlockTimeout();
            return;
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
            // An unanswered final END still ends well, unless the write
            // owes its check pass.
            if (!FinishWithProof()) FinishComm(true, EndReason::Success);
            return;
        default: return;
    }
}

void CommEngine::OnRetryAnswer(bool retry) {
    if (question_ != Question::Retry) return;
    question_ = Question::None;
    if (!retry) {
        FinishComm(false, EndReason::Cancelled);
        return;
    }
    if (reopenOnRetry_ && !p_.Port.IsOpen() && !OpenTransferPort()) {
        FinishComm(false, EndReason::PortLost);
        return;
    }
    ResetCommRetries();
    ResumeProofAfterRestart();
    EndTransferRestart();
}

void CommEngine::OnPassWordAnswer(bool ok, const std::string& text) {
    if (question_ != Question::PassWord) return;
    question_ = Question::None;
    if (!ok) {
        FinishComm(false, EndReason::Cancelled);
        return;
    }
    d_.InputPassWord = TrimNullStr(text);
    if (IsPassWordOK(passWordBlock_, d_.InputPassWord)) {
        ResetCommRetries();
        EndTransferRestart();
    } else {
        FinishComm(false, EndReason::PassWord);
    }
}

void CommEngine::OnPortLost() {
    if (commMode_ == CommModeIdle) return;
    TimerOff();
    if (commMode_ == CommModeSearch) {
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
    p_.Questions.CloseQuestion();
}

}  // namespace rp
