#include "ui/base/informes_programa.h"

#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/dialogos.h"
#include "core/estado.h"
#include "core/fechas.h"
#include "core/resumen.h"
#include "programa/mensajes.h"
#include "statistics/informes.h"
#include "ui/base/datos_programa.h"

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
    errorApertura_ = a.error;
    if (!a.error && a.reconstruida) {
        // It holds only what the program writes again before each report: nothing is lost.
        dialogos_.Mensaje(
            QStringLiteral("El archivo ") + QLatin1String(kFicheroInformes) +
                QStringLiteral(" de los informes no existía o estaba dañado y se ha creado de "
                               "nuevo. Sólo guarda datos que el programa rehace: no se ha "
                               "perdido nada."),
            Icono::Informacion, Botones::Aceptar, QLatin1String(kFicheroInformes));
    }
    // What the start-up would have written. A store that could not be opened is told here, as
    // the first write it refuses.
    Avisar(Escribir(Tablas::Estadisticas), Tablas::Estadisticas);
    Avisar(Escribir(Tablas::Pena), Tablas::Pena);
    return true;
}

void InformesPrograma::SeleccionCambiada() {
    const Recorrido& r = datos_.UltimoRecorrido();
    // The newest draw's text and the selection.
    if (r.hayUltimo) frase_ = r.frase;
    seleccionDesde_ = r.desde;
    seleccionHasta_ = r.hasta;
    seleccionTotal_ = r.seleccionados;
    if (datos_.Descripcion().diasajugar) seleccionDias_ = datos_.Descripcion().diasajugar;
    if (Listos()) Avisar(EscribirSeleccion(), Tablas::Estadisticas);
}

void InformesPrograma::GuardarFicha(const Pena& p, const FichaPena& ficha,
                                    const ImportesPena& importes) {
    BaseInformes::FichaInforme f;
    f.Nombre = p.Nombre;
    f.Diasajugar = p.DiasVisibles();
    f.Dinero = ficha.GastoSemanal;
    f.Dia1 = OleAFecha(p.FechaCreacion);
    f.Dia2 = p.FechaComprobado != 0 ? OleAFecha(p.FechaComprobado) : f.Dia1;
    f.Aciertos = ficha.TextoEfectividad;
    f.Sorteos = ficha.Jugados;
    f.Premios = ficha.Contadores;
    f.Ganado = TextoGanado(importes);
    f.Gastado = TextoGastado(importes);
    f.Balance = TextoCentimos(importes.Balance());
    ficha_ = f;
    lineas_ = ficha.Lineas;
    if (Listos()) Avisar(EscribirFicha(), Tablas::Pena);
}

void InformesPrograma::GuardarNumeros(const std::array<int, 49>& orden, int cuantos) {
    std::vector<std::pair<int, int>> filas;
    for (int k = 0; k < cuantos && k < 49; ++k)
        filas.push_back({orden[k], datos_.UltimoRecorrido().veces[orden[k]][0]});
    numeros_ = std::move(filas);
    if (Listos()) Avisar(EscribirNumeros(), Tablas::Estadisticas);
}

Error InformesPrograma::Disponible() const {
    if (!listos_) {
        return {Error::kEntradaSalida,
                QStringLiteral("el almacén de informes aún no está abierto")};
    }
    // A store that could not be opened refuses every write for the reason it gave then.
    if (base_.Abierta()) return {};
    if (errorApertura_) return errorApertura_;
    return {Error::kEntradaSalida, QStringLiteral("el almacén de informes no está abierto")};
}

Error InformesPrograma::EscribirSeleccion() {
    Error error = Disponible();
    if (!error && frase_) error = base_.GuardarFrase(*frase_);
    if (!error) {
        error = base_.GuardarSeleccion(seleccionDesde_, seleccionHasta_, seleccionTotal_,
                                       seleccionDias_);
    }
    return error;
}

Error InformesPrograma::EscribirNumeros() {
    if (!numeros_) return {};
    Error error = Disponible();
    if (!error) error = base_.GuardarNumeros(*numeros_);
    return error;
}

Error InformesPrograma::EscribirFicha() {
    if (!ficha_) return {};
    Error error = Disponible();
    if (!error) error = base_.GuardarLineas(lineas_);
    if (!error) error = base_.GuardarPena(*ficha_);
    return error;
}

Error InformesPrograma::Escribir(Tablas tablas) {
    if (tablas == Tablas::Pena) return EscribirFicha();
    Error error = EscribirSeleccion();
    if (!error) error = EscribirNumeros();
    return error;
}

QString InformesPrograma::Causa(const Error& error) const {
    return CausaEscritura(error, estado_.Fichero(kFicheroInformes));
}

void InformesPrograma::Avisar(const Error& error, Tablas tablas) {
    if (!error || avisadoEnLaOrden_) return;
    avisadoEnLaOrden_ = true;
    const QString numero = QString::number(error.Numero);
    if (tablas == Tablas::Estadisticas) {
        dialogos_.Mensaje(QStringLiteral("Sistema operativo no actualizado. El programa no "
                                         "funcionará correctamente. Error ") +
                              numero + QLatin1Char('\n') + Causa(error),
                          Icono::Informacion, Botones::Aceptar, QStringLiteral("¡Error!"));
    } else {
        // The card's words for a report store that can't be used. The program goes on: its data
        // files are whole, only the syndicate report waits for the store.
        dialogos_.Mensaje(QStringLiteral("Un archivo necesario para el funcionamiento del "
                                         "programa ha sido modificado o eliminado. Reinstale el "
                                         "programa. Error ") +
                              numero + QLatin1Char('\n') + Causa(error),
                          Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
    }
    // A command runs to its end before the event loop takes the next one: from there on, a
    // failure is told again.
    QMetaObject::invokeMethod(
        this, [this] { avisadoEnLaOrden_ = false; }, Qt::QueuedConnection);
}

void InformesPrograma::Mostrar(int informe) {
    const QString definicion =
        estado_.FicheroCompartido(informe == 0 ? kDefinicionEstadisticas : kDefinicionPena);
    // The report is built from rows written just now: an earlier failure may have left in the
    // store another selection or another syndicate than the one on show.
    Listos();
    const Error escrito = Escribir(informe == 0 ? Tablas::Estadisticas : Tablas::Pena);
    ResultadoInforme r;
    if (!escrito) r = GenerarInforme(definicion, base_.Tablas());
    if (escrito || r.error != 0) {
        QString texto = QStringLiteral("Error ") +
                        QString::number(escrito ? escrito.Numero : r.error) +
                        QStringLiteral(
                            ". No es posible mostrar el informe. Si el error persiste, "
                            "reinstalar el programa puede ser la solución.");
        if (escrito) texto += QLatin1Char('\n') + Causa(escrito);
        dialogos_.Mensaje(texto, Icono::Informacion, Botones::Aceptar, QStringLiteral("Error"));
        return;
    }
    dialogos_.VerInforme(informe == 0 ? QStringLiteral("Informe de estadísticas")
                                      : QStringLiteral("Informe de la peña"),
                         r.html);
}

}  // namespace tombolin
