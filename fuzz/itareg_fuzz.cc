// libFuzzer target: whole runs in-process, one byte string as standard input,
// in a directory of its own laid out anew for every run. Every run must end,
// keep what was there, and leave one list of exact layout within its limits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "run_check.h"

namespace fs = std::filesystem;

static fs::path run_dir;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string templ = (fs::temp_directory_path() / "itareg-fuzz-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        std::abort();
    run_dir = templ;
    fs::current_path(run_dir);
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(run_dir, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    run_check::reset(run_dir);
    // A typed name is taken as a path, so a "/" could move the list anywhere
    // on this machine; within one directory the names are what is checked.
    std::string input(reinterpret_cast<const char*>(data), size);
    for (char& c : input)
        if (c == '/')
            c = '_';
    Console con = console_from(input);
    int status = run(con);
    std::string problem = run_check::check(run_dir, status);
    if (!problem.empty()) {
        std::fprintf(stderr, "itareg_fuzz: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
