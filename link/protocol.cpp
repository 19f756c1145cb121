#include "link/protocol.h"

#include "core/bands.h"
#include "core/fixedtext.h"

namespace rp {

bool IsCheckSumOK(ByteView frame, std::size_t first) {
    if (frame.size() < 2 || first + 2 > frame.size()) return false;
    unsigned sum = 0;
    for (std::size_t i = first; i + 2 < frame.size(); ++i) sum += frame[i];
    return static_cast<Byte>(sum & 0xFF) == frame[frame.size() - 2];
}

void SetCheckSum(std::span<Byte> frame, std::size_t first) {
    if (frame.size() < 2 || first + 2 > frame.size()) return;
    unsigned sum = 0;
    for (std::size_t i = first; i + 2 < frame.size(); ++i) sum += frame[i];
    frame[frame.size() - 2] = static_cast<Byte>(sum & 0xFF);
}

Bytes BuildReadRequest(int address, int len) {
    return Bytes{'R', static_cast<Byte>((address >> 8) & 0xFF), static_cast<Byte>(address & 0xFF),
                 static_cast<Byte>(len)};
}

Bytes BuildWriteFrame(int address, ByteView data) {
    Bytes f(data.size() + 6);
    f[0] = 'W';
    f[1] = static_cast<Byte>((address >> 8) & 0xFF);
    f[2] = static_cast<Byte>(address & 0xFF);
    f[3] = static_cast<Byte>(data.size());
    for (std::size_t i = 0; i < data.size(); ++i) f[4 + i] = data[i];
    SetCheckSum(f, 1);
    f[f.size() - 1] = AckByte;
    return f;
}

Bytes BuildProgramCommand() { return Bytes(ProgramCommand.begin(), ProgramCommand.end()); }
Bytes BuildFactoryModeEntry() {
    return Bytes(kFactoryEntryWordPlaceholder.begin(), kFactoryEntryWordPlaceholder.end());
}
Bytes BuildIdentRequest() { return Bytes{IdentRequestByte}; }
Bytes BuildEndCommand() { return Bytes(EndCommand.begin(), EndCommand.end()); }

bool IsProgramAck(ByteView r) {
    return r.size() == 3 && r[0] == 'R' && r[1] == 'Z' && r[2] == AckByte;
}
bool IsAckReply(ByteView r) { return r.size() == 1 && r[0] == AckByte; }
bool IsResendReply(ByteView r) { return r.size() == 1 && r[0] == ResendByte; }

bool IsDataFrame(ByteView r) {
    if (r.size() < static_cast<std::size_t>(kDataFrameLen) || r[0] != 'W') return false;
    if (r.size() != static_cast<std::size_t>(r[3]) + 6) return false;
    if (r.back() != AckByte) return false;
    return IsCheckSumOK(r, 1);
}
int DataFrameAddress(ByteView r) { return r.size() >= 3 ? r[1] * 256 + r[2] : -1; }
int DataFrameLen(ByteView r) { return r.size() >= 4 ? r[3] : -1; }

bool IsExpectedBlock(ByteView r, int commAddress, int blockSize) {
    return DataFrameAddress(r) == commAddress && DataFrameLen(r) == blockSize;
}

bool IsReadBlockReply(ByteView r, int commAddress, int blockSize) {
    return IsDataFrame(r) && IsExpectedBlock(r, commAddress, blockSize);
}

std::string NormalizeModelName(std::string_view text) { return TrimNullStr(text); }

bool IsSameText(std::string_view a, std::string_view b) { return a == b; }

bool IsModelMatch(std::string_view pcModel, std::string_view radioModel, long commMode) {
    const std::string pc = NormalizeModelName(pcModel);
    const std::string radio = NormalizeModelName(radioModel);
    return pc == radio || (commMode != 2 && radio == kBaseModelId);
}

int NormalizeBandByte(Byte b) {
    int v = b;
    if ((v & 0x0F) > 7) v = 0x30;
    if (v > 0x37) v = 0x30;
    return v;
}

bool ParseRadioIdentity(AppData& d, ByteView r) {
    if (r.size() != static_cast<std::size_t>(kIdentReplyLen) || r[0] != 'I' || r[15] != AckByte)
        return false;
    std::string model;
    for (int i = 1; i <= 7; ++i) {
        if (r[i] == 0x00 || r[i] == 0xFF) break;
        model.push_back(static_cast<char>(r[i]));
    }
    d.RadioModel = NormalizeModelName(model);
    const int band = NormalizeBandByte(r[8]);
    d.RadioBandIndex = static_cast<Integer>(band);
    d.RadioBandText = GetFreqRangeText(band);
    std::string version;
    for (int i = 9; i <= 12; ++i)
        if (r[i] != 0x00 && r[i] != 0xFF) version.push_back(static_cast<char>(r[i]));
    d.RadioVersion = version;
    d.RadioKilled = (r[14] & 0x01) != 0;
    d.RadioStunned = (r[14] & 0x02) != 0;
    return true;
}

std::string PassWordOfBlock(ByteView r) {
    std::string pw(4, '\0');
    for (int i = 0; i < 4; ++i) {
        const std::size_t at = 4 + 12 + static_cast<std::size_t>(i);
        if (at >= r.size()) break;
        const Byte b = r[at];
        if (b == 0x00 || b == 0xFF) break;
        pw[i] = static_cast<char>(b);
    }
    return TrimNullStr(pw);
}

bool IsPassWordOK(ByteView r, std::string_view inputPassWord) {
    const std::string radio = PassWordOfBlock(r);
    return radio.empty() || radio == inputPassWord;
}

bool IsPassWordBlockReply(ByteView r, int commState, int blockSize) {
    return commState == CommStatePassWord && IsDataFrame(r) &&
           DataFrameAddress(r) == kPassWordBlockAddress && DataFrameLen(r) == blockSize;
}

bool IsTestDataReplyValid(ByteView r, int requestedAddress) {
    if (requestedAddress != 0x0000 && requestedAddress != 0x0010) return false;
    return IsDataFrame(r) && DataFrameAddress(r) == requestedAddress && DataFrameLen(r) == 16;
}

void StoreTestDataReply(ByteView r, std::span<Byte> block32) {
    const int a = DataFrameAddress(r);
    if (a < 0 || a + 16 > static_cast<int>(block32.size()) || r.size() < 20) return;
    for (int i = a; i < a + 16; ++i) block32[i] = r[4 + (i - a)];
}

void StoreTestDataReplyPartial(ByteView r, std::span<Byte> block32) {
    const int a = DataFrameAddress(r);
    if (a < 0 || a + 16 > static_cast<int>(block32.size()) || r.size() < 20) return;
    for (int i = a; i < a + 16; ++i)
        if (i <= 1 || i >= 17) block32[i] = r[4 + (i - a)];
}

}  // namespace rp
