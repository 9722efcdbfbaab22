// Runs the built program for real: in a fresh directory, its standard input,
// output and error through pipes, and compares what it leaves behind byte for
// byte. The program comes from the environment, so the same cases run against
// the native binary and against the Windows one under an emulator:
//   ITAREG_PROGRAM     the program to run (required)
//   ITAREG_EMULATOR    a command to run it with, such as wine64 (optional)
//   ITAREG_WINDOWS     set for the Windows build: the console's line break is
//                      CR LF and the file system holds names as UTF-8
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

namespace fs = std::filesystem;

// UTF-8 text encoded to cp932 by iconv, independently of the program.
std::string sjis(std::string_view utf8);

// The contents of a directory: name to bytes; a directory shows as DIRECTORY,
// a symbolic link as "-> target".
using Files = std::map<std::string, std::string>;
inline const std::string DIRECTORY = "<directory>";
inline std::string link_to(std::string_view target) { return "-> " + std::string(target); }

// Makes `files` in `dir`, in the notation of Files.
void make_files(const fs::path& dir, const Files& files);
Files snapshot(const fs::path& dir);

// One step of a conversation: wait until the previous step's input has gone
// to the program and the program has written `await` bytes in all, then do
// `act`, then send `send`.
struct Step {
    std::size_t await = 0;
    std::function<void()> act = {};
    std::string send = {};
};

struct Outcome {
    std::string out, err;
    int status = -1;       // exit status, or -1 if it did not exit normally
    bool timed_out = false;
};

// How the program is started, where it differs from a pipe on each stream.
struct Launch {
    std::vector<std::string> args = {};
    std::string stdin_path = {};  // standard input opened from this path, steps send nothing
    bool stdout_closed = false;   // started with standard output closed
    bool unprivileged = false;    // started as user and group 65534 where the tests run as root
};

// Runs the program in `dir` through `steps`, then closes its input.
Outcome run_program(const fs::path& dir, const std::vector<Step>& steps, const Launch& launch = {});

// Whether the program under test is the Windows one.
bool on_windows();

// A fresh directory that is removed at the end unless the test failed.
struct TempDir {
    fs::path path;
    TempDir();
    ~TempDir();
};

// The bytes the console is expected to show for `transcript`: the Windows
// console breaks lines with CR LF.
std::string console_bytes(std::string transcript);

// Files as expected on this target (names as the file system holds them).
Files files_on_target(const Files& files);

// Expects `got` to equal `wanted`; on a mismatch shows the first differing
// byte, and both texts decoded from cp932 for a human.
void expect_bytes(std::string_view what, std::string_view wanted, std::string_view got);
void expect_files(const Files& wanted, const Files& got);

}  // namespace e2e
