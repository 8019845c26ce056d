#include "FieldFile.h"

#include "Cp932.h"
#include "Wait.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

namespace kvt7 {

static bool IsLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

static bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<FieldReader> FieldReader::FromBytes(const QByteArray& bytes)
{
    auto text = DecodeCp932(bytes);
    if (!text)
        return std::nullopt;
    return FieldReader(*text);
}

std::optional<QByteArray> ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<FieldReader> FieldReader::FromFile(const QString& path)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return FromBytes(*bytes);
}

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

bool FieldReader::atEnd() const
{
    if (afterComma_)
        return false;
    for (int i = pos_; i < text_.size(); ++i) {
        const QChar c = text_.at(i);
        if (!IsBlank(c) && !IsLineEnd(c) && c != QChar(0x1A))  // 0x1A: old end-of-file mark
            return false;
    }
    return true;
}

std::optional<Field> FieldReader::next()
{
    if (pos_ >= text_.size() && !afterComma_)
        return std::nullopt;
    afterComma_ = false;
    const int n = text_.size();
    while (pos_ < n && IsBlank(text_.at(pos_)))
        ++pos_;
    Field field;
    if (pos_ < n && text_.at(pos_) == QLatin1Char('"')) {
        const int close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
        const int end = close < 0 ? n : close;
        field.text = text_.mid(pos_ + 1, end - pos_ - 1);
        field.quoted = true;
        pos_ = close < 0 ? n : close + 1;
        // Anything between the closing quote and the separator is dropped.
        while (pos_ < n && text_.at(pos_) != QLatin1Char(',') && !IsLineEnd(text_.at(pos_)))
            ++pos_;
    } else {
        const int start = pos_;
        while (pos_ < n && text_.at(pos_) != QLatin1Char(',') && !IsLineEnd(text_.at(pos_)))
            ++pos_;
        field.text = text_.mid(start, pos_ - start).trimmed();
    }
    endedLine_ = true;
    if (pos_ < n) {
        if (text_.at(pos_) == QLatin1Char(',')) {
            ++pos_;
            afterComma_ = true;
            endedLine_ = false;
        } else if (text_.at(pos_) == QLatin1Char('\r')) {
            ++pos_;
            if (pos_ < n && text_.at(pos_) == QLatin1Char('\n'))
                ++pos_;
        } else {
            ++pos_;
        }
    }
    return field;
}

std::optional<double> FieldNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> FieldReader::nextNumber()
{
    const auto field = next();
    if (!field)
        return std::nullopt;
    return FieldNumber(field->text);
}

std::optional<QString> FieldReader::nextText()
{
    const auto field = next();
    if (!field)
        return std::nullopt;
    return field->text;
}

QString StrForm(double value)
{
    QString digits = QString::number(std::fabs(value), 'g', 15);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

void FieldWriter::separate()
{
    if (lineStarted_)
        content_ += QLatin1Char(',');
    lineStarted_ = true;
}

FieldWriter& FieldWriter::text(const QString& value)
{
    separate();
    content_ += QLatin1Char('"') + value + QLatin1Char('"');
    return *this;
}

FieldWriter& FieldWriter::number(qint64 value)
{
    separate();
    content_ += QString::number(value);
    return *this;
}

FieldWriter& FieldWriter::strForm(double value)
{
    return text(StrForm(value));
}

FieldWriter& FieldWriter::empty()
{
    separate();
    return *this;
}

FieldWriter& FieldWriter::endLine()
{
    content_ += QLatin1String("\r\n");
    lineStarted_ = false;
    return *this;
}

std::optional<QByteArray> FieldWriter::bytes() const
{
    return EncodeCp932(content_);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteFieldFile(const QString& path, const FieldWriter& writer)
{
    const auto bytes = writer.bytes();
    return bytes && WriteFileAtomically(path, *bytes);
}

bool RetryFileOperation(const std::function<bool()>& attempt, int tries, int waitMs)
{
    for (int i = 0; i < tries; ++i) {
        if (attempt())
            return true;
        if (i + 1 < tries)
            WaitMs(waitMs);
    }
    return false;
}

}  // namespace kvt7
