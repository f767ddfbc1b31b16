#include "dobles.h"

#include <gtest/gtest.h>

namespace tombolin::pruebas {

Respuesta DialogosGuion::Mensaje(const QString& texto, Icono icono, Botones botones,
                                 const QString& titulo) {
    cajas.push_back({texto, icono, botones, titulo});
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    if (respuestas.empty()) {
        ADD_FAILURE() << "Pregunta sin respuesta preparada: " << texto.toStdString();
        return Respuesta::No;
    }
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

QString DialogosGuion::ElegirFichero(const QString& titulo, const QString& carpeta,
                                     const QString& filtro) {
    peticiones.push_back({titulo, carpeta, filtro});
    if (ficheros.empty()) {
        ADD_FAILURE() << "Diálogo de abrir sin fichero preparado";
        return {};
    }
    const QString f = ficheros.front();
    ficheros.pop_front();
    return f;
}

std::vector<QString> DialogosGuion::Textos() const {
    std::vector<QString> t;
    for (const auto& c : cajas) t.push_back(c.texto);
    return t;
}

}  // namespace tombolin::pruebas
