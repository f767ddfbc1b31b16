#include "results/analisis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>
#include <set>

#include "core/configuracion.h"
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

// A number stored in 16 bits; a larger one is no number of a draw: 0, which makes it bad.
int16_t Numero16(const QString& texto) {
    const double v = Valor(texto);
    return v > 32767 ? int16_t{0} : static_cast<int16_t>(v);
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

// The date of the entry whose "fecha_sorteo" key comes next: "2017-08-17 21:43:00" (the time of
// day is not read). Leaves the position just after the key.
QDate LeerFecha(Documento& d, qint64& clave) {
    busca(d, QStringLiteral("fecha_sorteo"), Q + QStringLiteral(":"));
    clave = d.Posicion();
    d.Avanzar(1);
    const QString anyo = busca(d, Q, QStringLiteral("-"));
    d.Avanzar(-1);
    const QString mes = busca(d, QStringLiteral("-"), QStringLiteral("-"));
    d.Avanzar(-1);
    const QString dia = busca(d, QStringLiteral("-"), QStringLiteral(" "));
    const QDate f(ParteDeFecha(anyo), ParteDeFecha(mes), ParteDeFecha(dia));
    if (!f.isValid()) throw FueraDelDocumento();
    return f;
}

// The first character from the current position that is not a blank.
char Siguiente(const Documento& d) {
    const QByteArray& datos = d.Datos();
    for (qint64 i = d.Posicion() - 1; i < datos.size(); ++i) {
        if (datos[i] != ' ' && datos[i] != '\t' && datos[i] != '\r' && datos[i] != '\n')
            return datos[i];
    }
    return 0;
}

enum class Entrada { Valida, Mala, Pendiente };

// One entry, read from its own date key up to `limite` (where the next entry begins).
Entrada LeerEntrada(Documento& d, const QByteArray& minusculas, qint64 limite, QDate hoy,
                    Sorteo& s) {
    // The entry's own combination: "combinacion_acta" (the same numbers in drawn order) shares
    // the beginning of the key and is passed over, and the Joker's, inside "joker", is not it.
    const qsizetype joker = minusculas.indexOf("\"joker\"", d.Posicion() - 1);
    while (!busca(d, Q + QStringLiteral("combinacion"), Q + QStringLiteral(":")).isEmpty()) {
    }
    if (d.Posicion() > limite || (joker >= 0 && d.Posicion() > joker + 1)) return Entrada::Mala;
    d.Avanzar(1);
    if (Siguiente(d) == 'n') return Entrada::Pendiente;  // "combinacion":null
    s.Numeros[0] = Numero16(buscaValor(d, QStringLiteral("-")));
    d.Avanzar(-1);
    for (int k = 1; k < 6; ++k)
        s.Numeros[k] = Numero16(busca(d, QStringLiteral("- "), QStringLiteral(" ")));
    s.Complementario = Numero16(busca(d, QStringLiteral("("), QStringLiteral(")")));
    s.Reintegro = Numero16(busca(d, QStringLiteral("("), QStringLiteral(")")));
    busca(d, QStringLiteral("joker"), QStringLiteral("on"));
    // Only the Joker's own text: a null there would otherwise take the next quoted value.
    if (d.Datos().mid(d.Posicion(), 3) != QByteArray("\":\"")) return Entrada::Mala;
    s.Joker = Valor(busca(d, Q + QStringLiteral(":") + Q, Q));
    if (d.Posicion() > limite) return Entrada::Mala;
    bool malo = s.Joker == 0 || s.Complementario == 0 || !SorteoPosible(s, hoy);
    for (int16_t n : s.Numeros) malo |= n == 0;
    return malo ? Entrada::Mala : Entrada::Valida;
}

// Where the next entry's date key stands from `desde` on (1-based), or 0.
qint64 SiguienteFecha(const QByteArray& minusculas, qint64 desde) {
    const qsizetype i = minusculas.indexOf("fecha_sorteo", desde - 1);
    return i < 0 ? 0 : i + 1;
}

}  // namespace

