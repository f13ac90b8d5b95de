// Removing the characters that cannot stand in a file name.
#include "app/file_names.h"

namespace prismora {

bool isForbiddenFileNameChar(QChar character)
{
    static const QString forbidden = QStringLiteral("\"*/<>?\\|");
    return forbidden.contains(character);
}

QString cleanFileName(const QString& text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    for (const QChar character : text) {
        if (!isForbiddenFileNameChar(character)) {
            cleaned.append(character);
        }
    }
    return cleaned;
}

} // namespace prismora
