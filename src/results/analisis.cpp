#include "results/analisis.h"

#include <QRegularExpression>
#include <set>

#include "core/fechas.h"
#include "core/registros.h"
#include "core/texto1252.h"
#include "results/busca.h"

namespace tombolin {

namespace {

const QString Q = QStringLiteral("\"");

// A part of a date: digits only (blanks around allowed).
int ParteDeFecha(const QString& texto) {
    bool bien = false;
    const int v = texto.trimmed().toInt(&bien);
    if (!bien) throw FueraDelDocumento();
    return v;
}

// A number stored in 16 bits: a larger one is a fault of the document.
int16_t Numero16(const QString& texto) {
    const double v = Valor(texto);
    if (v > 32767) throw FueraDelDocumento();
    return static_cast<int16_t>(v);
}

bool SorteoPosible(const Sorteo& s, QDate hoy) {
    std::set<int> vistos;
    for (int16_t n : s.Numeros) {
        if (n < 1 || n > 49 || !vistos.insert(n).second) return false;
    }
    if (s.Complementario < 1 || s.Complementario > 49 || vistos.count(s.Complementario))
        return false;
    if (s.Reintegro < 0 || s.Reintegro > 9) return false;
    return OleAFecha(s.Fecha) <= hoy;
}

}  // namespace

LecturaSorteos LeerSorteosNuevos(const QByteArray& documento, double fechaUltimo, QDate hoy) {
    LecturaSorteos r;
    Documento d(documento);
    try {
        busca(d, QStringLiteral("["), QStringLiteral("]}}]"));
        const qint64 finLista = d.Posicion();

        // Pass 1: the dates, newest first. Entries in the last 10000 characters of the list
        // are not examined.
        d.Ir(1);
        std::vector<double> fechas;
        qint64 p = 0;
        while (p < finLista - 10000) {
            busca(d, QStringLiteral("fecha_sorteo"), Q + QStringLiteral(":"));
            d.Avanzar(1);
            const QString anyo = busca(d, Q, QStringLiteral("-"));
            d.Avanzar(-1);
            const QString mes = busca(d, QStringLiteral("-"), QStringLiteral("-"));
            d.Avanzar(-1);
            const QString dia = busca(d, QStringLiteral("-"), QStringLiteral(" "));
            const QDate f(ParteDeFecha(anyo), ParteDeFecha(mes), ParteDeFecha(dia));
            if (!f.isValid()) throw FueraDelDocumento();
            if (FechaAOle(f) > fechaUltimo) {
                if (static_cast<int>(fechas.size()) == kMaximoSorteosNuevos)
                    throw FueraDelDocumento();
                fechas.push_back(FechaAOle(f));
            }
            p = d.Posicion();
        }

        // Pass 2: the i-th combination of the document goes with the i-th new date.
        d.Ir(1);
        for (double fecha : fechas) {
            Sorteo s;
            bool malo = false;
            busca(d, Q + QStringLiteral("combinacion"), Q + QStringLiteral(":"));
            s.Numeros[0] = Numero16(busca(d, Q + Q, QStringLiteral("-")));
            d.Avanzar(-1);
            for (int k = 1; k < 6; ++k)
                s.Numeros[k] = Numero16(busca(d, QStringLiteral("- "), QStringLiteral(" ")));
            for (int16_t n : s.Numeros) malo |= n == 0;
            s.Complementario = Numero16(busca(d, QStringLiteral("("), QStringLiteral(")")));
            s.Reintegro = Numero16(busca(d, QStringLiteral("("), QStringLiteral(")")));
            busca(d, QStringLiteral("joker"), QStringLiteral("on"));
            s.Joker = Valor(busca(d, Q + QStringLiteral(":") + Q, Q));
            s.Fecha = fecha;
            malo |= s.Joker == 0 || s.Complementario == 0 || !SorteoPosible(s, hoy);
            // A bad draw ends the reading: it and the older ones wait for another download.
            if (malo) break;
            r.Nuevos.push_back(s);
        }
    } catch (const FueraDelDocumento&) {
        r.LeidosAntesDelFallo = static_cast<int>(r.Nuevos.size());
        r.Nuevos.clear();
        r.Fallo = true;
    }
    return r;
}

QString raros(const QString& texto) {
    QString r;
    for (QChar c : texto) {
        const auto b = static_cast<unsigned char>(CodificarCaracter(c));
        if (b >= 33 && b <= 122 && !(b == '?' && c != QLatin1Char('?'))) r += c;
    }
    return r;
}

Desglose LeerDesglose(const QByteArray& documento) {
    Desglose r;
    // Without a breakdown at all the labels keep what they show.
    if (!documento.toLower().contains("escru")) return r;
    Documento d(documento);
    try {
        busca(d, QStringLiteral("escru"), Q);
        const qint64 p1 = d.Posicion();
        busca(d, QStringLiteral("cate"), Q);
        const qint64 p2 = d.Posicion();
        if (p2 - p1 < 1 || p2 - p1 >= 300) return r;
        d.Ir(1);
        std::array<QString, 6> categorias;
        for (QString& c : categorias) {
            busca(d, QStringLiteral("categoria"), Q + QStringLiteral(":"));
            c = raros(busca(d, Q + Q, Q));
        }
        r.Categorias = categorias;
        d.Ir(1);
        busca(d, QStringLiteral("documentos"), QStringLiteral(":"));
        const qint64 p3 = d.Posicion();
        busca(d, QStringLiteral("urlContenido"), QStringLiteral(":"));
        const qint64 p4 = d.Posicion();
        if (p4 - p3 < 300) {
            r.RutaPdf = busca(d, Q + Q, Q).replace(QStringLiteral("\\u00c1"), QStringLiteral("Á"));
        }
    } catch (const FueraDelDocumento&) {
        // What was read stays; the rest of the breakdown is not there.
    }
    return r;
}

QString DireccionEnNoticias(const QByteArray& informe) {
    Documento d(informe);
    QString w;
    try {
        w = busca3(d, QStringLiteral("web:"), QStringLiteral(">")).trimmed();
    } catch (const FueraDelDocumento&) {
        return {};
    }
    // It goes into a 60-character field and after "http://": a host and a path, nothing else.
    static const QRegularExpression direccion(
        QStringLiteral("^[A-Za-z0-9.-]+(/[A-Za-z0-9._~/-]*)?$"));
    if (w.size() >= 60 || !direccion.match(w).hasMatch()) return {};
    return w;
}

QByteArray ComoElementoEntrecomillado(const QByteArray& documento) {
    return QByteArray("\"") + documento + QByteArray("\"\r\n");
}

}  // namespace tombolin
