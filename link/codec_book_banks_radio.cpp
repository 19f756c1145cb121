// Communication book, banks, FM broadcast list.
#include "core/commbook.h"
#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

namespace {
constexpr int kBookEntries = 128;
constexpr int kCallIDBytes = 5;
constexpr int kBookNameBytes = 6;
constexpr int kBookNameSlot = 8;
constexpr int kFMEntries = 100;  // plus the VFO entry 100

Long FMEntryAddress(int i) {
    return i < kFMEntries ? addr::RadioFreList + 4 * i : addr::RadioFreVFO;
}

bool IsMemoryChannel(int v) { return v >= ChMemFirst && v <= ChMemLast; }
}  // namespace

namespace codec {

bool SetRadioFreListToComm(CommBytes& img, const RadioDataRec& w) {
    ImageWriter m(img);
    for (int i = 0; i <= kFMEntries; ++i) {
        const RadioFreRec& r = w.RadioFreData[i];
        if (i < kFMEntries && r.Used == 1) m.SetMapBit(addr::RadioFreUsedMap, i, false);
        if (!m.SetHexDigits(FMEntryAddress(i), FrequencyDigits(r.Fre.Trim(), "FFFFFFFF")))
            return false;
    }
    return true;
}

void GetRadioFreListFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    for (int i = 0; i <= kFMEntries; ++i) {
        RadioFreRec& r = w.RadioFreData[i];
        std::string f = m.HexDigits(FMEntryAddress(i), 4);
        if (!IsDecimalDigits(f)) f = "FFFFFFFF";
        r.Fre.Set(f);
        r.No = static_cast<Integer>(i + 1);
        bool used = f != "FFFFFFFF" && (i == kFMEntries || !m.MapBit(addr::RadioFreUsedMap, i));
        r.Used = used ? 1 : 0;
    }
}

}  // namespace codec

EncodeStatus SetCommDataByDTMFCommuBook(CommBytes& img, RadioDataRec& w) {
    SortCommBook(w.BookData);
    ImageWriter m(img);
    for (int i = 0; i < kBookEntries; ++i) {
        const BookDataRec& e = w.BookData[i];
        const Long idAt = addr::BookCallIDs + kCallIDBytes * i;
        std::string id = e.CallID.Trim();
        if (!IsDecimalDigits(id)) id.clear();
        for (int k = 0; k < kCallIDBytes; ++k)
            m.SetU8(idAt + k, k < static_cast<int>(id.size()) ? static_cast<Byte>(id[k]) : 0x00);
        std::string n = e.Name.Trim();
        const Long nameAt = addr::BookNames + kBookNameSlot * i;
        for (int k = 0; k < kBookNameBytes; ++k)
            m.SetU8(nameAt + k, k < static_cast<int>(n.size()) ? static_cast<Byte>(n[k]) : 0x20);
    }
    return EncodeStatus::Ok();
}

void GetDTMFCommuBookFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    for (int i = 0; i < kBookEntries; ++i) {
        BookDataRec e;
        e.No = static_cast<Integer>(i);
        std::string id;
        for (int k = 0; k < kCallIDBytes; ++k) {
            Byte b = m.U8(addr::BookCallIDs + kCallIDBytes * i + k);
            if (b < '0' || b > '9') break;
            id.push_back(static_cast<char>(b));
        }
        codec::StoreText(e.CallID, id);
        std::string n = m.RawChars(addr::BookNames + kBookNameSlot * i, kBookNameBytes);
        std::size_t ff = n.find('\xFF');
        if (ff != std::string::npos) n.resize(ff);
        codec::StoreText(e.Name, TrimNullStr(n));
        w.BookData[i] = e;
    }
}

void SetCommDataByGroup(CommBytes& img, RadioDataRec& w) {
    ImageWriter m(img);
    for (int b = 1; b <= kBankCount; ++b) {
        int to = 1;
        for (int s = 1; s <= kBankSlots; ++s) {
            Integer v = w.BankCH(s, b);
            if (IsMemoryChannel(v)) w.BankCH(to++, b) = v;
        }
        for (; to <= kBankSlots; ++to) w.BankCH(to, b) = 0;
        for (int s = 1; s <= kBankSlots; ++s)
            m.SetU8(addr::BankImage + kBankSlots * (b - 1) + (s - 1),
                    static_cast<Byte>(w.BankCH(s, b)));
    }
}

void GetGroupDataFromComm(const CommBytes& img, RadioDataRec& w) {
    ImageReader m(img);
    w.BankCH = BankTable{};
    for (int b = 1; b <= kBankCount; ++b) {
        for (int s = 1; s <= kBankSlots; ++s) {
            Byte v = m.U8(addr::BankImage + kBankSlots * (b - 1) + (s - 1));
            if (!IsMemoryChannel(v)) break;
            w.BankCH(s, b) = v;
        }
    }
}

}  // namespace rp
