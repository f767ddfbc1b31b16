#include "statistics/historial.h"

#include "core/fechas.h"

namespace tombolin {

QString TextoSorteo(const Sorteo& s) {
    QString t;
    for (int i = 0; i < 5; ++i) {
        if (s.Numeros[i] < 10) t += QLatin1Char(' ');
        t += QString::number(s.Numeros[i]) + QLatin1Char('-');
    }
    t += QString::number(s.Numeros[5]);
    t += s.Numeros[5] < 10 ? QStringLiteral("   C: ") : QStringLiteral("  C: ");
    t += QString::number(s.Complementario);
    if (s.Complementario < 10) t += QLatin1Char(' ');
    t += QStringLiteral(" R: ");
    t += s.Reintegro == -1 ? QStringLiteral("-") : QString::number(s.Reintegro);
    return t;
}

QString TextoFechaHistorial(const Sorteo& s) {
    const QDate fecha = OleAFecha(s.Fecha);
    const QString dia = diasemana(fecha);
    return FechaCorta(fecha) + QStringLiteral("  ") + dia +
           (dia == QStringLiteral("Lunes") ? QStringLiteral(" ") : QString());
}

}  // namespace tombolin
