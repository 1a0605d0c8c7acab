#!/usr/bin/env python3
"""Draws the launcher's pictures.

SVG files in src/gui/widgets/pictures/ (compiled into the program): one 65 x 65
picture per mod, one each for the edit and launch buttons, a small one for
the quit button and the about window's 300 x 225 picture.

JPEG files in data/models/ (shipped beside the launcher, read through
libjpeg): a 164 x 200 portrait per player model and nopic.jpg for a model
without one. These need ImageMagick's convert with librsvg.

The application icon: a scalable SVG and PNG files of 16 to 256 pixels in
dist/icons/hicolor/ (installed for the menu entry), and the same SVG in the
pictures above (the window's icon when Orvane runs from its build tree).
The PNG files need rsvg-convert (Debian's librsvg2-bin) or convert.

Run it again after changing a design here (`make-pictures.py icon` draws the
icon alone); the files are committed so that a build needs neither Python nor
ImageMagick.
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "src" / "gui" / "widgets" / "pictures"
MODELS_OUT = ROOT / "data" / "models"
ICONS_OUT = ROOT / "dist" / "icons" / "hicolor"
APP_ID = "io.github.orvane.Orvane"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

# Mod prefix: (top colour, bottom colour, label, glyph drawn in white).
MODS = {
    "Action": ("#f2994a", "#b5481b", "AHL",
               '<polygon points="32,8 37,22 52,22 40,31 45,46 32,37 19,46 24,31 12,22 27,22"/>'),
    "Botman": ("#6fcf97", "#1e7a4c", "BOT",
               '<rect x="18" y="16" width="28" height="24" rx="5"/>'
               '<rect x="31" y="8" width="2" height="8"/><circle cx="32" cy="8" r="3"/>'
               '<circle cx="26" cy="27" r="4" fill="#1e7a4c"/><circle cx="38" cy="27" r="4" fill="#1e7a4c"/>'
               '<rect x="25" y="34" width="14" height="2" fill="#1e7a4c"/>'),
    "CStrike": ("#7f8c9c", "#2f3a48", "CS",
                '<circle cx="32" cy="27" r="14" fill="none" stroke="#fff" stroke-width="3"/>'
                '<circle cx="32" cy="27" r="3"/>'
                '<rect x="30.5" y="7" width="3" height="11"/><rect x="30.5" y="36" width="3" height="11"/>'
                '<rect x="12" y="25.5" width="11" height="3"/><rect x="41" y="25.5" width="11" height="3"/>'),
    "Firebot": ("#f2c94c", "#c0392b", "FA",
                '<path d="M32 6 C38 16 46 20 44 33 C43 42 37 47 32 47 C26 47 20 42 20 34 '
                'C20 26 26 22 27 14 C31 20 30 26 33 28 C36 22 34 14 32 6 Z"/>'),
    "Frontline": ("#a3b86c", "#4b5e23", "FLF",
                  '<rect x="17" y="8" width="3" height="40"/>'
                  '<path d="M20 10 L46 10 L40 19 L46 28 L20 28 Z"/>'),
    "Jumbot": ("#56ccf2", "#1f6f9f", "JB",
               '<path d="M14 44 Q32 2 50 44" fill="none" stroke="#fff" stroke-width="4" '
               'stroke-linecap="round"/><polygon points="44,38 54,46 50,34"/>'
               '<circle cx="32" cy="20" r="5"/>'),
    "Phineas": ("#bb6bd9", "#5b2c83", "PH",
                '<path d="M32 7 L48 13 L48 27 C48 37 41 44 32 48 C23 44 16 37 16 27 L16 13 Z"/>'
                '<path d="M32 14 L42 18 L42 27 C42 33 38 38 32 41 Z" fill="#5b2c83"/>'),
    "Rocket": ("#eb5757", "#7b1a1a", "RC",
               '<path d="M32 6 C40 12 42 24 40 36 L24 36 C22 24 24 12 32 6 Z"/>'
               '<circle cx="32" cy="20" r="4" fill="#7b1a1a"/>'
               '<polygon points="24,28 16,40 24,38"/><polygon points="40,28 48,40 40,38"/>'
               '<polygon points="27,38 37,38 32,48" fill="#f2c94c"/>'),
    "Scihunt": ("#4fd1c5", "#22686a", "SH",
                '<path d="M27 8 L37 8 L37 12 L35 12 L35 22 L46 42 C47 45 45 47 42 47 L22 47 '
                'C19 47 17 45 18 42 L29 22 L29 12 L27 12 Z"/>'
                '<path d="M24 36 L40 36 L44 43 L20 43 Z" fill="#22686a"/>'),
    "TFC": ("#9b8fe0", "#3a2f80", "TFC",
            '<path d="M14 46 L14 18 L20 18 L20 24 L26 24 L26 18 L32 18 L32 24 L38 24 L38 18 '
            'L44 18 L44 24 L50 24 L50 18 L50 46 Z"/><rect x="28" y="34" width="8" height="12" '
            'rx="4" fill="#3a2f80"/>'),
}

ACTIONS = {
    # Edit: a sheet with a pencil across it.
    "EditConf": ("#e0e6f0", "#7d8fb0", "EDIT",
                 '<rect x="16" y="8" width="26" height="34" rx="2"/>'
                 '<rect x="20" y="14" width="16" height="2" fill="#7d8fb0"/>'
                 '<rect x="20" y="20" width="16" height="2" fill="#7d8fb0"/>'
                 '<rect x="20" y="26" width="10" height="2" fill="#7d8fb0"/>'
                 '<path d="M30 42 L48 20 L53 25 L35 46 L29 48 Z" fill="#f2c94c" stroke="#5d4a11" '
                 'stroke-width="1"/>'),
    # Launch: a lambda in a ring.
    "HL": ("#ffb347", "#c55a11", "PLAY",
           '<circle cx="32" cy="27" r="19" fill="none" stroke="#fff" stroke-width="3"/>'
           '<path d="M24 13 L29 13 L42 41 L37 41 L32 30 L26 41 L21 41 L30 25 Z"/>'),
}


def button(top, bottom, label, glyph):
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="65" height="65" viewBox="0 0 65 65">
  <defs>
    <linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{top}"/>
      <stop offset="1" stop-color="{bottom}"/>
    </linearGradient>
    <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.45"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="61" height="61" rx="9" fill="url(#g)" stroke="#1d2b44" stroke-opacity="0.5"/>
  <rect x="4" y="4" width="57" height="26" rx="8" fill="url(#shine)"/>
  <g fill="#ffffff" transform="translate(0.5,0)">{glyph}</g>
  <text x="32.5" y="60" text-anchor="middle" font-family="Arial" font-weight="bold"
        font-size="11" fill="#ffffff" stroke="#1d2b44" stroke-width="0.4">{label}</text>
</svg>
'''


QUIT = '''<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">
  <rect x="3" y="2" width="9" height="16" rx="1" fill="#7b4a26" stroke="#3d2413"/>
  <circle cx="10" cy="10" r="1" fill="#f2c94c"/>
  <path d="M12 10 L18 10 M15 7 L18 10 L15 13" fill="none" stroke="#c0392b" stroke-width="2"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
'''


ABOUT = '''<svg xmlns="http://www.w3.org/2000/svg" width="300" height="225" viewBox="0 0 300 225">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#1d2b44"/>
      <stop offset="0.65" stop-color="#c55a11"/>
      <stop offset="1" stop-color="#ffb347"/>
    </linearGradient>
  </defs>
  <rect width="300" height="225" fill="url(#sky)"/>
  <path d="M0 170 L40 150 L70 160 L110 135 L150 155 L190 140 L230 158 L270 138 L300 150 L300 225 L0 225 Z"
        fill="#1d2b44" opacity="0.85"/>
  <circle cx="150" cy="78" r="44" fill="none" stroke="#ffffff" stroke-width="6"/>
  <path d="M131 46 L141 46 L168 104 L158 104 L148 82 L136 104 L126 104 L143 70 Z" fill="#ffffff"/>
  <text x="150" y="154" text-anchor="middle" font-family="Arial" font-weight="bold" font-size="30"
        fill="#ffffff" stroke="#1d2b44" stroke-width="1">ORVANE</text>
</svg>
'''

# The application icon: the launch button's lambda in a ring over the about
# window's dusk, with a bot's antenna on the ring. Thick strokes and no text,
# so that it still reads at 16 pixels.
ICON = '''<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#1d2b44"/>
      <stop offset="0.6" stop-color="#c55a11"/>
      <stop offset="1" stop-color="#ffb347"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="44" fill="url(#sky)"/>
  <rect x="8" y="8" width="240" height="240" rx="44" fill="none" stroke="#101826"
        stroke-opacity="0.6" stroke-width="4"/>
  <rect x="122" y="24" width="12" height="30" rx="4" fill="#ffffff"/>
  <circle cx="128" cy="24" r="12" fill="#ffffff"/>
  <circle cx="128" cy="142" r="82" fill="none" stroke="#ffffff" stroke-width="22"/>
  <path d="M96 82 L120 82 L174 200 L150 200 L128 152 L106 200 L82 200 L116 130 Z"
        fill="#ffffff"/>
</svg>
'''


def make_icon():
    (OUT / "Orvane.svg").write_text(ICON)
    scalable = ICONS_OUT / "scalable" / "apps" / f"{APP_ID}.svg"
    scalable.parent.mkdir(parents=True, exist_ok=True)
    scalable.write_text(ICON)
    rsvg = shutil.which("rsvg-convert")
    convert = shutil.which("convert")
    if rsvg is None and convert is None:
        print("neither rsvg-convert nor convert found: PNG icons left as they are")
        return
    for size in ICON_SIZES:
        target = ICONS_OUT / f"{size}x{size}" / "apps" / f"{APP_ID}.png"
        target.parent.mkdir(parents=True, exist_ok=True)
        if rsvg is not None:
            command = [rsvg, "-w", str(size), "-h", str(size), "-o", str(target), str(scalable)]
        else:
            command = [convert, "-background", "none", "-resize", f"{size}x{size}",
                       str(scalable), "-strip", str(target)]
        subprocess.run(command, check=True)


# Player model portraits: skin, suit and headgear colours.
MODELS = {
    "barney": ("#e0ac69", "#3b5b92", "cap", "#2b3f66"),
    "gina": ("#f1c27d", "#d35400", "hair", "#6b3e26"),
    "gman": ("#e8b98a", "#2c2c34", "hair", "#3b3b3b"),
    "gordon": ("#f1c27d", "#e67e22", "hair", "#7b4a26"),
    "helmet": ("#e0ac69", "#4b5e23", "helmet", "#3a4a1a"),
    "hgrunt": ("#c68642", "#556b2f", "mask", "#2f3a1a"),
    "recon": ("#e0ac69", "#5f6f7f", "helmet", "#2f3f4f"),
    "robo": ("#b0bec5", "#607d8b", "visor", "#37474f"),
    "scientist": ("#f1c27d", "#ecf0f1", "hair", "#bdc3c7"),
    "zombie": ("#9aa86a", "#ecf0f1", "hair", "#556b2f"),
}

HEADGEAR = {
    "hair": '<path d="M52 62 C52 30 112 30 112 62 L112 70 C100 52 64 52 52 70 Z" fill="{c}"/>',
    "cap": '<path d="M50 60 C52 32 112 32 114 60 Z M110 58 L130 64 L110 64 Z" fill="{c}"/>',
    "helmet": '<path d="M46 70 C44 28 120 28 118 70 L110 70 C108 46 56 46 54 70 Z" fill="{c}"/>',
    "mask": '<path d="M46 70 C44 28 120 28 118 70 Z" fill="{c}"/><rect x="60" y="74" width="44" height="22" rx="8" fill="#222"/>',
    "visor": '<rect x="54" y="60" width="56" height="14" rx="6" fill="#e74c3c"/>',
}


def portrait(name, skin, suit, gear, gear_colour, size=16):
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="164" height="200" viewBox="0 0 164 200">
  <rect width="164" height="200" fill="#93acd2"/>
  <path d="M18 200 C20 150 50 132 82 132 C114 132 144 150 146 200 Z" fill="{suit}" stroke="#1d2b44"/>
  <rect x="70" y="112" width="24" height="24" fill="{skin}"/>
  <ellipse cx="82" cy="78" rx="32" ry="40" fill="{skin}" stroke="#1d2b44"/>
  {HEADGEAR[gear].format(c=gear_colour)}
  <circle cx="70" cy="80" r="3.5" fill="#1d2b44"/><circle cx="94" cy="80" r="3.5" fill="#1d2b44"/>
  <path d="M72 100 Q82 106 92 100" fill="none" stroke="#1d2b44" stroke-width="2"/>
  <rect x="0" y="176" width="164" height="24" fill="#1d2b44" opacity="0.7"/>
  <text x="82" y="194" text-anchor="middle" font-family="Arial" font-weight="bold" font-size="{size}"
        fill="#ffffff">{name}</text>
</svg>
'''


# Counter-Strike's models by team code and position ("cs/<team>_<model>"):
# 1 Terrorists, 2 Counter-Terrorists, 0 a team chosen by the game (both names).
CS_TERRORISTS = [
    ("Phoenix Connektion", "#e0ac69", "#5d4037", "mask", "#212121"),
    ("L337 Krew", "#f1c27d", "#37474f", "cap", "#263238"),
    ("Artic Avengers", "#f1c27d", "#eceff1", "mask", "#b0bec5"),
    ("Gorilla Warface", "#c68642", "#6d4c41", "cap", "#3e2723"),
]
CS_COUNTER = [
    ("US Seal Team 6", "#e0ac69", "#33691e", "helmet", "#1b5e20"),
    ("German GSG-9", "#f1c27d", "#455a64", "helmet", "#263238"),
    ("UK SAS", "#e8b98a", "#212121", "mask", "#111111"),
    ("French GIGN", "#e0ac69", "#1a237e", "helmet", "#0d1442"),
]
CS_PAIRS = ["Phoenix / US Seal", "L337 / GSG-9", "Artic / UK SAS", "Gorilla / GIGN"]
CS_RANDOM = {"0": "Random", "1": "Random Terrorist", "2": "Random Counter-Terrorist"}


def random_portrait(label):
    size = "14" if len(label) <= 16 else "11"
    return NOPIC.replace('font-size="14" fill="#1d2b44">no picture', f'font-size="{size}" fill="#1d2b44">{label}')


def cs_designs():
    designs = {}
    for team, label in CS_RANDOM.items():
        designs[f"cs/{team}_0"] = random_portrait(label)
    for i, (t, ct, pair) in enumerate(zip(CS_TERRORISTS, CS_COUNTER, CS_PAIRS), start=1):
        designs[f"cs/1_{i}"] = portrait(*t, size=13)
        designs[f"cs/2_{i}"] = portrait(*ct, size=13)
        # A game-chosen team: the terrorist half of the pair, named for both.
        designs[f"cs/0_{i}"] = portrait(pair, *t[1:], size=13)
    return designs


# TFC's and Front Line Force's classes ("tfc/<team>_<class>", the class's
# position + 1), in the team's colour: 0 a team chosen by the game.
TFC_CLASSES = [("Scout", "cap"), ("Sniper", "cap"), ("Soldier", "helmet"), ("Demoman", "hair"),
               ("Medic", "hair"), ("Heavy Weapon", "helmet"), ("Pyro", "mask"),
               ("Spy", "hair"), ("Engineer", "helmet"), (None, None)]
TFC_TEAMS = {"0": ("#7f8c8d", "Auto"), "1": ("#2f5fb3", "Blue"), "2": ("#b03a2e", "Red")}
FLF_CLASSES = [("Recon", "cap"), ("Assault", "helmet"), ("Support", "mask")]
FLF_TEAMS = {"0": ("#7f8c8d", "Auto"), "1": ("#8b5a2b", "Rebels"), "2": ("#2e5e3a", "Commandos")}


def class_designs(folder, classes, teams):
    designs = {}
    for team, (colour, team_name) in teams.items():
        for i, (name, gear) in enumerate(classes, start=1):
            key = f"{folder}/{team}_{i}"
            if name is None:
                designs[key] = random_portrait(f"Random Class ({team_name})")
            else:
                designs[key] = portrait(f"{name} ({team_name})", "#e0ac69", colour, gear,
                                        "#2c2c34", size=13)
    return designs


NOPIC = '''<svg xmlns="http://www.w3.org/2000/svg" width="164" height="200" viewBox="0 0 164 200">
  <rect width="164" height="200" fill="#93acd2"/>
  <path d="M18 200 C20 150 50 132 82 132 C114 132 144 150 146 200 Z" fill="#7d8fb0"/>
  <ellipse cx="82" cy="78" rx="32" ry="40" fill="#7d8fb0"/>
  <text x="82" y="92" text-anchor="middle" font-family="Arial" font-weight="bold" font-size="44"
        fill="#ffffff">?</text>
  <text x="82" y="194" text-anchor="middle" font-family="Arial" font-size="14" fill="#1d2b44">no picture</text>
</svg>
'''


def make_jpegs():
    convert = shutil.which("convert")
    if convert is None:
        print("convert not found: model pictures left as they are")
        return
    MODELS_OUT.mkdir(parents=True, exist_ok=True)
    designs = {name: portrait(name, *design) for name, design in MODELS.items()}
    designs["nopic"] = NOPIC
    designs.update(cs_designs())
    designs.update(class_designs("tfc", TFC_CLASSES, TFC_TEAMS))
    designs.update(class_designs("flf", FLF_CLASSES, FLF_TEAMS))
    with tempfile.TemporaryDirectory() as tmp:
        for name, svg in designs.items():
            source = pathlib.Path(tmp) / f"{name.replace('/', '_')}.svg"
            source.write_text(svg)
            target = MODELS_OUT / f"{name}.jpg"
            target.parent.mkdir(parents=True, exist_ok=True)
            subprocess.run([convert, str(source), "-strip", "-quality", "85", str(target)],
                           check=True)


def write_qrc():
    names = sorted(p.name for p in OUT.glob("*.svg"))
    qrc = "<RCC>\n  <qresource prefix=\"/pictures\">\n"
    qrc += "".join(f"    <file>{n}</file>\n" for n in names)
    qrc += "  </qresource>\n</RCC>\n"
    (OUT / "pictures.qrc").write_text(qrc)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    make_icon()
    if sys.argv[1:] == ["icon"]:
        write_qrc()
        return
    for name, design in {**MODS, **ACTIONS}.items():
        (OUT / f"{name}.svg").write_text(button(*design))
    (OUT / "Quit.svg").write_text(QUIT)
    (OUT / "About.svg").write_text(ABOUT)
    make_jpegs()
    write_qrc()


if __name__ == "__main__":
    main()
