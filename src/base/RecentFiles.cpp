#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace kvt7 {

namespace {

QString CleanPath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RecentFiles::RecentFiles(SettingsSection& settings, QObject* parent)
    : QObject(parent), settings_(settings)
{
    for (int place = 1; place <= kLimit; ++place) {
        const QString path = settings_.text(key(place), QString());
        if (!path.isEmpty() && !paths_.contains(path))
            paths_ << path;
    }
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString clean = CleanPath(path);
    if (!paths_.isEmpty() && paths_.first() == clean)
        return;
    paths_.removeAll(clean);
    paths_.prepend(clean);
    while (paths_.size() > kLimit)
        paths_.removeLast();
    store();
}

void RecentFiles::remove(const QString& path)
{
    if (paths_.removeAll(path) == 0)
        return;
    store();
}

void RecentFiles::store()
{
    for (int place = 1; place <= kLimit; ++place)
        settings_.write(key(place), paths_.value(place - 1));
    emit changed();
}

}  // namespace kvt7
