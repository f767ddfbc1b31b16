#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "core/dialogos.h"
#include "core/estado.h"
#include "core/sorteos.h"

namespace tombolin {

// The conversations of the start-up around core's file work: the user's files left in a program
// folder that can't be written, data files that can't be this program's, torn records and
// draws no real draw could be. Nothing is lost or hidden without a word.
class OrdenesArranque {
  public:
    OrdenesArranque(Estado& estado, Dialogos& dialogos) : estado_(estado), dialogos_(dialogos) {}

    // The copy of the program in `programa` can't write its own folder, so the user's files are
    // kept in the per-user folder. The first time, says so, and offers to copy over the user's
    // own files found in `programa`.
    void TraerDatosDe(const QString& programa);
    // Before the data files are opened: files that can't be this program's are moved aside and
    // told. False when one could not be moved: the program ends rather than write over it.
    bool ApartarImposibles(QDate hoy);
    // Once the draws are read: the records no real draw could be, which the checks and the
    // statistics leave out.
    void AvisarImposibles(const std::vector<SorteoImposible>& imposibles);

  private:
    void Avisar(const QString& texto, Icono icono = Icono::Exclamacion);

    Estado& estado_;
    Dialogos& dialogos_;
};

}  // namespace tombolin
