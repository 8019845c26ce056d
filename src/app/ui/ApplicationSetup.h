#pragma once

class QApplication;
class QTranslator;

namespace kvt7 {

class SettingsStore;

// Qt's own texts (standard buttons of the message boxes, file dialogs) in Japanese when the
// stored Language is Japanese. False when the translation is not installed.
bool LoadQtTranslations(QApplication& application, const SettingsStore& store,
                        QTranslator& translator);

// The Japanese Gothic font for every window, so that half-width katakana and full-width
// forms look alike everywhere.
void UseProgramFont(QApplication& application);

}  // namespace kvt7
