#include "programa/cadena_descarga.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

#include "checking/sesion_comprobacion.h"
#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "core/reemplazo.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"
#include "results/analisis.h"
#include "results/escrutinio.h"
#include "results/fusion.h"
#include "results/textos_descarga.h"

namespace tombolin {

namespace {

const QString kTextoConectando = QStringLiteral("CONECTANDO AL SERVIDOR");

// A download this many days behind asks before it starts: it takes many requests.
constexpr int kDiasSinPreguntar = 365;

}  // namespace

CadenaDescarga::CadenaDescarga(Estado& estado, Dialogos& dialogos, const Reloj& reloj,
                               Transferencia& transferencia, QString servicioOperador,
                               QObject* padre)
    : QObject(padre),
      estado_(estado),
      dialogos_(dialogos),
      reloj_(reloj),
      transferencia_(transferencia),
      servicio_(std::move(servicioOperador)) {
    comprobar_ = [this](int n) {
        if (const Error e = SesionComprobacion(estado_).Comprobar(n, {}))
            FalloFichero(e, kFicheroPenas);
    };
    vigilante_ = new QTimer(this);
    vigilante_->setObjectName(QStringLiteral("vigilanteDescarga"));
    vigilante_->setInterval(1000);
    connect(vigilante_, &QTimer::timeout, this, &CadenaDescarga::TicVigilante);
    connect(&transferencia_, &Transferencia::recibido, this, &CadenaDescarga::Recibido);
    connect(&transferencia_, &Transferencia::terminada, this, &CadenaDescarga::Terminada);
}

QString CadenaDescarga::TextoTramo() const {
    if (tramos_.empty()) return {};
    const Tramo& t = tramos_[tramo_];
    const QString dias =
        t.desde == t.hasta
            ? QStringLiteral("el %1").arg(FechaCorta(t.desde))
            : QStringLiteral("del %1 al %2").arg(FechaCorta(t.desde), FechaCorta(t.hasta));
    return QStringLiteral("Petición %1 de %2: %3").arg(tramo_ + 1).arg(tramos_.size()).arg(dias);
}

void CadenaDescarga::PonerProgreso(int valor) {
    progreso_ = valor;
    emit cambiado();
}

void CadenaDescarga::PonerEstado(const QString& texto) {
    estadoTexto_ = texto;
    emit cambiado();
}

std::vector<Sorteo> CadenaDescarga::SorteosGuardados() const {
    return SepararImposibles(LeerTodosLosSorteos(estado_.Sorteos)).Sorteos;
}

void CadenaDescarga::BajarSorteos() {
    if (Descargando()) return;
    emit empieza();
    analisisFallido_ = false;
    fallida_ = false;
    premiosNuevos_.clear();
    const QDate hoy = reloj_.Hoy();
    if (hoy < OleAFecha(estado_.SorteoActual.Fecha)) {
        fallida_ = true;
        dialogos_.Mensaje(
            QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos en la base "
                           "de datos con fechas porsteriores a la actual. Comprueba la fecha de tu "
                           "ordenador."),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Error de fechas"));
        return;
    }
    const std::vector<Sorteo> guardados = SorteosGuardados();
    const QDate ultimo = guardados.empty() ? QDate() : OleAFecha(guardados.back().Fecha);
    sueltos_ = SorteosQueFaltan(guardados);
    tramos_ = TramosDescarga(ultimo, hoy, sueltos_);
    if (ultimo.isValid() && ultimo.daysTo(hoy) > kDiasSinPreguntar && !desatendida_) {
        const QString pregunta =
            QStringLiteral(
                "Los sorteos guardados terminan el %1. Para bajar todos los que faltan hay que "
                "hacer %2 peticiones a ONLAE, una tras otra; se puede cancelar en cualquier "
                "momento y lo ya bajado se guarda.\n¿Quiere bajarlos todos ahora?")
                .arg(FechaCorta(ultimo))
                .arg(tramos_.size());
        if (dialogos_.Mensaje(pregunta, Icono::Pregunta, Botones::SiNo,
                              QStringLiteral("Bajar sorteos nuevos")) != Respuesta::Si)
            return;
    }
    importes_ = false;
    emit primeraPestana();
    Empezar();
}

void CadenaDescarga::Empezar() {
    tramo_ = 0;
    guardados_ = 0;
    intercalados_ = 0;
    intercaladosContados_.clear();
    conDesglose_ = 0;
    avisado_ = false;
    premiosAvisados_ = false;
    fase_ = Fase::Conectando;
    emit descargando(true);
    PedirTramo();
}

std::vector<QDate> CadenaDescarga::DiasSinImporte(QDate antesDe) const {
    if (!almacen_ || !almacen_->Abierto()) return {};
    std::vector<QDate> dias = tombolin::DiasSinImporte(
        SorteosGuardados(), LeerTodasLasPenas(estado_.Penas), almacen_->Leer());
    if (antesDe.isValid())
        dias.erase(std::remove_if(dias.begin(), dias.end(), [&](QDate d) { return d >= antesDe; }),
                   dias.end());
    return dias;
}

void CadenaDescarga::OfrecerImportes() {
    if (desatendida_ || ImportesOfrecidos(estado_.Config)) return;
    // The last request always spans the last 100 days: only older amounts are missing for good.
    const std::vector<QDate> dias = DiasSinImporte(reloj_.Hoy().addDays(-kDiasUltimoTramo));
    if (dias.empty()) return;
    MarcarImportesOfrecidos(estado_.Config);
    bool avisado = false;
    GuardarAjustes(estado_, dialogos_, avisado);
    const size_t peticiones = TramosDeDias(dias, reloj_.Hoy()).size();
    const QString pregunta =
        (dias.size() == 1 ? QStringLiteral("Hay 1 sorteo anterior con premios de sus peñas cuyo "
                                           "importe no se tiene.")
                          : QStringLiteral("Hay %1 sorteos anteriores con premios de sus peñas "
                                           "cuyo importe no se tiene.")
                                .arg(dias.size())) +
        (peticiones == 1 ? QStringLiteral(" ¿Quiere pedir ahora a ONLAE su desglose (1 petición)?")
                         : QStringLiteral(" ¿Quiere pedir ahora a ONLAE sus desgloses (%1 "
                                          "peticiones)?")
                               .arg(peticiones)) +
        QStringLiteral(" Se puede hacer en cualquier momento con «General › Completar importes».");
    if (dialogos_.Mensaje(pregunta, Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Completar importes")) == Respuesta::Si)
        QTimer::singleShot(0, this, &CadenaDescarga::CompletarImportes);
}

void CadenaDescarga::CompletarImportes() {
    if (Descargando()) return;
    const std::vector<QDate> dias = DiasSinImporte();
    if (dias.empty()) {
        dialogos_.Mensaje(QStringLiteral("No falta el importe de ningún premio."),
                          Icono::Informacion, Botones::Aceptar,
                          QStringLiteral("Completar importes"));
        return;
    }
    analisisFallido_ = false;
    importes_ = true;
    diasImportes_ = dias;
    std::sort(diasImportes_.begin(), diasImportes_.end());
    tramos_ = TramosDeDias(dias, reloj_.Hoy());
    Empezar();
}

void CadenaDescarga::TerminarImportes() {
    PonerEstado(QStringLiteral("TRANSFERENCIA FINALIZADA"));
    PonerProgreso(kTerminada);
    const int total = static_cast<int>(diasImportes_.size());
    Avisar(conDesglose_ == 0
               ? QStringLiteral("ONLAE no ha enviado el desglose de ninguno de los %1 sorteos.")
                     .arg(total)
               : QStringLiteral("Desglose recibido de %1 de los %2 sorteos con premios sin "
                                "importe.")
                     .arg(conDesglose_)
                     .arg(total),
           Icono::Informacion, QStringLiteral("Completar importes"));
    Parar();
}

void CadenaDescarga::PedirTramo() {
    segundos_ = 0;
    fase_ = Fase::Conectando;
    bytes_ = QStringLiteral("0");
    estadoTexto_ = kTextoConectando;
    PonerProgreso(kConectando);
    if (tramos_.size() > 1) emit tramoPedido(TextoTramo());
    vigilante_->start();
    transferencia_.Empezar(DireccionTramo(servicio_, tramos_[tramo_]));
}

void CadenaDescarga::Recibido(qint64 bytes) {
    // The same transfer then brings the official PDF: its bytes are not the download's.
    if (!Esperando()) return;
    bytes_ = QString::number(bytes);
    emit cambiado();
    // More than 100 characters are an answer: the watchdog no longer waits for the connection.
    if (fase_ == Fase::Conectando && bytes > 100) HayRespuesta();
}

void CadenaDescarga::HayRespuesta() {
    fase_ = Fase::Buscando;
    PonerEstado(QStringLiteral("BUSCANDO SORTEOS"));
}

void CadenaDescarga::Terminada() {
    if (!Esperando()) return;
    using F = Transferencia::Fallo;
    if (transferencia_.EstadoActual() == Transferencia::Estado::Hecha) {
        // The service's short answer for a period without draws is an answer all the same.
        if (fase_ == Fase::Conectando &&
            ExaminarRespuesta(transferencia_.Cuerpo()) == FormaRespuesta::SinSorteos)
            HayRespuesta();
        return;
    }
    // An answer given up for its size, or cut on the way, is known for what it is at once: no
    // reason to leave the bar standing until the watchdog gives up on it.
    if (transferencia_.FalloActual() == F::DemasiadoGrande) {
        Fallar(transferencia_.TextoError() + QStringLiteral(" No se ha guardado nada."));
    } else if (transferencia_.FalloActual() == F::Cortada) {
        Fallar(TextoRespuestaIncompleta());
    }
}

void CadenaDescarga::Parar() {
    vigilante_->stop();
    fase_ = Fase::Parada;
    emit cambiado();
    emit descargando(false);
}

void CadenaDescarga::FalloFichero(const Error& error, const char* fichero) {
    avisado_ = true;
    fallida_ = true;
    InformarErrorFichero(dialogos_, error, QLatin1String(fichero));
}

void CadenaDescarga::Avisar(const QString& texto, Icono icono, const QString& titulo) {
    avisado_ = true;
    fallida_ = fallida_ || icono == Icono::Exclamacion || icono == Icono::Critico;
    dialogos_.Mensaje(texto, icono, Botones::Aceptar, titulo);
}

QString CadenaDescarga::ConFaltan(const QString& texto) const {
    // One request alone leaves nothing behind: the next download asks for the same 100 days.
    // Completing amounts stores no draw: nothing of the draws is missing for it.
    if (tramos_.size() < 2 || importes_) return texto;
    const QString faltan = TextoFaltan(SorteosGuardados(), reloj_.Hoy());
    return faltan.isEmpty() ? texto : texto + QLatin1Char('\n') + faltan;
}

void CadenaDescarga::Detener() {
    // Stopped before the cancel: the transfer's end is no news any more.
    vigilante_->stop();
    fase_ = Fase::Leyendo;
    transferencia_.Cancelar();
    emit cambiado();
}

void CadenaDescarga::Acabar() {
    // What earlier requests brought is checked and shown as after any download.
    if (AlgoGuardado()) {
        Finalizar(false);
        return;
    }
    PonerProgreso(kAbortada);
    PonerEstado({});
    Parar();
}

void CadenaDescarga::Fallar(const QString& texto) {
    Detener();
    QString mensaje = texto;
    const QString causa = CausaDelFallo(transferencia_);
    if (!causa.isEmpty()) mensaje += QLatin1Char('\n') + causa;
    Avisar(ConFaltan(mensaje), Icono::Exclamacion, QStringLiteral("Error de conexión"));
    Acabar();
}

void CadenaDescarga::Cancelar() {
    if (!Esperando()) return;
    Detener();
    Avisar(
        ConFaltan(QStringLiteral("Descarga cancelada.")), Icono::Informacion,
        importes_ ? QStringLiteral("Completar importes") : QStringLiteral("Bajar sorteos nuevos"));
    Acabar();
}

void CadenaDescarga::TicVigilante() {
    if (!Esperando()) return;
    ++segundos_;
    if (fase_ == Fase::Conectando && segundos_ == 5) {
        Fallar(TextoNoConectado());
        return;
    }
    // An answer that is in is read, even if it came at the last second.
    if (fase_ == Fase::Buscando && transferencia_.EstadoActual() == Transferencia::Estado::Hecha) {
        Leer();
        return;
    }
    if (progreso_ == kConectando && segundos_ == 30) Fallar(TextoTardaEnResponder());
}

void CadenaDescarga::Leer() {
    // Until the new draws are checked and shown, the download is not over: no second one, and
    // the commands that change files still wait.
    vigilante_->stop();
    fase_ = Fase::Leyendo;
    PonerProgreso(kRecibido);
    const QByteArray cuerpo = transferencia_.Cuerpo();
    switch (ExaminarRespuesta(cuerpo)) {
        case FormaRespuesta::Lista:
        case FormaRespuesta::SinSorteos:
            break;
        case FormaRespuesta::Incompleta:
            Fallar(TextoRespuestaIncompleta());
            return;
        case FormaRespuesta::Otra:
            // What the service never sends is no document to interpret: told as such, and
            // "www.txt" keeps the last one that was.
            Avisar(ConFaltan(TextoDatosCorruptos() + QLatin1Char('\n') + TextoRespuestaExtrana()),
                   Icono::Critico, QStringLiteral("Error crítico"));
            analisisFallido_ = !AlgoGuardado();
            if (importes_) {
                Acabar();
                return;
            }
            Finalizar(false);
            return;
    }
    if (importes_) {
        // Only the breakdowns are kept: "www.txt" stays the newest answer.
        for (const QDate& d : GuardarPremios(cuerpo))
            conDesglose_ += std::binary_search(diasImportes_.begin(), diasImportes_.end(), d);
        if (tramo_ + 1 < tramos_.size()) {
            ++tramo_;
            PedirTramo();
        } else {
            TerminarImportes();
        }
        return;
    }
    // "www.txt" keeps the document as one quoted item; the parser reads it from there.
    estado_.Descarga.close();
    const QString www = estado_.Fichero(kFicheroDescarga);
    const Error error =
        EscribirYRenombrar(www, www + QStringLiteral(".tmp"), ComoElementoEntrecomillado(cuerpo));
    estado_.Descarga.setFileName(www);
    estado_.Descarga.open(QIODevice::ReadWrite);
    if (error) {
        // Reading on would parse the previous document and might store its draws again.
        FalloFichero(error, kFicheroDescarga);
        analisisFallido_ = !AlgoGuardado();
        Acabar();
        return;
    }
    if (!AnalizarYFusionar()) {
        Finalizar(false);
        return;
    }
    if (tramo_ + 1 < tramos_.size()) {
        ++tramo_;
        PedirTramo();
        return;
    }
    Finalizar(true);
}

void CadenaDescarga::Finalizar(bool completa) {
    fase_ = Fase::Leyendo;
    emit cambiado();
    if (!AlgoGuardado() && !avisado_) {
        Avisar(QStringLiteral("Todavía no hay sorteos nuevos."), Icono::Informacion,
               QStringLiteral("Pruebe más tarde"));
    }
    // One recent draw is shown afterwards even when none came.
    sorteosNuevos_ = std::max(guardados_, 1);
    if (!analisisFallido_) {
        emit sorteosCambiados();
        PonerProgreso(kComprobando);
        const std::vector<Pena> antes = LeerTodasLasPenas(estado_.Penas);
        comprobar_(sorteosNuevos_);
        AvisarPremiosNuevos(antes);
        PonerProgreso(kRefrescando);
        // The breakdown is read from the last answer kept: only the newest one is sure to hold
        // the newest draw's.
        if (completa) emit refrescar();
    }
    PonerEstado(QStringLiteral("TRANSFERENCIA FINALIZADA"));
    emit primeraPestana();
    PonerProgreso(kTerminada);
    Parar();
    if (completa) OfrecerImportes();
}

void CadenaDescarga::AvisarPremiosNuevos(const std::vector<Pena>& antes) {
    premiosNuevos_ =
        PremiosNuevos(SorteosGuardados(), antes, LeerTodasLasPenas(estado_.Penas),
                      almacen_ && almacen_->Abierto() ? almacen_->Leer() : PremiosGuardados{},
                      intercaladosContados_);
    if (!notificador_) return;
    for (const PremioNuevo& p : premiosNuevos_)
        notificador_->Notificar(QStringLiteral("Premio en La Primitiva"), TextoPremioNuevo(p));
}

std::vector<QDate> CadenaDescarga::GuardarPremios(const QByteArray& www) {
    // Every entry's breakdown, not only the new draws': a recent draw's amounts often come after
    // its numbers, and a later answer mends a provisional one.
    std::vector<QDate> dias;
    if (!almacen_ || !almacen_->Abierto()) return dias;
    const std::vector<EscrutinioSorteo> escrutinios = LeerEscrutinios(www);
    if (const Error e = almacen_->Guardar(escrutinios)) {
        // Said once a download; the draws go on, and the amounts come with the next one.
        if (premiosAvisados_) return dias;
        premiosAvisados_ = true;
        fallida_ = true;
        dialogos_.Mensaje(CausaEscritura(e, estado_.Fichero(AlmacenPremios::kFichero)) +
                              QStringLiteral("\nLos sorteos se guardan; los importes de sus "
                                             "premios quedan pendientes."),
                          Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
        return dias;
    }
    for (const EscrutinioSorteo& e : escrutinios) dias.push_back(e.Fecha);
    return dias;
}

bool CadenaDescarga::AnalizarYFusionar() {
    PonerEstado(QStringLiteral("ANALIZANDO DATOS"));
    estado_.Descarga.seek(0);
    const QByteArray www = estado_.Descarga.readAll();
    GuardarPremios(www);
    if (!IntercalarSueltos(www)) return false;

    const std::vector<Sorteo> guardados = SorteosGuardados();
    const double ultimo = guardados.empty() ? estado_.SorteoActual.Fecha : guardados.back().Fecha;
    const LecturaSorteos l = LeerSorteosNuevos(www, ultimo, reloj_.Hoy());

    if (l.Fallo) {
        if (l.LeidosAntesDelFallo == 0) {
            Avisar(ConFaltan(TextoDatosCorruptos()), Icono::Critico,
                   QStringLiteral("Error crítico"));
            emit analisisImposible(
                QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde "
                               "se conecta y le vuelve a suceder envie un email "
                               "a: ") +
                QLatin1String(kCorreoContacto));
            // Draws that earlier requests brought are still checked.
            analisisFallido_ = !AlgoGuardado();
        } else {
            Avisar(ConFaltan(QStringLiteral("Aun no hay datos de sorteos del ") +
                             QString::number(reloj_.Hoy().year()) + QStringLiteral(".")),
                   Icono::Informacion, QStringLiteral("Pruebe mas tarde"));
        }
        return false;
    }

    const int n = static_cast<int>(l.Nuevos.size());
    if (const Error error = AnadirSorteosNuevos(estado_, l.Nuevos)) {
        // Nothing of this answer was stored: say why, and don't go on as if it had been.
        FalloFichero(error, kFicheroSorteos);
        analisisFallido_ = !AlgoGuardado();
        return false;
    }
    guardados_ += n;
    if (guardados_ > 0) {
        emit nuevosSorteos(QString::number(guardados_) + (guardados_ == 1
                                                              ? QStringLiteral(" sorteo")
                                                              : QStringLiteral(" sorteos")));
    }
    // What was left for the next download, and why.
    const bool uno = l.NoGuardados == 1;
    if (l.FechaMala.isValid()) {
        Avisar(
            ConFaltan(
                QStringLiteral("ONLAE ha enviado datos incorrectos del sorteo del %1. No se ha%2 "
                               "guardado %3 sorteo%4 de la descarga; se intentará de nuevo en la "
                               "próxima.")
                    .arg(FechaCorta(l.FechaMala), uno ? QString() : QStringLiteral("n"),
                         QString::number(l.NoGuardados), uno ? QString() : QStringLiteral("s"))),
            Icono::Exclamacion, QStringLiteral("Sorteos no guardados"));
        return false;
    }
    if (l.NoGuardados > 0) {
        Avisar(ConFaltan(
                   QStringLiteral("El sorteo del %1 aún no está escrutado. %2 se guardará%3 "
                                  "en la próxima descarga.")
                       .arg(FechaCorta(l.FechaPendiente),
                            uno ? QStringLiteral("El sorteo posterior")
                                : QStringLiteral("Los %1 sorteos posteriores").arg(l.NoGuardados),
                            uno ? QString() : QStringLiteral("n"))),
               Icono::Informacion, QStringLiteral("Sorteos no guardados"));
        return false;
    }
    return true;
}

bool CadenaDescarga::IntercalarSueltos(const QByteArray& www) {
    // The days the file lacks in its middle that this request spans: the draw of each, if the
    // answer brings it, goes in its place.
    const Tramo& tramo = tramos_[tramo_];
    std::vector<Sorteo> traidos;
    for (const QDate& d : sueltos_) {
        if (d < tramo.desde || d > tramo.hasta) continue;
        const double dia = FechaAOle(d);
        for (const Sorteo& s : LeerSorteosNuevos(www, dia - 1, reloj_.Hoy()).Nuevos) {
            if (std::floor(s.Fecha) == dia) traidos.push_back(s);
        }
    }
    if (traidos.empty()) return true;
    std::vector<double> puestos;
    if (const Error error = IntercalarSorteos(estado_, traidos, puestos)) {
        FalloFichero(error, kFicheroSorteos);
        analisisFallido_ = !AlgoGuardado();
        return false;
    }
    intercalados_ += static_cast<int>(puestos.size());
    // The syndicates already checked past that day would never count it otherwise.
    if (const Error error = ContarSorteosIntercalados(estado_, puestos)) {
        FalloFichero(error, kFicheroPenas);
    } else {
        intercaladosContados_.insert(intercaladosContados_.end(), puestos.begin(), puestos.end());
    }
    return true;
}

}  // namespace tombolin
