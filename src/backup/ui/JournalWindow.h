#pragma once

#include <QDialog>

namespace kvt7 {

class JournalStore;
class MessageCatalogue;

// Help > Journal: the last lines of the journal as a read-only table (time, front end, device,
// version, what, file, result), newest at the bottom and in view; a line that is no entry is
// one row that says so.
class JournalWindow final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShownLines = 500;

    JournalWindow(const JournalStore& journal, const MessageCatalogue& messages, QWidget* parent = nullptr);
};

}  // namespace kvt7
