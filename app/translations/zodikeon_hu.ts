<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
    <context>
        <name>AppCommands</name>
        <message>
            <source>The manual %1 could not be opened: a PDF viewer is needed to read it.

Show the folder of the manual?</source>
            <translation>A kézikönyv (%1) nem nyitható meg: az olvasásához PDF-olvasó kell.

Megnyissam a kézikönyv mappáját?</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Kézikönyv</translation>
        </message>
        <message>
            <source>The folder %1 could not be opened.</source>
            <translation>A mappa (%1) nem nyitható meg.</translation>
        </message>
        <message>
            <source>The options could not be saved to %1.</source>
            <translation>A beállításokat nem sikerült ide menteni: %1.</translation>
        </message>
    </context>
    <context>
        <name>AppContext</name>
        <message>
            <source>The options have been changed since they were last saved.

Save them to %1?</source>
            <translation>A beállítások megváltoztak a legutóbbi mentés óta.

Mentsem őket ide: %1?</translation>
        </message>
        <message>
            <source>The settings cannot be saved in %1: recent files, window places and the default town will not be kept for the next start.</source>
            <translation>A beállítások nem menthetők ide: %1. A legutóbbi fájlok, az ablakok helye és az alapértelmezett város nem marad meg a következő indításig.</translation>
        </message>
        <message>
            <source>The options could not be saved to %1.</source>
            <translation>A beállításokat nem sikerült ide menteni: %1.</translation>
        </message>
    </context>
    <context>
        <name>EntryFields</name>
        <message>
            <source>Years go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000).</source>
            <translation>Az évszám i. e. 5000 és i. sz. 5000 között lehet (csillagászatilag -4999 és 5000 között).</translation>
        </message>
        <message>
            <source>The day must exist in the month and calendar chosen.</source>
            <translation>A napnak léteznie kell a választott hónapban és naptárban.</translation>
        </message>
        <message>
            <source>Hours go from 0 to 23, minutes and seconds from 0 to 59.</source>
            <translation>Az óra 0 és 23, a perc és a másodperc 0 és 59 között lehet.</translation>
        </message>
        <message>
            <source>The longitude goes up to 180° East or West, minutes from 0 to 59.</source>
            <translation>A hosszúság legfeljebb 180° keleti vagy nyugati, a perc 0 és 59 között lehet.</translation>
        </message>
        <message>
            <source>The latitude goes up to 89°59' North or South.</source>
            <translation>A szélesség legfeljebb 89°59' északi vagy déli lehet.</translation>
        </message>
        <message>
            <source>The zone goes up to 23:59 hours East or West of Greenwich.</source>
            <translation>Az időzóna legfeljebb 23:59 óra lehet Greenwichtől keletre vagy nyugatra.</translation>
        </message>
    </context>
    <context>
        <name>HoroscopeFile</name>
        <message>
            <source>name</source>
            <translation>név</translation>
        </message>
        <message>
            <source>horoscope type</source>
            <translation>horoszkóptípus</translation>
        </message>
        <message>
            <source>birth data</source>
            <translation>születési adatok</translation>
        </message>
        <message>
            <source>notes</source>
            <translation>jegyzetek</translation>
        </message>
        <message>
            <source>life events</source>
            <translation>életesemények</translation>
        </message>
        <message>
            <source>direction settings</source>
            <translation>direkciós beállítások</translation>
        </message>
        <message>
            <source>persons block</source>
            <translation>személyek blokkja</translation>
        </message>
        <message>
            <source>birth date (UT)</source>
            <translation>születési dátum (UT)</translation>
        </message>
        <message>
            <source>birth time (UT)</source>
            <translation>születési idő (UT)</translation>
        </message>
        <message>
            <source>geographic longitude</source>
            <translation>földrajzi hosszúság</translation>
        </message>
        <message>
            <source>geographic latitude</source>
            <translation>földrajzi szélesség</translation>
        </message>
        <message>
            <source>kind of clock time</source>
            <translation>óraidő fajtája</translation>
        </message>
        <message>
            <source>time zone</source>
            <translation>időzóna</translation>
        </message>
        <message>
            <source>birth date (local)</source>
            <translation>születési dátum (helyi)</translation>
        </message>
        <message>
            <source>birth time (local)</source>
            <translation>születési idő (helyi)</translation>
        </message>
        <message>
            <source>sex</source>
            <translation>nem</translation>
        </message>
        <message>
            <source>number of life events</source>
            <translation>életesemények száma</translation>
        </message>
        <message>
            <source>date of life event %1</source>
            <translation>%1. életesemény dátuma</translation>
        </message>
        <message>
            <source>it is cut short in the %1 (the file has %2 bytes, %3 are needed)</source>
            <translation>csonka: a(z) %1 részben ér véget (a fájl %2 bájtos, %3 bájt kellene)</translation>
        </message>
        <message>
            <source>the %1 holds %2, which cannot be entered</source>
            <translation>a(z) %1 mezőben álló érték (%2) nem vihető be</translation>
        </message>
        <message>
            <source>The file %1 cannot be read.</source>
            <translation>A(z) %1 fájl nem olvasható.</translation>
        </message>
        <message>
            <source>%1 is not a horoscope file.</source>
            <translation>A(z) %1 nem horoszkópfájl.</translation>
        </message>
        <message>
            <source>The horoscope file %1 is damaged and was not opened: %2.</source>
            <translation>A(z) %1 horoszkópfájl sérült, ezért nem nyílt meg: %2.</translation>
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
            <source>Co&amp;llation...</source>
            <translation>Ö&amp;sszevetés...</translation>
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
            <translation>Részletes fényszög&amp;adatok</translation>
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
            <translation>Hold&amp;csomó típusa</translation>
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
            <translation>Az ö&amp;sszes bezárása</translation>
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
        <message>
            <source>Cl&amp;ose</source>
            <translation>&amp;Bezárás</translation>
        </message>
    </context>
    <context>
        <name>OptionFields</name>
        <message>
            <source>Enter a number of at least 0 with at most two decimals, such as 2.50.</source>
            <translation>Legalább 0 értékű, legfeljebb két tizedesjegyű számot adjon meg, például 2.50.</translation>
        </message>
        <message>
            <source>Enter a whole number from 0 to 255.</source>
            <translation>0 és 255 közötti egész számot adjon meg.</translation>
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
        <message>
            <source>The town and time-zone files could not be read (%1).

Towns cannot be chosen by name; positions and zones can still be typed in.</source>
            <translation>A város- és időzóna-fájlok nem olvashatók (%1).

