// What every run must leave behind, whatever it was told: used by the fuzzer
// and by the in-process fault tests.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace run_check {

// The directory every checked run starts in: an earlier list whose last line
// lacks its line end, and a file that a final name may run into.
inline const std::map<std::string, std::string> START_FILES = {{"uho.txt", "[old]\r\nx=y"}, {"taken.txt", "keep"}};

// Empties `dir` and lays out START_FILES in it.
void reset(const std::filesystem::path& dir);

// What is wrong with the state of `dir` after a run that returned `status`;
// empty if nothing is.
std::string check(const std::filesystem::path& dir, int status);

// What is wrong with the bytes of a list file; empty if nothing is.
std::string check_list(std::string_view list);

}  // namespace run_check
