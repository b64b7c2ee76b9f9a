#include "LanguageSetting.h"

#include <QLocale>
#include <QSettings>

#include "StringTable.h"

namespace {
const char kKey[] = "Language";
}

std::uint16_t languageForLocale(const QString& localeName) {
    return localeName.startsWith(QLatin1String("hu")) ? LanguageHungarian : LanguageEnglish;
}

std::uint16_t storedLanguage() {
    QSettings settings;
    bool ok = false;
    const uint value = settings.value(kKey).toUInt(&ok);
    if (ok && (value == LanguageEnglish || value == LanguageHungarian))
        return static_cast<std::uint16_t>(value);
    return languageForLocale(QLocale::system().name());
}

bool storeLanguage(std::uint16_t languageId) {
    QSettings settings;
    settings.setValue(kKey, static_cast<uint>(languageId));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
