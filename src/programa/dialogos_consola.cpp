#include "programa/dialogos_consola.h"

namespace tombolin {

Respuesta DialogosConsola::MostrarMensaje(const QString& texto, Icono, Botones botones,
                                          const QString& titulo,
                                          std::optional<Respuesta> porDefecto) {
    QString linea = texto;
    linea.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    errores_ << titulo << ": " << linea.trimmed();
    Respuesta r = Respuesta::Aceptar;
    switch (botones) {
        case Botones::Aceptar:
            break;
        case Botones::AceptarCancelar:
            r = porDefecto.value_or(Respuesta::Cancelar);
            break;
        case Botones::SiNo:
        case Botones::SiNoCancelar:
            r = porDefecto.value_or(Respuesta::No);
            break;
    }
    if (botones != Botones::Aceptar) {
        static const char* const kNombres[] = {"Aceptar", "Cancelar", "Sí", "No"};
        errores_ << " [" << QString::fromUtf8(kNombres[static_cast<int>(r)]) << "]";
    }
    errores_ << '\n';
    errores_.flush();
    return r;
}

}  // namespace tombolin
