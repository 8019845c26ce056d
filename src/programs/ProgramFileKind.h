#pragma once

#include "platform/Dialogs.h"
#include "programs/ProgramDataFiles.h"

#include <QList>
#include <optional>

namespace kvt7 {

class MessageCatalogue;

// How a verification ended.
enum class ProgramVerify { Same, Different, Failed };

// A file dialog of one kind of program file: the ids of its title and filter, and of the name
// it offers (0: none).
struct FileDialogIds {
    int title = 0;
    int filter = 0;
    int defaultName = 0;
};

// The texts of one kind of program file: its dialogs and the messages of its faults.
struct ProgramFileTexts {
    FileDialogIds open;
    FileDialogIds save;
    FileDialogIds verify;
    FileDialogIds print;  // print from a file
    // The extension the dialogs add: the text of extensionId where there is one, else this.
    QString extension;
    int extensionId = 0;
    QList<int> otherKind;  // a file of another kind (not tried again), lines joined by CR LF
    QList<int> damaged;    // a file that stayed unreadable after every try
    int writeFailed = 0;
    bool hourglass = false;  // the hourglass while the file is read or written

    FileRequest request(const MessageCatalogue& messages, const FileDialogIds& dialog) const;
    // The message of a read that did not end Ok.
    QString readFault(const MessageCatalogue& messages, ProgramFileRead outcome) const;
};

// One kind of program data as its file operations handle it: its texts, its file, how a read
// reaches the table, the check before a save or a verification, and the comparison.
template <typename Data>
struct ProgramFileKind {
    using Table = decltype(Data::table);
    using Buffer = decltype(Data::readBuffer);

    ProgramFileTexts texts;
    ProgramFileContent<Buffer> (*read)(const QString& path);
    bool (*write)(const QString& path, const Table& table);
    void (*copyRead)(const Buffer& buffer, Table& table);
    // The check's message when the data fails it, nullopt when it passes.
    std::optional<QString> (*refusal)(Data& data, const MessageCatalogue& messages);
    QString (*differences)(const Table& table, const Buffer& buffer);
    QString (*verifyMessage)(const MessageCatalogue& messages, const QString& differences);
};

// Group files (.grp): open 827/828, save 832/831 offering 833, verify 834/831, print 830/831;
// another kind 19/20, damaged 484, a failed write 18.
const ProgramFileKind<GroupData>& GroupFileKind();
// S/M files (.smd, extension 929): open 928/930, save 933/930 offering 934, verify 936/930,
// print 932/930; every read fault 931, a failed write 935; the hourglass while it works.
const ProgramFileKind<SmData>& SmFileKind();

// The kind of the data at hand.
inline const ProgramFileKind<GroupData>& FileKindOf(const GroupData&)
{
    return GroupFileKind();
}
inline const ProgramFileKind<SmData>& FileKindOf(const SmData&)
{
    return SmFileKind();
}

// The kind's check before a save, a verification or a write; false when the data fails it
// (its message shown).
template <typename Data>
bool PassesCheck(Dialogs& dialogs, const MessageCatalogue& messages, Data& data)
{
    const std::optional<QString> refused = FileKindOf(data).refusal(data, messages);
    if (refused)
        dialogs.message(*refused);
    return !refused;
}

// The table compared with what a read brought into the read buffer; the kind's result
// message shown.
template <typename Data>
ProgramVerify ShowComparison(Dialogs& dialogs, const MessageCatalogue& messages, Data& data)
{
    const auto& kind = FileKindOf(data);
    const QString differences = kind.differences(data.table, data.readBuffer);
    dialogs.message(kind.verifyMessage(messages, differences));
    return differences.isEmpty() ? ProgramVerify::Same : ProgramVerify::Different;
}

}  // namespace kvt7
