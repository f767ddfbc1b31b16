#include "ui/descarga/barra_descarga.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "programa/cadena_descarga.h"

namespace tombolin {

BarraDescarga::BarraDescarga(CadenaDescarga& cadena, QWidget* padre)
    : QWidget(padre), cadena_(cadena) {
    setObjectName(QStringLiteral("barraDescarga"));
    boton_ = new QPushButton(QStringLiteral("&Bajar sorteos nuevos"), this);
    boton_->setObjectName(QStringLiteral("botonBajar"));
    boton_->setToolTip(QStringLiteral(
        "Trae de ONLAE los sorteos que faltan: los de los últimos 100 días y, si los guardados "
        "terminan antes, también los anteriores"));
    connect(boton_, &QPushButton::clicked, &cadena_, &CadenaDescarga::BajarSorteos);
    cancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar_->setObjectName(QStringLiteral("cancelarDescarga"));
    cancelar_->setShortcut(Qt::Key_Escape);
    cancelar_->setToolTip(
        QStringLiteral("Deja de bajar tras la petición en curso; lo ya bajado se guarda (Esc)"));
    connect(cancelar_, &QPushButton::clicked, &cadena_, &CadenaDescarga::Cancelar);
    estadoTexto_ = new QLabel(this);
    estadoTexto_->setObjectName(QStringLiteral("estadoDescarga"));
    estadoTexto_->setMinimumWidth(estadoTexto_->fontMetrics().horizontalAdvance(
        QStringLiteral("TRANSFERENCIA FINALIZADA  ")));
    bytes_ = new QLabel(this);
    bytes_->setObjectName(QStringLiteral("bytesDescarga"));
    tramoTexto_ = new QLabel(this);
    tramoTexto_->setObjectName(QStringLiteral("tramoDescarga"));
    progreso_ = new QProgressBar(this);
    progreso_->setObjectName(QStringLiteral("progresoDescarga"));
    progreso_->setRange(0, CadenaDescarga::kTerminada);
    progreso_->setValue(0);
    progreso_->setTextVisible(false);
    progreso_->setMaximumWidth(120);
    progreso_->setAccessibleName(QStringLiteral("Progreso de la descarga"));

    auto* capas = new QHBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(tramoTexto_);
    capas->addWidget(estadoTexto_);
    capas->addWidget(bytes_);
    capas->addWidget(progreso_);
    capas->addWidget(cancelar_);
    capas->addWidget(boton_);
    connect(&cadena_, &CadenaDescarga::cambiado, this, &BarraDescarga::Mostrar);
    Mostrar();
}

void BarraDescarga::Mostrar() {
    const bool varios = cadena_.Tramos().size() > 1;
    boton_->setEnabled(!cadena_.Descargando());
    cancelar_->setVisible(varios && cadena_.Esperando());
    // Short, so that the header keeps its width; the dates go to the status bar and a screen
    // reader.
    tramoTexto_->setVisible(varios && cadena_.Descargando());
    tramoTexto_->setText(
        QStringLiteral("%1 de %2").arg(cadena_.TramoActual() + 1).arg(cadena_.Tramos().size()));
    const QString tramo = cadena_.TextoTramo();
    tramoTexto_->setToolTip(tramo);
    tramoTexto_->setAccessibleName(tramo);
    bytes_->setText(cadena_.TextoBytes());
    // The status and the progress are painted at once, between two events of a chain at work;
    // the bytes, which change with every piece received, wait for the next paint.
    if (estadoTexto_->text() != cadena_.TextoEstado()) {
        estadoTexto_->setText(cadena_.TextoEstado());
        estadoTexto_->repaint();
    }
    if (progreso_->value() != cadena_.ProgresoActual()) {
        progreso_->setValue(cadena_.ProgresoActual());
        progreso_->repaint();
    }
}

}  // namespace tombolin
