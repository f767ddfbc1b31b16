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
// A Joker as printed on the ticket, seven digits ("0559707"); "-" when the draw had none
// (stored as -1) and nothing when it is unknown (0, as the earlier format left it).
QString TextoJoker(const Sorteo& s);

// The first draw of La Primitiva: no draws file holds an older one.
QDate PrimerSorteo();

// Whether the draws file at `ruta` holds no draws at all but something else: its first record has
// no date a draw could have (from the first draw to `hoy`), read as a record of either format. An
// empty file, one shorter than a record or one that can't be read is no such file.
bool NoEsDeSorteos(const QString& ruta, QDate hoy);

// A record that no real draw could be.
struct SorteoImposible {
    int Registro = 0;  // from 1
    QDate Fecha;       // as the record holds it (invalid when it holds no date)
    QString Motivo;    // "el número 52 está fuera de 1..49", ...
};
// The draws that could be, in file order, with the record number of each (from 1), and the
// records that could not: a number outside 1..49 or repeated, or a date not later than the draw
// before it (the last one that could be). Those stay in the file as they are; the checks and the
// statistics leave them out.
struct SorteosUtiles {
    std::vector<Sorteo> Sorteos;
    std::vector<int> Registros;
    std::vector<SorteoImposible> Imposibles;
};
SorteosUtiles SepararImposibles(const std::vector<Sorteo>& sorteos);

// Days the history shipped with the program is known to lack (the public records it was built
// from don't hold them) that fall between the first and the newest draw of `sorteos` and are not
// among them: the download asks for them.
std::vector<QDate> SorteosQueFaltan(const std::vector<Sorteo>& sorteos);

// Whether the draws file was written with the earlier 24-byte records.
bool EsFormatoAntiguo(const FicheroRegistros& canal);
// Rewrites such a file in the current format (the Joker, which it did not keep, as 0). With
// `guardarCopia`, the file as it was is kept in "numeros.bak" first (a file just imported has its
// original where it was chosen, and "numeros.bak" keeps the draws before the import). A file that
// can't be read whole, or whose copy can't be made, is left as it is.
[[nodiscard]] Error ConvertirFormatoAntiguo(Estado& estado, bool guardarCopia = true);

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

// Leaves the draws file empty, keeping the draws in "numeros.bak" first, so that importing that
// file brings them back. Nothing is deleted when the copy can't be made.
[[nodiscard]] Error BorrarTodosLosSorteos(Estado& estado);

}  // namespace tombolin
