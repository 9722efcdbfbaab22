// Every byte value as the answer to every question of two whole runs, in
// place of the answer and in front of it: each run must end with a defined
// status and leave one list of exact layout, the other files untouched.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "run_check.h"

namespace {

namespace fs = std::filesystem;

std::string join(const std::vector<std::string>& answers, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += answers[i] + "\n";
    return text;
}

void sweep(const std::vector<std::string>& answers)
{
    fs::path before = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("itareg-every-byte-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    for (std::size_t at = 0; at < answers.size(); ++at) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string b(1, static_cast<char>(byte));
            if (b == "/")
                continue;  // a typed path may move the list out of the directory checked here
            for (const std::string& answer : {b, b + answers[at]}) {
                std::string input = join(answers, 0, at) + answer + "\n" + join(answers, at + 1, answers.size());
                run_check::reset(dir);
                Console con = console_from(input);
                int status = run(con);
                std::string problem = run_check::check(dir, status);
                if (!problem.empty()) {
                    ADD_FAILURE() << "answer " << at << " given as byte " << byte << ": " << problem;
                    fs::current_path(before);
                    return;
                }
            }
        }
    }
    fs::current_path(before);
    fs::remove_all(dir);
}

TEST(EveryByte, AtEveryQuestionOfANewList)
{
    sweep({"1", "cat1", "b1", "u1", "1", "b2", "u2", "0", "1", "cat2", "b3", "u3", "1", "b4", "u4", "0", "1", "mine"});
}

TEST(EveryByte, AtEveryQuestionOfAnAddition)
{
    sweep({"2", "c1", "b1", "u1", "1", "b2", "u2", "0", "1", "c2", "b3", "u3", "0", "1", "list"});
}

}  // namespace
