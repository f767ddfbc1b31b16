#include "ui/estadisticas/pagina_crear_combinacion.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "statistics/reducidas.h"
#include "ui/base/datos_programa.h"
#include "ui/base/iconos.h"
#include "ui/estadisticas/filtro_sorteos.h"
#include "ui/estadisticas/seleccion_estadistica.h"

namespace tombolin {

namespace {

QLabel* Texto(const QString& texto, const char* nombre, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setWordWrap(true);
    return l;
}

QPushButton* Boton(const QIcon& icono, const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(icono, texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setIconSize(QSize(24, 24));
    return b;
}

}  // namespace

PaginaCrearCombinacion::PaginaCrearCombinacion(SeleccionEstadistica& seleccion,
                                               const DatosPrograma& datos, Dialogos& dialogos,
                                               const QString& ficheroTablas, QWidget* padre)
    : QWidget(padre),
      seleccion_(seleccion),
      datos_(datos),
      dialogos_(dialogos),
      ficheroTablas_(ficheroTablas) {
    setObjectName(QStringLiteral("paginaCrearCombinacion"));
    connect(&datos, &DatosPrograma::recorridoCambiado, this, [this, &datos] {
        frase1_->setText(datos.Descripcion().primera);
        frase2_->setText(datos.Descripcion().segunda);
    });
    // The introduction: a syndicate by hand, or the wizard.
    introduccion_ = new QWidget(this);
    auto* explicacion = new QLabel(
        QStringLiteral("Una peña juega siempre los mismos números: apuestas sencillas, una "
                       "múltiple o una reducida. Elija cómo y marque sus números, o deje que "
                       "las estadísticas le propongan los que más salen."),
        introduccion_);
    explicacion->setWordWrap(true);
    explicacion->setAlignment(Qt::AlignCenter);
    crear_ = new QToolButton(introduccion_);
    crear_->setObjectName(QStringLiteral("botonCrearPena"));
    // One picture for the four create buttons: a copy of an icon shares its drawings.
    const QIcon iconoCrear = IconoCrearPena();
    crear_->setIcon(iconoCrear);
    crear_->setIconSize(QSize(64, 64));
    crear_->setText(QStringLiteral("C&rear peña nueva..."));
    crear_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* automatica = new QToolButton(introduccion_);
    automatica->setObjectName(QStringLiteral("automatica"));
    automatica->setIcon(IconoEstadisticas());
    automatica->setIconSize(QSize(64, 64));
    automatica->setText(QStringLiteral("A&utomática"));
    automatica->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (QToolButton* b : {crear_, automatica}) b->setFocusPolicy(Qt::StrongFocus);
    connect(crear_, &QToolButton::clicked, this, &PaginaCrearCombinacion::crearPena);
    connect(automatica, &QToolButton::clicked, this, &PaginaCrearCombinacion::Automatica);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(crear_);
    botones->addSpacing(24);
    botones->addWidget(automatica);
    botones->addStretch();
    auto* capaIntro = new QVBoxLayout(introduccion_);
    capaIntro->addStretch();
    capaIntro->addWidget(explicacion);
    capaIntro->addSpacing(12);
    capaIntro->addLayout(botones);
    capaIntro->addStretch();

    // The wizard's three steps, side by side.
    pasos_ = new QWidget(this);
    auto* paso1 = new QGroupBox(QStringLiteral("Paso 1"), pasos_);
    auto* capa1 = new QVBoxLayout(paso1);
    capa1->addWidget(new FiltroSorteos(seleccion_, false, paso1));
    frase1_ = Texto(QString(), "frase1", paso1);
    frase2_ = Texto(QString(), "frase2", paso1);
    capa1->addWidget(frase1_);
    capa1->addWidget(frase2_);
    capa1->addStretch();

    auto* paso2 = new QGroupBox(QStringLiteral("Paso 2"), pasos_);
    auto* capa2 = new QVBoxLayout(paso2);
    capa2->addWidget(Texto(QStringLiteral("- Indique la cantidad de números a seleccionar:"),
                           "textoPaso2", paso2));
    cuantos_ = new QSlider(Qt::Horizontal, paso2);
    cuantos_->setObjectName(QStringLiteral("cuantos"));
    cuantos_->setRange(0, 49);
    cuantos_->setPageStep(1);
    cuantos_->setAccessibleName(QStringLiteral("Cantidad de números"));
    textoCuantos_ = Texto(QStringLiteral("Ha seleccionado 0 números."), "textoCuantos", paso2);
    numeros_ = Texto(QString(), "numerosElegidos", paso2);
    QFont fija(QStringLiteral("Liberation Mono"));
    fija.setStyleHint(QFont::TypeWriter);
    fija.setBold(true);
    numeros_->setFont(fija);
    capa2->addWidget(cuantos_);
    capa2->addWidget(textoCuantos_);
    capa2->addWidget(numeros_);
    capa2->addStretch();
    connect(cuantos_, &QSlider::valueChanged, this, &PaginaCrearCombinacion::NumerosCambiados);

    auto* paso3 = new QGroupBox(QStringLiteral("Paso 3"), pasos_);
    auto* capa3 = new QGridLayout(paso3);
    capa3->addWidget(
        Texto(QStringLiteral("- ¿Qué desea hacer con estos números?"), "pregunta", paso3), 0, 0, 1,
        3);
    informe_ = Boton(IconoImprimir(), QStringLiteral("&Informe"), "verInforme", paso3);
    reducida_ = Boton(iconoCrear, QStringLiteral("Re&ducida"), "crearReducida", paso3);
    sencilla_ = Boton(iconoCrear, QStringLiteral("S&encilla"), "crearSencilla", paso3);
    multiple_ = Boton(iconoCrear, QStringLiteral("&Múltiple"), "crearMultiple", paso3);
    volver_ = Boton(IconoBorrarSorteos(), QStringLiteral("&Volver"), "volverPaso1", paso3);
    lista_ = new QComboBox(paso3);
    lista_->setObjectName(QStringLiteral("tablasReducidas"));
    rango_ = Texto(QStringLiteral("El archivo de tablas reducidas no es válido."), "rango", paso3);
    const struct {
        const char* texto;
        QPushButton* boton;
        const char* nota;
    } filas[] = {{"-Ver informe o imprimir:", informe_, nullptr},
                 {"-Crear Peña Reducida:", reducida_, nullptr},
                 {"-Crear Peña Sencilla:", sencilla_, "(Sólo cuando se seleccionan 6 números)"},
                 {"-Crear Peña Múltiple", multiple_, "(Sólo con 5,7,8 ... hasta 11 números)"},
                 {"-Volver al Paso 1:", volver_, nullptr}};
    int f = 1;
    for (const auto& fila : filas) {
        capa3->addWidget(new QLabel(QString::fromUtf8(fila.texto), paso3), f, 0);
        capa3->addWidget(fila.boton, f, 1);
        if (fila.boton == reducida_) capa3->addWidget(lista_, f, 2);
        if (fila.nota) capa3->addWidget(new QLabel(QString::fromUtf8(fila.nota), paso3), f, 2);
        ++f;
    }
    capa3->addWidget(rango_, f++, 0, 1, 3);
    connect(informe_, &QPushButton::clicked, this, &PaginaCrearCombinacion::verInforme);
    connect(reducida_, &QPushButton::clicked, this, [this] { CrearGuiada(0); });
    connect(sencilla_, &QPushButton::clicked, this, [this] { CrearGuiada(1); });
    connect(multiple_, &QPushButton::clicked, this, [this] { CrearGuiada(2); });
    connect(volver_, &QPushButton::clicked, this, &PaginaCrearCombinacion::VolverAlPaso1);
    connect(lista_, &QComboBox::activated, this, &PaginaCrearCombinacion::TablaElegida);

    // Help and the chosen table's description share one place.
    ayuda_ = new QFrame(paso3);
    ayuda_->setObjectName(QStringLiteral("ayuda"));
    auto* capaAyuda = new QFormLayout(ayuda_);
    capaAyuda->addRow(
        QStringLiteral("Reducida:"),
        Texto(QStringLiteral("Seleccione una de las tablas disponibles de reducción."),
              "ayudaReducida", ayuda_));
    capaAyuda->addRow(
        QStringLiteral("Sencilla:"),
        Texto(QStringLiteral("Sólo cuando se seleccionan 6 números."), "ayudaSencilla", ayuda_));
    capaAyuda->addRow(
        QStringLiteral("Múltiple:"),
        Texto(QStringLiteral("Sólo con 5, 7, 8, 9, 10 y 11 números."), "ayudaMultiple", ayuda_));
    descripcion_ = new QFrame(paso3);
    descripcion_->setObjectName(QStringLiteral("descripcionReducida"));
    descripcion_->setFrameShape(QFrame::StyledPanel);
    auto* capaDescripcion = new QVBoxLayout(descripcion_);
    auto* titulo = new QLabel(QStringLiteral("REDUCIDA"), descripcion_);
    QFont negrita = titulo->font();
    negrita.setBold(true);
    titulo->setFont(negrita);
    dSeleccion_ = Texto(QString(), "dSeleccion", descripcion_);
    dAsegura_ = Texto(QString(), "dAsegura", descripcion_);
    dPosibilidad_ = Texto(QString(), "dPosibilidad", descripcion_);
    dJugarTodo_ = Texto(QString(), "dJugarTodo", descripcion_);
    dApuestasTodo_ = Texto(QString(), "dApuestasTodo", descripcion_);
    for (QLabel* valor : {dAsegura_, dPosibilidad_, dApuestasTodo_}) valor->setFont(negrita);
    capaDescripcion->addWidget(titulo);
    capaDescripcion->addWidget(dSeleccion_);
    capaDescripcion->addWidget(
        new QLabel(QStringLiteral("Asegura al 100% un premio de:"), descripcion_));
    capaDescripcion->addWidget(dAsegura_);
    auto* posibilidad = new QHBoxLayout;
    posibilidad->addWidget(new QLabel(QStringLiteral("Posibilidad de premio de 6:"), descripcion_));
    posibilidad->addWidget(dPosibilidad_);
    posibilidad->addStretch();
    capaDescripcion->addLayout(posibilidad);
    capaDescripcion->addWidget(dJugarTodo_);
    capaDescripcion->addWidget(dApuestasTodo_);
    capa3->addWidget(ayuda_, f, 0, 1, 3);
    capa3->addWidget(descripcion_, f, 0, 1, 3);
    capa3->setRowStretch(f + 1, 1);
    capa3->setColumnStretch(2, 1);

    auto* capaPasos = new QHBoxLayout(pasos_);
    capaPasos->addWidget(paso1, 1);
    capaPasos->addWidget(paso2, 1);
    capaPasos->addWidget(paso3, 2);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(introduccion_);
    todo->addWidget(pasos_);
    pasos_->hide();
    VolverAlPaso1();
}

int PaginaCrearCombinacion::NumerosElegidos() const {
    return cuantos_->value();
}

void PaginaCrearCombinacion::Automatica() {
    introduccion_->hide();
    pasos_->show();
    cuantos_->setFocus();
}

void PaginaCrearCombinacion::Preparar() {
    // The tables file is read as the page comes to the front, not at every move of step 2.
    FicheroTablas fichero;
    fichero.Cargar(ficheroTablas_);
    tablas_ = fichero.Tablas();
    VolverAlPaso1();
    ListarTablas(0);
}

void PaginaCrearCombinacion::Reiniciar() {
    VolverAlPaso1();
    pasos_->hide();
    introduccion_->show();
}

void PaginaCrearCombinacion::PermitirCambios(bool si, const QString& porque) {
    cambiosPermitidos_ = si;
    crear_->setEnabled(si);
    PonerBotonesCrear();
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{crear_, reducida_, sencilla_, multiple_})
        b->setStatusTip(porque);
}

void PaginaCrearCombinacion::NumerosCambiados(int n) {
    if (datos_.UltimoRecorrido().seleccionados == 0 && n >= 1) {
        dialogos_.Mensaje(QStringLiteral("No has seleccionado sorteos. Por favor, selecciona más "
                                         "sorteos en el paso anterior."),
                          Icono::Informacion, Botones::Aceptar, QStringLiteral("Mal, mal, mal..."));
        const QSignalBlocker quieto(cuantos_);
        cuantos_->setValue(0);
        return;
    }
    informe_->setEnabled(false);
    PonerBotonesCrear();
    volver_->setEnabled(true);
    textoCuantos_->setText(QStringLiteral("Ha seleccionado ") + QString::number(n) +
                           QStringLiteral(" números."));
    numeros_->clear();
    if (n == 0) return;
    const std::array<int, 49> orden = ClasificarNumeros(datos_.UltimoRecorrido());
    // The numbers kept, most frequent first.
    QStringList elegidos;
    for (int k = 0; k < n; ++k) elegidos << QString::number(orden[k]);
    numeros_->setText(elegidos.join(QLatin1Char(' ')));
    emit clasificados(orden, n);
    informe_->setEnabled(true);
    lista_->setEnabled(true);
    ListarTablas(n);
    PonerBotonesCrear();
    // The numbers come from this selection: it stays as it is until step 1 again.
    seleccion_.Congelar(true);
}

void PaginaCrearCombinacion::ListarTablas(int n) {
    const ListaReducidas l = ListarTablasReducidas(n, tablas_);
    posiciones_ = l.posiciones;
    lista_->clear();
    lista_->addItems(l.entradas);
    lista_->setCurrentIndex(-1);
    lista_->setPlaceholderText(l.texto);
    rango_->setText(l.rango);
}

void PaginaCrearCombinacion::PonerBotonesCrear() {
    // What the numbers kept allow, and never while a download runs.
    const int n = cuantos_->value();
    reducida_->setEnabled(cambiosPermitidos_ && n > 0 && !posiciones_.empty());
    sencilla_->setEnabled(cambiosPermitidos_ && n == 6);
    multiple_->setEnabled(cambiosPermitidos_ && n > 0 && n != 6 && CodigoMultiple(n) != 0);
}

void PaginaCrearCombinacion::TablaElegida(int entrada) {
    if (entrada < 0 || entrada >= static_cast<int>(posiciones_.size())) return;
    const DescripcionReducida d = MostrarTablaReducida(tablas_[posiciones_[entrada]]);
    dSeleccion_->setText(d.seleccion);
    dAsegura_->setText(d.asegura);
    dPosibilidad_->setText(d.posibilidad);
    dJugarTodo_->setText(d.jugarTodo);
    dApuestasTodo_->setText(d.apuestasTodo);
    ayuda_->hide();
    descripcion_->show();
}

void PaginaCrearCombinacion::CrearGuiada(int i) {
    const int n = cuantos_->value();
    if (i == 0) {
        const int e = lista_->currentIndex();
        if (e < 0 || e >= static_cast<int>(posiciones_.size())) {
            dialogos_.Mensaje(
                QStringLiteral("Elija primero una tabla de reducidas en el menú desplegable."),
                Icono::Informacion, Botones::Aceptar, QStringLiteral("No tan deprisa!"));
            return;
        }
        const TablaReducida tabla = tablas_[posiciones_[e]];
        VolverAlPaso1();
        emit crearPenaGuiada(7, &tabla);
        return;
    }
    const int modo = i == 1 ? 0 : CodigoMultiple(n);
    VolverAlPaso1();
    emit crearPenaGuiada(modo, nullptr);
}

void PaginaCrearCombinacion::VolverAlPaso1() {
    {
        const QSignalBlocker quieto(cuantos_);
        cuantos_->setValue(0);
    }
    PonerBotonesCrear();
    textoCuantos_->setText(QStringLiteral("Ha seleccionado 0 números."));
    numeros_->clear();
    for (QPushButton* b : {volver_, informe_}) b->setEnabled(false);
    lista_->setEnabled(false);
    ayuda_->show();
    descripcion_->hide();
    seleccion_.Congelar(false);
}

}  // namespace tombolin
