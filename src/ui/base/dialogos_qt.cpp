#include "ui/base/dialogos_qt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "printing/impresora_qt.h"

namespace tombolin {

namespace {

// A preview a page high, within the screen.
QSize TamanoDePagina(const QWidget* ventana) {
    const QScreen* pantalla = ventana ? ventana->screen() : QGuiApplication::primaryScreen();
    const int alto = pantalla ? pantalla->availableGeometry().height() - 60 : 900;
    return {std::min(820, alto * 820 / 960), std::min(960, alto)};
}

QMessageBox::StandardButton BotonDe(Respuesta respuesta) {
    switch (respuesta) {
        case Respuesta::Aceptar:
            return QMessageBox::Ok;
        case Respuesta::Cancelar:
            return QMessageBox::Cancel;
        case Respuesta::Si:
            return QMessageBox::Yes;
        case Respuesta::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

}  // namespace

void PrepararCaja(QMessageBox& caja, const QString& texto, Icono icono, Botones botones,
                  const QString& titulo, std::optional<Respuesta> porDefecto) {
    caja.setWindowTitle(titulo);
    caja.setText(texto);
    switch (icono) {
        case Icono::Ninguno:
            caja.setIcon(QMessageBox::NoIcon);
            break;
        case Icono::Informacion:
            caja.setIcon(QMessageBox::Information);
            break;
        case Icono::Pregunta:
            caja.setIcon(QMessageBox::Question);
            break;
        case Icono::Exclamacion:
            caja.setIcon(QMessageBox::Warning);
            break;
        case Icono::Critico:
            caja.setIcon(QMessageBox::Critical);
            break;
    }
    switch (botones) {
        case Botones::Aceptar:
            caja.setStandardButtons(QMessageBox::Ok);
            break;
        case Botones::AceptarCancelar:
            caja.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Botones::SiNo:
            caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Botones::SiNoCancelar:
            caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    if (porDefecto) caja.setDefaultButton(BotonDe(*porDefecto));
}

Respuesta DialogosQt::MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                                     const QString& titulo, std::optional<Respuesta> porDefecto) {
    QMessageBox caja(ventana_);
    PrepararCaja(caja, texto, icono, botones, titulo, porDefecto);
    switch (caja.exec()) {
        case QMessageBox::Ok:
            return Respuesta::Aceptar;
        case QMessageBox::Yes:
            return Respuesta::Si;
        case QMessageBox::No:
            return Respuesta::No;
        default:
            return botones == Botones::SiNo ? Respuesta::No : Respuesta::Cancelar;
    }
}

QString DialogosQt::ElegirFichero(const QString& titulo, const QString& carpeta,
                                  const QString& filtro) {
    return QFileDialog::getOpenFileName(ventana_, titulo, carpeta, filtro);
}

QString DialogosQt::GuardarFichero(const QString& titulo, const QString& sugerido,
                                   const QString& filtro) {
    return QFileDialog::getSaveFileName(ventana_, titulo, sugerido, filtro);
}

}  // namespace tombolin

namespace tombolin {

bool DialogosQt::ElegirImpresora(Impresora& impresora) {
    auto* qt = dynamic_cast<ImpresoraQt*>(&impresora);
    if (!qt) return true;
    QPrintDialog dialogo(&qt->Printer(), ventana_);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace tombolin

namespace tombolin {

bool DialogosQt::VistaPrevia(const QString& titulo,
                             const std::function<void(Impresora&)>& dibujar) {
    // A preview of its own, without the print button of Qt's: what is printed from here goes
    // through the program's printing, never the preview's extras.
    QDialog dialogo(ventana_);
    dialogo.setWindowTitle(titulo);
    QPrinter pagina(QPrinter::HighResolution);
    pagina.setPageSize(QPageSize(QPageSize::A4));
    pagina.setFullPage(true);
    auto* vista = new QPrintPreviewWidget(&pagina, &dialogo);
    QObject::connect(vista, &QPrintPreviewWidget::paintRequested, &dialogo, [&](QPrinter* printer) {
        ImpresoraQt sobre(*printer);
        if (!sobre.Empezar(titulo)) return;
        dibujar(sobre);
        sobre.Terminar();
    });
    auto* botones = new QDialogButtonBox(&dialogo);
    QPushButton* imprimir =
        botones->addButton(QStringLiteral("&Imprimir..."), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("&Cerrar"), QDialogButtonBox::RejectRole);
    imprimir->setDefault(true);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* capa = new QVBoxLayout(&dialogo);
    capa->addWidget(vista, 1);
    capa->addWidget(botones);
    dialogo.resize(TamanoDePagina(ventana_));
    vista->fitInView();
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace tombolin

namespace tombolin {

bool DialogosQt::Esperar(const QString& texto, const QString& titulo,
                         const std::function<bool()>& listo) {
    if (listo()) return true;
    // A busy bar: how long the other program takes is not known.
    QProgressDialog caja(texto, QStringLiteral("Cancelar"), 0, 0, ventana_);
    caja.setWindowTitle(titulo);
    auto* etiqueta = new QLabel(texto, &caja);
    etiqueta->setWordWrap(true);
    etiqueta->setMinimumWidth(etiqueta->fontMetrics().averageCharWidth() * 50);
    caja.setLabel(etiqueta);
    caja.setWindowModality(Qt::ApplicationModal);
    caja.setMinimumDuration(0);
    caja.setAutoReset(false);
    caja.setAutoClose(false);
    bool hecho = false;
    QTimer preguntar;
    QObject::connect(&preguntar, &QTimer::timeout, &caja, [&] {
        if (!listo()) return;
        hecho = true;
        caja.accept();
    });
    preguntar.start(250);
    caja.exec();
    return hecho;
}

void DialogosQt::VerInforme(const QString& titulo, const QString& html) {
    QTextDocument documento;
    documento.setHtml(html);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setDocName(titulo);
    QPrintPreviewDialog dialogo(&impresora, ventana_);
    dialogo.setWindowTitle(titulo);
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&](QPrinter* p) { documento.print(p); });
    dialogo.resize(TamanoDePagina(ventana_));
    dialogo.exec();
}

}  // namespace tombolin
