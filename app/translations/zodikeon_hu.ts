<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>TAstroApp</name>
    <message>
        <source>PDF file</source>
        <translation>PDF-fájl</translation>
    </message>
    <message>
        <source>No ephemeris files were found in %1.

The planets are computed from the library's built-in theory, with less precision; the minor bodies cannot be computed.</source>
        <translation>A(z) %1 mappában nincsenek efemerisz-fájlok.

A bolygók helyzetét a könyvtár beépített, kevésbé pontos elmélete számítja; a kisbolygók nem számíthatók.</translation>
    </message>
</context>
<context>
    <name>TRadixWindow</name>
    <message>
        <source>Not computed for this date (outside the ephemeris files): %1</source>
        <translation>Erre a dátumra nem számítható (az efemerisz-fájlokon kívül esik): %1</translation>
    </message>
    <message>
        <source>The house system cannot be used at this latitude: Porphyrius houses are shown</source>
        <translation>Ez a házrendszer ezen a szélességen nem használható: Porphyrius-házak láthatók</translation>
    </message>
</context>
<context>
    <name>TAstroClient</name>
    <message>
        <source>The options could not be saved to %1.</source>
        <translation>A beállításokat nem sikerült menteni ide: %1.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>A(z) %1 fájl nem olvasható.</translation>
    </message>
    <message>
        <source>%1 is not a horoscope file.</source>
        <translation>A(z) %1 nem horoszkópfájl.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Horoscope</source>
        <translation>&amp;Horoszkóp</translation>
    </message>
    <message>
        <source>Personal &amp;data...</source>
        <translation>Személyes &amp;adatok...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>Ú&amp;j...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Megnyitás...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>M&amp;entés</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Mentés m&amp;ásként...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Nyomtatás...</translation>
    </message>
    <message>
        <source>Import &amp;towns...</source>
        <translation>&amp;Települések importálása...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Táblázat</translation>
    </message>
    <message>
        <source>&amp;Wheel</source>
        <translation>&amp;Kör</translation>
    </message>
    <message>
        <source>&amp;Planet and house cusp positions</source>
        <translation>&amp;Bolygók és házcsúcsok helyzete</translation>
    </message>
    <message>
        <source>Planets in &amp;signs and houses</source>
        <translation>Bolygók &amp;jegyekben és házakban</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Fényszögek</translation>
    </message>
    <message>
        <source>Deta&amp;iled aspect data</source>
        <translation>Részletes &amp;fényszögadatok</translation>
    </message>
    <message>
        <source>&amp;Combined planet and aspect table</source>
        <translation>&amp;Összevont bolygó- és fényszögtáblázat</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>&amp;Display I...</source>
        <translation>&amp;Megjelenítés I...</translation>
    </message>
    <message>
        <source>D&amp;isplay II...</source>
        <translation>M&amp;egjelenítés II...</translation>
    </message>
    <message>
        <source>S&amp;ymbols...</source>
        <translation>&amp;Szimbólumok...</translation>
    </message>
    <message>
        <source>C&amp;olors...</source>
        <translation>S&amp;zínek...</translation>
    </message>
    <message>
        <source>&amp;House calculation method</source>
        <translation>&amp;Házrendszer</translation>
    </message>
    <message>
        <source>&amp;Zodikeon</source>
        <translation>&amp;Zodikeon</translation>
    </message>
    <message>
        <source>&amp;Regiomontanus</source>
        <translation>&amp;Regiomontanus</translation>
    </message>
    <message>
        <source>&amp;Campanus</source>
        <translation>&amp;Campanus</translation>
    </message>
    <message>
        <source>Pa&amp;ge-Polich</source>
        <translation>Pa&amp;ge-Polich</translation>
    </message>
    <message>
        <source>&amp;Koch</source>
        <translation>&amp;Koch</translation>
    </message>
    <message>
        <source>&amp;Alcabitius</source>
        <translation>&amp;Alcabitius</translation>
    </message>
    <message>
        <source>P&amp;orphyrius</source>
        <translation>P&amp;orphyrius</translation>
    </message>
    <message>
        <source>&amp;Indian</source>
        <translation>&amp;Indiai</translation>
    </message>
    <message>
        <source>&amp;Equal</source>
        <translation>&amp;Egyenlő</translation>
    </message>
    <message>
        <source>&amp;Vehlow</source>
        <translation>&amp;Vehlow</translation>
    </message>
    <message>
        <source>Lunar &amp;node type</source>
        <translation>&amp;Holdcsomó típusa</translation>
    </message>
    <message>
        <source>&amp;Mean</source>
        <translation>&amp;Közepes</translation>
    </message>
    <message>
        <source>&amp;True</source>
        <translation>&amp;Valódi</translation>
    </message>
    <message>
        <source>&amp;Dignities...</source>
        <translation>&amp;Méltóságok...</translation>
    </message>
    <message>
        <source>&amp;Orbises...</source>
        <translation>&amp;Orbiszok...</translation>
    </message>
    <message>
        <source>S&amp;cores...</source>
        <translation>&amp;Pontszámok...</translation>
    </message>
    <message>
        <source>A&amp;uto save</source>
        <translation>&amp;Automatikus mentés</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>Me&amp;ntés...</translation>
    </message>
    <message>
        <source>&amp;Retrieve...</source>
        <translation>&amp;Betöltés...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ablak</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Lépcsőzetes</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mozaik</translation>
    </message>
    <message>
        <source>Arrange &amp;icons</source>
        <translation>&amp;Ikonok elrendezése</translation>
    </message>
    <message>
        <source>C&amp;lose All</source>
        <translation>Az összes &amp;bezárása</translation>
    </message>
    <message>
        <source>&amp;Radix shifter</source>
        <translation>&amp;Radixléptető</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;Zodikeon manual</source>
        <translation>&amp;Zodikeon kézikönyv</translation>
    </message>
    <message>
        <source>Z&amp;odikeon website</source>
        <translation>Z&amp;odikeon honlap</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>English (US)</source>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>Magyar</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Zodikeon Free: natal charts computed with the Swiss Ephemeris.</source>
        <translation>Zodikeon Free: születési képletek a Swiss Ephemeris számításaival.</translation>
    </message>
    <message>
        <source>Town data © GeoNames (geonames.org), CC BY 4.0, modified</source>
        <translation>Településadatok © GeoNames (geonames.org), CC BY 4.0, módosítva</translation>
    </message>
    <message>
        <source>Time zones from the IANA time zone database (public domain)</source>
        <translation>Időzónák az IANA időzóna-adatbázisából (közkincs)</translation>
    </message>
    <message>
        <source>Symbols drawn from the Noto fonts, Liberation fonts: SIL Open Font License 1.1</source>
        <translation>A szimbólumok a Noto betűkészletekből készültek; Liberation betűkészletek: SIL Open Font License 1.1</translation>
    </message>
