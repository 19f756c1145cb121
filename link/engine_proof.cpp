// A write's proof: the count of the bytes the radio may still send, the
// check read of a block acknowledged in doubt, and the check pass that
// reads back every block written before END (see engine.h).
#include <algorithm>

#include "link/engine.h"
#include "link/image.h"
#include "link/skiplist.h"

namespace rp {

// Bytes taken from the line as a reply. More than the frames since the last
// settled count may bring cannot be placed: one of them may have passed for
// an acknowledgement taken since then.
void CommEngine::Spend(std::size_t bytes) {
    if (bytes == 0) return;
    owedBytes_ -= static_cast<long>(bytes);
    if (owedBytes_ >= 0) return;
    owedBytes_ = 0;
    if (commMode_ == CommModeWrite && ackedSinceSettle_) proofAll_ = true;
}

// Bytes dropped unused: counted as above, and the frame awaited no longer
// got its reply alone on the line.
void CommEngine::Drop(std::size_t bytes) {
    if (bytes == 0) return;
    frameDirty_ = true;
    Spend(bytes);
}

// A reply that names its frame has come: the radio answers in order, so
// whatever it owed for the frames before has come or is lost. Only the
// other copies of this frame may still answer. Fewer bytes still due than
// those copies could bring means more came than the radio sent.
void CommEngine::Settled() {
    const long remaining = static_cast<long>(owed_) * static_cast<long>(awaitLen_);
    if (owedBytes_ < remaining && commMode_ == CommModeWrite && ackedSinceSettle_) proofAll_ = true;
    owedBytes_ = remaining;
    ackedSinceSettle_ = false;
}

// 0x06 to a written block (image, test data, or a block the pass writes
// again).
void CommEngine::OnBlockAck() {
    blockWritten_ = true;
    ackedSinceSettle_ = true;
    // Whatever came with the reply counts before the block does.
    Drop(rx_.size());
    rx_.clear();
    if (check_ == Check::Pass) {
        PassNext(false);
        return;
    }
    writtenSincePass_ = true;
    // Not the one reply of a frame sent once, alone on the line, with
    // nothing else owed: the 06 may be another frame's or a stray.
    const bool doubt = frameDirty_ || owedBytes_ > 0 || copies_ > 1 || recheck_;
    if (doubt) {
        if (awaiting_ == Await::BlockAck) {
            CheckBlock();
            return;
        }
        // A test-data block can be written in the factory entry only: it
        // is read back with the rest before END.
        proofAll_ = true;
    }
    NextCommStep(-1);
}

// ---- the check read of one block ----

void CommEngine::CheckBlock() {
    recheck_ = false;
    check_ = Check::Block;
    checkAddress_ = commAddress_;
    checkTries_ = kFrameTries;
    SendCheckRead();
}

void CommEngine::SendCheckRead() {
    Send(BuildReadRequest(static_cast<int>(checkAddress_), d_.ReadBlockSize), d_.ReadBlockSize + 6,
         Await::CheckData);
}

// What the write sent for a block: the test-data block or the image.
const Byte* CommEngine::Written(long address) const {
    if (address < addr::WriteFirstBlock) return d_.TestDataBuf.data() + address;
    return d_.CommData.data() + address;
}

void CommEngine::OnCheckData(ByteView reply) {
    TimerOff();
    const bool same = std::equal(reply.begin() + 4, reply.begin() + 4 + d_.ReadBlockSize, Written(checkAddress_));
    if (check_ == Check::Pass) {
        PassNext(!same);
        return;
    }
    if (same) {
        check_ = Check::None;
        checkRewrites_ = 0;
        NextCommStep(-1);
        return;
    }
    if (++checkRewrites_ > kFrameTries) {
        TriesUsedUp(false);  // the block cannot be confirmed
        return;
    }
    check_ = Check::None;
    recheck_ = true;  // written again, then read back again
    ResendWriteBlock();
}

void CommEngine::OnCheckTimeout() {
    if (--checkTries_ > 0) {
        if (check_ == Check::Pass)
            PassSend();
        else
            SendCheckRead();
        return;
    }
    TriesUsedUp(false);
}

// ---- the check pass ----

// Every block the write sent, in the order it sent them: the test-data
// blocks of a factory write, then the image blocks the skip list keeps.
std::vector<long> CommEngine::WrittenBlocks() const {
    std::vector<long> blocks;
    if (factoryPart_ && testDataDone_) {
        blocks.push_back(0x0000);
        blocks.push_back(0x0010);
    }
    for (long a = SkipUnusedAddress(d_, commStartAddress_); a <= addr::LastBlock;
         a = SkipUnusedAddress(d_, a + d_.WriteBlockSize))
        blocks.push_back(a);
    return blocks;
}

void CommEngine::StartPass() {
    passDue_ = false;
    proofAll_ = false;  // from here the pass itself proves every block
    check_ = Check::Pass;
    passList_ = WrittenBlocks();
    passAt_ = 0;
    passRewriting_ = false;
    passRound_ = 0;
    differing_.clear();
    unfixable_.clear();
    checkTries_ = kFrameTries;
    d_.BlocksDone = 0;
    d_.BlocksTotal = static_cast<Integer>(passList_.size());
    d_.ProgressPercent = 0;
    if (p_.Progress) {
        p_.Progress->SetProgressChecking(true);
        p_.Progress->SetProgressValue(0);
    }
    if (passList_.empty()) {
        PassDone();
        return;
    }
    PassSend();
}

void CommEngine::PassSend() {
    checkAddress_ = passList_[passAt_];
    if (passRewriting_)
        WriteBlockAt(checkAddress_);
    else
        SendCheckRead();
}

// A block of the pass read back (differs: not what was written) or written
// again. A reading round is followed by writing its different blocks again
// and reading those back, up to kFrameTries rounds; a test-data block can
// be written again only by the factory part, after a retry.
void CommEngine::PassNext(bool differs) {
    TimerOff();
    if (!passRewriting_) {
        if (differs) (checkAddress_ < addr::WriteFirstBlock ? unfixable_ : differing_).push_back(checkAddress_);
        if (passRound_ == 0) UpdateCommProgress(d_, p_.Progress);
    }
    checkTries_ = kFrameTries;
    if (++passAt_ < passList_.size()) {
        PassSend();
        return;
    }
    if (passRewriting_) {
        passRewriting_ = false;
        passAt_ = 0;
        PassSend();
        return;
    }
    if (differing_.empty() && unfixable_.empty()) {
        PassDone();
        return;
    }
    if (differing_.empty() || passRound_ >= kFrameTries) {
        TriesUsedUp(false);  // asked as any failure; Cancel names what is unconfirmed
        return;
    }
    ++passRound_;
    passList_.swap(differing_);
    differing_.clear();
    passAt_ = 0;
    passRewriting_ = true;
    PassSend();
}

void CommEngine::PassDone() {
    check_ = Check::None;
    proofAll_ = false;
    writtenSincePass_ = false;
    passList_.clear();
    EndTransferOK();
}

// END has its answer, or none: a write whose last blocks met bytes it
// could not place goes back into programming mode for its check pass. True
// when it does.
bool CommEngine::FinishWithProof() {
    if (commMode_ != CommModeWrite || !proofAll_ || !writtenSincePass_) return false;
    passDue_ = true;
    ResetCommRetries();
    SendTransferEntry();
    return true;
}

// Blocks written that the write could not confirm, for text 2007.
int CommEngine::Unconfirmed() const {
    switch (check_) {
        case Check::Block: return 1;
        case Check::Pass: {
            const std::size_t left = passRewriting_ ? passList_.size() : passList_.size() - passAt_;
            return static_cast<int>(left + differing_.size() + unfixable_.size());
        }
        case Check::None: break;
    }
    return 0;
}

// Retry after the tries of a check ran out: the block is written and read
// back again, or the pass starts again once programming mode is entered
// (after the factory part again, when a test-data block differed).
void CommEngine::ResumeProofAfterRestart() {
    if (check_ == Check::Block) {
        recheck_ = true;
        checkRewrites_ = 0;
    } else if (check_ == Check::Pass) {
        passDue_ = true;
        if (!unfixable_.empty()) testDataDone_ = false;
    }
    check_ = Check::None;
}

}  // namespace rp
