#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace kvt7 {

static const char* const kCodePage = "windows-31j";

static QString MapLookAlikes(const QString& text)
{
    QString mapped = text;
    mapped.replace(QChar(0x301C), QChar(0xFF5E));  // wave dash -> full-width tilde
    mapped.replace(QChar(0x2212), QChar(0xFF0D));  // minus sign -> full-width hyphen-minus
    return mapped;
}

std::optional<QByteArray> EncodeCp932(const QString& text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(MapLookAlikes(text));
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> DecodeCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool FitsCp932(const QString& text)
{
    return EncodeCp932(text).has_value();
}

}  // namespace kvt7
