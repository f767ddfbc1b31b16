#include "ui/barra_descarga.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/reemplazo.h"
#include "core/sorteos.h"
#include "results/analisis.h"
#include "results/fusion.h"
#include "ui/mensajes.h"

namespace tombolin {

namespace {

const QString kTextoConectando = QStringLiteral("CONECTANDO AL SERVIDOR");

}  // namespace

BarraDescarga::BarraDescarga(Estado& estado, Servicios servicios, Transferencia& transferencia,
                             QString servicioOperador, QWidget* padre)
    : QWidget(padre),
      estado_(estado),
      servicios_(servicios),
      transferencia_(transferencia),
      servicio_(std::move(servicioOperador)) {
    boton_ = new QPushButton(QStringLiteral("&Bajar sorteos nuevos"), this);
    boton_->setObjectName(QStringLiteral("botonBajar"));
    boton_->setToolTip(QStringLiteral("Trae de ONLAE los sorteos de los últimos 100 días"));
    connect(boton_, &QPushButton::clicked, this, &BarraDescarga::BajarSorteos);
    estadoTexto_ = new QLabel(this);
    estadoTexto_->setObjectName(QStringLiteral("estadoDescarga"));
    estadoTexto_->setMinimumWidth(estadoTexto_->fontMetrics().horizontalAdvance(
        QStringLiteral("TRANSFERENCIA FINALIZADA  ")));
    bytes_ = new QLabel(QStringLiteral("0 Bytes"), this);
    bytes_->setObjectName(QStringLiteral("bytesDescarga"));
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName(QStringLiteral("progresoDescarga"));
    progreso_->setRange(0, kTerminada);
    progreso_->setValue(0);
    progreso_->setTextVisible(false);
    progreso_->setMaximumWidth(120);

    auto* capas = new QHBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(estadoTexto_);
    capas->addWidget(bytes_);
    capas->addWidget(progreso_);
    capas->addWidget(boton_);

    vigilante_ = new QTimer(this);
    vigilante_->setObjectName(QStringLiteral("vigilanteDescarga"));
    vigilante_->setInterval(1000);
    connect(vigilante_, &QTimer::timeout, this, &BarraDescarga::TicVigilante);
    connect(&transferencia_, &Transferencia::recibido, this, &BarraDescarga::Recibido);
    connect(&transferencia_, &Transferencia::terminada, this, &BarraDescarga::Terminada);
}

QString BarraDescarga::Direccion(QDate hoy) const {
    const auto ocho = [](QDate d) { return d.toString(QStringLiteral("yyyyMMdd")); };
    return servicio_ +
           QStringLiteral(
               "/servicios/buscadorSorteos?game_id=LAPR&celebrados=true&fechaInicioInclusiva=") +
           ocho(hoy.addDays(-100)) + QStringLiteral("&fechaFinInclusiva=") + ocho(hoy);
}

bool BarraDescarga::Descargando() const {
    return fase_ != Fase::Parada;
}

int BarraDescarga::ProgresoActual() const {
    return progreso_->value();
}

QString BarraDescarga::TextoEstado() const {
    return estadoTexto_->text();
}

void BarraDescarga::PonerProgreso(int valor) {
    progreso_->setValue(valor);
    progreso_->repaint();
}

void BarraDescarga::PonerEstado(const QString& texto) {
    estadoTexto_->setText(texto);
    estadoTexto_->repaint();
}

void BarraDescarga::BajarSorteos() {
    if (Descargando()) return;
    emit empieza();
    analisisFallido_ = false;
    const QDate hoy = servicios_.reloj.Hoy();
    if (hoy < OleAFecha(estado_.SorteoActual.Fecha)) {
        servicios_.dialogos.Mensaje(
            QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos en la base "
                           "de datos con fechas porsteriores a la actual. Comprueba la fecha de tu "
                           "ordenador."),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Error de fechas"));
        return;
    }
    segundos_ = 0;
    PonerProgreso(kConectando);
    emit primeraPestana();
    PonerEstado(kTextoConectando);
    bytes_->setText(QStringLiteral("0"));
    fase_ = Fase::Conectando;
    boton_->setEnabled(false);
    emit descargando(true);
    vigilante_->start();
    transferencia_.Empezar(Direccion(hoy));
}

void BarraDescarga::Recibido(qint64 bytes) {
    // The same transfer then brings the official PDF: its bytes are not the download's.
    if (fase_ != Fase::Conectando && fase_ != Fase::Buscando) return;
    bytes_->setText(QString::number(bytes));
    // More than 100 characters are an answer: the watchdog no longer waits for the connection.
    if (fase_ == Fase::Conectando && bytes > 100) HayRespuesta();
}

void BarraDescarga::HayRespuesta() {
    fase_ = Fase::Buscando;
    PonerEstado(QStringLiteral("BUSCANDO SORTEOS"));
}

void BarraDescarga::Terminada() {
    // The service's short answer for a period without draws is an answer all the same.
    if (fase_ == Fase::Conectando &&
        transferencia_.EstadoActual() == Transferencia::Estado::Hecha &&
        RespuestaSinSorteos(transferencia_.Cuerpo()))
        HayRespuesta();
}

void BarraDescarga::Parar() {
    vigilante_->stop();
    fase_ = Fase::Parada;
    boton_->setEnabled(true);
    emit descargando(false);
}

void BarraDescarga::Abortar(const QString& texto) {
    // Set before the cancel: the transfer's end is no news any more.
    Parar();
    transferencia_.Cancelar();
    servicios_.dialogos.Mensaje(texto, Icono::Exclamacion, Botones::Aceptar,
                                QStringLiteral("Error de conexión"));
    PonerProgreso(kAbortada);
    PonerEstado({});
}

void BarraDescarga::TicVigilante() {
    if (fase_ != Fase::Conectando && fase_ != Fase::Buscando) return;
    ++segundos_;
    if (fase_ == Fase::Conectando && segundos_ == 5) {
        Abortar(QStringLiteral(
            "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya "
            "que no es posible conectar con el servidor de ONLAE."));
        return;
    }
    // An answer that is in is read, even if it came at the last second.
    if (fase_ == Fase::Buscando && transferencia_.EstadoActual() == Transferencia::Estado::Hecha) {
        Leer();
        return;
    }
    if (progreso_->value() == kConectando && segundos_ == 30) {
        Abortar(
            QStringLiteral("Problemas con el servidor. Tarda en responder. Pruebe más tarde..."));
    }
}

void BarraDescarga::Leer() {
    // Until the new draws are checked and shown, the download is not over: no second one, and
    // the commands that change files still wait.
    vigilante_->stop();
    fase_ = Fase::Leyendo;
    PonerProgreso(kRecibido);
    // "www.txt" keeps the document as one quoted item; the parser reads it from there.
    estado_.Descarga.close();
    const QString www = estado_.Fichero(kFicheroDescarga);
    const Error error = EscribirYRenombrar(www, www + QStringLiteral(".tmp"),
                                           ComoElementoEntrecomillado(transferencia_.Cuerpo()));
    estado_.Descarga.setFileName(www);
    estado_.Descarga.open(QIODevice::ReadWrite);
    if (error) {
        // Reading on would parse the previous document and might store its draws again.
        Parar();
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroDescarga));
        analisisFallido_ = true;
        PonerProgreso(kAbortada);
        PonerEstado({});
        return;
    }
    AnalizarYFusionar();
    if (!analisisFallido_) {
        PonerProgreso(kComprobando);
        emit comprobar(sorteosNuevos_);
        PonerProgreso(kRefrescando);
        emit refrescar();
    }
    PonerEstado(QStringLiteral("TRANSFERENCIA FINALIZADA"));
    emit primeraPestana();
    PonerProgreso(kTerminada);
    Parar();
}

