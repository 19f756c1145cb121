#pragma once
// Encoders (data model -> memory image) and decoders (image -> data model)
// of every image area, and the drivers that run them in their fixed order.
//
// Encoders work on a copy of the data: a failure leaves the data model as it
// was and is reported once, as the failing encoder's name + "Error". The
// book sort, the bank compaction and the three-digit own DTMF ID are applied
// to the working data only when the whole encode succeeded.
// Decoders fill a copy of the working data, each replacing only the fields
// its area carries; the working data is replaced after the whole image has
// been decoded.
#include <array>
#include <string>
#include <string_view>

#include "core/appdata.h"
#include "core/records.h"
#include "core/seams.h"
#include "link/image.h"

namespace rp {

// The part of the data model that an image carries.
struct ImageData {
    RadioDataRec Work;                          // FreDataCount lives here
    std::array<FreDataRec, kFreDataMax> Fre{};  // the packed channel list
};

// Outcome of an encoder: empty error = success, otherwise the text of its
// failure message, e.g. "SetCommDataByFrequencyError".
struct EncodeStatus {
    std::string error;
    bool ok() const { return error.empty(); }
    static EncodeStatus Ok() { return {}; }
    static EncodeStatus Fail(std::string_view name) { return {std::string(name) + "Error"}; }
};

// The model whose signalling codes 2 and 3 are exchanged in channel byte 16.
inline constexpr std::string_view kSwappedSigModel = "7425USD";

// ---- channels (and the FM broadcast list) ----------------------------------

// Writes the 32 bytes of rec at address. warn (may be null) shows
// "Name is too long!"; the encoding then goes on.
EncodeStatus SetCommDataByFrequency(CommBytes& img, const FreDataRec& rec, Long address,
                                    std::string_view model, Notifier* warn);
// listType 1 (GMRS) or 2 (MURS) decodes a preset over rec and keeps its
// frequencies, No and Used; any other listType decodes a channel and gives
// false (rec and freDataCount unchanged) when the record holds none.
bool GetFrequencyFromComm(const CommBytes& img, Integer listType, Long address, FreDataRec& rec,
                          Integer& freDataCount, std::string_view model);
// Every channel list, their bit maps and the FM broadcast list. A channel
// failure gives "SetCommDataByFrequencyError", an FM one
// "SetCommDataByAllFrequencyError".
EncodeStatus SetCommDataByAllFrequency(CommBytes& img, const ImageData& data,
                                       std::string_view model, Notifier* warn);
// Rebuilds the channel list (from cleared records) and FreDataCount, and
// decodes the preset lists and the FM broadcast list into data.
void GetAllFrequencyFromComm(const CommBytes& img, ImageData& data, std::string_view model);
// The record a decoded channel starts from: a new channel's values for the
// fields the image does not carry.
FreDataRec ClearedChannelRecord(Integer no);

// ---- settings -------------------------------------------------------------------

EncodeStatus SetCommDataByOption(CommBytes& img, const RadioDataRec& w);
void GetOptionDataFromComm(const CommBytes& img, RadioDataRec& w);
void SetCommDataByAlert(CommBytes& img, const RadioDataRec& w);
void GetAlertDataFromComm(const CommBytes& img, RadioDataRec& w);
void SetCommDataByScan(CommBytes& img, const RadioDataRec& w);
void GetScanDataFromComm(const CommBytes& img, RadioDataRec& w);

// ---- DTMF and two-tone ------------------------------------------------------------

// Normalises w.DTMFData().OwnID to three digits (the caller's copy).
EncodeStatus SetCommDataByDTMF(CommBytes& img, RadioDataRec& w);
void GetDTMFDataFromComm(const CommBytes& img, RadioDataRec& w);
EncodeStatus SetCommDataBy2Tone(CommBytes& img, const RadioDataRec& w);
void Get2ToneDataFromComm(const CommBytes& img, RadioDataRec& w);

// ---- book, banks, information -------------------------------------------------------

// Sorts w.BookData (SortCommBook), then writes the book.
EncodeStatus SetCommDataByDTMFCommuBook(CommBytes& img, RadioDataRec& w);
void GetDTMFCommuBookFromComm(const CommBytes& img, RadioDataRec& w);
// Compacts w.BankCH (slots outside 1..200 become 0, gaps closed), then writes it.
void SetCommDataByGroup(CommBytes& img, RadioDataRec& w);
void GetGroupDataFromComm(const CommBytes& img, RadioDataRec& w);
// EmgData from the information block (Version and Model left alone).
void GetInfoDataFromComm(const CommBytes& img, EmgDataRec& emg);
void GetInfoDataFromComm(AppData& d);  // d.EmgData from d.CommData

// ---- five-tone --------------------------------------------------------------------

// Length limits of the five-tone areas.
inline constexpr int kTone5PttIDMaxLen = 24;
inline constexpr int kTone5InfoMaxLen = 12;
inline constexpr int kTone5ListMaxLen = 40;
inline constexpr int kTone5OwnIDMaxLen = 5;

EncodeStatus SetCommDataBy5Tone(CommBytes& img, const RadioDataRec& w);
void Get5ToneDataFromComm(const CommBytes& img, RadioDataRec& w);
// Packers: false on a bad digit or a length that does not fit its slot.
// withName 1 is a list entry (up to 40 digits, name written), 0 a PTT-ID
// slot (up to 24 digits, bytes 16-31 left alone).
bool SetCommDataBy5ToneCode(CommBytes& img, const Tone5InfoCodeRec& rec, Long address);
bool SetCommDataBy5ToneCode2(CommBytes& img, const Tone5CodeRec& rec, Long address,
                             Integer withName);
// Unpackers; a length byte beyond the slot is clamped to it.
void Get5ToneCodeFromComm(const CommBytes& img, Tone5InfoCodeRec& rec, Long address);
void Get5ToneCode2FromComm(const CommBytes& img, Tone5CodeRec& rec, Long address,
                           Integer withName);

// ---- drivers ------------------------------------------------------------------------

// Option, five-tone, two-tone, DTMF, book; the first failure stops the chain.
EncodeStatus SetCommDataByOptionAndSignal(CommBytes& img, RadioDataRec& w);
// Scan, alert, channels; then, if those succeeded, options and signalling
// and the banks (the banks even when the signalling failed). data is the
// caller's copy and receives the side effects. Returns the first failure.
EncodeStatus SetCommDataByAll(CommBytes& img, ImageData& data, std::string_view model,
                              Notifier* warn);
// The write's encode: presets d.CommData, encodes copies of WorkData and
// FreData with d.CurModel, and sets d.CommDataOK. On success the side
// effects go into the working data; on failure one message box
// "<encoder>Error" (OK, no title of its own) and nothing in the data changes.
bool SetCommDataByAll(AppData& d);

void GetOptionAndSignalFromComm(const CommBytes& img, RadioDataRec& w);
// Channels, scan, alert, information, options and signalling, banks.
void GetAllDataFromComm(const CommBytes& img, ImageData& data, EmgDataRec& emg,
                        std::string_view model);
// Decodes d.CommData as a radio of model radioModel reads it into copies and
// then replaces WorkData, FreData and EmgData.
void GetAllDataFromComm(AppData& d, std::string_view radioModel);

// CurModel, CurModelShowName, CurBandText, CurBandIndex from the radio's
// identity, then the band limits. False when the band index is outside 0..7
// (the band then stays as it was) or ParseBandRanges refused the band text
// (the tables keep their values).
bool AdoptRadioModel(AppData& d, std::string_view radioModel, std::string_view radioBandText,
                     Integer radioBandIndex);
// The end of a successful read: decodes d.CommData with the radio's model,
// adopts the radio's model and band, and replaces the working data, all at
// once. Returns AdoptRadioModel's result.
bool AdoptReadData(AppData& d, std::string_view radioModel, std::string_view radioBandText,
                   Integer radioBandIndex);

}  // namespace rp
