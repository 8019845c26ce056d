#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSetting.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

namespace kvt7 {

// What one axis column of the device windows shows.
struct DeviceColumn {
    bool axisTicked = false;  // chkAxisEnable
    bool kv = true;           // optKvSelect: "KV" (true) or "RQ"
    QStringList sizes;        // comboDeviceSize
    QStringList speeds;       // comboDeviceSpeed
    QList<int> strokes;       // comboDeviceStroke
    QString size;             // the shown values; an actuator outside the catalogue
    QString speed;            // shows values that are not in the lists
    int stroke = 0;
    bool oldType = false;     // chkNewOrOld
    bool vertical = false;    // chkDevVsiyou
    bool withPg = false;      // chkDevPgUse

    bool controlsEnabled() const { return axisTicked; }
    // The old-type box exists only for the sizes that were built both ways.
    bool oldTypeEnabled() const;
    // Encoder and vertical variants exist only for the KV family.
    bool kvBoxesEnabled() const { return axisTicked && kv; }
    // A disabled old-type box counts as clear.
    bool oldTypeChosen() const { return oldType && oldTypeEnabled(); }
    bool sizeListed() const { return sizes.contains(size); }
    bool speedListed() const { return speeds.contains(speed); }
    bool strokeListed() const { return strokes.contains(stroke); }
};

// The four columns of chkAxisEnable, optKvSelect, the three lists and the three boxes that
// OfflineActuatorDialog and OnlineActuatorDialog share. The windows render it and feed the operator's clicks in.
class DeviceColumns : public QObject {
    Q_OBJECT
public:
    explicit DeviceColumns(const CatalogueFile& catalogue, QObject* parent = nullptr);

    // Shows the given setting (the PC's) and loads the catalogue; an unreadable catalogue
    // has shown its messages and leaves the lists empty.
    void open(const std::array<AxisSetting, kAxisCount>& pc);

    // axis 1..4
    const DeviceColumn& column(int axis) const { return columns_.at(std::size_t(axis - 1)); }
    // The mask of the ticked axes (bit 0 = axis 1).
    int tickedMask() const;
    // The catalogue entry of the axis's size, speed and stroke as last loaded, or nullptr.
    const CatalogueEntry* entryOf(int axis) const;

    void setAxisTicked(int axis, bool ticked);
    // Reloads the catalogue and, when it was readable, refills the axis's lists.
    void chooseFamily(int axis, bool kv);
    void chooseSize(int axis, const QString& size);
    void chooseSpeed(int axis, const QString& speed);
    void chooseStroke(int axis, int stroke);
    void setOldType(int axis, bool ticked);
    void setVertical(int axis, bool ticked);
    void setWithPg(int axis, bool ticked);

    const CatalogueFile& catalogue() const { return catalogue_; }

signals:
    // Something of the axis's column changed; the window redraws it.
    void columnChanged(int axis);

private:
    DeviceColumn& at(int axis) { return columns_.at(std::size_t(axis - 1)); }
    // One value of the axis's column as the operator set it, the window told.
    template <typename Value>
    void change(int axis, Value DeviceColumn::*field, Value value);
    // The lists of the axis from its catalogue, each value kept when listed, else the first.
    void refill(int axis);
    void refillSpeeds(int axis);
    void refillStrokes(int axis);

    const CatalogueFile& catalogue_;
    ActuatorCatalogues catalogues_;
    std::array<DeviceColumn, kAxisCount> columns_;
};

}  // namespace kvt7
