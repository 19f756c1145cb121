#pragma once
// The radio's 16,384-byte memory image: its named areas, the preset, and
// typed accessors (bytes, 16-bit values low byte first, packed BCD digits,
// use bit maps, padded texts). The codecs reach the image only through these.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "core/records.h"

namespace rp {

inline constexpr Long kCommDataSize = 16384;
using CommBytes = std::array<Byte, 16384>;
static_assert(sizeof(CommBytes) == sizeof(AppData::CommData));

// Addresses of the image's areas (index = radio memory address).
namespace addr {
inline constexpr Long InfoBlock = 0x0010;          // .. 0x00FF, read only
inline constexpr Long PassWordBlock = 0x0040;      // .. 0x004F
inline constexpr Long InfoBandCode = 0x0019;
inline constexpr Long InfoAreaCode = 0x001B;       // 2 bytes
inline constexpr Long FreUsedMap = 0x0100;         // entries 0..203
inline constexpr Long FreSkipMap = 0x0120;         // entries 0..203
inline constexpr Long PresetSkipMapGMRS = 0x0150;  // entries 0..22
inline constexpr Long PresetSkipMapMURS = 0x0153;  // entries 0..4
inline constexpr Long ChannelPL1 = 0x0180;
inline constexpr Long ChannelPU1 = 0x01A0;
inline constexpr Long ChannelVFO1 = 0x01C0;
inline constexpr Long ChannelVFO2 = 0x01E0;
inline constexpr Long OptionImage = 0x0220;        // .. 0x0254
inline constexpr Long RadioFreUsedMap = 0x0260;    // entries 0..99
inline constexpr Long ChannelPL2 = 0x0280;
inline constexpr Long ChannelPU2 = 0x02A0;
inline constexpr Long DTMFSettings = 0x02E0;       // .. 0x02EF
inline constexpr Long DTMFOwnIDCount = 0x02E6;
inline constexpr Long DTMFOwnID = 0x02E7;
inline constexpr Long DTMFKillCode = 0x02F0;       // 7 digit bytes + length
inline constexpr Long DTMFStunCode = 0x02F8;
inline constexpr Long Tone2Settings = 0x0300;      // .. 0x0317
inline constexpr Long Tone5Settings = 0x0320;      // .. 0x0335
inline constexpr Long Tone5OwnID = 0x0325;
inline constexpr Long DTMFBeginCode = 0x0340;      // 12 digit bytes + length
inline constexpr Long DTMFEndCode = 0x0350;
inline constexpr Long Tone5BeginCode = 0x0360;     // 16-byte PTT-ID slot
inline constexpr Long Tone5EndCode = 0x0370;
inline constexpr Long Tone2CodeMap = 0x0380;       // entries 0..31
inline constexpr Long Tone2DecodeMap = 0x0388;     // entries 0..15
inline constexpr Long Tone5CodeMap = 0x0390;       // entries 0..99
inline constexpr Long AlertArea = 0x03A0;          // .. 0x03AC
inline constexpr Long ScanArea = 0x03B0;           // .. 0x03BD
inline constexpr Long PowerOnText = 0x03E0;        // 12 bytes
inline constexpr Long DTMFMemCodes = 0x0400;       // 16 x 16
inline constexpr Long Tone5InfoCodes = 0x0500;     // 8 x 32
inline constexpr Long RadioFreVFO = 0x0600;        // 4 bytes
inline constexpr Long RadioFreList = 0x0610;       // 100 x 4
inline constexpr Long Tone2Encodes = 0x0B00;       // 32 x 16
inline constexpr Long Tone5Codes = 0x0D00;         // 100 x 32
inline constexpr Long BookCallIDs = 0x1980;        // 128 x 5
inline constexpr Long BookNames = 0x1C00;          // 128 x 8
inline constexpr Long MemChannels = 0x2000;        // 200 x 32
inline constexpr Long BankImage = 0x3900;          // 9 x 32
inline constexpr Long Tone2Decodes = 0x3B00;       // 16 x 16
inline constexpr Long GMRSPresets = 0x3C00;        // 23 x 32
inline constexpr Long MURSPresets = 0x3EE0;        // 5 x 32

// First and last block address of each transfer.
inline constexpr Long ReadFirstBlock = 0x0010;
inline constexpr Long MapLastBlock = 0x0390;       // end of a read's first phase
inline constexpr Long ReadSecondPhase = 0x03A0;
inline constexpr Long WriteFirstBlock = 0x0100;
inline constexpr Long LastBlock = 0x3F70;
inline constexpr Long InfoLastBlock = 0x00F0;
inline constexpr Long InfoBlockEnd = 0x00FF;       // upper bound of an information read
}  // namespace addr

inline constexpr Long kFreImageSize = 32;

// Image address of the channel numbered no (1..206); -1 for any other number.
Long ChannelImageAddress(int no);

// Presets the image for a transfer; bytes 0x0000-0x000F keep their value.
void ClearCommImage(CommBytes& img);
void ClearCommImage(AppData& d);

// Read access. Addresses come from the constants above plus bounded
// offsets; an address outside the image throws std::out_of_range.
class ImageReader {
public:
    explicit ImageReader(const CommBytes& b) : r_(&b) {}
    Byte U8(Long a) const;
    std::uint16_t U16(Long a) const;               // low byte first
    std::uint16_t U16BigEndian(Long a) const;      // high byte first
    // count bytes as upper-case hexadecimal digit pairs (packed BCD as text).
    std::string HexDigits(Long a, int count) const;
    // Entry k of the bit map at base: bit k mod 8 of byte base + k / 8.
    bool MapBit(Long base, int k) const;
    // Up to max bytes as characters, stopping before the first 0x00, and
    // before the first 0xFF too when stopAtFF.
    std::string Chars(Long a, int max, bool stopAtFF) const;
    // count bytes as characters, exactly as they are.
    std::string RawChars(Long a, int count) const;

protected:
    // The count bytes from a, both ends checked (std::out_of_range).
    const Byte* Bytes(Long a, int count) const;
    const CommBytes* r_;
};

// Write access.
class ImageWriter : public ImageReader {
public:
    explicit ImageWriter(CommBytes& b) : ImageReader(b), w_(&b) {}
    void SetU8(Long a, Byte v);
    void SetU16(Long a, std::uint16_t v);          // low byte first
    void Fill(Long first, Long last, Byte v);      // inclusive
    // Pairs of hexadecimal digit characters into bytes from a on; false at
    // the first pair that is not hexadecimal (the bytes before it written).
    bool SetHexDigits(Long a, std::string_view pairs);
    void SetMapBit(Long base, int k, bool set);
    // Text into width bytes: an empty text writes width bytes emptyFill,
    // otherwise its first width characters followed by pad bytes.
    void SetPaddedText(Long a, int width, std::string_view t, Byte pad, Byte emptyFill);

private:
    CommBytes* w_;
};

// True when s is one or more of the digits 0-9 and nothing else.
bool IsDecimalDigits(std::string_view s);

}  // namespace rp
