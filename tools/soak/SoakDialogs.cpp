#include "SoakDialogs.h"

#include <cstdio>

namespace kvt7 {

Answer SoakDialogs::message(const QString& text, Buttons buttons, Icon)
{
    if (echo_)
        std::fprintf(stderr, "message: %s\n", qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" | "))));
    switch (buttons) {
    case Buttons::Ok:
        shown_.append(text);
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::YesNoCancel:
        return Answer::No;
    }
    return Answer::Ok;
}

}  // namespace kvt7
