#include <string>

#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "dialogue/steps.h"
#include "dialogue/texts.h"
#include "listfile/finish.h"
#include "listfile/list_file.h"

int new_list(Console& con)
{
    ListFile list;
    if (!open_new_list(list)) {
        show(con, text::OPEN_FAILED);
        return 1;
    }
    show(con, text::NEW_LIST_HEADING);

    // The first category may become the file name, so it is kept to the end.
    std::string first, board, url;
    if (!ask_word(con, text::CATEGORY_PROMPT, NAME_LIMIT, first) ||
        !ask_word(con, text::BOARD_PROMPT, BOARD_LIMIT, board) ||
        !ask_word(con, text::URL_PROMPT, URL_LIMIT, url))
        return input_ended(con, list);
    if (!write_first_section(list, first, board, url))
        return write_failed(con, list);
    show(con, text::WRITTEN);

    Number more = ask_number(con, text::MORE_FIRST);
    while (more.is(1)) {
        if (End end = add_board(con, list))
            return *end;
        more = ask_number(con, text::MORE_FIRST_AGAIN);
    }
    if (more.ended)
        return input_ended(con, list);
    if (!more.is(0))
        return stop(con, list);  // neither 1 nor 0: the run ends with what is written

    if (End end = add_another_category(con, list))
        return *end;

    show(con, text::NAME_AFTER_FIRST);
    Number own_name = ask_number(con, text::NAME_CHOICE);
    if (own_name.ended)
        return input_ended(con, list);
    std::string final_name = first;
    if (own_name.is(1) && !ask_word(con, text::FILE_NAME_PROMPT, NAME_LIMIT, final_name))
        return input_ended(con, list);
    final_name += ".txt";

    if (!close_list(list))
        return write_failed(con, list);
    return finish(con, final_name);
}
