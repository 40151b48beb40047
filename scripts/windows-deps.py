#!/usr/bin/env python3
"""Completes a Windows program folder with the DLLs its programs import.

Every .exe and .dll in the folder (and its plugin folders) is read with
objdump -p; each imported DLL must be in the folder, be part of Windows, or be
found in one of the search folders, from which it is copied (and read in
turn). A DLL found nowhere fails the packing, so that no user meets it.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys

# DLLs that every 64-bit Windows 10 and 11 has.
WINDOWS_DLLS = {
    "advapi32.dll", "authz.dll", "bcrypt.dll", "cfgmgr32.dll", "comctl32.dll",
    "comdlg32.dll", "crypt32.dll", "d3d9.dll", "d3d11.dll", "d3d12.dll", "dwmapi.dll",
    "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "iphlpapi.dll", "kernel32.dll",
    "mpr.dll", "msimg32.dll", "msvcrt.dll", "netapi32.dll", "ntdll.dll", "ole32.dll",
    "oleaut32.dll", "rpcrt4.dll", "secur32.dll", "setupapi.dll", "shcore.dll",
    "shell32.dll", "shlwapi.dll", "ucrtbase.dll", "user32.dll", "userenv.dll",
    "uxtheme.dll", "version.dll", "winmm.dll", "winspool.drv", "ws2_32.dll",
    "wtsapi32.dll",
}


def imports(objdump, path):
    text = subprocess.run([objdump, "-p", str(path)], check=True, capture_output=True,
                          text=True).stdout
    return re.findall(r"^\s*DLL Name:\s*(\S+)\s*$", text, re.MULTILINE)


def is_windows_dll(name):
    low = name.lower()
    return low in WINDOWS_DLLS or low.startswith(("api-ms-win-", "ext-ms-"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objdump", required=True)
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--search", nargs="*", type=pathlib.Path, default=[])
    args = parser.parse_args()

    root = args.folder
    present = {p.name.lower() for p in root.glob("*.dll")}
    queue = [p for p in root.rglob("*") if p.suffix.lower() in (".exe", ".dll")]
    seen = set()
    missing = {}
    while queue:
        binary = queue.pop()
        if binary in seen:
            continue
        seen.add(binary)
        for name in imports(args.objdump, binary):
            low = name.lower()
            if low in present or is_windows_dll(name):
                continue
            found = next((d / name for d in args.search if (d / name).is_file()), None)
            if found is None:
                missing.setdefault(name, []).append(binary.relative_to(root).as_posix())
                continue
            shutil.copy2(found, root / name)
            present.add(low)
            queue.append(root / name)
    if missing:
        for name, users in sorted(missing.items()):
            print(f"missing DLL {name}, imported by {', '.join(sorted(users))}", file=sys.stderr)
        return 1
    print(f"{len(seen)} programs and DLLs; every import is in the folder or in Windows")
    return 0


if __name__ == "__main__":
    sys.exit(main())
