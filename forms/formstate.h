#pragma once
// The state of a window's controls, kept by control name, so a window's
// rules run and are tested without widgets and the report can read a form
// that was never shown. A Qt shell mirrors this state onto widgets whose
// objectName is the control's name (widgets/binder.h) and turns the user's
// actions into the form's handlers.
//
// An element of a control array is named with "_" and its index:
// Text1_0, Combo1_11; the widget's objectName is the same.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rp {

class FormHost;
class TextGrid;

enum class ControlKind {
    Label,
    TextBox,
    ComboBox,      // a drop-down list; `editable` when the user may type
    ListBox,       // a list; `multiSelect` for check lists
    CheckBox,      // value 0 unchecked, 1 checked, 2 grey
    OptionButton,  // value 1 when chosen
    Button,
    Frame,         // a group box: caption only
    Menu,          // a menu entry; `checked` for a tick
    TabStrip,      // tabs[]
    Toolbar,       // tabs[] are its buttons (tool tip keys in toolTip)
    Grid,          // shown through a TextGrid the form owns
    Picture,
    Progress,      // value 0..max
    Timer,         // enabled = running; interval in `max` (ms)
    Other,
};

// When a text box selects its whole text as the focus comes to it. The form
// declares it per box where it adds the box; the binder alone carries it
// out (widgets/selectonentry.h).
enum class SelectOnEntry {
    Never,
    OnFocus,     // whenever the box takes the focus, whatever brings it (the
                 // form's own moves, a return from a popup or another window)
    OnArrival,   // when the user brings the focus (GotFocus runs), or the
                 // form moves it as the user's Tab would (focusArrives)
    OnCellOpen,  // a grid's floating editor, when it opens over another cell
                 // than before (or again after it was closed)
};

// One tab of a tab strip or one button of a toolbar.
struct TabState {
    std::string name;
    std::string caption;
    std::string tag;      // language key of the caption
    std::string toolTip;  // text, or a key the relabelling replaces
    bool enabled = true;
    bool visible = true;
};

struct ControlState {
    ControlKind kind = ControlKind::Other;
    std::string text;     // caption of labels, buttons, frames, menus, check boxes; text of boxes
    std::string tag;      // language key (the control's Tag)
    std::string toolTip;
    std::string toolTipKey;  // key the tool tip was last relabelled from (kept for later switches)
    std::vector<std::string> items;  // list entries
    std::vector<bool> selected;      // multi-select lists: one flag per entry
    int index = -1;                  // selected entry, -1 none; current tab
    int value = 0;                   // check/option value, progress value
    int max = 0;                     // maximum length of a text box (0 none); progress maximum; timer interval
    bool enabled = true;
    bool visible = true;
    bool locked = false;             // a read-only text box
    bool editable = false;           // a combo box the user may type into
    bool multiSelect = false;
    bool checked = false;            // menu tick
    bool noContextMenu = false;      // a text box hooked by HookTextMenu
    // A text box's input guard (forms/textkeys.h): the printable
    // characters its key filter lets through; set, the box takes no other
    // text by any way (paste, drop, input method). "" = no guard.
    std::string inputChars;
    std::string shortcut;            // menu shortcut ("Ctrl+O")
    SelectOnEntry selectOnEntry = SelectOnEntry::Never;  // a text box's selection as the focus comes
    std::vector<TabState> tabs;

    // The entry the index selects, "" when none.
    std::string SelectedItem() const;
};

class FormState {
public:
    // Adds a control (or returns the one already there, whose kind is kept).
    ControlState& Add(const std::string& name, ControlKind kind);
    bool Has(const std::string& name) const;
    // The named control; throws std::out_of_range for an unknown name, which
    // is an error of the program, never of the user.
    ControlState& operator[](const std::string& name);
    const ControlState& operator[](const std::string& name) const;
    // Control names in the order they were added (the window's control order).
    const std::vector<std::string>& Names() const { return order_; }

    // The window itself.
    std::string caption;
    std::string tag;       // language key of the caption
    std::string fontName;  // "" = the platform's default
    int fontSize = 0;      // points; 0 = default
    bool visible = false;

    // The control holding the keyboard focus ("" = none). The form moves the
    // focus by setting it; the shell follows. A move of the form's own: no
    // LostFocus, no GotFocus, no selection on arrival.
    std::string focus;
    // Set with `focus` by a form that moves the focus as the user's Tab
    // would: the control it comes to counts as arrived at (a box declared
    // OnArrival selects its text). The binder clears it.
    bool focusArrives = false;
    // Set by a key handler: the focus moves on from this control once the
    // typed key is in it. The binder runs the form's FocusOnFrom(control)
    // after the key event (a move of the form's own), and clears it.
    std::string focusAfterKey;

private:
    std::map<std::string, ControlState> controls_;
    std::vector<std::string> order_;
};

