#pragma once

#include "core/dialogos.h"
#include "core/escritorio.h"
#include "core/impresora.h"
#include "core/notificador.h"
#include "core/reloj.h"
#include "core/systemctl.h"
#include "results/transferencia.h"

namespace tombolin {

// The seams the windows talk to the outside through: real ones in the program, scripted ones in
// the tests.
struct Servicios {
    Dialogos& dialogos;
    const Reloj& reloj;
    Escritorio& escritorio;
    Impresora& impresora;
    // The main window's two transfers: the download (and its PDF), and the news, which may
    // still be on its way when a download starts. Windows without network leave them out.
    Transferencia* descarga = nullptr;
    Transferencia* noticias = nullptr;
    // The desktop's notifications, for a syndicate's new prize; none in most tests.
    Notificador* notificador = nullptr;
    // The user's service manager, for the timer that checks by itself; none in a copy of the
    // program that is not installed.
    Systemctl* systemctl = nullptr;
};

}  // namespace tombolin
