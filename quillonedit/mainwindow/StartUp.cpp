// Start-up work after the main window is built: the table fills and the hidden editors.
#include "quillonedit/mainwindow/MDIForm1.h"
#include "quillonedit/mainwindow/Main.h"

#include "platform/Services.h"

#include "quillonedit/tables/Tables.h"

namespace quillon {

void MDIForm1::StartUp()
{
    // Vocabulary, word pick lists, special words, CW characters, paging tones, calendar; the
    // splash gets a chance to paint between the later fills.
    StartUpStep(QStringLiteral("text tables"), [] { FillAllTables([] { platform::services().eventLoop->yield(); }); });
    StartUpStep(QStringLiteral("word construction dialog"), [this] { loadEditorServices(); });
}

} // namespace quillon
