#include "SessionParts.h"
#include "base/MessageIds.h"

#include "Session.h"
#include "backup/BackupManifest.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterComparison.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "parameters/RecordApply.h"
#include "platform/Dialogs.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramFileOperations.h"

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

class ParameterPart final : public ControllerPart {
public:
    explicit ParameterPart(ControllerContext& controller) : c_(controller) {}
    QString fileName() const override { return BackupFileNames().at(0); }
    QString title() const override { return c_.messages.Text(Msg::Parameters); }

    bool read(const QString& path) override
    {
        ParameterSet set;
        AxisSettings axes;
        if (!ConnectQuietly(c_.link))
            return false;
        if (ReadAxisMask(c_.link, set, axes) != Outcome::Done) {
            c_.dialogs.message(c_.messages.Text(Msg::FailedGetAxisSetting));
            return false;
        }
        if (ReadAllParameters(c_, set) != Outcome::Done)
            return false;
        ApplyRecordToEditorValues(set, RecordSource::Controller);
        return WriteParameterFileWithRetries(set, path, c_.dialogs, c_.messages) == Outcome::Done;
    }
    bool check(const QString& path) override
    {
        ParameterSet set;
        if (OpenParameterFileAt(set, path, c_.dialogs, c_.messages) != Outcome::Done)
            return false;
        if (ParameterProblems(set.editor).isEmpty())
            return true;
        c_.dialogs.message(c_.messages.Text(Msg::InvalidValueParameters) + kNewLine
                           + c_.messages.Text(Msg::ConfirmValueTryAgain));
        return false;
    }
    WriteEnd write(const QString& path) override
    {
        ParameterSet set;
        AxisSettings axes;
        if (OpenParameterFileAt(set, path, c_.dialogs, c_.messages) != Outcome::Done || !ConnectQuietly(c_.link))
            return WriteEnd::Failed;
        // A restore puts back what the file holds: its AXIS wins.
        switch (WriteParameterSet(c_, set, axes, [] { return AxisSource::PcSoft; })) {
        case WriteOutcome::Written:
            return WriteEnd::Stored;
        case WriteOutcome::WrittenModeLeft:
            c_.dialogs.message(c_.messages.Text(Msg::DataStoredControllerButControllerStays));
            return WriteEnd::StoredModeLeft;
        case WriteOutcome::Failed:
            c_.dialogs.message(c_.messages.Text(Msg::FailWriteParameters));
            return WriteEnd::Failed;
        case WriteOutcome::Stopped:
            break;
        }
        return WriteEnd::Failed;
    }
    bool verify(const QString& path) override
    {
        ParameterSet set;
        if (OpenParameterFileAt(set, path, c_.dialogs, c_.messages) != Outcome::Done || !ConnectQuietly(c_.link))
            return false;
        const auto differences = CompareWithController(c_, set);
        return differences && differences->none();
    }
    std::optional<Differences> differences(const PartFiles& files) override
    {
        return ParameterFileDifferences(files, c_.dialogs, c_.messages);
    }

private:
    ControllerContext& c_;
};

// The group data or the S/M programs: the same steps on either.
template <typename Data>
struct ProgramOperations {
    int fileNameIndex;
    int titleId;
    Outcome (*readAll)(ProgramContext&, decltype(Data::readBuffer)&);
    void (*copyRead)(const decltype(Data::readBuffer)&, decltype(Data::table)&);
    Outcome (*openAt)(ProgramFiles, Data&, const QString&);
    Outcome (*saveAt)(ProgramFiles, Data&, const QString&);
    Outcome (*writeAll)(ProgramContext&, const decltype(Data::table)&);
    QString (*differenceList)(const decltype(Data::table)&, const decltype(Data::readBuffer)&);
    bool (*fits)(Data&, const MessageCatalogue&, Dialogs&);
    std::optional<Differences> (*compare)(const PartFiles&, Dialogs&, const MessageCatalogue&);
};

