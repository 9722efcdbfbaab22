#include "listfile/finish.h"

#include "dialogue/console.h"
#include "dialogue/texts.h"
#include "listfile/list_file.h"
#include "platform/platform.h"

int finish(Console& con, const std::string& final_name)
{
    if (!platform::can_open_for_reading(WORKING_FILE)) {
        show(con, text::OPEN_FAILED);
        return 1;
    }
    if (platform::rename_no_replace(WORKING_FILE, final_name.c_str()))
        show_name_changed(con, final_name);
    return 0;
}
