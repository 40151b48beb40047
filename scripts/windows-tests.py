#!/usr/bin/env python3
"""Runs the tests of a Windows cross build under Wine.

The tests, their arguments and their environment come from CTest (one list
for both platforms). Wine does not hand the Linux environment's QT_ variables
to the program, so each test runs as `cmd /c "set A=1&& ... test.exe"`.
"""
import json
import os
import subprocess
import sys
import time

# Qt Test's output reaches the terminal only with this on Windows.
EXTRA_ENV = ["QT_FORCE_STDERR_LOGGING=1"]


def winpath(path):
    return subprocess.run(["winepath", "-w", path], check=True, capture_output=True,
                          text=True).stdout.strip()


def main():
    build = sys.argv[1]
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                             capture_output=True, text=True).stdout
    tests = json.loads(listing)["tests"]
    passed, failed = [], []
    for test in tests:
        command = test["command"]
        # CTest puts the emulator (Wine) first; cmd is started under Wine below.
        while command and not command[0].lower().endswith(".exe"):
            command = command[1:]
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        env = list(props.get("ENVIRONMENT", [])) + EXTRA_ENV
        timeout = float(props.get("TIMEOUT", 1500))
        cwd = props.get("WORKING_DIRECTORY", os.path.dirname(command[0]))
        line = "".join(f"set {e}&& " for e in env)
        line += " ".join(f'"{winpath(command[0])}"' if i == 0 else f'"{a}"'
                         for i, a in enumerate(command))
        start = time.monotonic()
        try:
            result = subprocess.run(["wine", "cmd", "/c", line], cwd=cwd, timeout=timeout,
                                    capture_output=True, text=True, errors="replace")
            ok = result.returncode == 0
            output = result.stdout + result.stderr
        except subprocess.TimeoutExpired as e:
            ok = False
            output = f"timed out after {timeout:.0f} s\n" + (e.stdout or b"").decode(errors="replace")
        seconds = time.monotonic() - start
        print(f"{'Passed' if ok else 'FAILED'}  {test['name']}  {seconds:.1f} s", flush=True)
        if not ok:
            print(output[-20000:])
            failed.append(test["name"])
        else:
            passed.append(test["name"])
    print(f"{len(passed)} passed, {len(failed)} failed")
    return 0 if not failed else 1


if __name__ == "__main__":
    sys.exit(main())
