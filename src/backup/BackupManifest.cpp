#include "BackupManifest.h"

#include "base/ProgramVersion.h"
#include "platform/FolderFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace kvt7 {

namespace {

QJsonArray AxesArray(const AxesInUse& axes)
{
    QJsonArray numbers;
    for (int axis = 1; axis <= 4; ++axis) {
        if (axes[std::size_t(axis - 1)])
            numbers.append(axis);
    }
    return numbers;
}

std::optional<AxesInUse> AxesOf(const QJsonValue& value)
{
    if (!value.isArray())
        return std::nullopt;
    AxesInUse axes{};
    for (const QJsonValue& number : value.toArray()) {
        const int axis = number.toInt(0);
        if (axis < 1 || axis > 4)
            return std::nullopt;
        axes[std::size_t(axis - 1)] = true;
    }
    return axes;
}

std::optional<ManifestFile> FileOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QString name = object.value(QStringLiteral("name")).toString();
    const QString sha = object.value(QStringLiteral("sha256")).toString();
    const double size = object.value(QStringLiteral("size")).toDouble(-1);
    if (name.isEmpty() || sha.size() != 64 || size < 0)
        return std::nullopt;
    return ManifestFile{name, qint64(size), sha.toLatin1().toLower()};
}

}  // namespace

const QStringList& BackupFileNames()
{
    static const QStringList names{QStringLiteral("parameters.pmt"), QStringLiteral("positions.kvd"),
                                   QStringLiteral("groups.grp"), QStringLiteral("programs.smd")};
    return names;
}

QByteArray ManifestJson(const BackupManifest& manifest)
{
    const BackupOrigin& origin = manifest.origin;
    const QDateTime zoned = origin.time.toOffsetFromUtc(origin.time.offsetFromUtc());
    QJsonArray files;
    for (const ManifestFile& file : manifest.files)
        files.append(QJsonObject{{QStringLiteral("name"), file.name},
                                 {QStringLiteral("size"), double(file.size)},
                                 {QStringLiteral("sha256"), QString::fromLatin1(file.sha256)}});
    const QJsonObject object{
        {QStringLiteral("time"), zoned.toString(Qt::ISODate)},
        {QStringLiteral("program"), origin.program},
        {QStringLiteral("version"), manifest.version},
        {QStringLiteral("controller"),
         QJsonObject{{QStringLiteral("version"), origin.controllerVersion},
                     {QStringLiteral("axes"), AxesArray(origin.axes)}}},
        {QStringLiteral("device"), origin.device},
        {QStringLiteral("files"), files},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<BackupManifest> ParseManifest(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonObject controller = object.value(QStringLiteral("controller")).toObject();
    const auto axes = AxesOf(controller.value(QStringLiteral("axes")));
    const QDateTime time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODate);
    if (!axes || !time.isValid() || !object.value(QStringLiteral("files")).isArray())
        return std::nullopt;
    BackupManifest manifest;
    manifest.origin = {object.value(QStringLiteral("program")).toString(),
                       object.value(QStringLiteral("device")).toString(),
                       controller.value(QStringLiteral("version")).toString(), *axes, time};
    manifest.version = object.value(QStringLiteral("version")).toString();
    for (const QJsonValue& value : object.value(QStringLiteral("files")).toArray()) {
        const auto file = FileOf(value);
        if (!file)
            return std::nullopt;
        manifest.files.append(*file);
    }
    return manifest;
}

std::optional<BackupManifest> DescribeBackupFiles(const QString& folder, const BackupOrigin& origin)
{
    BackupManifest manifest{origin, VersionNumberText(), {}};
    for (const QString& name : BackupFileNames()) {
        const auto facts = ReadFileFacts(QDir(folder).filePath(name));
        if (!facts)
            return std::nullopt;
        manifest.files.append({name, facts->size, facts->sha256});
    }
    return manifest;
}

BackupFolderCheck CheckBackupFolder(const QString& folder)
{
    BackupFolderCheck check;
    const QDir dir(folder);
    for (const QString& name : BackupFileNames()) {
        if (!QFileInfo(dir.filePath(name)).isFile())
            check.missing << name;
    }
    const auto bytes = ReadWholeFile(dir.filePath(kManifestFileName));
    check.manifestPresent = QFileInfo::exists(dir.filePath(kManifestFileName));
    if (!check.manifestPresent)
        return check;
    check.manifest = bytes ? ParseManifest(*bytes) : std::nullopt;
    check.manifestDamaged = !check.manifest;
    if (!check.manifest)
        return check;
    for (const QString& name : BackupFileNames()) {
        if (check.missing.contains(name))
            continue;
        const auto facts = ReadFileFacts(dir.filePath(name));
        const auto listed = std::find_if(check.manifest->files.cbegin(), check.manifest->files.cend(),
                                         [&name](const ManifestFile& file) { return file.name == name; });
        if (!facts || listed == check.manifest->files.cend() || listed->size != facts->size
            || listed->sha256 != facts->sha256)
            check.changed << name;
    }
    return check;
}

}  // namespace kvt7
