// The drivers that run every area's encoder or decoder in their fixed order,
// and the adoption of the radio's model after a read.
#include <memory>

#include "core/bands.h"
#include "core/models.h"
#include "link/codec.h"

namespace rp {

EncodeStatus SetCommDataByOptionAndSignal(CommBytes& img, RadioDataRec& w) {
    EncodeStatus s = SetCommDataByOption(img, w);
    if (s.ok()) s = SetCommDataBy5Tone(img, w);
    if (s.ok()) s = SetCommDataBy2Tone(img, w);
    if (s.ok()) s = SetCommDataByDTMF(img, w);
    if (s.ok()) s = SetCommDataByDTMFCommuBook(img, w);
    return s;
}

EncodeStatus SetCommDataByAll(CommBytes& img, ImageData& data, std::string_view model,
                              Notifier* warn) {
    SetCommDataByScan(img, data.Work);
    SetCommDataByAlert(img, data.Work);
    EncodeStatus s = SetCommDataByAllFrequency(img, data, model, warn);
    if (!s.ok()) return s;
    s = SetCommDataByOptionAndSignal(img, data.Work);
    SetCommDataByGroup(img, data.Work);  // runs even when the signalling failed
    return s;
}

bool SetCommDataByAll(AppData& d) {
    ImageData data{d.WorkData, d.FreData};
    ClearCommImage(d);
    EncodeStatus s = SetCommDataByAll(d.CommData, data, d.CurModel, d.Ui.Notify);
    d.CommDataOK = s.ok();
    if (!s.ok()) {
        d.Ui.Notify->Show(s.error, MsgIcon::None, MsgButtons::Ok, "");
        return false;
    }
    // The encoders' side effects on the working data.
    d.WorkData.BookData = data.Work.BookData;
    d.WorkData.BankCH = data.Work.BankCH;
    d.WorkData.DTMFData().OwnID = data.Work.DTMFData().OwnID;
    return true;
}

void GetOptionAndSignalFromComm(const CommBytes& img, RadioDataRec& w) {
    GetOptionDataFromComm(img, w);
    Get5ToneDataFromComm(img, w);
    Get2ToneDataFromComm(img, w);
    GetDTMFDataFromComm(img, w);  // keeps ANI and SendTime from the option area
    GetDTMFCommuBookFromComm(img, w);
}

void GetAllDataFromComm(const CommBytes& img, ImageData& data, EmgDataRec& emg,
                        std::string_view model) {
    GetAllFrequencyFromComm(img, data, model);
    GetScanDataFromComm(img, data.Work);
    GetAlertDataFromComm(img, data.Work);
    GetInfoDataFromComm(img, emg);
    GetOptionAndSignalFromComm(img, data.Work);
    GetGroupDataFromComm(img, data.Work);
}

namespace {
struct Decoded {
    ImageData data;
    EmgDataRec emg;
};

// Decodes into copies; nothing in d changes.
std::unique_ptr<Decoded> DecodeCopies(const AppData& d, std::string_view model) {
    // Built in place: the copies are large.
    std::unique_ptr<Decoded> out(new Decoded{ImageData{d.WorkData, d.FreData}, d.EmgData});
    GetAllDataFromComm(d.CommData, out->data, out->emg, model);
    return out;
}

void Commit(AppData& d, Decoded& x) {
    d.WorkData = x.data.Work;
    d.FreData = x.data.Fre;
    d.EmgData = x.emg;
}
}  // namespace

void GetAllDataFromComm(AppData& d, std::string_view radioModel) {
    auto x = DecodeCopies(d, radioModel);
    Commit(d, *x);
}

bool AdoptRadioModel(AppData& d, std::string_view radioModel, std::string_view radioBandText,
                     Integer radioBandIndex) {
    d.CurModel = std::string(radioModel);
    d.CurModelShowName = GetShowModelName(d.CurModel);
    // A band index outside 0..7 would be saved into a data file that no
    // load accepts: the band stays as it was.
    if (radioBandIndex < BandRangeFirst || radioBandIndex > BandRangeLast) return false;
    d.CurBandText = std::string(radioBandText);
    d.CurBandIndex = radioBandIndex;
    return ParseBandRanges(d);
}

bool AdoptReadData(AppData& d, std::string_view radioModel, std::string_view radioBandText,
                   Integer radioBandIndex) {
    auto x = DecodeCopies(d, radioModel);
    bool bandOk = AdoptRadioModel(d, radioModel, radioBandText, radioBandIndex);
    Commit(d, *x);
    return bandOk;
}

}  // namespace rp
