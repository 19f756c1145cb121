#include <gtest/gtest.h>

#include <string>

#include "core/models.h"

using namespace rp;

TEST(Models, NamesMapBothWays) {
    struct Row { const char* id; const char* shown; } rows[] = {
        {"KEVRA8R", "KEVRA-8R"},
        {"7425US", "7425UV-A-USA"},
        {"7425USB", "7425UV-B-USA"},
        {"7425USC", "7425UV-C-USA"},
        {"7425USD", "7425UV-D-USA"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(GetShowModelName(r.id), r.shown);
        EXPECT_EQ(GetModelIdByShowName(r.shown), r.id);
        EXPECT_EQ(GetModelIdByShowName(GetShowModelName(r.id)), r.id);
    }
}

TEST(Models, UnknownTextsComeBackTrimmed) {
    struct Case { std::string in; const char* show; const char* id; } cases[] = {
        {"XYZ", "XYZ", "XYZ"},
        {"KEVRA8R   ", "KEVRA-8R", "KEVRA8R"},
        {std::string("7425USD\0 ", 9), "7425UV-D-USA", "7425USD"},
        {"kevra8r", "kevra8r", "kevra8r"},  // case-sensitive
        {"KEVRA-8R  ", "KEVRA-8R", "KEVRA8R"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetShowModelName(c.in), c.show) << c.in;
        EXPECT_EQ(GetModelIdByShowName(c.in), c.id) << c.in;
    }
}

TEST(Models, ChangeCodeIfSameStepsTheLastDigit) {
    struct Case { const char* ref; const char* code; const char* out; bool stepped; } cases[] = {
        {"127", "127", "128", true},
        {"129", "129", "12A", true},
        {"12F", "12F", "120", true},
        {"12a", "12a", "12B", true},
        {"12", "123", "123", false},
        {"", "", "", false},
        {"", "1", "1", false},
        {"1", "", "", false},
    };
    for (const auto& c : cases) {
        std::string code = c.code;
        EXPECT_EQ(ChangeCodeIfSame(c.ref, code), c.stepped) << c.ref << " " << c.code;
        EXPECT_EQ(code, c.out) << c.ref << " " << c.code;
    }
}

TEST(Models, KillAndStunStepAwayFromOwnIdAndEachOther) {
    struct Case { std::string own, kill, stun; const char* kill2; const char* stun2; } cases[] = {
        // kill = own, stun = own stepped once: kill steps onto stun, stun steps on.
        {"123", "123", "124", "124", "125"},
        {"12F", "12F", "555", "120", "555"},
        {"123", "", "", "", ""},
        {"", "123", "123", "123", "124"},
        {"123", "99", "99", "99", "9A"},
        // kill = stun, and stepping stun lands on own: it steps once more.
        {"124", "123", "123", "123", "125"},
        // stun = own and stepping lands on kill: steps once more.
        {"123", "124", "123", "124", "125"},
        {"123  ", "123 ", std::string("456\0 ", 5), "124", "456"},
        {"ABC", "DEF", "777", "DEF", "777"},
    };
    for (const auto& c : cases) {
        std::string kill = c.kill, stun = c.stun;
        SetKillStunCodeDiffer(c.own, kill, stun);
        EXPECT_EQ(kill, c.kill2) << c.own << "/" << c.kill << "/" << c.stun;
        EXPECT_EQ(stun, c.stun2) << c.own << "/" << c.kill << "/" << c.stun;
    }
}

TEST(Models, KillAndStunAlwaysEndDistinct) {
    const char* codes[] = {"", "1", "F", "0", "12", "1F", "10", "11"};
    for (const char* own : codes)
        for (const char* k : codes)
            for (const char* s : codes) {
                std::string kill = k, stun = s;
                SetKillStunCodeDiffer(own, kill, stun);
                std::string o = own;
                const bool distinct = (kill.empty() || kill != o) &&
                                      (stun.empty() || (stun != o && stun != kill));
                EXPECT_TRUE(distinct) << o << "/" << k << "/" << s << " -> " << kill << "/" << stun;
            }
}
