#include "core/sistema.h"

#include <QRegularExpression>
#include <QStringList>
#include <QSysInfo>

namespace tombolin {

QString NativeGetVersion() {
    return VersionDeNucleo(QSysInfo::kernelVersion());
}

QString VersionDeNucleo(const QString& nucleo) {
    // The leading numbers, with 0 for any missing: "6.1.0-18-amd64" → 6.1.0, "6.5" → 6.5.0.
    static const QRegularExpression numeros(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch m = numeros.match(nucleo.trimmed());
    if (!m.hasMatch()) return QStringLiteral("0.0.0");
    QStringList partes;
    for (int i = 1; i <= 3; ++i) {
        const QString n = m.captured(i);
        partes << QString::number(n.isEmpty() ? 0 : n.toLongLong());
    }
    return partes.join(QLatin1Char('.'));
}

QString VersionToName(const QString& version) {
    static const struct {
        const char* version;
        const char* nombre;
    } kNombres[] = {
        {"2.5.0", "Windows 2000"},   {"2.5.1", "Windows XP"}, {"2.5.2", "Windows 2003"},
        {"2.6.0", "Windows Vista"},  {"2.6.1", "Windows 7"},  {"2.6.2", "Windows 8"},
        {"2.10.0", "Windows 10/11"},
    };
    for (const auto& n : kNombres) {
        if (version == QLatin1String(n.version)) return QLatin1String(n.nombre);
    }
    return version;
}

}  // namespace tombolin
