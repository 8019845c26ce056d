#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <stdexcept>

namespace kvt7 {

constexpr int kJapanese = 1;
constexpr int kEnglish = 2;

// 0 for Japanese (Language 1), 10000 for any other language value.
int LanguageOffset(int language);

// Raised when a text is looked up that the catalogue does not hold; the operation that
// asked for it ends as on any unexpected error.
class MissingMessage : public std::runtime_error {
public:
    explicit MissingMessage(int storedId);
    int storedId() const { return storedId_; }

private:
    int storedId_;
};

// Every text the operator sees, by message id; English texts live at id + 10000.
class MessageCatalogue {
public:
    // The catalogue compiled into the program.
    static MessageCatalogue Builtin();
    // Parses the tab-separated form "id<TAB>Japanese<TAB>English"; "-" marks an absent text.
    static std::optional<MessageCatalogue> Parse(const QString& tsv);

    void setLanguage(int language);
    int language() const { return language_; }
    int languageOffset() const { return LanguageOffset(language_); }
    bool isJapanese() const { return languageOffset() == 0; }

    // The text of id in the current language, or nullopt when there is none.
    std::optional<QString> lookup(int id) const;
    // The text of id in the current language; throws MissingMessage when there is none.
    QString Text(int id) const;
    // The entry stored under an id as it is (1..2547 Japanese, 10001..12547 English).
    std::optional<QString> stored(int storedId) const;
    int size() const { return texts_.size(); }
    // The ids of the texts a shown message is made of: the whole text, or else each of its
    // lines, as one text of the current language (a text's %1, %2 ... match anything). A
    // text held under several ids gives the lowest; a line no text makes gives nothing.
    QList<int> idsShownIn(const QString& shown) const;

private:
    QHash<int, QString> texts_;
    int language_ = kJapanese;
};

}  // namespace kvt7
