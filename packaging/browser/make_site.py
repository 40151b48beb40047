#!/usr/bin/env python3
"""Assembles the browser build's site from the program build's output.

    make_site.py OUT_DIR FONT ICON192 ICON512 SITE

OUT_DIR is the program build's output folder (mirosuta.js, mirosuta.wasm,
qtloader.js, the picture packs pictures.rcc and pictures@2x.rcc, and the content
folders 説明, 画像 and 音); FONT the Mincho subset;
ICON192 and ICON512 the home-screen icons. SITE is written anew: the page, the
program, the font, the content as plain files, files.json (what the page
fetches, with sizes and hashes), the service worker and the web app manifest.
"""

import hashlib
import json
import shutil
import sys
import urllib.parse
from pathlib import Path

HERE = Path(__file__).resolve().parent
CONTENT_FOLDERS = ("説明", "画像", "音")


def digest(path: Path) -> str:
    return hashlib.sha256(path.read_bytes()).hexdigest()[:16]


def main() -> int:
    if len(sys.argv) != 6:
        print(__doc__, file=sys.stderr)
        return 2
    out, font, icon192, icon512, site = (Path(a) for a in sys.argv[1:])
    if site.exists():
        shutil.rmtree(site)
    site.mkdir(parents=True)

    # The program's own files, each asked for by its hash.
    copies = {
        "mirosuta.js": out / "mirosuta.js",
        "mirosuta.wasm": out / "mirosuta.wasm",
        "qtloader.js": out / "qtloader.js",
        "pictures.rcc": out / "pictures.rcc",
        "pictures@2x.rcc": out / "pictures@2x.rcc",
        "page.js": HERE / "page.js",
        "fonts/mincho.ttf": font,
        "icon-192.png": icon192,
        "icon-512.png": icon512,
        "manifest.webmanifest": HERE / "manifest.webmanifest",
    }
    for name, source in copies.items():
        (site / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, site / name)
    program = [
        {"path": name, "size": (site / name).stat().st_size, "hash": digest(site / name)}
        for name in ("mirosuta.wasm", "fonts/mincho.ttf")
    ]
    # The page fetches the pack of its screen's pixel ratio only.
    program += [
        {"path": name, "size": (site / name).stat().st_size, "hash": digest(site / name),
         "ratio": ratio}
        for name, ratio in (("pictures.rcc", 1), ("pictures@2x.rcc", 2))
    ]

    content = []
    for folder in CONTENT_FOLDERS:
        for source in sorted((out / folder).rglob("*")):
            if source.is_file():
                rel = source.relative_to(out).as_posix()
                (site / rel).parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(source, site / rel)
                content.append({"path": rel, "size": source.stat().st_size})
    hashes = {name: digest(site / name) for name in copies}
    page = (HERE / "index.html.in").read_text(encoding="utf-8")
    for name in ("qtloader.js", "mirosuta.js", "page.js"):
        page = page.replace(f"@{name}@", hashes[name])
    (site / "index.html").write_text(page, encoding="utf-8")

    versioned = [f"{n}?v={hashes[n]}" for n in ("qtloader.js", "mirosuta.js", "page.js",
                                                "mirosuta.wasm", "fonts/mincho.ttf")]
    versioned += ["icon-192.png", "icon-512.png", "manifest.webmanifest"]
    # Kept cache-first like the rest of the program, but not fetched by the
    # worker's install: a device keeps the pack it used.
    packs = [urllib.parse.quote(f"{n}") + f"?v={hashes[n]}"
             for n in ("pictures.rcc", "pictures@2x.rcc")]
    version = hashlib.sha256("".join(versioned + packs).encode()).hexdigest()[:16]
    (site / "files.json").write_text(
        json.dumps({"version": version, "program": program, "content": content},
                   ensure_ascii=False, indent=1) + "\n",
        encoding="utf-8")
    pages = ["./", "index.html", "files.json"] + [c["path"] for c in content]
    worker = (HERE / "sw.js.in").read_text(encoding="utf-8")
    worker = worker.replace("@VERSION@", version)
    worker = worker.replace("@PROGRAM@", json.dumps(versioned))
    worker = worker.replace("@PACKS@", json.dumps(packs))
    worker = worker.replace("@CONTENT@", json.dumps(pages, ensure_ascii=False))
    (site / "sw.js").write_text(worker, encoding="utf-8")
    print(f"site: {site} ({len(content)} content files, version {version})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