LecturaSorteos LeerSorteosNuevos(const QByteArray& documento, double fechaUltimo, QDate hoy) {
    LecturaSorteos r;
    Documento d(documento);
    const QByteArray minusculas = documento.toLower();
    std::vector<Sorteo> leidos;
    try {
        busca(d, QStringLiteral("["), QStringLiteral("]}}]"));
        const qint64 finLista = d.Posicion();

        // Pass 1: the dates, newest first, and where each entry begins. The answer was found
        // whole before it was kept, so every entry is examined, the last ones too: with the
        // download asking for the days after the newest draw held, the oldest entries of an
        // answer are the very draws that are missing.
        d.Ir(1);
        std::vector<double> fechas;
        std::vector<qint64> claves;  // of every examined entry
        std::vector<size_t> deLasNuevas;
        for (;;) {
            const qint64 siguiente = SiguienteFecha(minusculas, d.Posicion());
            if (siguiente == 0 || siguiente >= finLista) break;
            qint64 clave = 0;
            const double f = FechaAOle(LeerFecha(d, clave));
            claves.push_back(clave);
            if (f <= fechaUltimo) continue;
            if (static_cast<int>(fechas.size()) == kMaximoSorteosNuevos) throw FueraDelDocumento();
            fechas.push_back(f);
            deLasNuevas.push_back(claves.size() - 1);
        }

        // Pass 2: each new entry read from its own start, so that one that cannot be read
        // does not shift the others.
        std::vector<Entrada> entradas;
        for (size_t i = 0; i < fechas.size(); ++i) {
            const size_t e = deLasNuevas[i];
            d.Ir(claves[e]);
            // The entry ends where the next date key stands, examined or not.
            const qint64 siguiente = SiguienteFecha(minusculas, claves[e]);
            const qint64 limite = siguiente > 0 ? siguiente : finLista;
            Sorteo s;
            s.Fecha = fechas[i];
            entradas.push_back(LeerEntrada(d, minusculas, limite, hoy, s));
            leidos.push_back(s);
        }

        // Only an unbroken run is stored: the valid draws older than the oldest entry that
        // could not be taken. The newer ones come with the next download, which asks for the
        // draws after the newest one held.
        size_t primera = 0;
        for (size_t i = 0; i < entradas.size(); ++i) {
            if (entradas[i] == Entrada::Valida) continue;
            primera = i + 1;
            (entradas[i] == Entrada::Mala ? r.FechaMala : r.FechaPendiente) =
                OleAFecha(leidos[i].Fecha);
        }
        for (size_t i = 0; i < primera; ++i) r.NoGuardados += entradas[i] != Entrada::Pendiente;
        r.Nuevos.assign(leidos.begin() + static_cast<std::ptrdiff_t>(primera), leidos.end());
    } catch (const FueraDelDocumento&) {
        r = {};
        r.LeidosAntesDelFallo = static_cast<int>(leidos.size());
        r.Fallo = true;
    }
    return r;
}

FormaRespuesta ExaminarRespuesta(const QByteArray& cuerpo) {
    const QByteArray c = cuerpo.trimmed();
    QJsonParseError error{};
    if (c.startsWith('"')) {
        // The service's message for a period without draws is a lone JSON text, which Qt's
        // parser refuses at the top of a document: it is read as the one item of a list.
        const QJsonDocument d = QJsonDocument::fromJson("[" + c + "]", &error);
        const bool texto = error.error == QJsonParseError::NoError && d.array().size() == 1 &&
                           d.array().at(0).isString();
        return texto ? FormaRespuesta::SinSorteos : FormaRespuesta::Incompleta;
    }
    const QJsonDocument d = QJsonDocument::fromJson(c, &error);
    if (error.error != QJsonParseError::NoError) {
        // What began as JSON and does not end as JSON was cut short (or spoilt) on the way.
        return c.startsWith('[') || c.startsWith('{') ? FormaRespuesta::Incompleta
                                                      : FormaRespuesta::Otra;
    }
    if (!d.isArray()) return FormaRespuesta::Otra;
    const QJsonArray lista = d.array();
    for (const QJsonValue& v : lista) {
        if (!v.isObject()) return FormaRespuesta::Otra;
    }
    return lista.isEmpty() ? FormaRespuesta::SinSorteos : FormaRespuesta::Lista;
}

