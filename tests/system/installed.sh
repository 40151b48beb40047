#!/bin/sh
# Installs the program under a folder whose path has spaces and Japanese
# characters and checks that it starts from anywhere and keeps running.
set -eu
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/ミロスタ 教材/化学 の 授業"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in mirosuta mirosuta-check mirosuta-sound.so 説明/メニュー/msg1.txt 画像/mondai1.gif 画像/問題.txt \
         画像/追加/zns.gif 画像/追加/batio3-ba-o.gif 音/o.wav \
         share/icons/hicolor/32x32/apps/mirosuta.png share/icons/hicolor/64x64/apps/mirosuta.png; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -qF "Exec=\"$prefix/mirosuta\"" "$prefix/share/applications/mirosuta.desktop" \
  || { echo "the desktop entry does not name the installed program"; exit 1; }
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
cd /
status=0
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
  LD_DEBUG_OUTPUT="$work/loader" timeout 3 "$prefix/mirosuta" || status=$?
# 124: still running when the time was up, as a program waiting for the learner should be.
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status"; exit 1; }
# The sound module is loaded from beside the installed program once it has started.
grep -qF "$prefix/mirosuta-sound.so" "$work"/loader.* \
  || { echo "the installed program did not load its sound module"; exit 1; }
# The content checker finds the installed content beside itself, and nothing wrong with it.
report=$(cd / && XDG_RUNTIME_DIR="$work/runtime" "$prefix/mirosuta-check" 2>/dev/null) \
  || { echo "the installed checker found problems: $report"; exit 1; }
printf '%s\n' "$report" | grep -qF "$prefix の文章 52 個、画像 7 個、音 3 個を調べました。問題はありません。" \
  || { echo "the installed checker did not check its own folder: $report"; exit 1; }
echo "1 passed, 0 failed: installed under '$prefix', running, and its content checks clean"
