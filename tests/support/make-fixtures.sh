#!/usr/bin/env bash
# Makes the shared test media into the folder given as the only argument.
# Every picture is asymmetric (a red block in the top-left corner on blue,
# a green block at the bottom right) so tests can tell which way up it is.
set -euo pipefail

out=${1:?usage: make-fixtures.sh OUTDIR}
mkdir -p "$out"
rm -f "$out/.complete"

ff() { ffmpeg -hide_banner -loglevel error -nostdin -y "$@"; }

marks="drawbox=x=0:y=0:w=iw/4:h=ih/4:color=red:t=fill,drawbox=x=iw*3/4:y=ih*3/4:w=iw/4:h=ih/4:color=green:t=fill"

# H.264 + AAC, 1280x720 at 30 fps, 48 kHz stereo, 2 s.
ff -f lavfi -i "color=c=blue:s=1280x720:r=30:d=2,${marks}" \
   -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=2" \
   -filter_complex "[1:a]aformat=channel_layouts=stereo[a]" -map 0:v -map "[a]" \
   -c:v libx264 -pix_fmt yuv420p -preset veryfast -g 30 \
   -c:a aac -b:a 128k -ar 48000 -ac 2 -shortest "$out/clip_h264_aac.mp4"

# A 440 Hz tone, 44.1 kHz stereo 16-bit, 3 s.
ff -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=3" -ac 2 -c:a pcm_s16le "$out/tone440.wav"

# A still picture, 320x240.
ff -f lavfi -i "color=c=blue:s=320x240:d=1,${marks}" -frames:v 1 "$out/picture.png"

# An animated GIF: a red square moving left to right over 10 frames at 10 fps.
ff -f lavfi -i "color=c=blue:s=160x120:r=10:d=1,drawbox=x=t*120:y=0:w=40:h=30:color=red:t=fill" \
   -loop 0 "$out/animation.gif"

# Segment model: a German locale (decimal comma), compiled here because the
# system may have no locale but C; tests point LOCPATH at "$out/locale".
mkdir -p "$out/locale"
localedef -i de_DE -f UTF-8 "$out/locale/de_DE.UTF-8" >/dev/null 2>&1 || true

# Interface foundation: small ProRes clips for media descriptions. The 4444
# one carries six audio channels, the 422 one none.
ff -f lavfi -i "color=c=blue:s=64x48:r=25:d=0.4" \
   -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=0.4" \
   -filter_complex "[1:a]aformat=channel_layouts=5.1[a]" -map 0:v -map "[a]" \
   -c:v prores_ks -profile:v 4444 -pix_fmt yuva444p10le -c:a aac -b:a 96k "$out/prores4444_6ch.mov"
ff -f lavfi -i "color=c=blue:s=64x48:r=25:d=0.4" \
   -c:v prores_ks -profile:v 2 -pix_fmt yuv422p10le "$out/prores422.mov"

# Offscreen GL foundation (picture reading).
# A 4000x3000 photo-sized JPEG, larger than any composition.
ff -f lavfi -i "color=c=blue:s=4000x3000:d=1,${marks}" -frames:v 1 -q:v 8 "$out/photo_4000x3000.jpg"
# A 320x240 picture stored turned a quarter left (240x320) with the EXIF
# orientation 6 ("turn right to view"): upright only when the tag is applied.
ff -f lavfi -i "color=c=blue:s=320x240:d=1,${marks},transpose=2" -frames:v 1 "$out/sideways.jpg"
{
  printf '\xff\xd8\xff\xe1\x00\x22Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08'
  printf '\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00'
  tail -c +3 "$out/sideways.jpg"
} >"$out/exif_rotated.jpg"
rm "$out/sideways.jpg"
# A PNG cut off after its header: recognised as a picture, but undecodable.
head -c 100 "$out/picture.png" >"$out/truncated.png"

# ---- media streams ----
# Small clips for the stream tests: one per decoded layout, rotation, odd
# sizes, sound formats, and files that cannot be played.
x265quiet=(-x265-params log-level=error)
# 10-bit HEVC, 320x240, 1 s.
ff -f lavfi -i "testsrc2=s=320x240:r=30:d=1" -c:v libx265 -pix_fmt yuv420p10le -preset ultrafast "${x265quiet[@]}" \
   -tag:v hvc1 "$out/hevc10.mp4"
