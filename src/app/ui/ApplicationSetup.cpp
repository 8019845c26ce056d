#include "ApplicationSetup.h"

#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace kvt7 {

bool LoadQtTranslations(QApplication& application, const SettingsStore& store,
                        QTranslator& translator)
{
    // The language as the start will read it; an unreadable value stays Japanese.
    AppSettings values;
    ReadStartPreferences(SettingsSection(const_cast<SettingsStore&>(store)), values);
    if (values.Language != kJapanese)
        return false;
    if (!translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return application.installTranslator(&translator);
}

void UseProgramFont(QApplication& application)
{
    QFont font(QStringLiteral("IPAPGothic"), 9);
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
}

}  // namespace kvt7
