#include "documento_prueba.h"

#include "core/fechas.h"

namespace tombolin::pruebas {

namespace {

QString Dos(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString Joker(double joker, bool blancos) {
    const QString siete =
        QStringLiteral("%1").arg(static_cast<qint64>(joker), 7, 10, QLatin1Char('0'));
    if (!blancos) return siete;
    return siete.left(1) + QLatin1Char(' ') + siete.mid(1, 3) + QLatin1Char(' ') + siete.mid(4);
}

QString Entrada(const Sorteo& s, int id, const OpcionesDocumento& o) {
    const QDate f = OleAFecha(s.Fecha);
    const auto clave = [&](const char* k) {
        return o.clavesEnMayusculas ? QString::fromLatin1(k).toUpper() : QString::fromLatin1(k);
    };
    QString c;
    for (int i = 0; i < 6; ++i) c += (i ? QStringLiteral(" - ") : QString()) + Dos(s.Numeros[i]);
    const QString combinacion = c + QStringLiteral(" C(") + Dos(s.Complementario) +
                                QStringLiteral(") R(") + QString::number(s.Reintegro) +
                                QStringLiteral(")");
    const char* tipos[] = {"Especial (6 Aciertos + Reintegro)",
                           "1ª (6 Aciertos)",
                           "2ª (5 Aciertos + Complementario)",
                           "3ª (5 Aciertos)",
                           "4ª (4 Aciertos)",
                           "5ª (3 Aciertos)",
                           "Reintegro"};
    const char* premios[] = {"0,00 €",  "1.234.567,89 €", "68.452,10 €", "2.311,45 €",
                             "61,20 €", "8,00 €",         "1,00 €"};
    QString escrutinio;
    for (int k = 0; k < 7; ++k) {
        escrutinio += QStringLiteral(
                          "%1{\"tipo\":\"%2\",\"categoria\":\"\"%3\",\"premio\":\"%4\","
                          "\"ganadores\":\"%5\",\"ganadores_eu\":\"0\","
                          "\"agraciados_espana\":\"%5\"}")
                          .arg(k ? QStringLiteral(",") : QString())
                          .arg(QString::fromUtf8(tipos[k]), QString::fromUtf8(premios[k]),
                               QString::fromUtf8(premios[k]).remove(QStringLiteral(" €")))
                          .arg(k * 137 + id % 11);
    }
    const QString fecha =
        QStringLiteral("%1-%2-%3 00:00:00").arg(f.year()).arg(Dos(f.month()), Dos(f.day()));
    const QString pdf =
        QStringLiteral("/f/loterias/documentos/La Primitiva/%1/Primitiva_%1%2%3.pdf")
            .arg(f.year())
            .arg(Dos(f.month()), Dos(f.day()));
    const QString n = QString::number(id);
    QString e;
    e += QStringLiteral("{\"id_sorteo\":\"") + n + QStringLiteral("\",\"") + clave("fecha_sorteo");
    e += QStringLiteral("\":\"") + fecha + QStringLiteral("\",\"dia_semana\":\"") +
         diasemana(f).toLower();
    e += QStringLiteral("\",\"game_id\":\"LAPR\",\"anyo\":\"") + QString::number(f.year());
    e += QStringLiteral("\",\"numero\":") + QString::number(id % 156 + 1);
    e += QStringLiteral(
        ",\"premio_bote\":\"12.500.000,00\",\"apuestas\":\"3.456.789\","
        "\"recaudacion\":\"3.456.789,00\",\"premios\":\"1.728.394,50\","
        "\"fondo_bote\":\"0,00\",\"");
    e += clave("combinacion") + QStringLiteral("\":\"\"") + combinacion;
    e += QStringLiteral("\",\"combinacion_acta\":\" ") + combinacion + QStringLiteral("\",\"");
    e += clave("joker") + QStringLiteral("\":{\"combinacion\":\"") +
         Joker(s.Joker, o.jokerConBlancos);
    e += QStringLiteral(
             "\",\"gameid\":\"LAJK\",\"activo\":true,\"bote_joker\":0,"
             "\"relsorteoid_asociado\":\"") +
         n + QStringLiteral("\"},\"escrutinio\":[");
    e += escrutinio;
    e += QStringLiteral(
             "],\"escrutinio_joker\":[{\"tipo\":\"1ª (7 cifras)\",\"premio\":\"1.000.000,00\","
             "\"ganadores\":\"0\",\"orden_escrutinio\":\"1\"}],\"cdc\":\"") +
         n;
    e += QStringLiteral(
             "\",\"contenidosRelacionados\":{\"documentos\":[{\"tipo\":\"pdf\","
             "\"urlContenido\":\"\"") +
         pdf;
    e += QStringLiteral("\",\"nombre\":\"Acta del sorteo\"}],\"enlaces\":[]}}");
    return e;
}

}  // namespace

QByteArray DocumentoResultados(const std::vector<Sorteo>& sorteos, const OpcionesDocumento& o) {
    QString d = QStringLiteral("[");
    for (size_t i = 0; i < sorteos.size(); ++i) {
        if (i) d += QLatin1Char(',');
        d += Entrada(sorteos[i], static_cast<int>(4000 + sorteos.size() - i), o);
    }
    d += QLatin1Char(']');
    return d.toUtf8();
}

std::vector<Sorteo> CienDias(const std::vector<Sorteo>& historia, QDate hoy) {
    std::vector<Sorteo> r;
    for (auto it = historia.rbegin(); it != historia.rend(); ++it) {
        const QDate f = OleAFecha(it->Fecha);
        if (f > hoy) continue;
        if (f < hoy.addDays(-100)) break;
        r.push_back(*it);
    }
    return r;
}

}  // namespace tombolin::pruebas
