#!/usr/bin/env python3
"""Assembles the browser build's site from the program build's output.

    make_site.py [--build-id ID] [--workbox NODE_MODULES] OUT_DIR FONT FONT_MORE ICON192 ICON512 SITE

OUT_DIR is the program build's output folder (mirosuta.js, mirosuta.wasm,
qtloader.js, the picture packs pictures.rcc and pictures@2x.rcc, and the content
folders 説明, 画像 and 音); FONT the Mincho subset every page fetches, and
FONT_MORE the rarer kanji's, with the list of its characters beside it
(FONT_MORE.txt), which a page fetches only for a text that holds one of them;
ICON192 and ICON512 the home-screen icons. SITE is written anew: the page, the
program, the font, the content as plain files, files.json (what the page
fetches, with sizes and hashes), the service worker bundled with the parts of
Workbox it imports, and the web app manifest. NODE_MODULES is where `npm ci` put
package.json's libraries (by default OUT_DIR/../../npm/node_modules, where
scripts/browser puts them, or packaging/browser/node_modules).

The program's script and module both carry its build id (by default a hash of
the two as built), so that the page can tell that they belong together.
"""

import argparse
import base64
import hashlib
import json
import platform
import shutil
import subprocess
import sys
import urllib.parse
from pathlib import Path

HERE = Path(__file__).resolve().parent
CONTENT_FOLDERS = ("説明", "画像", "音")


def digest(path: Path) -> str:
    return hashlib.sha256(path.read_bytes()).hexdigest()[:16]


def integrity(path: Path) -> str:
    """The file's SHA-256 as a fetch checks it (subresource integrity)."""
    return "sha256-" + base64.b64encode(hashlib.sha256(path.read_bytes()).digest()).decode()


def bundler(node_modules: Path) -> Path:
    """esbuild's own program, as npm ci put it for this machine: it needs no
    Node.js, so it also runs in scripts/browser's Debian 13 root."""
    arch = {"x86_64": "x64", "aarch64": "arm64"}.get(platform.machine(), platform.machine())
    return node_modules.resolve() / "@esbuild" / f"{sys.platform}-{arch}" / "bin" / "esbuild"


# Minified, never rewritten into newer syntax than the sources use, and with
# Japanese kept as UTF-8 (escaped, it takes twice the bytes).
MINIFY = ["--minify", "--target=safari14.1,chrome90,firefox90", "--charset=utf8",
          "--log-level=warning"]


def bundle_worker(node_modules: Path, source: str, target: Path) -> None:
    """The worker with the parts of Workbox it imports, minified, in one file;
    Workbox's development logging is left out."""
    subprocess.run([str(bundler(node_modules)), "--bundle", "--format=iife", "--legal-comments=none",
                    *MINIFY, "--define:process.env.NODE_ENV=\"production\"", f"--outfile={target.resolve()}"],
                   input=source, text=True, cwd=node_modules.parent, check=True)


def minify_script(node_modules: Path, path: Path) -> None:
    """A script of the page (ours, or Qt's loader), minified in place."""
    minified = subprocess.run([str(bundler(node_modules)), *MINIFY, "--loader=js"],
                              input=path.read_text(encoding="utf-8"), text=True,
                              check=True, capture_output=True).stdout
    path.write_text(minified, encoding="utf-8")


def leb128(n: int) -> bytes:
    out = bytearray()
    while True:
        byte, n = n & 0x7F, n >> 7
        out.append(byte | (0x80 if n else 0))
        if not n:
            return bytes(out)


# The build id in the module, where WebAssembly.Module.customSections finds it.
BUILD_SECTION = "mirosuta.build"


def stamp_build(site: Path, build: str) -> None:
    name, payload = BUILD_SECTION.encode(), build.encode()
    body = leb128(len(name)) + name + payload
    with open(site / "mirosuta.wasm", "ab") as wasm:
        wasm.write(b"\0" + leb128(len(body)) + body)
    script = site / "mirosuta.js"
    script.write_bytes(f"globalThis.mirosutaScriptBuild = {json.dumps(build)};\n".encode()
                       + script.read_bytes())


