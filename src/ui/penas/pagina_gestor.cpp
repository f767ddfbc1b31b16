#include "ui/penas/pagina_gestor.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/configuracion.h"
#include "core/estado.h"
#include "programa/mensajes.h"
#include "statistics/base_informes.h"
#include "ui/base/datos_programa.h"
#include "ui/base/iconos.h"
#include "ui/base/lista_tabla.h"
#include "ui/penas/grafico_tarta.h"
#include "ui/penas/modelo_penas.h"
#include "ui/penas/ordenes_penas.h"

namespace tombolin {

namespace {

QLabel* Etiqueta(const char* nombre, QWidget* padre) {
    auto* l = new QLabel(padre);
    l->setObjectName(QLatin1String(nombre));
    return l;
}

// A picture button with its caption under the picture.
QToolButton* Boton(const QIcon& icono, const QString& texto, const char* nombre,
                   const QString& ayuda, QWidget* padre) {
    auto* b = new QToolButton(padre);
    b->setIcon(icono);
    b->setIconSize(QSize(32, 32));
    b->setText(texto);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setObjectName(QLatin1String(nombre));
    b->setToolTip(ayuda);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

}  // namespace

PaginaGestor::PaginaGestor(Estado& estado, const DatosPrograma& datos, Dialogos& dialogos,
                           QWidget* padre)
    : QWidget(padre), estado_(estado), datos_(datos), dialogos_(dialogos) {
    setObjectName(QStringLiteral("paginaGestor"));
    connect(&datos, &DatosPrograma::releidos, this, &PaginaGestor::MostrarPenas);
    connect(&datos, &DatosPrograma::contadoresCambiados, this, &PaginaGestor::MostrarPenas);
    // The weekly cost at the new price.
    connect(&datos, &DatosPrograma::ajustesCambiados, this, &PaginaGestor::MostrarPenas);
    // The list and the buttons of the commands.
    modelo_ = new ModeloPenas(this);
    lista_ = NuevaListaDeFilas(modelo_, "listaPenas", this);
    lista_->setAlternatingRowColors(true);
    // A click on another row moves the current row first: that row is told once.
    connect(lista_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (seleccionando_) return;
                filaAvisada_ = i.row();
                FilaElegida(i.row());
            });
    connect(lista_, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.row() == filaAvisada_) {
            filaAvisada_ = -1;
            return;
        }
        FilaElegida(i.row());
    });

    botonBorrarPena_ = Boton(IconoBorrarPena(), QStringLiteral("Bo&rrar peña"), "botonBorrarPena",
                             QStringLiteral("Elimina la peña seleccionada"), this);
    botonEditarPena_ =
        Boton(IconoEditarPena(), QStringLiteral("&Modificar peña"), "botonEditarPena",
              QStringLiteral("Cambia las apuestas de la peña seleccionada"), this);
    botonImprimirPena_ =
        Boton(IconoImprimir(), QStringLiteral("Im&primir peña"), "botonImprimirPena",
              QStringLiteral("Imprime las apuestas de la peña seleccionada en los boletos "
                             "(Ctrl+P)"),
              this);
    botonBorrarSorteos_ =
        Boton(IconoBorrarSorteos(), QStringLiteral("Borrar &sorteos"), "botonBorrarSorteos",
              QStringLiteral("Borrar sorteos almacenados/Reset aciertos peñas"), this);
    botonImportar_ =
        Boton(IconoImportarSorteos(), QStringLiteral("&Importar sorteos"), "botonImportarSorteos",
              QStringLiteral("Sustituye los sorteos por los de un archivo NUMEROS.DAT"), this);
    botonExportar_ = Boton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                           QStringLiteral("&Exportar resultados…"), "botonExportarResultados",
                           QStringLiteral("Guarda los sorteos jugados por la peña seleccionada, "
                                          "sus premios y lo ganado, para una hoja de cálculo"),
                           this);
    // It changes no data file and opens no window: the page runs it itself.
    connect(botonExportar_, &QToolButton::clicked, this, [this] {
        OrdenesPenas(estado_, dialogos_).Exportar(datos_.Sorteos(), datos_.Premios());
    });
    connect(botonBorrarPena_, &QToolButton::clicked, this, &PaginaGestor::borrarPena);
    connect(botonEditarPena_, &QToolButton::clicked, this, &PaginaGestor::editarPena);
    connect(botonImprimirPena_, &QToolButton::clicked, this, &PaginaGestor::imprimirPena);
    connect(botonBorrarSorteos_, &QToolButton::clicked, this, &PaginaGestor::borrarSorteos);
    connect(botonImportar_, &QToolButton::clicked, this, &PaginaGestor::importarSorteos);

    // The syndicate's commands, then the draws' commands, a row each: the page fits a small
    // screen.
    auto* botones = new QGridLayout;
    botones->addWidget(botonBorrarPena_, 0, 0);
    botones->addWidget(botonEditarPena_, 0, 1);
    botones->addWidget(botonImprimirPena_, 0, 2);
    botones->addWidget(botonBorrarSorteos_, 1, 0);
    botones->addWidget(botonImportar_, 1, 1);
    botones->addWidget(botonExportar_, 1, 2);
    botones->setColumnStretch(3, 1);

    auto* cajaLista = new QGroupBox(QStringLiteral("Peñas"), this);
    auto* izquierda = new QVBoxLayout(cajaLista);
    izquierda->addWidget(lista_);
    izquierda->addLayout(botones);

    // The summary of all syndicates.
    numeroPenas_ = Etiqueta("numeroPenas", this);
    totalAciertos_ = Etiqueta("totalAciertos", this);
    efectividadTotal_ = Etiqueta("efectividadTotal", this);
    jugadosTotal_ = Etiqueta("jugadosTotal", this);
    dineroTotal_ = Etiqueta("dineroTotal", this);
    dineroTotal_->setWordWrap(true);
    tartaTotal_ = new GraficoTarta(this);
    tartaTotal_->setObjectName(QStringLiteral("tartaTotal"));
    tartaTotal_->setAccessibleName(QStringLiteral("Premios de todas las peñas"));
    auto* cajaTotal = new QGroupBox(QStringLiteral("TODAS LAS PEÑAS"), this);
    auto* formaTotal = new QFormLayout;
    formaTotal->addRow(QStringLiteral("Peñas:"), numeroPenas_);
    formaTotal->addRow(QStringLiteral("Premios:"), totalAciertos_);
    auto* total = new QHBoxLayout;
    auto* textosTotal = new QVBoxLayout;
    textosTotal->addLayout(formaTotal);
    textosTotal->addWidget(efectividadTotal_);
    textosTotal->addWidget(jugadosTotal_);
    textosTotal->addStretch();
    total->addLayout(textosTotal);
    total->addWidget(tartaTotal_, 1);
    // The money of them all, under the counts and the pie, across the whole box.
    auto* cajaTotalCapas = new QVBoxLayout(cajaTotal);
    cajaTotalCapas->addLayout(total);
    cajaTotalCapas->addWidget(dineroTotal_);

    // The selected syndicate.
    auto* cajaPena = new QGroupBox(QStringLiteral("Peña seleccionada"), this);
    auto* formaPena = new QFormLayout;
    static const char* const kCaptions[] = {
        "-Aciertos de 3: ", "-Aciertos de 4: ", "-Aciertos de 5: ", "-Aciertos de 5+C: ",
        "-Aciertos de 6: "};
    for (int i = 0; i < 5; ++i) {
        contadores_[i] = Etiqueta("contador", this);
        contadores_[i]->setObjectName(QStringLiteral("contador%1").arg(i));
        formaPena->addRow(QString::fromUtf8(kCaptions[i]), contadores_[i]);
    }
    jugadosPena_ = Etiqueta("jugadosPena", this);
    efectividadPena_ = Etiqueta("efectividadPena", this);
    formaPena->addRow(QStringLiteral("Sorteos jugados:"), jugadosPena_);
    formaPena->addRow(QStringLiteral("Efectividad:"), efectividadPena_);
    gasto_ = Etiqueta("gastoSemanal", this);
    formaPena->addRow(QStringLiteral("- Gasto semanal:"), gasto_);
    descripcion_ = Etiqueta("descripcionPena", this);
    base_ = Etiqueta("basePena", this);
    lineas_ = new QStringListModel(this);
    listaLineas_ = new QListView(this);
    listaLineas_->setObjectName(QStringLiteral("lineasPena"));
    listaLineas_->setModel(lineas_);
    listaLineas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont fija(QStringLiteral("Liberation Mono"));
    fija.setStyleHint(QFont::TypeWriter);
    listaLineas_->setFont(fija);
    tartaPena_ = new GraficoTarta(this);
    tartaPena_->setObjectName(QStringLiteral("tartaPena"));
    tartaPena_->setAccessibleName(QStringLiteral("Premios de la peña seleccionada"));

    // The syndicate report, of the syndicate on show.
    informe_ =
        new QPushButton(IconoImprimir(), QStringLiteral("Ver o imprimir el in&forme"), cajaPena);
    informe_->setObjectName(QStringLiteral("informePena"));
    informe_->setToolTip(QStringLiteral("El informe de la peña seleccionada"));
    connect(informe_, &QPushButton::clicked, this, &PaginaGestor::verInforme);

    auto* pena = new QHBoxLayout(cajaPena);
    auto* textosPena = new QVBoxLayout;
    textosPena->addLayout(formaPena);
    textosPena->addWidget(tartaPena_, 1);
    auto* apuestas = new QVBoxLayout;
    apuestas->addWidget(descripcion_);
    apuestas->addWidget(base_);
    apuestas->addWidget(listaLineas_, 1);
    // The money since the syndicate's start day.
    auto* formaDinero = new QFormLayout;
    ganado_ = Etiqueta("ganado", this);
    gastado_ = Etiqueta("gastado", this);
    balance_ = Etiqueta("balance", this);
    for (QLabel* l : {ganado_, gastado_}) l->setWordWrap(true);
    formaDinero->addRow(QStringLiteral("Ganado:"), ganado_);
    formaDinero->addRow(QStringLiteral("Gastado:"), gastado_);
    formaDinero->addRow(QStringLiteral("Balance:"), balance_);
    apuestas->addLayout(formaDinero);
    apuestas->addWidget(informe_, 0, Qt::AlignLeft);
    pena->addLayout(textosPena, 1);
    pena->addLayout(apuestas, 1);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(cajaTotal);
    derecha->addWidget(cajaPena, 1);
    auto* todo = new QHBoxLayout(this);
    todo->addWidget(cajaLista, 5);
    todo->addLayout(derecha, 4);
}

