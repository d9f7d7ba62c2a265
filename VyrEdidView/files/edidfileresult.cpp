#include "edidfileresult.h"

bool EdidFileResult::report() const
{
    if (!title.isEmpty())
        VyrUiService::instance()->message(icon, title, text);
    return ok;
}