def main() -> int:
    ap = argparse.ArgumentParser(usage=__doc__)
    ap.add_argument("--build-id")
    ap.add_argument("--workbox", type=Path)
    ap.add_argument("paths", nargs=6, metavar="PATH")
    args = ap.parse_args()
    out, font, font_more, icon192, icon512, site = (Path(a) for a in args.paths)
    # Where scripts/browser puts them, or a developer's `npm ci` here.
    node_modules = args.workbox or next(
        (d for d in (out.resolve().parent.parent / "npm" / "node_modules", HERE / "node_modules")
         if bundler(d).exists()), HERE / "node_modules")
    if not bundler(node_modules).exists():
        sys.exit(f"make_site.py: no Workbox and esbuild in {node_modules} (run npm ci in "
                 "packaging/browser's "
                 "copy, as scripts/browser does, or give --workbox)")
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
        "fonts/mincho-more.ttf": font_more,
        "icon-192.png": icon192,
        "icon-512.png": icon512,
    }
    for name, source in copies.items():
        (site / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, site / name)
    # The manifest names the icons by their hash, and is itself named by its
    # own: an old build's copies are never taken for the new.
    manifest = json.loads((HERE / "manifest.webmanifest").read_text(encoding="utf-8"))
    for icon in manifest["icons"]:
        icon["src"] += f"?v={digest(site / icon['src'])}"
    (site / "manifest.webmanifest").write_text(
        json.dumps(manifest, ensure_ascii=False, separators=(",", ":")), encoding="utf-8")
    copies["manifest.webmanifest"] = site / "manifest.webmanifest"
    for script in ("page.js", "qtloader.js"):
        minify_script(node_modules, site / script)
    build = args.build_id or hashlib.sha256(
        (site / "mirosuta.js").read_bytes() + (site / "mirosuta.wasm").read_bytes()).hexdigest()[:16]
    stamp_build(site, build)
    program = [
        {"path": name, "size": (site / name).stat().st_size, "hash": digest(site / name)}
        for name in ("mirosuta.wasm", "fonts/mincho.ttf")
    ]
    program.append({"path": "fonts/mincho-more.ttf",
                    "size": (site / "fonts/mincho-more.ttf").stat().st_size,
                    "hash": digest(site / "fonts/mincho-more.ttf"),
                    "chars": Path(f"{font_more}.txt").read_text(encoding="utf-8")})
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
    precached = ("qtloader.js", "mirosuta.js", "page.js", "mirosuta.wasm", "fonts/mincho.ttf",
                 "icon-192.png", "icon-512.png", "manifest.webmanifest")
    versioned = [f"{n}?v={hashes[n]}" for n in precached]
    # Kept cache-first like the rest of the program, but not fetched by the
    # worker's install: a device keeps the pack it used, and the rarer kanji
    # if a text needed them.
    packs = [urllib.parse.quote(f"{n}") + f"?v={hashes[n]}"
             for n in ("pictures.rcc", "pictures@2x.rcc", "fonts/mincho-more.ttf")]
    # The site's version: its program files and the list of its content. The
    # page names it, and takes the files.json of its own version.
    listing = json.dumps({"program": program, "content": content}, ensure_ascii=False,
                         sort_keys=True)
    version = hashlib.sha256("".join(versioned + packs + [listing]).encode()).hexdigest()[:16]
    (site / "files.json").write_text(
        # Compact: every device fetches it at every start.
        json.dumps({"version": version, "build": build, "program": program, "content": content},
                   ensure_ascii=False, separators=(",", ":")),
        encoding="utf-8")
    page = (HERE / "index.html.in").read_text(encoding="utf-8")
    for name in ("qtloader.js", "mirosuta.js", "page.js", "icon-192.png", "manifest.webmanifest"):
        page = page.replace(f"@{name}@", hashes[name])
    page = page.replace("@VERSION@", version)
    (site / "index.html").write_text(page, encoding="utf-8")

    # What the worker precaches, each checked against its SHA-256: the
    # addresses hold their hash; the page, at its one address, its build's
    # version as its revision.
    precache = [{"url": url, "revision": None, "integrity": integrity(site / name)}
                for url, name in zip(versioned, precached)]
    precache.append({"url": f"files.json?v={version}", "revision": None,
                     "integrity": integrity(site / "files.json")})
    precache.append({"url": "index.html", "revision": version,
                     "integrity": integrity(site / "index.html")})
    worker = (HERE / "sw.js.in").read_text(encoding="utf-8")
    worker = worker.replace("@VERSION@", version)
    worker = worker.replace("@PRECACHE@", json.dumps(precache, indent=1))
    worker = worker.replace("@PACKS@", json.dumps(packs))
    worker = worker.replace("@CONTENT@", json.dumps([c["path"] for c in content],
                                                    ensure_ascii=False))
    bundle_worker(node_modules, worker, site / "sw.js")
    print(f"site: {site} ({len(content)} content files, version {version}, build {build})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
