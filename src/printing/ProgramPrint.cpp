#include "printing/ProgramPrint.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"
#include "programs/ProgramFileKind.h"

#include <QFileInfo>

namespace kvt7 {

namespace {

constexpr int kFileTries = 6;
constexpr int kFileRetryWaitMs = 100;

template <typename Data, typename Reader>
ListingFileRead ReadWithRetries(const Reader& read, const QString& path, Data& data)
{
    ListingFileRead result = ListingFileRead::Fault;
    RetryFileOperation(
        [&] {
            // Every try starts from a fresh copy: nothing of a failed try is printed.
            data = Data{};
            result = read(path, data);
            return result != ListingFileRead::Fault;
        },
        kFileTries, kFileRetryWaitMs);
    return result;
}

// A file read into the listing's own copy (`copy` of it), or the kind's read fault.
template <typename Listing, typename Copy, typename Reader>
std::optional<Listing> ReadListing(Dialogs& dialogs, const MessageCatalogue& messages, const ProgramFileTexts& texts,
                                   const Reader& read, const QString& path, Copy Listing::*copy)
{
    Listing listing;
    const ListingFileRead result = ReadWithRetries(read, path, listing.*copy);
    if (result != ListingFileRead::Ok) {
        const ProgramFileRead outcome =
            result == ListingFileRead::OtherKind ? ProgramFileRead::WrongKind : ProgramFileRead::Failed;
        dialogs.message(texts.readFault(messages, outcome), Buttons::Ok, Icon::Critical);
        return std::nullopt;
    }
    listing.fileName = QFileInfo(path).fileName();
    return listing;
}

// The listing stamped with the time of printing, in the preview.
template <typename Listing>
int ShowStamped(PrintContext& print, Listing listing,
                PrintJob (*jobOf)(const Listing& listing, const MessageCatalogue& messages))
{
    listing.printedAt = print.printedAt();
    return ShowListing(print, jobOf(listing, print.messages));
}

// The file the operator picks, read by `readListing`, in the preview. 2 when no file was
// picked, 1 when it could not be read (shown).
template <typename Listing, typename ReadListing>
int ShowFile(PrintContext& print, const ProgramFileTexts& texts, const ReadListing& readListing,
             PrintJob (*jobOf)(const Listing& listing, const MessageCatalogue& messages))
{
    const std::optional<QString> path = print.dialogs.openFileName(texts.request(print.messages, texts.print));
    if (!path || path->isEmpty())
        return 2;
    std::optional<Listing> listing = readListing(*path);
    if (!listing)
        return 1;
    return ShowStamped(print, *std::move(listing), jobOf);
}

}  // namespace

std::optional<GroupListing> ReadGroupListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                             const GroupFileReader& read, const QString& path)
{
    return ReadListing(dialogs, messages, GroupFileKind().texts, read, path, &GroupListing::groups);
}

std::optional<SmListing> ReadSmListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                       const SmFileReader& read, const QString& path)
{
    return ReadListing(dialogs, messages, SmFileKind().texts, read, path, &SmListing::programs);
}

bool GroupRangesValid(const ListedGroupRanges& groups)
{
    for (const ListedGroup& g : groups)
        if (g.start < 1 || g.start > 999 || g.end < 1 || g.end > 999 || g.start > g.end)
            return false;
    return true;
}

PrintJob GroupPrintJob(const GroupListing& listing, const MessageCatalogue& messages)
{
    return {messages.Text(Msg::GroupData), QStringLiteral("kvt7grp1.pdf"),
            [listing, &messages](PageCanvas& canvas) {
                LayoutGroupListing(canvas, listing, messages);
            }};
}

PrintJob SmPrintJob(const SmListing& listing, const MessageCatalogue& messages)
{
    return {messages.Text(Msg::SMData), QStringLiteral("kvt7sm01.pdf"),
            [listing, &messages](PageCanvas& canvas) {
                LayoutSmListing(canvas, listing, messages);
            }};
}

int PrintShownGroups(PrintContext& print, const ListedGroupRanges& groups)
{
    if (!GroupRangesValid(groups)) {
        print.dialogs.message(GroupCheckMessage(print.messages), Buttons::Ok, Icon::Warning);
        return 1;
    }
    return ShowStamped(print, GroupListing{groups, {}, {}}, GroupPrintJob);
}

int PrintGroupFile(PrintContext& print, const GroupFileReader& read)
{
    const MessageCatalogue& m = print.messages;
    if (print.dialogs.message(m.Text(Msg::PrintingGroupDataSavedFile), Buttons::OkCancel,
                              Icon::Question)
        != Answer::Ok)
        return 2;
    return ShowFile(print, GroupFileKind().texts,
                    [&](const QString& path) { return ReadGroupListing(print.dialogs, m, read, path); }, GroupPrintJob);
}

int PrintShownSm(PrintContext& print, const SmPrograms& programs, const std::function<bool()>& check)
{
    if (check && !check())
        return 1;
    if (print.dialogs.message(print.messages.Text(Msg::PrintingSMDataIndicatedDisplay),
                              Buttons::OkCancel, Icon::Question)
        != Answer::Ok)
        return 2;
    return ShowStamped(print, SmListing{programs, {}, {}}, SmPrintJob);
}

int PrintSmFile(PrintContext& print, const SmFileReader& read)
{
    const MessageCatalogue& m = print.messages;
    return ShowFile(print, SmFileKind().texts,
                    [&](const QString& path) { return ReadSmListing(print.dialogs, m, read, path); }, SmPrintJob);
}

}  // namespace kvt7
