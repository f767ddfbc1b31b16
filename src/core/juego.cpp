#include "core/juego.h"

#include <QStringList>
#include <cmath>

#include "core/fechas.h"

namespace tombolin {

bool JuegaSorteo(const Pena& pena, const Sorteo& sorteo) {
    // Days, not instants: a creation date with a time of day still takes that day's draw.
    if (std::trunc(sorteo.Fecha) < std::trunc(pena.FechaCreacion)) return false;
    const QString d = pena.DiasVisibles();
    if (d == QStringLiteral("Todos (L+J+S)")) return true;
    const QString w = diasemana(OleAFecha(sorteo.Fecha));
    if (d == w) return true;
    return d == QStringLiteral("Jueves y Sábado") &&
           (w == QStringLiteral("Jueves") || w == QStringLiteral("Sábado"));
}

int cuantos(int codigo) {
    static constexpr int kNumeros[] = {7, 8, 5, 9, 10, 11};
    static constexpr int kApuestas[] = {7, 28, 44, 84, 210, 462};
    if (codigo >= 501 && codigo <= 506) return kNumeros[codigo - 501];
    if (codigo >= 507 && codigo <= 512) return kApuestas[codigo - 507];
    if (codigo < 500) return codigo - 6;
    return 0;
}

int NumerosPorLinea(const Pena& pena) {
    return pena.NumApuestas < 500 ? 6 : cuantos(pena.NumApuestas);
}

int LineasEnUso(const Pena& pena) {
    return pena.NumApuestas < 501 ? pena.NumApuestas : 1;
}

QString TextoApuesta(const Apuesta& apuesta, int numeros) {
    QStringList partes;
    for (int c = 0; c < numeros && c < Apuesta::kColumnas; ++c) {
        partes << QString::number(apuesta.Columnas[c]).rightJustified(2, QLatin1Char(' '));
    }
    return partes.join(QLatin1Char('-'));
}

QString TextoVisible(const QString& campo) {
    QString t = campo;
    while (!t.isEmpty() && (t.back() == QLatin1Char(' ') || t.back() == QChar(u'\0'))) t.chop(1);
    for (QChar& c : t) {
        if (!c.isPrint()) c = QLatin1Char('?');
    }
    return t;
}

}  // namespace tombolin
