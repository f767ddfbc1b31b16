#include "ui/resultados/pagina_ultimo_sorteo.h"

#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "checking/comprobacion.h"
#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/reemplazo.h"
#include "programa/mensajes.h"
#include "results/analisis.h"
#include "ui/base/datos_programa.h"
#include "ui/resultados/bolas_sorteo.h"

namespace tombolin {

namespace {

const char* const kLector = "get.adobe.com/es/reader/";

// What each category row says until a document names it.
const char* const kCategorias[] = {
    "Especial (6 + reintegro):", "1ª (6 aciertos):", "2ª (5 + complementario):",
    "3ª (5 aciertos):",          "4ª (4 aciertos):", "5ª (3 aciertos):"};

QString SinDatos() {
    return QStringLiteral(
        "\r\nATENCIÓN:\r\nLos datos del sorteo aún no están disponibles. Intente más tarde.");
}

}  // namespace

PaginaUltimoSorteo::PaginaUltimoSorteo(Estado& estado, Servicios servicios,
                                       Transferencia& transferencia, QString servicioOperador,
                                       const DatosPrograma& datos, QWidget* padre)
    : QWidget(padre),
      estado_(estado),
      servicios_(servicios),
      transferencia_(transferencia),
      servicio_(std::move(servicioOperador)),
      datos_(datos) {
    setObjectName(QStringLiteral("paginaUltimoSorteo"));
    titulo_ = new QLabel(this);
    titulo_->setObjectName(QStringLiteral("tituloDesglose"));
    QFont grande = titulo_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    titulo_->setFont(grande);
    bolas_ = new BolasSorteo(this);

    auto* caja = new QGroupBox(QStringLiteral("Premios por categoría"), this);
    auto* forma = new QFormLayout(caja);
    for (int k = 0; k < 6; ++k) {
        nombres_[k] = new QLabel(QString::fromUtf8(kCategorias[k]), caja);
        categorias_[k] = new QLabel(caja);
        categorias_[k]->setObjectName(QStringLiteral("categoria%1").arg(k));
        categorias_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        forma->addRow(nombres_[k], categorias_[k]);
    }

    mensaje_ = new QPlainTextEdit(this);
    mensaje_->setObjectName(QStringLiteral("mensajeDesglose"));
    mensaje_->setReadOnly(true);
    mensaje_->viewport()->installEventFilter(this);
    pdf_ = new QPdfDocument(this);
    vista_ = new QPdfView(this);
    vista_->setObjectName(QStringLiteral("vistaPdf"));
    vista_->setDocument(pdf_);
    vista_->setPageMode(QPdfView::PageMode::MultiPage);
    vista_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    documento_ = new QStackedWidget(this);
    documento_->addWidget(mensaje_);
    documento_->addWidget(vista_);

    auto* cajaGanado = new QGroupBox(QStringLiteral("Lo que han ganado sus peñas"), this);
    ganado_ = new QLabel(cajaGanado);
    ganado_->setObjectName(QStringLiteral("ganadoSorteo"));
    ganado_->setWordWrap(true);
    ganado_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(cajaGanado))->addWidget(ganado_);
    connect(&datos, &DatosPrograma::releidos, this, &PaginaUltimoSorteo::MostrarGanado);
    connect(&datos, &DatosPrograma::contadoresCambiados, this, &PaginaUltimoSorteo::MostrarGanado);
    connect(&datos, &DatosPrograma::ajustesCambiados, this, &PaginaUltimoSorteo::MostrarGanado);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(caja);
    izquierda->addWidget(cajaGanado);
    izquierda->addStretch();
    auto* abajo = new QHBoxLayout;
    abajo->addLayout(izquierda);
    abajo->addWidget(documento_, 1);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(titulo_);
    todo->addWidget(bolas_);
    todo->addLayout(abajo, 1);
}

void PaginaUltimoSorteo::MostrarGanado() {
    const std::vector<Sorteo>& sorteos = datos_.Sorteos();
    const std::vector<Pena>& penas = datos_.Penas();
    if (sorteos.empty() || penas.empty()) {
        ganado_->setText(penas.empty() ? QStringLiteral("No hay peñas.") : QString());
        return;
    }
    // The prizes of the newest draw alone, by the same rule as every money figure.
    const std::vector<ImportesPena> importes =
        CalcularImportes({sorteos.back()}, penas, datos_.Premios(), estado_.Config.PrecioApuesta);
    QStringList lineas;
    for (size_t i = 0; i < penas.size(); ++i) {
        const ImportesPena& d = importes[i];
        if (d.Ganado == 0 && d.Pendientes == 0) continue;
        lineas << penas[i].NombreVisible().trimmed() + QStringLiteral(": ") + TextoGanado(d);
    }
    ganado_->setText(lineas.isEmpty() ? QStringLiteral("Ninguna peña ha ganado en este sorteo.")
                                      : lineas.join(QLatin1Char('\n')));
}

QString PaginaUltimoSorteo::Titulo() const {
    return titulo_->text();
}

QString PaginaUltimoSorteo::Categoria(int k) const {
    return categorias_[k]->text();
}

