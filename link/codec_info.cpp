// The radio's embedded information block (read only).
#include "core/listutils.h"
#include "link/codec.h"
#include "link/codec_util.h"

namespace rp {

namespace {
// A text area: the bytes up to the first 0x00, trimmed, then a NUL when
// shorter than the field (cut to the field).
template <std::size_t N>
void InfoText(const ImageReader& m, Long a, int size, FixedText<N>& f) {
    codec::StoreText(f, TrimNullStr(m.Chars(a, size, false)));
}
}  // namespace

void GetInfoDataFromComm(const CommBytes& img, EmgDataRec& emg) {
    ImageReader m(img);
    emg.BandCode = m.U8(addr::InfoBandCode);
    emg.AreaCode = FormatHexWidth(m.U8(addr::InfoAreaCode), 2, "F") +
                   FormatHexWidth(m.U8(addr::InfoAreaCode + 1), 2, "F");
    InfoText(m, 0x0020, 16, emg.SerialNo);
    InfoText(m, 0x0030, 16, emg.ProductDate);
    InfoText(m, 0x0040, 8, emg.ManufactureCode);
    InfoText(m, 0x0048, 4, emg.UserCode);
    InfoText(m, 0x0050, 16, emg.MaintainDate);
    InfoText(m, 0x0060, 16, emg.DealerCode);
    InfoText(m, 0x0070, 16, emg.StockDate);
    InfoText(m, 0x0080, 16, emg.SellDate);
    InfoText(m, 0x0090, 16, emg.Seller);
    InfoText(m, 0x00A0, 64, emg.MaintainReason);
}

void GetInfoDataFromComm(AppData& d) { GetInfoDataFromComm(d.CommData, d.EmgData); }

}  // namespace rp
