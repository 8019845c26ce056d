#pragma once

#include "actuators/AxisSetting.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace kvt7 {

class Dialogs;
class FieldReader;
class MessageCatalogue;

constexpr int kCatalogueMaxEntries = 99;
constexpr int kCatalogueListMax = 6;
// The option code reported when the catalogue file cannot be read.
constexpr int kOptionUnreadable = 99;
// The option code reported for a triple that has no entry: both marks are written into the
// model text, so that an actuator outside the catalogue reads back as it was saved.
constexpr int kOptionNotListed = 1;

inline const QString kCatalogueFileName = QStringLiteral("nkvdevice.lst");

// One actuator of the catalogue.
struct CatalogueEntry {
    QString ModelCode;
    qint16 LeadMm = 0;
    qint16 PulsesPerRev = 0;
    qint16 PgOption = 0;        // 0 none, 1 optional ("E"), 2 always
    qint16 VerticalOption = 0;  // 0 none, 1 optional ("V"), 2 always
    // Derived from ModelCode by character position.
    QString SizeCode;   // characters 1-3
    QString SpeedCode;  // character 4
    qint16 StrokeMm = 0;  // characters 6-8

    bool matches(const QString& size, const QString& speed, int stroke) const;
};

// The value of the digits at the start of a text (blanks before them skipped), 0 when
// there are none; the way the model texts carry their strokes.
int LeadingNumber(const QString& text);

// An entry with its derived columns filled from the model code.
CatalogueEntry MakeCatalogueEntry(const QString& modelCode, qint16 leadMm, qint16 pulsesPerRev,
                                  qint16 pgOption, qint16 verticalOption);

// The catalogue as loaded for one axis.
struct ActuatorCatalogue {
    std::vector<CatalogueEntry> Entries;  // at most 99
    QStringList SizeList;   // distinct sizes in order of first appearance, at most 6
    QStringList SpeedList;  // distinct speeds in order of first appearance, at most 6
    bool CatalogueMissing = false;

    // The speeds of the entries with this size, in order of first appearance, at most 6.
    QStringList SpeedListOfSize(const QString& size) const;
    // The strokes of the entries with this size and speed, in catalogue order, each once.
    QList<int> StrokesOf(const QString& size, const QString& speed) const;
    // The first entry of the triple, or nullptr.
    const CatalogueEntry* find(const QString& size, const QString& speed, int stroke) const;
};

using ActuatorCatalogues = std::array<ActuatorCatalogue, kAxisCount>;

// The entries of a catalogue text: the count, then five fields per entry. nullopt when the
// text does not hold that layout (count missing or not a whole number, more than 99
// entries, an entry cut short, a numeric field that is not a 16-bit whole number, a lead or
// PPR below 1, an option code outside 0..2).
std::optional<std::vector<CatalogueEntry>> ParseCatalogue(FieldReader& reader);
// nullopt when the file is missing, unreadable or not in the layout.
std::optional<std::vector<CatalogueEntry>> ReadCatalogueFile(const QString& path);
// The lists of one axis built from the entries.
ActuatorCatalogue BuildCatalogue(std::vector<CatalogueEntry> entries);

struct LeadAndPpr {
    qint16 LeadMm = 0;
    qint16 PulsesPerRev = 0;
};

// The catalogue file beside the program, with the messages its readers show. Every call
// reads the file again, so a file replaced while the program runs takes effect at once.
class CatalogueFile {
public:
    CatalogueFile(QString programDir, const MessageCatalogue& messages, Dialogs& dialogs);

    QString path() const;
    const MessageCatalogue& messages() const { return messages_; }
    Dialogs& dialogs() const { return dialogs_; }

    // Loads the catalogue of each axis 1 to 4 from the file. When the file cannot be read
    // for an axis, messages 15 and 16 are shown, that axis is emptied and marked
    // CatalogueMissing, the later axes are left as they were and false is returned.
    bool LoadCatalogue(ActuatorCatalogues& catalogues) const;

    // Lead and PPR of the first matching entry; nullopt when there is none or the file
    // cannot be read (then messages 15 and 16 are shown).
    std::optional<LeadAndPpr> FindLeadAndPpr(const QString& size, const QString& speed,
                                             int stroke) const;
    // False also when the file cannot be read (message 15 is shown).
    bool IsInCatalogue(const QString& size, const QString& speed, int stroke) const;
    // The option codes of the matching entry; kOptionNotListed without one;
    // kOptionUnreadable when the file cannot be read (message 15 is shown).
    int PgOptionOf(const QString& size, const QString& speed, int stroke) const;
    int VerticalOptionOf(const QString& size, const QString& speed, int stroke) const;

private:
    std::optional<std::vector<CatalogueEntry>> read(bool fullMessage) const;
    int optionOf(qint16 CatalogueEntry::*option, const QString& size, const QString& speed,
                 int stroke) const;

    QString programDir_;
    const MessageCatalogue& messages_;
    Dialogs& dialogs_;
};

// Lead and PPR of every axis in use from its catalogue entry, then MmPerPulse, MaxPulse and
// MaxMm; an axis whose actuator is not in the catalogue keeps its lead and PPR. False when
// some axis in use is not in the catalogue.
bool TakeLeadAndPprFromCatalogue(std::array<AxisSetting, 4>& pc, const CatalogueFile& catalogue);

}  // namespace kvt7
