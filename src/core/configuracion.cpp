#include "core/configuracion.h"

#include <tuple>

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <iterator>

namespace tombolin {

namespace {

// Bytes of the record up to the end of the web address.
constexpr int kFinDireccion = 78;

QString SinBlancos(const QString& t) {
    QString r = t;
    r.remove(QChar(u'\0'));
    return r.trimmed();
}

}  // namespace

Error GuardarConfiguracion(Estado& estado) {
    // Replaced whole, like every data file: a write in place cut short would leave a torn record.
    return estado.Ajustes.Reemplazar(CodificarConfiguracion(estado.Config),
                                     estado.Fichero(kTemporalConfiguracion));
}

Configuracion AjustesLeidos(const QString& ruta, bool& reparados) {
    Configuracion c;
    const QString porDefecto = QLatin1String(kDireccionWebActual);
    reparados = false;
    if (!QFileInfo::exists(ruta)) {
        c.DireccionWeb = porDefecto;
        reparados = true;
    } else {
        // A record cut short keeps what it holds: the fields that are there whole are used.
        QByteArray bytes;
        {
            QFile f(ruta);
            if (f.open(QIODevice::ReadOnly)) bytes = f.read(Configuracion::kLongitud);
        }
        const bool direccionEntera = bytes.size() >= kFinDireccion;
        bytes.append(QByteArray(Configuracion::kLongitud - bytes.size(), '\0'));
        c = DecodificarConfiguracion(bytes.constData());

        const QString direccion = SinBlancos(c.DireccionWeb);
        // A full field may be a cut address; an empty one would leave every link without a host.
        if (!direccionEntera || direccion.isEmpty() ||
            direccion.size() >= Configuracion::kAnchoDireccion ||
            direccion == QLatin1String(kDireccionWebAntigua)) {
            c.DireccionWeb = porDefecto;
            reparados = true;
        }
    }
    if (c.PrecioApuesta == 0) {
        c.PrecioApuesta = 1.0f;
        c.MesesMaximos = 24;
        reparados = true;
    }
    return c;
}

void LeerConfiguracion(Estado& estado) {
    // The repairs are written when they can be: a folder that can't be written was named at
    // start, and the settings read stand for the run all the same.
    const QString ruta = estado.Fichero(kFicheroConfiguracion);
    bool reparados = false;
    estado.Config = AjustesLeidos(ruta, reparados);
    std::ignore = estado.Ajustes.Abrir(ruta);
    if (reparados) std::ignore = GuardarConfiguracion(estado);
}

std::optional<double> LeerDecimal(const QString& texto) {
    QLocale espanol(QLocale::Spanish, QLocale::Spain);
    // "1.500" is not one thousand five hundred here: a point is read as the decimal point.
    espanol.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const QString t = texto.trimmed();
    double v = espanol.toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    // From half the last step above the largest float, a value would be infinite as a float.
    constexpr double kFueraDeFloat = 0x1.ffffffp+127;
    if (!ok || !std::isfinite(v) || std::abs(v) >= kFueraDeFloat) return {};
    return v;
}

bool HistoricoOfrecido(const Configuracion& c) {
    return c.Reservado78[0] == 1;
}

void MarcarHistoricoOfrecido(Configuracion& c) {
    c.Reservado78[0] = 1;
}

bool ImportesOfrecidos(const Configuracion& c) {
    return c.Reservado78[1] == 1;
}

void MarcarImportesOfrecidos(Configuracion& c) {
    c.Reservado78[1] = 1;
}

bool NumeroAMedias(const QString& texto) {
    static const QRegularExpression empezado(QStringLiteral("^\\s*[+-]?\\d*[.,]?\\d*\\s*$"));
    return empezado.match(texto).hasMatch() && !LeerDecimal(texto);
}

QString TextoEnCaja(float valor) {
    // The library's shortest digits that give this float back, always in fixed notation.
    char texto[64];
    const std::to_chars_result fin =
        std::to_chars(std::begin(texto), std::end(texto), valor, std::chars_format::fixed);
    QString r = QString::fromLatin1(texto, fin.ptr - texto);
    r.replace(QLatin1Char('.'), QLatin1Char(','));
    return r;
}

bool PrecioAdmitido(float precio) {
    return precio > 0;
}

QString TextoDecimal(double valor) {
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(valor, 'g', 7);
}

QString Miles(qint64 n) {
    QString t = QString::number(n < 0 ? -n : n);
    for (qsizetype i = t.size() - 3; i > 0; i -= 3) t.insert(i, QLatin1Char('.'));
    return n < 0 ? QLatin1Char('-') + t : t;
}

QString TextoEuros(double euros) {
    return TextoCentimos(qRound64(euros * 100));
}

QString TextoCentimos(qint64 centimos) {
    // A loss is written with its sign before the whole amount: "-0,50 €".
    const qint64 a = centimos < 0 ? -centimos : centimos;
    return (centimos < 0 ? QStringLiteral("-") : QString()) + Miles(a / 100) + QLatin1Char(',') +
           QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0')) + QStringLiteral(" €");
}

std::optional<int16_t> LeerMeses(const QString& texto) {
    bool ok = false;
    const short meses = QLocale::c().toShort(texto.trimmed(), &ok);
    if (!ok) return {};
    return static_cast<int16_t>(std::max<short>(meses, 2));
}

Tecleado DecimalTecleado(const QString& texto) {
    if (texto.trimmed().isEmpty() || NumeroAMedias(texto)) return {};
    const std::optional<double> valor = LeerDecimal(texto);
    return valor ? Tecleado{Tecleado::Valor, *valor} : Tecleado{Tecleado::NoEsNumero, 0};
}

Tecleado MesesTecleados(const QString& texto) {
    if (texto.trimmed().isEmpty() || texto.trimmed() == QLatin1String("-")) return {};
    const std::optional<int16_t> meses = LeerMeses(texto);
    return meses ? Tecleado{Tecleado::Valor, static_cast<double>(*meses)}
                 : Tecleado{Tecleado::NoEsNumero, 0};
}

}  // namespace tombolin