Várost név szerint nem lehet választani; a földrajzi helyzet és a zóna kézzel beírható.</translation>
        </message>
        <message>
            <source>The program's symbol font could not be loaded: the glyphs of the planets and signs may be missing from the charts.</source>
            <translation>A program szimbólum-betűkészlete nem tölthető be: a bolygók és jegyek jelei hiányozhatnak a képletekből.</translation>
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
        <name>TBirthDialog</name>
        <message>
            <source>This local time did not exist here: the clock was put forward from %1 to %2. %3 is applied.</source>
            <translation>Ez a helyi idő itt nem létezett: az órát %1 helyett %2 időre állították előre. A program %3 eltolást alkalmaz.</translation>
        </message>
        <message>
            <source>This local time occurred twice here: the clock was put back from %1 to %2. %3 is applied.</source>
            <translation>Ez a helyi idő itt kétszer fordult elő: az órát %1 helyett %2 időre állították vissza. A program %3 eltolást alkalmaz.</translation>
        </message>
        <message>
            <source>&amp;Use %1</source>
            <translation>%1 &amp;használata</translation>
        </message>
        <message>
            <source>Summer time is in force here at this moment: %1.</source>
            <translation>Ekkor itt nyári időszámítás van érvényben: %1.</translation>
        </message>
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
        <name>TBirthShifter</name>
        <message>
            <source>Radix Shifter</source>
            <translation>Radixléptető</translation>
        </message>
        <message>
            <source>year</source>
            <translation>év</translation>
        </message>
        <message>
            <source>month</source>
            <translation>hónap</translation>
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
            <source>minute</source>
            <translation>perc</translation>
        </message>
        <message>
            <source>second</source>
            <translation>másodperc</translation>
        </message>
        <message>
            <source>One year later</source>
            <translation>Egy évvel később</translation>
        </message>
        <message>
            <source>One year earlier</source>
            <translation>Egy évvel korábban</translation>
        </message>
        <message>
            <source>One month later</source>
            <translation>Egy hónappal később</translation>
        </message>
        <message>
            <source>One month earlier</source>
            <translation>Egy hónappal korábban</translation>
        </message>
        <message>
            <source>One day later</source>
            <translation>Egy nappal később</translation>
        </message>
        <message>
            <source>One day earlier</source>
            <translation>Egy nappal korábban</translation>
        </message>
        <message>
            <source>One hour later</source>
            <translation>Egy órával később</translation>
        </message>
        <message>
            <source>One hour earlier</source>
            <translation>Egy órával korábban</translation>
        </message>
        <message>
            <source>One minute later</source>
            <translation>Egy perccel később</translation>
        </message>
        <message>
            <source>One minute earlier</source>
            <translation>Egy perccel korábban</translation>
        </message>
        <message>
            <source>Ten minutes later</source>
            <translation>Tíz perccel később</translation>
        </message>
        <message>
            <source>Ten minutes earlier</source>
            <translation>Tíz perccel korábban</translation>
        </message>
        <message>
            <source>One second later</source>
            <translation>Egy másodperccel később</translation>
        </message>
        <message>
            <source>One second earlier</source>
            <translation>Egy másodperccel korábban</translation>
        </message>
        <message>
            <source>Ten seconds later</source>
            <translation>Tíz másodperccel később</translation>
        </message>
        <message>
            <source>Ten seconds earlier</source>
            <translation>Tíz másodperccel korábban</translation>
        </message>
    </context>
    <context>
        <name>TColorsDialog</name>
        <message>
            <source>Colors</source>
            <translation>Színek</translation>
        </message>
        <message>
            <source>&amp;Wheel:</source>
            <translation>&amp;Kör:</translation>
        </message>
        <message>
            <source>&amp;Tables:</source>
            <translation>&amp;Táblázatok:</translation>
        </message>
        <message>
            <source>&amp;Quality:</source>
            <translation>&amp;Minőség:</translation>
        </message>
        <message>
            <source> Wheel colors:</source>
            <translation> A kör színei:</translation>
        </message>
        <message>
            <source>Frame:</source>
            <translation>Keret:</translation>
        </message>
        <message>
            <source>Signs:</source>
            <translation>Jegyek:</translation>
        </message>
        <message>
            <source>Axes:</source>
            <translation>Tengelyek:</translation>
        </message>
        <message>
            <source>Axis names:</source>
            <translation>Tengelynevek:</translation>
        </message>
        <message>
            <source>Houses:</source>
            <translation>Házak:</translation>
        </message>
        <message>
            <source>House numbers:</source>
            <translation>Házszámok:</translation>
        </message>
        <message>
            <source> Dignities:</source>
            <translation> Méltóságok:</translation>
        </message>
        <message>
            <source>Peregr:</source>
            <translation>Peregrin:</translation>
        </message>
        <message>
            <source>Domicile:</source>
            <translation>Uralkodás:</translation>
        </message>
        <message>
            <source>Detrim:</source>
            <translation>Száműzetés:</translation>
        </message>
        <message>
            <source>Exalt:</source>
            <translation>Emelt:</translation>
        </message>
        <message>
            <source>Fall:</source>
            <translation>Esés:</translation>
        </message>
        <message>
            <source>Trigonoc:</source>
            <translation>Trigonuralkodó:</translation>
        </message>
        <message>
            <source> Aspects:</source>
            <translation> Fényszögek:</translation>
        </message>
        <message>
            <source>Conjunction:</source>
            <translation>Együttállás:</translation>
        </message>
        <message>
            <source>Semisextile:</source>
            <translation>Félszextil:</translation>
        </message>
        <message>
            <source>Semisquare:</source>
            <translation>Félkvadrát:</translation>
        </message>
        <message>
            <source>Sextile:</source>
            <translation>Szextil:</translation>
        </message>
        <message>
            <source>Quintile:</source>
            <translation>Kvintil:</translation>
        </message>
        <message>
            <source>Square:</source>
            <translation>Kvadrát:</translation>
        </message>
        <message>
            <source>Trine:</source>
            <translation>Trigon:</translation>
        </message>
        <message>
            <source>Sesquiquadrate:</source>
            <translation>Másfélkvadrát:</translation>
        </message>
        <message>
            <source>Biquintile:</source>
            <translation>Bikvintil:</translation>
        </message>
        <message>
            <source>Quincunx:</source>
            <translation>Kvinkunx:</translation>
        </message>
        <message>
            <source>Opposition:</source>
            <translation>Szembenállás:</translation>
        </message>
        <message>
            <source>NB:</source>
            <translation>NB:</translation>
        </message>
        <message>
            <source>NB5:</source>
            <translation>NB5:</translation>
        </message>
        <message>
            <source>NB7:</source>
            <translation>NB7:</translation>
        </message>
        <message>
            <source>Quindecile:</source>
            <translation>Kvindecil:</translation>
        </message>
        <message>
            <source>Novile:</source>
            <translation>Novil:</translation>
        </message>
        <message>
            <source>Binovile:</source>
            <translation>Binovil:</translation>
        </message>
        <message>
            <source>Quadnovile:</source>
            <translation>Kvadnovil:</translation>
        </message>
        <message>
            <source> Table colors:</source>
            <translation> A táblázatok színei:</translation>
        </message>
        <message>
            <source>Base:</source>
            <translation>Alap:</translation>
        </message>
        <message>
            <source>Table cell:</source>
            <translation>Táblázatcella:</translation>
        </message>
        <message>
            <source>Neutral:</source>
            <translation>Semleges:</translation>
        </message>
        <message>
            <source>Positive:</source>
            <translation>Pozitív:</translation>
        </message>
        <message>
            <source>Negative:</source>
            <translation>Negatív:</translation>
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
        <message>
            <source>Damaged file: %1</source>
            <translation>Sérült fájl: %1</translation>
        </message>
        <message>
            <source>Skipped, not horoscope files: %1</source>
            <translation>Kihagyva, nem horoszkópfájl: %1</translation>
        </message>
    </context>
    <context>
        <name>TDignsDialog</name>
        <message>
            <source>Dignities</source>
            <translation>Méltóságok</translation>
        </message>
        <message>
            <source>&amp;Planet</source>
            <translation>&amp;Bolygó</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Hold</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkúr</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénusz</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Szaturnusz</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uránusz</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptunusz</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plútó</translation>
        </message>
        <message>
            <source>Lunar node</source>
            <translation>Holdcsomó</translation>
        </message>
        <message>
            <source>&amp;Dignity</source>
            <translation>&amp;Méltóság</translation>
        </message>
        <message>
            <source>Domicile</source>
            <translation>Uralkodás</translation>
        </message>
        <message>
            <source>Exaltation</source>
            <translation>Magasztosulás</translation>
        </message>
        <message>
            <source>Trigonocracy</source>
            <translation>Trigonokrácia</translation>
        </message>
        <message>
            <source>&amp;Signs</source>
            <translation>&amp;Jegyek</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>Kos</translation>
        </message>
        <message>
            <source>Taur</source>
            <translation>Bika</translation>
        </message>
        <message>
            <source>Gemi</source>
            <translation>Ikrek</translation>
        </message>
        <message>
            <source>Canc</source>
            <translation>Rák</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>Oroszlán</translation>
        </message>
        <message>
            <source>Virg</source>
            <translation>Szűz</translation>
        </message>
        <message>
            <source>Libr</source>
            <translation>Mérleg</translation>
        </message>
        <message>
            <source>Scor</source>
            <translation>Skorpió</translation>
        </message>
        <message>
            <source>Sagi</source>
            <translation>Nyilas</translation>
        </message>
        <message>
            <source>Capr</source>
            <translation>Bak</translation>
        </message>
        <message>
            <source>Aqua</source>
            <translation>Vízöntő</translation>
        </message>
        <message>
            <source>Pisc</source>
            <translation>Halak</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>Bika</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>Ikrek</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>Rák</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>Szűz</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>Mérleg</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>Skorpió</translation>
        </message>
        <message>
            <source>Sagittarius</source>
            <translation>Nyilas</translation>
        </message>
        <message>
            <source>Capricorn</source>
            <translation>Bak</translation>
        </message>
        <message>
            <source>Aquarius</source>
            <translation>Vízöntő</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>Halak</translation>
        </message>
        <message>
            <source>Use &amp;mixed triplicity</source>
            <translation>&amp;Vegyes triplicitás használata</translation>
        </message>
        <message>
            <source>Terminus</source>
            <translation>Terminus</translation>
        </message>
        <message>
            <source>&amp;Egyptian</source>
            <translation>&amp;Egyiptomi</translation>
        </message>
        <message>
            <source>&amp;Lilly</source>
            <translation>&amp;Lilly</translation>
        </message>
    </context>
    <context>
        <name>TDisplayDialog1</name>
        <message>
            <source>Display Options I.</source>
            <translation>Megjelenítés I.</translation>
        </message>
        <message>
            <source> On the wheel:</source>
            <translation> A körön:</translation>
        </message>
        <message>
            <source>&amp;Planets</source>
            <translation>&amp;Bolygók</translation>
        </message>
        <message>
            <source>&amp;Axes</source>
            <translation>&amp;Tengelyek</translation>
        </message>
        <message>
            <source>&amp;House cusps</source>
            <translation>&amp;Házcsúcsok</translation>
        </message>
        <message>
            <source>House &amp;scopes</source>
            <translation>Házhatókö&amp;rök</translation>
        </message>
        <message>
            <source>Exact &amp;positions</source>
            <translation>Pontos &amp;pozíciók</translation>
        </message>
        <message>
            <source>&amp;Aspects: connected</source>
            <translation>&amp;Fényszögek: vonallal</translation>
        </message>
        <message>
            <source>with s&amp;ymbols</source>
            <translation>jele&amp;kkel</translation>
        </message>
        <message>
            <source>Aspects: pro&amp;jected</source>
            <translation>Fényszögek: &amp;vetítve</translation>
        </message>
        <message>
            <source>Fixed stars</source>
            <translation>Állócsillagok</translation>
        </message>
        <message>
            <source>Constellations</source>
            <translation>Csillagképek</translation>
        </message>
        <message>
            <source>Rulers of signs</source>
            <translation>Jegyuralkodók</translation>
        </message>
        <message>
            <source>Exalted in signs</source>
            <translation>Jegyekben emeltek</translation>
        </message>
        <message>
            <source> On collation, place the radix (Ctrl+I)</source>
            <translation> Összevetésnél a radix helye (Ctrl+I)</translation>
        </message>
        <message>
            <source>inside</source>
            <translation>belül</translation>
        </message>
        <message>
            <source>outside</source>
            <translation>kívül</translation>
        </message>
        <message>
            <source> Origin of the zodiac:</source>
            <translation> Az állatöv kezdőpontja:</translation>
        </message>
        <message>
            <source>Ascendant</source>
            <translation>Aszcendens</translation>
        </message>
        <message>
            <source>Aries</source>
            <translation>Kos</translation>
        </message>
        <message>
            <source>Taurus</source>
            <translation>Bika</translation>
        </message>
        <message>
            <source>Gemini</source>
            <translation>Ikrek</translation>
        </message>
        <message>
            <source>Cancer</source>
            <translation>Rák</translation>
        </message>
        <message>
            <source>Leo</source>
            <translation>Oroszlán</translation>
        </message>
        <message>
            <source>Virgo</source>
            <translation>Szűz</translation>
        </message>
        <message>
            <source>Libra</source>
            <translation>Mérleg</translation>
        </message>
        <message>
            <source>Scorpio</source>
            <translation>Skorpió</translation>
        </message>
        <message>
            <source>Sagitt</source>
            <translation>Nyilas</translation>
        </message>
        <message>
            <source>Capric</source>
            <translation>Bak</translation>
        </message>
        <message>
            <source>Aquar</source>
            <translation>Vízöntő</translation>
        </message>
        <message>
            <source>Pisces</source>
            <translation>Halak</translation>
        </message>
        <message>
            <source>start</source>
            <translation>eleje</translation>
        </message>
        <message>
            <source>center</source>
            <translation>közepe</translation>
        </message>
        <message>
            <source>reverse order</source>
            <translation>fordított irány</translation>
        </message>
        <message>
            <source> In the position table:</source>
            <translation> A pozíciótáblázatban:</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Hosszúság</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Szélesség</translation>
        </message>
        <message>
            <source>Right ascension</source>
            <translation>Rektaszcenzió</translation>
        </message>
        <message>
            <source>Declination</source>
            <translation>Deklináció</translation>
        </message>
        <message>
            <source>Semiarcus</source>
            <translation>Félív</translation>
        </message>
        <message>
            <source>Asc. diff. (lat.)</source>
            <translation>Aszc. különbség (szél.)</translation>
        </message>
        <message>
            <source>Meridiandist.</source>
            <translation>Meridiántáv.</translation>
        </message>
        <message>
            <source>Asc. diff. (cusph.)</source>
            <translation>Aszc. különbség (csúcsm.)</translation>
        </message>
        <message>
            <source>Cusp height</source>
            <translation>Csúcsmagasság</translation>
        </message>
        <message>
            <source>Asc/desc. obl.</source>
            <translation>Ferde fel/leszállás</translation>
        </message>
        <message>
            <source>in time</source>
            <translation>időben</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Sebesség</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Távolság</translation>
        </message>
        <message>
            <source>App. diameter</source>
            <translation>Látszó átmérő</translation>
        </message>
        <message>
            <source>Magnitude</source>
            <translation>Fényrend</translation>
        </message>
        <message>
            <source> Angles:</source>
            <translation> Szögek:</translation>
        </message>
        <message>
            <source>Deg, min, sec</source>
            <translation>Fok, perc, mp</translation>
        </message>
        <message>
            <source>Decimals</source>
            <translation>Tizedes tört</translation>
        </message>
        <message>
            <source> Table scale:</source>
            <translation> Táblázatméret:</translation>
        </message>
        <message>
            <source>Table scale</source>
            <translation>Táblázatméret</translation>
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
            <source>WiNE fix</source>
            <translation>WiNE-javítás</translation>
        </message>
        <message>
            <source>Moves texts by one line to make up for a text placement fault of some Windows compatibility layers</source>
            <translation>A szövegeket egy sorral elmozdítja, hogy ellensúlyozza egyes Windows-kompatibilitási rétegek szövegelhelyezési hibáját</translation>
        </message>
        <message>
            <source>The table scale must be a number from %1 to %2.</source>
            <translation>A táblázatméret %1 és %2 közötti szám lehet.</translation>
        </message>
    </context>
    <context>
        <name>TDisplayDialog2</name>
        <message>
            <source>Display Options II.</source>
            <translation>Megjelenítés II.</translation>
        </message>
        <message>
            <source>wheel</source>
            <translation>kör</translation>
        </message>
        <message>
            <source>asp</source>
            <translation>fsz.</translation>
        </message>
        <message>
            <source>table</source>
            <translation>tábla</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Hold</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkúr</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénusz</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Szaturnusz</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uránusz</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptunusz</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plútó</translation>
        </message>
        <message>
            <source>Ascending node</source>
            <translation>Felszálló holdcsomó</translation>
        </message>
        <message>
            <source>Descending node</source>
            <translation>Leszálló holdcsomó</translation>
        </message>
        <message>
            <source>Lilith</source>
            <translation>Lilith</translation>
        </message>
        <message>
            <source>Chiron</source>
            <translation>Chiron</translation>
        </message>
        <message>
            <source>Pholus</source>
            <translation>Pholus</translation>
        </message>
        <message>
            <source>Ceres</source>
            <translation>Ceres</translation>
        </message>
        <message>
            <source>Pallas</source>
            <translation>Pallasz</translation>
        </message>
        <message>
            <source>Juno</source>
            <translation>Juno</translation>
        </message>
        <message>
            <source>Vesta</source>
            <translation>Vesta</translation>
        </message>
        <message>
            <source>Vertex</source>
            <translation>Vertex</translation>
        </message>
        <message>
            <source>East Point</source>
            <translation>Keleti pont</translation>
        </message>
        <message>
            <source>Co-ascendant</source>
            <translation>Ko-aszcendens</translation>
        </message>
        <message>
            <source>Polar Ascendant</source>
            <translation>Poláris aszcendens</translation>
        </message>
        <message>
            <source>Part of Fortune</source>
            <translation>Szerencsepont</translation>
        </message>
        <message>
            <source>Axes</source>
            <translation>Tengelyek</translation>
        </message>
        <message>
            <source>House cusps</source>
            <translation>Házcsúcsok</translation>
        </message>
        <message>
            <source> Planets and their aspects:</source>
            <translation> Bolygók és fényszögeik:</translation>
        </message>
        <message>
            <source> Asteroids and other points:</source>
            <translation> Kisbolygók és egyéb pontok:</translation>
        </message>
        <message>
            <source> Fixed start conjunctions:</source>
            <translation> Állócsillag-együttállások:</translation>
        </message>
        <message>
            <source>Planets</source>
            <translation>Bolygók</translation>
        </message>
        <message>
            <source>Lunar nodes</source>
            <translation>Holdcsomók</translation>
        </message>
        <message>
            <source>Asteroids</source>
            <translation>Kisbolygók</translation>
        </message>
        <message>
            <source>Other points</source>
            <translation>Egyéb pontok</translation>
        </message>
        <message>
            <source> Wheel strength indic:</source>
            <translation> Erősség jelzése a körön:</translation>
        </message>
        <message>
            <source>Pale line</source>
            <translation>Halványabb vonal</translation>
        </message>
        <message>
            <source>Dashed line</source>
            <translation>Szaggatott vonal</translation>
        </message>
        <message>
            <source> Wheel strength based on:</source>
            <translation> Erősség alapja a körön:</translation>
        </message>
        <message>
            <source>Orbis</source>
            <translation>Orbisz</translation>
        </message>
        <message>
            <source>Closing</source>
            <translation>Közeledés</translation>
        </message>
        <message>
            <source> Aspects:</source>
            <translation> Fényszögek:</translation>
        </message>
        <message>
            <source>Conjunction</source>
            <translation>Együttállás</translation>
        </message>
        <message>
            <source>Semisextile</source>
            <translation>Félszextil</translation>
        </message>
        <message>
            <source>Semisquare</source>
            <translation>Félkvadrát</translation>
        </message>
        <message>
            <source>Sextile</source>
            <translation>Szextil</translation>
        </message>
        <message>
            <source>Quintile</source>
            <translation>Kvintil</translation>
        </message>
        <message>
            <source>Square</source>
            <translation>Kvadrát</translation>
        </message>
        <message>
            <source>Trine</source>
            <translation>Trigon</translation>
        </message>
        <message>
            <source>Sesquiquadrate</source>
            <translation>Másfélkvadrát</translation>
        </message>
        <message>
            <source>Biquintile</source>
            <translation>Bikvintil</translation>
        </message>
        <message>
            <source>Quincunx</source>
            <translation>Kvinkunx</translation>
        </message>
        <message>
            <source>Opposition</source>
            <translation>Szembenállás</translation>
        </message>
        <message>
            <source>NB</source>
            <translation>NB</translation>
        </message>
        <message>
            <source>NB5</source>
            <translation>NB5</translation>
        </message>
        <message>
            <source>NB7</source>
            <translation>NB7</translation>
        </message>
        <message>
            <source>Quindecile</source>
            <translation>Kvindecil</translation>
        </message>
        <message>
            <source>Novile</source>
            <translation>Novil</translation>
        </message>
        <message>
            <source>Binovile</source>
            <translation>Binovil</translation>
        </message>
        <message>
            <source>Quadnovile</source>
            <translation>Kvadnovil</translation>
        </message>
        <message>
            <source>Opposite objects</source>
            <translation>Szemközti pontok</translation>
        </message>
        <message>
            <source>Opposites on coll</source>
            <translation>Szemköztiek összevetésnél</translation>
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
        <name>TOrbisesDialog</name>
        <message>
            <source>Orbises</source>
            <translation>Orbiszok</translation>
        </message>
        <message>
            <source>Enter an orb from 0 to %1 degrees with at most two decimals, such as 2.50.</source>
            <translation>Adjon meg 0 és %1 fok közötti orbiszt legfeljebb két tizedesjeggyel, például 2.50.</translation>
        </message>
        <message>
            <source>&amp;Aspect</source>
            <translation>&amp;Fényszög</translation>
        </message>
        <message>
            <source>Conjunction</source>
            <translation>Konjunkció</translation>
        </message>
        <message>
            <source>Semisextile</source>
            <translation>Szemiszextil</translation>
        </message>
        <message>
            <source>Semisquare</source>
            <translation>Szemikvadrát</translation>
        </message>
        <message>
            <source>Sextile</source>
            <translation>Szextil</translation>
        </message>
        <message>
            <source>Quintile</source>
            <translation>Kvintil</translation>
        </message>
        <message>
            <source>Square</source>
            <translation>Kvadrát</translation>
        </message>
        <message>
            <source>Trine</source>
            <translation>Trigon</translation>
        </message>
        <message>
            <source>Sesquiquadrate</source>
            <translation>Szeszkvikvadrát</translation>
        </message>
        <message>
            <source>Biquintile</source>
            <translation>Bikvintil</translation>
        </message>
        <message>
            <source>Quincunx</source>
            <translation>Kvinkunx</translation>
        </message>
        <message>
            <source>Opposition</source>
            <translation>Oppozíció</translation>
        </message>
        <message>
            <source>NB</source>
            <translation>NB</translation>
        </message>
        <message>
            <source>NB5</source>
            <translation>NB5</translation>
        </message>
        <message>
            <source>NB7</source>
            <translation>NB7</translation>
        </message>
        <message>
            <source>Quindecile</source>
            <translation>Kvindecil</translation>
        </message>
        <message>
            <source>Novile</source>
            <translation>Novil</translation>
        </message>
        <message>
            <source>Binovile</source>
            <translation>Binovil</translation>
        </message>
        <message>
            <source>Quadnovile</source>
            <translation>Kvadnovil</translation>
        </message>
        <message>
            <source>Parallel</source>
            <translation>Párhuzam</translation>
        </message>
        <message>
            <source>Contra-parallel</source>
            <translation>Ellenpárhuzam</translation>
        </message>
        <message>
            <source>Fixed star conj.</source>
            <translation>Állócsillag-konj.</translation>
        </message>
        <message>
            <source>Asc</source>
            <translation>Asc</translation>
        </message>
        <message>
            <source>MC</source>
            <translation>MC</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Hold</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkúr</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénusz</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Szaturnusz</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uránusz</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptunusz</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plútó</translation>
        </message>
        <message>
            <source>Nodes</source>
            <translation>Holdcsomók</translation>
        </message>
        <message>
            <source>House cusps</source>
            <translation>Házcsúcsok</translation>
        </message>
        <message>
            <source>Asteroids</source>
            <translation>Kisbolygók</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Egyéb</translation>
        </message>
        <message>
            <source>Further settings</source>
            <translation>További beállítások</translation>
        </message>
        <message>
            <source>&amp;Collation factor:</source>
            <translation>Összevetési &amp;szorzó:</translation>
        </message>
        <message>
            <source>Max. dis&amp;tance