# VP9 with a half-transparent picture (libvpx keeps the alpha channel).
ff -f lavfi -i "color=c=red@0.5:s=160x120:r=10:d=1,format=yuva420p" \
   -c:v libvpx-vp9 -pix_fmt yuva420p -auto-alt-ref 0 -deadline realtime -cpu-used 8 "$out/vp9_alpha.webm"
# Full-range 4:2:0 H.264.
ff -f lavfi -i "testsrc2=s=320x240:r=30:d=1" -c:v libx264 -preset veryfast -pix_fmt yuvj420p "$out/fullrange.mp4"
# 4 s at 30 fps with a key frame every second and a title, no sound.
ff -f lavfi -i "color=c=blue:s=320x240:r=30:d=4,${marks}" -c:v libx264 -preset veryfast -g 30 \
   -metadata title="Video Only" "$out/video_only_4s.mp4"
# Shown turned 90 degrees clockwise. This muxer writes the display matrix
# for the opposite turn of the "rotate" value it is given, hence 270.
ff -i "$out/video_only_4s.mp4" -t 1 -c copy -metadata:s:v:0 rotate=270 "$out/rotated90.mp4"
# 854x480 (odd chroma width), lossless: left half red, right half blue.
ff -f lavfi -i "color=c=red:s=854x480:r=10:d=0.5,drawbox=x=427:y=0:w=427:h=480:color=blue:t=fill" \
   -c:v libx264 -preset veryfast -qp 0 -pix_fmt yuv420p "$out/bars854.mp4"
# 60 fps.
ff -f lavfi -i "testsrc2=s=160x120:r=60:d=1" -c:v libx264 -preset veryfast "$out/fps60.mp4"
# 440 Hz, 22.05 kHz mono, 2 s.
ff -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=2" -ac 1 -c:a pcm_s16le "$out/tone22k_mono.wav"
# Sound only, with tags.
ff -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=1" -c:a aac -b:a 64k \
   -metadata title="Tone Title" -metadata artist="Tone Artist" "$out/audio_only.m4a"
# MP3 with a JPEG cover.
ff -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=1" -i "$out/picture.png" -map 0:a -map 1:v \
   -c:a libmp3lame -c:v mjpeg -disposition:v attached_pic -id3v2_version 3 "$out/cover.mp3"
# A title tag holding a vertical tab, a character that XML cannot hold.
ff -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=0.5" -c:a libmp3lame \
   -metadata title=$'Intro\vPart 2' "$out/title_vtab.mp3"
# Damaged files: an MP4 cut before its index, an MPEG-TS cut in half, and text.
ff -f lavfi -i "testsrc2=s=160x120:r=30:d=2" -c:v libx264 -preset veryfast "$out/whole.mp4"
head -c "$(( $(stat -c %s "$out/whole.mp4") / 2 ))" "$out/whole.mp4" > "$out/truncated.mp4"
ff -f lavfi -i "testsrc2=s=160x120:r=30:d=2" -c:v libx264 -preset veryfast "$out/whole.ts"
head -c "$(( $(stat -c %s "$out/whole.ts") / 2 ))" "$out/whole.ts" > "$out/truncated.ts"
rm -f "$out/whole.mp4" "$out/whole.ts"
for _ in $(seq 200); do echo "This is not a movie."; done > "$out/garbage.mp4"

# ---- engine sound segments ----
# 22 s of 8 kHz mono PCM in packets of two seconds: decoded at 44.1 kHz
# stereo, one frame alone is larger than a sound segment's frame cache, and
# a few of them at a faster tempo fill it past its size.
ff -f lavfi -i "sine=frequency=440:sample_rate=8000:duration=22:samples_per_frame=16000" -c:a pcm_s16le \
   "$out/tone_bigframes.mkv"

