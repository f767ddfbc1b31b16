#pragma once

#include "core/dialogos.h"
#include "core/escritorio.h"
#include "core/estado.h"
#include "core/reloj.h"

namespace tombolin {

// A draws file of the earlier format is converted, after telling the user (see
// OrdenesSorteos::ConvertirSiAntiguo). True when it was of that format.
bool ConvertirSiAntiguo(Estado& estado, Dialogos& dialogos, bool importado = false);

// The conversations of the draws file's commands: what is asked and told around the work that
// core/sorteos does.
class OrdenesSorteos {
  public:
    OrdenesSorteos(Estado& estado, Dialogos& dialogos, Escritorio& escritorio)
        : estado_(estado), dialogos_(dialogos), escritorio_(escritorio) {}

    // Asks for a draws file and puts it in place of the current one, keeping that as
    // "numeros.bak"; without a file, offers the shop. True when the draws file changed.
    bool Importar();
    // Puts the draws file `ruta` in place of the current one, with the same checks and messages.
    bool ImportarDesde(const QString& ruta);
    // On a start with no draws, offers once the history shipped with the program (the settings
    // remember it was offered). True when it was loaded.
    bool OfrecerHistorico();
    // A draws file of the earlier format is converted, after telling the user; the file as it
    // was is kept in "numeros.bak" first, unless it was just imported (the chosen file is the
    // original, and "numeros.bak" keeps the draws before the import). True when it was of that
    // format.
    bool ConvertirSiAntiguo(bool importado = false) {
        return tombolin::ConvertirSiAntiguo(estado_, dialogos_, importado);
    }
    // The two questions of the delete command: every draw (kept in "numeros.bak"), then every
    // syndicate's counters. A deletion that fails is told and ends the command.
    struct Borrado {
        bool sorteos = false;
        bool aciertos = false;
    };
    Borrado BorrarTodo(const Reloj& reloj);
    // Asks and deletes draw k. True when it is gone.
    bool BorrarUno(int k);

  private:
    Estado& estado_;
    Dialogos& dialogos_;
    Escritorio& escritorio_;
};

}  // namespace tombolin
