#pragma once

#include <QObject>
#include <vector>

#include "checking/comprobacion.h"
#include "core/importes.h"
#include "core/registros.h"
#include "core/resumen.h"
#include "core/sorteos.h"
#include "statistics/seleccion.h"

namespace tombolin {

struct Estado;
class Reloj;
class AlmacenPremios;

// The draws and syndicates the pages show, read once after each change, and the statistics'
// scan of the draws the selection picks. Whoever changes a data file says so here; the pages
// listen, and none of them reads the files for its own display.
class DatosPrograma : public QObject {
    Q_OBJECT

  public:
    // `premios`: the prize-breakdown store the amounts are read from, when there is one.
    DatosPrograma(Estado& estado, const Reloj& reloj, const AlmacenPremios* premios = nullptr,
                  QObject* padre = nullptr);

    // Oldest first, as the file holds them, without the records no real draw could be.
    const std::vector<Sorteo>& Sorteos() const { return sorteos_; }
    // Those records, which the checks and the statistics leave out (start-up names them).
    const std::vector<SorteoImposible>& Imposibles() const { return imposibles_; }
    // Days the draws held should have and don't (SorteosQueFaltan): the next download asks.
    const std::vector<QDate>& QueFaltan() const { return faltan_; }
    const std::vector<Pena>& Penas() const { return penas_; }
    // The amounts held, and each syndicate's money (in the order of Penas) at today's price.
    const PremiosGuardados& Premios() const { return premios_; }
    const std::vector<ImportesPena>& Importes() const { return importes_; }
    // The last draw, the next one, the warning, the draws played.
    const Actualizacion& Situacion() const { return situacion_; }
    const tombolin::Recorrido& UltimoRecorrido() const { return recorrido_; }
    const DescripcionSeleccion& Descripcion() const { return descripcion_; }

    // The draws or the syndicates on disk changed: both are read again, and scanned.
    void Releer();
    // A check wrote the syndicates' counters: the same syndicates, new counts.
    void ReleerContadores();
    // The settings window closed: the price and the months bound may have changed.
    void AjustesNuevos();
    // A download ended: it may have brought amounts of draws already held.
    void ReleerPremios();
    // The statistics' selection changed: the draws it picks are scanned again.
    void PonerFiltro(const Filtro& filtro);

  signals:
    void releidos();
    void contadoresCambiados();
    void ajustesCambiados();
    // The selection or the draws changed what the statistics count.
    void recorridoCambiado();

  private:
    void Recorrer();
    void CalcularDinero();

    Estado& estado_;
    const Reloj& reloj_;
    Filtro filtro_;
    std::vector<Sorteo> sorteos_;
    std::vector<int> registros_;  // the record of each of sorteos_
    std::vector<SorteoImposible> imposibles_;
    std::vector<QDate> faltan_;
    std::vector<Pena> penas_;
    const AlmacenPremios* almacen_;
    PremiosGuardados premios_;
    PremiosDeLasPenas ganado_;  // kept, so a download walks only its new draws
    std::vector<ImportesPena> importes_;
    Actualizacion situacion_;
    tombolin::Recorrido recorrido_;
    DescripcionSeleccion descripcion_;
};

}  // namespace tombolin
