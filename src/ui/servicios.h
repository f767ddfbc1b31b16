#pragma once

#include "core/dialogos.h"
#include "core/escritorio.h"
#include "core/impresora.h"
#include "core/reloj.h"

namespace tombolin {

// The seams the windows talk to the outside through: real ones in the program, scripted ones in
// the tests.
struct Servicios {
    Dialogos& dialogos;
    const Reloj& reloj;
    Escritorio& escritorio;
    Impresora& impresora;
};

}  // namespace tombolin
