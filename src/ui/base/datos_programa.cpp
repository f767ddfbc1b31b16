#include "ui/base/datos_programa.h"

#include "core/estado.h"
#include "core/penas.h"
#include "core/reloj.h"
#include "core/sorteos.h"

namespace tombolin {

DatosPrograma::DatosPrograma(Estado& estado, const Reloj& reloj, QObject* padre)
    : QObject(padre), estado_(estado), reloj_(reloj) {}

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
    emit releidos();
    Recorrer();
}

void DatosPrograma::ReleerContadores() {
    penas_ = LeerTodasLasPenas(estado_.Penas);
    emit contadoresCambiados();
}

void DatosPrograma::Recorrer() {
    recorrido_ = RecorrerSeleccion(sorteos_, filtro_, reloj_.Ahora(), recorrido_);
    // A row acts on its own record, whatever records were left out before it.
    for (FilaHistorial& f : recorrido_.filas) f.Registro = registros_[f.Registro - 1];
    descripcion_ = DescribirSeleccion(recorrido_, filtro_);
    emit recorridoCambiado();
}

}  // namespace tombolin
