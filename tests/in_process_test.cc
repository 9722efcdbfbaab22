// A whole run driven in-process from a byte string, as the fuzzer drives it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "dialogue/console.h"
#include "dialogue/dialogues.h"

namespace {

namespace fs = std::filesystem;

TEST(InProcess, WholeRunFromAByteString)
{
    fs::path before = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("itareg-in-process-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);

    Console con = console_from("1 cat1 b1 u1 0 1 cat2 b2 u2 0 0 left");
    int status = run(con);

    std::ifstream in("cat1.txt", std::ios::binary);
    std::string list(std::istreambuf_iterator<char>(in), {});
    fs::current_path(before);
    fs::remove_all(dir);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(list, "[cat1]\r\nb1=u1\r\n[cat2]\r\nb2=u2\r\n");
    EXPECT_EQ(con.unread, " left");
    EXPECT_TRUE(con.said.ends_with(".txt\x82\xc9\x95\xcf\x8d\x58\x82\xb5\x82\xdc\x82\xb5\x82\xbd\n"));  // "cat1.txtに変更しました"
}

}  // namespace