# ---- engine segments (video) ----
# 854x480 yuv420p (a padded line size), 10 fps for 6 s with a key frame
# every second: frame k lies at k / 10 s.
ff -f lavfi -i "color=c=gray:s=854x480:r=10:d=6,drawbox=x=t*120:y=100:w=80:h=80:color=yellow:t=fill" \
   -c:v libx264 -preset veryfast -pix_fmt yuv420p -g 10 "$out/frames854_10fps.mp4"
# The first picture of bars854.mp4 as the decoder gives it: raw planes for
# comparing uploaded textures against.
ff -i "$out/bars854.mp4" -frames:v 1 -f rawvideo -pix_fmt yuv420p "$out/bars854_frame0.yuv"
# 75 s at 10 fps, tiny: frame times far from 0 for the decoding-lag measure.
ff -f lavfi -i "color=c=blue:s=64x48:r=10:d=75" -c:v libx264 -preset veryfast -g 10 "$out/long64_10fps.mp4"
# Long groups of pictures, as cameras write them: 8 s of a moving picture at
# 24 fps with key frames only at 0 and 4.17 s, so that a frame decoded
# without its key frame shows as grey blocks. MPEG-4 Part 2 in AVI and H.264.
ff -f lavfi -i "testsrc2=s=320x240:r=24:d=8" -c:v mpeg4 -q:v 3 -g 100 "$out/longgop_mpeg4.avi"
ff -f lavfi -i "testsrc2=s=320x240:r=24:d=8" -c:v libx264 -preset veryfast -pix_fmt yuv420p \
   -g 100 -keyint_min 100 -sc_threshold 0 "$out/longgop_h264.mp4"

# ---- animated picture durations ----
# Ten large frames of 20 ms each: decoding one takes about as long as its
# delay, so a duration that depends on decoding speed shows here.
ff -f lavfi -i "cellauto=s=1600x1200:rate=50:rule=30,format=rgb8" -frames:v 10 -loop 0 "$out/bigcells_10x20ms.gif"

# ---- sound output ----
# A second tone mixed with tone440.wav: what the sound output plays must
# carry both.
ff -f lavfi -i "sine=frequency=1250:sample_rate=44100:duration=3" -ac 2 -c:a pcm_s16le "$out/tone1250.wav"

# ---- composition ----
# 640x360 at 30 fps for 2 s, its matrix BT.709 and tagged so (as the engine
# draws video), with a yellow square moving 200 px a second over the marks
# and a 660 Hz tone: a composed frame is compared with what ffmpeg decodes.
ff -f lavfi -i "color=c=blue:s=640x360:r=30:d=2,${marks},drawbox=x=t*200:y=150:w=60:h=60:color=yellow:t=fill" \
   -f lavfi -i "sine=frequency=660:sample_rate=44100:duration=2" \
   -vf "scale=out_color_matrix=bt709:out_range=tv,format=yuv420p" \
   -colorspace bt709 -color_primaries bt709 -color_trc bt709 -c:v libx264 -preset veryfast -g 30 \
   -c:a aac -ac 2 -shortest "$out/moving709_640x360.mp4"

# ---- media segments ----
# Three frames with the delays 100, 100 and 200 ms (frames picked at 100 fps).
ff -f lavfi -i "testsrc=s=32x24:r=100:d=0.3,select='eq(n\,0)+eq(n\,10)+eq(n\,20)'" \
   -fps_mode passthrough -final_delay 20 -loop 0 "$out/delays_100_100_200.gif"
# Three frames whose delays are all 0: the muxer writes at least 1, so the
# delay fields of the graphic control extensions are cleared afterwards.
ff -f lavfi -i "testsrc=s=32x24:r=100:d=0.03" \
   -frames:v 3 -loop 0 "$out/zero_delays.gif"
perl -0777 -pi -e 's/\x21\xf9\x04(.)..(.)\x00/\x21\xf9\x04$1\x00\x00$2\x00/gs' "$out/zero_delays.gif"
# A single-frame GIF: a still picture.
ff -f lavfi -i "color=c=green:s=40x20" -frames:v 1 "$out/single_frame.gif"
# A 40x20 picture, smaller than any timeline row.
ff -f lavfi -i "color=c=red:s=40x20" -frames:v 1 "$out/small_40x20.png"
# A wide picture, 5000x1000, larger than the biggest drawing canvas.
ff -f lavfi -i "color=c=blue:s=5000x1000:d=1,${marks}" -frames:v 1 "$out/wide_5000x1000.png"

