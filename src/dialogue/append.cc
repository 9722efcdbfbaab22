#include <string>

#include "dialogue/console.h"
#include "dialogue/dialogues.h"
#include "dialogue/steps.h"
#include "dialogue/texts.h"
#include "listfile/finish.h"
#include "listfile/list_file.h"

int append(Console& con)
{
    ListFile list;
    if (!open_list_for_adding(list)) {
        show(con, text::OPEN_FAILED_APPEND);
        return 1;
    }
    show(con, text::APPEND_NOTICE);

    if (End end = add_category(con, list, text::MORE_APPEND))
        return *end;
    if (End end = add_another_category(con, list))
        return *end;
    if (!close_list(list))
        return write_failed(con, list);

    Number rename = ask_number(con, text::RENAME_QUESTION);
    if (rename.ended)
        return input_ended(con, list);
    if (!rename.is(1))
        return 0;
    std::string name;
    if (!ask_word(con, text::FILE_NAME_PROMPT, NAME_LIMIT, name))
        return input_ended(con, list);
    return finish(con, name + ".txt");
}
