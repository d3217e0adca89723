#!/usr/bin/env python3
"""Writes merrowedit's 54 state transmitter files (data/States/<Xx>_<nnn>.st) from the
National Weather Service's county coverage listing (nwr_coverage.csv beside this script).

    python3 tools/state_files/make_state_files.py [csv] [output folder]

The build does not run this; the files it writes are committed.

Rules
-----
* One line per CSV row (county and transmitter), in the CSV's order. Each state's rows go to
  that state's file; the District of Columbia's rows (state DC) follow Maryland's in Md_120.st,
  the Northern Mariana Islands (MP) are Mr_152.st.
* Columns of a line (1-based), every line exactly 62 characters:
    1-6   county code (six digits)
    7-8   blanks
    9-30  county name, padded with blanks (at most 22 characters)
    31    blank: the first column of the transmitter key
    32-50 transmitter location, padded with blanks (at most 19 characters);
          "--No NWR Coverage--" for a county without a transmitter
    51-55 blanks
    56-62 frequency ("162.550"); blanks for a county without a transmitter
* County names longer than 22 characters: "City of <Name>" becomes "<Name> City"; anything
  still longer is cut to 22 characters. The script stops when two different names of one state
  would come out alike.
* Transmitter locations ("Name, ST") lose their comma: "Name ST". One longer than 19
  characters has the words of ABBREVIATIONS shortened in its name and the blanks around a slash
  dropped; one still longer has its name cut to fit before " ST" (trailing blanks and dots
  dropped). The script stops when two transmitters (call signs) would share a key
  (location and frequency) or one transmitter would get two.
* ASCII text, CR LF line ends, no commas, at most 501 lines a file.
"""

import csv
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_CSV = os.path.join(HERE, "nwr_coverage.csv")
DEFAULT_OUT = os.path.join(HERE, "..", "..", "data", "States")

# The program's state list order and file names; the CSV's state abbreviations that feed each.
STATE_FILES = [
    ("Al_102.st", ["AL"]), ("Ak_101.st", ["AK"]), ("Az_104.st", ["AZ"]), ("Ar_103.st", ["AR"]),
    ("Ca_105.st", ["CA"]), ("Co_106.st", ["CO"]), ("Ct_107.st", ["CT"]), ("De_108.st", ["DE"]),
    ("Fl_109.st", ["FL"]), ("Ga_110.st", ["GA"]), ("Hi_111.st", ["HI"]), ("Id_113.st", ["ID"]),
    ("Il_114.st", ["IL"]), ("In_115.st", ["IN"]), ("Ia_112.st", ["IA"]), ("Ks_116.st", ["KS"]),
    ("Ky_117.st", ["KY"]), ("La_118.st", ["LA"]), ("Me_121.st", ["ME"]), ("Md_120.st", ["MD", "DC"]),
    ("Ma_119.st", ["MA"]), ("Mi_122.st", ["MI"]), ("Mn_123.st", ["MN"]), ("Ms_125.st", ["MS"]),
    ("Mo_124.st", ["MO"]), ("Mt_126.st", ["MT"]), ("Ne_129.st", ["NE"]), ("Nv_133.st", ["NV"]),
    ("Nh_130.st", ["NH"]), ("Nj_131.st", ["NJ"]), ("Nm_132.st", ["NM"]), ("Ny_134.st", ["NY"]),
    ("Nc_127.st", ["NC"]), ("Nd_128.st", ["ND"]), ("Oh_135.st", ["OH"]), ("Ok_136.st", ["OK"]),
    ("Or_137.st", ["OR"]), ("Pa_138.st", ["PA"]), ("Ri_139.st", ["RI"]), ("Sc_140.st", ["SC"]),
    ("Sd_141.st", ["SD"]), ("Tn_142.st", ["TN"]), ("Tx_143.st", ["TX"]), ("Ut_144.st", ["UT"]),
    ("Vt_146.st", ["VT"]), ("Va_145.st", ["VA"]), ("Wa_147.st", ["WA"]), ("Wv_149.st", ["WV"]),
    ("Wi_148.st", ["WI"]), ("Wy_150.st", ["WY"]), ("Gu_151.st", ["GU"]), ("Mr_152.st", ["MP"]),
    ("Pr_153.st", ["PR"]), ("Vi_154.st", ["VI"]),
]

