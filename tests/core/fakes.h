#pragma once
// Recording fakes of the window seams for core tests.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/seams.h"

namespace rp::test {

struct ShownMessage {
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
    std::string title;
};

// Records every message box; answers from a script, then with `fallback`.
class RecordingNotifier : public Notifier {
public:
    std::vector<ShownMessage> shown;
    std::deque<MsgAnswer> answers;
    MsgAnswer fallback = MsgAnswer::Ok;

    MsgAnswer Show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::string& title) override {
        shown.push_back({text, icon, buttons, title});
        if (answers.empty()) return fallback;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> v;
        for (const auto& m : shown) v.push_back(m.text);
        return v;
    }
    // Each text up to its first line break (a file error's second line
    // names the file and the reason).
    std::vector<std::string> FirstLines() const {
        std::vector<std::string> v;
        for (const auto& m : shown) v.push_back(m.text.substr(0, m.text.find('\n')));
        return v;
    }
};

// Records the main-window refreshes core asks for.
class RecordingListener : public Listener {
public:
    std::vector<std::string> calls;  // "ReShowListByData", "ReShowGrid", ...
    std::vector<int> listTypes;      // the argument of each ReShowListByData
    void ReShowListByData(int listType) override {
        calls.push_back("ReShowListByData");
        listTypes.push_back(listType);
    }
    void ReShowRadioListByData() override { calls.push_back("ReShowRadioListByData"); }
    void ReShowAMListByData() override { calls.push_back("ReShowAMListByData"); }
    void LoadShowByModel() override { calls.push_back("LoadShowByModel"); }
    void LoadShowTree() override { calls.push_back("LoadShowTree"); }
    void ReShowGrid() override { calls.push_back("ReShowGrid"); }
};

// Records every file chooser shown; answers from a script (nothing =
// cancelled), then cancels.
class ScriptedFileChooser : public FileChooser {
public:
    struct Shown {
        bool save;
        FileChooserRequest request;
    };
    std::vector<Shown> shown;
    std::deque<std::optional<std::string>> answers;

    std::optional<std::string> ChooseOpen(const FileChooserRequest& r) override { return Next(false, r); }
    std::optional<std::string> ChooseSave(const FileChooserRequest& r) override { return Next(true, r); }

private:
    std::optional<std::string> Next(bool save, const FileChooserRequest& r) {
        shown.push_back({save, r});
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Answers language-file texts from a map-like list of (key, text).
class FixedTexts : public TextSource {
public:
    std::vector<std::pair<int, std::string>> entries;
    std::string Text(int key) const override {
        for (const auto& [k, t] : entries)
            if (k == key) return t;
        return "";
    }
};

}  // namespace rp::test
