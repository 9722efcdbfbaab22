// What both dialogues do: take boards and categories, and end a run.
#pragma once

#include <optional>
#include <string_view>

struct Console;
struct ListFile;

// Ends the run at the end of input: the question is left unanswered.
int input_ended(Console& con, ListFile& list);

// Ends the run because a line could not be written.
int write_failed(Console& con, ListFile& list);

// Ends the run as an ordinary end; the list keeps the name uho.txt.
int stop(Console& con, ListFile& list);

// An end of the run, where the step could not be completed; nothing where the
// dialogue goes on.
using End = std::optional<int>;

// Asks for a board and its URL and writes the entry.
End add_board(Console& con, ListFile& list);

// Asks for a category, writes its header and takes its boards, asking
// `more_question` after each.
End add_category(Console& con, ListFile& list, std::string_view more_question);

// Asks whether another category follows and, if so, takes it; any answer
// but 1 ends the run there.
End add_another_category(Console& con, ListFile& list);
