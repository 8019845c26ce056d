#pragma once

#include <QDialog>

namespace kvt7 {

class JournalStore;
class MessageCatalogue;

// Help > Journal: the last lines of the journal as they are kept, read-only, newest at the
// bottom and in view.
class JournalWindow final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShownLines = 500;

    JournalWindow(const JournalStore& journal, const MessageCatalogue& messages, QWidget* parent = nullptr);
};

}  // namespace kvt7
