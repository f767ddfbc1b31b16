#pragma once

// What the two stores kept in SQLite files (the report store and the prize store) share: a
// statement finalized on every way out, and an SQLite failure told as the program's errors.
// Only for the libraries that link SQLCipher; core itself does not.
#include <sqlcipher/sqlite3.h>

#include "core/error.h"

namespace tombolin::sqlite {

struct Sentencia {
    sqlite3_stmt* s = nullptr;
    Sentencia(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s, nullptr); }
    ~Sentencia() { sqlite3_finalize(s); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;
};

inline Error FalloDe(sqlite3* db) {
    if (db == nullptr) return {Error::kEntradaSalida, QStringLiteral("sin memoria")};
    Error e;
    const int codigo = sqlite3_errcode(db) & 0xff;
    // Only a failed system call leaves an errno worth reporting.
    if (codigo == SQLITE_CANTOPEN || codigo == SQLITE_IOERR)
        e = Error::DeErrno(sqlite3_system_errno(db));
    if (!e) {
        e.Numero = codigo == SQLITE_FULL                                ? Error::kDiscoLleno
                   : codigo == SQLITE_READONLY || codigo == SQLITE_PERM ? Error::kAcceso
                                                                        : Error::kEntradaSalida;
    }
    e.Detalle = QString::fromUtf8(sqlite3_errmsg(db));
    return e;
}

inline Error Ejecutar(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? Error{} : FalloDe(db);
}

}  // namespace tombolin::sqlite
