// Conversations with the built program through pipes: each answer is sent only
// once the question has arrived in full, so a question held back in a buffer
// while the program waits for its answer stalls the conversation and fails.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "said.h"

namespace {

using namespace said;

// (what the program says, what is then typed) pairs, as steps awaiting the
// whole transcript up to each answer.
std::vector<e2e::Step> converse(const std::vector<std::pair<std::string, std::string>>& turns, std::string& transcript)
{
    std::vector<e2e::Step> steps;
    for (const auto& [question, answer] : turns) {
        transcript += question;
        steps.push_back({.await = e2e::console_bytes(transcript).size(), .send = answer});
    }
    return steps;
}

TEST(Conversation, EveryQuestionOfANewListIsShownBeforeItsAnswerIsAwaited)
{
    e2e::TempDir dir;
    std::string transcript;
    auto steps = converse({{START, "1\n"},
                           {NEW_LIST_HEADING + CATEGORY_PROMPT, "cat1\n"},
                           {BOARD_PROMPT, "b1\n"},
                           {URL_PROMPT, "u1\n"},
                           {WRITTEN + MORE_FIRST, "1\n"},
                           {BOARD_PROMPT, "b2\n"},
                           {URL_PROMPT, "u2\n"},
                           {WRITTEN + MORE_FIRST_AGAIN, "0\n"},
                           {ANOTHER_CATEGORY, "1\n"},
                           {CATEGORY_PROMPT, "cat2\n"},
                           {BOARD_PROMPT, "b3\n"},
                           {URL_PROMPT, "u3\n"},
                           {WRITTEN + MORE_SECOND, "0\n"},
                           {NAMING, "1\n"},
                           {FILE_NAME_PROMPT, "mine\n"}},
                          transcript);
    e2e::Outcome got = e2e::run_program(dir.path, steps);
    EXPECT_FALSE(got.timed_out) << "a question was not shown before its answer was awaited";
    e2e::expect_bytes("stdout", e2e::console_bytes(transcript + name_changed("mine.txt")), got.out);
    e2e::expect_files({{"mine.txt", "[cat1]\r\nb1=u1\r\nb2=u2\r\n[cat2]\r\nb3=u3\r\n"}}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 0);
}

TEST(Conversation, EveryQuestionOfAnAdditionIsShownBeforeItsAnswerIsAwaited)
{
    e2e::TempDir dir;
    std::string transcript;
    auto steps = converse({{START, "2\n"},
                           {APPEND_NOTICE + CATEGORY_PROMPT, "c1\n"},
                           {BOARD_PROMPT, "b1\n"},
                           {URL_PROMPT, "u1\n"},
                           {WRITTEN + MORE_APPEND, "0\n"},
                           {ANOTHER_CATEGORY, "1\n"},
                           {CATEGORY_PROMPT, "c2\n"},
                           {BOARD_PROMPT, "b2\n"},
                           {URL_PROMPT, "u2\n"},
                           {WRITTEN + MORE_SECOND, "0\n"},
                           {RENAME_QUESTION, "0\n"}},
                          transcript);
    e2e::Outcome got = e2e::run_program(dir.path, steps);
    EXPECT_FALSE(got.timed_out) << "a question was not shown before its answer was awaited";
    e2e::expect_bytes("stdout", e2e::console_bytes(transcript), got.out);
    e2e::expect_files({{"uho.txt", "[c1]\r\nb1=u1\r\n[c2]\r\nb2=u2\r\n"}}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 0);
}

TEST(Conversation, EachLineIsInTheFileBeforeTheNextQuestion)
{
    e2e::TempDir dir;
    std::string transcript;
    std::string seen;
    auto steps = converse({{START, "1 cat b1 u1\n"}, {NEW_LIST_HEADING + FIRST + MORE_FIRST, "1 b2 u2\n"},
                           {BOARD + MORE_FIRST_AGAIN, "0\n"}},
                          transcript);
    steps[1].act = [&] { seen += e2e::snapshot(dir.path)["uho.txt"] + "|"; };
    steps[2].act = [&] { seen += e2e::snapshot(dir.path)["uho.txt"] + "|"; };
    e2e::Outcome got = e2e::run_program(dir.path, steps);
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("the list as each question came", "[cat]\r\nb1=u1\r\n|[cat]\r\nb1=u1\r\nb2=u2\r\n|", seen);
}

TEST(Conversation, WorkingFileRemovedWhileWaitingAtTheNameChoice)
{
    e2e::TempDir dir;
    std::string transcript;
    auto steps = converse({{START, "1 cat1 b1 u1 0 1 cat2 b2 u2 0\n"},
                           {NEW_LIST_HEADING + FIRST + MORE_FIRST + ANOTHER_CATEGORY + FIRST + MORE_SECOND + NAMING, "0\n"}},
                          transcript);
    steps[1].act = [&] { e2e::fs::remove(dir.path / "uho.txt"); };
    e2e::Outcome got = e2e::run_program(dir.path, steps);
    EXPECT_FALSE(got.timed_out);
    e2e::expect_bytes("stdout", e2e::console_bytes(transcript + OPEN_FAILED), got.out);
    e2e::expect_files({}, e2e::snapshot(dir.path));
    EXPECT_EQ(got.status, 1);
}

}  // namespace
