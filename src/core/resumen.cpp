#include "core/resumen.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/fechas.h"
#include "core/juego.h"

namespace tombolin {

QDate ProximoSorteo(QDate hoy, QDate ultimoGuardado) {
    QDate d = hoy == ultimoGuardado ? hoy.addDays(1) : hoy;
    for (;;) {
        const QString w = diasemana(d);
        if (w == QStringLiteral("Lunes") || w == QStringLiteral("Jueves") ||
            w == QStringLiteral("Sábado")) {
            return d;
        }
        d = d.addDays(1);
    }
}

QString TextoCuentaAtras(QDate hoy, QDate proximo) {
    const qint64 n = hoy.daysTo(proximo);
    if (n == 0) return QStringLiteral("¡Hoy sorteo!");
    return QStringLiteral("Faltan ") + QString::number(n) + QStringLiteral(" días");
}

QString TextoAvisoActualizacion(QDate hoy, double fechaUltimo) {
    const QDate ultimo = OleAFecha(fechaUltimo);
    const qint64 a = ultimo.isValid() ? ultimo.daysTo(hoy) : 0;
    if (ultimo.isValid() && a <= 7) return {};
    if (ultimo.isValid() && a < 16) return QStringLiteral("Falta 1 semana por actualizar");
    if (fechaUltimo == 0 || !ultimo.isValid()) return QStringLiteral("No se ha actualizado nunca");
    return QStringLiteral("Faltan ") + QString::number(a / 7) +
           QStringLiteral(" semanas por actualizar");
}

QString TextoPorcentaje(double p) {
    const double r = std::round(p * 10.0) / 10.0;
    return QLocale(QLocale::Spanish, QLocale::Spain)
        .toString(r, 'f', r == std::trunc(r) ? 0 : 1)
        .remove(QLatin1Char('.'));  // no thousands separator
}

Actualizacion CalcularActualizacion(const std::vector<Sorteo>& sorteos,
                                    const std::vector<Pena>& penas, QDate hoy) {
    Actualizacion r;
    r.SorteoLibre = static_cast<int>(sorteos.size()) + 1;
    std::vector<ReglaJuego> reglas;
    for (const Pena& p : penas) reglas.push_back(ReglaJuego::De(p));
    for (const Sorteo& s : sorteos) {
        const DiaSorteo d = DiaDeSorteo(s.Fecha);
        r.SorteosJugados += std::any_of(reglas.begin(), reglas.end(),
                                        [&](const ReglaJuego& j) { return j.Juega(d); });
    }
    if (!sorteos.empty()) r.Ultimo = sorteos.back();
    const QDate ultimo = OleAFecha(r.Ultimo.Fecha);
    r.TextoUltimo = r.Ultimo.Fecha == 0 || !ultimo.isValid()
                        ? QStringLiteral("Fichero de datos vacío.")
                        : FechaLarga(ultimo);
    r.Proximo = ProximoSorteo(hoy, ultimo);
    r.TextoProximo = FechaLarga(r.Proximo);
    r.TextoCuenta = TextoCuentaAtras(hoy, r.Proximo);
    r.TextoAviso = TextoAvisoActualizacion(hoy, r.Ultimo.Fecha);
    return r;
}

ResumenTodas CalcularResumen(const std::vector<Pena>& penas, int sorteosJugados) {
    ResumenTodas r;
    r.Penas = static_cast<int>(penas.size());
    if (penas.empty()) {
        r.TextoEfectividad = QStringLiteral("¡Nunca has acertado nada!");
        return r;
    }
    for (const Pena& p : penas) {
        for (int k = 3; k <= 7; ++k) r.Total += p.Aciertos[k];
    }
    const int t = r.Total;
    const int j = sorteosJugados;
    double p = 0;
    if (t < j) {
        r.SinPremio = j - t;
        r.ConPremio = t;
        p = 100.0 * t / j;
    } else if (t > 0) {
        r.SinPremio = 0;
        r.ConPremio = t;
        p = 100;
    } else {
        // Neither prizes nor played draws (or counters that went negative): one whole slice.
        r.SinPremio = 1;
        r.ConPremio = 0;
    }
    r.TextoEfectividad = TextoPorcentaje(p) + QStringLiteral("% de efectividad en premios");
    r.TextoJugados = QStringLiteral("en ") + QString::number(j) + QStringLiteral(" sorteos");
    return r;
}

FichaPena CalcularFicha(const Pena& pena, const std::vector<Sorteo>& sorteos, float precio) {
    FichaPena f;
    const TipoPena tipo = TipoDePena(pena);
    if (tipo == TipoPena::Danada) {
        f.Danada = true;
        f.ErrorLectura = kErrorIndiceFueraDeRango;
        return f;
    }
    f.GastoSemanal = GastoSemanal(pena, precio);
    const int m = NumerosPorLinea(pena);
    for (int i = 0; i < LineasEnUso(pena); ++i) f.Lineas << TextoApuesta(pena.Apuestas[i], m);

    f.Contadores = {pena.Aciertos[3], pena.Aciertos[4], pena.Aciertos[5], pena.Aciertos[7],
                    pena.Aciertos[6]};
    for (int c : f.Contadores) f.Total += c;

    int jugados = 0;
    const ReglaJuego regla = ReglaJuego::De(pena);
    for (const Sorteo& s : sorteos) jugados += regla.Juega(DiaDeSorteo(s.Fecha));
    f.Jugados = jugados;
    if (sorteos.empty()) {
        f.TextoJugados = QStringLiteral("0");
        f.TextoEfectividad = f.Total != 0 ? QStringLiteral("100 %") : QStringLiteral("-");
    } else {
        f.TextoJugados = QString::number(jugados);
        const double p = jugados > 0 ? 100.0 * f.Total / jugados : 0;
        f.TextoEfectividad = TextoPorcentaje(p) + QStringLiteral(" %");
    }
    f.SinPremio = std::max(jugados - f.Total, 0);
    f.ConPremio = f.Total;

    if (pena.ReducidaNumeros != 0) {
        f.Descripcion = QStringLiteral("-Reducida de ") + QString::number(pena.ReducidaNumeros) +
                        QStringLiteral(" nºs al ") + QString::number(pena.ReducidaGarantia) +
                        QStringLiteral(":");
        QStringList base;
        for (int i = 0; i < pena.ReducidaNumeros && i < 20; ++i) {
            base << QString::number(pena.Base[i]);
        }
        f.Base = base.join(QLatin1Char('-'));
    } else if (tipo == TipoPena::Multiple) {
        f.Descripcion =
            QStringLiteral("-Apuesta múltiple de ") + QString::number(m) + QStringLiteral(" nºs.");
    } else {
        f.Descripcion = QStringLiteral("-Apuestas sencillas.");
    }
    return f;
}

}  // namespace tombolin
