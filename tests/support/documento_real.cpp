#include "documento_real.h"

#include <QFile>
#include <algorithm>

#include "core/fechas.h"
#include "penas_prueba.h"

namespace tombolin::pruebas {

namespace {

QByteArray Dos(int n) {
    return QByteArray::number(n).rightJustified(2, '0');
}

// The day names as the service writes them: lower case, accents escaped.
QByteArray Dia(QDate f) {
    static const char* const dias[] = {"lunes",   "martes",       "mi\\u00e9rcoles", "jueves",
                                       "viernes", "s\\u00e1bado", "domingo"};
    return dias[f.dayOfWeek() - 1];
}

QByteArray Combinacion(const std::array<int16_t, 6>& n, const Sorteo& s) {
    QByteArray c;
    for (int i = 0; i < 6; ++i) c += (i ? " - " : "") + Dos(n[i]);
    return c + " C(" + Dos(s.Complementario) + ") R(" + QByteArray::number(s.Reintegro) + ")";
}

QByteArray Joker(const Sorteo& s, const OpcionesReal& o) {
    const QByteArray siete =
        QByteArray::number(static_cast<qint64>(s.Joker)).rightJustified(7, '0');
    if (!o.jokerConBlancos) return siete;
    return siete.left(1) + ' ' + siete.mid(1, 3) + ' ' + siete.mid(4);
}

// The seven categories with the real texts; amounts and winners vary with the draw so that two
// entries never show the same breakdown.
QByteArray Escrutinio(const Sorteo& s, bool antigua) {
    static const char* const tipos[] = {"Especial (6 Aciertos + R) ",
                                        "1\\u00aa (6 Aciertos) ",
                                        "2\\u00aa (5 Aciertos + C) ",
                                        "3\\u00aa (5 Aciertos) ",
                                        "4\\u00aa (4 Aciertos) ",
                                        "5\\u00aa (3 Aciertos) ",
                                        "Reintegro"};
    const int semilla = s.Numeros[0] * 7 + s.Numeros[5];
    const qint64 ganadores[] = {0,
                                semilla % 3 == 0 ? 1 : 0,
                                2 + semilla % 9,
                                150 + semilla,
                                9000 + semilla * 10,
                                180000 + semilla * 100,
                                1090000};
    const QByteArray premios[] = {"0",
                                  "4583120,44",
                                  QByteArray::number(30000 + semilla * 17) + ",98",
                                  QByteArray::number(2400 + semilla) + ",19",
                                  "77,54",
                                  "8",
                                  "1"};
    static const char* const textos[] = {"0,00 €",  "1.234.567,89 €", "68.452,10 €", "2.311,45 €",
                                         "61,20 €", "8,00 €",         "1,00 €"};
    QByteArray e = "[";
    for (int k = 0; k < 7; ++k) {
        if (k) e += ',';
        const QByteArray categoria =
            antigua ? "\"\"" + QByteArray(textos[k]) + '"' : QByteArray::number(k + 1);
        e += QByteArray("{\"tipo\":\"") + tipos[k] + "\",\"categoria\":" + categoria +
             ",\"premio\":\"" + (ganadores[k] ? premios[k] : QByteArray("0")) +
             "\",\"ganadores\":\"" + QByteArray::number(ganadores[k]) + "\"}";
    }
    return e + "]";
}

}  // namespace

QByteArray EntradaReal(const Sorteo& s, const OpcionesReal& o, bool escrutado) {
    const QDate f = OleAFecha(s.Fecha);
    const QByteArray id = QByteArray::number(991000000 + static_cast<qint64>(s.Fecha) % 100000);
    const QByteArray fecha = QByteArray::number(f.year()) + '-' + Dos(f.month()) + '-' +
                             Dos(f.day()) + ' ' + o.hora.toLatin1();
    const auto clave = [&](const char* k) {
        return o.clavesEnMayusculas ? QByteArray(k).toUpper() : QByteArray(k);
    };
    // What the program reads follows one quote, or two in the older documents.
    const QByteArray abre = o.antigua ? "\"\"" : "\"";
    QByteArray e = "{\"" + clave("fecha_sorteo") + "\":\"" + fecha + "\",\"dia_semana\":\"" +
                   Dia(f) + "\",\"id_sorteo\":\"" + id + "\",\"game_id\":\"LAPR\",\"anyo\":\"" +
                   QByteArray::number(f.year()) + "\",";
    if (o.clavesNuevas) e += "\"numero\":" + QByteArray::number(f.dayOfYear() / 3 + 1) + ",";
    e += "\"premio_bote\":\"0\",\"cdc\":\"9910\",\"apuestas\":\"10963258\",\"recaudacion\":"
         "\"1096325800\",\"" +
         clave("combinacion") + "\":";
    if (escrutado) {
        e += abre + Combinacion(s.Numeros, s) + '"';
        if (o.clavesNuevas) {
            // The same numbers in the order they came out.
            std::array<int16_t, 6> acta = s.Numeros;
            std::rotate(acta.begin(), acta.begin() + 4, acta.end());
            e += ",\"combinacion_acta\":\"" + Combinacion(acta, s) + '"';
        }
    } else {
        e += "null";
        if (o.clavesNuevas) e += ",\"combinacion_acta\":null";
    }
    e += ",\"premios\":\"602979190\",\"fondo_bote\":\"0\",\"" + clave("joker") +
         "\":{\"gameid\":\"LAJO\","
         "\"relsorteoid_asociado\":\"" +
         id + "\",\"combinacion\":\"" + (escrutado ? Joker(s, o) : QByteArray("-")) +
         "\",\"bote_joker\":1000000,\"activo\":\"1\"},\"escrutinio\":" +
         (escrutado ? Escrutinio(s, o.antigua) : QByteArray("[]")) +
         ",\"escrutinio_joker\":[{\"tipo\":\"1\\u00aa (todas las cifras)\",\"ganadores\":0,"
         "\"premio\":\"1000000\",\"orden_escrutinio\":\"1\"},{\"tipo\":\"2\\u00aa (6 "
         "\\u00faltimas cifras)\",\"ganadores\":0,\"premio\":\"100000\",\"orden_escrutinio\":"
         "\"2\"}]";
    if (o.clavesNuevas) {
        e += ",\"contenidosRelacionados\":{\"documentos\":[";
        if (o.conPdf) {
            e += "{\"tituloContenido\":\"Acta del sorteo\",\"tituloRelacion\":\"Resultados\","
                 "\"urlContenido\":" +
                 abre + "/f/loterias/documentos/La Primitiva/" + QByteArray::number(f.year()) +
                 "/Primitiva_" + QByteArray::number(f.year()) + Dos(f.month()) + Dos(f.day()) +
                 ".pdf\"}";
        }
        e += "],\"enlaces\":[],\"imagenes\":[],\"noticias\":[],\"paginasLibres\":[],"
             "\"preguntasFrecuentes\":[],\"puntosDeVenta\":[]}";
    }
    return e + "}";
}

QByteArray ListaReal(const std::vector<Sorteo>& sorteos, const OpcionesReal& o,
                     const std::vector<QByteArray>& primeras) {
    QByteArrayList entradas(primeras.begin(), primeras.end());
    for (const Sorteo& s : sorteos) entradas << EntradaReal(s, o);
    return "[" + entradas.join(',') + "]";
}

QByteArray RespuestaEntre(const std::vector<Sorteo>& historia, QDate desde, QDate hasta,
                          const OpcionesReal& o) {
    std::vector<Sorteo> dentro;
    for (auto it = historia.rbegin(); it != historia.rend(); ++it) {
        const QDate f = OleAFecha(it->Fecha);
        if (f >= desde && f <= hasta) dentro.push_back(*it);
    }
    return dentro.empty() ? QByteArray(kRespuestaSinSorteos) : ListaReal(dentro, o);
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

QByteArray EntradaReal20170817() {
    QFile f(QStringLiteral(TOMBOLIN_DATOS_PRUEBAS_APOYO "/operador/lapr-2017-08-17.compact.json"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

std::vector<Sorteo> Inventados(QDate desde, QDate hasta) {
    std::vector<Sorteo> r;
    int semilla = 7;
    for (QDate d = desde; d <= hasta; d = d.addDays(1)) {
        if (d.dayOfWeek() != 1 && d.dayOfWeek() != 4 && d.dayOfWeek() != 6) continue;
        std::array<int, 6> n{};
        for (int i = 0; i < 6; ++i) n[i] = 1 + (semilla + i * 8) % 49;
        std::sort(n.begin(), n.end());
        int c = 1 + (semilla + 3) % 49;
        while (std::count(n.begin(), n.end(), c)) c = c % 49 + 1;
        r.push_back(UnSorteo(d, n, c, semilla % 10, 1000000 + semilla));
        semilla = (semilla * 31 + 11) % 1000;
    }
    return r;
}

}  // namespace tombolin::pruebas