ABBREVIATIONS = [
    ("International", "Intl"), ("Springs", "Spgs"), ("Mountain", "Mtn"), ("Marine", "Mar"),
    ("County", "Co"), ("Island", "Is"), ("Falls", "Fls"), ("Saint", "St"), ("Peninsula", "Pen"),
]

NAME_WIDTH = 22
LOCATION_WIDTH = 19
NO_COVERAGE = "--No NWR Coverage--"
MAX_LINES = 501


def fail(message):
    sys.exit("make_state_files: " + message)


def short_county(name):
    if len(name) > NAME_WIDTH and name.startswith("City of "):
        name = name[len("City of "):] + " City"
    return name[:NAME_WIDTH]


def short_location(location):
    if location.count(",") != 1:
        fail("location without one comma: %r" % location)
    name, state = (part.strip() for part in location.split(","))
    if len(name) + 1 + len(state) > LOCATION_WIDTH:
        for word, abbreviation in ABBREVIATIONS:
            name = re.sub(r"\b%s\b" % word, abbreviation, name)
        name = re.sub(r"\s*/\s*", "/", name)
    if len(name) + 1 + len(state) > LOCATION_WIDTH:
        name = name[:LOCATION_WIDTH - 1 - len(state)].rstrip(" .")
    return name + " " + state


def line_of(row):
    code = row["same_code"]
    if not re.fullmatch(r"\d{6}", code):
        fail("bad county code %r" % code)
    name = short_county(row["county_name"])
    if row["callsign"]:
        location, frequency = short_location(row["transmitter_location"]), row["frequency"]
    else:
        location, frequency = NO_COVERAGE, ""
    line = code + "  " + name.ljust(NAME_WIDTH) + " " + location.ljust(LOCATION_WIDTH) + " " * 5 \
        + frequency.rjust(7)
    if len(line) != 62 or "," in line or not line.isascii():
        fail("line breaks the columns: %r" % line)
    return line


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_CSV
    out = sys.argv[2] if len(sys.argv) > 2 else DEFAULT_OUT
    with open(source, newline="", encoding="ascii") as f:
        rows = list(csv.DictReader(f))

    by_state = {}
    for row in rows:
        by_state.setdefault(row["state_abbr"], []).append(row)
    known = {abbr for _, abbrs in STATE_FILES for abbr in abbrs}
    if set(by_state) - known:
        fail("states without a file: %s" % sorted(set(by_state) - known))

    key_of_callsign, callsign_of_key = {}, {}
    for row in rows:
        if not row["callsign"]:
            continue
        key = (short_location(row["transmitter_location"]), row["frequency"])
        if key_of_callsign.setdefault(row["callsign"], key) != key:
            fail("transmitter %s has two keys" % row["callsign"])
        if callsign_of_key.setdefault(key, row["callsign"]) != row["callsign"]:
            fail("transmitters %s and %s share a key" % (callsign_of_key[key], row["callsign"]))

    os.makedirs(out, exist_ok=True)
    for file_name, abbrs in STATE_FILES:
        state_rows = [row for abbr in abbrs for row in by_state.get(abbr, [])]
        names = {}
        for row in state_rows:
            short = short_county(row["county_name"])
            if names.setdefault(short, row["county_name"]) != row["county_name"]:
                fail("%s: %r and %r shorten alike" % (file_name, names[short], row["county_name"]))
        lines = [line_of(row) for row in state_rows]
        if not lines or len(lines) > MAX_LINES:
            fail("%s: %d lines" % (file_name, len(lines)))
        with open(os.path.join(out, file_name), "w", newline="", encoding="ascii") as f:
            f.write("".join(line + "\r\n" for line in lines))
    print("wrote %d state files to %s" % (len(STATE_FILES), os.path.normpath(out)))


if __name__ == "__main__":
    main()
