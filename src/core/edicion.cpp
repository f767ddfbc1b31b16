#include "core/edicion.h"

#include <algorithm>
#include <cmath>

#include "core/fechas.h"
#include "core/juego.h"
#include "core/texto1252.h"

namespace tombolin {

namespace {

constexpr int kAnchoNombre = Pena::kAnchoNombre;

QString Numero(int n) {
    return QString::number(n);
}

Aviso AvisoMaximoSencillas(int maximo) {
    return {QStringLiteral("Máximo de apuestas sencillas por peña : ") + Numero(maximo) +
            QStringLiteral(".")};
}

const QString& AvisoMultiples() {
    static const QString texto = QStringLiteral(
        "¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! ");
    return texto;
}

}  // namespace

int OpcionDeDias(const QString& dias) {
    const QString visibles = TextoVisible(dias);
    for (int i = 0; i < static_cast<int>(kOpcionesDias.size()); ++i) {
        if (visibles == QString::fromUtf8(kOpcionesDias[i].dias)) return i;
    }
    return kOpcionTodos;
}

QString DiasDeOpcion(int opcion) {
    return QString::fromUtf8(kOpcionesDias[std::clamp(opcion, 0, kOpcionTodos)].dias);
}

NombreRevisado RevisarNombre(const QString& tecleado) {
    // Letter by letter: a letter whose capital is two letters ("ß") stays as it is, so that the
    // count of letters is the one typed.
    QString mayusculas;
    const QList<uint> letras = tecleado.toUcs4();
    for (const uint c : letras) {
        const char32_t letra = c;
        const QString una = QString::fromUcs4(&letra, 1);
        const QString grande = una.toUpper();
        mayusculas += grande.toUcs4().size() == 1 ? grande : una;
    }
    // Counted as the file counts them: a character outside the BMP is one place.
    if (letras.size() > kAnchoNombre) {
        return {QStringLiteral("AYYYYYY!!"),
                Aviso{QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"),
                      Icono::Exclamacion}};
    }
    return {mayusculas, {}};
}

QString CaracteresSinGuardar(const QString& nombre) {
    QString sin;
    for (const char32_t c : nombre.toUcs4()) {
        const QString caracter = QString::fromUcs4(&c, 1);
        const bool guardable = caracter.size() == 1 && (CodificarCaracter(caracter.at(0)) != '?' ||
                                                        caracter.at(0) == QLatin1Char('?'));
        if (!guardable && !sin.contains(caracter)) sin += caracter;
    }
    return sin;
}

std::vector<int> NumerosAlAzar(int cuantos, const std::function<double()>& azar) {
    std::vector<int> numeros;
    while (static_cast<int>(numeros.size()) < cuantos) {
        // nearbyint rounds halves to even in the default rounding mode.
        const int n = static_cast<int>(std::nearbyint(azar() * 48 + 1));
        if (std::find(numeros.begin(), numeros.end(), n) == numeros.end()) numeros.push_back(n);
    }
    return numeros;
}

EdicionPena EdicionPena::Nueva(int modo, const TablaReducida* tabla) {
    EdicionPena e;
    e.modo_ = modo;
    if (modo == kModoReducida && tabla) {
        e.tabla_ = *tabla;
        e.numerosPorApuesta_ = tabla->CantidadNumeros;
        e.maxApuestas_ = 1;
        e.pena_.ReducidaNumeros = static_cast<int16_t>(tabla->CantidadNumeros);
        e.pena_.ReducidaGarantia = static_cast<int16_t>(tabla->GarantiaNumero());
    } else if (modo >= 1 && modo <= 6) {
        e.numerosPorApuesta_ = cuantos(500 + modo);
        e.maxApuestas_ = 1;
    } else {
        e.modo_ = kModoSencilla;
    }
    return e;
}

EdicionPena EdicionPena::Editar(const Pena& pena) {
    EdicionPena e;
    e.editando_ = true;
    e.pena_ = pena;
    const bool multiple = TipoDePena(pena) == TipoPena::Multiple;
    e.modo_ = multiple ? pena.NumApuestas - 500 : kModoSencilla;
    e.numerosPorApuesta_ = NumerosPorLinea(pena);
    e.maxApuestas_ = multiple ? 1 : kMaximoSencillas;
    e.MarcarLinea(1);
    if (pena.FechaCreacion > 0) e.desde_ = OleAFecha(pena.FechaCreacion);
    return e;
}

QString EdicionPena::Encabezado() const {
    return QStringLiteral("INTRODUZCA EL NOMBRE Y ") + Numero(numerosPorApuesta_) +
           QStringLiteral(" NÚMEROS:");
}

QString EdicionPena::Detalle() const {
    if (modo_ != kModoReducida || !tabla_) return {};
    return QStringLiteral("Tabla elegida: ") + tabla_->Descripcion() +
           QStringLiteral(" Se grabarán ") + QString::number(tabla_->CantidadApuestas) +
           QStringLiteral(" apuestas de 6 números.");
}

int EdicionPena::NumerosMarcados() const {
    return static_cast<int>(std::count(marcados_.begin(), marcados_.end(), true));
}

int EdicionPena::Lineas() const {
    return editando_ ? LineasEnUso(pena_) : lineas_;
}

QStringList EdicionPena::TextosLineas() const {
    QStringList textos;
    for (int b = 1; b <= Lineas(); ++b) {
        if (editando_ && lineaNueva_ && b == Lineas()) {
            textos << QString();
        } else {
            textos << TextoApuesta(pena_.Apuestas[b - 1], numerosPorApuesta_);
        }
    }
    return textos;
}

bool EdicionPena::AleatorioPermitido() const {
    if (grabarRechazado_) return false;
    // A multiple or a reduced system draws its one line once.
    if (modo_ != kModoSencilla && aleatorioUsado_) return false;
    return editando_ || lineas_ < maxApuestas_;
}

Pena EdicionPena::Registro() const {
    Pena p = pena_;
    if (lineaNueva_) {
        p.Apuestas[p.NumApuestas - 1].Columnas[0] = 0;
        --p.NumApuestas;
    }
    return p;
}

Aviso EdicionPena::AvisoLimite() const {
    if (modo_ == kModoReducida) {
        return {QStringLiteral("¡¡ Sólo puedes poner ") + Numero(numerosPorApuesta_) +
                QStringLiteral(" números en este tipo de reducida !! ")};
    }
    if (modo_ != kModoSencilla) return {AvisoMultiples()};
    return AvisoMaximoSencillas(kMaximoSencillas);
}

EdicionPena::Resultado EdicionPena::Pulsar(int numero) {
    if (numero < 1 || numero > 49) return {};
    if (grabarRechazado_) {
        return {
            Aviso{QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números.")},
            false, false};
    }
    if (!editando_ && lineas_ >= maxApuestas_) {
        limiteAlcanzado_ = true;
        return {AvisoLimite(), false, false};
    }
    marcados_[numero - 1] = !marcados_[numero - 1];
    return LineaCompleta() ? Completar() : Resultado{};
}

EdicionPena::Resultado EdicionPena::Completar() {
    Apuesta linea;
    int c = 0;
    for (int n = 1; n <= 49; ++n) {
        if (marcados_[n - 1]) linea.Columnas[c++] = static_cast<int16_t>(n);
    }
    Resultado r;
    r.lineaCompleta = true;
    if (editando_) {
        Apuesta& guardada = pena_.Apuestas[linea_ - 1];
        const bool cambia =
            lineaNueva_ || !std::equal(linea.Columnas.begin(), linea.Columnas.begin() + c,
                                       guardada.Columnas.begin());
        // Columns past the line's numbers keep what they held.
        std::copy(linea.Columnas.begin(), linea.Columnas.begin() + c, guardada.Columnas.begin());
        // A reduced system that is changed is no longer that system: its lines become simple bets.
        if (cambia) pena_.ReducidaNumeros = 0;
        lineaNueva_ = false;
        r.escribir = cambia;
        return r;
    }
    ++lineas_;
    Apuesta& nueva = pena_.Apuestas[lineas_ - 1];
    nueva = Apuesta{};
    std::copy(linea.Columnas.begin(), linea.Columnas.begin() + c, nueva.Columnas.begin());
    Desmarcar();
    return r;
}

EdicionPena::Resultado EdicionPena::Aleatoria(const std::function<double()>& azar) {
    if (grabarRechazado_) return Pulsar(1);
    if (!AleatorioPermitido()) return {AvisoMaximoSencillas(maxApuestas_)};
    const std::vector<int> numeros = NumerosAlAzar(numerosPorApuesta_, azar);
    aleatorioUsado_ = true;
    Desmarcar();
    Resultado r;
    for (const int n : numeros) {
        const Resultado paso = Pulsar(n);
        r.lineaCompleta |= paso.lineaCompleta;
        r.escribir |= paso.escribir;
    }
    return r;
}

void EdicionPena::BorrarUltima() {
    if (editando_ || lineas_ == 0) return;
    pena_.Apuestas[lineas_ - 1] = Apuesta{};
    --lineas_;
    limiteAlcanzado_ = false;
    if (lineas_ == 0) aleatorioUsado_ = false;
}

void EdicionPena::MarcarLinea(int linea) {
    Desmarcar();
    linea_ = linea;
    if (lineaNueva_ && linea == pena_.NumApuestas) return;
    const Apuesta& a = pena_.Apuestas[linea - 1];
    for (int c = 0; c < numerosPorApuesta_; ++c) {
        const int n = a.Columnas[c];
        if (n >= 1 && n <= 49) marcados_[n - 1] = true;
    }
}

EdicionPena::Resultado EdicionPena::AnadirLinea() {
    if (!editando_) return {};
    // Checked on the lines in use, whichever line is shown: there is no line 206.
    if (Lineas() >= maxApuestas_) {
        if (modo_ != kModoSencilla) {
            return {Aviso{QStringLiteral("No puedes añadir más apuestas. ") + AvisoMultiples()}};
        }
        return {AvisoMaximoSencillas(maxApuestas_)};
    }
    if (!LineaCompleta()) {
        return {Aviso{QStringLiteral("¡¡ ") + Numero(NumerosMarcados()) +
                      QStringLiteral(" números !!. Por favor, completa la apuesta.")}};
    }
    // The new line reaches the file once it is filled.
    ++pena_.NumApuestas;
    pena_.Apuestas[pena_.NumApuestas - 1] = Apuesta{};
    lineaNueva_ = true;
    MarcarLinea(pena_.NumApuestas);
    return {};
}

EdicionPena::Resultado EdicionPena::EliminarLinea() {
    if (!editando_) return {};
    if (Lineas() <= 1 || modo_ != kModoSencilla) {
        return {Aviso{QStringLiteral(
            "¡¡ No puedes borrar todas las apuestas !!. Si quieres borrar la Peña, hazlo desde "
            "la pestaña GESTOR DE PEÑAS.")}};
    }
    Resultado r;
    if (lineaNueva_ && linea_ == pena_.NumApuestas) {
        // Only the line added and never filled: the file never had it.
        lineaNueva_ = false;
    } else {
        pena_.ReducidaNumeros = 0;
        r.escribir = true;
    }
    auto& a = pena_.Apuestas;
    std::move(a.begin() + linea_, a.begin() + pena_.NumApuestas, a.begin() + linea_ - 1);
    a[pena_.NumApuestas - 1].Columnas[0] = 0;
    --pena_.NumApuestas;
    MarcarLinea(std::min<int>(linea_, pena_.NumApuestas));
    return r;
}

EdicionPena::Resultado EdicionPena::IrALinea(int linea) {
    if (!editando_ || linea < 1 || linea > Lineas() || linea == linea_) return {};
    if (!LineaCompleta()) {
        const QString cuanto = NumerosMarcados() < numerosPorApuesta_ ? QStringLiteral("Faltan ")
                                                                      : QStringLiteral("Sobran ");
        return {Aviso{QStringLiteral("¡¡ ") + cuanto +
                      QStringLiteral("números !!. Por favor, completa la apuesta.")}};
    }
    MarcarLinea(linea);
    return {};
}

EdicionPena::Resultado EdicionPena::PonerDias(const QString& dias) {
    if (TextoVisible(pena_.DiasJuego) == dias) return {};
    pena_.DiasJuego = dias;
    Resultado r;
    r.escribir = editando_;
    return r;
}

EdicionPena::Resultado EdicionPena::PonerDesde(QDate desde) {
    if (!desde.isValid() || desde == desde_) return {};
    desde_ = desde;
    Resultado r;
    if (!editando_) return r;
    pena_.FechaCreacion = FechaAOle(desde);
    r.escribir = true;
    return r;
}

EdicionPena::Grabacion EdicionPena::Grabar(const QString& nombre, const QString& dias, QDate hoy,
                                           const std::optional<Pena>& primera,
                                           const std::optional<Sorteo>& ultimo) {
    aleatorioUsado_ = true;
    Grabacion g;
    const double diaHoy = FechaAOle(hoy);
    const auto rechazo = [&](const char* texto) {
        grabarRechazado_ = true;
        g.aviso = Aviso{QString::fromUtf8(texto), Icono::Exclamacion};
        return g;
    };
    // Whole days: a syndicate or a draw of today is not later than today.
    if (primera && std::floor(primera->FechaCreacion) > diaHoy) {
        return rechazo(
            "¡¡¡No puede crear una peña con fecha anterior a una ya existente!!!. Borre dicha "
            "peña antes de crear ésta.");
    }
    if (ultimo && std::floor(ultimo->Fecha) > diaHoy) {
        return rechazo(
            "Hay sorteos con fecha posterior a la de la peña que intenta crear. Revise la fecha "
            "de su ordenador. ¡No se puede crear una peña con fecha anterior a la del último "
            "sorteo!");
    }
    if (nombre.trimmed().isEmpty()) return rechazo("¡¡¡No ha escrito el nombre de la peña!!!");

    // Built on a copy: a save that fails to reach the file can be tried again.
    Pena p = pena_;
    p.DiasJuego = dias;
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = 0;
    if (modo_ == kModoReducida && tabla_) {
        // The chosen numbers are line 1; each line of the table picks among them.
        std::vector<int> base;
        for (int c = 0; c < numerosPorApuesta_; ++c) {
            base.push_back(p.Apuestas[0].Columnas[c]);
            p.Base[c] = p.Apuestas[0].Columnas[c];
        }
        for (int i = 0; i < tabla_->CantidadApuestas; ++i) {
            const std::array<int, 6> seis = AplicarLinea(tabla_->Lineas[i], base);
            for (int c = 0; c < 6; ++c) p.Apuestas[i].Columnas[c] = static_cast<int16_t>(seis[c]);
        }
        p.NumApuestas = static_cast<int16_t>(tabla_->CantidadApuestas);
    } else if (modo_ == kModoSencilla) {
        p.NumApuestas = static_cast<int16_t>(std::max(lineas_, 1));
    } else {
        p.NumApuestas = static_cast<int16_t>(500 + modo_);
    }
    p.FechaComprobado = 0;
    p.FechaCreacion = desde_.isValid() && desde_ < hoy ? FechaAOle(desde_) : diaHoy;
    // Padded to 20 letters, counted as the file counts them.
    QList<uint> letras = nombre.toUcs4();
    letras.resize(std::min<qsizetype>(letras.size(), kAnchoNombre));
    while (letras.size() < kAnchoNombre) letras.append(' ');
    p.Nombre =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(letras.constData()), letras.size());
    g.pena = p;
    return g;
}

EdicionPena EdicionPena::Otra() const {
    // Several syndicates played for a while are entered one after another: the day stays.
    EdicionPena e = Nueva(modo_, tabla_ ? &*tabla_ : nullptr);
    e.desde_ = desde_;
    return e;
}

std::optional<Aviso> EdicionPena::Cerrar() const {
    if (!editando_ || limiteAlcanzado_ || LineaCompleta()) return {};
    return Aviso{QStringLiteral("¡¡ ") + Numero(NumerosMarcados()) +
                 QStringLiteral(" números !!. Por favor, rectifica la apuesta. Ha de ser de ") +
                 Numero(numerosPorApuesta_) + QStringLiteral(" números")};
}

}  // namespace tombolin
