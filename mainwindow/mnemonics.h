#pragma once
// Keyboard mnemonics for the captions of one menu level (the menu bar, or
// the entries of one menu): each caption gets a letter or digit that no
// earlier caption of the list took. A caption in Latin letters marks one of
// its own, word starts first ("&File", "Save &As..."); any other caption
// gets one appended in brackets, before a trailing "..." ("文件(&F)",
// "另存为(&A)..."), taken from its hint (the English caption) so that both
// languages share the key where they can. A '&' of a caption shows as such.
#include <string>
#include <vector>

namespace rp {

struct MnemonicCaption {
    std::string caption;
    std::string hint;  // the caption in English ("" when none)
};

std::vector<std::string> WithMnemonics(const std::vector<MnemonicCaption>& items);

}  // namespace rp
