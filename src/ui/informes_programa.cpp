#include "ui/informes_programa.h"

#include "core/arranque.h"
#include "core/dialogos.h"
#include "core/estado.h"
#include "core/fechas.h"
#include "core/resumen.h"
#include "statistics/informes.h"
#include "ui/datos_programa.h"
#include "ui/mensajes.h"

namespace tombolin {

InformesPrograma::InformesPrograma(Estado& estado, Dialogos& dialogos, const DatosPrograma& datos,
                                   QObject* padre)
    : QObject(padre), estado_(estado), dialogos_(dialogos), datos_(datos) {
    connect(&datos, &DatosPrograma::recorridoCambiado, this, &InformesPrograma::SeleccionCambiada);
}

InformesPrograma::~InformesPrograma() {
    Cerrar();
}

void InformesPrograma::Abrir() {
    CopiarAlmacenInformes(estado_);
    const QString ruta = estado_.Fichero(kFicheroInformes);
    apertura_ = std::async(std::launch::async, [this, ruta] { return base_.Abrir(ruta); });
}

void InformesPrograma::Cerrar() {
    if (apertura_.valid()) apertura_.wait();
    base_.Cerrar();
}

bool InformesPrograma::Listos() {
    if (listos_) return true;
    if (arrancando_ || !apertura_.valid()) return false;
    const BaseInformes::Apertura a = apertura_.get();
    listos_ = true;
    if (a.error) {
        InformarError(a.error);
    } else if (a.reconstruida) {
        // It holds only what the program writes again before each report: nothing is lost.
        dialogos_.Mensaje(
            QStringLiteral("El archivo ") + QLatin1String(kFicheroInformes) +
                QStringLiteral(" de los informes no existía o estaba dañado y se ha creado de "
                               "nuevo. Sólo guarda datos que el programa rehace: no se ha "
                               "perdido nada."),
            Icono::Informacion, Botones::Aceptar, QLatin1String(kFicheroInformes));
    }
    // What the start-up would have written.
    EscribirSeleccion();
    EscribirFicha();
    return true;
}

void InformesPrograma::SeleccionCambiada() {
    const Recorrido& r = datos_.UltimoRecorrido();
    // The newest draw's text and the selection. Without draws selected the dates stay those of
    // the last selection that had some.
    if (r.hayUltimo) frase_ = r.frase;
    if (r.seleccionados > 0) {
        seleccionDesde_ = r.desde;
        seleccionHasta_ = r.hasta;
    }
    seleccionTotal_ = r.seleccionados;
    if (datos_.Descripcion().diasajugar) seleccionDias_ = datos_.Descripcion().diasajugar;
    EscribirSeleccion();
}

void InformesPrograma::EscribirSeleccion() {
    if (!Listos()) return;
    Error error;
    if (frase_) error = base_.GuardarFrase(*frase_);
    if (!error) {
        error = base_.GuardarSeleccion(seleccionDesde_, seleccionHasta_, seleccionTotal_,
                                       seleccionDias_);
    }
    InformarError(error);
}

void InformesPrograma::GuardarFicha(const Pena& p, const FichaPena& ficha) {
    BaseInformes::FichaInforme f;
    f.Nombre = p.Nombre;
    f.Diasajugar = p.DiasVisibles();
    f.Dinero = GastoSemanal(p, estado_.Config.PrecioApuesta);
    f.Dia1 = OleAFecha(p.FechaCreacion);
    f.Dia2 = p.FechaComprobado != 0 ? OleAFecha(p.FechaComprobado) : f.Dia1;
    f.Aciertos = ficha.TextoEfectividad;
    f.Sorteos = ficha.Jugados;
    f.Premios = ficha.Contadores;
    ficha_ = f;
    lineas_ = ficha.Lineas;
    EscribirFicha();
}

void InformesPrograma::EscribirFicha() {
    if (!ficha_ || !Listos()) return;
    Error error = base_.GuardarLineas(lineas_);
    if (!error) error = base_.GuardarPena(*ficha_);
    InformarError(error);
}

void InformesPrograma::GuardarNumeros(const std::array<int, 49>& orden, int cuantos) {
    std::vector<std::pair<int, int>> filas;
    for (int k = 0; k < cuantos && k < 49; ++k)
        filas.push_back({orden[k], datos_.UltimoRecorrido().veces[orden[k]][0]});
    if (Listos()) InformarError(base_.GuardarNumeros(filas));
}

void InformesPrograma::InformarError(const Error& error) {
    // Once a run: every slider move would say it again.
    if (!error || avisado_) return;
    avisado_ = true;
    InformarErrorFichero(dialogos_, error, QLatin1String(kFicheroInformes));
}

void InformesPrograma::Mostrar(int informe) {
    const QString definicion =
        estado_.FicheroCompartido(informe == 0 ? kDefinicionEstadisticas : kDefinicionPena);
    Listos();
    const ResultadoInforme r = GenerarInforme(definicion, base_.Tablas());
    if (r.error != 0) {
        dialogos_.Mensaje(
            QStringLiteral("Error ") + QString::number(r.error) +
                QStringLiteral(". No es posible mostrar el informe. Si el error persiste, "
                               "reinstalar el programa puede ser la solución."),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Error"));
        return;
    }
    dialogos_.VerInforme(informe == 0 ? QStringLiteral("Informe de estadísticas")
                                      : QStringLiteral("Informe de la peña"),
                         r.html);
}

}  // namespace tombolin
