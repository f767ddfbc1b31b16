-- The report store, Tombolin.mdb (SQLCipher): what the statistics and syndicate reports print,
-- all of it derived from the data files, so the program builds it again whenever it is broken.
-- A 16-bit integer is an INTEGER whose range is checked; single precision is REAL (the program
-- rounds to float before writing); a date is ISO text 'yyyy-MM-dd'. No column holds NULL: the
-- one-row tables get their row here, with neutral values, and the program only updates it.

CREATE TABLE "Informe" (
    "Frase" TEXT NOT NULL DEFAULT ''
);
INSERT INTO "Informe" DEFAULT VALUES;

CREATE TABLE "Sorteos" (
    "Dia1" TEXT NOT NULL DEFAULT '1899-12-30'
        CHECK ("Dia1" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    "Dia2" TEXT NOT NULL DEFAULT '1899-12-30'
        CHECK ("Dia2" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    "Total" INTEGER NOT NULL DEFAULT 0
        CHECK (typeof("Total") = 'integer' AND "Total" BETWEEN -32768 AND 32767),
    "Diasajugar" TEXT NOT NULL DEFAULT ''
);
INSERT INTO "Sorteos" DEFAULT VALUES;

CREATE TABLE "Numeros" (
    "Numero" INTEGER NOT NULL
        CHECK (typeof("Numero") = 'integer' AND "Numero" BETWEEN -32768 AND 32767),
    "Veces" INTEGER NOT NULL
        CHECK (typeof("Veces") = 'integer' AND "Veces" BETWEEN -32768 AND 32767)
);

CREATE TABLE "Peña" (
    "Nombre" TEXT NOT NULL DEFAULT '',
    "Diasajugar" TEXT NOT NULL DEFAULT '',
    "Dinero" REAL NOT NULL DEFAULT 0,
    "Dia1" TEXT NOT NULL DEFAULT '1899-12-30'
        CHECK ("Dia1" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    "Dia2" TEXT NOT NULL DEFAULT '1899-12-30'
        CHECK ("Dia2" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
    "Aciertos" TEXT NOT NULL DEFAULT '',
    "Sorteos" REAL NOT NULL DEFAULT 0,
    "3" INTEGER NOT NULL DEFAULT 0 CHECK (typeof("3") = 'integer' AND "3" BETWEEN -32768 AND 32767),
    "4" INTEGER NOT NULL DEFAULT 0 CHECK (typeof("4") = 'integer' AND "4" BETWEEN -32768 AND 32767),
    "5" INTEGER NOT NULL DEFAULT 0 CHECK (typeof("5") = 'integer' AND "5" BETWEEN -32768 AND 32767),
    "5C" INTEGER NOT NULL DEFAULT 0
        CHECK (typeof("5C") = 'integer' AND "5C" BETWEEN -32768 AND 32767),
    "6" INTEGER NOT NULL DEFAULT 0 CHECK (typeof("6") = 'integer' AND "6" BETWEEN -32768 AND 32767),
    -- The money since its start day, as the card writes it ("2.462,19 €").
    "Ganado" TEXT NOT NULL DEFAULT '',
    "Gastado" TEXT NOT NULL DEFAULT '',
    "Balance" TEXT NOT NULL DEFAULT ''
);
INSERT INTO "Peña" DEFAULT VALUES;

CREATE TABLE "Peñanums" (
    "Numeros" TEXT NOT NULL
);
