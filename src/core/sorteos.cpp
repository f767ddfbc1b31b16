#include "core/sorteos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/fechas.h"
#include "core/reemplazo.h"

namespace tombolin {

namespace {

// The first record of a file chosen for import must be a draw on a Thursday or a Saturday
// after 31/12/1899: the first draw of La Primitiva was on a Thursday.
bool PrimerSorteoValido(const QByteArray& contenido) {
    if (contenido.size() < Sorteo::kLongitud) return false;
    const Sorteo primero = DecodificarSorteo(contenido.constData());
    if (!(primero.Fecha > 1.0)) return false;
    const QString dia = diasemana(OleAFecha(primero.Fecha));
    return dia == QStringLiteral("Jueves") || dia == QStringLiteral("Sábado");
}

// The whole of a file, or `bytes` of it when given. A file that can't be opened or read, or
// that gives fewer bytes than asked for, is an error: a copy or a conversion made from such a
// read would lose draws without a word.
Error LeerEntero(const QString& ruta, QByteArray& contenido, qint64 bytes = -1) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {Error::kEntradaSalida, f.errorString()};
    contenido = bytes < 0 ? f.readAll() : f.read(bytes);
    if (f.error() != QFileDevice::NoError) return {Error::kEntradaSalida, f.errorString()};
    if (bytes >= 0 && contenido.size() != bytes) return {Error::kEntradaSalida, {}};
    return {};
}

// The draws held, for "numeros.bak". A draws file that isn't there has nothing to keep; one that
// can't be read would leave the copy empty.
Error LeerActuales(const Estado& estado, QByteArray& actuales) {
    actuales.clear();
    const QString ruta = estado.Sorteos.Ruta();
    if (!QFileInfo::exists(ruta)) return {};
    return LeerEntero(ruta, actuales);
}

// "numeros.bak" keeps one generation: the draws as they were before the last import, the last
// deletion of them all or the conversion of the earlier format.
Error GuardarCopia(const Estado& estado, const QByteArray& actuales) {
    const QString copia = estado.Fichero(kCopiaSorteos);
    return EscribirYRenombrar(copia, copia + QStringLiteral(".tmp"), actuales);
}

}  // namespace

bool LeerSorteo(const FicheroRegistros& canal, int n, Sorteo& sorteo) {
    return canal.Leer(n, sorteo, DecodificarSorteo);
}

Error EscribirSorteo(FicheroRegistros& canal, int n, const Sorteo& sorteo) {
    return canal.Escribir(n, CodificarSorteo(sorteo));
}

std::vector<Sorteo> LeerTodosLosSorteos(const FicheroRegistros& canal) {
    return canal.LeerTodos(DecodificarSorteo);
}

Sorteo SorteoDe(QDate fecha, const std::array<int, 6>& numeros, int complementario, int reintegro,
                double joker) {
    Sorteo s;
    for (int i = 0; i < 6; ++i) s.Numeros[i] = static_cast<int16_t>(numeros[i]);
    s.Complementario = static_cast<int16_t>(complementario);
    s.Reintegro = static_cast<int16_t>(reintegro);
    s.Fecha = FechaAOle(fecha);
    s.Joker = joker;
    return s;
}

std::vector<Sorteo> LeerSorteosDe(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return FicheroRegistros::DecodificarTodos(f.readAll(), DecodificarSorteo);
}

QString TextoJoker(const Sorteo& s) {
    if (s.Joker == -1) return QStringLiteral("-");
    if (s.Joker <= 0) return {};
    return QStringLiteral("%1").arg(static_cast<qint64>(s.Joker), 7, 10, QLatin1Char('0'));
}

QString TextoGeneral(double valor) {
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.15G", valor);
    return QString::fromLatin1(texto);
}

QDate PrimerSorteo() {
    return {1985, 10, 17};
}

bool NoEsDeSorteos(const QString& ruta, QDate hoy) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray primero = f.read(Sorteo::kLongitud);
    if (primero.size() < Sorteo::kLongitudAntigua) return false;
    // Both formats keep the date at the same place; each is read by its own decoder all the same.
    const auto posible = [&](const Sorteo& s) {
        const QDate d = OleAFecha(s.Fecha);
        return d.isValid() && d >= PrimerSorteo() && d <= hoy;
    };
    if (posible(DecodificarSorteoAntiguo(primero.constData()))) return false;
    return primero.size() < Sorteo::kLongitud || !posible(DecodificarSorteo(primero.constData()));
}

SorteosUtiles SepararImposibles(const std::vector<Sorteo>& sorteos) {
    SorteosUtiles r;
    r.Sorteos.reserve(sorteos.size());
    r.Registros.reserve(sorteos.size());
    double anterior = -1e300;
    for (size_t i = 0; i < sorteos.size(); ++i) {
        const Sorteo& s = sorteos[i];
        QString motivo;
        uint64_t vistos = 0;
        for (int16_t n : s.Numeros) {
            if (n < 1 || n > 49) {
                motivo = QStringLiteral("el número %1 está fuera de 1..49").arg(n);
                break;
            }
            if (vistos & (uint64_t{1} << n)) {
                motivo = QStringLiteral("el número %1 está repetido").arg(n);
                break;
            }
            vistos |= uint64_t{1} << n;
        }
        if (motivo.isEmpty() && !(s.Fecha > anterior)) {
            motivo = QStringLiteral("su fecha no es posterior a la del sorteo anterior");
        }
        const int registro = static_cast<int>(i) + 1;
        if (!motivo.isEmpty()) {
            r.Imposibles.push_back({registro, OleAFecha(s.Fecha), motivo});
            continue;
        }
        anterior = s.Fecha;
        r.Sorteos.push_back(s);
        r.Registros.push_back(registro);
    }
    return r;
}

