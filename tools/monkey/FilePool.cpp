#include "FilePool.h"

#include "Random.h"
#include "SoakRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace kvt7 {

namespace {

const QStringList kKinds{QStringLiteral("kvd"), QStringLiteral("pmt"), QStringLiteral("grp"),
                         QStringLiteral("smd")};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Extension(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

}  // namespace

FilePool::FilePool(const QString& folder, Random& random) : folder_(folder), random_(random) {}

bool FilePool::make(QString* error)
{
    QDir(folder_).mkpath(QStringLiteral("saved"));
    // A table of many positions and a short one; parameters, groups and S/M from the first.
    if (!makeGood(QDir(folder_).filePath(QStringLiteral(".many")), 150, kKinds, error)
        || !makeGood(QDir(folder_).filePath(QStringLiteral(".few")), 12, {QStringLiteral("kvd")}, error))
        return false;
    makeDamaged();
    return true;
}

bool FilePool::makeGood(const QString& scratch, int positions, const QStringList& keep, QString* error)
{
    SoakPlan plan;
    plan.positions = positions;
    plan.faultRate = 0;
    QDir().mkpath(scratch);
    const SoakReport report = RunSoak(plan, 1, scratch, [](const QString&) {});
    if (!SoakPassed(report)) {
        *error = QStringLiteral("the good files could not be made: ") + SoakSummary(report).join(QStringLiteral("; "));
        return false;
    }
    for (const QString& kind : keep) {
        const QString name = QStringLiteral("good-%1.%2").arg(positions).arg(kind);
        write(name, ReadAll(QDir(scratch).filePath(QStringLiteral("soak.") + kind)));
        good_ << QDir(folder_).filePath(name);
    }
    QDir(scratch).removeRecursively();
    return true;
}

// Copies that a failed copy, a bad disk or a wrong choice leaves: cut short at a random
// place, a few bytes garbled, another kind's content under this name, nothing at all.
void FilePool::makeDamaged()
{
    const QStringList good = openable_;
    for (const QString& path : good) {
        const QByteArray bytes = ReadAll(path);
        const QString base = QFileInfo(path).completeBaseName();
        const QString kind = Extension(path);
        write(QStringLiteral("cut-%1.%2").arg(base, kind), bytes.left(random_.between(1, int(bytes.size()) - 1)));
        QByteArray garbled = bytes;
        for (int n = random_.between(1, 8); n > 0 && !garbled.isEmpty(); --n)
            garbled[random_.below(int(garbled.size()))] = char(random_.below(256));
        write(QStringLiteral("garbled-%1.%2").arg(base, kind), garbled);
    }
    for (const QString& kind : kKinds) {
        const QString other = kKinds.at((kKinds.indexOf(kind) + 1) % kKinds.size());
        for (const QString& path : good) {
            if (Extension(path) == other) {
                write(QStringLiteral("wrong-%1.%2").arg(other, kind), ReadAll(path));
                break;
            }
        }
        write(QStringLiteral("empty.") + kind, QByteArray());
    }
    damaged_ = int(openable_.size() - good.size());
}

void FilePool::write(const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(folder_).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    file.close();
    add(path);
}

void FilePool::add(const QString& path)
{
    if (!openable_.contains(path))
        openable_.append(path);
    known_.insert(path, Known{Stamp(path), Sum(path)});
}

QString FilePool::pickForOpen(const QString& extension)
{
    QStringList ofKind;
    QStringList goodOfKind;
    for (const QString& path : openable_)
        if (Extension(path) == extension.toLower())
            (good_.contains(path) ? goodOfKind : ofKind) << path;
    if (!goodOfKind.isEmpty() && random_.chance(45))
        return random_.pick(goodOfKind);
    ofKind << goodOfKind;
    if (ofKind.isEmpty() || random_.chance(20))
        return random_.pick(openable_);
    return random_.pick(ofKind);
}

QString FilePool::pickForSave(const QString& extension)
{
    QStringList ofKind;
    for (const QString& path : openable_)
        if (Extension(path) == extension.toLower())
            ofKind << path;
    if (!ofKind.isEmpty() && random_.chance(30))
        return random_.pick(ofKind);
    return QDir(folder_).filePath(QStringLiteral("saved/saved-%1.%2").arg(++saves_).arg(extension));
}

void FilePool::saved(const QString& path)
{
    savedSinceLook_.insert(QFileInfo(path).absoluteFilePath());
}

QStringList FilePool::unexpectedChanges(const QStringList& tableFiles, bool tableSaveAllowed)
{
    QStringList changed;
    QSet<QString> tables;
    for (const QString& file : tableFiles)
        if (!file.isEmpty())
            tables.insert(QFileInfo(file).absoluteFilePath());
    // A file saved for the first time joins the pool: later runs may open it.
    for (const QString& path : std::as_const(savedSinceLook_))
        if (!known_.contains(path) && QFileInfo::exists(path))
            add(path);
    for (auto it = known_.begin(); it != known_.end(); ++it) {
        const QByteArray stamp = Stamp(it.key());
        if (stamp == it->stamp)
            continue;
        const QByteArray sum = Sum(it.key());
        const QString path = QFileInfo(it.key()).absoluteFilePath();
        const bool expected = savedSinceLook_.contains(path) || (tableSaveAllowed && tables.contains(path));
        if (sum != it->sum && !expected)
            changed << it.key();
        *it = Known{stamp, sum};
    }
    savedSinceLook_.clear();
    return changed;
}

QByteArray FilePool::Stamp(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArrayLiteral("absent");
    return QByteArray::number(qulonglong(info.st_ino)) + ' ' + QByteArray::number(qlonglong(info.st_size)) + ' '
        + QByteArray::number(qlonglong(info.st_mtim.tv_sec)) + '.' + QByteArray::number(qlonglong(info.st_mtim.tv_nsec));
}

QByteArray FilePool::Sum(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("absent");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

}  // namespace kvt7
