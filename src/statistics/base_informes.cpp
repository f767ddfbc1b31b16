#include "statistics/base_informes.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <map>
#include <variant>

#include "core/juego.h"
#include "core/sqlite_comun.h"

namespace tombolin {

namespace {

using Valor = std::variant<qint64, double, QString>;

constexpr const char* kTablas[] = {"Informe", "Sorteos", "Numeros", "Peña", "Peñanums"};

using sqlite::Ejecutar;
using sqlite::FalloDe;
using sqlite::Sentencia;

Error PonerClave(sqlite3* db) {
    // PRAGMA takes no bound parameters; the key is this program's own constant.
    const QByteArray sql = QByteArray("PRAGMA key = '") + BaseInformes::kClave + "';";
    return Ejecutar(db, sql.constData());
}

Error NoAbierta() {
    return {Error::kEntradaSalida, QStringLiteral("el almacén de informes no está abierto")};
}

// Runs one statement with `valores` bound to ?1, ?2...; `unaFila` demands that it changed
// exactly one row (the row of a one-row table).
Error Escribir(sqlite3* db, const char* sql, const std::vector<Valor>& valores,
               bool unaFila = false) {
    if (db == nullptr) return NoAbierta();
    Sentencia st(db, sql);
    if (st.s == nullptr) return FalloDe(db);
    for (int i = 0; i < static_cast<int>(valores.size()); ++i) {
        const Valor& v = valores[i];
        if (const auto* n = std::get_if<qint64>(&v)) {
            sqlite3_bind_int64(st.s, i + 1, *n);
        } else if (const auto* d = std::get_if<double>(&v)) {
            sqlite3_bind_double(st.s, i + 1, *d);
        } else {
            const QByteArray t = std::get<QString>(v).toUtf8();
            sqlite3_bind_text(st.s, i + 1, t.isNull() ? "" : t.constData(),
                              static_cast<int>(t.size()), SQLITE_TRANSIENT);
        }
    }
    if (sqlite3_step(st.s) != SQLITE_DONE) return FalloDe(db);
    if (unaFila && sqlite3_changes(db) != 1)
        return {Error::kEntradaSalida, QStringLiteral("falta la fila de la tabla")};
    return {};
}

// Empties a table and fills it with `filas`, all or nothing.
Error Reemplazar(sqlite3* db, const char* vaciar, const char* insertar,
                 const std::vector<std::vector<Valor>>& filas) {
    if (db == nullptr) return NoAbierta();
    if (Error e = Ejecutar(db, "BEGIN IMMEDIATE"); e) return e;
    Error e = Escribir(db, vaciar, {});
    for (const auto& fila : filas) {
        if (e) break;
        e = Escribir(db, insertar, fila);
    }
    if (!e) e = Ejecutar(db, "COMMIT");
    if (e) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return e;
}

// An invalid date gives "", which the schema's date check refuses.
QString Iso(QDate d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QByteArray Esquema() {
    QFile f(QStringLiteral(":/tombolin/informes.sql"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every table's CREATE statement, by name.
std::map<QString, QString> Definiciones(sqlite3* db) {
    std::map<QString, QString> r;
    Sentencia st(db, "SELECT name, sql FROM sqlite_master WHERE type = 'table'");
    while (st.s != nullptr && sqlite3_step(st.s) == SQLITE_ROW) {
        r[QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0)))] =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 1)));
    }
    return r;
}

// The tables as the schema defines them, from a store built in memory once.
const std::map<QString, QString>& DefinicionesEsquema() {
    static const std::map<QString, QString> definiciones = [] {
        sqlite3* db = nullptr;
        std::map<QString, QString> r;
        if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
            sqlite3_exec(db, Esquema().constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
            r = Definiciones(db);
        sqlite3_close(db);
        return r;
    }();
    return definiciones;
}

// Whether an open store holds every table of the schema, column for column, and the one row of
// each one-row table. Sets `codigo` to the error that stopped the reading, if any.
bool Completa(sqlite3* db, int& codigo) {
    Sentencia st(db,
                 "SELECT (SELECT count(*) FROM \"Informe\") = 1 AND (SELECT count(*) FROM "
                 "\"Sorteos\") = 1 AND (SELECT count(*) FROM \"Peña\") = 1");
    codigo = st.s == nullptr ? sqlite3_errcode(db) : sqlite3_step(st.s);
    if (codigo != SQLITE_ROW || sqlite3_column_int(st.s, 0) != 1) return false;
    const std::map<QString, QString> tablas = Definiciones(db);
    for (const auto& [nombre, sql] : DefinicionesEsquema()) {
        const auto t = tablas.find(nombre);
        if (t == tablas.end() || t->second != sql) return false;
    }
    return !DefinicionesEsquema().empty();
}

}  // namespace

BaseInformes::~BaseInformes() {
    Cerrar();
}

void BaseInformes::Cerrar() {
    sqlite3_close(db_);
    db_ = nullptr;
}

