// Saving never replaces a user's file by less: a link is followed and kept,
// a file keeps its mode, and what cannot take the text (a read-only file, a
// folder, a device, a pipe) is refused and left as it was.
#include "file_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path fresh_dir(const std::string& name)
{
    const fs::path d = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "file_write" / name;
    fs::remove_all(d);
    fs::create_directories(d);
    return d;
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

mode_t mode_of(const fs::path& p)
{
    struct stat st{};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st.st_mode & 07777;
}

// The names in a folder: a save leaves no temporary file behind.
std::vector<std::string> names_in(const fs::path& d)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(d)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

TEST(FileWrite, NewAndReplacedFilesTakeTheWholeTextAndKeepTheirMode)
{
    const fs::path d = fresh_dir("plain");
    const fs::path fresh = d / "new.spl";
    ASSERT_TRUE(write_file_whole(fresh.string(), " 25  0 0").ok);
    EXPECT_EQ(slurp(fresh), " 25  0 0");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(mode_of(fresh), 0666 & ~mask);

    const fs::path kept = d / "kept.txt";
    put(kept, "an older and longer text of the user");
    ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
    ASSERT_TRUE(write_file_whole(kept.string(), "\n 1\nFerri 1 2").ok);
    EXPECT_EQ(slurp(kept), "\n 1\nFerri 1 2");
    EXPECT_EQ(mode_of(kept), 0640u);
    EXPECT_EQ(names_in(d), (std::vector<std::string>{"kept.txt", "new.spl"}));
}

TEST(FileWrite, ALinkIsFollowedToItsFileAndStaysALink)
{
    const fs::path d = fresh_dir("link");
    fs::create_directories(d / "atlas");
    const fs::path real = d / "atlas" / "steel.spl";
    put(real, "old curves");
    ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
    const fs::path link = d / "steel.spl";
    fs::create_symlink(fs::path("atlas") / "steel.spl", link);   // relative, as users make them

    ASSERT_TRUE(write_file_whole(link.string(), "new curves").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("atlas") / "steel.spl");
    EXPECT_EQ(slurp(real), "new curves");
    EXPECT_EQ(mode_of(real), 0604u);
    EXPECT_EQ(names_in(d / "atlas"), (std::vector<std::string>{"steel.spl"}));

    // A link to a file still to come makes that file; a chain of links too.
    const fs::path dangling = d / "later.txt";
    fs::create_symlink(d / "atlas" / "labels.txt", dangling);
    const fs::path chain = d / "chain.txt";
    fs::create_symlink(dangling, chain);
    ASSERT_TRUE(write_file_whole(chain.string(), "\n 0").ok);
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(slurp(d / "atlas" / "labels.txt"), "\n 0");

    // Links in a circle lead nowhere: refused, nothing made.
    fs::create_symlink(d / "loop_b", d / "loop_a");
    fs::create_symlink(d / "loop_a", d / "loop_b");
    const WriteOutcome loop = write_file_whole((d / "loop_a").string(), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.message.find("loop_a"), std::string::npos) << loop.message;
}

// What must not be replaced is refused with a message naming it, and stays
// exactly what it was.
TEST(FileWrite, ReadOnlyFilesFoldersDevicesAndPipesAreRefusedUntouched)
{
    const fs::path d = fresh_dir("refused");
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::function<void(const fs::path&)> unchanged;
        const char* says;
    };
    const Case cases[] = {
        {"readonly.spl",
         [](const fs::path& p) {
             put(p, "the user's curves");
             ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
         },
         [](const fs::path& p) {
             EXPECT_EQ(slurp(p), "the user's curves");
             EXPECT_EQ(mode_of(p), 0444u);
         },
         "read-only"},
        {"link_to_readonly.spl",
         [&](const fs::path& p) { fs::create_symlink(d / "readonly.spl", p); },
         [&](const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_EQ(slurp(d / "readonly.spl"), "the user's curves");
         },
         "read-only"},
        {"null.spl", [](const fs::path& p) { fs::create_symlink("/dev/null", p); },
         [](const fs::path& p) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_TRUE(fs::is_character_file("/dev/null"));
         },
         "not an ordinary file"},
        {"pipe.txt", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         [](const fs::path& p) { EXPECT_TRUE(fs::is_fifo(p)); }, "not an ordinary file"},
        {"folder.tx_",
         [](const fs::path& p) {
             fs::create_directory(p);
             put(p / "inside", "kept");
         },
         [](const fs::path& p) {
             EXPECT_TRUE(fs::is_directory(p));
             EXPECT_EQ(slurp(p / "inside"), "kept");
         },
         "not an ordinary file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path p = d / c.name;
        c.make(p);
        const WriteOutcome w = write_file_whole(p.string(), "less");
        EXPECT_FALSE(w.ok);
        EXPECT_NE(w.message.find(c.name), std::string::npos) << w.message;
        EXPECT_NE(w.message.find(c.says), std::string::npos) << w.message;
        c.unchanged(p);
    }
    EXPECT_EQ(names_in(d).size(), std::size(cases));   // no temporary file left
}

// A write that cannot be completed (here the file size limit stops it part
// way) leaves the old file whole, not a shortened one.
TEST(FileWrite, AnIncompleteWriteLeavesTheOldFileWhole)
{
    const fs::path d = fresh_dir("incomplete");
    const fs::path p = d / "curves.spl";
    const std::string old(500, 'o');
    put(p, old);

    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteOutcome w = write_file_whole(p.string(), std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.message.find("curves.spl"), std::string::npos) << w.message;
    EXPECT_EQ(slurp(p), old);
    EXPECT_EQ(names_in(d), (std::vector<std::string>{"curves.spl"}));

    const WriteOutcome no_folder = write_file_whole((d / "missing" / "x.txt").string(), "x");
    EXPECT_FALSE(no_folder.ok);
    EXPECT_NE(no_folder.message.find("missing"), std::string::npos);
}
