#!/bin/sh
# Starts the installed VEXA Eletrônica: installed as /usr/bin/vexa it starts the
# desktop program, as /usr/bin/vexa-cli the batch program, both from
# /usr/lib/vexa.
#
# An installed program has no folder of its own that the user may write to, so
# the program folder (the database DB/, Config, Log.txt, the delivered files)
# is the user's: --home PASTA, else VEXA_HOME, else
# ${XDG_DATA_HOME:-~/.local/share}/vexa. That last one is laid out with a new
# database (vexa-cli init) the first time a program needs it; a folder named by
# --home or VEXA_HOME is never laid out here.
set -eu

name=$(basename -- "$0")
case "$name" in
  vexa-cli) ;;
  *) name=vexa ;;
esac
lib=$(dirname -- "$(readlink -f -- "$0")")/../lib/vexa

# --home is read before the batch program's command only; help and version
# never act, so they lay nothing out.
named=no
acting=yes
command=""
want_home=no
for arg in "$@"; do
  if [ "$want_home" = yes ]; then
    named=yes
    want_home=no
    continue
  fi
  case "$arg" in
    -h | --help) acting=no ;;
    --version) [ -n "$command" ] || acting=no ;;
    --home) [ -n "$command" ] || want_home=yes ;;
    --home=*) [ -n "$command" ] || named=yes ;;
    -*) ;;
    *) [ -n "$command" ] || command=$arg ;;
  esac
done

if [ "$named" = no ] && [ -z "${VEXA_HOME:-}" ]; then
  data=${XDG_DATA_HOME:-}
  case "$data" in
    /*) ;;
    *) data=$HOME/.local/share ;;
  esac
  VEXA_HOME=$data/vexa
  export VEXA_HOME
  # First start: no database folder yet. init lays out its own folder, the
  # submission-file commands (qx) work on the files named only.
  if [ "$acting" = yes ] && [ ! -d "$VEXA_HOME/DB" ]; then
    if [ "$name" = vexa ] || { [ "$command" != init ] && [ "$command" != qx ] && [ -n "$command" ]; }; then
      "$lib/vexa-cli" --home "$VEXA_HOME" init >&2 ||
        echo "vexa: não foi possível preparar a pasta do programa $VEXA_HOME" >&2
    fi
  fi
fi

exec "$lib/$name" "$@"