</context>
<context>
    <name>TWaitDialog</name>
    <message>
        <source>Please wait...</source>
        <translation>Kérem, várjon...</translation>
    </message>
</context>
<context>
    <name>TPrefixDialog</name>
    <message>
        <source>Town</source>
        <translation>Település</translation>
    </message>
    <message>
        <source> Partial name:</source>
        <translation> Névrészlet:</translation>
    </message>
</context>
<context>
    <name>TDatabaseDialog</name>
    <message>
        <source>Open Horoscope</source>
        <translation>Horoszkóp megnyitása</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Mappa:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Módosítás...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Frissítés</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Törlés...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Név:</translation>
    </message>
    <message>
        <source>Parts of the name, such as "nagy anna"; alternatives separated by ";"</source>
        <translation>A név részei, például "nagy anna"; a változatok között ";"</translation>
    </message>
    <message>
        <source>Selected / listed / found</source>
        <translation>Kijelölt / listázott / talált</translation>
    </message>
    <message>
        <source>Birth data</source>
        <translation>Születési adatok</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>Meg&amp;jegyzések:</translation>
    </message>
    <message>
        <source>This folder cannot be read.</source>
        <translation>Ez a mappa nem olvasható.</translation>
    </message>
</context>
<context>
    <name>TBirthDialog</name>
    <message>
        <source>Personal Data</source>
        <translation>Személyes adatok</translation>
    </message>
    <message>
        <source> Birth data:</source>
        <translation> Születési adatok:</translation>
    </message>
    <message>
        <source> Calendar:</source>
        <translation> Naptár:</translation>
    </message>
    <message>
        <source> Geographic location:</source>
        <translation> Földrajzi hely:</translation>
    </message>
    <message>
        <source> Notes:</source>
        <translation> Megjegyzés:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Dátum:</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>&amp;Idő:</translation>
    </message>
    <message>
        <source>&amp;Long</source>
        <translation>&amp;Hossz.</translation>
    </message>
    <message>
        <source>L&amp;at</source>
        <translation>&amp;Szél.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Név:</translation>
    </message>
    <message>
        <source>&amp;Sex:</source>
        <translation>Ne&amp;m:</translation>
    </message>
    <message>
        <source>Hor. t&amp;ype:</source>
        <translation>Hor. tí&amp;pus:</translation>
    </message>
    <message>
        <source>&amp;Town:</source>
        <translation>&amp;Település:</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Make this town the default town of new charts</source>
        <translation>Ez legyen az új képletek alapértelmezett települése</translation>
    </message>
    <message>
        <source>Life &amp;events...</source>
        <translation>Élet&amp;események...</translation>
    </message>
    <message>
        <source>E/W</source>
        <translation>E/W</translation>
    </message>
    <message>
        <source>N/S</source>
        <translation>N/S</translation>
    </message>
    <message>
        <source>year</source>
        <translation>év</translation>
    </message>
    <message>
        <source>month</source>
        <translation>hó</translation>
    </message>
    <message>
        <source>day</source>
        <translation>nap</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>óra</translation>
    </message>
    <message>
        <source>min</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>mp</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>fok</translation>
    </message>
    <message>
        <source>Default town: %1</source>
        <translation>Alapértelmezett település: %1</translation>
    </message>
    <message>
        <source>The default town could not be written to the settings file.</source>
        <translation>Az alapértelmezett települést nem sikerült a beállítási fájlba írni.</translation>
    </message>
