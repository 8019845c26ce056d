#include "ActuatorCatalogue.h"
#include "base/MessageIds.h"

#include "actuators/UnitConversion.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"

#include <QDir>
#include <cmath>
#include <limits>

namespace kvt7 {

bool CatalogueEntry::matches(const QString& size, const QString& speed, int stroke) const
{
    return SizeCode == size && SpeedCode == speed && StrokeMm == stroke;
}

int LeadingNumber(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    int value = 0;
    // Capped well above any stroke, so a run of digits cannot overflow.
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        value = std::min(value * 10 + (text.at(i).unicode() - '0'), 1000000);
    return value;
}

CatalogueEntry MakeCatalogueEntry(const QString& modelCode, qint16 leadMm, qint16 pulsesPerRev,
                                  qint16 pgOption, qint16 verticalOption)
{
    CatalogueEntry entry;
    entry.ModelCode = modelCode;
    entry.LeadMm = leadMm;
    entry.PulsesPerRev = pulsesPerRev;
    entry.PgOption = pgOption;
    entry.VerticalOption = verticalOption;
    entry.SizeCode = modelCode.mid(0, 3);
    entry.SpeedCode = modelCode.mid(3, 1);
    entry.StrokeMm = qint16(LeadingNumber(modelCode.mid(5, 3)));
    return entry;
}

static std::optional<qint16> NextInt16(FieldReader& reader, int lowest, int highest)
{
    const auto value = reader.nextNumber();
    if (!value || *value != std::trunc(*value) || *value < lowest || *value > highest)
        return std::nullopt;
    return qint16(*value);
}

std::optional<std::vector<CatalogueEntry>> ParseCatalogue(FieldReader& reader)
{
    const auto count = reader.nextNumber();
    // Entry numbers run from 1 to 99; a count beyond that does not fit the table.
    if (!count || *count != std::trunc(*count) || *count < 0 || *count > kCatalogueMaxEntries)
        return std::nullopt;
    constexpr int kInt16Max = std::numeric_limits<qint16>::max();
    std::vector<CatalogueEntry> entries;
    for (int i = 0; i < int(*count); ++i) {
        const auto code = reader.nextText();
        if (!code)
            return std::nullopt;
        // A lead or PPR of 0 would reach the unit conversions as a division by zero.
        const auto lead = NextInt16(reader, 1, kInt16Max);
        const auto ppr = lead ? NextInt16(reader, 1, kInt16Max) : std::nullopt;
        const auto pg = ppr ? NextInt16(reader, 0, 2) : std::nullopt;
        const auto vertical = pg ? NextInt16(reader, 0, 2) : std::nullopt;
        if (!vertical)
            return std::nullopt;
        entries.push_back(MakeCatalogueEntry(*code, *lead, *ppr, *pg, *vertical));
    }
    return entries;
}

std::optional<std::vector<CatalogueEntry>> ReadCatalogueFile(const QString& path)
{
    auto reader = FieldReader::FromFile(path);
    if (!reader)
        return std::nullopt;
    return ParseCatalogue(*reader);
}

static void AppendDistinct(QStringList& list, const QString& value)
{
    if (list.size() < kCatalogueListMax && !list.contains(value))
        list.append(value);
}

ActuatorCatalogue BuildCatalogue(std::vector<CatalogueEntry> entries)
{
    ActuatorCatalogue catalogue;
    catalogue.Entries = std::move(entries);
    for (const CatalogueEntry& entry : catalogue.Entries) {
        AppendDistinct(catalogue.SizeList, entry.SizeCode);
        AppendDistinct(catalogue.SpeedList, entry.SpeedCode);
    }
    return catalogue;
}

QStringList ActuatorCatalogue::SpeedListOfSize(const QString& size) const
{
    QStringList speeds;
    for (const CatalogueEntry& entry : Entries) {
        if (entry.SizeCode == size)
            AppendDistinct(speeds, entry.SpeedCode);
    }
    return speeds;
}

QList<int> ActuatorCatalogue::StrokesOf(const QString& size, const QString& speed) const
{
    QList<int> strokes;
    for (const CatalogueEntry& entry : Entries) {
        if (entry.SizeCode == size && entry.SpeedCode == speed && !strokes.contains(entry.StrokeMm))
            strokes.append(entry.StrokeMm);
    }
    return strokes;
}

static const CatalogueEntry* lookup(const std::vector<CatalogueEntry>& entries,
                                    const QString& size, const QString& speed, int stroke)
{
    for (const CatalogueEntry& entry : entries) {
        if (entry.matches(size, speed, stroke))
            return &entry;
    }
    return nullptr;
}

const CatalogueEntry* ActuatorCatalogue::find(const QString& size, const QString& speed,
                                              int stroke) const
{
    return lookup(Entries, size, speed, stroke);
}

CatalogueFile::CatalogueFile(QString programDir, const MessageCatalogue& messages, Dialogs& dialogs)
    : programDir_(std::move(programDir)), messages_(messages), dialogs_(dialogs)
{
}

QString CatalogueFile::path() const
{
    return QDir(programDir_).filePath(kCatalogueFileName);
}

std::optional<std::vector<CatalogueEntry>> CatalogueFile::read(bool fullMessage) const
{
    auto entries = ReadCatalogueFile(path());
    if (!entries) {
        QString text = messages_.Text(Msg::NoDeviceListFile);
        if (fullMessage)
            text += QStringLiteral("\r\n")
                    + messages_.Text(Msg::PutDeviceListFileFolderProgramSavedOrder);
        dialogs_.message(text);
    }
    return entries;
}

bool CatalogueFile::LoadCatalogue(ActuatorCatalogues& catalogues) const
{
    for (ActuatorCatalogue& catalogue : catalogues) {
        auto entries = read(true);
        if (!entries) {
            catalogue = ActuatorCatalogue();
            catalogue.CatalogueMissing = true;
            return false;
        }
        catalogue = BuildCatalogue(std::move(*entries));
    }
    return true;
}

std::optional<LeadAndPpr> CatalogueFile::FindLeadAndPpr(const QString& size, const QString& speed,
                                                        int stroke) const
{
    const auto entries = read(true);
    if (!entries)
        return std::nullopt;
    const CatalogueEntry* entry = lookup(*entries, size, speed, stroke);
    if (!entry)
        return std::nullopt;
    return LeadAndPpr{entry->LeadMm, entry->PulsesPerRev};
}

bool CatalogueFile::IsInCatalogue(const QString& size, const QString& speed, int stroke) const
{
    const auto entries = read(false);
    return entries && lookup(*entries, size, speed, stroke) != nullptr;
}

int CatalogueFile::optionOf(qint16 CatalogueEntry::*option, const QString& size, const QString& speed,
                            int stroke) const
{
    const auto entries = read(false);
    if (!entries)
        return kOptionUnreadable;
    const CatalogueEntry* entry = lookup(*entries, size, speed, stroke);
    return entry ? entry->*option : kOptionNotListed;
}

int CatalogueFile::PgOptionOf(const QString& size, const QString& speed, int stroke) const
{
    return optionOf(&CatalogueEntry::PgOption, size, speed, stroke);
}

int CatalogueFile::VerticalOptionOf(const QString& size, const QString& speed, int stroke) const
{
    return optionOf(&CatalogueEntry::VerticalOption, size, speed, stroke);
}

bool TakeLeadAndPprFromCatalogue(std::array<AxisSetting, 4>& pc, const CatalogueFile& catalogue)
{
    bool allFound = true;
    for (AxisSetting& axis : pc) {
        if (!axis.InUse)
            continue;
        if (const auto found = catalogue.FindLeadAndPpr(axis.SizeCode, axis.SpeedCode, axis.StrokeMm)) {
            axis.LeadMm = found->LeadMm;
            axis.PulsesPerRev = found->PulsesPerRev;
        } else {
            allFound = false;
        }
        axis.Chosen = true;
        RecomputeMmPerPulse(axis);
    }
    ComputeMaxPulses(pc);
    ComputeMaxMm(pc);
    return allFound;
}

}  // namespace kvt7
