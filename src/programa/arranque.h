#pragma once

#include <QString>
#include <memory>

#include "core/dialogos.h"
#include "core/estado.h"
#include "core/reloj.h"
#include "results/almacen_premios.h"

class QLockFile;

namespace tombolin {

// The start-up's steps before any window shows data, the same whichever face runs the program:
// one program at a time on the data, scratch files removed, the user's files brought from a copy
// of the program that can't write its folder, files that can't be this program's put aside, the
// data files opened, the reduced tables, the settings, the earlier format converted, torn records
// and draws no real draw could be told. It talks to the user through Dialogos; nothing is lost or
// hidden without a word.
class Arranque {
  public:
    Arranque(Estado& estado, Dialogos& dialogos, const Reloj& reloj);
    ~Arranque();

    // The files are read from here on. False when the program can't run, after saying why:
    // another program has the data, the reduced tables are missing, or a file that can't be
    // this program's could not be put aside. `programaSinEscritura`: the folder of a copy of the
    // program that can't write it (its user's files are now kept elsewhere), or empty.
    bool Preparar(const QString& programaSinEscritura = {});
    // Preparar failed because another program has the data.
    bool Ocupado() const { return ocupado_; }
    // The start-up of the check without a window: while it has the data, a file beside the lock
    // says so, and a window started meanwhile waits for it instead of refusing.
    void EsComprobacion() { comprobacion_ = true; }
    static constexpr const char* kFicheroComprobando = "tombolin.comprobando";
    // The data files are closed and left for another program.
    void Terminar();
    // The prize-breakdown store, open from Preparar on (closed, its amounts pending, when it
    // could not be opened).
    AlmacenPremios& Premios() { return premios_; }

  private:
    bool Bloquear();
    void TraerDatosDe(const QString& programa);
    bool ApartarImposibles();
    void AvisarImposibles();
    void AbrirPremios();
    void Avisar(const QString& texto, Icono icono = Icono::Exclamacion);

    Estado& estado_;
    Dialogos& dialogos_;
    const Reloj& reloj_;
    std::unique_ptr<QLockFile> bloqueo_;
    bool ocupado_ = false;
    bool comprobacion_ = false;
    AlmacenPremios premios_;  // "tombolin.lock": this program has the data
};

}  // namespace tombolin