void BarraDescarga::AnalizarYFusionar() {
    PonerEstado(QStringLiteral("ANALIZANDO DATOS"));
    sorteosNuevos_ = 0;
    estado_.Descarga.seek(0);
    const QByteArray www = estado_.Descarga.readAll();
    Sorteo ultimo = estado_.SorteoActual;
    if (estado_.SorteoLibre() > 1) LeerSorteo(estado_.Sorteos, estado_.SorteoLibre() - 1, ultimo);
    const LecturaSorteos l = LeerSorteosNuevos(www, ultimo.Fecha, servicios_.reloj.Hoy());

    if (l.Fallo) {
        if (l.LeidosAntesDelFallo == 0) {
            servicios_.dialogos.Mensaje(
                QStringLiteral(
                    "¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este "
                    "mismo error, posiblemente se ha de actualizar el programa. Pruebe "
                    "más tarde."),
                Icono::Critico, Botones::Aceptar, QStringLiteral("Error crítico"));
            emit analisisImposible(
                QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde "
                               "se conecta y le vuelve a suceder envie un email "
                               "a: ") +
                QLatin1String(kCorreoContacto));
            analisisFallido_ = true;
        } else {
            servicios_.dialogos.Mensaje(
                QStringLiteral("Aun no hay datos de sorteos del ") +
                    QString::number(servicios_.reloj.Hoy().year()) + QStringLiteral("."),
                Icono::Informacion, Botones::Aceptar, QStringLiteral("Pruebe mas tarde"));
        }
        return;
    }

    const int n = static_cast<int>(l.Nuevos.size());
    const Error error = AnadirSorteosNuevos(estado_, l.Nuevos);
    if (error) {
        // Nothing was stored: say why, and don't go on as if it had been.
        InformarErrorFichero(servicios_.dialogos, error, QLatin1String(kFicheroSorteos));
        analisisFallido_ = true;
        return;
    }
    sorteosNuevos_ = n;
    if (n > 0) {
        emit nuevosSorteos(QString::number(n) +
                           (n == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos")));
    }
    // What was left for the next download, and why; or that there was nothing new.
    const bool uno = l.NoGuardados == 1;
    if (l.FechaMala.isValid()) {
        servicios_.dialogos.Mensaje(
            QStringLiteral("ONLAE ha enviado datos incorrectos del sorteo del %1. No se ha%2 "
                           "guardado %3 sorteo%4 de la descarga; se intentará de nuevo en la "
                           "próxima.")
                .arg(l.FechaMala.toString(QStringLiteral("dd/MM/yyyy")),
                     uno ? QString() : QStringLiteral("n"), QString::number(l.NoGuardados),
                     uno ? QString() : QStringLiteral("s")),
            Icono::Exclamacion, Botones::Aceptar, QStringLiteral("Sorteos no guardados"));
    } else if (l.NoGuardados > 0) {
        servicios_.dialogos.Mensaje(
            QStringLiteral("El sorteo del %1 aún no está escrutado. %2 se guardará%3 en la "
                           "próxima descarga.")
                .arg(l.FechaPendiente.toString(QStringLiteral("dd/MM/yyyy")),
                     uno ? QStringLiteral("El sorteo posterior")
                         : QStringLiteral("Los %1 sorteos posteriores").arg(l.NoGuardados),
                     uno ? QString() : QStringLiteral("n")),
            Icono::Informacion, Botones::Aceptar, QStringLiteral("Sorteos no guardados"));
    } else if (n == 0) {
        servicios_.dialogos.Mensaje(QStringLiteral("Todavía no hay sorteos nuevos."),
                                    Icono::Informacion, Botones::Aceptar,
                                    QStringLiteral("Pruebe más tarde"));
    }
    // One recent draw is shown afterwards even when none came.
    if (sorteosNuevos_ == 0) sorteosNuevos_ = 1;
    emit sorteosCambiados();
}

}  // namespace tombolin
