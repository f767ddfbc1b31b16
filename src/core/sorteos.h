#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "core/error.h"
#include "core/estado.h"
#include "core/registros.h"

// The draws file "numeros.dat": its records, the conversion of the earlier format, the import of
// a whole file chosen by the user, and the deletion of one or all draws.
namespace tombolin {

bool LeerSorteo(const FicheroRegistros& canal, int n, Sorteo& sorteo);
Error EscribirSorteo(FicheroRegistros& canal, int n, const Sorteo& sorteo);
// Every whole draw of the file, oldest first.
std::vector<Sorteo> LeerTodosLosSorteos(const FicheroRegistros& canal);
// A draw from its parts, as the tools and the tests build them.
Sorteo SorteoDe(QDate fecha, const std::array<int, 6>& numeros, int complementario, int reintegro,
                double joker);

// Every whole draw of the draws file at `ruta`; none when it can't be read.
std::vector<Sorteo> LeerSorteosDe(const QString& ruta);

// A number as text in the general format of the earlier program: up to 15 significant digits,
// no leading blank, exponent notation ("1E+15", "5.5E-309") for very large or small values.
QString TextoGeneral(double valor);

// Whether the draws file was written with the earlier 24-byte records.
bool EsFormatoAntiguo(const FicheroRegistros& canal);
// Rewrites such a file in the current format (the Joker, which it did not keep, as 0). A file
// that can't be read whole is left as it is.
[[nodiscard]] Error ConvertirFormatoAntiguo(Estado& estado);

// How an import ended.
struct [[nodiscard]] Importacion {
    enum class Fallo {
        Ninguno,
        NoSeLee,              // the chosen file can't be opened or read
        NoEsDeSorteos,        // it is no draws file of this program
        NoSeLeenLosActuales,  // the draws held can't be read: there would be no copy of them
        NoSeGuarda,           // the copy or the new draws file could not be written
    };
    Fallo fallo = Fallo::Ninguno;
    Error error;
    explicit operator bool() const { return fallo != Fallo::Ninguno; }
};

// Replaces the draws file by the file `elegido`, keeping the previous one as "numeros.bak".
Importacion ImportarSorteos(Estado& estado, const QString& elegido);

// Removes draw k, keeping every other draw in its order.
[[nodiscard]] Error BorrarSorteo(Estado& estado, int k);

// Leaves the draws file empty.
[[nodiscard]] Error BorrarTodosLosSorteos(Estado& estado);

}  // namespace tombolin
