# shellcheck shell=bash
# The long steps of scripts/windows and scripts/browser (ICU, Qt, the
# program): their headings and times, their stamps, and their progress.
# Sourced by both; bash reads a sourced file whole before running it, so
# editing this file during a long build cannot change that build.

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# --- Headings and times ---------------------------------------------------------
step_started=
# A step's heading; the step before it, if still open, ends first.
step() {
  step_done
  printf '\n== %s\n' "$*"
  step_started=$SECONDS
}
# Ends the open step with its elapsed time.
step_done() {
  [ -n "$step_started" ] || return 0
  printf '   took %s\n' "$(duration $((SECONDS - step_started)))"
  step_started=
}
duration() {
  local s=$1
  if [ "$s" -ge 3600 ]; then
    printf '%d h %02d min' $((s / 3600)) $((s % 3600 / 60))
  elif [ "$s" -ge 60 ]; then
    printf '%d min %02d s' $((s / 60)) $((s % 60))
  else
    printf '%d s' "$s"
  fi
}
clock() { printf '%d:%02d' $(($1 / 60)) $(($1 % 60)); }

# --- Stamps ---------------------------------------------------------------------
# A step's inputs are the text that, when it changes, sends the step back to a
# fresh configure: the source package's version, the configure flags one a
# line, and each patch's name and hash. The build folder keeps them in
# .inputs once configured; what the step installs keeps them in .complete.
# They are compared whole, so any change counts, and nothing else does.
stamp_matches() { # FILE INPUTS
  [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]
}
# The Debian version of an unpacked source package.
source_version() { # DIR
  sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$1/debian/changelog"
}
patch_line() { # FILE
  printf 'patch %s %s\n' "$(basename "$1")" "$(sha256sum <"$1" | cut -d' ' -f1)"
}
# True when the build folder was configured with these inputs: its build
# goes on where the last run stopped. Otherwise says why it starts afresh.
resumable() { # DIR INPUTS
  if stamp_matches "$1/.inputs" "$2"; then
    echo "   going on with the build in $1 (the same flags, source and patches)"
    return 0
  fi
  if [ -f "$1/.inputs" ]; then
    echo "   configuring afresh: the inputs changed since $1 was configured"
    diff "$1/.inputs" <(printf '%s\n' "$2") | sed -n 's/^</     was/p; s/^>/     now/p'
  elif [ -e "$1" ]; then
    echo "   configuring afresh: $1 was not configured to the end"
  fi
  return 1
}

