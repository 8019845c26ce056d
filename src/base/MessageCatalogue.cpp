#include "MessageCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

static void InitCatalogueResource()
{
    Q_INIT_RESOURCE(messages);
}

namespace kvt7 {

int LanguageOffset(int language)
{
    return language == kJapanese ? 0 : 10000;
}

MissingMessage::MissingMessage(int storedId)
    : std::runtime_error("message " + std::to_string(storedId) + " is not in the catalogue"),
      storedId_(storedId)
{
}

std::optional<MessageCatalogue> MessageCatalogue::Parse(const QString& tsv)
{
    MessageCatalogue catalogue;
    const QStringList lines = tsv.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int id = fields.value(0).toInt(&ok);
        if (fields.size() != 3 || !ok || id < 1 || id > 9999)
            return std::nullopt;
        if (fields.at(1) != QLatin1String("-"))
            catalogue.texts_.insert(id, fields.at(1));
        if (fields.at(2) != QLatin1String("-"))
            catalogue.texts_.insert(id + 10000, fields.at(2));
    }
    return catalogue;
}

MessageCatalogue MessageCatalogue::Builtin()
{
    InitCatalogueResource();
    QFile file(QStringLiteral(":/kvt7/messages.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the message catalogue is missing from the program");
    auto catalogue = Parse(QString::fromUtf8(file.readAll()));
    if (!catalogue)
        throw std::runtime_error("the message catalogue compiled into the program is malformed");
    return *catalogue;
}

void MessageCatalogue::setLanguage(int language)
{
    language_ = language;
}

std::optional<QString> MessageCatalogue::stored(int storedId) const
{
    const auto it = texts_.constFind(storedId);
    if (it == texts_.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<QString> MessageCatalogue::lookup(int id) const
{
    return stored(id + languageOffset());
}

QString MessageCatalogue::Text(int id) const
{
    const auto text = lookup(id);
    if (!text)
        throw MissingMessage(id + languageOffset());
    return *text;
}

namespace {

// A text with %1, %2 ... as a pattern that takes anything in their place.
bool MatchesWithArguments(const QString& text, const QString& shown)
{
    if (!text.contains(QLatin1Char('%')))
        return false;
    const QRegularExpression argument(QStringLiteral("%\\d"));
    if (!text.contains(argument))
        return false;
    QString pattern;
    int from = 0;
    for (auto it = argument.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from))
                + QStringLiteral(".*");
        from = int(match.capturedEnd());
    }
    pattern += QRegularExpression::escape(text.mid(from));
    // An argument never spans lines: a message of several texts is matched line by line.
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(shown).hasMatch();
}

} // namespace

QList<int> MessageCatalogue::idsShownIn(const QString& shown) const
{
    const int offset = languageOffset();
    const auto idOf = [this, offset](const QString& part) -> std::optional<int> {
        std::optional<int> exact, patterned;
        for (auto it = texts_.constBegin(); it != texts_.constEnd(); ++it) {
            const int id = it.key() - offset;
            if (id < 1 || id > 9999 || (exact && *exact < id))
                continue;
            if (*it == part)
                exact = id;
            else if (!exact && (!patterned || id < *patterned) && MatchesWithArguments(*it, part))
                patterned = id;
        }
        return exact ? exact : patterned;
    };
    if (shown.trimmed().isEmpty())
        return {};
    if (const auto whole = idOf(shown))
        return {*whole};
    QList<int> ids;
    for (const QString& line : shown.split(QRegularExpression(QStringLiteral("\r\n|\n")))) {
        if (line.trimmed().isEmpty())
            continue;
        if (const auto id = idOf(line); id && !ids.contains(*id))
            ids.append(*id);
    }
    return ids;
}

}  // namespace kvt7
