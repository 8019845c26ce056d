// Replays every stored input of every fuzz target (seeds and the inputs of crashes once
// found) through the target, built by the normal compiler: a reader that crashes on one of
// them again fails the test. Arguments: the targets to replay (all when none is given).
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <array>
#include <cstdint>
#include <cstdio>

#define KVT7_FUZZ_TARGETS(X)                                                                    \
    X(position_file) X(parameter_file) X(group_file) X(sm_file) X(actuator_catalogue)           \
    X(default_lists) X(alarm_list) X(settings) X(field_reader) X(link_replies) X(reply_parsers)

#define KVT7_DECLARE(name) extern "C" int KvtFuzz_##name(const uint8_t* data, size_t size);
KVT7_FUZZ_TARGETS(KVT7_DECLARE)
#undef KVT7_DECLARE

namespace {

struct Target {
    const char* name;
    int (*run)(const uint8_t*, size_t);
};

#define KVT7_ENTRY(name) Target{#name, &KvtFuzz_##name},
constexpr std::array kTargets{KVT7_FUZZ_TARGETS(KVT7_ENTRY)};
#undef KVT7_ENTRY

// The number of inputs replayed; -1 when the target has none (its corpus is missing).
int Replay(const Target& target, const QString& corpusRoot)
{
    const QString folder = QDir(corpusRoot).filePath(QString::fromLatin1(target.name));
    int count = 0;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return -1;
        }
        const QByteArray bytes = file.readAll();
        target.run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        ++count;
    }
    return count > 0 ? count : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString corpusRoot = QStringLiteral(KVT7_FUZZ_CORPUS_DIR);
    const QStringList wanted = app.arguments().mid(1);
    int failures = 0;
    for (const Target& target : kTargets) {
        if (!wanted.isEmpty() && !wanted.contains(QString::fromLatin1(target.name)))
            continue;
        const int count = Replay(target, corpusRoot);
        std::printf("%-20s %d inputs\n", target.name, count);
        if (count < 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
