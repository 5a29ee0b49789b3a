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

touch "$out/.complete"
