#include "DeviceColumns.h"

namespace kvt7 {

bool DeviceColumn::oldTypeEnabled() const
{
    return axisTicked && (size == QLatin1String(" 35") || size == QLatin1String(" 28"));
}

DeviceColumns::DeviceColumns(const CatalogueFile& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue)
{
}

template <typename Value>
void DeviceColumns::change(int axis, Value DeviceColumn::*field, Value value)
{
    at(axis).*field = value;
    emit columnChanged(axis);
}

void DeviceColumns::open(const std::array<AxisSetting, kAxisCount>& pc)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& setting = pc.at(std::size_t(axis - 1));
        DeviceColumn& c = at(axis);
        c = DeviceColumn();
        c.axisTicked = setting.InUse;
        c.kv = setting.Family == QLatin1String("KV");
        c.size = setting.SizeCode;
        c.speed = setting.SpeedCode;
        c.stroke = setting.StrokeMm;
        c.oldType = !setting.NewType;
        c.vertical = setting.Vertical;
        c.withPg = setting.WithPg;
    }
    catalogue_.LoadCatalogue(catalogues_);
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        refill(axis);
        emit columnChanged(axis);
    }
}

int DeviceColumns::tickedMask() const
{
    int mask = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (column(axis).axisTicked)
            mask |= 1 << (axis - 1);
    }
    return mask;
}

const CatalogueEntry* DeviceColumns::entryOf(int axis) const
{
    const DeviceColumn& c = column(axis);
    return catalogues_.at(std::size_t(axis - 1)).find(c.size, c.speed, c.stroke);
}

void DeviceColumns::setAxisTicked(int axis, bool ticked)
{
    change(axis, &DeviceColumn::axisTicked, ticked);
}

void DeviceColumns::chooseFamily(int axis, bool kv)
{
    at(axis).kv = kv;
    ActuatorCatalogues loaded;
    if (catalogue_.LoadCatalogue(loaded)) {
        catalogues_ = std::move(loaded);
        refill(axis);
    }
    emit columnChanged(axis);
}

void DeviceColumns::chooseSize(int axis, const QString& size)
{
    at(axis).size = size;
    refillSpeeds(axis);
    refillStrokes(axis);
    emit columnChanged(axis);
}

void DeviceColumns::chooseSpeed(int axis, const QString& speed)
{
    at(axis).speed = speed;
    refillStrokes(axis);
    emit columnChanged(axis);
}

void DeviceColumns::chooseStroke(int axis, int stroke)
{
    change(axis, &DeviceColumn::stroke, stroke);
}

void DeviceColumns::setOldType(int axis, bool ticked)
{
    change(axis, &DeviceColumn::oldType, ticked);
}

void DeviceColumns::setVertical(int axis, bool ticked)
{
    change(axis, &DeviceColumn::vertical, ticked);
}

void DeviceColumns::setWithPg(int axis, bool ticked)
{
    change(axis, &DeviceColumn::withPg, ticked);
}

void DeviceColumns::refill(int axis)
{
    DeviceColumn& c = at(axis);
    const ActuatorCatalogue& catalogue = catalogues_.at(std::size_t(axis - 1));
    c.sizes = catalogue.SizeList;
    c.speeds = catalogue.SpeedListOfSize(c.size);
    c.strokes = catalogue.StrokesOf(c.size, c.speed);
}

void DeviceColumns::refillSpeeds(int axis)
{
    DeviceColumn& c = at(axis);
    c.speeds = catalogues_.at(std::size_t(axis - 1)).SpeedListOfSize(c.size);
    if (!c.speeds.contains(c.speed))
        c.speed = c.speeds.value(0);
}

void DeviceColumns::refillStrokes(int axis)
{
    DeviceColumn& c = at(axis);
    c.strokes = catalogues_.at(std::size_t(axis - 1)).StrokesOf(c.size, c.speed);
    if (!c.strokes.contains(c.stroke))
        c.stroke = c.strokes.value(0);
}

}  // namespace kvt7
