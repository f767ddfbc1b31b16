#pragma once

#include <QString>
#include <QStringList>

#include "core/estado.h"

// The file work of the start-up, before any window shows data.
namespace tombolin {

// Where the program keeps the user's files and reads the shipped ones.
struct Carpetas {
    QString datos;
    QString compartida;
    bool instalado = false;
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

// Opens the syndicate file, the draws file and the download file, creating the missing ones.
// Returns the warning for the user when some can't be opened or written; empty when all is well.
QString AbrirFicheros(Estado& estado);

// One warning for each data file that ends with a torn record.
QStringList AvisosRegistrosIncompletos(const Estado& estado);

// An installed program ships an empty report store: a user without one starts with a copy of it
// (a store that is missing where it was shipped is rebuilt, and the user told, when opened).
void CopiarAlmacenInformes(const Estado& estado);

// The text shown, and the program ends, when "tablas.bin" is missing; empty when it is there.
QString FaltanTablas(const Estado& estado);

}  // namespace tombolin