BaseInformes::Apertura BaseInformes::Abrir(const QString& ruta) {
    Cerrar();
    Apertura r;
    const QByteArray nombre = QFile::encodeName(ruta);
    for (int intento = 0; intento < 2; ++intento) {
        if (intento == 1 || !QFileInfo::exists(ruta)) {
            r.reconstruida = true;
            if ((r.error = Crear(ruta))) return r;
        }
        sqlite3* db = nullptr;
        int codigo = sqlite3_open_v2(nombre.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        if (codigo == SQLITE_OK) {
            r.error = PonerClave(db);
            if (!r.error && Completa(db, codigo)) {
                db_ = db;
                return r;
            }
        }
        if (!r.error) {
            r.error = FalloDe(db);
            if (codigo == SQLITE_ROW || codigo == SQLITE_DONE)
                r.error = {Error::kEntradaSalida, QStringLiteral("faltan tablas o filas")};
        }
        sqlite3_close(db);
        // A store locked by another program is in use, not broken.
        if (codigo == SQLITE_BUSY || codigo == SQLITE_LOCKED) return r;
    }
    return r;
}

Error BaseInformes::Crear(const QString& ruta) {
    const QByteArray esquema = Esquema();
    if (esquema.isEmpty()) return {Error::kNoEncontrado, QStringLiteral("falta el esquema")};
    const QString temporal = ruta + QStringLiteral(".tmp");
    QFile::remove(temporal);
    QFile::remove(temporal + QStringLiteral("-journal"));
    sqlite3* db = nullptr;
    Error e;
    if (sqlite3_open_v2(QFile::encodeName(temporal).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        e = FalloDe(db);
    }
    if (!e) e = PonerClave(db);
    if (!e) e = Ejecutar(db, ("BEGIN;\n" + esquema + "\nCOMMIT;").constData());
    if (sqlite3_close(db) != SQLITE_OK && !e) e = FalloDe(db);
    // The old store's journal must never be played back onto the new one.
    if (!e && QFile::exists(ruta + QStringLiteral("-journal")) &&
        !QFile::remove(ruta + QStringLiteral("-journal"))) {
        e = {Error::kAcceso, QStringLiteral("no se puede borrar el diario del almacén")};
    }
    if (!e && std::rename(QFile::encodeName(temporal).constData(),
                          QFile::encodeName(ruta).constData()) != 0) {
        e = Error::DeErrno(errno);
    }
    if (e) QFile::remove(temporal);
    return e;
}

Error BaseInformes::GuardarFrase(const QString& frase) {
    return Escribir(db_, "UPDATE \"Informe\" SET \"Frase\" = ?1", {frase}, true);
}

Error BaseInformes::GuardarSeleccion(QDate dia1, QDate dia2, int total,
                                     const std::optional<QString>& dias) {
    if (!dias) {
        return Escribir(db_, "UPDATE \"Sorteos\" SET \"Dia1\" = ?1, \"Dia2\" = ?2, \"Total\" = ?3",
                        {Iso(dia1), Iso(dia2), qint64{total}}, true);
    }
    return Escribir(db_,
                    "UPDATE \"Sorteos\" SET \"Dia1\" = ?1, \"Dia2\" = ?2, \"Total\" = ?3, "
                    "\"Diasajugar\" = ?4",
                    {Iso(dia1), Iso(dia2), qint64{total}, *dias}, true);
}

Error BaseInformes::GuardarNumeros(const std::vector<std::pair<int, int>>& numeroVeces) {
    std::vector<std::vector<Valor>> filas;
    for (const auto& [numero, veces] : numeroVeces)
        filas.push_back({qint64{numero}, qint64{veces}});
    return Reemplazar(db_, "DELETE FROM \"Numeros\"",
                      "INSERT INTO \"Numeros\" (\"Numero\", \"Veces\") VALUES (?1, ?2)", filas);
}

Error BaseInformes::GuardarPena(const FichaInforme& f) {
    std::vector<Valor> v{f.Nombre,    f.Diasajugar, static_cast<double>(f.Dinero),
                         Iso(f.Dia1), Iso(f.Dia2),  f.Aciertos,
                         f.Sorteos};
    for (int premios : f.Premios) v.emplace_back(qint64{premios});
    for (const QString& dinero : {f.Ganado, f.Gastado, f.Balance}) v.emplace_back(dinero);
    return Escribir(db_,
                    "UPDATE \"Peña\" SET \"Nombre\" = ?1, \"Diasajugar\" = ?2, \"Dinero\" = ?3, "
                    "\"Dia1\" = ?4, \"Dia2\" = ?5, \"Aciertos\" = ?6, \"Sorteos\" = ?7, "
                    "\"3\" = ?8, \"4\" = ?9, \"5\" = ?10, \"5C\" = ?11, \"6\" = ?12, "
                    "\"Ganado\" = ?13, \"Gastado\" = ?14, \"Balance\" = ?15",
                    v, true);
}

Error BaseInformes::GuardarLineas(const QStringList& lineas) {
    std::vector<std::vector<Valor>> filas;
    for (const QString& l : lineas) filas.push_back({l});
    return Reemplazar(db_, "DELETE FROM \"Peñanums\"",
                      "INSERT INTO \"Peñanums\" (\"Numeros\") VALUES (?1)", filas);
}

TablasInforme BaseInformes::Tablas() const {
    TablasInforme r;
    if (db_ == nullptr) return r;
    for (const char* tabla : kTablas) {
        // The table names are this program's constants, never data.
        const QByteArray sql = QByteArray("SELECT * FROM \"") + tabla + "\" ORDER BY rowid";
        Sentencia st(db_, sql.constData());
        std::vector<FilaInforme>& filas = r[QString::fromUtf8(tabla)];
        while (st.s != nullptr && sqlite3_step(st.s) == SQLITE_ROW) {
            FilaInforme fila;
            for (int c = 0; c < sqlite3_column_count(st.s); ++c) {
                fila[QString::fromUtf8(sqlite3_column_name(st.s, c))] =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.s, c)));
            }
            filas.push_back(std::move(fila));
        }
    }
    return r;
}

}  // namespace tombolin