QString raros(const QString& texto) {
    QString r;
    for (QChar c : texto) {
        const auto b = static_cast<unsigned char>(CodificarCaracter(c));
        if (b >= 33 && b <= 122 && !(b == '?' && c != QLatin1Char('?'))) r += c;
    }
    return r;
}

namespace {

// "\u00aa" and the like, as the operator's answers escape every character beyond ASCII.
QString SinEscapes(const QString& texto) {
    static const QRegularExpression escape(QStringLiteral("\\\\u([0-9a-fA-F]{4})"));
    QString r;
    qsizetype desde = 0;
    for (auto it = escape.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        r += texto.mid(desde, m.capturedStart() - desde);
        r += QChar(static_cast<char16_t>(m.captured(1).toUShort(nullptr, 16)));
        desde = m.capturedEnd();
    }
    return r + texto.mid(desde);
}

// The value of `clave` in a flat object ({"tipo":"...","categoria":3,...}): a quoted text or a
// bare number; empty when the key is not there.
QString Campo(const QByteArray& objeto, const char* clave) {
    const QByteArray k = QByteArray("\"") + clave + "\":";
    const qsizetype i = objeto.indexOf(k);
    if (i < 0) return {};
    qsizetype j = i + k.size();
    if (j < objeto.size() && objeto[j] == '"') {
        const qsizetype fin = objeto.indexOf('"', j + 1);
        return fin < 0 ? QString() : QString::fromUtf8(objeto.mid(j + 1, fin - j - 1));
    }
    qsizetype fin = j;
    while (fin < objeto.size() && objeto[fin] != ',' && objeto[fin] != '}') ++fin;
    return QString::fromUtf8(objeto.mid(j, fin - j)).trimmed();
}

// "34554,98" as "34.554,98 €".
QString Euros(const QString& premio) {
    bool bien = false;
    const double v = QString(premio)
                         .remove(QLatin1Char('.'))
                         .replace(QLatin1Char(','), QLatin1Char('.'))
                         .toDouble(&bien);
    return bien ? TextoEuros(v) : premio.trimmed();
}

// A category of the operator's answers: {"tipo":"2\u00aa (5 Aciertos + C) ","categoria":3,
// "premio":"34554,98","ganadores":"6"}.
CategoriaDesglose Categoria(const QByteArray& objeto, int k) {
    CategoriaDesglose c;
    c.Nombre = SinEscapes(Campo(objeto, "tipo")).simplified();
    c.Nombre.replace(QStringLiteral("Aciertos"), QStringLiteral("aciertos"));
    const int ganadores = Campo(objeto, "ganadores").toInt();
    if (ganadores > 0) {
        c.Premio = Euros(Campo(objeto, "premio")) + QStringLiteral(" — ") + Miles(ganadores) +
                   (ganadores == 1 ? QStringLiteral(" acertante") : QStringLiteral(" acertantes"));
    } else {
        // Nobody won: the top two categories go to the jackpot.
        c.Premio = k < 2 ? QStringLiteral("Bote") : QStringLiteral("—");
    }
    return c;
}

// Where the entry of `fecha` begins (its date key), or 1.
qint64 InicioDeEntrada(const QByteArray& documento, double fecha) {
    if (fecha <= 0) return 1;
    Documento d(documento);
    try {
        for (qint64 antes = 0; d.Posicion() > antes;) {
            antes = d.Posicion();
            qint64 clave = 0;
            if (FechaAOle(LeerFecha(d, clave)) == std::floor(fecha)) return clave;
        }
    } catch (const FueraDelDocumento&) {
    }
    return 1;
}

// A path on the operator's site: "/f/loterias/..." or a full address on its host.
QString RutaEnElOperador(const QString& direccion, const QString& host) {
    const QString t = direccion.trimmed();
    for (QChar c : t) {
        if (c < QLatin1Char(' ') || c == QLatin1Char('\\')) return {};
    }
    const QUrl url(t);
    const QString ruta = url.path();
    if (!url.isValid() || !ruta.startsWith(QLatin1Char('/')) ||
        ruta.startsWith(QStringLiteral("//")) || ruta.contains(QStringLiteral("/../")))
        return {};
    if (url.scheme().isEmpty() && url.host().isEmpty()) return t;
    if ((url.scheme() == QStringLiteral("https") || url.scheme() == QStringLiteral("http")) &&
        url.host().compare(host, Qt::CaseInsensitive) == 0)
        return ruta;
    return {};
}

}  // namespace

