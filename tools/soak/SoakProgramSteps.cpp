// The soak's parameter, group and S/M steps.
#include "SoakCycle.h"
#include "SoakRig.h"
#include "link/CommandGroups.h"
#include "link/LinkCommands.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "parameters/RecordApply.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramFileOperations.h"

#include <QFile>

namespace kvt7 {

namespace {

// The group and S/M operations' facilities on the soak's link.
struct SoakPrograms {
    explicit SoakPrograms(SoakRig& rig)
        : rig(rig), context{rig.link(),     rig.mode(), rig.session().dialogs,
                            rig.messages(), commands,   &rig.session().journal}
    {
    }
    ProgramFiles files() const { return {rig.dialogs, rig.messages()}; }

    SoakRig& rig;
    NoCommandGroups commands;
    ProgramContext context;
};

// The set as its file would hold it.
QByteArray SetBytes(SoakRig& rig, ParameterSet set, const QString& scratch)
{
    if (WriteParameterFileWithRetries(set, scratch, rig.dialogs, rig.messages()) != Outcome::Done)
        return {};
    QFile file(scratch);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SameGroups(const GroupRanges& table, const sim::Kvm8Simulator& sim)
{
    for (int g = 1; g <= kGroupCount; ++g)
        if (table.at(std::size_t(g)).start != sim.group(g).start || table.at(std::size_t(g)).end != sim.group(g).end)
            return false;
    return true;
}

bool SamePrograms(const SmTable& table, const sim::Kvm8Simulator& sim)
{
    for (int n = 1; n <= kSmProgramCount; ++n) {
        const sim::SmProgramData there = sim.program(n);  // a copy: program() returns by value
        for (int s = 1; s <= kSmStepCount; ++s) {
            const SmStep& step = table.program(n).step(s);
            const sim::SmStep& other = there.at(std::size_t(s - 1));
            if (step.command != other.command || step.data != other.data)
                return false;
        }
    }
    return true;
}

}  // namespace

bool SoakCycle::prepareParameters()
{
    // Two values that differ from the factory's and from cycle to cycle: block 0's S/M
    // timer and axis 2's PG timer.
    rig_.sim.setItem(sim::kCommonBlock, 5, 1 + cycle_ % 50);
    rig_.sim.setItem(sim::PartABlock(2), 7, 10 + cycle_ % 40);
    blocks_ = rig_.sim.memory().blocks;
    ParameterSet set;
    AxisSettings axes;
    rig_.link().SwitchOnlineQuietly();
    if (OpenPortOrReport(rig_.link()) != Outcome::Done || ReadAxisMask(rig_.link(), set, axes) != Outcome::Done
        || ReadAllParameters(rig_.controller(), set) != Outcome::Done)
        return false;
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    return WriteParameterFileWithRetries(set, path("pmt"), rig_.dialogs, rig_.messages()) == Outcome::Done;
}

bool SoakCycle::prepareGroups()
{
    for (int g = 1; g <= sim::kGroupCount; ++g) {
        const int start = 1 + (g * 7 + cycle_ * 13) % 900;
        groups_.at(std::size_t(g - 1)) = {start, start + (g + cycle_) % 50};
        rig_.sim.setGroup(g, groups_.at(std::size_t(g - 1)));
    }
    SoakPrograms programs(rig_);
    GroupData data;
    rig_.link().SwitchOnlineQuietly();
    return ReadGroupsFromController(programs.context, data) == Outcome::Done
           && SaveProgramFileAt(programs.files(), data, path("grp")) == Outcome::Done;
}

bool SoakCycle::preparePrograms()
{
    // A few valid steps at the head of each program, END after them.
    for (int n = 1; n <= sim::kProgramCount; ++n) {
        sim::SmProgramData& program = programs_.at(std::size_t(n - 1));
        program = {};
        const int steps = 1 + (n + cycle_) % 8;
        for (int s = 1; s <= steps; ++s) {
            const int command = 1 + (n * s + cycle_) % 6;
            const int data = command <= 4 ? 1 + (s + cycle_) % 4 : 1 + (s * n + cycle_) % 9;
            program.at(std::size_t(s - 1)) = {command, data};
        }
        rig_.sim.setProgram(n, program);
    }
    SoakPrograms programs(rig_);
    SmData data;
    rig_.link().SwitchOnlineQuietly();
    return ReadSmFromController(programs.context, data) == Outcome::Done && SaveProgramFileAt(programs.files(), data, path("smd")) == Outcome::Done;
}

bool SoakCycle::parametersAsFile(bool stored) const
{
    return rig_.sim.memory(sim::Kvm8Simulator::Copy::Working).blocks == blocks_
           && (!stored || rig_.sim.memory(sim::Kvm8Simulator::Copy::Stored).blocks == blocks_);
}

bool SoakCycle::groupsAsFile(bool stored) const
{
    return rig_.sim.memory(sim::Kvm8Simulator::Copy::Working).groups == groups_
           && (!stored || rig_.sim.memory(sim::Kvm8Simulator::Copy::Stored).groups == groups_);
}

bool SoakCycle::programsAsFile(bool stored) const
{
    return rig_.sim.memory(sim::Kvm8Simulator::Copy::Working).programs == programs_
           && (!stored || rig_.sim.memory(sim::Kvm8Simulator::Copy::Stored).programs == programs_);
}

void SoakCycle::writeParameters()
{
    ParameterSet set;
    if (!startable(OpenParameterFileAt(set, path("pmt"), rig_.dialogs, rig_.messages()) == Outcome::Done))
        return;
    const QString scratch = path("snapshot.pmt");
    const QByteArray before = SetBytes(rig_, set, scratch);
    const QByteArray file = fileBytes("pmt");
    AxisSettings axes;
    const WriteOutcome outcome = faulty(
        [&] { return WriteParameterSet(rig_.controller(), set, axes, [] { return AxisSource::PcSoft; }); });
    judgeTransfer(QStringLiteral("parameter write"), outcome == WriteOutcome::Written, parametersAsFile(true),
                  SetBytes(rig_, set, scratch) == before && fileBytes("pmt") == file);
}

void SoakCycle::verifyParameters()
{
    ParameterSet set;
    if (!startable(OpenParameterFileAt(set, path("pmt"), rig_.dialogs, rig_.messages()) == Outcome::Done))
        return;
    const auto differences = faulty([&] { return CompareWithController(rig_.controller(), set); });
    judgeVerdict(QStringLiteral("parameter verify"),
                 differences ? std::optional<bool>(differences->none()) : std::nullopt, parametersAsFile(false));
}

void SoakCycle::writeGroups()
{
    SoakPrograms programs(rig_);
    GroupData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("grp")) == Outcome::Done))
        return;
    const GroupTable before = data.table;
    const QByteArray file = fileBytes("grp");
    const Outcome result = faulty([&] { return WriteGroupsToController(programs.context, data); });
    judgeTransfer(QStringLiteral("group write"), result == Outcome::Done, groupsAsFile(true),
                  data.table.groups == before.groups && data.table.invalid == before.invalid
                      && fileBytes("grp") == file);
}

