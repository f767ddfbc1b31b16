#include "core/estado.h"

namespace tombolin {

QString RutaConSeparador(const QString& carpeta) {
    if (carpeta.endsWith(QLatin1Char('/')) || carpeta.endsWith(QLatin1Char('\\'))) return carpeta;
    return carpeta + QLatin1Char('/');
}

}  // namespace tombolin
