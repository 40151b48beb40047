#!/usr/bin/env python3
"""Installs, upgrades and removes the Windows installer under Wine, as a
school's ICT staff would with msiexec, and looks at what each step leaves.

    windows-msi-tests.py MSI FOLDER ICON SHOTS

MSI is the installer built by scripts/windows, FOLDER the packed program
folder it was made from (an older version of the installer is made from it
for the upgrade), ICON the program's icon, SHOTS the folder for the
screenshots. Runs on an X display (xvfb-run) in the Wine prefix of the
environment.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
SETTING = r"HKLM\Software\Mirosuta"
# A share's name in a school, with a space and Japanese, on a drive of its own.
SCHOOL = "学校の 教材"

failures = []


def check(ok, what):
    print(f"{'ok  ' if ok else 'FAIL'}  {what}", flush=True)
    if not ok:
        failures.append(what)


# Wine hands Japanese arguments to Windows programs through the locale's encoding.
os.environ["LC_ALL"] = "C.UTF-8"


def wine(*args, timeout=300):
    return subprocess.run(["wine", *args], capture_output=True, timeout=timeout, text=True,
                          errors="replace")


def winpath(path):
    return subprocess.run(["winepath", "-w", path], check=True, capture_output=True,
                          text=True).stdout.strip()


def unix_path(windows):
    return subprocess.run(["winepath", "-u", windows], check=True, capture_output=True,
                          text=True).stdout.strip()


def msiexec(*args):
    """msiexec's status; Wine waits for it when started directly."""
    args = [winpath(a) if a.endswith(".msi") else a for a in args]
    result = wine("msiexec", *args, timeout=600)
    subprocess.run(["wineserver", "-w"])
    return result.returncode


def registry(key):
    """The key and its subkeys as reg export writes them (in UTF-16, which
    keeps the Japanese that reg query's console output loses), or None."""
    target = winpath(os.path.join(tempfile.gettempdir(), "mirosuta-msi-test.reg"))
    if wine("reg", "export", key, target, "/y").returncode != 0:
        return None
    path = unix_path(target)
    with open(path, encoding="utf-16") as f:
        text = f.read()
    os.remove(path)
    return text


def product_entries():
    """The entries of Apps and features named ミロスタ, each as its text."""
    blocks = re.split(r"\n(?=\[)", registry(UNINSTALL) or "")
    return [b for b in blocks if '"DisplayName"="ミロスタ"' in b]


def window_names():
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True,
                          errors="replace").stdout
    return re.findall(r'0x[0-9a-f]+ "([^"]*)"', tree)


def run_program(exe, args, shot=None, wait_for=None):
    """Starts the program under Wine, waits for a window of that name, shoots
    the display and ends it. Returns the names of its windows."""
    proc = subprocess.Popen(["wine", exe, *args], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    names = []
    for _ in range(90):
        time.sleep(1)
        names = window_names()
        if wait_for and any(wait_for in n for n in names):
            break
    time.sleep(2)
    if shot:
        subprocess.run(["import", "-window", "root", shot], check=True)
    subprocess.run(["wineserver", "-k"])
    proc.wait(timeout=60)
    return names


def main():
    msi, folder, icon, shots = sys.argv[1:5]
    program_files = unix_path(r"C:\Program Files")
    installed = os.path.join(program_files, "ミロスタ")
    # The Start menu of all users; Wine's msi puts a per-machine product's
    # shortcuts into the installing user's.
    menus = [unix_path(r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs"),
             unix_path(r"C:\users\%s\AppData\Roaming\Microsoft\Windows\Start Menu\Programs"
                       % os.environ.get("USER", "root"))]
    names = ("ミロスタ.lnk", "ミロスタ（大画面）.lnk")
    shortcuts = [os.path.join(m, n) for m in menus for n in names]
    school = os.path.join(unix_path("C:\\"), SCHOOL)
    school_win = "C:\\" + SCHOOL

    # Whatever an earlier run left.
    msiexec("/x", msi, "/qn")
    shutil.rmtree(school, ignore_errors=True)

    with tempfile.TemporaryDirectory() as work:
        old = os.path.join(work, "mirosuta-old.msi")
        subprocess.run([sys.executable, os.path.join(ROOT, "packaging/windows/make_msi.py"),
                        folder, icon, "0.9.0", old], check=True, stdout=subprocess.DEVNULL)

        # The school's folder: the shipped content, one text edited by a teacher.
        for sub in ("説明", "画像", "音"):
            shutil.copytree(os.path.join(folder, sub), os.path.join(school, sub))
        start_text = os.path.join(school, "説明", "メニュー", "msg1.txt")
        with open(start_text, "wb") as f:
            f.write("学校の教材フォルダーの文章です。\r\n".encode("cp932"))

        status = msiexec("/i", old, "/qn", f"CONTENTFOLDER={school_win}")
        check(status == 0, f"the older installer installs silently (status {status})")
        check(os.path.isfile(os.path.join(installed, "mirosuta.exe")),
              "the program lies in Program Files\\ミロスタ")
        check(any(all(os.path.isfile(os.path.join(m, n)) for n in names) for m in menus),
              "the Start menu holds ミロスタ and ミロスタ（大画面）")
        setting = registry(SETTING) or ""
        check(f'"ContentFolder"="C:\\\\{SCHOOL}"' in setting,
              "the content folder named at install is recorded")
        entries = product_entries()
        check(len(entries) == 1 and "0.9.0" in entries[0], "Apps and features lists it once")

        status = msiexec("/i", msi, "/qn")
        check(status == 0, f"the newer installer upgrades silently (status {status})")
        entries = product_entries()
        check(len(entries) == 1, f"after the upgrade Apps and features lists it once ({len(entries)})")
        entry = entries[0] if entries else ""
        for field, pattern in (("Publisher", r'"Publisher"="ミロスタ開発チーム"'),
                               ("DisplayVersion", r'"DisplayVersion"="(?!0\.9\.0)\d')):
            check(re.search(pattern, entry) is not None, f"the entry has its {field}")
        check(SCHOOL in (registry(SETTING) or ""), "the upgrade keeps the content folder")

        # The installed checker reads the school's folder by default.
        report = wine(os.path.join(installed, "mirosuta-check.exe")).stdout.strip()
        summary = report.splitlines()[-1] if report else "(nothing printed)"
        check(SCHOOL in report, f"mirosuta-check checks the school's folder: {summary}")

        # The program shows はじめに with the school's text.
        names = run_program(os.path.join(installed, "mirosuta.exe"), [],
                            os.path.join(shots, "windows-msi-スタート.png"), "はじめに")
        check("はじめに" in names, "the installed program shows はじめに")
        # A text missing there is reported by its path: no falling back to
        # the texts beside the program.
        os.remove(start_text)
        names = run_program(os.path.join(installed, "mirosuta.exe"), [],
                            os.path.join(shots, "windows-msi-report.png"), "ミロスタ")
        check("ミロスタ" in names and "はじめに" not in names,
              "a text missing in the school's folder is reported, not read from beside the program")

        status = msiexec("/x", msi, "/qn")
        check(status == 0, f"the installer removes it silently (status {status})")
        check(not os.path.exists(installed), "nothing is left in Program Files")
        check(not any(os.path.exists(s) for s in shortcuts), "no shortcut is left")
        check(registry(SETTING) is None, "no setting is left")
        check(not product_entries(), "Apps and features lists it no more")
    shutil.rmtree(school, ignore_errors=True)
    print(f"{'all passed' if not failures else str(len(failures)) + ' failed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
