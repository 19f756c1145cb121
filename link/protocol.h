#pragma once
// The bytes that travel between the program and the radio: the frames the
// program sends, the tests that recognise a reply, the block checksum, the
// radio's identity and its password block. Plain functions over byte spans;
// no state of their own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/appdata.h"

namespace rp {

using Bytes = std::vector<Byte>;
using ByteView = std::span<const Byte>;

// ---- transfer mode and state (kept by the transfer engine) -------------------

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

// ---- fixed values of the link ----------------------------------------------

// LEN of every block frame (ReadBlockSize and WriteBlockSize are 16).
inline constexpr int kBlockSize = 16;

inline constexpr Byte AckByte = 0x06;
inline constexpr Byte ResendByte = 0x0A;
inline constexpr Byte IdentRequestByte = 0x02;

inline constexpr std::array<Byte, 7> ProgramCommand = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
inline constexpr std::array<Byte, 3> EndCommand = {'E', 'N', 'D'};

// The factory entry word. Its real bytes are not known to us; this named
// placeholder is what the program sends and what the simulated radio
// accepts. Replace it here (one place) once the real word is supplied.
inline constexpr std::array<Byte, 7> kFactoryEntryWordPlaceholder = {'F', 'A', 'C', 'T', 'E', 'N', 'T'};

// Reply lengths the sender waits for.
inline constexpr int kProgramAckLen = 3;
inline constexpr int kIdentReplyLen = 16;
inline constexpr int kDataFrameLen = kBlockSize + 6;  // 22
inline constexpr int kAckLen = 1;

// The address of the password block and the version every radio must report.
inline constexpr int kPassWordBlockAddress = 0x0040;
inline constexpr const char* kPcVersion = "V101";
inline constexpr const char* kBaseModelId = "KEVRA8R";

// ---- checksum and frame building -------------------------------------------

// Sum of the bytes from `first` up to the third-from-last, mod 256, compared
// with (or stored into) the second-from-last byte. A frame too short to hold
// a checksum fails the test and is left alone by SetCheckSum.
bool IsCheckSumOK(ByteView frame, std::size_t first);
void SetCheckSum(std::span<Byte> frame, std::size_t first);

Bytes BuildReadRequest(int address, int len = kBlockSize);
// "W", AH, AL, LEN, the LEN data bytes, SUM, 06.
Bytes BuildWriteFrame(int address, ByteView data);
Bytes BuildProgramCommand();
Bytes BuildFactoryModeEntry();
Bytes BuildIdentRequest();
Bytes BuildEndCommand();

// ---- reply tests (the reply starts at index 0: the echo is already cut) -----

bool IsProgramAck(ByteView r);
bool IsAckReply(ByteView r);
bool IsResendReply(ByteView r);

// A well-formed DataFrame: "W", at least 22 bytes, exactly LEN + 6 bytes,
// last byte 06, checksum right. Says nothing about address or length.
bool IsDataFrame(ByteView r);
int DataFrameAddress(ByteView r);  // AH * 256 + AL
int DataFrameLen(ByteView r);      // LEN byte

// A DataFrame for `commAddress` with LEN equal to the block size.
bool IsReadBlockReply(ByteView r, int commAddress, int blockSize = kBlockSize);
bool IsExpectedBlock(ByteView r, int commAddress, int blockSize = kBlockSize);

// ---- identity ----------------------------------------------------------------

std::string NormalizeModelName(std::string_view text);
bool IsSameText(std::string_view a, std::string_view b);
// commMode: the transfer's mode (2 = write).
bool IsModelMatch(std::string_view pcModel, std::string_view radioModel, long commMode);

// Fills RadioModel, RadioBandIndex, RadioBandText, RadioVersion, RadioKilled
// and RadioStunned from a 16-byte IdentReply; false (and nothing changed)
// for anything else.
bool ParseRadioIdentity(AppData& d, ByteView r);

// The band byte after the replacement rule.
int NormalizeBandByte(Byte b);

// ---- password block ------------------------------------------------------------

// The radio's password held in data bytes 12..15 of the password block's
// DataFrame ("" when the radio has none).
std::string PassWordOfBlock(ByteView r);
// The reply to the password block request: only while commState is
// CommStatePassWord, a DataFrame for 0x0040 with LEN equal to the block size.
// In any other state a frame for 0x0040 is an ordinary image block.
bool IsPassWordBlockReply(ByteView r, int commState, int blockSize = kBlockSize);
// True when the radio has no password or `inputPassWord` equals it.
bool IsPassWordOK(ByteView r, std::string_view inputPassWord);

// ---- factory test data ---------------------------------------------------------

// A DataFrame of LEN 16 for the test-data address just requested (0x0000 or
// 0x0010); a frame for the other test-data address is not taken.
bool IsTestDataReplyValid(ByteView r, int requestedAddress);
// Copies a test-data reply into a 32-byte block: all 16 bytes, or only the
// radio-owned bytes 0, 1 and 17..31.
void StoreTestDataReply(ByteView r, std::span<Byte> block32);
void StoreTestDataReplyPartial(ByteView r, std::span<Byte> block32);

}  // namespace rp
