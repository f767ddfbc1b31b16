#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <tuple>

namespace tombolin {

class Impresora;

enum class Icono { Ninguno, Informacion, Pregunta, Exclamacion, Critico };
enum class Botones { Aceptar, AceptarCancelar, SiNo, SiNoCancelar };
enum class Respuesta { Aceptar, Cancelar, Si, No };

// Every box and dialog the program shows goes through here, so that the windows and the data
// operations can be driven by tests with scripted answers.
class Dialogos {
  public:
    virtual ~Dialogos() = default;

    // A message box; returns the button pressed (Cancelar or No when it was closed otherwise).
    // `porDefecto` is the button that Enter presses, for a question whose careless answer would
    // lose data; without it the box chooses as it always has.
    Respuesta Mensaje(const QString& texto, Icono icono, Botones botones, const QString& titulo,
                      std::optional<Respuesta> porDefecto = std::nullopt) {
        return MostrarMensaje(texto, icono, botones, titulo, porDefecto);
    }

    // The open-file dialog. `filtro` is a description and its patterns, as
    // "Archivos de sorteos (numeros.dat)". Returns the chosen file, or an empty text.
    virtual QString ElegirFichero(const QString& titulo, const QString& carpeta,
                                  const QString& filtro) = 0;

    // The save-file dialog, opening on `sugerido` (a folder and a file name); it asks before
    // writing over a file. Returns the chosen file, or an empty text.
    virtual QString GuardarFichero(const QString& titulo, const QString& sugerido,
                                   const QString& filtro) = 0;

    // The print dialog for `impresora`; false when the user cancels it.
    virtual bool ElegirImpresora(Impresora& impresora) = 0;

    // The pages `dibujar` prints (on a printer already started), shown on screen. True when the
    // user asks from there to print them.
    virtual bool VistaPrevia(const QString& titulo,
                             const std::function<void(Impresora&)>& dibujar) = 0;

    // A report, as HTML, in a print preview from which it is printed or saved as a PDF.
    virtual void VerInforme(const QString& titulo, const QString& html) = 0;
    // A notice that stays, with a button to give up, while the program waits for `listo()` to
    // turn true (asked a few times a second). True once it did; false when the user gave up. A
    // face that can't wait (the default) asks once and answers at once.
    virtual bool Esperar(const QString& texto, const QString& titulo,
                         const std::function<bool()>& listo) {
        std::ignore = texto;
        std::ignore = titulo;
        return listo();
    }

  protected:
    virtual Respuesta MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                                     const QString& titulo,
                                     std::optional<Respuesta> porDefecto) = 0;
};

}  // namespace tombolin
