#pragma once

#include "base/AppSettings.h"

#include <QObject>
#include <QStringList>

namespace kvt7 {

// The data files used last (positions, parameters, groups, S/M), most recent first, at most
// eight. Kept in the settings as RecentFile1 … RecentFile8 (paths as text; an unused key is
// empty) and written on every change, so the list outlives a crash.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 8;

    // Reads the stored list; empty keys and repeats are skipped.
    explicit RecentFiles(SettingsSection& settings, QObject* parent = nullptr);

    const QStringList& paths() const { return paths_; }
    // Puts the file on top (absolute and clean), dropping it from further down and the oldest
    // beyond the limit.
    void add(const QString& path);
    void remove(const QString& path);

    static QString key(int place) { return QStringLiteral("RecentFile") + QString::number(place); }

signals:
    void changed();

private:
    void store();

    SettingsSection& settings_;
    QStringList paths_;
};

}  // namespace kvt7
