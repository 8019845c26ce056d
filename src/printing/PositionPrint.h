#pragma once

#include "positions/PositionFile.h"
#include "printing/PositionListing.h"
#include "printing/PrintContext.h"
#include "printing/PrintSelection.h"

namespace kvt7 {

struct ParameterSet;
struct PositionCommandContext;

// Everything the Print command works with.
struct PositionPrintContext {
    PositionCommandContext& commands;
    PrintContext& print;
    PrintSelector& selector; // PrintSelectionDialog
    ParameterSet& parameters; // the program's set, for "Print Data indicated"
};

// The listing job of a position listing (default PDF kvt7posi.pdf).
PrintJob PositionPrintJob(const PositionListing& listing, const MessageCatalogue& messages);

// The listing of a file's records first..last: texts as stored (pulses), headings in pulses,
// the file's model texts and its name without folder. nullopt when no record lies in range.
std::optional<PositionListing> FilePositionListing(const PositionFileContent& content,
                                                   const QString& path, int first, int last,
                                                   const MessageCatalogue& messages);

// The table on screen: HasRows, the range dialog, the table check, then the grid's texts
// of the chosen range under the actuators the table is shown in. 0, 1 refused, 2 stopped.
int PrintTablePositions(PositionPrintContext& context);
// A position file's records within first..last; 1823 when none lies there.
int PrintFilePositions(PositionPrintContext& context, const QString& path, int first, int last);

// Menu "Print" and the tool button: the selection window, then what it chose, with the
// main window's commands locked.
int PrintPositions(PositionPrintContext& context);

}  // namespace kvt7