Desglose LeerDesglose(const QByteArray& documento, double fecha, const QString& hostOperador) {
    Desglose r;
    const QByteArray minusculas = documento.toLower();
    // Without a breakdown at all the labels keep what they show.
    if (!minusculas.contains("escru")) return r;
    const qint64 inicio = InicioDeEntrada(documento, fecha);
    // Nothing is taken from the next entry: the entry ends where the next date key stands.
    qint64 fin = SiguienteFecha(minusculas, inicio);
    if (inicio == 1 && fin > 0) fin = SiguienteFecha(minusculas, fin + 1);
    if (fin == 0) fin = documento.size() + 1;
    Documento d(documento);
    try {
        d.Ir(inicio);
        busca(d, QStringLiteral("escru"), Q);
        const qint64 p1 = d.Posicion();
        busca(d, QStringLiteral("cate"), Q);
        const qint64 p2 = d.Posicion();
        if (p2 - p1 < 1 || p2 - p1 >= 300 || p2 > fin) return r;
        d.Ir(inicio);
        std::array<CategoriaDesglose, 6> categorias;
        for (int k = 0; k < 6; ++k) {
            busca(d, QStringLiteral("categoria"), Q + QStringLiteral(":"));
            if (d.Posicion() > fin) return r;
            d.Avanzar(1);
            const char c = Siguiente(d);
            if (c >= '0' && c <= '9') {
                // The category is a number: its texts are the other keys of its object.
                const QByteArray& datos = d.Datos();
                const qsizetype abre = datos.lastIndexOf('{', d.Posicion() - 1);
                const qsizetype cierra = datos.indexOf('}', d.Posicion() - 1);
                if (abre < 0 || cierra < 0) throw FueraDelDocumento();
                categorias[k] = Categoria(datos.mid(abre, cierra - abre + 1), k);
            } else {
                categorias[k].Premio = raros(buscaValor(d, Q));
            }
        }
        r.Categorias = categorias;
        d.Ir(inicio);
        busca(d, QStringLiteral("documentos"), QStringLiteral(":"));
        const qint64 p3 = d.Posicion();
        // "documentos":[] - the answer names no PDF (yet).
        if (d.Datos().mid(d.Posicion() - 1, 40).simplified().replace(" ", "").startsWith("[]"))
            return r;
        busca(d, QStringLiteral("urlContenido"), QStringLiteral(":"));
        const qint64 p4 = d.Posicion();
        if (p4 - p3 < 300 && p4 < fin) {
            // "\u00c1" and every other escape, and "\/" as JSON may write a slash.
            r.RutaPdf = RutaEnElOperador(
                SinEscapes(buscaValor(d, Q)).replace(QStringLiteral("\\/"), QStringLiteral("/")),
                hostOperador);
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
