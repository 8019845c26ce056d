#pragma once

#include "app/OptionsOperation.h"
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "platform/SettingsStore.h"
#include "support/FakeSerialDevices.h"
#include "support/ScriptedDialogs.h"

#include <QHash>
#include <gtest/gtest.h>

namespace kvt7::test {

// Remembers which keys were written, in order.
class RecordingStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString&, const QString&, const QString& key) const override
    {
        const auto it = values.constFind(key);
        return it == values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    void setValue(const QString&, const QString&, const QString& key, const QString& value) override
    {
        values[key] = value;
        written << key;
    }
    QHash<QString, QString> values;
    QStringList written;
};

class OptionsFixture : public ::testing::Test {
protected:
    OptionsFixture()
    {
        catalogue.setLanguage(kEnglish);
        settings.VelOf100Pls = {0, 0, 0};  // not read yet
        settings.AccOf100Pls = {0, 0, 0};
        settings.AccOf100Pls2 = {0, 0, 0};
        mode.SetOnline();
    }
    OptionsOk ok(const OptionsValues& values)
    {
        store.written.clear();
        return ApplyOptions(context, values);
    }

    RecordingStore store;
    SettingsSection section{store};
    AppSettings settings;
    OperatingMode mode;
    ScriptedDialogs dialogs;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    FakeSerialDevices devices;
    QStringList calls;
    Outcome unitResult = Outcome::Done;
    OptionsContext context{settings, section, mode, dialogs, catalogue, devices,
                           [this] { calls << "close-port"; },
                           [this](bool mm) {
                               calls << (mm ? "unit-mm" : "unit-pulse");
                               return unitResult;
                           },
                           std::nullopt};
};

}  // namespace kvt7::test