</context>
<context>
    <name>TEventsDialog</name>
    <message>
        <source>Life Events for Correction</source>
        <translation>Életesemények a korrekcióhoz</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>Ú&amp;j...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Szerkesztés...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kijelölés</translation>
    </message>
</context>
<context>
    <name>TLifeEventDialog</name>
    <message>
        <source>Life Event</source>
        <translation>Életesemény</translation>
    </message>
    <message>
        <source>&amp;Event:</source>
        <translation>&amp;Esemény:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Dátum:</translation>
    </message>
    <message>
        <source>year</source>
        <translation>év</translation>
    </message>
    <message>
        <source>month</source>
        <translation>hó</translation>
    </message>
    <message>
        <source>day</source>
        <translation>nap</translation>
    </message>
</context>
<context>
    <name>TTownsDialog</name>
    <message>
        <source>Towns</source>
        <translation>Települések</translation>
    </message>
    <message>
        <source>Beginning of the name, then other words of it</source>
        <translation>A név eleje, majd további szavai</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>Ú&amp;j...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Szerkesztés...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>The user towns could not be saved to %1.</source>
        <translation>A felhasználói településeket nem sikerült menteni ide: %1</translation>
    </message>
</context>
<context>
    <name>TTownDataDialog</name>
    <message>
        <source>Town Data</source>
        <translation>Település adatai</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Név:</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>&amp;Régió:</translation>
    </message>
    <message>
        <source>&amp;Long</source>
        <translation>&amp;Hossz.</translation>
    </message>
    <message>
        <source>L&amp;at</source>
        <translation>&amp;Szél.</translation>
    </message>
    <message>
        <source>E/W</source>
        <translation>E/W</translation>
    </message>
    <message>
        <source>N/S</source>
        <translation>N/S</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>fok</translation>
    </message>
    <message>
        <source>min</source>
        <translation>perc</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>&amp;Időzóna:</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>&amp;Megtekintés...</translation>
    </message>
</context>
<context>
    <name>TTimeCalcDialog</name>
    <message>
        <source>Time Calculation Area</source>
        <translation>Időszámítási terület</translation>
    </message>
</context>
<context>
    <name>TPrintDialog</name>
    <message>
        <source>Print Horoscope</source>
        <translation>Horoszkóp nyomtatása</translation>
    </message>
    <message>
        <source> Coloring:</source>
        <translation> Színezés:</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Fekete</translation>
    </message>
    <message>
        <source>Colored</source>
        <translation>Színes</translation>
    </message>
    <message>
        <source> Select features to print:</source>
        <translation> A nyomtatandó részek:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
    <message>
        <source>&amp;Wheel</source>
        <translation>&amp;Kör</translation>
    </message>
    <message>
        <source>C&amp;ombined table / Collation aspects</source>
        <translation>Ö&amp;sszevont táblázat / fényszögek</translation>
    </message>
    <message>
        <source>Planets in &amp;signs and houses I.</source>
        <translation>Bolygók a &amp;jegyekben és házakban I.</translation>
    </message>
    <message>
        <source>Planets in signs and houses II.</source>
        <translation>Bolygók a jegyekben és házakban II.</translation>
    </message>
    <message>
        <source>&amp;Planet and house cusp positions</source>
        <translation>&amp;Bolygók és házcsúcsok helyzete</translation>
    </message>
    <message>
        <source>&amp;Aspects</source>
        <translation>&amp;Fényszögek</translation>
    </message>
    <message>
        <source>Deta&amp;iled aspect data</source>
        <translation>Részletes &amp;fényszögadatok</translation>
    </message>
    <message>
        <source>Ast&amp;eroids and special points</source>
        <translation>Kisbolygók és &amp;különleges pontok</translation>
    </message>
    <message>
        <source> Printer:</source>
        <translation> Nyomtató:</translation>
    </message>
    <message>
        <source>Setup...</source>
        <translation>Beállítás...</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Előnézet...</translation>
    </message>
</context>
<context>
    <name>TPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Nyomtatási kép</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>A(z) %1 fájl nem írható.</translation>
    </message>
    <message>
        <source>The printer %1 is not available.</source>
        <translation>A(z) %1 nyomtató nem érhető el.</translation>
    </message>
    <message>
        <source>Printing on %1 failed.</source>
        <translation>A nyomtatás a(z) %1 nyomtatón nem sikerült.</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Paper size:</source>
        <translation>Papírméret:</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-fájlok (*.pdf)</translation>
    </message>
    <message>
        <source>The options could not be saved to %1.</source>
        <translation>A beállítások nem menthetők ide: %1.</translation>
    </message>
</context>
</TS>
