#!/usr/bin/env bash
# The main job of VEXA Eletrônica end to end, with the batch program, on a
# fresh program folder:
#   1. lay out the program folder (init);
#   2. register the taxpayers and the accountants the sample file names;
#   3. import the accounting-system file examples/vexa-exemplo.txt;
#   4. check each period's declarations as the export does (validate);
#   5. write each period's submission file (export);
#   6. undo the two compression passes of each file and list its records (qx decode).
# Every step is printed before it runs; the script stops at the first one that fails.
#
#   bash examples/run-main-job.sh [--bin DIR] [--home DIR] [--out DIR] [--until STEP] [--postgres CONN]
#
#   --bin DIR     folder of vexa-cli (default: build/bin of this checkout)
#   --home DIR    program folder to lay out; it must not hold a database yet
#                 (default: a new temporary folder)
#   --out DIR     where the submission files and their decoded text go
#                 (default: DIR/saida inside the program folder)
#   --until STEP  stop after the step named: init, register, import, validate, export
#                 (default: run every step)
#   --postgres CONN  keep the tables on an empty PostgreSQL database instead of DB/vexa.db
#                 (init --postgres CONN; CONN as "host=servidor dbname=vexa user=vexa")
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$root/build/bin"
home=""
out=""
until="decode"
postgres=""
sample="$root/examples/vexa-exemplo.txt"
periods=(012024 022024 032024)

while [ $# -gt 0 ]; do
  case "$1" in
    --bin) bin="$2"; shift 2 ;;
    --home) home="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --until) until="$2"; shift 2 ;;
    --postgres) postgres="$2"; shift 2 ;;
    -h|--help) sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "argumento desconhecido: $1 (veja --help)" >&2; exit 2 ;;
  esac
done
case "$until" in init|register|import|validate|export|decode) ;; *)
  echo "--until: init, register, import, validate ou export" >&2; exit 2 ;;
esac

cli="$bin/vexa-cli"
if [ ! -x "$cli" ]; then
  echo "vexa-cli não encontrado em $bin: compile antes (cmake --build build)" >&2
  exit 2
fi
if [ -z "$home" ]; then
  home="$(mktemp -d "${TMPDIR:-/tmp}/vexa-exemplo.XXXXXX")"
fi
if [ -e "$home/DB/vexa.db" ]; then
  echo "a pasta $home já tem um banco de dados: o exemplo precisa de uma pasta nova" >&2
  exit 2
fi
out="${out:-$home/saida}"

step() {
  printf '\n==> vexa-cli --home %s' "$home"
  printf ' %q' "$@"
  printf '\n'
  "$cli" --home "$home" "$@"
}
done_if() { [ "$until" = "$1" ] && { printf '\nPasta do programa: %s\n' "$home"; exit 0; }; return 0; }

echo "VEXA Eletrônica: o trabalho principal de ponta a ponta"
echo "Pasta do programa: $home"

# 1. The program folder.
if [ -n "$postgres" ]; then
  step init --postgres "$postgres"
else
  step init
fi
done_if init

# 2. The accountants and the taxpayers of the sample file.
step accountant add --crc QX014512 --uf QX --name "Maria Helena Souza" --cpf 529.982.247-25 \
  --email helena@contabilverdal.qx --phone 6532214455
step accountant add --crc QX020871 --uf QX --name "João Pedro Alves" --cpf 168.995.350-09 \
  --email joao.alves@escritorioalves.qx --phone 6533047810
step taxpayer add --ie 29.310.452-2 --name "Supermercado Boa Colheita Ltda" --doc 18.345.672/0001-02 \
  --activity 4711302 --uf QX --municipality 2900013 --email fiscal@boacolheita.qx --password bc24 \
  --regime N --kind M --books C --ecf
step taxpayer add --ie 29.411.783-0 --name "Auto Posto Vereda Ltda" --doc 27.451.983/0001-39 \
  --activity 4731800 --uf QX --municipality 2900005 --email posto@vereda.qx --password pv24 \
  --regime N --kind U --books F --ecf
step taxpayer add --ie 29.522.064-3 --name "Padaria Pão Dourado Ltda ME" --doc 31.620.745/0001-87 \
  --activity 1091102 --uf QX --municipality 2900009 --email contato@paodourado.qx --password pd24 \
  --regime S --kind U --books F --ecf
step taxpayer add --ie 29.633.125-2 --name "Serra Azul Indústria de Móveis S.A." --doc 42.738.016/0001-46 \
  --activity 3101200 --uf QX --municipality 2900025 --email fiscal@serraazul.qx --password sa24 \
  --regime N --kind M --books C --tare
step taxpayer add --ie 29.744.306-2 --name "Transportes Rio Claro Ltda" --doc 53.849.127/0001-46 \
  --activity 4930202 --uf QX --municipality 2900018 --email fiscal@rioclaro.qx --password rc24 \
  --regime N --kind U --books C
done_if register

# 3. The accounting-system file: one answer per declaration.
step import "$sample"
step declaration list
done_if import

# 4. The export's checks, period by period: 0 nothing to report.
for p in "${periods[@]}"; do
  step validate --period "$p" --report "$out/criticas-$p.html"
done
done_if validate

# 5. One submission file per period, every declaration of the period in it.
mkdir -p "$out"
for p in "${periods[@]}"; do
  step export --period "$p" -o "$out/VEXA$p.qx"
done
done_if export

# 6. Both compression passes undone; the records of each file by segment.
for p in "${periods[@]}"; do
  step qx decode "$out/VEXA$p.qx" -o "$out/VEXA$p.txt"
  printf 'VEXA%s.qx: %s bytes compactados, %s registros:' "$p" "$(wc -c < "$out/VEXA$p.qx")" \
    "$(LC_ALL=C grep -c '' "$out/VEXA$p.txt")"
  cut -c1 "$out/VEXA$p.txt" | sort | uniq -c | awk '{ printf " %s×%s", $2, $1 } END { print "" }'
  # The declarations in the file, from segment A's header: IE, period, rectification.
  LC_ALL=C grep -a '^A' "$out/VEXA$p.txt" | LC_ALL=C awk '{
    printf "  IE %s.%s.%s-%s  período %s/%s  retificação %s\n",
      substr($0, 2, 2), substr($0, 4, 3), substr($0, 7, 3), substr($0, 10, 1),
      substr($0, 13, 2), substr($0, 15, 4), substr($0, 19, 2) }'
done

printf '\nPronto. Pasta do programa: %s\nArquivos de entrega: %s\n' "$home" "$out"
