// The built program against a hostile setting: streams closed or of the wrong
// kind, its directory taken away or made read-only while it waits. Each run
// ends in a defined way, and nothing is reported done that was not.
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "said.h"

namespace {

using namespace said;
namespace fs = e2e::fs;

const std::string TWO_TYPED = "1 cat1 b1 u1 0 1 cat2 b2 u2 0";
const std::string TWO_SAID = NEW + FIRST + MORE_FIRST + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING;
const std::string TWO = "[cat1]\r\nb1=u1\r\n[cat2]\r\nb2=u2\r\n";

TEST(Faults, StandardOutputClosedStillWritesAndNamesTheList)
{
    if (e2e::on_windows())
        GTEST_SKIP() << "a closed descriptor 1 reaches Wine itself, not the Windows program";
    // The answers come in two parts, so that the program waits for input, and
    // flushes the console, while the list is open.
    e2e::TempDir dir;
    auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); };
    e2e::Outcome got = e2e::run_program(dir.path, {{.send = "1 cat1 b1 u1\n"}, {.act = pause, .send = "0 1 cat2 b2 u2 0 0\n"}},
                                        {.stdout_closed = true});
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stderr", "", got.err);
    e2e::expect_files({{"cat1.txt", TWO}}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 0);
}

TEST(Faults, StandardInputThatCannotBeReadIsTheEndOfInput)
{
    for (const char* path : {".", "/dev/null"}) {
        SCOPED_TRACE(path);
        e2e::TempDir dir;
        e2e::Outcome got = e2e::run_program(dir.path, {}, {.stdin_path = path});
        EXPECT_FALSE(got.timed_out);
        e2e::expect_bytes("stdout", e2e::console_bytes(START + INPUT_ENDED), got.out);
        e2e::expect_bytes("stderr", "", got.err);
        e2e::expect_files({}, e2e::snapshot(dir.path));
        EXPECT_EQ(got.status, 0);
    }
}

TEST(Faults, DirectoryRemovedWhileWaitingEndsWithTheListGone)
{
    if (e2e::on_windows())
        GTEST_SKIP() << "Windows does not remove a directory in use";
    e2e::TempDir dir;
    std::string asked = NEW + FIRST + MORE_FIRST;
    e2e::Outcome got = e2e::run_program(
        dir.path, {{.send = "1 cat1 b1 u1\n"},
                   {.await = asked.size(), .act = [&] { fs::remove_all(dir.path); }, .send = "1 b2 u2 0 1 cat2 b3 u3 0 0\n"}});
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stdout",
                      asked + BOARD + MORE_FIRST_AGAIN + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING + OPEN_FAILED,
                      got.out);
    e2e::expect_bytes("stderr", "", got.err);
    EXPECT_FALSE(fs::exists(dir.path));
    EXPECT_EQ(got.status, 1);
}

TEST(Faults, DirectoryMadeReadOnlyWhileWaitingKeepsTheListAsUhoTxt)
{
    if (e2e::on_windows())
        GTEST_SKIP() << "the Wine prefix is not the unprivileged user's";
    e2e::TempDir dir;
    fs::permissions(dir.path, fs::perms::all);
    e2e::Outcome got = e2e::run_program(
        dir.path, {{.send = TWO_TYPED + "\n"},
                   {.await = TWO_SAID.size(), .act = [&] { fs::permissions(dir.path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec); },
                    .send = "0\n"}},
        {.unprivileged = true});
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stdout", TWO_SAID, got.out);
    e2e::expect_bytes("stderr", "", got.err);
    e2e::expect_files({{"uho.txt", TWO}}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 0);
}

TEST(Faults, ReadOnlyDirectoryCannotHoldANewList)
{
    if (e2e::on_windows())
        GTEST_SKIP() << "the Wine prefix is not the unprivileged user's";
    e2e::TempDir dir;
    fs::permissions(dir.path, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    e2e::Outcome got = e2e::run_program(dir.path, {{.send = "1\n"}}, {.unprivileged = true});
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stdout", START + OPEN_FAILED, got.out);
    e2e::expect_files({}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 1);
}

}  // namespace
