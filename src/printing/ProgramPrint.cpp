#include "printing/ProgramPrint.h"

#include "app/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"

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

QString Lines(const MessageCatalogue& m, int first, int second)
{
    return m.Text(first) + QStringLiteral("\r\n") + m.Text(second);
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
int ShowFile(PrintContext& print, const FileRequest& request, const ReadListing& readListing,
             PrintJob (*jobOf)(const Listing& listing, const MessageCatalogue& messages))
{
    const std::optional<QString> path = print.dialogs.openFileName(request);
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
    GroupListing listing;
    const ListingFileRead result = ReadWithRetries(read, path, listing.groups);
    if (result != ListingFileRead::Ok) {
        dialogs.message(result == ListingFileRead::OtherKind ? Lines(messages, 19, 20) : messages.Text(484),
                        Buttons::Ok, Icon::Critical);
        return std::nullopt;
    }
    listing.fileName = QFileInfo(path).fileName();
    return listing;
}

std::optional<SmListing> ReadSmListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                       const SmFileReader& read, const QString& path)
{
    SmListing listing;
    if (ReadWithRetries(read, path, listing.programs) != ListingFileRead::Ok) {
        dialogs.message(messages.Text(931), Buttons::Ok, Icon::Critical);
        return std::nullopt;
    }
    listing.fileName = QFileInfo(path).fileName();
    return listing;
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
    return {messages.Text(34), QStringLiteral("kvt7grp1.pdf"),
            [listing, &messages](PageCanvas& canvas) { LayoutGroupListing(canvas, listing, messages); }};
}

PrintJob SmPrintJob(const SmListing& listing, const MessageCatalogue& messages)
{
    return {messages.Text(33), QStringLiteral("kvt7sm01.pdf"),
            [listing, &messages](PageCanvas& canvas) { LayoutSmListing(canvas, listing, messages); }};
}

int PrintShownGroups(PrintContext& print, const ListedGroupRanges& groups)
{
    if (!GroupRangesValid(groups)) {
        print.dialogs.message(Lines(print.messages, 820, 821), Buttons::Ok, Icon::Warning);
        return 1;
    }
    GroupListing listing;
    listing.groups = groups;
    return ShowStamped(print, listing, GroupPrintJob);
}

int PrintGroupFile(PrintContext& print, const GroupFileReader& read)
{
    const MessageCatalogue& m = print.messages;
    if (print.dialogs.message(m.Text(829), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 2;
    return ShowFile(print, {m.Text(830), m.Text(831), QStringLiteral("grp"), {}, {}},
                    [&](const QString& path) { return ReadGroupListing(print.dialogs, m, read, path); }, GroupPrintJob);
}

int PrintShownSm(PrintContext& print, const SmPrograms& programs, const std::function<bool()>& check)
{
    if (check && !check())
        return 1;
    if (print.dialogs.message(print.messages.Text(927), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 2;
    SmListing listing;
    listing.programs = programs;
    return ShowStamped(print, listing, SmPrintJob);
}

int PrintSmFile(PrintContext& print, const SmFileReader& read)
{
    const MessageCatalogue& m = print.messages;
    return ShowFile(print, {m.Text(932), m.Text(930), m.Text(929), {}, {}},
                    [&](const QString& path) { return ReadSmListing(print.dialogs, m, read, path); }, SmPrintJob);
}

}  // namespace kvt7
