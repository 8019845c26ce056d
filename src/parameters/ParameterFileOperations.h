#pragma once

#include "base/Outcome.h"
#include "parameters/ParameterFile.h"
#include "platform/Dialogs.h"
#include "base/MessageIds.h"

#include <array>
#include <functional>
#include <optional>

namespace kvt7 {

class CatalogueFile;
class MessageCatalogue;

// The editor window's step that takes its controls into the editor values
// (`takeValuesFromControls`); empty when there is no window.
using TakeControlsStep = std::function<void()>;

// The file dialogs of the parameter file: save as (title 11, default name 12) and open
// (title 686 unless another is given), filter 1827, extension "pmt".
FileRequest ParameterSaveRequest(const MessageCatalogue& messages);
FileRequest ParameterOpenRequest(const MessageCatalogue& messages,
                                 int titleId = Msg::OpenParameterFile);

// Takes the controls, then the checks a save needs: empty values (messages 7/8), the full
// range check (9/10). Rebuilds "Actuator" of every axis. Done when the set may be saved.
Outcome CheckParametersForSave(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                               const TakeControlsStep& takeControls = {});

// Writes with up to six tries 100 ms apart, then message 14 (saved) or 13 (failed); a saved
// path becomes the current parameter file.
Outcome WriteParameterFileWithRetries(ParameterSet& set, const QString& path, Dialogs& dialogs,
                                      const MessageCatalogue& messages);

// The whole save: checks, save dialog, write. Failed is shown; Cancelled in the dialog.
Outcome SaveParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                          const TakeControlsStep& takeControls = {});

// Reads with up to six tries 100 ms apart (none after a file that is not a parameter file,
// messages 22/20). Nothing else is shown; the record changes only on success.
ParameterFileRead ReadParameterFileWithRetries(ParameterSet& set, const QString& path,
                                               Dialogs& dialogs, const MessageCatalogue& messages);

// Reads a chosen file and applies its record to the editor values. A damaged file gives
// message 681 after the retries.
Outcome OpenParameterFileAt(ParameterSet& set, const QString& path, Dialogs& dialogs,
                            const MessageCatalogue& messages);

// The whole open: open dialog, read, apply. Failed is shown, Cancelled (the dialog) is not.
Outcome OpenParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages);

// The model labels a parameter file sets for the axes it has in use ("" otherwise), as a
// position file records them; nullopt when the file cannot be opened (shown) or its actuators
// are not usable.
std::optional<std::array<QString, 4>> ParameterFileModelLabels(const QString& path, Dialogs& dialogs,
                                                               const MessageCatalogue& messages,
                                                               const CatalogueFile& catalogue);

}  // namespace kvt7
