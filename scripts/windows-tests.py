#!/usr/bin/env python3
"""Runs the tests of a Windows cross build under Wine: all of them, or those
named after the build folder.

The tests, their arguments and their environment come from CTest (one list
for both platforms). Wine does not hand the Linux environment's QT_ variables
to the program, so each test runs from a batch file that sets them first.

On Windows the offscreen platform has no font database of its own; it reads
the fonts of QT_QPA_FONTDIR with FreeType, as Linux does. The tests that
measure text against its panel run once more on the windows platform, with
Windows' own font engine, on the X display this runs on; so does the drag of
a drawing by the system's own pointer, which needs real windows.
"""
import json
import os
import re
import subprocess
import sys
import time

MINCHO_DIR = "/usr/share/fonts/opentype/ipaexfont-mincho"
# Test classes run once more on the windows platform: (executable, class, why).
ON_WINDOWS_PLATFORM = [("test_shell", "ContentTest", "Windows fonts"),
                       ("test_check", "CheckerTest", "Windows fonts"),
                       ("test_lattice", "SystemPointerTest", "Windows' own pointer")]


def winpath(path):
    return subprocess.run(["winepath", "-w", path], check=True, capture_output=True,
                          text=True).stdout.strip()


def main():
    build = sys.argv[1]
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                             capture_output=True, text=True).stdout
    tests = json.loads(listing)["tests"]
    # Named tests only, when some are named (a rerun of one that failed).
    if len(sys.argv) > 2:
        tests = [t for t in tests if t["name"] in sys.argv[2:]]
    # Qt Test's output reaches the terminal only with this on Windows. Under
    # Wine on a busy machine a test function runs ten times slower than on
    # Linux, and Qt 6.4's watchdog can count a function's data rows together
    # when its thread wakes late (6.8 counts each row): the shell's walk of
    # every press on every screen took 11 minutes. The functions get a little
    # less than each test's own time-out below, which still ends a hang.
    common = ["QT_FORCE_STDERR_LOGGING=1", f"QT_QPA_FONTDIR={winpath(MINCHO_DIR)}",
              "QTEST_FUNCTION_TIMEOUT=1400000"]
    runs = []
    for test in tests:
        command = test["command"]
        # CTest puts the emulator (Wine) first; cmd is started under Wine below.
        while command and not command[0].lower().endswith(".exe"):
            command = command[1:]
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = list(props.get("ENVIRONMENT", [])) + common
        runs.append((test["name"], command, env, props))
        for exe, cls, why in ON_WINDOWS_PLATFORM:
            if test["name"] == exe:
                runs.append((f"{exe} {cls} ({why})", command,
                             env + ["QT_QPA_PLATFORM=windows", f"MIROSUTA_TEST_CLASS={cls}"], props))
    passed, failed = [], []
    for name, command, env, props in runs:
        # Wine runs the shell's walks of every screen several times slower than
        # Linux: about 40 minutes for test_shell with the two cores shared.
        timeout = float(props.get("TIMEOUT", 3600))
        cwd = props.get("WORKING_DIRECTORY", os.path.dirname(command[0]))
        # A batch file, since Wine would escape the quotes of a cmd /c line.
        batch = os.path.join(build, "wine-" + name.split()[0] + ".cmd")
        with open(batch, "w", newline="\r\n") as f:
            f.write("@echo off\n")
            for e in env:
                f.write(f"set {e}\n")
            f.write(" ".join(f'"{winpath(a) if i == 0 else a}"' for i, a in enumerate(command)))
            f.write("\nexit /b %ERRORLEVEL%\n")
        start = time.monotonic()
        try:
            result = subprocess.run(["wine", "cmd", "/c", winpath(batch)], cwd=cwd,
                                    timeout=timeout, capture_output=True, text=True,
                                    errors="replace")
            output = result.stdout + result.stderr
            # A class that ran nothing has failed, whatever the exit code says.
            ok = result.returncode == 0 and not re.search(r"^Totals: 0 passed, 0 failed", output,
                                                          re.M)
        except subprocess.TimeoutExpired as e:
            ok = False
            output = f"timed out after {timeout:.0f} s\n" + (e.stdout or b"").decode(errors="replace")
        seconds = time.monotonic() - start
        print(f"{'Passed' if ok else 'FAILED'}  {name}  {seconds:.1f} s", flush=True)
        if not ok:
            print(output[-20000:])
            failed.append(name)
        else:
            passed.append(name)
    print(f"{len(passed)} passed, {len(failed)} failed")
    return 0 if not failed else 1


if __name__ == "__main__":
    sys.exit(main())