at a correction event:</source>
            <translation>Max. &amp;távolság
korrekciós eseménynél:</translation>
        </message>
        <message>
            <source>years</source>
            <translation>év</translation>
        </message>
        <message>
            <source>&amp;Strictness of stationary:</source>
            <translation>Állóhelyzet s&amp;zigorúsága:</translation>
        </message>
        <message>
            <source>House scope before the cusp</source>
            <translation>Házhatókör a csúcs előtt</translation>
        </message>
        <message>
            <source>Asc--&amp;Desc</source>
            <translation>Asc--&amp;Desc</translation>
        </message>
        <message>
            <source>&amp;MC--IC</source>
            <translation>&amp;MC--IC</translation>
        </message>
        <message>
            <source>&amp;Internal</source>
            <translation>&amp;Belső</translation>
        </message>
        <message>
            <source>Orbs: %1</source>
            <translation>Orbiszok: %1</translation>
        </message>
    </context>
    <context>
        <name>TCollationDialog</name>
        <message>
            <source>Collation</source>
            <translation>Összevetés</translation>
        </message>
        <message>
            <source> Compare the chart with </source>
            <translation> A képlet összevetése </translation>
        </message>
        <message>
            <source>&amp;another chart (a horoscope file, chosen next)</source>
            <translation>&amp;egy másik képlettel (horoszkópfájl, ezután választható)</translation>
        </message>
        <message>
            <source>the transits of &amp;now</source>
            <translation>a &amp;mostani tranzitokkal</translation>
        </message>
        <message>
            <source>the transits &amp;at</source>
            <translation>a tranzitokkal &amp;ekkor:</translation>
        </message>
        <message>
            <source> Place of the transits </source>
            <translation> A tranzitok helye </translation>
        </message>
        <message>
            <source>the chart&apos;s &amp;place</source>
            <translation>a képlet &amp;helye</translation>
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
        <name>TRadixWindow</name>
    <message>
        <source>Aries</source>
        <translation>Kos</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Bika</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Ikrek</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Rák</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Oroszlán</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Szűz</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Mérleg</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpió</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Nyilas</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Bak</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Vízöntő</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Halak</translation>
    </message>
    <message>
        <source>retrograde</source>
        <translation>retrográd</translation>
    </message>
    <message>
        <source>stationary</source>
        <translation>stacionárius</translation>
    </message>
    <message>
        <source>direct</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>%1: %2°%3&apos; %4, house %5, %6</source>
        <translation>%1: %2°%3&apos; %4, %5. ház, %6</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
        <message>
            <source>Not computed for this date (outside the ephemeris files): %1</source>
            <translation>Erre a dátumra nem számítható (az efemerisz-fájlokon kívül esik): %1</translation>
        </message>
        <message>
            <source>The house system cannot be used at this latitude: Porphyrius houses are shown</source>
            <translation>Ez a házrendszer ezen a szélességen nem használható: Porphyrius-házak láthatók</translation>
        </message>
        <message>
            <source>%1 has been changed on disk since this chart was opened or last saved, perhaps in another window.