void PaginaGestor::MostrarPenas() {
    const std::vector<Pena>& penas = datos_.Penas();
    const ResumenTodas resumen = CalcularResumen(penas, datos_.Situacion().SorteosJugados);
    seleccionando_ = true;
    modelo_->Poner(penas);
    seleccionando_ = false;
    lista_->resizeColumnsToContents();
    // Without syndicates there is nothing to remove.
    hayPenas_ = !penas.empty();
    PermitirCambios(cambiosPermitidos_, botonImportar_->statusTip());
    numeroPenas_->setText(QString::number(resumen.Penas));
    totalAciertos_->setText(QString::number(resumen.Total));
    efectividadTotal_->setText(resumen.TextoEfectividad);
    jugadosTotal_->setText(resumen.TextoJugados);
    tartaTotal_->Poner(resumen.SinPremio, resumen.ConPremio);
    ImportesPena total;
    for (const ImportesPena& i : datos_.Importes()) {
        total.Ganado += i.Ganado;
        total.GanadoNeto += i.GanadoNeto;
        total.Pendientes += i.Pendientes;
        total.Gastado += i.Gastado;
    }
    dineroTotal_->setText(penas.empty() ? QString()
                                        : QStringLiteral("Ganado %1, gastado %2: balance %3.")
                                              .arg(TextoGanado(total), TextoCentimos(total.Gastado),
                                                   TextoCentimos(total.Balance())));
    // The highlighted row is the chosen syndicate, so every command acts on what is seen: the
    // one chosen stays; without a choice, the first; past the end (after a removal), the last.
    const int n = static_cast<int>(penas.size());
    const int fila = std::min(std::max(estado_.PenaActual, 1), n);
    estado_.PenaActual = std::max(fila, 0);
    if (n > 0) SeleccionarFila(fila);
    MostrarPena(fila);
}