template <typename Data>
class ProgramPart final : public ControllerPart {
public:
    ProgramPart(ControllerContext& controller, OperatingMode& mode, ProgramOperations<Data> operations)
        : c_(controller), context_{controller.link, mode, controller.dialogs, controller.messages, groups_},
          operations_(operations)
    {
    }
    QString fileName() const override { return BackupFileNames().at(operations_.fileNameIndex); }
    QString title() const override { return c_.messages.Text(operations_.titleId); }

    bool read(const QString& path) override
    {
        Data data;
        if (!ConnectQuietly(c_.link) || operations_.readAll(context_, data.readBuffer) != Outcome::Done)
            return false;
        operations_.copyRead(data.readBuffer, data.table);
        return operations_.saveAt(files(), data, path) == Outcome::Done;
    }
    bool check(const QString& path) override
    {
        Data data;
        return operations_.openAt(files(), data, path) == Outcome::Done && operations_.fits(data, c_.messages, c_.dialogs);
    }
    WriteEnd write(const QString& path) override
    {
        Data data;
        if (operations_.openAt(files(), data, path) != Outcome::Done || !operations_.fits(data, c_.messages, c_.dialogs)
            || !ConnectQuietly(c_.link))
            return WriteEnd::Failed;
        const WriteEnd end = RunInWriteMode(context_, [&] { return operations_.writeAll(context_, data.table); });
        if (end == WriteEnd::StoredModeLeft)
            c_.dialogs.message(c_.messages.Text(Msg::DataStoredControllerButControllerStays));
        return end;
    }
    bool verify(const QString& path) override
    {
        Data data;
        if (operations_.openAt(files(), data, path) != Outcome::Done || !ConnectQuietly(c_.link)
            || operations_.readAll(context_, data.readBuffer) != Outcome::Done)
            return false;
        return operations_.differenceList(data.table, data.readBuffer).isEmpty();
    }
    std::optional<Differences> differences(const PartFiles& files) override
    {
        return operations_.compare(files, c_.dialogs, c_.messages);
    }

private:
    ProgramFiles files() const { return {c_.dialogs, c_.messages}; }

    ControllerContext& c_;
    NoCommandGroups groups_;
    ProgramContext context_;
    ProgramOperations<Data> operations_;
};

bool GroupsFit(GroupData& data, const MessageCatalogue& messages, Dialogs& dialogs)
{
    if (GroupCheck(data.table) == Outcome::Done)
        return true;
    dialogs.message(GroupWriteCheckMessage(messages));
    return false;
}

bool SmFits(SmData& data, const MessageCatalogue& messages, Dialogs& dialogs)
{
    if (SmDataCheck(data) == Outcome::Done)
        return true;
    dialogs.message(SmCheckMessage(messages, data.refusedPrograms));
    return false;
}

}  // namespace

bool ConnectQuietly(ControllerLink& link)
{
    link.SwitchOnlineQuietly();
    return OpenPortOrReport(link) == Outcome::Done;
}

SessionParts::SessionParts(Session& session, Dialogs& dialogs)
    : controller_{session.link, session.status, dialogs, session.messages}
{
    parts_.push_back(std::make_unique<ParameterPart>(controller_));
    parts_.push_back(MakePositionPart(session, controller_));
    parts_.push_back(std::make_unique<ProgramPart<GroupData>>(
        controller_, session.mode,
        ProgramOperations<GroupData>{2, 34, ReadAllGroups, CopyReadBufferToTable, OpenProgramFileAt<GroupData>, SaveProgramFileAt<GroupData>,
                                     WriteAllGroups, GroupDifferenceList, GroupsFit, GroupFileDifferences}));
    parts_.push_back(std::make_unique<ProgramPart<SmData>>(
        controller_, session.mode,
        ProgramOperations<SmData>{3, 33, ReadAllSmPrograms, CopySmReadBufferToTable, OpenProgramFileAt<SmData>, SaveProgramFileAt<SmData>,
                                  WriteAllSmPrograms, SmDifferenceList, SmFits, SmFileDifferences}));
}

SessionParts::~SessionParts() = default;

std::vector<ControllerPart*> SessionParts::parts() const
{
    std::vector<ControllerPart*> parts;
    for (const auto& part : parts_)
        parts.push_back(part.get());
    return parts;
}

}  // namespace kvt7
