// Files written for the user: names any stick takes, text valid as UTF-8, and writes that
// replace a file whole or not at all.
#include "scene/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "app/courses.h"
#include "tools/driver/driver.h"

namespace {

namespace fs = std::filesystem;

// --- Names ----------------------------------------------------------------------------------

// What FAT and exFAT refuse in a name.
bool portable(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ' || name.front() == ' ' ||
        name.front() == '.' || name.front() == '-')
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F ||
            std::string_view("/\\:*?\"<>|").find(char(c)) != std::string_view::npos)
            return false;
    return scene::validUtf8(name) == name;
}

TEST(PortableFileName, EveryPageTitleGivesANameAnyStickTakesAndTheTitleStillReads) {
    driver::Session s;
    std::set<std::string> names;
    std::vector<std::string> titles;
    for (const shell::Course& c : app::kCourses)
        for (const shell::Page& page : c.pages) titles.emplace_back(page.title);
    titles.push_back(s.program().form("Utama")->caption());
    for (const std::string& title : titles) {
        const std::string name = scene::portableFileName(title);
        EXPECT_TRUE(portable(name)) << title << " -> " << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), titles.size()) << "two pages would overwrite each other's picture";

    struct Row {
        const char* title;
        const char* name;
    };
    for (const Row& r : {
             Row{"Lesson 9: Space Station and Space Shuttle",
                 "Lesson 9 - Space Station and Space Shuttle"},
             Row{"Lesson 4: How 'heavy' are earth and sun?",
                 "Lesson 4 - How 'heavy' are earth and sun"},
             Row{"Reflection at Circular Mirror", "Reflection at Circular Mirror"},
             Row{"v = 2*pi*r / T in km/s", "v = 2pir - T in km-s"},
             Row{"a \"b\" <c>|d\\e", "a 'b' -c--d-e"},
             Row{"  .Wait... ", "Wait"},
             Row{"tab\there\n", "tab here"},
             Row{"Title:", "Title"},
             Row{"?*:", "Orbelune"},
             Row{"", "Orbelune"},
         })
        EXPECT_EQ(scene::portableFileName(r.title), r.name) << r.title;

    const std::string longName = scene::portableFileName(std::string(300, 'x') + "\xC3\xA9");
    EXPECT_LE(longName.size(), 200u);
    const std::string accents = scene::portableFileName(std::string(199, 'x') + "\xC3\xA9");
    EXPECT_EQ(accents, std::string(199, 'x')) << "a character is never cut in half";
}

TEST(ValidUtf8, IllFormedPartsBecomeOneReplacementEachAsBrowsersDecodeThem) {
    const std::string r = "\xEF\xBF\xBD";
    struct Row {
        std::string in, out;
    };
    for (const Row& row : {
             Row{"plain ascii", "plain ascii"},
             Row{"\xE2\x82\xAC and \xF0\x9F\x98\x80", "\xE2\x82\xAC and \xF0\x9F\x98\x80"},
             Row{"a\xFF"
                 "b",
                 "a" + r + "b"},
             Row{"\xE2\x82x", r + "x"},               // a sequence cut short is one part
             Row{"\xF0\x9F\x98", r},                  // also at the end
             Row{"\xED\xA0\x80", r + r + r},          // a surrogate's bytes
             Row{"\xC0\xAF", r + r},                  // an overlong form
             Row{"\xF4\x90\x80\x80", r + r + r + r},  // past U+10FFFF
             Row{"\x80\xBF", r + r},                  // continuation bytes alone
         })
        EXPECT_EQ(scene::validUtf8(row.in), row.out) << row.in;
}

// --- Writing --------------------------------------------------------------------------------

class FileWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "orbelune-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::set<std::string> entries() {
        std::set<std::string> out;
        for (auto& e : fs::directory_iterator(dir_)) out.insert(e.path().filename().string());
        return out;
    }
    fs::path dir_;
};

TEST_F(FileWriteTest, ANewFileAndAReplacedOneKeepingItsModeAndNothingElseBeside) {
    const fs::path p = dir_ / "a.png";
    std::string error;
    ASSERT_TRUE(scene::writeWholeFile(p.string(), "first", error)) << error;
    EXPECT_EQ(read(p), "first");
    fs::permissions(p, fs::perms(0640));
    ASSERT_TRUE(scene::writeWholeFile(p.string(), "second", error)) << error;
    EXPECT_EQ(read(p), "second");
    EXPECT_EQ(fs::status(p).permissions(), fs::perms(0640));
    // Through a link, the file it points to is replaced and the link stays.
    fs::create_symlink(p, dir_ / "link.png");
    ASSERT_TRUE(scene::writeWholeFile((dir_ / "link.png").string(), "third", error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.png"));
    EXPECT_EQ(read(p), "third");
    EXPECT_EQ(entries(), (std::set<std::string>{"a.png", "link.png"}));
}

TEST_F(FileWriteTest, AFailedWriteSaysWhyAndLeavesTheOldFileAsItWas) {
    const fs::path p = dir_ / "a.wav";
    std::string error;
    ASSERT_TRUE(scene::writeWholeFile(p.string(), "old", error));

    // A file-size limit makes the write itself fail, also for root (a full disk would too).
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = scene::writeWholeFile(p.string(), std::string(10000, 'n'), error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(read(p), "old");
    EXPECT_EQ(entries(), std::set<std::string>{"a.wav"}) << "no temporary file is left";

    struct Row {
        fs::path path;
        const char* why;
    };
    for (const Row& r : {Row{dir_ / "no" / "x.png", "No such file or directory"},
                         Row{dir_, "Is a directory"}, Row{"", "No such file or directory"}}) {
        EXPECT_FALSE(scene::writeWholeFile(r.path.string(), "x", error)) << r.path;
        EXPECT_EQ(error, r.why) << r.path;
    }
    EXPECT_EQ(entries(), std::set<std::string>{"a.wav"});
}

TEST_F(FileWriteTest, ADeviceIsWrittenDirectlyAndAFullDiskIsNamed) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::string error;
    EXPECT_FALSE(scene::writeWholeFile("/dev/full", "x", error));
    EXPECT_EQ(error, "No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_TRUE(scene::writeWholeFile("/dev/null", "x", error)) << error;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