void PaginaGestor::MostrarPena(int n) {
    const std::vector<Pena>& penas = datos_.Penas();
    if (n < 1 || n > static_cast<int>(penas.size())) {
        MostrarVacia();
        return;
    }
    Pena& p = estado_.PenaCargada;
    p = penas[n - 1];
    const FichaPena ficha = CalcularFicha(p, datos_.Sorteos(), estado_.Config.PrecioApuesta);
    if (ficha.Danada) {
        dialogos_.Mensaje(
            QStringLiteral("Posiblemente el fichero de apuestas está corrupto. Error ") +
                QString::number(ficha.ErrorLectura),
            Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
        return;
    }
    MostrarFicha(ficha);
    gasto_->setText(TextoDecimal(ficha.GastoSemanal) + QStringLiteral(" euros."));
    const std::vector<ImportesPena>& todos = datos_.Importes();
    const ImportesPena importes =
        n <= static_cast<int>(todos.size()) ? todos[n - 1] : ImportesPena{};
    MostrarDinero(importes);
    emit fichaMostrada(p, ficha, importes);
}

void PaginaGestor::MostrarFicha(const FichaPena& f) {
    for (int i = 0; i < 5; ++i) contadores_[i]->setText(QString::number(f.Contadores[i]));
    jugadosPena_->setText(f.TextoJugados);
    efectividadPena_->setText(f.TextoEfectividad);
    descripcion_->setText(f.Descripcion);
    base_->setText(f.Base);
    base_->setVisible(!f.Base.isEmpty());
    lineas_->setStringList(f.Lineas);
    tartaPena_->Poner(f.SinPremio, f.ConPremio);
}

void PaginaGestor::MostrarDinero(const ImportesPena& d) {
    ganado_->setText(TextoGanado(d));
    gastado_->setText(TextoGastado(d));
    balance_->setText(TextoCentimos(d.Balance()));
}

void PaginaGestor::MostrarVacia() {
    for (QLabel* l : {ganado_, gastado_, balance_}) l->clear();
    gasto_->clear();
    for (QLabel* c : contadores_) c->setText(QStringLiteral("0"));
    jugadosPena_->setText(QStringLiteral("-"));
    efectividadPena_->setText(QStringLiteral("-"));
    descripcion_->clear();
    base_->clear();
    base_->hide();
    lineas_->setStringList({});
    tartaPena_->Poner(1, 0);
}

void PaginaGestor::SeleccionarFila(int n) {
    seleccionando_ = true;
    lista_->selectRow(n - 1);
    seleccionando_ = false;
}

void PaginaGestor::FilaElegida(int fila) {
    if (seleccionando_ || fila < 0 || modelo_->Vacio()) return;
    MostrarPena(fila + 1);
    estado_.PenaActual = fila + 1;
}

void PaginaGestor::PermitirCambios(bool si, const QString& porque) {
    cambiosPermitidos_ = si;
    // The syndicate commands need a syndicate.
    for (QToolButton* b : {botonBorrarPena_, botonEditarPena_}) b->setEnabled(hayPenas_ && si);
    // Printing changes no file: it waits for nothing but a syndicate.
    botonImprimirPena_->setEnabled(hayPenas_);
    botonExportar_->setEnabled(hayPenas_);
    informe_->setEnabled(hayPenas_);
    for (QToolButton* b : {botonBorrarSorteos_, botonImportar_}) b->setEnabled(si);
    for (QToolButton* b : {botonBorrarPena_, botonEditarPena_, botonBorrarSorteos_, botonImportar_})
        b->setStatusTip(porque);
}

}  // namespace tombolin
