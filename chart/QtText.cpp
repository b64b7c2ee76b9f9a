#include "QtText.h"

#include <QList>
#include <cstring>

#include "CodePage.h"

QString fromCp1250(std::string_view text) {
    return QString::fromStdString(cp1250ToUtf8(text));
}

std::string toCp1250(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    const QList<uint> codePoints = text.toUcs4();
    for (const uint cp : codePoints) {
        int byte = encodeCp1250(cp);
        if (byte < 0) {
            // The first character of the canonical decomposition is the base letter, if any.
            const QString decomposed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1)
                                           .normalized(QString::NormalizationForm_D);
            const QList<uint> parts = decomposed.toUcs4();
            if (parts.size() > 1)
                byte = encodeCp1250(parts.front());
            if (byte < 0)
                byte = latinBaseLetter(cp) ? static_cast<int>(latinBaseLetter(cp)) : '?';
        }
        out += static_cast<char>(byte);
    }
    return out;
}

void toCp1250Field(const QString& text, char* field, std::size_t size) {
    if (size == 0)
        return;
    const std::string bytes = toCp1250(text);
    const std::size_t n = std::min(bytes.size(), size - 1);
    std::memcpy(field, bytes.data(), n);
    std::memset(field + n, 0, size - n);
}
