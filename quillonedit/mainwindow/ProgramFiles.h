#pragma once
// What the editor finds in its own folder besides its help: the example project, an erased
// controller (Examples/Blank.001 .. .008) for a first start with nothing else to open.
#include <QString>

namespace quillon {

QString ExamplesFolder();

// The folder File > Open starts in: the examples until a project has been opened (the recent
// list is still empty); afterwards empty, which leaves the choice to the file dialog.
QString OpenStartFolder();

// `quillonedit --check-files`: the help file is there and the example project opens as eight
// all-zero pages without a message. Returns the process exit code.
int CheckProgramFiles();

} // namespace quillon