Replace it with this chart?</source>
            <translation>A(z) %1 fájl megváltozott a lemezen, amióta ezt a képletet megnyitották vagy utoljára mentették, talán egy másik ablakban.

Lecseréli erre a képletre?</translation>
        </message>
    </context>
    <context>
        <name>TScoresDialog</name>
        <message>
            <source>Scores</source>
            <translation>Pontszámok</translation>
        </message>
        <message>
            <source>Points</source>
            <translation>Pontok</translation>
        </message>
        <message>
            <source>First</source>
            <translation>Első</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Második</translation>
        </message>
        <message>
            <source>&amp;Ascendant</source>
            <translation>&amp;Aszcendens</translation>
        </message>
        <message>
            <source>Medium &amp;Coeli</source>
            <translation>Medium &amp;Coeli</translation>
        </message>
        <message>
            <source>&amp;Sun</source>
            <translation>&amp;Nap</translation>
        </message>
        <message>
            <source>M&amp;oon</source>
            <translation>&amp;Hold</translation>
        </message>
        <message>
            <source>&amp;Mercury</source>
            <translation>&amp;Merkúr</translation>
        </message>
        <message>
            <source>&amp;Venus</source>
            <translation>&amp;Vénusz</translation>
        </message>
        <message>
            <source>Ma&amp;rs</source>
            <translation>Ma&amp;rs</translation>
        </message>
        <message>
            <source>&amp;Jupiter</source>
            <translation>&amp;Jupiter</translation>
        </message>
        <message>
            <source>Sa&amp;turn</source>
            <translation>&amp;Szaturnusz</translation>
        </message>
        <message>
            <source>&amp;Uranus</source>
            <translation>&amp;Uránusz</translation>
        </message>
        <message>
            <source>&amp;Neptune</source>
            <translation>N&amp;eptunusz</translation>
        </message>
        <message>
            <source>&amp;Pluto</source>
            <translation>&amp;Plútó</translation>
        </message>
        <message>
            <source>Asc. no&amp;de</source>
            <translation>&amp;Felszálló csomó</translation>
        </message>
        <message>
            <source>Desc. nod&amp;e</source>
            <translation>&amp;Leszálló csomó</translation>
        </message>
    </context>
    <context>
        <name>TSymbolsDialog</name>
        <message>
            <source>Symbols</source>
            <translation>Szimbólumok</translation>
        </message>
        <message>
            <source> Mars:</source>
            <translation> Mars:</translation>
        </message>
        <message>
            <source> Uranus:</source>
            <translation> Uránusz:</translation>
        </message>
        <message>
            <source> Neptune</source>
            <translation> Neptunusz</translation>
        </message>
        <message>
            <source> Pluto:</source>
            <translation> Plútó:</translation>
        </message>
        <message>
            <source> Zodiac:</source>
            <translation> Állatöv:</translation>
        </message>
        <message>
            <source>%1, variant %2</source>
            <translation>%1, %2. változat</translation>
        </message>
        <message>
            <source>Zodiac, variant %1</source>
            <translation>Állatöv, %1. változat</translation>
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
        <name>TTownChoice</name>
        <message>
            <source>a t&amp;own:</source>
            <translation>&amp;település:</translation>
        </message>
        <message>
            <source>T&amp;own...</source>
            <translation>Tele&amp;pülés...</translation>
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
        <name>UserFolder</name>
        <message>
            <source>Zodikeon cannot set up the folder for your charts and settings:
