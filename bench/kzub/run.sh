#!/usr/bin/env bash
# kzub's time for 1,000,000 comments (--count 1000000 --seed 1) into
# /dev/null, into a file and through a pipe into cat, beside the composer
# alone (kz_compose_alone: the same comments, nothing written), all in one
# run. Each figure is the median of KZ_BENCH_ROUNDS rounds (default 5), the
# rounds taken in turns so that a busy moment of the machine falls on all.
# Other kzub programs given as arguments (an earlier build, say) are timed
# in the same rounds, side by side, and their file output compared.
#   bench/kzub/run.sh [OTHER_KZUB...]
set -euo pipefail
cd "$(dirname "$0")/../.."
kzubs=("$PWD/build/native/tools/kzub/kzub" "$@")
alone=build/native/bench/kz_compose_alone
count=1000000
seed=1
rounds=${KZ_BENCH_ROUNDS:-5}
work=$(mktemp -d build/native/kzub-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Runs kzub number $1 into $2 (null, file or pipe); its file output is kept.
into() {
  local kzub=${kzubs[$1]}
  case $2 in
    null) "$kzub" --count $count --seed $seed >/dev/null ;;
    file) "$kzub" --count $count --seed $seed >"$work/out.$1" ;;
    pipe) "$kzub" --count $count --seed $seed | cat >/dev/null ;;
  esac
}

# Microseconds of CPU time (user and system) the shell's children have
# taken so far; `times` runs in this shell, not in a subshell, to see them.
cpu() {
  times >"$work/times"
  tail -1 "$work/times" | awk '{
    n = 0
    for (f = 1; f <= 2; ++f) { split($f, p, /[ms]/); n += p[1] * 60 + p[2] }
    printf "%d\n", n * 1e6 }'
}

# Appends the wall-clock and the CPU microseconds "$@" takes to $work/$1.
timed() {
  local name=$1 start=${EPOCHREALTIME/./} cpuStart cpuEnd
  cpu >"$work/cpu"
  read -r cpuStart <"$work/cpu"
  shift
  "$@"
  local wall=$((${EPOCHREALTIME/./} - start))
  cpu >"$work/cpu"
  read -r cpuEnd <"$work/cpu"
  echo "$wall $((cpuEnd - cpuStart))" >>"$work/$name"
}

# The median wall-clock and CPU seconds of the runs in $work/$1.
median() {
  local field
  for field in 1 2; do
    sort -n -k$field "$work/$1" | awk -v f=$field '{t[NR] = $f} END {printf "%.2f ", t[int((NR + 1) / 2)] / 1e6}'
  done
}

modes=(null file pipe)
for ((r = 0; r < rounds; ++r)); do
  timed alone "$alone" $count $seed >/dev/null
  for mode in "${modes[@]}"; do
    for i in "${!kzubs[@]}"; do timed "$mode.$i" into "$i" "$mode"; done
  done
done

echo "kzub: $count comments (--count $count --seed $seed); median of $rounds runs in turns;"
echo "wall-clock seconds (CPU seconds, the pipe's cat included)"
header=$(printf '  %-22s %-14s' "" "this kzub")
for ((i = 1; i < ${#kzubs[@]}; ++i)); do header+=$(printf ' %-14s %-8s' "other $i" "this/$i"); done
echo "$header"
row() {  # label, then the names of the files of the columns
  local label=$1 line first
  shift
  read -r w c <<<"$(median "$1")"
  first=$w
  line=$(printf '  %-22s %-14s' "$label" "$w ($c)")
  shift
  for name in "$@"; do
    read -r w c <<<"$(median "$name")"
    line+=$(printf ' %-14s %-8s' "$w ($c)" "$(awk -v a="$first" -v b="$w" 'BEGIN {printf "%.2fx", a / b}')")
  done
  echo "$line"
}
row "composer alone" alone
declare -A label=([null]="into /dev/null" [file]="into a file" [pipe]="a pipe into cat")
for mode in "${modes[@]}"; do
  names=()
  for i in "${!kzubs[@]}"; do names+=("$mode.$i"); done
  row "${label[$mode]}" "${names[@]}"
done
for ((i = 1; i < ${#kzubs[@]}; ++i)); do
  if cmp -s "$work/out.0" "$work/out.$i"; then same="the same output"; else same="DIFFERENT output"; fi
  echo "  other $i: ${kzubs[$i]}: $same"
done
