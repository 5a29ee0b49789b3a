#!/usr/bin/env bash
# Export of a two-track 30 s 1080p project through the editing window against
# the equivalent ffmpeg filter graph, in one run. The project: a clip with a
# colour adjustment and its sound at volume 0.8; a second clip cropped to a
# picture-in-picture that fades in over 1 s; a title. Prints both wall
# times and CPU seconds (user + system; wall times on a shared machine
# swing widely, CPU seconds much less), their ratios, our time per frame
# and the SSIM between the outputs. The graph does what the project means,
# so the SSIM tells whether our picture is right.
# Usage: project_export_bench [WORKDIR]; needs a display (xvfb-run).
set -euo pipefail

export_project=${EXPORT_PROJECT:-@EXPORT_PROJECT@}
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

timed "$work/project_ours.time" "$export_project" "$project" "$work/project_ours.mp4" --level 3 --fps 30 \
  --codec h264 >"$work/project_ours.log" 2>&1 || { tail -20 "$work/project_ours.log" >&2; exit 1; }

# What the layers mean, step by step: pictures are read as the engine reads
# untagged HD video (BT.709, limited range) and composed in RGB; brightness
# adds 0.2 of full scale to each colour channel, as the layer shader does;
# the title is 80 points of a 1280-wide project, so 120 pixels at 1920, in
# the text segment's default face; the result is written as BT.709 limited,
# as the exporter converts it.
rgb="scale=in_color_matrix=bt709:in_range=tv,format=gbrap"
timed "$work/project_ffmpeg.time" ffmpeg -hide_banner -loglevel error -nostdin -y \
  -i "$project/main.mp4" -i "$project/inset.mp4" -filter_complex \
  "[0:v]$rgb,lutrgb=r=val+51:g=val+51:b=val+51[base];\
[1:v]$rgb,crop=iw/2:ih/2:iw/4:ih/4,fade=t=in:st=0:d=1:alpha=1[pip];\
[base][pip]overlay=x=W*0.8-w/2:y=H*0.2-h/2:format=gbrp[v0];\
[v0]drawtext=text=Vidorna:font=Arial:fontsize=120:fontcolor=white:x=(w-tw)/2:y=(h-th)/2,\
scale=out_color_matrix=bt709:out_range=tv,format=yuv420p[v];\
[0:a]volume=0.8[a]" \
  -map "[v]" -map "[a]" -c:v libx264 -preset superfast -b:v 15M -pix_fmt yuv420p -r 30 \
  -c:a aac -b:a 256k -ar 44100 -ac 2 "$work/project_ffmpeg.mp4"

ssim=$(ffmpeg -hide_banner -nostdin -i "$work/project_ours.mp4" -i "$work/project_ffmpeg.mp4" \
  -filter_complex "[0:v][1:v]ssim" -f null - 2>&1 | sed -n 's/.*SSIM .*All:\([0-9.]*\).*/\1/p' | tail -1)
echo "project export: 30 s 1920x1080 30 fps, two clips, a title, H.264 + AAC"
grep -E "^exported" "$work/project_ours.log" | sed 's/^/  export-project: /'
ours=$(wall "$work/project_ours.time") theirs=$(wall "$work/project_ffmpeg.time")
ours_cpu=$(cpu "$work/project_ours.time") theirs_cpu=$(cpu "$work/project_ffmpeg.time")
echo "  export-project (window start included): wall ${ours} s, CPU ${ours_cpu} s"
echo "  ffmpeg filter graph:                    wall ${theirs} s, CPU ${theirs_cpu} s"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "  wall ratio (ours / ffmpeg): %.2f (target at most 2.50)\n", a / b }'
awk -v a="$ours_cpu" -v b="$theirs_cpu" 'BEGIN { printf "  CPU ratio (ours / ffmpeg):  %.2f (target at most 3.50)\n", a / b }'
echo "  SSIM between the two outputs: ${ssim:-unknown} (target at least 0.98)"
