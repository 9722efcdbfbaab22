#include "dialogue/steps.h"

#include <string>

#include "dialogue/console.h"
#include "dialogue/texts.h"
#include "listfile/list_file.h"

int input_ended(Console& con, ListFile& list)
{
    show(con, "\n");
    show(con, text::CLOSING);
    return stop(con, list);
}

int write_failed(Console& con, ListFile& list)
{
    show(con, text::WRITE_FAILED);
    close_list(list);
    return 1;
}

int stop(Console& con, ListFile& list)
{
    return close_list(list) ? 0 : write_failed(con, list);
}

End add_board(Console& con, ListFile& list)
{
    std::string board, url;
    if (!ask_word(con, text::BOARD_PROMPT, BOARD_LIMIT, board) ||
        !ask_word(con, text::URL_PROMPT, URL_LIMIT, url))
        return input_ended(con, list);
    if (!write_entry(list, board, url))
        return write_failed(con, list);
    show(con, text::WRITTEN);
    return {};
}

End add_category(Console& con, ListFile& list, std::string_view more_question)
{
    std::string category;
    if (!ask_word(con, text::CATEGORY_PROMPT, CATEGORY_LIMIT, category))
        return input_ended(con, list);
    if (!write_header(list, category))
        return write_failed(con, list);
    Number more;
    do {
        if (End end = add_board(con, list))
            return end;
        more = ask_number(con, more_question);
    } while (more.is(1));
    if (more.ended)
        return input_ended(con, list);
    return {};
}

End add_another_category(Console& con, ListFile& list)
{
    Number another = ask_number(con, text::ANOTHER_CATEGORY);
    if (another.ended)
        return input_ended(con, list);
    if (!another.is(1))
        return stop(con, list);
    return add_category(con, list, text::MORE_SECOND);
}
