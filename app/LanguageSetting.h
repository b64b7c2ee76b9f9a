#pragma once
#include <cstdint>
#include <QString>

// The interface language kept per user. Never set yet, the desktop's locale decides:
// Hungarian for a Hungarian locale, English otherwise.
std::uint16_t storedLanguage();
// Language from a locale name such as "hu_HU" (Hungarian for "hu", else English).
std::uint16_t languageForLocale(const QString& localeName);
// Keeps the choice for the next start; false when it could not be stored.
bool storeLanguage(std::uint16_t languageId);