%1</source>
            <translation>A Zodikeon nem tudja létrehozni a képletek és beállítások mappáját:
%1</translation>
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
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Előző</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Következő</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Nagyítás</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Kicsinyítés</translation>
    </message>
    <message>
        <source>&amp;Fit page</source>
        <translation>&amp;Teljes oldal</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1. oldal / %2</translation>
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
    <context>
        <name>TAstroFrame</name>
        <message>
            <source>Exit</source>
            <translation>Kilépés</translation>
        </message>
    </context>
    <context>
        <name>TAstroStatusBar</name>
        <message>
            <source>Options not saved</source>
            <translation>A beállítások nincsenek mentve</translation>
        </message>
        <message>
            <source>The options have changed since they were last saved. Use Options &gt; Save, or turn on Options &gt; Auto save.</source>
            <translation>A beállítások megváltoztak a legutóbbi mentés óta. Mentse őket a Beállítások &gt; Mentés paranccsal, vagy kapcsolja be a Beállítások &gt; Automatikus mentés pontot.</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>Ret&amp;urn...</source>
            <translation>&amp;Visszatérés...</translation>
        </message>
        <message>
            <source>Pro&amp;gressions...</source>
            <translation>Pro&amp;gressziók...</translation>
        </message>
        <message>
            <source>&amp;Midtime chart...</source>
            <translation>Középidő-&amp;horoszkóp...</translation>
        </message>
        <message>
            <source>Dir&amp;ection settings...</source>
            <translation>&amp;Direkciós beállítások...</translation>
        </message>
        <message>
            <source>&amp;Progression shifter</source>
            <translation>&amp;Progresszió-léptető</translation>
        </message>
    </context>
    <context>
        <name>AppCommands</name>
        <message>
            <source>The clock of this place showed the chart&apos;s time twice (it was put back from %1 to %2): the chart holds %3.</source>
            <translation>Ezen a helyen az óra kétszer mutatta a horoszkóp idejét (%1 helyett %2 időre állították vissza): a horoszkóp %3 eltolással számol.</translation>
        </message>
    </context>
    <context>
        <name>DirectionKey</name>
        <message>
            <source>true solar arc in right ascension</source>
            <translation>valódi napív rektaszcenzióban</translation>
        </message>
        <message>
            <source>true solar arc in longitude</source>
            <translation>valódi napív hosszúságban</translation>
        </message>
        <message>
            <source>Naibod&apos;s key (%1 a year)</source>
            <translation>Naibod-kulcs (évi %1)</translation>
        </message>
        <message>
            <source>%1 a year</source>
            <translation>évi %1</translation>
        </message>
        <message>
            <source>solar arc in RA</source>
            <translation>napív rektaszcenzióban</translation>
        </message>
        <message>
            <source>solar arc</source>
            <translation>napív</translation>
        </message>
        <message>
            <source>Naibod</source>
            <translation>Naibod</translation>
        </message>
    </context>
    <context>
        <name>TDirectionDialog</name>
        <message>
            <source>Mundane, by semi-arc proportion</source>
            <translation>Mundán, félív-arányosan</translation>
        </message>
        <message>
            <source>Zodiacal, by semi-arc, without latitude</source>
            <translation>Zodiákusi, félív szerint, szélesség nélkül</translation>
        </message>
        <message>
            <source>Zodiacal, by semi-arc, with the promissor&apos;s latitude</source>
            <translation>Zodiákusi, félív szerint, a promisszor szélességével</translation>
        </message>
        <message>
            <source>Mundane, under the pole of the significator</source>
            <translation>Mundán, a szignifikátor pólusa alatt</translation>
        </message>
        <message>
            <source>A key of zero means Naibod&apos;s key, %1 a year (the Sun&apos;s mean daily motion).</source>
            <translation>A nulla kulcs a Naibod-kulcsot jelenti: évi %1 (a Nap közepes napi mozgása).</translation>
        </message>
        <message>
            <source>The angles move by %1.</source>
            <translation>A tengelyek mozgása: %1.</translation>
        </message>
        <message>
            <source>Direction Settings</source>
            <translation>Direkciós beállítások</translation>
        </message>
        <message>
            <source> Key </source>
            <translation> Kulcs </translation>
        </message>
        <message>
            <source>&amp;True solar arc (the progressed Sun&apos;s motion)</source>
            <translation>&amp;Valódi napív (a progresszív Nap mozgása)</translation>
        </message>
        <message>
            <source>Solar arc in right &amp;ascension (else in longitude)</source>
            <translation>Napív &amp;rektaszcenzióban (egyébként hosszúságban)</translation>
        </message>
        <message>
            <source>&amp;Angle a year:</source>
            <translation>Évi &amp;szög:</translation>
        </message>
        <message>
            <source>&amp;Naibod</source>
            <translation>&amp;Naibod</translation>
        </message>
        <message>
            <source>&amp;Ptolemy (1°)</source>
            <translation>&amp;Ptolemaiosz (1°)</translation>
        </message>
        <message>
            <source>Primary directions&apos; &amp;method:</source>
            <translation>Primer direkciók &amp;módszere:</translation>
        </message>
        <message>
            <source>The options &amp;follow the direction settings of the active chart</source>
            <translation>A beállítások &amp;követik az aktív horoszkóp direkciós beállításait</translation>
        </message>
    </context>
    <context>
        <name>TProgressionDialog</name>
        <message>
            <source>Progressions</source>
            <translation>Progressziók</translation>
        </message>
        <message>
            <source>Progress the chart to the &amp;date:</source>
            <translation>A horoszkóp progressziója erre a &amp;dátumra:</translation>
        </message>
        <message>
            <source> Progression </source>
            <translation> Progresszió </translation>
        </message>
        <message>
            <source>&amp;Secondary: a day after birth for each year of age</source>
            <translation>&amp;Szekunder: a születés utáni egy nap az életkor minden évéért</translation>
        </message>
        <message>
            <source>&amp;Tertiary: a day after birth for each sidereal month of age</source>
            <translation>&amp;Tercier: a születés utáni egy nap az életkor minden sziderikus hónapjáért</translation>
        </message>
        <message>
            <source> Angles and houses </source>
            <translation> Tengelyek és házak </translation>
        </message>
        <message>
            <source>&amp;Daily (quotidian) houses of the progressed moment</source>
            <translation>A progresszív pillanat &amp;napi (kvotidián) házai</translation>
        </message>
        <message>
            <source>The angles and houses are those of the progressed moment at the natal place.</source>
            <translation>A tengelyek és a házak a progresszív pillanatéi a születési helyen.</translation>
        </message>
        <message>
            <source>The MC is directed by the chart&apos;s key: %1.</source>
            <translation>Az MC-t a horoszkóp kulcsa viszi előre: %1.</translation>
        </message>
        <message>
            <source>The chart&apos;s key angle is zero, which means Naibod&apos;s key: the MC is directed by %1 a year.</source>
            <translation>A horoszkóp kulcsszöge nulla, ami a Naibod-kulcsot jelenti: az MC évi %1 értékkel halad.</translation>
        </message>
        <message>
            <source>The MC is directed by Naibod&apos;s key, %1 a year.</source>
            <translation>Az MC-t a Naibod-kulcs viszi előre, évi %1.</translation>
        </message>
        <message>
            <source>(Options &gt; Direction settings)</source>
            <translation>(Beállítások &gt; Direkciós beállítások)</translation>
        </message>
    </context>
    <context>
        <name>TProgressionShifter</name>
        <message>
            <source>year</source>
            <translation>év</translation>
        </message>
        <message>
            <source>month</source>
            <translation>hónap</translation>
        </message>
        <message>
            <source>day</source>
            <translation>nap</translation>
        </message>
        <message>
            <source>Ten years later</source>
            <translation>Tíz évvel később</translation>
        </message>
        <message>
            <source>One year later</source>
            <translation>Egy évvel később</translation>
        </message>
        <message>
            <source>One year earlier</source>
            <translation>Egy évvel korábban</translation>
        </message>
        <message>
            <source>Ten years earlier</source>
            <translation>Tíz évvel korábban</translation>
        </message>
        <message>
            <source>Ten months later</source>
            <translation>Tíz hónappal később</translation>
        </message>
        <message>
            <source>One month later</source>
            <translation>Egy hónappal később</translation>
        </message>
        <message>
            <source>One month earlier</source>
            <translation>Egy hónappal korábban</translation>
        </message>
        <message>
            <source>Ten months earlier</source>
            <translation>Tíz hónappal korábban</translation>
        </message>
        <message>
            <source>Ten days later</source>
            <translation>Tíz nappal később</translation>
        </message>
        <message>
            <source>One day later</source>
            <translation>Egy nappal később</translation>
        </message>
        <message>
            <source>One day earlier</source>
            <translation>Egy nappal korábban</translation>
        </message>
        <message>
            <source>Ten days earlier</source>
            <translation>Tíz nappal korábban</translation>
        </message>
        <message>
            <source>(no progressions window)</source>
            <translation>(nincs progressziós ablak)</translation>
        </message>
        <message>
            <source>Progression Shifter</source>
            <translation>Progresszió-léptető</translation>
        </message>
    </context>
    <context>
        <name>TReturnDialog</name>
        <message>
            <source>&amp;until</source>
            <translation>&amp;eddig:</translation>
        </message>
        <message>
            <source>Return</source>
            <translation>Visszatérés</translation>
        </message>
        <message>
            <source> Search </source>
            <translation> Keresés </translation>
        </message>
        <message>
            <source>&amp;Body:</source>
            <translation>&amp;Égitest:</translation>
        </message>
        <message>
            <source>&amp;From:</source>
            <translation>&amp;Ettől:</translation>
        </message>
        <message>
            <source> Place of the return chart </source>
            <translation> A visszatérési horoszkóp helye </translation>
        </message>
        <message>
            <source>the &amp;natal place</source>
            <translation>a &amp;születési hely</translation>
        </message>
        <message>
            <source>&amp;Returns found (each one chosen opens as a chart):</source>
            <translation>Talált &amp;visszatérések (mindegyik kiválasztott horoszkópként nyílik meg):</translation>
        </message>
        <message>
            <source>The end of the period lies before its start.</source>
            <translation>Az időszak vége a kezdete előtt van.</translation>
        </message>
        <message>
            <source>%1 does not return to its natal place within this period.</source>
            <translation>%1 ebben az időszakban nem tér vissza születési helyére.</translation>
        </message>
        <message>
            <source>The natal chart has no position of %1 (its date lies outside the ephemeris files).</source>
            <translation>A születési horoszkópban nincs %1 pozíció (dátuma kívül esik az efemerisz-fájlokon).</translation>
        </message>
        <message>
            <source>The search leaves the years of the ephemeris files: choose an earlier date.</source>
            <translation>A keresés túllép az efemerisz-fájlok évein: válasszon korábbi dátumot.</translation>
        </message>
        <message>
            <source>retrograde</source>
            <translation>retrográd</translation>
        </message>
        <message>
            <source>direct</source>
            <translation>direkt</translation>
        </message>
    </context>
    <context>
        <name>TRadixWindow</name>
        <message>
            <source>daily houses</source>
            <translation>napi házak</translation>
        </message>
        <message>
            <source>%1 • %2 • arc %3</source>
            <translation>%1 • %2 • ív %3</translation>
        </message>
        <message>
            <source>progressed to %1; key: %2; arc %3</source>
            <translation>progresszió eddig: %1; kulcs: %2; ív %3</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>&amp;Import charts...</source>
            <translation>Horoszkópok &amp;importálása...</translation>
        </message>
        <message>
            <source>&amp;Export open charts...</source>
            <translation>A megnyitott horoszkópok e&amp;xportálása...</translation>
        </message>
    </context>
    <context>
        <name>TDatabaseDialog</name>
        <message>
            <source>E&amp;xport...</source>
            <translation>E&amp;xportálás...</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>T&amp;ransits...</source>
            <translation>T&amp;ranzitok...</translation>
        </message>
        <message>
            <source>&amp;Transits...</source>
            <translation>&amp;Tranzitok...</translation>
        </message>
        <message>
            <source>Primary dire&amp;ctions...</source>
            <translation>&amp;Primer direkciók...</translation>
        </message>
        <message>
            <source>Secondar&amp;y directions...</source>
            <translation>S&amp;zekunder direkciók...</translation>
        </message>
        <message>
            <source>Recti&amp;fication...</source>
            <translation>Rekti&amp;fikáció...</translation>
        </message>
        <message>
            <source>&amp;Primary directions...</source>
            <translation>Primer dire&amp;kciók...</translation>
        </message>
        <message>
            <source>Second&amp;ary directions...</source>
            <translation>Szekunder direkci&amp;ók...</translation>
        </message>
    </context>
    <context>
        <name>AppCommands</name>
        <message>
            <source>Transits</source>
            <translation>Tranzitok</translation>
        </message>
        <message>
            <source>Choose the transiting bodies, the natal points and the aspects to search for first.</source>
            <translation>Előbb válassza ki a keresendő tranzitáló égitesteket, születési pontokat és fényszögeket.</translation>
        </message>
        <message>
            <source>Primary Directions</source>
            <translation>Primer direkciók</translation>
        </message>
        <message>
            <source>Secondary Directions</source>
            <translation>Szekunder direkciók</translation>
        </message>
        <message>
            <source>Choose the promissors, the significators and the aspects to direct first.</source>
            <translation>Előbb válassza ki a direktálandó promisszorokat, szignifikátorokat és fényszögeket.</translation>
        </message>
    </context>
    <context>
        <name>TTransitsDialog</name>
        <message>
            <source>Transits</source>
            <translation>Tranzitok</translation>
        </message>
        <message>
            <source>&amp;Transiting bodies</source>
            <translation>&amp;Tranzitáló égitestek</translation>
        </message>
        <message>
            <source>&amp;Natal points</source>
            <translation>&amp;Születési pontok</translation>
        </message>
        <message>
            <source>&amp;Aspects</source>
            <translation>&amp;Fényszögek</translation>
        </message>
        <message>
            <source>List</source>
            <translation>Lista</translation>
        </message>
        <message>
            <source>everything</source>
            <translation>minden</translation>
        </message>
        <message>
            <source>Names to list, such as: saturn   sat&gt;sun   mars/venus   -moon
