#!/usr/bin/env bash
# Export of a two-track 30 s 1080p project through the editing window against
# the equivalent ffmpeg filter graph, in one run. The project: a clip with a
# colour adjustment and its sound at volume 0.8; a second clip cropped to a
# picture-in-picture that fades in over 1 s; a title. Prints both wall
# times and CPU seconds (user + system; wall times on a shared machine
# swing widely, CPU seconds much less), their ratios, our time per frame
# and the SSIM between the outputs. The graph does what the project means,
# so the SSIM tells whether our picture is right. The graph's picture is
# also kept losslessly as the source: each export's SSIM against it and its
# size tell what the encoder gave up for its speed.
# With --baseline, the export-project of another build (an earlier commit's)
# exports the same project with the same codec, and both are printed with
# the speed-up.
# Usage: project_export_bench [--codec h264|vp9] [--baseline EXPORT_PROJECT] [WORKDIR];
# needs a display (xvfb-run).
set -euo pipefail

export_project=${EXPORT_PROJECT:-@EXPORT_PROJECT@}
codec=h264
baseline=
while [[ $# -gt 0 && $1 == --* ]]; do
  case $1 in
    --codec) codec=$2 ;;
    --baseline) baseline=$2 ;;
    *) echo "project_export_bench: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
# What ffmpeg encodes the graph with: the settings our exporter gives the
# codec at level 3 (15 Mb/s, a picture group of 12 for VP9).
case $codec in
  h264) suffix=mp4 encoder=(-c:v libx264 -preset superfast -b:v 15M -c:a aac -ar 44100) ;;
  vp9) suffix=webm encoder=(-c:v libvpx-vp9 -b:v 15M -g 12 -row-mt 1 -cpu-used 4 -c:a libopus -ar 48000) ;;
  *) echo "project_export_bench: codec h264 or vp9" >&2; exit 2 ;;
esac
work=${1:-${TMPDIR:-/tmp}/vidorna-bench}
project="$work/ExportBench"
mkdir -p "$project"
ff() { ffmpeg -hide_banner -loglevel error -nostdin -y "$@"; }

if [[ ! -s "$project/main.mp4" ]]; then
  ff -f lavfi -i "testsrc2=s=1920x1080:r=30:d=30" -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=30" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -g 30 -c:a aac -ac 2 -shortest "$project/main.mp4"
  ff -f lavfi -i "mandelbrot=s=1920x1080:r=30,trim=duration=30" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -g 30 "$project/inset.mp4"
fi

# Brightness 20 of 100; the inset is the middle half of its clip (a crop
# keeps the picture's scale: a quarter of the frame), centred at 80% across
# and 20% down; the title is centred. A transition's two states hold every
# placed value (an absent one is its default: uncropped, centred), so both
# repeat the inset's crop and place, and fade its transparency from 1 to 0.
# A transition's TDuration is a fraction of its segment: 1 s of 30 s.
cat >"$project/project.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<Project>
<Segment Type="MOVIE" File="main.mp4" TrackId="1" RangeStart="0" RangeDuration="30" TrimStart="0" TrimDuration="30" ClrBrightness="20" UserVolume="0.8"/>
<Segment Type="MOVIE" File="inset.mp4" TrackId="2" RangeStart="0" RangeDuration="30" TrimStart="0" TrimDuration="30" CropTopLeft="{0.25,0.25}" CropBottomRight="{0.75,0.75}" UserTranslation="{0.3,-0.3}"><Transitions><Transition TStart="0" TDuration="0.033333335"><TBegin CropTopLeft="{0.25,0.25}" CropBottomRight="{0.75,0.75}" UserTranslation="{0.3,-0.3}" UserTransparency="1"/><TEnd CropTopLeft="{0.25,0.25}" CropBottomRight="{0.75,0.75}" UserTranslation="{0.3,-0.3}" UserTransparency="0"/></Transition></Transitions></Segment>
<Segment Type="TEXT" Text="Vidorna" TrackId="3" RangeStart="0" RangeDuration="30" FontSize="80"/>
</Project>
EOF
cat >"$project/properties.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<Properties version="7" direction="1" resolution="1" frameRate="30" duration="30" backgroundColor="#ff000000" segmentMode="0"/>
EOF

# Runs a command under /usr/bin/time; its wall and CPU seconds (user +
# system, children included) go to the file.
timed() {
  local out=$1
  shift
  /usr/bin/time -f "%e %U %S" -o "$out" "$@"
}
wall() { awk '{ printf "%.2f", $1 }' "$1"; }
cpu() { awk '{ printf "%.2f", $2 + $3 }' "$1"; }

