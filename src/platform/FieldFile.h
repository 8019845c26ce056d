#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kvt7 {

// One field of the program's comma-separated text files.
struct Field {
    QString text;         // without the double quotes of a quoted field
    bool quoted = false;  // the field was written as text
};

// Reads fields one after another: commas and line ends both separate fields, a quoted
// field may hold commas (there is no escape for a quote inside it), a bare field is
// trimmed. Line breaks carry no meaning for the reader.
class FieldReader {
public:
    // Decodes CP932; nullopt when the file cannot be read or holds bytes that are not CP932.
    static std::optional<FieldReader> FromFile(const QString& path);
    static std::optional<FieldReader> FromBytes(const QByteArray& bytes);
    explicit FieldReader(QString text);

    bool atEnd() const;
    // The next field; nullopt past the end of the file (a read fault).
    std::optional<Field> next();
    // The next field as a number (bare or quoted, trimmed); nullopt when it is missing or
    // is not a number.
    std::optional<double> nextNumber();
    std::optional<QString> nextText();
    int position() const { return pos_; }
    // True when the last field read was ended by a line end (or the end of the text).
    bool lastFieldEndedLine() const { return endedLine_; }

private:
    QString text_;
    int pos_ = 0;
    bool afterComma_ = false;  // a comma promises one more field, even an empty one
    bool endedLine_ = true;
};

// Numeric value of a field text the way the files are read: blanks trimmed, decimal.
std::optional<double> FieldNumber(const QString& text);

// The numeric "Str" form: a leading blank for a value >= 0, a minus sign otherwise,
// no zero before the decimal point (0.5 -> " .5", 30 -> " 30").
QString StrForm(double value);

// Builds a file line by line: fields in a line are separated by commas, text is quoted,
// numbers are bare, every line ends with CR LF.
class FieldWriter {
public:
    FieldWriter& text(const QString& value);
    FieldWriter& number(qint64 value);
    FieldWriter& strForm(double value);
    FieldWriter& empty();  // nothing between the commas
    FieldWriter& endLine();

    QString content() const { return content_; }
    // CP932 bytes; nullopt when a text cannot be held by the code page.
    std::optional<QByteArray> bytes() const;

private:
    void separate();
    QString content_;
    bool lineStarted_ = false;
};

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Writes through a temporary file that replaces the target only when complete, so a failed
// write never destroys the file it would replace.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Encodes and writes; false when the text cannot be encoded or the file cannot be written.
bool WriteFieldFile(const QString& path, const FieldWriter& writer);

// Tries an operation up to `tries` times, waiting `waitMs` (with events processed) between
// attempts. True as soon as one attempt succeeds.
bool RetryFileOperation(const std::function<bool()>& attempt, int tries = 6, int waitMs = 100);

}  // namespace kvt7
