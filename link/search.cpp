#include "link/search.h"

#include "core/settings.h"
#include "link/codec.h"
#include "link/image.h"
#include "link/ports.h"

namespace rp {

bool IsLink2(ByteView b) { return b.size() >= 3 && b[0] == 'R' && b[1] == 'Z' && b[2] == AckByte; }

LinkTest::LinkTest(AppData& d, Transport& port, ReplyTimer& timer, MessagePort& messages)
    : d_(d), port_(port), timer_(timer), messages_(messages) {
    port_.Connect(this);
    timer_.Connect(this);
}

LinkTest::~LinkTest() {
    port_.Disconnect(this);
    timer_.Disconnect(this);
}

bool LinkTest::initComm2() {
    if (port_.IsOpen()) port_.Close();
    PortSettings s;
    s.Device = d_.ComDevice;
    if (s.Device.empty() || port_.Open(s) != OpenResult::Ok) {
        messages_.Post({CommMsg::LinkOpenFailed, "", MsgIcon::Critical});
        return false;
    }
    return true;
}

void LinkTest::WriteLink2() {
    rx_.clear();
    port_.ClearInput();
    acknowledged_ = false;
    waiting_ = true;
    if (!port_.Write(BuildProgramCommand())) {
        waiting_ = false;
        messages_.Post({CommMsg::LinkNoAnswer, "", MsgIcon::None});
        return;
    }
    timer_.Start(kReplyTimeoutMs);
}

void LinkTest::Run() {
    if (initComm2()) WriteLink2();
}

void LinkTest::Close() {
    timer_.Stop();
    waiting_ = false;
    if (port_.IsOpen()) port_.Close();
}

void LinkTest::OnBytesReceived(ByteView bytes) {
    if (!waiting_) return;
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    if (rx_.size() < 3) return;
    Bytes all;
    all.swap(rx_);
    if (!IsLink2(all)) return;  // any other reply is ignored
    timer_.Stop();
    waiting_ = false;
    acknowledged_ = true;
    d_.FirstRunFlag = false;
}

void LinkTest::OnReplyTimeout() {
    if (!waiting_) return;
    timer_.Stop();
    waiting_ = false;
    messages_.Post({CommMsg::LinkNoAnswer, "", MsgIcon::None});
}

void LinkTest::OnPortLost() {
    if (port_.IsOpen()) port_.Close();
}

bool CommEngine::OpenCommPortWith(const std::string& port, int handshaking, int stopBits) {
    ClosePort();
    PortSettings s;
    s.Device = port;
    s.Handshaking = handshaking;
    s.StopBits = stopBits;
    if (port.empty()) return false;
    portDevice_ = port;
    unpaced_ = false;
    return p_.Port.Open(s) == OpenResult::Ok;
}

void CommEngine::ResendProgramCommand() {
    if (IsTransferMode(commMode_) || commMode_ == CommModeSearch) {
        commState_ = CommStateProgram;
    } else {
        commMode_ = CommModeIdle;
        commState_ = CommStateIdle;
    }
    Send(BuildProgramCommand(), kProgramAckLen, Await::ProgramAck);
}

void CommEngine::RestartProgramCommand() {
    programRetries_ = kFrameTries;
    identRetries_ = kFrameTries;
    ResendProgramCommand();
}

void CommEngine::TryNextCommSetting(bool advance) {
    CommSearchState& s = search_;
    const int count = static_cast<int>(s.SearchPorts.size());
    if (advance) {
        if (++s.SearchHandshaking > 3) {
            s.SearchHandshaking = 0;
            if (++s.SearchStopBit > 2) {
                s.SearchStopBit = 1;
                ++s.SearchPortIndex;
                if (s.SearchPortIndex >= count) {
                    EndCommSearch();
                    return;
                }
                s.SearchPort = s.SearchPorts[static_cast<std::size_t>(s.SearchPortIndex)];
            }
        }
    }
    while (s.SearchPortIndex < count) {
        if (OpenCommPortWith(s.SearchPort, s.SearchHandshaking, s.SearchStopBit)) {
            RestartProgramCommand();
            return;
        }
        if (s.SearchPortIndex + 1 >= count) break;
        ++s.SearchPortIndex;
        s.SearchPort = s.SearchPorts[static_cast<std::size_t>(s.SearchPortIndex)];
        s.SearchHandshaking = 0;
        s.SearchStopBit = 1;
    }
    EndCommSearch();
}

bool CommEngine::IsSearchedRadio() {
    TimerOff();
    if (IsModelMatch(d_.CurModel, d_.RadioModel, commMode_)) return true;
    CommSearchState& s = search_;
    if (!s.SearchFound) {
        s.SearchFound = true;
        s.FoundPort = s.SearchPort;
        s.FoundHandshaking = s.SearchHandshaking;
        s.FoundStopBit = s.SearchStopBit;
    }
    return false;
}

void CommEngine::OnSearchReply() {
    TimerOff();
    if (commMode_ != CommModeSearch) return;
    CommSearchState& s = search_;
    if (commState_ == CommStateProgram) {
        commState_ = CommStateIdent;
        SendIdentRequest();
    } else if (commState_ == CommStateIdent) {
        if (IsSearchedRadio()) {
            commMode_ = s.SearchSavedMode;
            commState_ = CommStateProgram;
            // The transfer gets its three tries per frame again: the
            // search used up those of this setting.
            programRetries_ = kFrameTries;
            identRetries_ = kFrameTries;
            d_.ComDevice = s.SearchPort;
            d_.ComHandshaking = static_cast<Integer>(s.SearchHandshaking);
            d_.ComStopBit = static_cast<Integer>(s.SearchStopBit);
            SaveCommSettings();
            if (p_.Events) p_.Events->SetProgressCaption(s.SearchSavedCaption);
            // A factory write that carries its test data enters again with
            // the entry word, as when it starts without a search.
            if (FactoryEntryDue())
                SendTransferEntry();
            else
                NextCommStep(-1);
        } else {
            TryNextCommSetting(true);
        }
    }
}

void CommEngine::EndCommSearch() {
    CommSearchState& s = search_;
    commMode_ = s.SearchSavedMode;
    if (p_.Events) p_.Events->SetProgressCaption(s.SearchSavedCaption);
    if (s.SearchFound) {
        d_.ComDevice = s.FoundPort;
        d_.ComHandshaking = static_cast<Integer>(s.FoundHandshaking);
        d_.ComStopBit = static_cast<Integer>(s.FoundStopBit);
        commState_ = CommStateProgram;
        programRetries_ = kFrameTries;  // as above: fresh tries for the transfer
        identRetries_ = kFrameTries;
        SaveCommSettings();
        if (OpenCommPortWith(s.FoundPort, s.FoundHandshaking, s.FoundStopBit)) {
            SendTransferEntry();
            return;
        }
        FinishComm(false, EndReason::PortLost);
        return;
    }
    FinishComm(false, EndReason::TimeOut);
}

void CommEngine::SaveCommSettings() {
    SaveComPortChoice(d_, d_.ComDevice);
    WriteSetting(d_, "Handshaking", d_.ComHandshaking);
    WriteSetting(d_, "StopBit", d_.ComStopBit);
}

bool CommEngine::StartCommSearch(long mode, const std::vector<std::string>& ports,
                                 const std::string& progressCaption) {
    if (commMode_ != CommModeIdle || ports.empty() || !IsTransferMode(mode)) return false;
    // The transfer the search runs for, set up as OpenCommPort would, but
    // without opening a port: the search opens its own.
    commMode_ = mode;
    SetUpTransferAddresses();
    TimerOff();
    commState_ = CommStateIdle;
    ClosePort();
    ClearCommImage(d_);
    if (mode == CommModeRead) {
        PrepareReadProgress(d_, 0);
    } else if (mode == CommModeWrite) {
        d_.CommDataOK = true;
        SetCommDataByAll(d_);
        PrepareWriteProgress(d_);
        if (!d_.CommDataOK) {
            commMode_ = CommModeIdle;
            return false;
        }
        DecideFactoryPart();  // the same rule as a write started directly
    }
    ResetCommRetries();
    d_.ProgressPercent = 0;

    CommSearchState& s = search_;
    s = CommSearchState{};
    s.SearchSavedMode = mode;
    s.SearchSavedCaption = progressCaption;
    s.SearchPorts = ports;
    s.SearchPortIndex = 0;
    s.SearchPort = ports.front();
    s.SearchHandshaking = 0;
    s.SearchStopBit = 1;
    s.SearchFound = false;
    commMode_ = CommModeSearch;
    TryNextCommSetting(false);
    return true;
}

}  // namespace rp