ff_ssim() {
  ffmpeg -hide_banner -nostdin -i "$1" -i "$2" -filter_complex "[0:v][1:v]ssim" -f null - 2>&1 |
    sed -n 's/.*SSIM .*All:\([0-9.]*\).*/\1/p' | tail -1
}
size_mb() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1048576 }'; }

# Exports the project with the export-project given, as NAME.SUFFIX.
export_with() {
  local name=$1 program=$2
  timed "$work/$name.time" "$program" "$project" "$work/$name.$suffix" --level 3 --fps 30 \
    --codec "$codec" >"$work/$name.log" 2>&1 || { tail -20 "$work/$name.log" >&2; exit 1; }
}
export_with "project_ours_$codec" "$export_project"

# What the layers mean, step by step: pictures are read as the engine reads
# untagged HD video (BT.709, limited range) and composed in RGB; brightness
# adds 0.2 of full scale to each colour channel, as the layer shader does;
# the title is 80 points of a 1280-wide project, so 120 pixels at 1920, in
# the text segment's default face; the result is written as BT.709 limited,
# as the exporter converts it.
rgb="scale=in_color_matrix=bt709:in_range=tv,format=gbrap"
graph="[0:v]$rgb,lutrgb=r=val+51:g=val+51:b=val+51[base];\
[1:v]$rgb,crop=iw/2:ih/2:iw/4:ih/4,fade=t=in:st=0:d=1:alpha=1[pip];\
[base][pip]overlay=x=W*0.8-w/2:y=H*0.2-h/2:format=gbrp[v0];\
[v0]drawtext=text=Vidorna:font=Arial:fontsize=120:fontcolor=white:x=(w-tw)/2:y=(h-th)/2,\
scale=out_color_matrix=bt709:out_range=tv,format=yuv420p[v]"
timed "$work/project_ffmpeg_$codec.time" ffmpeg -hide_banner -loglevel error -nostdin -y \
  -i "$project/main.mp4" -i "$project/inset.mp4" -filter_complex "$graph;[0:a]volume=0.8[a]" \
  -map "[v]" -map "[a]" "${encoder[@]}" -pix_fmt yuv420p -r 30 \
  -b:a 256k -ac 2 "$work/project_ffmpeg_$codec.$suffix"
source="$project/source.mkv"
[[ -s "$source" ]] || ff -i "$project/main.mp4" -i "$project/inset.mp4" -filter_complex "$graph" \
  -map "[v]" -c:v ffv1 -r 30 "$source"

codec_name=$([[ $codec == vp9 ]] && echo "VP9 + Opus" || echo "H.264 + AAC")
echo "project export: 30 s 1920x1080 30 fps, two clips, a title, $codec_name; load average $(cut -d' ' -f1-3 /proc/loadavg)"
grep -E "^exported" "$work/project_ours_$codec.log" | sed 's/^/  export-project: /'
ours=$(wall "$work/project_ours_$codec.time") theirs=$(wall "$work/project_ffmpeg_$codec.time")
ours_cpu=$(cpu "$work/project_ours_$codec.time") theirs_cpu=$(cpu "$work/project_ffmpeg_$codec.time")
echo "  export-project (window start included): wall ${ours} s, CPU ${ours_cpu} s"
echo "  ffmpeg filter graph:                    wall ${theirs} s, CPU ${theirs_cpu} s"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  wall ratio (ours / ffmpeg): %.2f (target at most 2.50)\n", a / b }'
awk -v a="$ours_cpu" -v b="$theirs_cpu" 'BEGIN { printf "  CPU ratio (ours / ffmpeg):  %.2f (target at most 3.50)\n", a / b }'
echo "  SSIM between the two outputs: $(ff_ssim "$work/project_ours_$codec.$suffix" \
  "$work/project_ffmpeg_$codec.$suffix") (target at least 0.98)"
echo "  ours against the lossless graph: SSIM $(ff_ssim "$work/project_ours_$codec.$suffix" "$source"), \
size $(size_mb "$work/project_ours_$codec.$suffix") MB"
[[ -n $baseline ]] || exit 0

export_with "project_baseline_$codec" "$baseline"
base=$(wall "$work/project_baseline_$codec.time") base_cpu=$(cpu "$work/project_baseline_$codec.time")
echo "  baseline export-project: wall ${base} s, CPU ${base_cpu} s; against the lossless graph: SSIM \
$(ff_ssim "$work/project_baseline_$codec.$suffix" "$source"), size $(size_mb "$work/project_baseline_$codec.$suffix") MB"
awk -v a="$base" -v b="$ours" -v c="$base_cpu" -v d="$ours_cpu" \
  'BEGIN { printf "  speed-up over the baseline: wall %.2fx, CPU %.2fx\n", a / b, c / d }'
