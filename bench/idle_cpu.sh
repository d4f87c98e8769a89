#!/bin/sh
# Idle CPU use of the desktop window with the drive running at 60 Hz, on a
# virtual X server (a real display path, unlike the offscreen platform).
#   bench/idle_cpu.sh [build-dir] [seconds]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
seconds=${2:-30}
exec env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/bench/qd720_bench_idle_cpu" "$seconds"
