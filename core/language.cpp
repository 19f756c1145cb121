#include "core/language.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdlib>
#include <optional>

#include "core/paths.h"
#include "core/profile.h"

namespace rp {

// One language file as last read, with what identifies that version of it.
struct LanguageFileCache {
    std::string path;
    bool exists = false;
    off_t size = 0;
    struct timespec mtime {};
    std::optional<ProfileData> data;  // nothing when unreadable
};

namespace {

struct FileStamp {
    bool exists = false;
    off_t size = 0;
    struct timespec mtime {};
};

FileStamp StampOf(const std::string& path) {
    FileStamp s;
    struct stat st {};
    if (!path.empty() && stat(path.c_str(), &st) == 0) {
        s.exists = true;
        s.size = st.st_size;
        s.mtime = st.st_mtim;
    }
    return s;
}

// The parsed current language file, re-read when the path or the file
// changed since the last look-up.
const LanguageFileCache& CurrentFile(AppData& d) {
    std::string path = LanguageFileFullPath(d);
    FileStamp st = StampOf(path);
    const LanguageFileCache* c = d.LanguageCache.get();
    if (c && c->path == path && c->exists == st.exists && c->size == st.size &&
        c->mtime.tv_sec == st.mtime.tv_sec && c->mtime.tv_nsec == st.mtime.tv_nsec)
        return *c;
    auto fresh = std::make_shared<LanguageFileCache>();
    fresh->path = path;
    fresh->exists = st.exists;
    fresh->size = st.size;
    fresh->mtime = st.mtime;
    struct stat info {};
    if (st.exists && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        fresh->data = ProfileData::Load(path);
    d.LanguageCache = fresh;
    return *fresh;
}

std::string Lookup(AppData& d, std::string_view section, std::string_view key, std::size_t buffer) {
    const LanguageFileCache& f = CurrentFile(d);
    if (!f.data) return "";
    return ReadProfileValue(*f.data, section, key, buffer);
}

}  // namespace

std::string LanguageFileFullPath(const AppData& d) {
    if (d.LanguageFilePath.empty()) return "";
    return ShippedPath(d, d.LanguageFilePath);
}

std::string GetLanguageString(AppData& d, int key) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, key);
    return Lookup(d, "OTHER", std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)),
                  kProfileBufferSize);
}

std::string GetLanguageMsgString(AppData& d, std::string_view key) {
    return Lookup(d, "MSG", key, kProfileMsgBufferSize);
}

std::string GetLanguageOptionString(AppData& d, std::string_view key) {
    return Lookup(d, "OPTION", key, kProfileBufferSize);
}

int LanguageIndexFromLocale(std::string_view name) {
    constexpr std::string_view zh = "zh_CN";
    if (name.substr(0, zh.size()) != zh) return LangEnglish;
    std::string_view rest = name.substr(zh.size());
    return (rest.empty() || rest.front() == '.' || rest.front() == '@') ? LangChinese : LangEnglish;
}

std::string LocaleNameFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang})
        if (v && *v) return v;
    return "";
}

std::string SystemLocaleName() {
    return LocaleNameFromEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                     std::getenv("LANG"));
}

int SystemLanguageIndex() { return LanguageIndexFromLocale(SystemLocaleName()); }

void SetLanguageIndex(AppData& d, int index) {
    if (index == LangChinese) {
        d.LanguageIndex = LangChinese;
        d.LanguageFileName = "chinese.ini";
    } else {
        d.LanguageIndex = LangEnglish;
        d.LanguageFileName = "english.ini";
    }
    d.LanguageIndexCopy = d.LanguageIndex;
    d.LanguageFilePath = "/language/" + d.LanguageFileName;
    d.Ui.Language->LanguageChanged(d.LanguageIndex);
}

bool SelectLanguageEntry(AppData& d, int entry) {
    // With no entry selected the list gives -1, which would leave the
    // program without a language; such a choice changes nothing.
    if (entry != 0 && entry != 1) return false;
    SetLanguageIndex(d, entry + 1);
    // The help file would follow here; help is never enabled.
    return true;
}

void InitLanguage(AppData& d) {
    SetLanguageIndex(d, SystemLanguageIndex());
    ReportMissingLanguageFile(d);
}

bool ReportMissingLanguageFile(AppData& d) {
    const LanguageFileCache& f = CurrentFile(d);
    if (f.data) return true;
    if (!d.LanguageFileReported) {
        d.LanguageFileReported = true;
        d.Ui.Notify->Show("The language file " + f.path +
                              " is missing or cannot be read.\nThe program will show no texts.",
                          MsgIcon::Warning, MsgButtons::Ok, "");
    }
    return false;
}

void InitCloseHelpCaptions(AppData& d) {
    d.CloseCaptionText = LangTexts{"", "&Close", "关闭(&C)"};
    d.HelpCaptionText = LangTexts{"", "&Help", "帮助(&H)"};
}

}  // namespace rp