std::vector<QDate> SorteosQueFaltan(const std::vector<Sorteo>& sorteos) {
    // 11/07/2026: not in the public records the shipped history was made from.
    static const QDate kFaltan[] = {QDate(2026, 7, 11)};
    std::vector<QDate> r;
    if (sorteos.empty()) return r;
    const double primero = sorteos.front().Fecha;
    const double ultimo = sorteos.back().Fecha;
    for (const QDate& d : kFaltan) {
        const double f = FechaAOle(d);
        if (!(primero < f && f < ultimo)) continue;
        const bool esta = std::any_of(sorteos.begin(), sorteos.end(),
                                      [&](const Sorteo& s) { return std::floor(s.Fecha) == f; });
        if (!esta) r.push_back(d);
    }
    return r;
}

bool EsFormatoAntiguo(const FicheroRegistros& canal) {
    // A single old record (24 bytes) can't be read as a 32-byte one, and no current file has
    // that length: it is an old file too.
    if (canal.Bytes() == Sorteo::kLongitudAntigua) return true;
    Sorteo primero;
    if (!LeerSorteo(canal, 1, primero)) return false;
    // Read as a current record, an old file yields in Joker four numbers of its second draw
    // taken as a double, whose text is always long; a real Joker has at most seven digits.
    return primero.Joker != 0 && TextoGeneral(primero.Joker).size() >= 8;
}

Error ConvertirFormatoAntiguo(Estado& estado, bool guardarCopia) {
    FicheroRegistros& canal = estado.Sorteos;
    QByteArray antiguo;
    if (const Error error = LeerEntero(canal.Ruta(), antiguo, canal.Bytes())) return error;
    // Should the conversion read the file wrongly, the draws as they were are still there.
    if (guardarCopia) {
        if (const Error error = GuardarCopia(estado, antiguo)) return error;
    }
    const qint64 registros = antiguo.size() / Sorteo::kLongitudAntigua;
    QByteArray nuevo;
    nuevo.reserve(registros * Sorteo::kLongitud);
    for (qint64 n = 0; n < registros; ++n) {
        Sorteo s = DecodificarSorteoAntiguo(antiguo.constData() + n * Sorteo::kLongitudAntigua);
        s.Joker = 0;
        nuevo += CodificarSorteo(s);
    }
    return canal.Reemplazar(nuevo, estado.Fichero(kTemporalSorteos));
}

Importacion ImportarSorteos(Estado& estado, const QString& elegido) {
    using F = Importacion::Fallo;
    QFile fichero(elegido);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return {F::NoSeLee, QFileInfo::exists(elegido) ? Error{Error::kAcceso, {}}
                                                       : Error{Error::kNoEncontrado, {}}};
    }
    // Read at most one byte more than the largest draws file, to tell a larger file apart.
    const qint64 limite = qint64{kMaximoRegistros} * Sorteo::kLongitud + Sorteo::kLongitud;
    const QByteArray contenido = fichero.read(limite + 1);
    const bool leido = fichero.error() == QFileDevice::NoError;
    fichero.close();
    if (!leido) return {F::NoSeLee, Error{Error::kEntradaSalida, {}}};
    if (contenido.size() > limite || !PrimerSorteoValido(contenido)) return {F::NoEsDeSorteos, {}};

    // The previous draws are kept in "numeros.bak" first; without that copy nothing is replaced.
    QByteArray anterior;
    if (const Error error = LeerActuales(estado, anterior)) return {F::NoSeLeenLosActuales, error};
    Error error = GuardarCopia(estado, anterior);
    if (!error) error = estado.Sorteos.Reemplazar(contenido, estado.Fichero(kTemporalSorteos));
    if (error) return {F::NoSeGuarda, error};
    return {};
}

Error BorrarSorteo(Estado& estado, int k) {
    FicheroRegistros& canal = estado.Sorteos;
    const int cuenta = canal.Cuenta();
    if (k < 1 || k > cuenta) return {};
    QByteArray todos = canal.LeerEnteros();
    todos.remove(static_cast<qsizetype>(k - 1) * Sorteo::kLongitud, Sorteo::kLongitud);
    const Error error = canal.Reemplazar(todos, estado.Fichero(kTemporalSorteos));
    return error;
}

Error BorrarTodosLosSorteos(Estado& estado) {
    QByteArray actuales;
    if (const Error error = LeerActuales(estado, actuales)) return error;
    // With no draws there is nothing to delete, and the copy of the ones deleted before stays.
    if (actuales.isEmpty()) return {};
    if (const Error error = GuardarCopia(estado, actuales)) return error;
    return estado.Sorteos.Reemplazar({}, estado.Fichero(kTemporalSorteos));
}

}  // namespace tombolin
