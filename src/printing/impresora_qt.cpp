#include "printing/impresora_qt.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>

namespace tombolin {

namespace {

// Printers can't print at the paper's edge: lines that run on to a new page leave this much.
constexpr double kMargenMm = 12;

}  // namespace

ImpresoraQt::ImpresoraQt() : fuente_(QStringLiteral("Liberation Sans")) {
    fuente_.setStyleHint(QFont::SansSerif);
    fuente_.setPointSizeF(10);
}

QPrinter& ImpresoraQt::P() const {
    if (printer_) return *printer_;
    if (!propia_) {
        propia_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        propia_->setFullPage(true);
        propia_->setPageSize(QPageSize(QPageSize::A4));
    }
    return *propia_;
}

ImpresoraQt::ImpresoraQt(QPrinter& destino) : ImpresoraQt() {
    printer_ = &destino;
    printer_->setFullPage(true);
}

ImpresoraQt::~ImpresoraQt() {
    if (painter_.isActive()) painter_.end();
}

void ImpresoraQt::SalidaPdf(const QString& ruta) {
    P().setOutputFormat(QPrinter::PdfFormat);
    P().setOutputFileName(ruta);
}

bool ImpresoraQt::Empezar(const QString& titulo) {
    P().setDocName(titulo);
    P().setFullPage(true);
    if (!painter_.begin(&P())) return false;
    painter_.setFont(fuente_);
    x_ = y_ = 0;
    return true;
}

double ImpresoraQt::Px(double mm) const {
    return mm * P().resolution() / 25.4;
}

double ImpresoraQt::AltoLinea() const {
    return QFontMetricsF(fuente_, &P()).lineSpacing() * 25.4 / P().resolution();
}

double ImpresoraQt::AltoPagina() const {
    return P().pageLayout().fullRect(QPageLayout::Millimeter).height();
}

void ImpresoraQt::TamanoFuente(double puntos) {
    fuente_.setPointSizeF(puntos);
    if (painter_.isActive()) painter_.setFont(fuente_);
}

void ImpresoraQt::Negrita(bool negrita) {
    fuente_.setBold(negrita);
    if (painter_.isActive()) painter_.setFont(fuente_);
}

void ImpresoraQt::Tenue(bool tenue) {
    if (!painter_.isActive()) return;
    const QColor color = tenue ? QColor(0xb4, 0xb4, 0xb4) : QColor(Qt::black);
    painter_.setPen(color);
}

double ImpresoraQt::AnchoTexto(const QString& texto) const {
    return QFontMetricsF(fuente_, &P()).horizontalAdvance(texto) * 25.4 / P().resolution();
}

void ImpresoraQt::ImprimirLinea(const QString& texto) {
    if (!painter_.isActive()) return;
    const double alto = AltoLinea();
    // Like a line printer: a line that doesn't fit goes to the top of the next page.
    if (y_ + alto > AltoPagina() - kMargenMm) NuevaPagina();
    if (!texto.isEmpty()) {
        const QFontMetricsF fm(fuente_, &P());
        painter_.drawText(QPointF(Px(x_), Px(y_) + fm.ascent()), texto);
    }
    y_ += alto;
    x_ = 0;
}

void ImpresoraQt::Texto(double x, double y, const QString& texto) {
    if (!painter_.isActive()) return;
    const QFontMetricsF fm(fuente_, &P());
    painter_.drawText(QPointF(Px(x), Px(y) + fm.ascent()), texto);
}

void ImpresoraQt::Linea(double x1, double y1, double x2, double y2) {
    if (painter_.isActive()) painter_.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

void ImpresoraQt::Caja(double x, double y, double ancho, double alto, bool rellena) {
    if (!painter_.isActive()) return;
    const QRectF r(Px(x), Px(y), Px(ancho), Px(alto));
    if (rellena) {
        painter_.fillRect(r, Qt::black);
    } else {
        painter_.drawRect(r);
    }
}

void ImpresoraQt::Imagen(double x, double y, const QString& recurso) {
    if (!painter_.isActive()) return;
    const QImage imagen(recurso);
    if (imagen.isNull()) return;
    // Its own size, from the resolution the picture was made at.
    const double anchoMm = imagen.width() * 1000.0 / imagen.dotsPerMeterX();
    const double altoMm = imagen.height() * 1000.0 / imagen.dotsPerMeterY();
    painter_.drawImage(QRectF(Px(x), Px(y), Px(anchoMm), Px(altoMm)), imagen);
}

void ImpresoraQt::NuevaPagina() {
    if (painter_.isActive()) P().newPage();
    x_ = 0;
    y_ = kMargenMm;
}

void ImpresoraQt::Terminar() {
    if (painter_.isActive()) painter_.end();
}

void ImpresoraQt::Cancelar() {
    if (!painter_.isActive()) return;
    P().abort();
    painter_.end();
    if (P().outputFormat() == QPrinter::PdfFormat) QFile::remove(P().outputFileName());
}

}  // namespace tombolin
