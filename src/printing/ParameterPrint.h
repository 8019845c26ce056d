#pragma once

#include "base/Outcome.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterFileOperations.h"
#include "printing/ParameterListing.h"
#include "printing/PrintContext.h"

namespace kvt7 {

// The listing job of a parameter listing (default PDF kvt7prm1.pdf).
PrintJob ParameterPrintJob(const ParameterListing& listing, const MessageCatalogue& messages);

// cmdParaPrint: takes the controls, then empty fields (7/8), the range check (1524/1525) and
// the question 684; prints the set's editor values. Failed when refused or failed, Cancelled when stopped.
Outcome PrintShownParameters(PrintContext& context, ParameterSet& set,
                             const TakeControlsStep& takeControls = {});

// The listing of a parameter file read into a scratch set: the program's set is not touched.
// A file of another kind: 22/20; a damaged file: 681 after the tries. nullopt then.
std::optional<ParameterListing> ReadParameterListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                                     const QString& path);

// Reads a parameter file into a scratch set and prints it; the program's set is not
// touched. A file of another kind: 22/20; a damaged file: 681 after the tries.
Outcome PrintParameterFileAt(PrintContext& context, const QString& path);

// cmdParaFilePrint: question 682, the open dialog (683, filter 1827, "pmt"), then the file.
Outcome PrintParameterFile(PrintContext& context);

// The parameter editor's print buttons on these listings.
ParameterPrintCommands ParameterEditorPrinting(PrintContext& context);

}  // namespace kvt7