# ---- sound segment waveforms ----
# 3 minutes of 44.1 kHz stereo: left a sine at half scale, right one at a
# quarter, so each channel's mean level tells it apart.
ff -f lavfi -i "aevalsrc=0.5*sin(2*PI*440*t)|0.25*sin(2*PI*220*t):s=44100:d=180" -c:a pcm_s16le \
   "$out/music_3min_stereo.wav"
# Half a second of silence, and 10 ms of sound (fewer samples than waveform points).
ff -f lavfi -i "anullsrc=r=44100:cl=stereo" -t 0.5 -c:a pcm_s16le "$out/silence_stereo.wav"
ff -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=0.01" -ac 2 -c:a pcm_s16le "$out/blip_10ms.wav"

# ---- export ----
# 640x360 at 30 fps for 2 s, every frame different (a moving test card)
# under the asymmetric marks, with a 440 Hz tone at 48 kHz: exported frames
# are compared with composed ones and the sound's pitch is measured.
ff -f lavfi -i "testsrc2=s=640x360:r=30:d=2,${marks}" \
   -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=2" \
   -vf "scale=out_color_matrix=bt709:out_range=tv,format=yuv420p" \
   -colorspace bt709 -color_primaries bt709 -color_trc bt709 -c:v libx264 -preset veryfast -g 30 \
   -c:a aac -ac 2 -shortest "$out/export_source_640x360.mp4"

# ---- frame timing ----
# Pictures that name their frame: frame n of a clip at r fps is grey
# 16 + 4 (n mod 50) (tiny, nearly lossless), key frames a second apart and
# B-frames between the others, as cameras and phones write them.
bframes=(-qp 1 -x264-params b-adapt=0:bframes=3)
numbered() { # rate seconds output [more encoder options]
  local rate=$1 seconds=$2 output=$3; shift 3
  ff -f lavfi -i "color=c=black:s=64x48:r=${rate}:d=${seconds},geq=lum='16+4*mod(N\,50)':cb=128:cr=128" \
     -c:v libx264 -preset veryfast "${bframes[@]}" -pix_fmt yuv420p "$@" "$out/$output"
}
numbered 30 4 numbered_30fps.mp4 -g 30
numbered 30000/1001 4 numbered_2997fps.mp4 -g 30
numbered 24000/1001 2 numbered_23976fps.mp4 -g 24
numbered 25 2 numbered_25fps.mp4 -g 25
# Variable rate: 30 fps for 2 s, then every third frame (10 fps) up to 4 s;
# the grey still names the 30 fps frame, so the picture at t is frame t x 30.
ff -f lavfi -i "color=c=black:s=64x48:r=30:d=4,geq=lum='16+4*mod(N\,50)':cb=128:cr=128" \
   -vf "select='lt(n\,60)+eq(mod(n\,3)\,0)'" -fps_mode vfr \
   -c:v libx264 -preset veryfast "${bframes[@]}" -pix_fmt yuv420p -g 30 "$out/numbered_vfr.mp4"
# And the rate falling on a frame that is not a multiple of three: 40 frames
# at 30 fps, then every third (10 fps) up to 4 s, so that the slow frames
# lie between the output frames of a 30 fps export.
ff -f lavfi -i "color=c=black:s=64x48:r=30:d=4,geq=lum='16+4*mod(N\,50)':cb=128:cr=128" \
   -vf "select='lt(n\,40)+eq(mod(n-40\,3)\,0)'" -fps_mode vfr \
   -c:v libx264 -preset veryfast "${bframes[@]}" -pix_fmt yuv420p -g 30 "$out/numbered_vfr_40.mp4"
# Beeps of 50 ms at every whole second, 3 s, in the usual sound formats.
ff -f lavfi -i "aevalsrc='if(lt(mod(t\,1)\,0.05)\,0.5*sin(2*PI*1000*t)\,0)':s=44100:d=3" -ac 2 -c:a pcm_s16le \
   "$out/beeps.wav"
