// Everything the program says, by label; the texts are in texts.cc.
// A question ends in "…" so that the answer is typed on the same line; a
// statement ends in a line break. TOO_LONG holds %d (the limit), NAME_CHANGED
// holds %s (the final name).
#pragma once

#include <string_view>

namespace text {

using T = std::string_view;

extern const T BANNER;
extern const T MODE_QUESTION;
extern const T INVALID_CHOICE;
extern const T CLOSING;
extern const T OPEN_FAILED;
extern const T OPEN_FAILED_APPEND;
extern const T NEW_LIST_HEADING;
extern const T APPEND_NOTICE;
extern const T CATEGORY_PROMPT;
extern const T BOARD_PROMPT;
extern const T URL_PROMPT;
extern const T WRITTEN;
extern const T MORE_FIRST;
extern const T MORE_FIRST_AGAIN;
extern const T MORE_APPEND;
extern const T MORE_SECOND;
extern const T ANOTHER_CATEGORY;
extern const T NAME_AFTER_FIRST;
extern const T NAME_CHOICE;
extern const T RENAME_QUESTION;
extern const T FILE_NAME_PROMPT;
extern const T NAME_CHANGED;
extern const T TOO_LONG;
extern const T WRITE_FAILED;

}  // namespace text