// The events a shell passes to its form. Every handler runs to completion;
// the shell then mirrors the form's state onto the widgets.
class Form {
public:
    // A form class names itself once, as its kName ("FrmCHEdit"): it passes
    // it here, and its shell is registered under it (widgets/dialoghost.h).
    explicit Form(std::string name) : name_(std::move(name)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    FormState& State() { return state_; }
    const FormState& State() const { return state_; }
    ControlState& C(const std::string& name) { return state_[name]; }
    const ControlState& C(const std::string& name) const { return state_[name]; }

    // A button, menu entry, option, check box or list pick by the user (the
    // shell has already stored the new index or value in the state).
    virtual void Click(const std::string& control) { (void)control; }
    virtual void DblClick(const std::string& control) { (void)control; }
    // The user changed a text box's or editable combo's text (already stored).
    virtual void Change(const std::string& control) { (void)control; }
    // A typed character (its code, as the key's text gives it); the handler
    // may change it or set it to 0 to swallow the key.
    virtual void KeyPress(const std::string& control, int& keyAscii) {
        (void)control;
        (void)keyAscii;
    }
    // A key pressed, as a virtual-key code (letters upper-case ASCII, digits
    // 48..57, the kKey constants below); shift bit 1 = Shift, 2 = Ctrl, 4 = Alt.
    virtual void KeyDown(const std::string& control, int keyCode, int shift) {
        (void)control;
        (void)keyCode;
        (void)shift;
    }
    virtual void GotFocus(const std::string& control) { (void)control; }
    // The control is losing the focus to `next` ("" when unknown). Return
    // false to refuse: the focus goes back to the control once.
    virtual bool LostFocus(const std::string& control, const std::string& next) {
        (void)control;
        (void)next;
        return true;
    }
    // Moves the focus on from `from` as Tab would (sets State().focus); the
    // binder runs it for a focusAfterKey request. The default moves nothing.
    virtual void FocusOnFrom(const std::string& from) { (void)from; }
    // A timer control fired.
    virtual void Timer(const std::string& control) { (void)control; }
    // A toolbar button (its key) or tab was clicked; the tab strip's index is
    // already stored.
    virtual void ButtonClick(const std::string& control, const std::string& button) {
        (void)control;
        (void)button;
    }
    // The user ticked or cleared entry `item` of a check list (`selected`
    // already stored); Click follows.
    virtual void ItemCheck(const std::string& control, int item) {
        (void)control;
        (void)item;
    }
    // A grid's current cell moved (the grid's row and col already stored).
    virtual void EnterCell(const std::string& control) { (void)control; }
    // The text grid that a Grid control shows; null when the form has none.
    virtual TextGrid* Grid(const std::string& control) {
        (void)control;
        return nullptr;
    }
    // The window's close box or system close; return false to keep it open.
    virtual bool QueryUnload() { return true; }

    // The one way a form unloads: the host that shows the form runs it once
    // the window goes, however it goes (OK, Cancel, Escape, the close box,
    // the program ending, its parent going first: widgets/dialoghost.h), and
    // a report's hidden form as it is dropped. The first call runs
    // Unloading(); any later call (two ways of closing that meet) does
    // nothing. Unload() only asks for the close; this is its end.
    void Closing();
    // Closing() has run.
    bool Closed() const { return closed_; }

protected:
    // The form's unload rules (its Form_Unload): run once, by Closing(),
    // after the handler that unloaded and QueryUnload, before the opener's
    // callback. The window is going: what it changes is not shown.
    virtual void Unloading() {}

public:
    // Sets the controls up before the window shows; the host that shows the
    // form runs it (forms/formhost.h).
    virtual void Form_Load() {}
    // Opens `child` over this form's window through the host; `onClosed`
    // runs after it has closed. Without a host (no window shows this form)
    // nothing opens and `onClosed` never runs.
    void Open(std::unique_ptr<Form> child, std::function<void()> onClosed = {});
    // Set by whoever shows the form (null: nobody).
    void SetHost(FormHost* host) { host_ = host; }

    // Set by a handler that ends the dialog ("the dialog unloads");
    // the shell closes the window after the handler returns.
    bool unloadRequested = false;
    void Unload() { unloadRequested = true; }

private:
    std::string name_;
    FormState state_;
    FormHost* host_ = nullptr;
    bool closed_ = false;
};

// Key codes for KeyDown beyond ASCII. Enter, Backspace and Escape give
// KeyPress the same codes.
inline constexpr int kKeyReturn = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyF2 = 113;
// KeyPress's codes of copy, paste and cut (Ctrl+C, Ctrl+V, Ctrl+X).
inline constexpr int kKeyCtrlC = 3;
inline constexpr int kKeyCtrlV = 22;
inline constexpr int kKeyCtrlX = 24;
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

}  // namespace rp
