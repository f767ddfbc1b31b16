#pragma once

#include <QString>
#include <vector>

#include "core/error.h"
#include "core/estado.h"
#include "core/importes.h"
#include "results/escrutinio.h"

struct sqlite3;

namespace tombolin {

// The prize-breakdown store, "premios.db" beside the data files: a plain SQLite database that
// keeps, for every draw whose breakdown any answer of the service brought, what each winner of
// each of the five categories a bet line can win was paid. Unlike the report store it can't be
// rebuilt from the data files (the shipped history has no amounts): a damaged store is moved
// aside whole and named, and a new one starts, to be filled again by the downloads.
class AlmacenPremios {
  public:
    static constexpr const char* kFichero = "premios.db";
    static constexpr int kVersion = 1;  // the schema's, as PRAGMA user_version

    AlmacenPremios() = default;
    AlmacenPremios(const AlmacenPremios&) = delete;
    AlmacenPremios& operator=(const AlmacenPremios&) = delete;
    ~AlmacenPremios();

    struct Apertura {
        Error error;       // the store can't be used (its amounts are then pending)
        QString apartado;  // a damaged store was moved to this name, and a new one begun
    };
    // Opens (or begins) the store of the program directory. `soloLectura` never writes, not
    // even to begin or set aside a store: what can't be read is then just not there.
    Apertura Abrir(const Estado& estado, bool soloLectura = false);
    void Cerrar();
    bool Abierto() const { return db_ != nullptr; }

    // The breakdowns of one answer, in one transaction: each draw's categories replace what was
    // held for that draw (a later answer mends a provisional one); a kill leaves all or none.
    Error Guardar(const std::vector<EscrutinioSorteo>& escrutinios);
    // Everything held; empty when closed.
    PremiosGuardados Leer() const;

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace tombolin