# Caches made before the stamps held their inputs marked a finished install
# with an empty stamp. Such an install is kept, its stamp given today's
# inputs, only when its build folder shows that it was made from them: the
# flags that configure recorded there (RECORDED, from configured_flags) are
# today's, and CHECK, if given, succeeds. Otherwise it is built again.
adopt_old_install() { # STAMP INPUTS RECORDED [CHECK...]
  local stamp=$1 inputs=$2 recorded=$3
  shift 3
  [ -f "$stamp" ] && [ ! -s "$stamp" ] || return 1
  [ -n "$recorded" ] && [ "$recorded" = "$(grep -vE '^(source|patch|data) ' <<<"$inputs")" ] || return 1
  [ $# -eq 0 ] || "$@" || return 1
  printf '%s\n' "$inputs" | as_root tee "$stamp" >/dev/null
  step_done
  echo "Kept $(dirname "$stamp"), built by an older script with the same flags"
}
# The flags a build folder was configured with, one a line, as configure
# recorded them: Qt's config.opt, or autoconf's config.status without the
# variables it adds.
configured_flags() { # DIR
  if [ -f "$1/config.opt" ]; then
    cat "$1/config.opt"
  elif [ -f "$1/config.status" ]; then
    eval "set -- $(sh "$1/config.status" --config)"
    printf '%s\n' "$@" | grep -vE '^[A-Za-z_]+='
  fi
}
# True when ninja (the command given) has nothing left to build.
nothing_to_build() { # NINJA...
  [ "$("$@" -n 2>/dev/null | tail -n1)" = "ninja: no work to do." ]
}

# --- Progress -------------------------------------------------------------------
# Reads a build's output and shows how far it is: ninja's [n/N], or, given a
# command, what that command prints, asked once a second. On a terminal the
# line is rewritten in place each second; in a log or a pipe a line is
# written at most once a minute. The last state is written at the end.
show_progress() { # [COMMAND ARGS...]
  local part line buf='' status='' tty=0 start=$SECONDS last=$SECONDS tick=-1 rc
  [ -t 1 ] && tty=1
  while :; do
    if IFS= read -r -t 1 part; then
      line=$buf$part
      buf=
    else
      rc=$?
      # A time-out keeps the part of a line read so far.
      if [ $rc -gt 128 ]; then
        buf+=$part
        line=
      else
        line=$buf$part
        [[ $line =~ ^\[([0-9]+/[0-9]+)\] ]] && status="[${BASH_REMATCH[1]}]"
        break
      fi
    fi
    [[ $line =~ ^\[([0-9]+/[0-9]+)\] ]] && status="[${BASH_REMATCH[1]}]"
    [ $SECONDS -ne $tick ] || continue
    tick=$SECONDS
    [ $# -eq 0 ] || status=$("$@")
    if [ $tty -eq 1 ]; then
      printf '\r   %s  %s\033[K' "$status" "$(clock $((SECONDS - start)))"
    elif [ $((SECONDS - last)) -ge 60 ]; then
      printf '   %s  %s\n' "$status" "$(clock $((SECONDS - start)))"
      last=$SECONDS
    fi
  done
  [ $# -eq 0 ] || status=$("$@")
  if [ $tty -eq 1 ]; then
    printf '\r   %s  %s\033[K\n' "$status" "$(clock $((SECONDS - start)))"
  else
    printf '   %s  %s\n' "$status" "$(clock $((SECONDS - start)))"
  fi
}

# ICU's makefiles print no count of their own. Its progress is the objects
# built so far against the sources listed (sources.txt) in the folders being
# built; a source counts once whether built static (.ao) or shared (.o), and
# what is already there from an interrupted run counts too.
icu_objects() { # BUILD SRC DIR...
  local build=$1 src=$2 d n=0 total=0 s o
  shift 2
  for d in "$@"; do
    [ -f "$src/$d/sources.txt" ] || continue
    s=$(grep -c . "$src/$d/sources.txt")
    o=$(find "$build/$d" -maxdepth 1 \( -name '*.o' -o -name '*.ao' \) 2>/dev/null |
      sed 's/\.a\{0,1\}o$//' | sort -u | wc -l)
    total=$((total + s))
    n=$((n + (o < s ? o : s)))
  done
  printf '%s/%s objects' "$n" "$total"
}
# The tools' folders that ICU's makefiles build.
icu_tool_dirs() { # SRC
  sed -n '/^SUBDIRS *=/,/[^\\]$/p' "$1/tools/Makefile.in" | sed 's/^SUBDIRS *=//; s/\\//' |
    tr -s ' \t' '\n' | sed -n 's|^\(.\)|tools/\1|p'
}

# Runs a command with its output in a log, showing its progress; on failure
# shows the end of the log and ends the script.
#   logged LOG COMMAND...                          ninja's [n/N]
#   logged --icu BUILD SRC 'DIR...' LOG COMMAND...   ICU's objects
logged() {
  local count=() rc
  if [ "$1" = --icu ]; then
    read -r -a count <<<"$4"
    count=(icu_objects "$2" "$3" "${count[@]}")
    shift 4
  fi
  local log=$1
  shift
  set +e
  "$@" 2>&1 | tee "$log" | show_progress "${count[@]}"
  rc=${PIPESTATUS[0]}
  set -e
  if [ "$rc" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "failed; the whole log: $log" >&2
    exit 1
  fi
}
