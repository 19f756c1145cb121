#pragma once
// FrmCHEdit, the channel dialog: one record of the memory list (channels 1
// to 206) or of a preset list (GMRS, MURS, weather, by 1-based position)
// edited in full.
//
// The form holds the state of every control by name (its control table is
// channels/frmcheditcontrols.h), hidden ones included, and carries each
// control's Tag ("RX", "TXForbit", "Encode", ...), by which preset records
// lock their fixed fields. Form_Load copies the record into EditFreData and TempBankCH
// from BankCH and shows it; nothing of the radio data changes before OK, so
// the form can be built and loaded without a window and read by name.
//
// OK is split into a pure evaluation over the form state (EvaluateChEditOK:
// refused, deleted, overwritten, appended, with the record and the texts the
// storing rewrites) and the form's commit of that outcome.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/appdata.h"
#include "core/banks.h"
#include "forms/formstate.h"
#include "forms/mainwindowcalls.h"

namespace rp {

inline constexpr const char* kMsgVfoNull = "VFO can't be null!";
// Refusal of an empty RX box on the edge channels PL1 .. PU2.
extern const LangTexts kMsgChannelNull;

// The squelch modes the visible squelch list offers, in its order, for a
// governing tone type set or not and signalling set or not.
std::vector<int> SqlModesFor(bool toneSet, bool signallingSet);

// The PTT-ID code padded with "0" to five characters.
std::string PadPttIdCode(std::string_view code);

// What OK does.
enum class ChEditAction {
    Refused,      // a message, the focus to a box; nothing stored, the dialog stays open
    Closed,       // nothing to store; the dialog closes
    Deleted,      // the emptied memory channel is removed
    Overwritten,  // the record in place (memory or preset) gets `record`
    Appended,     // a new memory channel `record` goes to the end of the store
};

// A record built from the controls, and the texts storing rewrites.
struct ChEditStored {
    FreDataRec record;
    std::string rxText;      // RxFreq: the band-checked RX
    std::string offsetText;  // OffsetFreq: the offset derived from RX and TX
    int offsetDir = 0;       // OffsetDir
    std::string ctcssText;   // OwnCtcss: the own CTCSS tone, checked
};

struct ChEditOutcome {
    ChEditAction action = ChEditAction::Closed;
    int channel = 0;           // channel number, or preset position
    std::string message;       // Refused: the text shown
    std::string focus;         // Refused: the box that takes the focus
    std::string pttIdCode;     // PttIdCode padded (also when refused)
    ChEditStored stored;       // Overwritten, Appended
    BankList banks{};          // memory channels: the ticks of Banks
};

// The record that OK writes over `base`, from the controls: every field the
// dialog edits but those locked for the list kind ShowListType (a preset
// keeps its frequencies, name, step, bandwidth, power, TX inhibit, reverse,
// talk-around, and on the weather list its encode tone and scan skip). The
// band checks warn through the notifier in the order RX, TX, offset; an
// empty TX box means simplex. No, Used, PttIDOn and the reserved fields
// keep base's values.
ChEditStored BuildChEditRecord(AppData& d, const FormState& s, const FreDataRec& base);

// OK over the form state of a loaded dialog, for ShowListType and
// EditChannelNo: checks first (an empty RX box on 201..206, a RX or TX text
// that is not a number), then the record. Changes no data; only the band
// warnings and nothing else are shown.
ChEditOutcome EvaluateChEditOK(AppData& d, const FormState& s);

class FrmCHEdit : public Form {
public:
    static constexpr char kName[] = "FrmCHEdit";
    // `main` redraws the channel's grid row after a storing OK.
    FrmCHEdit(AppData& d, MainWindowCalls& main);

    // ---- opening ----
    void Form_Load() override;
    void ChangShowByLanguage();
    void InitShowList();
    void LoadEditData();
    void ShowEditData();
    // True only while ShowEditData ticks the bank list.
    bool BankListFilling = false;

    // ---- field rules ----
    void SetEnabledByListType();
    void SetControlsByFre();
    void SetControlsByEmptyFre();
    void Text1_Change(int index);
    void Combo1_Click(int index);
    void Check4_Click(int index);
    void ReShowSqlModeList();

    // ---- storing ----
    void CommandOK_Click();
    void CommandCancel_Click();
    // Appends a new memory channel through the store's guard.
    bool AddNewUFreData(const FreDataRec& record);

    // ---- input ----
    void Text1_KeyPress(int index, int& keyAscii);
    void Text2_KeyPress(int& keyAscii);
    void Text3_KeyPress(int& keyAscii);
    void Text3_LostFocus();
    void ListBank_ItemCheck(int item);

    // The Form events, dispatched to the handlers above.
    void Click(const std::string& control) override;
    void ItemCheck(const std::string& control, int item) override;
    void Change(const std::string& control) override;
    void KeyPress(const std::string& control, int& keyAscii) override;
    bool LostFocus(const std::string& control, const std::string& next) override;

    // Moves the focus to the control after `from` in tab order that is
    // visible and enabled, as Tab does.
    void FocusNext(const std::string& from);
    // A name box that took a character asks for this move once the
    // character is in the box (State().focusAfterKey): FocusNext.
    void FocusOnFrom(const std::string& from) override { FocusNext(from); }

    // The last outcome of OK (for the shell and tests).
    const ChEditOutcome& LastOutcome() const { return last_; }

protected:
    // Every close: the text boxes take their context menus back.
    void Unloading() override;

private:
    void AddControls();
    // The parts of ShowEditData, in its order.
    void ShowFrequenciesAndName();
    void ShowChannelLists();
    void ShowSignallingType();
    void ShowTicks();
    void ShowSignallingCode();
    void ShowTone(bool encode);
    void ShowEnabling();
    void SetCodeList(const std::string& name, int value);
    void SelectIndex(const std::string& name, int index);
    void SelectSqlMode(int mode);
    void SetTick(const std::string& name, int value);
    void ShowStoredTexts(const ChEditStored& st);
    void CommitOutcome(const ChEditOutcome& o);

    AppData& d_;
    MainWindowCalls& main_;
    ChEditOutcome last_;
    std::vector<int> sqlModeItems_;  // the squelch mode of each item of SqlModes
};

}  // namespace rp
