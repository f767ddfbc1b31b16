#include "ui/base/escritorio_qt.h"

#include <QDesktopServices>
#include <QUrl>

namespace tombolin {

bool EscritorioQt::AbrirUrl(const QString& url) {
    // The addresses are built already escaped ("%20"): keep them as they are.
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

bool EscritorioQt::NuevoCorreo(const QString& direccion) {
    return QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + direccion));
}

}  // namespace tombolin