A word finds the names starting with it; a/b either of them; left of &gt; the transiting body, right of it the natal point; a minus leaves out what it finds.</source>
            <translation>A listázandó nevek, például: szaturnusz   szat&gt;nap   mars/vénusz   -hold
Egy szó a vele kezdődő neveket találja meg; a/b bármelyiküket; a &gt; bal oldalán a tranzitáló égitest, jobb oldalán a születési pont; a mínuszjel kihagyja, amit talál.</translation>
        </message>
        <message>
            <source>&amp;Filter:</source>
            <translation>S&amp;zűrő:</translation>
        </message>
        <message>
            <source>By date</source>
            <translation>Dátum szerint</translation>
        </message>
        <message>
            <source>Grouped by natal point</source>
            <translation>Születési pontok szerint csoportosítva</translation>
        </message>
        <message>
            <source>Grouped by transiting body</source>
            <translation>Tranzitáló égitestek szerint csoportosítva</translation>
        </message>
        <message>
            <source>&amp;Display:</source>
            <translation>&amp;Megjelenítés:</translation>
        </message>
        <message>
            <source>Orbs of the transits (degrees)</source>
            <translation>A tranzitok orbiszai (fok)</translation>
        </message>
        <message>
            <source>before
exact</source>
            <translation>pontos
előtt</translation>
        </message>
        <message>
            <source>after
exact</source>
            <translation>pontos
után</translation>
        </message>
        <message>
            <source>Where both are 0 the aspect's orb
of the Orbises dialog applies.</source>
            <translation>Ahol mindkettő 0, ott a fényszögnek
