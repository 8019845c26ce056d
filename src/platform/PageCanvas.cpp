#include "platform/PageCanvas.h"

namespace kvt7 {

QString PrintFontFamily(const QString& programFontName)
{
    // "ＭＳ 明朝" holds the Mincho ideographs; matching on them keeps full-width and half-width
    // spellings of the Latin part alike.
    if (programFontName.contains(QStringLiteral("明朝")) ||
        programFontName.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive))
        return QStringLiteral("IPAMincho");
    return QStringLiteral("IPAGothic");
}

}  // namespace kvt7
