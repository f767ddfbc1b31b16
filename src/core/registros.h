#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// The fixed-length records of the data files. Each is encoded and decoded field by field,
// little-endian, at its exact offsets; nothing here copies a struct's memory.
namespace tombolin {

// One draw: 32 bytes in "numeros.dat".
struct Sorteo {
    static constexpr int kLongitud = 32;
    // The earlier format: the same first 24 bytes and no Joker.
    static constexpr int kLongitudAntigua = 24;

    std::array<int16_t, 6> Numeros{};  // in the order the results document lists them
    int16_t Complementario = 0;
    int16_t Reintegro = 0;  // -1 in shipped history where the draw had none yet
    double Fecha = 0;       // OLE date
    double Joker = 0;       // whole number; 0 (or -1 in shipped history) when there was none

    friend bool operator==(const Sorteo&, const Sorteo&) = default;
};

QByteArray CodificarSorteo(const Sorteo& s);
// `bytes` holds at least 32 bytes.
Sorteo DecodificarSorteo(const char* bytes);
// The earlier 24-byte record: Joker comes out as 0.
Sorteo DecodificarSorteoAntiguo(const char* bytes);

// One bet line of a syndicate: 20 signed 16-bit columns, 40 bytes.
// The one way a blank-padded text field is shown: trailing blanks (and NULs) dropped,
// characters that can't be shown written as "?".
QString TextoVisible(const QString& campo);

struct Apuesta {
    static constexpr int kColumnas = 20;
    static constexpr int kLongitud = 40;
    std::array<int16_t, kColumnas> Columnas{};  // column c (1-based) is Columnas[c - 1]

    friend bool operator==(const Apuesta&, const Apuesta&) = default;
};

// One syndicate ("peña"): 8307 bytes in "apuestas.dat".
struct Pena {
    static constexpr int kLongitud = 8307;
    static constexpr int kLineas = 205;
    static constexpr int kAnchoNombre = 20;
    static constexpr int kAnchoDias = 15;

    QString Nombre;  // as stored, trailing blanks included
    int16_t ReducidaNumeros = 0;
    int16_t ReducidaGarantia = 0;
    std::array<int16_t, 20> Base{};
    std::array<Apuesta, kLineas> Apuestas{};  // line b (1-based) is Apuestas[b - 1]
    // Indexed by category so that Aciertos[3] counts prizes of 3 hits ... Aciertos[6] of 6 and
    // Aciertos[7] of 5 + complementario; entries 0..2 are not stored.
    std::array<int16_t, 8> Aciertos{};
    QString DiasJuego;  // as stored, trailing blanks included
    int16_t NumApuestas = 0;
    double FechaCreacion = 0;    // OLE date
    double FechaComprobado = 0;  // OLE date; 0 when no draw has been counted

    QString NombreVisible() const;
    QString DiasVisibles() const;

    friend bool operator==(const Pena&, const Pena&) = default;
};

QByteArray CodificarPena(const Pena& p);
Pena DecodificarPena(const char* bytes);

// The settings: one 86-byte record in "nums.ini". Reserved bytes are kept as read.
struct Configuracion {
    static constexpr int kLongitud = 86;
    static constexpr int kAnchoDireccion = 60;

    std::array<char, 2> Reservado0{};
    float AjusteX = 0;
    float AjusteY = 0;
    std::array<char, 2> Reservado10{};
    float PrecioApuesta = 0;
    int16_t MesesMaximos = 0;
    QString DireccionWeb;  // as stored, trailing blanks included; without "http://"
    std::array<char, 8> Reservado78{};

    QString DireccionVisible() const { return DireccionWeb.trimmed(); }

    friend bool operator==(const Configuracion&, const Configuracion&) = default;
};

QByteArray CodificarConfiguracion(const Configuracion& c);
Configuracion DecodificarConfiguracion(const char* bytes);

}  // namespace tombolin