void SoakCycle::readGroups()
{
    SoakPrograms programs(rig_);
    GroupData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("grp")) == Outcome::Done))
        return;
    const GroupTable before = data.table;
    const Outcome result = faulty([&] { return ReadGroupsFromController(programs.context, data); });
    judgeTransfer(QStringLiteral("group read"), result == Outcome::Done, SameGroups(data.table.groups, rig_.sim),
                  data.table.groups == before.groups && data.table.invalid == before.invalid);
}

void SoakCycle::verifyGroups()
{
    SoakPrograms programs(rig_);
    GroupData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("grp")) == Outcome::Done))
        return;
    const ProgramVerify verdict = faulty([&] { return VerifyGroupsWithController(programs.context, data); });
    judgeVerdict(QStringLiteral("group verify"),
                 verdict == ProgramVerify::Failed ? std::nullopt : std::optional<bool>(verdict == ProgramVerify::Same),
                 groupsAsFile(false));
}

void SoakCycle::writePrograms()
{
    SoakPrograms programs(rig_);
    SmData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("smd")) == Outcome::Done))
        return;
    const SmTable before = data.table;
    const QByteArray file = fileBytes("smd");
    const Outcome result = faulty([&] { return WriteSmToController(programs.context, data); });
    judgeTransfer(QStringLiteral("S/M write"), result == Outcome::Done, programsAsFile(true),
                  data.table == before && fileBytes("smd") == file);
}

void SoakCycle::readPrograms()
{
    SoakPrograms programs(rig_);
    SmData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("smd")) == Outcome::Done))
        return;
    const SmTable before = data.table;
    const Outcome result = faulty([&] { return ReadSmFromController(programs.context, data); });
    judgeTransfer(QStringLiteral("S/M read"), result == Outcome::Done, SamePrograms(data.table, rig_.sim), data.table == before);
}

void SoakCycle::verifyPrograms()
{
    SoakPrograms programs(rig_);
    SmData data;
    if (!startable(OpenProgramFileAt(programs.files(), data, path("smd")) == Outcome::Done))
        return;
    const ProgramVerify verdict = faulty([&] { return VerifySmWithController(programs.context, data); });
    judgeVerdict(QStringLiteral("S/M verify"),
                 verdict == ProgramVerify::Failed ? std::nullopt : std::optional<bool>(verdict == ProgramVerify::Same),
                 programsAsFile(false));
}

}  // namespace kvt7
