// The registration dialogue. Each function runs to an end of the run and
// returns its result, the exit status: 0 for every ordinary end, 1 where the
// list file cannot be opened or written.
#pragma once

struct Console;

// The whole run: banner, the choice between a new list and an addition, and
// the chosen dialogue.
int run(Console& con);

// Answer 1: a new list of one or two categories, named after the first
// category or a typed name.
int new_list(Console& con);

// Answer 2: one or two categories added to the working file an earlier run left.
int append(Console& con);
