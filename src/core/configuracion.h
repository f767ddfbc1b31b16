#pragma once

#include <QString>

#include "core/error.h"
#include "core/estado.h"

// The settings file "nums.ini": one 86-byte record, read and repaired at start-up and written
// back at once after every change.
namespace tombolin {

// The maker's web address (without scheme) and the one it had before.
inline constexpr const char* kDireccionWebActual = "www.tombolin.example";
inline constexpr const char* kDireccionWebAntigua = "www.tombolin-loterias.example";
// Where users write to the maker.
inline constexpr const char* kCorreoContacto = "contacto@tombolin.example";

void LeerConfiguracion(Estado& estado);
Error GuardarConfiguracion(Estado& estado);

}  // namespace tombolin
