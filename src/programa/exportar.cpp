#include "programa/exportar.h"

#include <QStringList>
#include <algorithm>

#include "core/fechas.h"
#include "core/reemplazo.h"

namespace tombolin {

namespace {

QString Campo(QString t) {
    if (!t.contains(QLatin1Char(';')) && !t.contains(QLatin1Char('"')) &&
        !t.contains(QLatin1Char('\n')) && !t.contains(QLatin1Char('\r')))
        return t;
    return QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString Euros(int64_t centimos) {
    return QString::number(centimos / 100) + QLatin1Char(',') +
           QStringLiteral("%1").arg(centimos % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

QByteArray CsvResultados(const QString& pena, const std::vector<SorteoJugado>& jugados) {
    QStringList lineas{QStringLiteral(
        "Peña;Fecha;Números;Complementario;Reintegro;Aciertos de 3;Aciertos de 4;Aciertos de 5;"
        "Aciertos de 5+C;Aciertos de 6;Ganado (€);Premios con importe pendiente")};
    const QString nombre = Campo(pena.trimmed());
    for (const SorteoJugado& j : jugados) {
        std::array<int16_t, 6> numeros = j.sorteo.Numeros;
        std::sort(numeros.begin(), numeros.end());
        QStringList n;
        for (int16_t x : numeros) n << QString::number(x);
        const auto& p = j.Premios;  // 3, 4, 5, 6 hits, 5 + C
        lineas << QStringList{nombre,
                              FechaCorta(OleAFecha(j.sorteo.Fecha)),
                              n.join(QLatin1Char(' ')),
                              QString::number(j.sorteo.Complementario),
                              j.sorteo.Reintegro < 0 ? QString()
                                                     : QString::number(j.sorteo.Reintegro),
                              QString::number(p[0]),
                              QString::number(p[1]),
                              QString::number(p[2]),
                              QString::number(p[4]),
                              QString::number(p[3]),
                              Euros(j.Ganado),
                              QString::number(j.Pendientes)}
                      .join(QLatin1Char(';'));
    }
    return "\xEF\xBB\xBF" + lineas.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

Error GuardarCsv(const QString& ruta, const QByteArray& csv) {
    return EscribirYRenombrar(ruta, ruta + QStringLiteral(".parte"), csv);
}

}  // namespace tombolin