ff -i "$out/beeps.wav" -c:a libmp3lame "$out/beeps.mp3"
ff -i "$out/beeps.wav" -c:a aac "$out/beeps.m4a"
ff -i "$out/beeps.wav" -c:a libvorbis "$out/beeps.ogg"
ff -i "$out/beeps.wav" -c:a libopus "$out/beeps.webm"
# MPEG-TS, numbered pictures with the beeps; its timestamps start near 1.4 s,
# and in the second file at 1000 s.
ff -f lavfi -i "color=c=black:s=64x48:r=30:d=6,geq=lum='16+4*mod(N\,50)':cb=128:cr=128" \
   -stream_loop 1 -i "$out/beeps.wav" -t 6 \
   -c:v libx264 -preset veryfast "${bframes[@]}" -pix_fmt yuv420p -g 30 -c:a mp2 -f mpegts \
   "$out/numbered_beeps.ts"
ff -i "$out/numbered_beeps.ts" -c copy -output_ts_offset 1000 -f mpegts "$out/numbered_beeps_1000.ts"

# ---- picture formats ----
# One 160x120 picture in every format the picture chooser offers, in
# formats/marks.<extension>. In colour: the marks (red top left, green bottom
# right) on blue; in grey (pgm): black top left, white bottom right on grey;
# in black and white (pbm, xbm): black top left on white.
mkdir -p "$out/formats"
colour="color=c=blue:s=160x120:d=1,${marks}"
for ext in png jpg bmp ppm gif webp; do
  ff -f lavfi -i "$colour" -frames:v 1 "$out/formats/marks.$ext"
done
ff -f lavfi -i "$colour" -frames:v 1 -pix_fmt rgb24 "$out/formats/marks.tiff"
cp "$out/formats/marks.jpg" "$out/formats/marks.jpeg"
cp "$out/formats/marks.bmp" "$out/formats/marks.dib"
cp "$out/formats/marks.tiff" "$out/formats/marks.tif"
ff -f lavfi -i "color=c=gray:s=160x120:d=1,drawbox=x=0:y=0:w=iw/4:h=ih/4:color=black:t=fill,drawbox=x=iw*3/4:y=ih*3/4:w=iw/4:h=ih/4:color=white:t=fill" \
   -frames:v 1 "$out/formats/marks.pgm"
for ext in pbm xbm; do
  ff -f lavfi -i "color=c=white:s=160x120:d=1,drawbox=x=0:y=0:w=iw/4:h=ih/4:color=black:t=fill" \
     -frames:v 1 "$out/formats/marks.$ext"
done
# ffmpeg writes no XPM or SVG: both are text, written here.
{
  printf '/* XPM */\nstatic char *marks[] = {\n"160 120 3 1",\n"b c #0000FF",\n"r c #FF0000",\n"g c #008000",\n'
  # A quarter of a row in blue; the marks are the first quarter of the top
  # 30 rows in red and the last quarter of the bottom 30 in green.
  blue=$(printf 'b%.0s' $(seq 40))
  for y in $(seq 0 119); do
    if [ "$y" -lt 30 ]; then row="${blue//b/r}${blue}${blue}${blue}"
    elif [ "$y" -ge 90 ]; then row="${blue}${blue}${blue}${blue//b/g}"
    else row="${blue}${blue}${blue}${blue}"; fi
    printf '"%s"%s\n' "$row" "$([ "$y" -lt 119 ] && echo ,)"
  done
  printf '};\n'
} >"$out/formats/marks.xpm"
cat >"$out/formats/marks.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="160" height="120">
  <rect width="160" height="120" fill="#0000ff"/>
  <rect width="40" height="30" fill="#ff0000"/>
  <rect x="120" y="90" width="40" height="30" fill="#008000"/>
</svg>
SVG
# HEIC through libheif's encoder, where it is installed (the tests that
# need it skip without it).
if command -v heif-enc >/dev/null; then
  heif-enc -q 90 -o "$out/formats/marks.heic" "$out/formats/marks.png" >/dev/null
fi

touch "$out/.complete"
