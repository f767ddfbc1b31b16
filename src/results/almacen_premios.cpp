#include "results/almacen_premios.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "core/arranque.h"
#include "core/sqlite_comun.h"

namespace tombolin {

namespace {

constexpr const char* kEsquema =
    "CREATE TABLE premios ("
    " fecha TEXT NOT NULL CHECK (length(fecha) = 10),"  // the draw's day, yyyy-mm-dd
    " categoria INTEGER NOT NULL CHECK (categoria BETWEEN 3 AND 7),"
    " numero INTEGER NOT NULL,"  // the service's number for the category
    " texto TEXT NOT NULL,"
    " centimos INTEGER NOT NULL CHECK (centimos >= 0),"
    " ganadores INTEGER NOT NULL CHECK (ganadores >= 0),"
    " PRIMARY KEY (fecha, categoria));"
    "PRAGMA user_version = 1;";

using sqlite::Ejecutar;
using sqlite::FalloDe;
using sqlite::Sentencia;

int Entero(sqlite3* db, const char* sql) {
    Sentencia st(db, sql);
    return st.s != nullptr && sqlite3_step(st.s) == SQLITE_ROW ? sqlite3_column_int(st.s, 0) : -1;
}

// The store is whole and this program's: its pages read, and its one table has the schema's
// columns. (Its SQLite, 3.15, has no pragma functions to query: the pragmas are stepped.)
bool Sana(sqlite3* db) {
    {
        Sentencia st(db, "PRAGMA quick_check");
        if (st.s == nullptr || sqlite3_step(st.s) != SQLITE_ROW) return false;
        const char* r = reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0));
        if (r == nullptr || QByteArray(r) != "ok") return false;
    }
    QStringList columnas;
    Sentencia st(db, "PRAGMA table_info(premios)");
    while (st.s != nullptr && sqlite3_step(st.s) == SQLITE_ROW)
        columnas << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 1)));
    return columnas ==
           QStringList({"fecha", "categoria", "numero", "texto", "centimos", "ganadores"});
}

}  // namespace

AlmacenPremios::~AlmacenPremios() {
    Cerrar();
}

void AlmacenPremios::Cerrar() {
    sqlite3_close(db_);
    db_ = nullptr;
}

AlmacenPremios::Apertura AlmacenPremios::Abrir(const Estado& estado, bool soloLectura) {
    Cerrar();
    Apertura a;
    const QString ruta = estado.Fichero(kFichero);
    const bool existia = QFileInfo::exists(ruta);
    if (soloLectura && !existia) return a;
    const auto abrir = [&](sqlite3*& db) {
        const int modo =
            soloLectura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        if (sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, modo, nullptr) == SQLITE_OK)
            return Error{};
        Error e = FalloDe(db);
        sqlite3_close(db);
        db = nullptr;
        return e;
    };
    sqlite3* db = nullptr;
    if ((a.error = abrir(db))) return a;
    const int version = Entero(db, "PRAGMA user_version");
    if (version > kVersion) {
        // A later program's store: left as it is.
        sqlite3_close(db);
        a.error = {Error::kEntradaSalida,
                   QStringLiteral("lo escribió una versión más nueva del programa")};
        return a;
    }
    const bool nueva = version == 0 && Entero(db, "SELECT count(*) FROM sqlite_master") == 0;
    if (!nueva && !Sana(db)) {
        sqlite3_close(db);
        if (soloLectura) return a;
        // Kept whole for whoever wants to look at it; the amounts come again with the downloads.
        a.apartado = NombreLibre(estado, QStringLiteral("premios"), QStringLiteral("roto"));
        if (!QFile::rename(ruta, estado.RutaPrograma + a.apartado)) {
            a.error = {Error::kAcceso, QStringLiteral("no se pudo apartar ") + ruta};
            a.apartado.clear();
            return a;
        }
        if ((a.error = abrir(db))) return a;
    }
    if ((nueva || !a.apartado.isEmpty()) && !soloLectura) {
        if ((a.error = Ejecutar(db, kEsquema))) {
            sqlite3_close(db);
            return a;
        }
    }
    db_ = db;
    return a;
}

Error AlmacenPremios::Guardar(const std::vector<EscrutinioSorteo>& escrutinios) {
    if (db_ == nullptr || escrutinios.empty()) return {};
    if (Error e = Ejecutar(db_, "BEGIN IMMEDIATE")) return e;
    Error e;
    {
        Sentencia borrar(db_, "DELETE FROM premios WHERE fecha = ?1");
        Sentencia poner(db_,
                        "INSERT OR REPLACE INTO premios (fecha, categoria, numero, texto, "
                        "centimos, ganadores) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        for (const EscrutinioSorteo& s : escrutinios) {
            if (borrar.s == nullptr || poner.s == nullptr) {
                e = FalloDe(db_);
                break;
            }
            const QByteArray dia = s.Fecha.toString(Qt::ISODate).toUtf8();
            sqlite3_reset(borrar.s);
            sqlite3_bind_text(borrar.s, 1, dia.constData(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(borrar.s) != SQLITE_DONE) e = FalloDe(db_);
            for (const CategoriaEscrutada& c : s.Categorias) {
                if (e) break;
                const QByteArray texto = c.Texto.toUtf8();
                sqlite3_reset(poner.s);
                sqlite3_bind_text(poner.s, 1, dia.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(poner.s, 2, c.Categoria);
                sqlite3_bind_int(poner.s, 3, c.Numero);
                sqlite3_bind_text(poner.s, 4, texto.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(poner.s, 5, c.Premio.Centimos);
                sqlite3_bind_int(poner.s, 6, c.Premio.Ganadores);
                if (sqlite3_step(poner.s) != SQLITE_DONE) e = FalloDe(db_);
            }
            if (e) break;
        }
    }
    if (!e) e = Ejecutar(db_, "COMMIT");
    if (e) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return e;
}

PremiosGuardados AlmacenPremios::Leer() const {
    PremiosGuardados r;
    if (db_ == nullptr) return r;
    Sentencia st(db_, "SELECT fecha, categoria, centimos, ganadores FROM premios");
    while (st.s != nullptr && sqlite3_step(st.s) == SQLITE_ROW) {
        const QDate dia = QDate::fromString(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0))),
            Qt::ISODate);
        const int categoria = sqlite3_column_int(st.s, 1);
        if (!dia.isValid() || categoria < 3 || categoria > 7) continue;
        r[dia][static_cast<size_t>(categoria - 3)] =
            PremioCategoria{sqlite3_column_int64(st.s, 2), sqlite3_column_int(st.s, 3)};
    }
    return r;
}

}  // namespace tombolin