QString PaginaUltimoSorteo::Mensaje() const {
    return textoMensaje_;
}

bool PaginaUltimoSorteo::PdfVisible() const {
    return documento_->currentWidget() == vista_;
}

void PaginaUltimoSorteo::MostrarMensaje(const QString& texto) {
    textoMensaje_ = texto;
    mensaje_->setPlainText(texto);
    documento_->setCurrentWidget(mensaje_);
}

void PaginaUltimoSorteo::MostrarDesglose(int modo) {
    documento_->setCurrentWidget(mensaje_);
    direccionPdf_.clear();
    const QDate fecha = OleAFecha(estado_.SorteoActual.Fecha);
    titulo_->setText(estado_.SorteoActual.Fecha > 0 && fecha.isValid()
                         ? QStringLiteral("-Informe del ") + FechaLarga(fecha)
                         : QString());
    bolas_->Poner(estado_.SorteoActual);

    QByteArray www;
    if (estado_.Descarga.isOpen() && estado_.Descarga.seek(0)) www = estado_.Descarga.readAll();
    const Desglose d = LeerDesglose(www, estado_.SorteoActual.Fecha, QUrl(servicio_).host());
    if (d.Categorias) {
        for (int k = 0; k < 6; ++k) {
            const CategoriaDesglose& c = (*d.Categorias)[k];
            categorias_[k]->setText(c.Premio);
            nombres_[k]->setText(c.Nombre.isEmpty() ? QString::fromUtf8(kCategorias[k])
                                                    : c.Nombre + QLatin1Char(':'));
        }
    }
    if (www.isEmpty()) {
        // Nothing was ever fetched: the way to get the breakdown is said.
        MostrarMensaje(QStringLiteral(
            "\r\nTodavía no se ha bajado ningún sorteo.\r\nPulse «Bajar sorteos nuevos» para "
            "ver los premios y el PDF oficial del último sorteo."));
        return;
    }
    if (d.RutaPdf.isEmpty()) {
        MostrarMensaje(SinDatos());
        return;
    }
    // Always over HTTPS, from the operator's own host.
    direccionPdf_ = servicio_ + d.RutaPdf;
    if (modo == 0) {
        const QByteArray cuerpo = transferencia_.Traer(direccionPdf_);
        pdfDescargado_ = true;
        pdfFallido_ = transferencia_.EstadoActual() != Transferencia::Estado::Hecha;
        // An error page with status 200: the last good PDF stays on disk, but it is another
        // draw's and is not shown under this one's title.
        pdfNoEnviado_ = !pdfFallido_ && !cuerpo.startsWith("%PDF");
        if (!pdfFallido_ && !pdfNoEnviado_) {
            const QString mavo = estado_.Fichero(kFicheroPdf);
            if (const Error e = EscribirYRenombrar(mavo, mavo + QStringLiteral(".parte"), cuerpo)) {
                InformarErrorFichero(servicios_.dialogos, e, QLatin1String(kFicheroPdf));
                MostrarMensaje(SinDatos());
                return;
            }
        }
    }
    MostrarPdf();
}

void PaginaUltimoSorteo::MostrarPdf() {
    QByteArray cabecera;
    {
        QFile f(estado_.Fichero(kFicheroPdf));
        if (f.open(QIODevice::ReadWrite)) cabecera = f.read(4).toUpper();
    }
    if (!pdfDescargado_ && (direccionPdf_.isEmpty() || cabecera != "%PDF")) {
        MostrarMensaje(SinDatos());
        return;
    }
    if (pdfDescargado_ && pdfFallido_) {
        MostrarMensaje(QStringLiteral("No se encuentra conexión a internet.... :("));
        return;
    }
    if (pdfDescargado_ && pdfNoEnviado_) {
        MostrarMensaje(
            QStringLiteral("\r\nATENCIÓN:\r\nONLAE no ha enviado el PDF oficial del "
                           "sorteo. Intente más tarde."));
        return;
    }
    pdf_->close();
    if (pdf_->load(estado_.Fichero(kFicheroPdf)) == QPdfDocument::Error::None &&
        pdf_->pageCount() > 0) {
        documento_->setCurrentWidget(vista_);
        return;
    }
    MostrarMensaje(
        QStringLiteral(
            "\r\nOPCIÓN NO DISPONIBLE\r\n\r\nSu ordenador no tiene instalado Adobe Reader para "
            "la lectura de archivos PDF.\r\nSi quiere instalarlo y disfrutar de esta "
            "opción, vaya a la web ") +
        QLatin1String(kLector) +
        QStringLiteral(
            "\r\n(O haga click AQUÍ para instalarlo)\r\n\r\nEs totalmente gratuito. Una vez "
            "instalado, ejecútelo y acepte el contrato de licencia. Después ya podrá "
            "utilizar Tombolin con esta opción activada."));
    avisoLector_ = true;
}

bool PaginaUltimoSorteo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == mensaje_->viewport() && evento->type() == QEvent::MouseButtonRelease &&
        avisoLector_) {
        servicios_.escritorio.AbrirUrl(QStringLiteral("https://") + QLatin1String(kLector));
    }
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace tombolin
