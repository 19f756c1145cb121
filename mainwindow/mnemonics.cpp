#include "mainwindow/mnemonics.h"

#include <set>

namespace rp {

namespace {

bool IsLatinLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsKeyChar(char c) { return IsLatinLetter(c) || (c >= '0' && c <= '9'); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Positions of `text` that may carry the mnemonic, in order of preference:
// the first character of each word, then every other letter or digit.
std::vector<std::size_t> Candidates(const std::string& text) {
    std::vector<std::size_t> starts, rest;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsKeyChar(text[i])) continue;
        const bool wordStart = i == 0 || !IsKeyChar(text[i - 1]);
        (wordStart ? starts : rest).push_back(i);
    }
    starts.insert(starts.end(), rest.begin(), rest.end());
    return starts;
}

std::string Escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

bool HasLatinLetter(const std::string& s) {
    for (char c : s)
        if (IsLatinLetter(c)) return true;
    return false;
}

}  // namespace

std::vector<std::string> WithMnemonics(const std::vector<MnemonicCaption>& items) {
    std::set<char> taken;
    std::vector<std::string> out;
    out.reserve(items.size());
    for (const MnemonicCaption& item : items) {
        const std::string& text = item.caption;
        if (text.empty()) {
            out.emplace_back();
            continue;
        }
        std::string result;
        if (HasLatinLetter(text)) {
            for (std::size_t i : Candidates(text)) {
                if (taken.count(Upper(text[i]))) continue;
                taken.insert(Upper(text[i]));
                result = Escaped(text.substr(0, i)) + "&" + Escaped(text.substr(i));
                break;
            }
        }
        if (result.empty()) {
            // Appended: the hint's letters, else the first free letter.
            char key = 0;
            for (std::size_t i : Candidates(item.hint)) {
                if (!taken.count(Upper(item.hint[i]))) {
                    key = Upper(item.hint[i]);
                    break;
                }
            }
            for (char c = 'A'; !key && c <= 'Z'; ++c)
                if (!taken.count(c)) key = c;
            if (key) {
                taken.insert(key);
                std::string body = text, tail;
                if (body.size() >= 3 && body.compare(body.size() - 3, 3, "...") == 0) {
                    tail = "...";
                    body.resize(body.size() - 3);
                }
                result = Escaped(body) + "(&" + std::string(1, key) + ")" + tail;
            } else {
                result = Escaped(text);
            }
        }
        out.push_back(std::move(result));
    }
    return out;
}

}  // namespace rp
