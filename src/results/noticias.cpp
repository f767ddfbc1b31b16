#include "results/noticias.h"

#include <QFile>
#include <tuple>

#include "core/configuracion.h"
#include "core/estado.h"
#include "core/fechas.h"
#include "results/analisis.h"

namespace tombolin {

bool TraerNoticias(Estado& estado, Transferencia& noticias, QDate hoy) {
    const QDate ultimo = OleAFecha(estado.SorteoActual.Fecha);
    if (estado.SorteoActual.Fecha == 0 || !ultimo.isValid() || ultimo.addDays(3) > hoy) {
        return false;
    }
    if (estado.Penas.Cuenta() == 0) return false;
    const QString fichero = estado.Fichero(kFicheroNoticias);
    qint64 antes = 0;
    {
        // Made when missing: a file that can't even be made is no place for news.
        QFile f(fichero);
        if (!f.open(QIODevice::ReadWrite)) return false;
        antes = f.size();
    }
    const QString url = (QStringLiteral("http://") + estado.Config.DireccionVisible() +
                         QStringLiteral("/informe.dat"))
                            .toLower();
    noticias.TraerAFichero(url, fichero);
    QFile f(fichero);
    const QByteArray ahora = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (ahora.size() <= 300 || ahora.size() == antes) return false;
    const QString web = DireccionEnNoticias(ahora);
    if (!web.isEmpty() && web != estado.Config.DireccionVisible()) {
        estado.Config.DireccionWeb = web;
        // Kept for the run even where the settings can't be written (named at start).
        std::ignore = GuardarConfiguracion(estado);
    }
    return true;
}

}  // namespace tombolin
