#!/usr/bin/env bash
# Whole-process timings of the batch tool against the floors it is held to,
# measured side by side in one run so that any machine can re-measure them:
#   trace --plot, plan, cut (the commands that only compute; cut writes to
#                   /dev/null through a name ending in .dxf)
#                   against a bare QCoreApplication        (goal: at most 1.5x)
#   cut to a file on the disk, for information: the same plus the safe save's
#                   two syncs to the disk (the file's, then its folder's),
#                   whose cost is the disk's, not the program's
#   trace           against a bare QApplication that measures one font (1.1x)
#   render          against gnuplot drawing the same profile to a 900x465 PNG
#                   (1.15x), and its peak memory (30 MB)
#   book            against BM_Book (the same book built in an already running
#                   program, its mean real time, run in the same round)
#                   plus a bare QApplication's start (1.3x); the book goes
#                   to /dev/null, as BM_Book writes nothing
#   book to a file on the disk, for information, as cut
# Each round runs every command once, in turn, so that a busy machine slows
# them alike; the medians of the rounds are compared.
#
# usage: bench/startup.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 31)
# gnuplot is optional (Debian: gnuplot-nox): without it, render is compared
# with nothing and its line says so.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
rounds=${2:-31}
cli=$build/quarvel-cli
[[ -x $cli ]] || cli=$build/cli/quarvel-cli
[[ -x $cli ]] || { echo "no $cli: build quarvel-cli first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The bare programs: what any Qt program of each kind pays before its work.
cat >"$work/bare_core.cpp" <<'EOF'
#include <QCoreApplication>
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return 0;
}
EOF
cat >"$work/bare_app.cpp" <<'EOF'
#include <QApplication>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
EOF
cat >"$work/bare_font.cpp" <<'EOF'
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <cstdio>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    std::printf("%d\n", QFontMetrics(font).horizontalAdvance(QStringLiteral("1000")));
    return 0;
}
EOF
for p in bare_core:Qt6Core bare_app:Qt6Widgets bare_font:Qt6Widgets; do
    # shellcheck disable=SC2046
    g++ -std=c++17 -O2 -fPIC -o "$work/${p%%:*}" "$work/${p%%:*}.cpp" \
        $(pkg-config --cflags --libs "${p#*:}")
done

printf '60 140 70 140 244 140 70 60\r\n' >"$work/design.qvl"
ln -s /dev/null "$work/null.dxf"
ln -s /dev/null "$work/null.pdf"

# The profile gnuplot draws: the points trace computes, one "x y" a line.
"$cli" trace --plot 745x323 "$work/design.qvl" >"$work/trace.json"
python3 - "$work/trace.json" >"$work/profile.dat" <<'EOF'
import json, sys
for p in json.load(open(sys.argv[1]))["points"]:
    print(p[0], p[1])
EOF
gnuplot_cmd=()
if command -v gnuplot >/dev/null; then
    terminal=pngcairo
    gnuplot -e "set terminal pngcairo" >/dev/null 2>&1 || terminal=png
    gnuplot_cmd=(gnuplot -e "set terminal $terminal size 900,465; set output '$work/profile.png';
        set title 'Ecrivez votre titre ici.'; plot '$work/profile.dat' with lines notitle")
fi

bench=$build/quarvel-bench
[[ -x $bench ]] || bench=$build/bench/quarvel-bench
[[ -x $bench ]] || { echo "no $bench: build quarvel-bench first" >&2; exit 2; }

names=(bare-core trace-plot plan cut cut-disk bare-font trace render bare-app book book-disk bm-book)
commands=(
    "$work/bare_core"
    "$cli trace --plot 745x323 $work/design.qvl"
    "$cli plan $work/design.qvl"
    "$cli cut $work/design.qvl $work/null.dxf"
    "$cli cut $work/design.qvl $work/out.dxf"
    "$work/bare_font"
    "$cli trace $work/design.qvl"
    "$cli render $work/design.qvl $work/out.bmp"
    "$work/bare_app"
    "$cli book $work/design.qvl $work/null.pdf"
    "$cli book $work/design.qvl $work/book.pdf"
    "$bench --benchmark_filter=^BM_Book$ --benchmark_format=json --benchmark_out=$work/bm.json"
)
if ((${#gnuplot_cmd[@]})); then names+=(gnuplot); fi

run() { # index
    if [[ ${names[$1]} == gnuplot ]]; then "${gnuplot_cmd[@]}"; else ${commands[$1]}; fi
}

declare -A times
for ((r = 0; r < rounds; ++r)); do
    for i in "${!names[@]}"; do
        start=$EPOCHREALTIME
        run "$i" >/dev/null 2>&1 || { echo "${names[$i]} failed" >&2; exit 1; }
        end=$EPOCHREALTIME
        elapsed=$((${end/./} - ${start/./}))
        # The benchmark process's own start is not the book's: its mean real time.
        if [[ ${names[$i]} == bm-book ]]; then
            elapsed=$(python3 -c 'import json,sys; print(round(json.load(open(sys.argv[1]))["benchmarks"][0]["real_time"] * 1000))' "$work/bm.json")
        fi
        times[${names[$i]}]+="$elapsed "
    done
done

median_us() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
peak_kb() { # index
    /usr/bin/time -f %M -o "$work/rss" bash -c "$(declare -f run); $(declare -p names commands gnuplot_cmd); run $1" \
        >/dev/null 2>&1
    cat "$work/rss"
}

declare -A med rss
printf '%-11s %10s %10s\n' command median peak
for i in "${!names[@]}"; do
    n=${names[$i]}
    med[$n]=$(median_us "${times[$n]}")
    rss[$n]=$(peak_kb "$i")
    printf '%-11s %8.1fms %8.1fMB\n' "$n" "$(bc -l <<<"${med[$n]}/1000")" "$(bc -l <<<"${rss[$n]}/1024")"
done

ratio() { bc -l <<<"scale=2; ${med[$1]}/${med[$2]}"; }
echo "rounds: $rounds"
echo "trace --plot / bare QCoreApplication: $(ratio trace-plot bare-core) (goal <= 1.5)"
echo "plan / bare QCoreApplication:         $(ratio plan bare-core) (goal <= 1.5)"
echo "cut / bare QCoreApplication:          $(ratio cut bare-core) (goal <= 1.5)"
echo "cut to the disk / bare QCoreApplication: $(ratio cut-disk bare-core) (no goal: the disk's syncs)"
echo "trace / bare QApplication + one font:  $(ratio trace bare-font) (goal <= 1.10)"
if [[ -n ${med[gnuplot]:-} ]]; then
    echo "render / gnuplot:                      $(ratio render gnuplot) (goal <= 1.15)"
else
    echo "render / gnuplot:                      gnuplot not installed, not compared"
fi
echo "book / (BM_Book + bare QApplication): $(bc -l <<<"scale=2; ${med[book]}/(${med[bm-book]}+${med[bare-app]})") (goal <= 1.3)"
echo "book to the disk / (BM_Book + bare QApplication): $(bc -l <<<"scale=2; ${med[book-disk]}/(${med[bm-book]}+${med[bare-app]})") (no goal: the disk's syncs)"
echo "render peak memory: $(bc -l <<<"scale=1; ${rss[render]}/1024") MB (goal <= 30)"
