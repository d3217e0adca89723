// The table fills, in their own file so the menus build without the tables library.
#include "quillonedit/mainwindow/MDIForm1.h"

#include "platform/Services.h"

#if QUILLON_HAVE_TABLES
#include "quillonedit/tables/Tables.h"
#endif

namespace quillon {

void MDIForm1::StartUp()
{
#if QUILLON_HAVE_TABLES
    // Vocabulary, word pick lists, special words, CW characters, paging tones, calendar; the
    // splash gets a chance to paint between the later fills.
    FillAllTables([] { platform::services().eventLoop->yield(); });
#endif
    loadEditorServices();
}

} // namespace quillon