az Orbiszok ablakban adott orbisza érvényes.</translation>
        </message>
        <message>
            <source>Enter an orb from 0 to %1 degrees with at most one decimal, such as 2.5.</source>
            <translation>Adjon meg 0 és %1 fok közötti orbiszt legfeljebb egy tizedesjeggyel, például 2.5.</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Mind</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Egyik sem</translation>
        </message>
        <message>
            <source>Sun</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Hold</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkúr</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénusz</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Szaturnusz</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uránusz</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptunusz</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plútó</translation>
        </message>
    </context>
    <context>
        <name>TTransitPeriodDialog</name>
        <message>
            <source>Transits: Period</source>
            <translation>Tranzitok: időszak</translation>
        </message>
        <message>
            <source>&amp;From:</source>
            <translation>&amp;Kezdete:</translation>
        </message>
        <message>
            <source>&amp;To:</source>
            <translation>&amp;Vége:</translation>
        </message>
        <message>
            <source>This &amp;month</source>
            <translation>E&amp;z a hónap</translation>
        </message>
        <message>
            <source>This &amp;year</source>
            <translation>Ez az é&amp;v</translation>
        </message>
        <message>
            <source>&amp;Next twelve months</source>
            <translation>A következő &amp;tizenkét hónap</translation>
        </message>
        <message>
            <source>The period ends before it begins: choose a last day on or after the first.</source>
            <translation>Az időszak vége a kezdete előtt van: válasszon az elsővel azonos vagy későbbi utolsó napot.</translation>
        </message>
    </context>
    <context>
        <name>TTransitsWindow</name>
        <message>
            <source>&amp;Period...</source>
            <translation>&amp;Időszak...</translation>
        </message>
        <message>
            <source>&amp;List</source>
            <translation>&amp;Lista</translation>
        </message>
        <message>
            <source>&amp;Time line</source>
            <translation>Idő&amp;vonal</translation>
        </message>
        <message>
            <source>P&amp;rint...</source>
            <translation>&amp;Nyomtatás...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>&amp;Exportálás...</translation>
        </message>
        <message>
            <source> &amp;Filter: </source>
            <translation> &amp;Szűrő: </translation>
        </message>
        <message>
            <source>e.g. sat&gt;sun  mars/venus  -moon</source>
            <translation>pl. szat&gt;nap  mars/vénusz  -hold</translation>
        </message>
        <message>
            <source>A word finds the names starting with it; a/b either of them; left of &gt; the transiting body, right of it the natal point; a minus leaves out what it finds.</source>
            <translation>Egy szó a vele kezdődő neveket találja meg; a/b bármelyiküket; a &gt; bal oldalán a tranzitáló égitest, jobb oldalán a születési pont; a mínuszjel kihagyja, amit talál.</translation>
        </message>
        <message>
            <source> &amp;Display: </source>
            <translation> &amp;Megjelenítés: </translation>
        </message>
        <message>
            <source>By date</source>
            <translation>Dátum szerint</translation>
        </message>
        <message>
            <source>Grouped by natal point</source>
            <translation>Születési pontok szerint csoportosítva</translation>
        </message>
        <message>
            <source>Grouped by transiting body</source>
            <translation>Tranzitáló égitestek szerint csoportosítva</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Mégse</translation>
        </message>
        <message>
            <source>Transits: %1</source>
            <translation>Tranzitok: %1</translation>
        </message>
        <message>
            <source>%1 to %2, on the clock of %3</source>
            <translation>%1 – %2, %3 órája szerint</translation>
        </message>
        <message>
            <source>Searching...</source>
            <translation>Keresés...</translation>
        </message>
        <message>
            <source>Cancelled: %1 transits found until then.</source>
            <translation>Megszakítva: addig %1 tranzit került elő.</translation>
        </message>
        <message>
            <source>%1 transits.</source>
            <translation>%1 tranzit.</translation>
        </message>
        <message>
            <source>The ephemeris files do not reach over the whole period for %1: choose a shorter period.</source>
            <translation>Az efemeriszfájlok nem fedik le a teljes időszakot ennél: %1. Válasszon rövidebb időszakot.</translation>
        </message>
        <message>
            <source>%1 of them listed.</source>
            <translation>Ebből %1 látható a listában.</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>%1. oldal / %2</translation>
        </message>
        <message>
            <source>The time line could not be written to %1.</source>
            <translation>Az idővonal nem írható ide: %1.</translation>
        </message>
        <message>
            <source>%1 transits.png</source>
            <translation>%1 tranzitok.png</translation>
        </message>
        <message>
            <source>Export Time Line</source>
            <translation>Idővonal exportálása</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
            <translation>PNG-kép (*.png);;SVG-rajz (*.svg);;PDF-dokumentum (*.pdf)</translation>
        </message>
        <message>
            <source>Time line exported to %1</source>
            <translation>Az idővonal exportálva ide: %1</translation>
        </message>
        <message>
            <source>The time line could not be printed.</source>
            <translation>Az idővonal nem nyomtatható ki.</translation>
        </message>
    </context>
    <context>
        <name>TransitTexts</name>
        <message>
            <source>Sun</source>
            <translation>Nap</translation>
        </message>
        <message>
            <source>Moon</source>
            <translation>Hold</translation>
        </message>
        <message>
            <source>Mercury</source>
            <translation>Merkúr</translation>
        </message>
        <message>
            <source>Venus</source>
            <translation>Vénusz</translation>
        </message>
        <message>
            <source>Mars</source>
            <translation>Mars</translation>
        </message>
        <message>
            <source>Jupiter</source>
            <translation>Jupiter</translation>
        </message>
        <message>
            <source>Saturn</source>
            <translation>Szaturnusz</translation>
        </message>
        <message>
            <source>Uranus</source>
            <translation>Uránusz</translation>
        </message>
        <message>
            <source>Neptune</source>
            <translation>Neptunusz</translation>
        </message>
        <message>
            <source>Pluto</source>
            <translation>Plútó</translation>
        </message>
        <message>
            <source>North node</source>
            <translation>Felszálló holdcsomó</translation>
        </message>
        <message>
            <source>South node</source>
            <translation>Leszálló holdcsomó</translation>
        </message>
        <message>
            <source>Lilith</source>
            <translation>Lilith</translation>
        </message>
        <message>
            <source>Chiron</source>
            <translation>Chiron</translation>
        </message>
        <message>
            <source>Pholus</source>
            <translation>Pholus</translation>
        </message>
        <message>
            <source>Ceres</source>
            <translation>Ceres</translation>
        </message>
        <message>
            <source>Pallas</source>
            <translation>Pallasz</translation>
        </message>
        <message>
            <source>Juno</source>
            <translation>Juno</translation>
        </message>
        <message>
            <source>Vesta</source>
            <translation>Vesta</translation>
        </message>
        <message>
            <source>Ascendant</source>
            <translation>Aszcendens</translation>
        </message>
        <message>
            <source>MC</source>
            <translation>MC</translation>
        </message>
        <message>
            <source>Fortune</source>
            <translation>Szerencsepont</translation>
        </message>
        <message>
            <source>Conjunction</source>
            <translation>Együttállás</translation>
        </message>
        <message>
            <source>Semisextile</source>
            <translation>Félszextil</translation>
        </message>
        <message>
            <source>Semisquare</source>
            <translation>Félkvadrát</translation>
        </message>
        <message>
            <source>Sextile</source>
            <translation>Szextil</translation>
        </message>
        <message>
            <source>Quintile</source>
            <translation>Kvintil</translation>
        </message>
        <message>
            <source>Square</source>
            <translation>Kvadrát</translation>
        </message>
        <message>
            <source>Trine</source>
            <translation>Trigon</translation>
        </message>
        <message>
            <source>Sesquiquadrate</source>
            <translation>Másfélkvadrát</translation>
        </message>
        <message>
            <source>Biquintile</source>
            <translation>Bikvintil</translation>
        </message>
        <message>
            <source>Quincunx</source>
            <translation>Kvinkunx</translation>
        </message>
        <message>
            <source>Opposition</source>
            <translation>Szembenállás</translation>
        </message>
        <message>
            <source>NB</source>
            <translation>NB</translation>
        </message>
        <message>
            <source>NB5</source>
            <translation>NB5</translation>
        </message>
        <message>
            <source>NB7</source>
            <translation>NB7</translation>
        </message>
        <message>
            <source>Quindecile</source>
            <translation>Kvindecil</translation>
        </message>
        <message>
            <source>Novile</source>
            <translation>Novil</translation>
        </message>
        <message>
            <source>Binovile</source>
            <translation>Binovil</translation>
        </message>
        <message>
            <source>Quadnovile</source>
            <translation>Kvadnovil</translation>
        </message>
        <message>
            <source>retrograde</source>
            <translation>hátráló</translation>
        </message>
        <message>
            <source>stationary</source>
            <translation>álló</translation>
        </message>
        <message>
            <source>direct</source>
            <translation>egyenes</translation>
        </message>
        <message>
            <source>station, %1 off</source>
            <translation>fordul, %1 eltéréssel</translation>
        </message>
    </context>
    <context>
        <name>TransitListModel</name>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Transiting</source>
            <translation>Tranzitáló</translation>
        </message>
        <message>
            <source>Aspect</source>
            <translation>Fényszög</translation>
        </message>
        <message>
            <source>Natal</source>
            <translation>Születési</translation>
        </message>
        <message>
            <source>Motion</source>
            <translation>Mozgás</translation>
        </message>
        <message>
            <source>Enters orb</source>
            <translation>Orbiszba lép</translation>
        </message>
        <message>
            <source>Exact</source>
            <translation>Pontos</translation>
        </message>
        <message>
            <source>Leaves orb</source>
            <translation>Orbiszból kilép</translation>
        </message>
    </context>
    <context>
        <name>DirectionTexts</name>
        <message>
            <source>a year</source>
            <translation>egy év</translation>
        </message>
        <message>
            <source>half a year</source>
            <translation>fél év</translation>
        </message>
        <message>
            <source>%1 years</source>
            <translation>%1 év</translation>
        </message>
        <message>
            <source>mundane</source>
            <translation>mundán</translation>
        </message>
        <message>
            <source>zodiacal</source>
            <translation>zodiákális</translation>
        </message>
        <message>
            <source>zodiacal with latitude</source>
            <translation>zodiákális szélességgel</translation>
        </message>
        <message>
            <source>under the pole</source>
            <translation>a pólus alatt</translation>
        </message>
        <message>
            <source>secondary</source>
            <translation>szekunder</translation>
        </message>
        <message>
            <source>converse</source>
            <translation>konverz</translation>
        </message>
        <message>
            <source>direct</source>
            <translation>direkt</translation>
        </message>
    </context>
    <context>
        <name>ListPages</name>
        <message>
            <source>Page %1</source>
            <translation>%1. oldal</translation>
        </message>
        <message>
            <source>Group</source>
            <translation>Csoport</translation>
        </message>
    </context>
    <context>
        <name>TDirectionSelectionDialog</name>
        <message>
            <source>Primary Directions Selection</source>
            <translation>Primer direkciók kiválasztása</translation>
        </message>
        <message>
            <source>Secondary Directions Selection</source>
            <translation>Szekunder direkciók kiválasztása</translation>
        </message>
        <message>
            <source> Promissors </source>
            <translation> Promisszorok </translation>
        </message>
        <message>
            <source> Progressed bodies </source>
            <translation> Progresszált égitestek </translation>
        </message>
        <message>
            <source> Significators </source>
            <translation> Szignifikátorok </translation>
        </message>
        <message>
            <source> Aspects </source>
            <translation> Fényszögek </translation>
        </message>
        <message>
            <source>All</source>
            <translation>Mind</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Egyik sem</translation>
        </message>
        <message>
            <source>&amp;Filter:</source>
            <translation>&amp;Szűrő:</translation>
        </message>
        <message>
            <source>Words a name starts with, all of them must match; "mars/venus" either, "sat&gt;sun" Saturn directed to the Sun, "-moon" leaves out.</source>
            <translation>Szavak, amelyekkel egy név kezdődik (a megjelenített vagy az angol név), mindegyiknek egyeznie kell; "mars/venus" bármelyik, "sat&gt;sun" a Szaturnusz a Napra direktálva, "-moon" kihagyja.</translation>
        </message>
        <message>
            <source>&amp;Display:</source>
            <translation>&amp;Megjelenítés:</translation>
        </message>
        <message>
            <source>By date</source>
            <translation>Dátum szerint</translation>
        </message>
        <message>
            <source>By significator</source>
            <translation>Szignifikátor szerint</translation>
        </message>
        <message>
            <source>By promissor</source>
            <translation>Promisszor szerint</translation>
        </message>
        <message>
            <source>By progressed body</source>
            <translation>Progresszált égitest szerint</translation>
        </message>
    </context>
    <context>
        <name>TDirectionsWindow</name>
        <message>
            <source>%1 cannot be computed over the whole span (outside the ephemeris files); the list stops short.</source>
            <translation>%1 nem számítható a teljes időszakra (kívül esik az efemeris-fájlokon); a lista hamarabb véget ér.</translation>
        </message>
        <message>
            <source>Primary Directions: %1</source>
            <translation>Primer direkciók: %1</translation>
        </message>
        <message>
            <source>The selection leaves nothing to direct: choose the promissors, the significators and the aspects with Selection...</source>
            <translation>A kiválasztásban nincs mit direktálni: válassza ki a promisszorokat, a szignifikátorokat és a fényszögeket a Kiválasztás... gombbal.</translation>
        </message>
        <message>
            <source>Secondary Directions: %1</source>
            <translation>Szekunder direkciók: %1</translation>
        </message>
        <message numerus="yes">
            <source>%n direction(s) between the ages of %1 and %2.</source>
            <translation>
                <numerusform>%n direkció %1 és %2 éves kor között.</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 (its %2 point)</source>
            <translation>%1 (%2 pontja)</translation>
        </message>
        <message>
            <source>Left out, never rising or setting at the birth latitude or not computed: %1.</source>
            <translation>Kihagyva, mert a születési szélességen sosem kel vagy nyugszik, vagy nem számítható: %1.</translation>
        </message>
        <message>
            <source>Marked life events, with the directions within %1 of each:</source>
            <translation>Megjelölt életesemények, mindegyiktől legfeljebb %1 távolságra eső direkciókkal:</translation>
        </message>
        <message>
            <source>No life event is marked for correction (Personal data, Life events).</source>
            <translation>Nincs korrekcióra megjelölt életesemény (Személyes adatok, Életesemények).</translation>
        </message>
        <message>
            <source>no direction in the list</source>
            <translation>nincs direkció a listában</translation>
        </message>
        <message>
            <source>closest: %1</source>
            <translation>legközelebbi: %1</translation>
        </message>
        <message>
            <source>No direction within %1 of this event.</source>
            <translation>Ettől az eseménytől %1 távolságon belül nincs direkció.</translation>
        </message>
        <message>
            <source>The list could not be written to %1: %2</source>
            <translation>A lista nem írható ide: %1: %2</translation>
        </message>
        <message>
            <source>Directions exported to %1</source>
            <translation>Direkciók exportálva ide: %1</translation>
        </message>
        <message>
            <source>%1 primary directions.csv</source>
            <translation>%1 primer direkciói.csv</translation>
        </message>
        <message>
            <source>%1 secondary directions.csv</source>
            <translation>%1 szekunder direkciói.csv</translation>
        </message>
        <message>
            <source>Export Directions</source>
            <translation>Direkciók exportálása</translation>
        </message>
        <message>
            <source>Comma-separated values (*.csv);;PDF document (*.pdf)</source>
            <translation>Vesszővel tagolt értékek (*.csv);;PDF-dokumentum (*.pdf)</translation>
        </message>
        <message>
            <source>The list could not be printed.</source>
            <translation>A lista nem nyomtatható ki.</translation>
        </message>
        <message>
            <source>&amp;Ages from</source>
            <translation>É&amp;letkor</translation>
        </message>
        <message>
            <source>&amp;to</source>
            <translation>&amp;és</translation>
        </message>
        <message>
            <source>&amp;Filter:</source>
            <translation>&amp;Szűrő:</translation>
        </message>
        <message>
            <source>&amp;Display:</source>
            <translation>&amp;Megjelenítés:</translation>
        </message>
        <message>
            <source>By date</source>
            <translation>Dátum szerint</translation>
        </message>
        <message>
            <source>By significator</source>
            <translation>Szignifikátor szerint</translation>
        </message>
        <message>
            <source>By promissor</source>
            <translation>Promisszor szerint</translation>
        </message>
        <message>
            <source>By progressed body</source>
            <translation>Progresszált égitest szerint</translation>
        </message>
        <message>
            <source>&amp;Selection...</source>
            <translation>&amp;Kiválasztás...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Nyomtatás...</translation>
        </message>
        <message>
            <source>&amp;Export...</source>
            <translation>E&amp;xportálás...</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Dátum</translation>
        </message>
        <message>
            <source>Age</source>
            <translation>Kor</translation>
        </message>
        <message>
            <source>Promissor</source>
            <translation>Promisszor</translation>
        </message>
        <message>
            <source>Progressed</source>
            <translation>Progresszált</translation>
        </message>
        <message>
            <source>Aspect</source>
            <translation>Fényszög</translation>
        </message>
        <message>
            <source>Significator</source>
            <translation>Szignifikátor</translation>
        </message>
        <message>
            <source>Arc</source>
            <translation>Ív</translation>
        </message>
        <message>
            <source>Method</source>
            <translation>Módszer</translation>
        </message>
        <message>
            <source>Sense</source>
            <translation>Irány</translation>
        </message>
        <message>
            <source>Life event / direction</source>
            <translation>Életesemény / direkció</translation>
        </message>
        <message>
            <source>Difference (years)</source>
            <translation>Eltérés (év)</translation>
        </message>
    </context>
    <context>
        <name>TRectificationDialog</name>
        <message>
            <source>Mark at least one life event for correction first (Personal data, Life events, Select).</source>
            <translation>Előbb jelöljön meg legalább egy életeseményt korrekcióra (Személyes adatok, Életesemények, Kijelölés).</translation>
        </message>
        <message>
            <source>The range and step give no birth times to try, or more than %1.</source>
            <translation>A tartomány és a lépés nem ad kipróbálható születési időt, vagy többet ad %1-nél.</translation>
        </message>
        <message>
            <source>A birth time of the range could not be computed (outside the ephemeris files).</source>
            <translation>A tartomány egyik születési ideje nem számítható (kívül esik az efemeris-fájlokon).</translation>
        </message>
        <message>
            <source>Birth times are tried in the range either side of the recorded one; each is ranked by how many marked life events have a direction within %1, then by how close they come. The recorded time is in bold.</source>
            <translation>A program a rögzített születési idő két oldalán, a tartományon belül próbál ki időpontokat; mindegyiket aszerint rangsorolja, hány megjelölt életeseményhez esik direkció %1 távolságon belül, majd aszerint, milyen közel. A rögzített idő félkövér.</translation>
        </message>
        <message>
            <source>The chosen directions select nothing to direct: choose the promissors, the significators and the aspects in Options &gt; Primary directions... or Secondary directions... first.</source>
            <translation>A választott direkciókban nincs mit direktálni: előbb válassza ki a promisszorokat, a szignifikátorokat és a fényszögeket a Beállítások &gt; Primer direkciók... vagy Szekunder direkciók... pontban.</translation>
        </message>
        <message numerus="yes">
            <source>%n birth time(s) ranked.</source>
            <translation>
                <numerusform>%n születési idő rangsorolva.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n birth time(s) ranked; the recorded time is number %1.</source>
            <translation>
                <numerusform>%n születési idő rangsorolva; a rögzített idő a(z) %1. helyen áll.</numerusform>
            </translation>
        </message>
        <message>
            <source>Rectification: %1</source>
            <translation>Rektifikáció: %1</translation>
        </message>
        <message>
            <source>Ra&amp;nge (minutes either side):</source>
            <translation>&amp;Tartomány (perc mindkét irányban):</translation>
        </message>
        <message>
            <source>&amp;Step (minutes):</source>
            <translation>&amp;Lépés (perc):</translation>
        </message>
        <message>
            <source>&amp;Primary directions</source>
            <translation>&amp;Primer direkciók</translation>
        </message>
        <message>
            <source>S&amp;econdary directions</source>
            <translation>S&amp;zekunder direkciók</translation>
        </message>
        <message>
            <source>&amp;Rank</source>
            <translation>&amp;Rangsorolás</translation>
        </message>
        <message>
            <source>&amp;Take this time into the chart</source>
            <translation>Ez az idő &amp;kerüljön a képletbe</translation>
        </message>
        <message>
            <source>Rank</source>
            <translation>Hely</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>Perc</translation>
        </message>
        <message>
            <source>Birth time</source>
            <translation>Születési idő</translation>
        </message>
        <message>
            <source>Events met</source>
            <translation>Talált események</translation>
        </message>
        <message>
            <source>Score (years)</source>
            <translation>Pontszám (év)</translation>
        </message>
        <message>
            <source>Mean difference (years)</source>
            <translation>Átlagos eltérés (év)</translation>
        </message>
    </context>
</TS>
