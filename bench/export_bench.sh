#!/usr/bin/env bash
# Export speed against the ffmpeg command line, in one run: a 10 s 1920x1080
# 30 fps composition of one H.264 clip with its sound exported to H.264 at
# quality level 3 (15 Mb/s) by engine-demo, and the same clip transcoded by
# ffmpeg with the same encoder settings. Prints both wall times and their
# ratio. Usage: export_bench [WORKDIR]; needs a display (xvfb-run).
set -euo pipefail

engine_demo=${ENGINE_DEMO:-@ENGINE_DEMO@}
work=${1:-${TMPDIR:-/tmp}/vidorna-bench}
mkdir -p "$work"
clip="$work/export_clip_1080p30_10s.mp4"

if [[ ! -s "$clip" ]]; then
  ffmpeg -hide_banner -loglevel error -nostdin -y \
    -f lavfi -i "testsrc2=s=1920x1080:r=30:d=10" \
    -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=10" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -g 30 -c:a aac -ac 2 -shortest "$clip"
fi

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

start=$(now)
"$engine_demo" export --video "$clip" --size 1920x1080 --fps 30 --codec h264 "$work/export_ours.mp4" \
  >"$work/export_ours.log" 2>&1 || { tail -20 "$work/export_ours.log" >&2; exit 1; }
ours=$(seconds "$start" "$(now)")

start=$(now)
ffmpeg -hide_banner -loglevel error -nostdin -y -i "$clip" -c:v libx264 -preset superfast -b:v 15M \
  -c:a aac -ar 44100 "$work/export_ffmpeg.mp4"
theirs=$(seconds "$start" "$(now)")

frames=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames \
  -of default=nw=1:nk=1 "$work/export_ours.mp4")
echo "export 10 s 1920x1080 30 fps H.264 + AAC ($frames frames written)"
echo "  engine-demo export: ${ours} s"
echo "  ffmpeg transcode:   ${theirs} s"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  ratio (ours / ffmpeg): %.2f (target at most 2.00)\n", a / b }'
