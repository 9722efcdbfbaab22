// The last step of a run: the closed working file takes its final name.
#pragma once

#include <string>

struct Console;

// Renames the closed working file to `final_name`, never replacing an existing
// file, and says so if it did. Returns the run's result: 1 if the working file
// is missing or unreadable, else 0 whether or not the rename took place.
int finish(Console& con, const std::string& final_name);
