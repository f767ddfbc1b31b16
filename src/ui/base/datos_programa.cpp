#include "ui/base/datos_programa.h"

#include "core/estado.h"
#include "core/penas.h"
#include "core/reloj.h"
#include "core/sorteos.h"
#include "results/almacen_premios.h"

namespace tombolin {

DatosPrograma::DatosPrograma(Estado& estado, const Reloj& reloj, const AlmacenPremios* premios,
                             QObject* padre)
    : QObject(padre), estado_(estado), reloj_(reloj), almacen_(premios) {}

void DatosPrograma::PonerFiltro(const Filtro& filtro) {
    filtro_ = filtro;
    Recorrer();
}

void DatosPrograma::Releer() {
    SorteosUtiles utiles = SepararImposibles(LeerTodosLosSorteos(estado_.Sorteos));
    sorteos_ = std::move(utiles.Sorteos);
    registros_ = std::move(utiles.Registros);
    imposibles_ = std::move(utiles.Imposibles);
    faltan_ = SorteosQueFaltan(sorteos_);
    penas_ = LeerTodasLasPenas(estado_.Penas);
    situacion_ = CalcularActualizacion(sorteos_, penas_, reloj_.Hoy());
    estado_.SorteoActual = situacion_.Ultimo;
    // A download brings amounts with its draws: both are read again together.
    premios_ = almacen_ ? almacen_->Leer() : PremiosGuardados{};
    ganado_.Poner(sorteos_, penas_);
    CalcularDinero();
    emit releidos();
    Recorrer();
}

void DatosPrograma::ReleerContadores() {
    // Counters are no money: the same lines and days played give the same figures.
    penas_ = LeerTodasLasPenas(estado_.Penas);
    emit contadoresCambiados();
}

void DatosPrograma::ReleerPremios() {
    PremiosGuardados premios = almacen_ ? almacen_->Leer() : PremiosGuardados{};
    if (premios == premios_) return;
    premios_ = std::move(premios);
    CalcularDinero();
    emit contadoresCambiados();
}

void DatosPrograma::AjustesNuevos() {
    CalcularDinero();  // at the new price
    emit ajustesCambiados();
}

void DatosPrograma::CalcularDinero() {
    importes_ = ganado_.Importes(premios_, estado_.Config.PrecioApuesta);
}

void DatosPrograma::Recorrer() {
    recorrido_ = RecorrerSeleccion(sorteos_, filtro_, reloj_.Ahora(), recorrido_);
    // A row acts on its own record, whatever records were left out before it.
    for (FilaHistorial& f : recorrido_.filas) f.Registro = registros_[f.Registro - 1];
    descripcion_ = DescribirSeleccion(recorrido_, filtro_);
    emit recorridoCambiado();
}

}  // namespace tombolin
