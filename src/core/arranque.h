#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/estado.h"

// The file work of the start-up, before any window shows data.
namespace tombolin {

// Where the program keeps the user's files and reads the shipped ones.
struct Carpetas {
    QString datos;
    QString compartida;
    bool instalado = false;
    // A copy of the program whose own folder can't be written: the user's files go to the
    // per-user folder instead, and this is the folder they were kept in until now.
    QString programaSinEscritura;
};
// The executable's directory when it may be written and holds "tablas.bin" (the build's program
// directory, a portable copy, a USB stick); otherwise the per-user data folder for the user's
// files, and for the shipped ones the executable's directory when it holds them (a read-only
// copy) or the installed share folder.
Carpetas ElegirCarpetas(const QString& ejecutable, const QString& datosUsuario,
                        const QString& compartida);

// Removes the scratch files of a replacement or a download that never finished (every "*.tmp"
// and "*.parte" of the program directory); they are never the data itself.
void BorrarTemporales(const Estado& estado);

// A name for a file kept aside in the program directory that no file holds yet: "numeros.roto",
// then "numeros.2.roto", "numeros.3.roto"...
QString NombreLibre(const Estado& estado, const QString& base, const QString& extension);

// A draws or syndicate file that can't be one of this program's is moved aside whole, before it
// is opened, so that the program goes on as with a missing file and no later write can touch it:
// more records than a record number can count, or, for the draws, a first record that holds no
// draw (`NoEsDeSorteos`).
struct FicheroApartado {
    QString nombre;    // "numeros.dat"
    QString apartado;  // the name it was moved to, or empty when it could not be moved
    QString motivo;    // why it can't be this program's
};
std::vector<FicheroApartado> ApartarFicherosImposibles(const Estado& estado, QDate hoy);

// The user's own files in the folder `programa` (syndicates, draws, settings; never the shipped
// history in its subfolder) that the folder `datos` doesn't hold yet.
QStringList DatosQueQuedanAtras(const QString& programa, const QString& datos);
// Copies them over, each whole or not at all; the originals stay where they were.
Error CopiarDatos(const QString& programa, const QString& datos, const QStringList& ficheros);

// Opens the syndicate file, the draws file and the download file, creating the missing ones.
// Returns the warning for the user when some can't be opened or written; empty when all is well.
QString AbrirFicheros(Estado& estado);

// One warning for each data file that ends with a torn record. The program uses the whole
// records and drops the torn bytes the next time it writes the file; they are kept first in a
// file of their own beside it ("apuestas.resto"), which the warning names.
QStringList AvisosRegistrosIncompletos(const Estado& estado);

// An installed program ships an empty report store: a user without one starts with a copy of it
// (a store that is missing where it was shipped is rebuilt, and the user told, when opened).
void CopiarAlmacenInformes(const Estado& estado);

// The text shown, and the program ends, when "tablas.bin" is missing; empty when it is there.
QString FaltanTablas(const Estado& estado);

}  // namespace tombolin
