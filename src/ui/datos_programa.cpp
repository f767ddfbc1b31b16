#include "ui/datos_programa.h"

#include "core/estado.h"
#include "core/penas.h"
#include "core/reloj.h"
#include "core/sorteos.h"
#include "ui/seleccion_estadistica.h"

namespace tombolin {

DatosPrograma::DatosPrograma(Estado& estado, const Reloj& reloj,
                             const SeleccionEstadistica& seleccion, QObject* padre)
    : QObject(padre), estado_(estado), reloj_(reloj), seleccion_(seleccion) {
    connect(&seleccion, &SeleccionEstadistica::cambiada, this, &DatosPrograma::Recorrer);
}

void DatosPrograma::Releer() {
    sorteos_ = LeerTodosLosSorteos(estado_.Sorteos);
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
    recorrido_ = RecorrerSeleccion(sorteos_, seleccion_.Actual(), reloj_.Hoy());
    descripcion_ = DescribirSeleccion(recorrido_, seleccion_.Actual());
    emit recorridoCambiado();
}

}  // namespace tombolin
