#include "ui/ventanas/imprimir.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/configuracion.h"
#include "core/juego.h"
#include "programa/mensajes.h"

namespace tombolin {

namespace {

QLabel* Dato(const QString& texto, const char* nombre, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    QFont negrita = l->font();
    negrita.setBold(true);
    l->setFont(negrita);
    return l;
}

QPushButton* Boton(const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    return b;
}

}  // namespace

Imprimir::Imprimir(Estado& estado, Servicios servicios, QWidget* padre)
    : VentanaSecundaria("Imprimir", QStringLiteral("Imprimir boletos"), padre),
      estado_(estado),
      servicios_(servicios),
      pena_(estado.PenaCargada) {
    auto* datos = new QFormLayout;
    datos->addRow(QStringLiteral("Peña:"), Dato(pena_.NombreVisible(), "nombrePena", this));
    // A multiple counts the simple bets it stands for.
    const int apuestas = ApuestasPorSorteo(pena_);
    datos->addRow(QStringLiteral("Total de apuestas:"),
                  Dato(QString::number(apuestas), "totalApuestas", this));
    datos->addRow(QStringLiteral("Boletos oficiales necesarios:"),
                  Dato(QString::number(BoletosNecesarios(pena_)), "boletosOficiales", this));
    datos->addRow(QStringLiteral("Juega:"), Dato(pena_.DiasVisibles(), "diasJuego", this));

    auto* cajaAjustes = new QGroupBox(QStringLiteral("Ajuste de la impresora (mm)"), this);
    auto* formaAjustes = new QFormLayout(cajaAjustes);
    const char* const nombres[] = {"ajusteX", "ajusteY"};
    const char* const etiquetas[] = {"&X:", "&Y:"};
    for (int i = 0; i < 2; ++i) {
        ajustes_[i] = new QLineEdit(this);
        ajustes_[i]->setObjectName(QLatin1String(nombres[i]));
        ajustes_[i]->installEventFilter(this);
        auto* etiqueta = new QLabel(QLatin1String(etiquetas[i]), this);
        etiqueta->setBuddy(ajustes_[i]);
        formaAjustes->addRow(etiqueta, ajustes_[i]);
        connect(ajustes_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { AjusteEditado(i, t); });
    }
    auto* ayuda = new QLabel(
        QStringLiteral("Si las X no caen en las casillas del boleto, corrija aquí el margen de "
                       "su impresora y compruébelo con la vista previa."),
        this);
    ayuda->setWordWrap(true);
    formaAjustes->addRow(ayuda);
    MostrarAjustes();

    jugarAl_ = new QCheckBox(QStringLiteral("-Jugar al"), this);
    jugarAl_->setObjectName(QStringLiteral("jugarAl"));

    auto* papeles = new QGridLayout;
    papeles->addWidget(Boton(QStringLiteral("Imprimir en papel &oficial"), "imprimirOficial", this),
                       0, 0);
    papeles->addWidget(Boton(QStringLiteral("&Vista previa"), "vistaOficial", this), 0, 1);
    papeles->addWidget(Boton(QStringLiteral("Imprimir en papel &normal"), "imprimirNormal", this),
                       1, 0);
    papeles->addWidget(Boton(QStringLiteral("Vista &previa"), "vistaNormal", this), 1, 1);
    connect(findChild<QPushButton*>(QStringLiteral("imprimirOficial")), &QPushButton::clicked, this,
            [this] { ImprimirEn(Papel::Oficial); });
    connect(findChild<QPushButton*>(QStringLiteral("imprimirNormal")), &QPushButton::clicked, this,
            [this] { ImprimirEn(Papel::Normal); });
    connect(findChild<QPushButton*>(QStringLiteral("vistaOficial")), &QPushButton::clicked, this,
            [this] { VistaPrevia(Papel::Oficial); });
    connect(findChild<QPushButton*>(QStringLiteral("vistaNormal")), &QPushButton::clicked, this,
            [this] { VistaPrevia(Papel::Normal); });

    auto* cerrar = Boton(QStringLiteral("&Cerrar"), "cerrar", this);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);

    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(16, 14, 16, 14);
    capa->addLayout(datos);
    capa->addWidget(cajaAjustes);
    capa->addWidget(jugarAl_);
    capa->addLayout(papeles);
    capa->addWidget(cerrar, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

void Imprimir::MostrarAjustes() {
    ajustes_[0]->setText(TextoEnCaja(estado_.Config.AjusteX));
    ajustes_[1]->setText(TextoEnCaja(estado_.Config.AjusteY));
}

void Imprimir::AjusteEditado(int indice, const QString& texto) {
    // An empty box is told when it is left; the stored value stays meanwhile.
    const Tecleado t = DecimalTecleado(texto);
    if (t.clase == Tecleado::NoEsNumero) MostrarAjustes();
    if (t.clase != Tecleado::Valor) return;
    const float valor = static_cast<float>(t.valor);
    (indice == 0 ? estado_.Config.AjusteX : estado_.Config.AjusteY) = valor;
    GuardarAjustes(estado_, servicios_.dialogos, errorAvisado_);
}

bool Imprimir::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut) {
        for (QLineEdit* caja : ajustes_) {
            if (objeto != caja) continue;
            if (caja->text().trimmed().isEmpty()) {
                servicios_.dialogos.Mensaje(
                    QStringLiteral(
                        "Te has dejado una coordenada en blanco. Introduce un número válido."),
                    Icono::Critico, Botones::Aceptar, QStringLiteral("EHEHEHH"));
            }
            // The box shows again what is stored, should it hold less than a number.
            if (!LeerDecimal(caja->text())) MostrarAjustes();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

OpcionesBoletos Imprimir::Opciones(Papel papel) const {
    OpcionesBoletos o;
    o.papel = papel;
    o.ajusteX = estado_.Config.AjusteX;
    o.ajusteY = estado_.Config.AjusteY;
    o.jugarAl = jugarAl_->isChecked();
    o.precioApuesta = estado_.Config.PrecioApuesta;
    return o;
}

void Imprimir::ImprimirEn(Papel papel) {
    Impresora& imp = servicios_.impresora;
    if (!EmpezarImpresion(servicios_.dialogos, imp,
                          QStringLiteral("Tombolin - PEÑA ") + pena_.NombreVisible()))
        return;
    ImprimirBoletos(imp, pena_, Opciones(papel));
    imp.Terminar();
}

void Imprimir::VistaPrevia(Papel papel) {
    OpcionesBoletos o = Opciones(papel);
    o.guia = true;
    const bool imprimir = servicios_.dialogos.VistaPrevia(
        QStringLiteral("Vista previa - PEÑA ") + pena_.NombreVisible(),
        [&](Impresora& imp) { ImprimirBoletos(imp, pena_, o); });
    if (imprimir) ImprimirEn(papel);
}

}  // namespace tombolin
